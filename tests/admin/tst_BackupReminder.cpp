#include "admin/BackupReminder.h"
#include "admin/Tbakimyedekuyari.h"
#include "dialogs/ModalRunner.h"
#include "platform/AppContext.h"
#include "platform/ini/IniFile.h"
#include "support/MessageScript.h"
#include "support/TestProgramDir.h"
#include "support/TestRegistry.h"

#include <QCheckBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QDate kToday(2024, 3, 15);
const QString kAyarlar = QStringLiteral("AYARLAR");
const QString kBackupLine = QStringLiteral(" Gündür veri tabanları yedeklenmemiş...\r\n");
const QString kMaintenanceLine = QStringLiteral(" Gündür veri tabanlarının bakımı yapılmamış...");
const QString kTail = QStringLiteral(
    "\r\n\r\nVeri Tabanı Bakım işlemini ve Yedekleme işlemini \"Diğer İşlemler\" bölümünden yapabilirsiniz...\r\n"
    "Unutmayın ki!!! ufak bir hata, virüs, sistem hataları, vb... girmiş olduğunuz verilere zarar verebilir.");

QString backupLine(int days) { return u'-' + QString::number(days) + kBackupLine; }
QString maintenanceLine(int days) { return u'-' + QString::number(days) + kMaintenanceLine; }

// Records the reminder dialog the check shows and closes it with the given ticks.
struct ReminderDialogs
{
    int shown = 0;
    QString text;
    bool ye = false;
    bool ba = false;
    explicit ReminderDialogs(int tickYe = -1, int tickBa = -1)
    {
        setModalHandler([=, this](QDialog *d) {
            auto *dialog = qobject_cast<Tbakimyedekuyari *>(d);
            if (!dialog)
                return int(QDialog::Rejected);
            ++shown;
            text = dialog->findChild<QPlainTextEdit *>(QStringLiteral("Memo1"))->toPlainText();
            auto *yeBox = dialog->findChild<QCheckBox *>(QStringLiteral("YE"));
            auto *baBox = dialog->findChild<QCheckBox *>(QStringLiteral("BA"));
            ye = yeBox->isChecked();
            ba = baBox->isChecked();
            if (tickYe >= 0)
                yeBox->setChecked(tickYe);
            if (tickBa >= 0)
                baBox->setChecked(tickBa);
            dialog->findChild<QPushButton *>(QStringLiteral("tamam"))->click();
            return dialog->result();
        });
    }
    ~ReminderDialogs() { setModalHandler({}); }
};

} // namespace

class TestBackupReminder : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void check_data();
    void check();
    void settingsFileDrivesTheDialog_data();
    void settingsFileDrivesTheDialog();
    void unwritableSettingsAreReported();
    void dialogLooksRight();
};

void TestBackupReminder::check_data()
{
    QTest::addColumn<QString>("sonYedekleme");
    QTest::addColumn<QString>("sonBakim");
    QTest::addColumn<bool>("ye");
    QTest::addColumn<bool>("ba");
    QTest::addColumn<int>("yedekGun");
    QTest::addColumn<int>("bakimGun");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("writtenYedek");
    QTest::addColumn<QString>("writtenBakim");

    const QString today = QStringLiteral("15.03.2024");
    QTest::newRow("fresh settings: both dates become today, nothing said")
        << "" << "" << false << false << 7 << 28 << "" << today << today;
    QTest::newRow("backup due on the day")
        << "08.03.2024" << "15.03.2024" << false << false << 7 << 28 << backupLine(7) + kTail << "" << "";
    QTest::newRow("backup one day short") << "09.03.2024" << "15.03.2024" << false << false << 7 << 28 << "" << ""
                                           << "";
    QTest::newRow("both due") << "01.03.2024" << "01.02.2024" << false << false << 7 << 28
                              << backupLine(14) + maintenanceLine(43) + kTail << "" << "";
    QTest::newRow("YE set: only maintenance")
        << "01.03.2024" << "01.02.2024" << true << false << 7 << 28 << maintenanceLine(43) + kTail << "" << "";
    QTest::newRow("BA set: only backup")
        << "01.03.2024" << "01.02.2024" << false << true << 7 << 28 << backupLine(14) + kTail << "" << "";
    QTest::newRow("both flags: nothing read or written") << "" << "" << true << true << 7 << 28 << "" << "" << "";
    QTest::newRow("one flag still fills both empty dates") << "" << "" << true << false << 7 << 28 << "" << today
                                                           << today;
    QTest::newRow("unreadable date counts as empty")
        << "31.02.2024" << "dün" << false << false << 7 << 28 << "" << today << today;
    QTest::newRow("unreadable backup date, maintenance due")
        << "2024-03-01" << "01.02.2024" << false << false << 7 << 28 << maintenanceLine(43) + kTail << today << "";
    QTest::newRow("blanks around a date") << " 08.03.2024 " << "  " << false << false << 7 << 28
                                          << backupLine(7) + kTail << "" << today;
    QTest::newRow("single-digit day and month") << "8.3.2024" << "15.03.2024" << false << false << 7 << 28
                                                << backupLine(7) + kTail << "" << "";
    QTest::newRow("counts across a leap day") << "28.02.2024" << "28.02.2023" << false << false << 16 << 381
                                              << backupLine(16) + maintenanceLine(381) + kTail << "" << "";
    QTest::newRow("date in the future is not overdue") << "20.03.2024" << "20.03.2024" << false << false << 7 << 28
                                                       << "" << "" << "";
    QTest::newRow("zero days due at once") << "" << "" << false << false << 0 << 28 << backupLine(0) + kTail << today
                                           << today;
}

void TestBackupReminder::check()
{
    QFETCH(QString, sonYedekleme);
    QFETCH(QString, sonBakim);
    QFETCH(bool, ye);
    QFETCH(bool, ba);
    QFETCH(int, yedekGun);
    QFETCH(int, bakimGun);
    QFETCH(QString, text);
    QFETCH(QString, writtenYedek);
    QFETCH(QString, writtenBakim);

    ReminderSettings s;
    s.SONYEDEKLEME = sonYedekleme;
    s.SONBAKIM = sonBakim;
    s.YE = ye;
    s.BA = ba;
    s.yedek_gun = yedekGun;
    s.bakim_gun = bakimGun;
    const ReminderCheck c = checkReminders(s, kToday);
    QCOMPARE(c.stopped, ye && ba);
    QCOMPARE(c.text, text);
    QCOMPARE(c.writeSONYEDEKLEME, writtenYedek);
    QCOMPARE(c.writeSONBAKIM, writtenBakim);
}

void TestBackupReminder::settingsFileDrivesTheDialog_data()
{
    QTest::addColumn<QStringList>("lines");      // [AYARLAR] lines of the file; "-" for no file
    QTest::addColumn<int>("tickYe");             // what the user leaves ticked (-1 untouched)
    QTest::addColumn<int>("tickBa");
    QTest::addColumn<QString>("shownText");      // empty: no dialog
    QTest::addColumn<bool>("shownYe");
    QTest::addColumn<bool>("shownBa");
    QTest::addColumn<QStringList>("after");      // key=value expected in [AYARLAR] afterwards

    QTest::newRow("no file: dates set, nothing shown")
        << QStringList{QStringLiteral("-")} << -1 << -1 << "" << false << false
        << QStringList{QStringLiteral("SONYEDEKLEME=15.03.2024"), QStringLiteral("SONBAKIM=15.03.2024")};
    QTest::newRow("both flags: no date written")
        << QStringList{QStringLiteral("YE=1"), QStringLiteral("BA=1")} << -1 << -1 << "" << false << false
        << QStringList{QStringLiteral("SONYEDEKLEME="), QStringLiteral("SONBAKIM=")};
    QTest::newRow("overdue backup, user ticks YE")
        << QStringList{QStringLiteral("SONYEDEKLEME=01.03.2024"), QStringLiteral("SONBAKIM=10.03.2024"),
                       QStringLiteral("BA=1")}
        << 1 << -1 << Msg::displayText(backupLine(14) + kTail) << false << true
        << QStringList{QStringLiteral("YE=1"), QStringLiteral("BA=1"), QStringLiteral("SONYEDEKLEME=01.03.2024")};
    QTest::newRow("closing unchanged stores the flags as they were")
        << QStringList{QStringLiteral("SONYEDEKLEME=01.03.2024"), QStringLiteral("SONBAKIM=01.01.2024"),
                       QStringLiteral("yedek_gun=30"), QStringLiteral("bakim_gun=60")}
        << -1 << -1 << Msg::displayText(maintenanceLine(74) + kTail) << false << false
        << QStringList{QStringLiteral("YE=0"), QStringLiteral("BA=0")};
    QTest::newRow("unreadable date replaced with today")
        << QStringList{QStringLiteral("SONYEDEKLEME=yarın"), QStringLiteral("SONBAKIM=15.03.2024"),
                       QStringLiteral("yedek_gun=abc")}
        << -1 << -1 << "" << false << false << QStringList{QStringLiteral("SONYEDEKLEME=15.03.2024")};
}

void TestBackupReminder::settingsFileDrivesTheDialog()
{
    QFETCH(QStringList, lines);
    QFETCH(int, tickYe);
    QFETCH(int, tickBa);
    QFETCH(QString, shownText);
    QFETCH(bool, shownYe);
    QFETCH(bool, shownBa);
    QFETCH(QStringList, after);

    TestProgramDir dir;
    IniFile ini(appContext().settingsPath());
    if (lines != QStringList{QStringLiteral("-")})
        for (const QString &line : lines)
            QVERIFY(ini.writeString(kAyarlar, line.section(u'=', 0, 0), line.section(u'=', 1)));

    ReminderDialogs dialogs(tickYe, tickBa);
    MessageScript script;
    yedek_hatirlatma(nullptr, kToday);
    VERIFY_MESSAGES(script);
    QCOMPARE(dialogs.shown, shownText.isEmpty() ? 0 : 1);
    QCOMPARE(dialogs.text, shownText);
    QCOMPARE(dialogs.ye, shownYe);
    QCOMPARE(dialogs.ba, shownBa);
    for (const QString &kv : after)
        QCOMPARE(ini.readString(kAyarlar, kv.section(u'=', 0, 0)), kv.section(u'=', 1));
}

void TestBackupReminder::unwritableSettingsAreReported()
{
    TestProgramDir dir;
    // A directory in the file's place cannot be written as any user.
    QVERIFY(QDir().mkpath(appContext().settingsPath()));
    ReminderDialogs dialogs;
    MessageScript script;
    script.expect(QStringLiteral("Ayar dosyasına yazılamadı."));
    yedek_hatirlatma(nullptr, kToday);
    VERIFY_MESSAGES(script);
    QCOMPARE(dialogs.shown, 0);
}

void TestBackupReminder::dialogLooksRight()
{
    TestProgramDir dir;
    Tbakimyedekuyari dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("// U Y A R I \\\\"));
    dialog.setMessage(backupLine(14) + maintenanceLine(43) + kTail);
    dialog.setFlags(false, true);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    if (!qEnvironmentVariableIsEmpty("VR_GRAB_DIR"))
        dialog.grab().save(qEnvironmentVariable("VR_GRAB_DIR") + QStringLiteral("/Tbakimyedekuyari.png"));
    // Closing by Esc stores the boxes too.
    QTest::keyClick(&dialog, Qt::Key_Escape);
    IniFile ini(appContext().settingsPath());
    QCOMPARE(ini.readString(kAyarlar, QStringLiteral("YE")), QStringLiteral("0"));
    QCOMPARE(ini.readString(kAyarlar, QStringLiteral("BA")), QStringLiteral("1"));
}

VR_TEST(TestBackupReminder)
#include "tst_BackupReminder.moc"
