#include "data/TDATALAR.h"
#include "data/Workspace.h"
#include "dialogs/ModalRunner.h"
#include "modules/company/Tf_blg.h"
#include "platform/sqlite/Database.h"
#include "support/MessageScript.h"
#include "support/ModalScope.h"
#include "support/TestProgramDir.h"
#include "support/TestRegistry.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>

namespace {

const QStringList kColumns = {
    QStringLiteral("YETKILI_ADI_SOYADI"), QStringLiteral("UNVANI"),     QStringLiteral("FIRMA_ADI"),
    QStringLiteral("FIRMAADRESI"),        QStringLiteral("FIRMAADRESI2"), QStringLiteral("FIRMA_TEL1"),
    QStringLiteral("FIRMA_TEL2"),         QStringLiteral("FIRMA_TEL3"), QStringLiteral("FAX1"),
    QStringLiteral("FAX2"),
};

struct Company
{
    TestProgramDir dir;
    TDATALAR modules;
    bool ready = false;

    Company()
    {
        ready = dir.openCompanyList() && dir.createCompany(QStringLiteral("7"), QStringLiteral("Firma"), QStringLiteral("x"))
            && dir.enterCompany(QStringLiteral("7"));
        Workspace::applyCompanySuffix(modules, QStringLiteral("7"));
    }
};

// Every row of firmablg_7, each as its ten values.
QList<QStringList> storedRows()
{
    QList<QStringList> rows;
    QSqlQuery q(Database::connection());
    if (!q.exec(QStringLiteral("SELECT %1 FROM firmablg_7 ORDER BY rowid").arg(kColumns.join(u','))))
        return {{QStringLiteral("<error>")}};
    while (q.next()) {
        QStringList row;
        for (int i = 0; i < kColumns.size(); ++i)
            row << q.value(i).toString();
        rows << row;
    }
    return rows;
}

QLineEdit *field(QDialog *d, const QString &column)
{
    return d->findChild<QLineEdit *>(column);
}

QStringList shownValues(QDialog *d)
{
    QStringList out;
    for (const QString &c : kColumns)
        out << field(d, c)->text();
    return out;
}

void fill(QDialog *d, const QStringList &values)
{
    for (int i = 0; i < kColumns.size(); ++i)
        field(d, kColumns[i])->setText(values[i]); // as pasted
}

void press(QDialog *d, const QString &name)
{
    d->findChild<QPushButton *>(name)->click();
}

// Runs the dialog from the menu's entry point; the handler gets it with its table open.
void runDialog(Company &c, const std::function<void(QDialog *)> &inside)
{
    bool tableOpen = false;
    {
        ModalScope modal([&](QDialog *d) {
            tableOpen = c.modules.tf_blg->isActive();
            inside(d);
            return d->result();
        });
        Tf_blg::run(&c.modules);
    }
    QVERIFY(tableOpen);
    QVERIFY(!c.modules.tf_blg->isActive());
}

const QStringList kFirst = {
    QStringLiteral("Ayşe Öztürk"),          QStringLiteral("Müdür"),
    QStringLiteral("Ali'nin Hırdavatı; \"Ltd\""), QStringLiteral("Çarşı Cad. No:5"),
    QStringLiteral("İzmir"),                QStringLiteral("0232 111 22 33"),
    QStringLiteral("0232 111 22 34"),       QStringLiteral(""),
    QStringLiteral("0232 111 22 35"),       QStringLiteral(""),
};

} // namespace

class TestTf_blg : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void firstSaveCreatesTheRecordAndReopeningShowsIt();
    void vazgecBringsBackTheStoredRecord();
    void closingWithoutSavingDropsTheChanges_data();
    void closingWithoutSavingDropsTheChanges();
    void enterMovesLikeTabAndSkipsTheButtons();
};

void TestTf_blg::firstSaveCreatesTheRecordAndReopeningShowsIt()
{
    Company c;
    QVERIFY(c.ready);
    MessageScript script;
    QStringList longValues = kFirst;
    longValues[5] = QStringLiteral("0123456789012345678901234"); // 25 characters into a 20-character field
    runDialog(c, [&](QDialog *d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Firma Bilgileri"));
        QCOMPARE(shownValues(d), QStringList(10, QString()));
        fill(d, longValues);
        press(d, QStringLiteral("KAYDET"));
        press(d, QStringLiteral("KAYDET")); // a second save keeps the one record
        press(d, QStringLiteral("CIKIS"));
    });
    VERIFY_MESSAGES(script);
    QStringList expected = kFirst;
    expected[5] = QStringLiteral("01234567890123456789");
    QCOMPARE(storedRows(), QList<QStringList>{expected});
    runDialog(c, [&](QDialog *d) {
        QCOMPARE(shownValues(d), expected);
        press(d, QStringLiteral("CIKIS"));
    });
}

void TestTf_blg::vazgecBringsBackTheStoredRecord()
{
    Company c;
    QVERIFY(c.ready);
    MessageScript script;
    runDialog(c, [&](QDialog *d) {
        fill(d, kFirst);
        press(d, QStringLiteral("KAYDET"));
        field(d, QStringLiteral("FIRMA_ADI"))->setText(QStringLiteral("Başka Firma"));
        field(d, QStringLiteral("FAX2"))->setText(QStringLiteral("999"));
        press(d, QStringLiteral("VAZGEC"));
        QCOMPARE(shownValues(d), kFirst);
        press(d, QStringLiteral("KAYDET"));
        press(d, QStringLiteral("CIKIS"));
    });
    VERIFY_MESSAGES(script);
    QCOMPARE(storedRows(), QList<QStringList>{kFirst});
}

void TestTf_blg::closingWithoutSavingDropsTheChanges_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("F12") << "F12";
    QTest::newRow("ÇIKIŞ") << "CIKIS";
    QTest::newRow("window closed") << "close";
}

void TestTf_blg::closingWithoutSavingDropsTheChanges()
{
    QFETCH(QString, how);
    Company c;
    QVERIFY(c.ready);
    MessageScript script;
    runDialog(c, [&](QDialog *d) {
        fill(d, kFirst);
        press(d, QStringLiteral("KAYDET"));
        d->show();
        QLineEdit *name = field(d, QStringLiteral("FIRMA_ADI"));
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("Yeni Ad"));
        QCOMPARE(name->text(), QStringLiteral("Yeni Ad"));
        QTest::keyClick(name, Qt::Key_Escape); // Esc does not close: it would drop the typing unasked
        QVERIFY(d->isVisible());
        if (how == u"F12")
            QTest::keyClick(name, Qt::Key_F12);
        else if (how == u"CIKIS")
            press(d, QStringLiteral("CIKIS"));
        else
            d->close();
        QVERIFY(!d->isVisible());
    });
    VERIFY_MESSAGES(script);
    QCOMPARE(storedRows(), QList<QStringList>{kFirst});
}

void TestTf_blg::enterMovesLikeTabAndSkipsTheButtons()
{
    Company c;
    QVERIFY(c.ready);
    runDialog(c, [&](QDialog *d) {
        d->show();
        d->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d));
        field(d, kColumns.first())->setFocus();
        for (int i = 1; i < kColumns.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), field(d, kColumns[i]));
        }
        // From the last box, Enter and Tab both come back to the first: the buttons are skipped.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), field(d, kColumns.first()));
        field(d, kColumns.last())->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), field(d, kColumns.first()));
        d->reject();
    });
}

VR_TEST(TestTf_blg)
#include "tst_Tf_blg.moc"
