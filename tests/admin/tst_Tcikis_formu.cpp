#include "admin/Tcikis_formu.h"
#include "dialogs/ModalRunner.h"
#include "platform/AppContext.h"
#include "platform/files/ResourceWriter.h"
#include "platform/ini/IniFile.h"
#include "support/MessageScript.h"
#include "support/TestProgramDir.h"
#include "support/TestRegistry.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

const QString kAyarlar = QStringLiteral("AYARLAR");
const QString kOtoYedek = QStringLiteral("OTOYEDEK");

} // namespace

class TestTcikis_formu : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void hiddenBoxFollowsOtoYedek_data();
    void hiddenBoxFollowsOtoYedek();
    void answers_data();
    void answers();
    void looksRight();
};

void TestTcikis_formu::hiddenBoxFollowsOtoYedek_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<bool>("expected");
    QTest::newRow("no settings file") << "none" << true;
    QTest::newRow("settings template") << "template" << false;
    QTest::newRow("file without the key") << "[AYARLAR]\r\nYE=1" << true;
    QTest::newRow("key set") << "[ayarlar]\r\notoyedek=1" << true;
    QTest::newRow("unreadable value") << "[AYARLAR]\r\nOTOYEDEK=hayır" << true;
}

void TestTcikis_formu::hiddenBoxFollowsOtoYedek()
{
    QFETCH(QString, setup);
    QFETCH(bool, expected);
    TestProgramDir dir;
    if (setup == QLatin1String("template")) {
        QVERIFY(writeResourceFile(appContext().settingsPath(), QStringLiteral("Ayarlar.ini"), false));
    } else if (setup != QLatin1String("none")) {
        QFile f(appContext().settingsPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(setup.toUtf8());
    }
    bool loaded = !expected;
    setModalHandler([&](QDialog *d) {
        loaded = static_cast<Tcikis_formu *>(d)->otoYedek();
        return int(QDialog::Rejected);
    });
    Tcikis_formu::ask(nullptr);
    setModalHandler({});
    QCOMPARE(loaded, expected);

    // The real showing loads it as well.
    Tcikis_formu dialog;
    dialog.show();
    QCOMPARE(dialog.otoYedek(), expected);
    QVERIFY(dialog.findChild<QCheckBox *>(QStringLiteral("otoyedek"))->isHidden());
}

void TestTcikis_formu::answers_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("toggle");
    QTest::addColumn<bool>("confirmed");
    QTest::newRow("Evet") << "evet" << false << true;
    QTest::newRow("Hayır") << "hayir" << true << false;
    QTest::newRow("Enter takes Evet") << "enter" << true << true;
    QTest::newRow("Esc") << "escape" << false << false;
    QTest::newRow("close box") << "close" << true << false;
}

void TestTcikis_formu::answers()
{
    QFETCH(QString, how);
    QFETCH(bool, toggle);
    QFETCH(bool, confirmed);
    TestProgramDir dir;
    QVERIFY(writeResourceFile(appContext().settingsPath(), QStringLiteral("Ayarlar.ini"), false));

    setModalHandler([&](QDialog *d) {
        d->show();
        auto *box = d->findChild<QCheckBox *>(QStringLiteral("otoyedek"));
        if (toggle)
            box->setChecked(!box->isChecked());
        if (how == QLatin1String("evet") || how == QLatin1String("hayir"))
            d->findChild<QPushButton *>(how)->click();
        else if (how == QLatin1String("enter"))
            QTest::keyClick(d, Qt::Key_Return);
        else if (how == QLatin1String("escape"))
            QTest::keyClick(d, Qt::Key_Escape);
        else
            d->close();
        return d->result();
    });
    MessageScript script;
    const bool answer = Tcikis_formu::ask(nullptr);
    setModalHandler({});
    VERIFY_MESSAGES(script);
    QCOMPARE(answer, confirmed);
    // Written back whichever way the dialog closed.
    QCOMPARE(IniFile(appContext().settingsPath()).readString(kAyarlar, kOtoYedek),
             toggle ? QStringLiteral("1") : QStringLiteral("0"));
}

void TestTcikis_formu::looksRight()
{
    TestProgramDir dir;
    Tcikis_formu dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Çıkış"));
    QVERIFY(dialog.findChild<QLabel *>(QStringLiteral("soru")));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("soru"))->text(),
             QStringLiteral("Program kapatılacak. İşleme devam edilsin mi?"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    if (!qEnvironmentVariableIsEmpty("VR_GRAB_DIR"))
        dialog.grab().save(qEnvironmentVariable("VR_GRAB_DIR") + QStringLiteral("/Tcikis_formu.png"));
    dialog.reject();
}

VR_TEST(TestTcikis_formu)
#include "tst_Tcikis_formu.moc"
