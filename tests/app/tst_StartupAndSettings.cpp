#include "app/Settings.h"
#include "app/Startup.h"
#include "platform/AppContext.h"
#include "platform/files/ResourceWriter.h"
#include "platform/ini/IniFile.h"
#include "platform/text/Cp1254.h"
#include "support/MessageScript.h"
#include "support/TestProgramDir.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTest>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeText(const QString &path, const QString &text)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(Cp1254::encode(text));
}

} // namespace

class TestStartupAndSettings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void templateIsWrittenByteForByte();
    void templateNeverReplacesAnExistingFile();
    void resourceWriterReplaceFlag();
    void startupSettings_data();
    void startupSettings();
    void everyIndexedKeyHasItsDefault();
    void templateValuesOverrideDefaults();
    void secondCopyIsRefused();
    void lockOfAKilledProcessDoesNotBlock();
    void folderThatCannotHoldTheLockIsNotCalledASecondCopy();
};

void TestStartupAndSettings::templateIsWrittenByteForByte()
{
    TestProgramDir dir;
    QVERIFY(writeSettingsTemplate(appContext()));
    const QByteArray bytes = readAll(dir.file(QStringLiteral("Ayarlar.ini")));
    QVERIFY(bytes.startsWith(Cp1254::encode(QStringLiteral("; Bo dosya üzerine el ile kesinlikle müdahale etmeyiniz. \r\n"))));
    QVERIFY(bytes.contains("\r\n\r\n[AYARLAR]\r\nDURUM=4.1\r\nBIRIMLER=0\r\nILETI=30\r\n"));
    QVERIFY(bytes.endsWith("OTOYEDEK=0")); // no line end after the last line
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QCOMPARE(bytes.count("\r\n"), 12);
}

void TestStartupAndSettings::templateNeverReplacesAnExistingFile()
{
    TestProgramDir dir;
    writeText(dir.file(QStringLiteral("Ayarlar.ini")), QStringLiteral("[AYARLAR]\r\nOTOYEDEK=1\r\n"));
    QVERIFY(!writeSettingsTemplate(appContext()));
    QCOMPARE(readAll(dir.file(QStringLiteral("Ayarlar.ini"))), QByteArray("[AYARLAR]\r\nOTOYEDEK=1\r\n"));
}

void TestStartupAndSettings::resourceWriterReplaceFlag()
{
    TestProgramDir dir;
    const QString path = dir.file(QStringLiteral("kopya.ini"));
    writeText(path, QStringLiteral("eski"));
    QVERIFY(!writeResourceFile(path, QStringLiteral("Ayarlar.ini"), false));
    QCOMPARE(readAll(path), QByteArray("eski"));
    QVERIFY(writeResourceFile(path, QStringLiteral("Ayarlar.ini"), true));
    QVERIFY(readAll(path).endsWith("OTOYEDEK=0"));
    QVERIFY(!writeResourceFile(dir.file(QStringLiteral("yok.txt")), QStringLiteral("boyle-bir-kaynak-yok"), false));
}

void TestStartupAndSettings::startupSettings_data()
{
    QTest::addColumn<QString>("file"); // empty: no settings file
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("autoBackup");
    QTest::addColumn<bool>("showNumbers");
    QTest::newRow("no file") << QString() << "#,###0.###" << "C:\\DE5 OTO Yedek\\" << true;
    QTest::newRow("values, lower-case section")
        << "[duv_genel]\r\nGDisplayFormat=,0.00\r\n[ayarlar]\r\nDUVOtoBackup=D:\\Yedek\\\r\nusdUserCode=0\r\n"
        << ",0.00" << "D:\\Yedek\\" << false;
    QTest::newRow("unreadable flag gives default") << "[AYARLAR]\r\nusdUserCode=evet\r\n"
                                                    << "#,###0.###" << "C:\\DE5 OTO Yedek\\" << true;
}

void TestStartupAndSettings::startupSettings()
{
    QFETCH(QString, file);
    QFETCH(QString, format);
    QFETCH(QString, autoBackup);
    QFETCH(bool, showNumbers);
    TestProgramDir dir;
    if (!file.isEmpty())
        writeText(dir.file(QStringLiteral("Ayarlar.ini")), file);
    readStartupSettings(appContext());
    QCOMPARE(appContext().displayFormat, format);
    QCOMPARE(appContext().autoBackupFolder, autoBackup);
    QCOMPARE(appContext().showCompanyNumbers, showNumbers);
}

void TestStartupAndSettings::everyIndexedKeyHasItsDefault()
{
    TestProgramDir dir;
    for (const Settings::Key &k : Settings::keyIndex()) {
        const QVariant v = Settings::read(appContext(), QLatin1String(k.section), QLatin1String(k.name));
        const QString def = QString::fromUtf16(k.defaultValue);
        switch (k.type) {
        case Settings::Type::Integer: QCOMPARE(v.toInt(), def.toInt()); break;
        case Settings::Type::Boolean: QCOMPARE(v.toBool(), def != u"0"); break;
        case Settings::Type::Date: QVERIFY(!v.toDate().isValid()); break;
        default: QCOMPARE(v.toString(), def);
        }
    }
}

void TestStartupAndSettings::templateValuesOverrideDefaults()
{
    // A first run writes the template: the exit dialog's backup box then starts unticked.
    TestProgramDir dir;
    QCOMPARE(Settings::read(appContext(), QStringLiteral("AYARLAR"), QStringLiteral("OTOYEDEK")).toBool(), true);
    QVERIFY(writeSettingsTemplate(appContext()));
    QCOMPARE(Settings::read(appContext(), QStringLiteral("AYARLAR"), QStringLiteral("OTOYEDEK")).toBool(), false);
    writeText(dir.file(QStringLiteral("Ayarlar.ini")),
              QStringLiteral("[Coolbar]\r\nsize=büyük\r\n[AYARLAR]\r\nSONYEDEKLEME=dün\r\n"));
    QCOMPARE(Settings::read(appContext(), QStringLiteral("Coolbar"), QStringLiteral("size")).toInt(), 8);
    QVERIFY(!Settings::read(appContext(), QStringLiteral("AYARLAR"), QStringLiteral("SONYEDEKLEME")).toDate().isValid());
}

void TestStartupAndSettings::secondCopyIsRefused()
{
    TestProgramDir dir;
    QLockFile first(dir.file(QStringLiteral("DE5.lock")));
    QVERIFY(acquireSingleInstance(first));
    MessageScript script;
    script.expect(QStringLiteral("\r\nDezi + Vaveru Programı Aktif.\r\n\r\nYeniden Çalıştırılamaz."));
    QLockFile second(dir.file(QStringLiteral("DE5.lock")));
    QVERIFY(!acquireSingleInstance(second));
    VERIFY_MESSAGES(script);
    QCOMPARE(script.recorded().first().kind, Msg::Kind::Warning);
    QCOMPARE(script.recorded().first().buttons, Msg::Buttons(Msg::Ok));
}

void TestStartupAndSettings::lockOfAKilledProcessDoesNotBlock()
{
    TestProgramDir dir;
    // A lock written by a process that has since ended.
    QProcess p;
    p.start(QStringLiteral("true"));
    QVERIFY(p.waitForStarted());
    const qint64 deadPid = p.processId();
    QVERIFY(p.waitForFinished());
    QFile f(dir.file(QStringLiteral("DE5.lock")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray::number(deadPid) + "\nzezuzur\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    f.close();
    MessageScript script;
    QLockFile lock(dir.file(QStringLiteral("DE5.lock")));
    QVERIFY(acquireSingleInstance(lock));
    VERIFY_MESSAGES(script);
}

void TestStartupAndSettings::folderThatCannotHoldTheLockIsNotCalledASecondCopy()
{
    TestProgramDir dir;
    QVERIFY(QDir().mkpath(dir.file(QStringLiteral("DE5.lock")))); // a folder where the lock file belongs
    MessageScript script;
    script.expect(QStringLiteral("\r\nProgram klasörüne yazılamıyor."));
    QLockFile lock(dir.file(QStringLiteral("DE5.lock")));
    QVERIFY(!acquireSingleInstance(lock));
    VERIFY_MESSAGES(script);
}

VR_TEST(TestStartupAndSettings)
#include "tst_StartupAndSettings.moc"
