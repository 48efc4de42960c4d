#include "platform/gui/DelphiColor.h"
#include "support/TestRegistry.h"

#include <QTest>

class TestDelphiColor : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fromString_data();
    void fromString();
    void toString_data();
    void toString();
};

void TestDelphiColor::fromString_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("name") << "clWhite" << true << QColor(255, 255, 255);
    QTest::newRow("name, any case") << "CLYELLOW" << true << QColor(255, 255, 0);
    QTest::newRow("navy is blue, not red") << "clNavy" << true << QColor(0, 0, 128);
    QTest::newRow("read-only alias") << "clLtGray" << true << QColor(192, 192, 192);
    QTest::newRow("hex is blue-green-red") << "$00B3B5BD" << true << QColor(0xBD, 0xB5, 0xB3);
    QTest::newRow("hex, lower case") << "$0080ffff" << true << QColor(0xFF, 0xFF, 0x80);
    QTest::newRow("short hex") << "$FF" << true << QColor(255, 0, 0);
    QTest::newRow("decimal") << "16711680" << true << QColor(0, 0, 255);
    QTest::newRow("blanks around") << "  $00000040 " << true << QColor(0x40, 0, 0);
    QTest::newRow("system colour") << "$FF00000F" << false << QColor();
    QTest::newRow("negative") << "-16777201" << false << QColor();
    QTest::newRow("unknown name") << "clMavi" << false << QColor();
    QTest::newRow("bad hex") << "$00GG0000" << false << QColor();
    QTest::newRow("empty") << "" << false << QColor();
}

void TestDelphiColor::fromString()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QColor, expected);
    QColor c(1, 2, 3);
    QCOMPARE(DelphiColor::fromString(text, &c), valid);
    const QColor fallback(1, 2, 3);
    QCOMPARE(DelphiColor::fromString(text, fallback), valid ? expected : fallback);
    if (valid)
        QCOMPARE(c, expected);
}

void TestDelphiColor::toString_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("expected");
    QTest::newRow("white") << QColor(255, 255, 255) << "clWhite";
    QTest::newRow("black") << QColor(0, 0, 0) << "clBlack";
    QTest::newRow("gray") << QColor(128, 128, 128) << "clGray";
    QTest::newRow("silver, not its alias") << QColor(192, 192, 192) << "clSilver";
    QTest::newRow("unnamed") << QColor(0xBD, 0xB5, 0xB3) << "$00B3B5BD";
    QTest::newRow("leading zeros kept") << QColor(0x40, 0, 0) << "$00000040";
    QTest::newRow("alpha ignored") << QColor(0x59, 0x6A, 0xA4, 10) << "$00A46A59";
    QTest::newRow("from another colour model") << QColor::fromHsv(0, 255, 255) << "clRed";
}

void TestDelphiColor::toString()
{
    QFETCH(QColor, colour);
    QFETCH(QString, expected);
    QCOMPARE(DelphiColor::toString(colour), expected);
    QCOMPARE(DelphiColor::fromString(expected, QColor()), QColor(colour.red(), colour.green(), colour.blue()));
}

VR_TEST(TestDelphiColor)
#include "tst_DelphiColor.moc"
