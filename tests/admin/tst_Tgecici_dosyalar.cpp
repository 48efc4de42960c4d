#include "admin/TemporaryTables.h"
#include "admin/Tgecici_dosyalar.h"
#include "dialogs/ModalRunner.h"
#include "platform/AppContext.h"
#include "support/MessageScript.h"
#include "support/TestProgramDir.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

bool touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write("x") == 1;
}

QStringList listed(Tgecici_dosyalar &d)
{
    QStringList out;
    auto *list = d.findChild<QListWidget *>(QStringLiteral("liste"));
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

QString native(const QString &relative)
{
    return QDir::toNativeSeparators(appContext().programDir + relative);
}

// A program directory with leftovers at several depths and files that only look similar.
void makeTree()
{
    const QStringList files{
        QStringLiteral("_QS1.db"),
        QStringLiteral("_qsLower.DB"),
        QStringLiteral("_QS.db"),
        QStringLiteral("dbs/_QSa.db"),
        QStringLiteral("dbs/sirket_7.db"),
        QStringLiteral("dbs/kblg.db"),
        QStringLiteral("dbs/eski/derin/_QS9.db"),
        QStringLiteral("tsfdb/gecici.db"),
        QStringLiteral("tsfdb/gecici.db-journal"),
        QStringLiteral("tsfdb/12-34-567/sirket_7.db"),
        QStringLiteral("tsfdb/12-34-567/_QS2.db-journal"),
        QStringLiteral("x_QS3.db"),
        QStringLiteral("_QS4.dbx"),
        QStringLiteral("_QS5.db.bak"),
        QStringLiteral("_QSdb"),
    };
    for (const QString &f : files)
        QVERIFY(touch(appContext().programDir + f));
    // A directory with a matching name is no table.
    QVERIFY(QDir().mkpath(appContext().programDir + QStringLiteral("_QSdir.db")));
    // A link back up the tree must not send the search round for ever.
    QVERIFY(QFile::link(appContext().programDir, appContext().programDir + QStringLiteral("dbs/geri")));
}

const QStringList kExpected{
    QStringLiteral("_QS.db"), QStringLiteral("_QS1.db"), QStringLiteral("_qsLower.DB"),
    QStringLiteral("dbs/_QSa.db"), QStringLiteral("dbs/eski/derin/_QS9.db"),
};

} // namespace

class TestTgecici_dosyalar : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void names_data();
    void names();
    void listsEveryLeftoverUnderTheProgramDirectory();
    void deletesAndSkipsWhatStays();
    void emptyListDoesNothing();
    void shownThroughTheModalRunner();
};

void TestTgecici_dosyalar::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("counts");
    QTest::newRow("plain") << "_QS123.db" << true;
    QTest::newRow("nothing between") << "_QS.db" << true;
    QTest::newRow("any case") << "_qs1.DB" << true;
    QTest::newRow("no underscore") << "QS1.db" << false;
    QTest::newRow("prefix inside") << "a_QS1.db" << false;
    QTest::newRow("other ending") << "_QS1.db-journal" << false;
    QTest::newRow("WAL file") << "_QS1.db-wal" << false;
    QTest::newRow("overlapping") << "_QSdb" << false;
    QTest::newRow("company file") << "sirket_7.db" << false;
}

void TestTgecici_dosyalar::names()
{
    QFETCH(QString, name);
    QFETCH(bool, counts);
    QCOMPARE(TemporaryTables::isTemporaryTableName(name), counts);
}

void TestTgecici_dosyalar::listsEveryLeftoverUnderTheProgramDirectory()
{
    TestProgramDir dir;
    makeTree();
    QStringList expected;
    for (const QString &f : kExpected)
        expected << native(f);
    QCOMPARE(TemporaryTables::find(appContext().programDir), expected);

    Tgecici_dosyalar dialog;
    dialog.show();
    QCOMPARE(listed(dialog), expected);
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("durum"))->text(), QStringLiteral("Durum: "));
    QVERIFY(dialog.findChild<QPushButton *>(QStringLiteral("tumunusil"))->isEnabled());
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    if (!qEnvironmentVariableIsEmpty("VR_GRAB_DIR"))
        dialog.grab().save(qEnvironmentVariable("VR_GRAB_DIR") + QStringLiteral("/Tgecici_dosyalar.png"));
}

void TestTgecici_dosyalar::deletesAndSkipsWhatStays()
{
    TestProgramDir dir;
    makeTree();
    Tgecici_dosyalar dialog;
    dialog.show();
    QCOMPARE(listed(dialog).size(), kExpected.size());

    // After listing: one entry has gone already, one cannot be deleted (a
    // non-empty directory now stands in its place).
    QVERIFY(QFile::remove(appContext().programDir + QStringLiteral("_QS1.db")));
    const QString stays = appContext().programDir + QStringLiteral("dbs/_QSa.db");
    QVERIFY(QFile::remove(stays));
    QVERIFY(touch(stays + QStringLiteral("/icerik")));

    MessageScript script;
    auto *button = dialog.findChild<QPushButton *>(QStringLiteral("tumunusil"));
    button->click();
    VERIFY_MESSAGES(script);

    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("durum"))->text(), QStringLiteral("Silme işlemi tamamlandı."));
    QVERIFY(!button->isEnabled());
    auto *list = dialog.findChild<QListWidget *>(QStringLiteral("liste"));
    QCOMPARE(list->count(), kExpected.size()); // the entries stay until the next opening
    QCOMPARE(list->currentRow(), kExpected.size() - 1);
    for (const QString &f : kExpected)
        QCOMPARE(QFileInfo::exists(appContext().programDir + f), f == QLatin1String("dbs/_QSa.db"));
    // Nothing else was touched.
    for (const char *kept : {"dbs/sirket_7.db", "dbs/kblg.db", "tsfdb/gecici.db-journal", "tsfdb/12-34-567/sirket_7.db",
                             "x_QS3.db", "_QSdb"})
        QVERIFY2(QFileInfo::exists(appContext().programDir + QLatin1String(kept)), kept);
    QVERIFY(QFileInfo(appContext().programDir + QStringLiteral("_QSdir.db")).isDir());

    // Opening it again lists only what is left.
    Tgecici_dosyalar again;
    again.show();
    QCOMPARE(listed(again), QStringList{});
}

void TestTgecici_dosyalar::emptyListDoesNothing()
{
    TestProgramDir dir;
    Tgecici_dosyalar dialog;
    dialog.show();
    QVERIFY(listed(dialog).isEmpty());
    auto *button = dialog.findChild<QPushButton *>(QStringLiteral("tumunusil"));
    button->click();
    QVERIFY(button->isEnabled());
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("durum"))->text(), QStringLiteral("Durum: "));
}

void TestTgecici_dosyalar::shownThroughTheModalRunner()
{
    TestProgramDir dir;
    QVERIFY(touch(appContext().programDir + QStringLiteral("_QS1.db")));
    QStringList seen;
    setModalHandler([&](QDialog *d) {
        d->show();
        seen = listed(*static_cast<Tgecici_dosyalar *>(d));
        d->findChild<QPushButton *>(QStringLiteral("tumunusil"))->click();
        d->reject();
        return d->result();
    });
    Tgecici_dosyalar::showDialog(nullptr);
    setModalHandler({});
    QCOMPARE(seen, QStringList{native(QStringLiteral("_QS1.db"))});
    QVERIFY(!QFileInfo::exists(appContext().programDir + QStringLiteral("_QS1.db")));
}

VR_TEST(TestTgecici_dosyalar)
#include "tst_Tgecici_dosyalar.moc"
