#include "admin/Tork_genel_ayarlar.h"
#include "platform/AppContext.h"
#include "platform/ini/IniFile.h"
#include "support/MessageScript.h"
#include "support/TestProgramDir.h"
#include "support/TestRegistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {

struct Values
{
    int fiy5, fiy6;
    bool ay1, ay2, ay4, ay9;
    int gun5;
};

bool operator==(const Values &a, const Values &b)
{
    return a.fiy5 == b.fiy5 && a.fiy6 == b.fiy6 && a.ay1 == b.ay1 && a.ay2 == b.ay2 && a.ay4 == b.ay4
        && a.ay9 == b.ay9 && a.gun5 == b.gun5;
}

Values valuesOf(const Tork_genel_ayarlar &d)
{
    return {d.FIY5(), d.FIY6(), d.AY1(), d.AY2(), d.AY4(), d.AY9(), d.GUN5()};
}

void setControls(Tork_genel_ayarlar &d, const Values &v)
{
    d.findChild<QComboBox *>(QStringLiteral("FIY5"))->setCurrentIndex(v.fiy5);
    d.findChild<QComboBox *>(QStringLiteral("FIY6"))->setCurrentIndex(v.fiy6);
    d.findChild<QCheckBox *>(QStringLiteral("AY1"))->setChecked(v.ay1);
    d.findChild<QCheckBox *>(QStringLiteral("AY2"))->setChecked(v.ay2);
    d.findChild<QCheckBox *>(QStringLiteral("AY4"))->setChecked(v.ay4);
    d.findChild<QCheckBox *>(QStringLiteral("AY9"))->setChecked(v.ay9);
    d.findChild<QSpinBox *>(QStringLiteral("GUN5"))->setValue(v.gun5);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

Q_DECLARE_METATYPE(Values)

namespace QTest {
template<>
char *toString(const Values &v)
{
    return qstrdup(QStringLiteral("FIY5=%1 FIY6=%2 AY1=%3 AY2=%4 AY4=%5 AY9=%6 GUN5=%7")
                       .arg(v.fiy5).arg(v.fiy6).arg(v.ay1).arg(v.ay2).arg(v.ay4).arg(v.ay9).arg(v.gun5)
                       .toUtf8().constData());
}
} // namespace QTest

class TestTork_genel_ayarlar : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void loadsStoredValues_data();
    void loadsStoredValues();
    void saveAndLoadAgain_data();
    void saveAndLoadAgain();
    void closingKeepsChangesWithoutWriting_data();
    void closingKeepsChangesWithoutWriting();
    void unwritableFileIsReported();
    void controlsAndCaptions();
};

void TestTork_genel_ayarlar::loadsStoredValues_data()
{
    QTest::addColumn<QByteArray>("file"); // empty: no file
    QTest::addColumn<Values>("expected");

    QTest::newRow("no file") << QByteArray() << Values{0, 0, false, false, false, false, 0};
    QTest::newRow("file without the keys") << QByteArray("[AYARLAR]\r\nOTOYEDEK=0")
                                           << Values{0, 0, false, false, false, false, 0};
    QTest::newRow("stored values")
        << QByteArray("[DUV_GENEL]\r\nFIY5=1\r\nFIY6=4\r\nAY1=1\r\nAY2=0\r\nAY4=1\r\nAY9=1\r\n"
                      "[CEK_AYARLARI]\r\nGUN5=12")
        << Values{1, 4, true, false, true, true, 12};
    QTest::newRow("sections and keys in any case")
        << QByteArray("[duv_genel]\r\nfiy6=2\r\nay9=1\r\n[Cek_Ayarlari]\r\ngun5=3") << Values{0, 2, false, false, false, true, 3};
    QTest::newRow("odd values give the defaults")
        << QByteArray("[DUV_GENEL]\r\nFIY5=7\r\nFIY6=abc\r\nAY1=evet\r\nAY9=2\r\n[CEK_AYARLARI]\r\nGUN5=x")
        << Values{0, 0, false, false, false, true, 0};
    QTest::newRow("negative index and day count") << QByteArray("[DUV_GENEL]\r\nFIY5=-1\r\n[CEK_AYARLARI]\r\nGUN5=-3")
                                                  << Values{0, 0, false, false, false, false, 0};
    QTest::newRow("day count above the range") << QByteArray("[CEK_AYARLARI]\r\nGUN5=150")
                                               << Values{0, 0, false, false, false, false, 99};
}

void TestTork_genel_ayarlar::loadsStoredValues()
{
    QFETCH(QByteArray, file);
    QFETCH(Values, expected);
    TestProgramDir dir;
    if (!file.isEmpty())
        writeFile(appContext().settingsPath(), file);
    Tork_genel_ayarlar dialog;
    // Something other than the defaults first, so a missing key is seen to reset.
    setControls(dialog, {3, 3, true, true, true, true, 50});
    dialog.loadSettings();
    QCOMPARE(valuesOf(dialog), expected);
}

void TestTork_genel_ayarlar::saveAndLoadAgain_data()
{
    QTest::addColumn<Values>("values");
    QTest::addColumn<QStringList>("stored"); // section/key=value as written
    QTest::newRow("everything set")
        << Values{2, 4, true, true, true, true, 99}
        << QStringList{"DUV_GENEL/FIY5=2", "DUV_GENEL/FIY6=4", "DUV_GENEL/AY1=1", "DUV_GENEL/AY2=1",
                       "DUV_GENEL/AY4=1", "DUV_GENEL/AY9=1", "CEK_AYARLARI/GUN5=99"};
    QTest::newRow("everything cleared")
        << Values{0, 0, false, false, false, false, 0}
        << QStringList{"DUV_GENEL/FIY5=0", "DUV_GENEL/FIY6=0", "DUV_GENEL/AY1=0", "DUV_GENEL/AY2=0",
                       "DUV_GENEL/AY4=0", "DUV_GENEL/AY9=0", "CEK_AYARLARI/GUN5=0"};
    QTest::newRow("mixed") << Values{3, 2, false, true, false, true, 7}
                           << QStringList{"DUV_GENEL/FIY5=3", "DUV_GENEL/FIY6=2", "DUV_GENEL/AY2=1",
                                          "CEK_AYARLARI/GUN5=7"};
}

void TestTork_genel_ayarlar::saveAndLoadAgain()
{
    QFETCH(Values, values);
    QFETCH(QStringList, stored);
    TestProgramDir dir;
    // Other lines of the file survive the save.
    writeFile(appContext().settingsPath(), QByteArray("; yorum\r\n[AYARLAR]\r\nOTOYEDEK=0\r\n[DUV_GENEL]\r\nGDisplayFormat=#,##0.00"));

    Tork_genel_ayarlar dialog;
    dialog.loadSettings();
    setControls(dialog, values);
    MessageScript script;
    script.expect(QStringLiteral("\r\nAyarlar kaydedildi."));
    dialog.findChild<QPushButton *>(QStringLiteral("kaydet"))->click();
    VERIFY_MESSAGES(script);
    QCOMPARE(script.recorded().value(0).kind, Msg::Kind::Information);
    QCOMPARE(script.recorded().value(0).text, QStringLiteral("\r\nAyarlar kaydedildi."));

    const IniFile ini(appContext().settingsPath());
    for (const QString &entry : stored) {
        const QString section = entry.section(u'/', 0, 0);
        const QString key = entry.section(u'/', 1).section(u'=', 0, 0);
        QCOMPARE(ini.readString(section, key), entry.section(u'=', 1));
    }
    QCOMPARE(ini.readString(QStringLiteral("AYARLAR"), QStringLiteral("OTOYEDEK")), QStringLiteral("0"));
    QCOMPARE(ini.readString(QStringLiteral("DUV_GENEL"), QStringLiteral("GDisplayFormat")), QStringLiteral("#,##0.00"));
    QVERIFY(readAll(appContext().settingsPath()).startsWith("; yorum\r\n"));

    Tork_genel_ayarlar next;
    next.loadSettings();
    QCOMPARE(valuesOf(next), values);
}

void TestTork_genel_ayarlar::closingKeepsChangesWithoutWriting_data()
{
    QTest::addColumn<bool>("byF12");
    QTest::newRow("Çıkış") << false;
    QTest::newRow("F12") << true;
}

void TestTork_genel_ayarlar::closingKeepsChangesWithoutWriting()
{
    QFETCH(bool, byF12);
    TestProgramDir dir;
    writeFile(appContext().settingsPath(), QByteArray("[DUV_GENEL]\r\nFIY6=0"));
    const QByteArray before = readAll(appContext().settingsPath());

    Tork_genel_ayarlar dialog;
    dialog.loadSettings();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const Values changed{1, 2, true, false, false, true, 5};
    setControls(dialog, changed);
    MessageScript script;
    if (byF12)
        QTest::keyClick(&dialog, Qt::Key_F12);
    else
        dialog.findChild<QPushButton *>(QStringLiteral("cikis"))->click();
    QVERIFY(!dialog.isVisible());
    VERIFY_MESSAGES(script);
    // Other screens see the change at once; the file keeps the stored value.
    QCOMPARE(valuesOf(dialog), changed);
    QCOMPARE(readAll(appContext().settingsPath()), before);
}

void TestTork_genel_ayarlar::unwritableFileIsReported()
{
    TestProgramDir dir;
    QVERIFY(QDir().mkpath(appContext().settingsPath()));
    Tork_genel_ayarlar dialog;
    MessageScript script;
    script.expect(QStringLiteral("Ayar dosyasına yazılamadı."));
    dialog.findChild<QPushButton *>(QStringLiteral("kaydet"))->click();
    VERIFY_MESSAGES(script);
    QCOMPARE(script.recorded().size(), 1);
}

void TestTork_genel_ayarlar::controlsAndCaptions()
{
    TestProgramDir dir;
    Tork_genel_ayarlar dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Ayarlar"));
    for (const char *name : {"FIY5", "FIY6"}) {
        auto *list = dialog.findChild<QComboBox *>(QLatin1String(name));
        QVERIFY(list);
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        QCOMPARE(items, Tork_genel_ayarlar::priceItems());
    }
    // Every list and the spin box is tied to its caption.
    QStringList buddies;
    for (QLabel *label : dialog.findChildren<QLabel *>())
        if (label->buddy())
            buddies << label->buddy()->objectName();
    buddies.sort();
    QCOMPARE(buddies, (QStringList{QStringLiteral("FIY5"), QStringLiteral("FIY6"), QStringLiteral("GUN5")}));
    QCOMPARE(dialog.findChild<QSpinBox *>(QStringLiteral("GUN5"))->maximum(), 99);

    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    if (!qEnvironmentVariableIsEmpty("VR_GRAB_DIR"))
        dialog.grab().save(qEnvironmentVariable("VR_GRAB_DIR") + QStringLiteral("/Tork_genel_ayarlar.png"));
}

VR_TEST(TestTork_genel_ayarlar)
#include "tst_Tork_genel_ayarlar.moc"
