#include "platform/ini/IniFile.h"
#include "platform/text/Cp1254.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

const QByteArray kSample = Cp1254::encode(QStringLiteral(
    "; açıklama satırı\r\n"
    "[AYARLAR]\r\n"
    "OTOYEDEK=0\r\n"
    "yedek_gun = 12 \r\n"
    "Bozuk=abc\r\n"
    "Onaltilik=$1F\r\n"
    "Tirnakli=\"C:\\DE5 Yedek\\\"\r\n"
    "SONYEDEKLEME=05.03.2018\r\n"
    "YanlisTarih=32.13.2018\r\n"
    "\r\n"
    "[KLST_C]\r\n"
    "interface=interface\\r2.jpg\r\n"
    "Şirket=Öz Çağ\r\n"));

} // namespace

class TestIniFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void reads_data();
    void reads();
    void readsBooleans_data();
    void readsBooleans();
    void readsDates();
    void missingOrUnreadableFileGivesDefaults_data();
    void missingOrUnreadableFileGivesDefaults();
    void writeReplacesKeyAndKeepsEverythingElse();
    void writeAddsKeyToExistingSectionIgnoringCase();
    void writeAddsNewSection();
    void writeKeepsUnixLineEndsAndUtf8Bom();
    void writeCreatesMissingFile();
    void neverOverwritesAFileItCannotRead();
    void sectionListing();

private:
    QTemporaryDir m_dir;
    QString m_path;
};

void TestIniFile::init()
{
    m_path = m_dir.filePath(QStringLiteral("Ayarlar.ini"));
    writeBytes(m_path, kSample);
}

void TestIniFile::reads_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "AYARLAR" << "OTOYEDEK" << "0";
    QTest::newRow("section case") << "ayarlar" << "OTOYEDEK" << "0";
    QTest::newRow("key case") << "AYARLAR" << "otoyedek" << "0";
    QTest::newRow("blanks trimmed") << "AYARLAR" << "yedek_gun" << "12";
    QTest::newRow("quotes removed") << "AYARLAR" << "Tirnakli" << "C:\\DE5 Yedek\\";
    QTest::newRow("code page 1254") << "KLST_C" << "Şirket" << "Öz Çağ";
    QTest::newRow("missing key") << "AYARLAR" << "YOK" << "varsayılan";
    QTest::newRow("missing section") << "YOK" << "OTOYEDEK" << "varsayılan";
    QTest::newRow("comment is no key") << "AYARLAR" << "; açıklama satırı" << "varsayılan";
}

void TestIniFile::reads()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QCOMPARE(IniFile(m_path).readString(section, key, QStringLiteral("varsayılan")), expected);
}

void TestIniFile::readsBooleans_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("def");
    QTest::addColumn<bool>("expected");
    QTest::addColumn<int>("expectedInt");
    QTest::newRow("zero") << "OTOYEDEK" << true << false << 0;
    QTest::newRow("twelve is true") << "yedek_gun" << false << true << 12;
    QTest::newRow("hex") << "Onaltilik" << false << true << 31;
    QTest::newRow("not a number, default true") << "Bozuk" << true << true << -7;
    QTest::newRow("not a number, default false") << "Bozuk" << false << false << -7;
    QTest::newRow("missing") << "YOK" << true << true << -7;
}

void TestIniFile::readsBooleans()
{
    QFETCH(QString, key);
    QFETCH(bool, def);
    QFETCH(bool, expected);
    QFETCH(int, expectedInt);
    const IniFile ini(m_path);
    QCOMPARE(ini.readBool(QStringLiteral("AYARLAR"), key, def), expected);
    QCOMPARE(ini.readInteger(QStringLiteral("AYARLAR"), key, -7), expectedInt);
}

void TestIniFile::readsDates()
{
    const IniFile ini(m_path);
    QCOMPARE(ini.readDate(QStringLiteral("AYARLAR"), QStringLiteral("SONYEDEKLEME")), QDate(2018, 3, 5));
    QVERIFY(!ini.readDate(QStringLiteral("AYARLAR"), QStringLiteral("YanlisTarih")).isValid());
    QCOMPARE(ini.readDate(QStringLiteral("AYARLAR"), QStringLiteral("Bozuk"), QDate(2020, 1, 1)), QDate(2020, 1, 1));
}

void TestIniFile::missingOrUnreadableFileGivesDefaults_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("a directory") << "directory";
    QTest::newRow("binary garbage") << "garbage";
    QTest::newRow("empty") << "empty";
}

void TestIniFile::missingOrUnreadableFileGivesDefaults()
{
    QFETCH(QString, kind);
    const QString path = m_dir.filePath(kind + QStringLiteral(".ini"));
    if (kind == u"directory")
        QVERIFY(QDir().mkpath(path));
    else if (kind == u"garbage")
        writeBytes(path, QByteArray("\x00\xff[\x01=\x02\r\n\x00", 9) + QByteArray(4096, '\xfe'));
    else if (kind == u"empty")
        writeBytes(path, {});
    const IniFile ini(path);
    QCOMPARE(ini.readString(QStringLiteral("AYARLAR"), QStringLiteral("x"), QStringLiteral("d")), QStringLiteral("d"));
    QCOMPARE(ini.readInteger(QStringLiteral("AYARLAR"), QStringLiteral("x"), 7), 7);
    QCOMPARE(ini.readBool(QStringLiteral("AYARLAR"), QStringLiteral("x"), true), true);
    QVERIFY(!ini.sectionExists(QStringLiteral("AYARLAR")));
}

void TestIniFile::writeReplacesKeyAndKeepsEverythingElse()
{
    IniFile ini(m_path);
    QVERIFY(ini.writeBool(QStringLiteral("ayarlar"), QStringLiteral("otoyedek"), true));
    QByteArray expected = kSample;
    expected.replace("OTOYEDEK=0", "OTOYEDEK=1");
    QCOMPARE(readAll(m_path), expected);
}

void TestIniFile::writeAddsKeyToExistingSectionIgnoringCase()
{
    IniFile ini(m_path);
    QVERIFY(ini.writeString(QStringLiteral("ayarlar"), QStringLiteral("YeniAnahtar"), QStringLiteral("ğüşıöç")));
    QByteArray expected = kSample;
    expected.replace("YanlisTarih=32.13.2018\r\n",
                     QByteArray(QByteArray("YanlisTarih=32.13.2018\r\n")
                                + Cp1254::encode(QStringLiteral("YeniAnahtar=ğüşıöç\r\n"))));
    QCOMPARE(readAll(m_path), expected);
    QCOMPARE(ini.readString(QStringLiteral("AYARLAR"), QStringLiteral("yenianahtar")), QStringLiteral("ğüşıöç"));
}

void TestIniFile::writeAddsNewSection()
{
    IniFile ini(m_path);
    QVERIFY(ini.writeInteger(QStringLiteral("Coolbar"), QStringLiteral("size"), 9));
    QCOMPARE(readAll(m_path), QByteArray(kSample + "\r\n[Coolbar]\r\nsize=9\r\n"));
}

void TestIniFile::writeKeepsUnixLineEndsAndUtf8Bom()
{
    writeBytes(m_path, "\xEF\xBB\xBF[A]\nk=\xC3\xA7\n");
    IniFile ini(m_path);
    QCOMPARE(ini.readString(QStringLiteral("A"), QStringLiteral("k")), QStringLiteral("ç"));
    QVERIFY(ini.writeString(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("ş")));
    QCOMPARE(readAll(m_path), QByteArray("\xEF\xBB\xBF[A]\nk=\xC5\x9F\n"));
}

void TestIniFile::writeCreatesMissingFile()
{
    const QString path = m_dir.filePath(QStringLiteral("yeni.ini"));
    IniFile ini(path);
    QVERIFY(ini.writeString(QStringLiteral("KLST_C"), QStringLiteral("pzemin"), QStringLiteral("Ğ")));
    QCOMPARE(readAll(path), QByteArray("[KLST_C]\r\npzemin=\xD0\r\n"));
}

void TestIniFile::neverOverwritesAFileItCannotRead()
{
    const QString path = m_dir.filePath(QStringLiteral("klasor.ini"));
    QVERIFY(QDir().mkpath(path));
    IniFile ini(path);
    QVERIFY(!ini.writeString(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("v")));
    QVERIFY(QFileInfo(path).isDir());
}

void TestIniFile::sectionListing()
{
    const IniFile ini(m_path);
    QCOMPARE(ini.readSection(QStringLiteral("klst_c")), QStringList({QStringLiteral("interface"), QStringLiteral("Şirket")}));
    QVERIFY(ini.valueExists(QStringLiteral("KLST_C"), QStringLiteral("INTERFACE")));
    IniFile writable(m_path);
    QVERIFY(writable.eraseSection(QStringLiteral("KLST_C")));
    QVERIFY(!writable.sectionExists(QStringLiteral("KLST_C")));
    QCOMPARE(writable.readString(QStringLiteral("AYARLAR"), QStringLiteral("OTOYEDEK")), QStringLiteral("0"));
}

VR_TEST(TestIniFile)
#include "tst_IniFile.moc"
