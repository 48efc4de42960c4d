#include "platform/number/Currency.h"
#include "platform/number/Formats.h"
#include "support/TestRegistry.h"

#include <QTest>

class TestNumbers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void currencyFromDouble_data();
    void currencyFromDouble();
    void currencyArithmetic();
    void currToSql_data();
    void currToSql();
    void formatFloat_data();
    void formatFloat();
    void parseNumber_data();
    void parseNumber();
    void dates();
};

void TestNumbers::currencyFromDouble_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("scaled");
    QTest::newRow("whole") << 12.0 << qint64(120000);
    QTest::newRow("binary fraction noise") << 0.1 + 0.2 << qint64(3000);
    QTest::newRow("half rounds away from zero") << 0.00005 << qint64(1);
    QTest::newRow("negative half") << -0.00005 << qint64(-1);
    QTest::newRow("below half") << 1.23444 << qint64(12344);
    QTest::newRow("large") << 123456789.1234 << qint64(1234567891234);
    QTest::newRow("not a number") << std::nan("") << qint64(0);
}

void TestNumbers::currencyFromDouble()
{
    QFETCH(double, value);
    QFETCH(qint64, scaled);
    QCOMPARE(Currency::fromDouble(value).scaled(), scaled);
}

void TestNumbers::currencyArithmetic()
{
    const Currency qty = Currency::fromDouble(3);
    const Currency price = Currency::fromDouble(1.3333);
    QCOMPARE((qty * price).scaled(), qint64(39999));
    QCOMPARE((Currency::fromInt(10) / Currency::fromInt(3)).scaled(), qint64(33333));
    QCOMPARE((Currency::fromInt(-2) / Currency::fromInt(3)).scaled(), qint64(-6667));
    QCOMPARE((Currency::fromInt(5) / Currency{}).scaled(), qint64(0));
    QCOMPARE((Currency::fromInt(10) + Currency::fromInt(5) - Currency::fromInt(1)).scaled(), qint64(140000));
}

void TestNumbers::currToSql_data()
{
    QTest::addColumn<qint64>("scaled");
    QTest::addColumn<QString>("sql");
    QTest::newRow("zero") << qint64(0) << "0";
    QTest::newRow("twelve and a half") << qint64(125000) << "12.5";
    QTest::newRow("minus one and a half") << qint64(-15000) << "-1.5";
    QTest::newRow("smallest step") << qint64(1) << "0.0001";
    QTest::newRow("minus smallest step") << qint64(-1) << "-0.0001";
    QTest::newRow("no grouping") << qint64(12345678900000) << "1234567890";
    QTest::newRow("extreme") << std::numeric_limits<qint64>::min() << "-922337203685477.5808";
}

void TestNumbers::currToSql()
{
    QFETCH(qint64, scaled);
    QFETCH(QString, sql);
    QCOMPARE(CurrToSQL(Currency::fromScaled(scaled)), sql);
}

void TestNumbers::formatFloat_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    const QString general = QStringLiteral("#,###0.###");
    QTest::newRow("general, grouping") << general << 1234567.5 << "1.234.567,5";
    QTest::newRow("general, three decimals") << general << 0.1235 << "0,124";
    QTest::newRow("general, whole") << general << 1000.0 << "1.000";
    QTest::newRow("general, zero") << general << 0.0 << "0";
    QTest::newRow("general, negative") << general << -1234.25 << "-1.234,25";
    QTest::newRow("general, tiny negative is zero") << general << -0.0001 << "0";
    const QString twoDec = QStringLiteral(",0.00;-,0.00");
    QTest::newRow("two decimals") << twoDec << 18.0 << "18,00";
    QTest::newRow("two decimals, grouping") << twoDec << 12345.678 << "12.345,68";
    QTest::newRow("two decimals, negative section") << twoDec << -0.5 << "-0,50";
    QTest::newRow("two decimals, half away from zero") << twoDec << 2.675 << "2,68";
    const QString price = QStringLiteral(",0.###;-,0.###");
    QTest::newRow("price") << price << 1.5 << "1,5";
    QTest::newRow("price, negative") << price << -1500.125 << "-1.500,125";
    QTest::newRow("no grouping") << QStringLiteral("###0.##") << 12345.678 << "12345,68";
    QTest::newRow("no grouping, below one") << QStringLiteral("###0.##") << 0.5 << "0,5";
    QTest::newRow("zero section") << QStringLiteral("0.00;-0.00;'yok'") << 0.0 << "yok";
    QTest::newRow("literal suffix") << QStringLiteral("#,##0.00 TL") << 1500.0 << "1.500,00 TL";
    QTest::newRow("optional integer digit") << QStringLiteral("#.##") << 0.25 << ",25";
}

void TestNumbers::formatFloat()
{
    QFETCH(QString, pattern);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(FormatFloat(pattern, value), text);
}

void TestNumbers::parseNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("comma decimal") << "12,5" << true << 12.5;
    QTest::newRow("grouped") << "1.234,5" << true << 1234.5;
    QTest::newRow("point decimal") << "12.5" << true << 12.5;
    QTest::newRow("grouped without decimals") << "1.234.567" << true << 1234567.0;
    QTest::newRow("negative") << "-3,25" << true << -3.25;
    QTest::newRow("blank") << "  " << false << 0.0;
    QTest::newRow("letters") << "12a" << false << 0.0;
}

void TestNumbers::parseNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    double v = 0;
    QCOMPARE(parseTurkishNumber(text, &v), ok);
    if (ok)
        QCOMPARE(v, value);
}

void TestNumbers::dates()
{
    QCOMPARE(formatDate(QDate(2018, 3, 5)), QStringLiteral("05.03.2018"));
    QCOMPARE(parseDate(QStringLiteral("5.3.2018")), QDate(2018, 3, 5));
    QCOMPARE(parseDate(QStringLiteral("05.03.18")), QDate(2018, 3, 5));
    QVERIFY(!parseDate(QStringLiteral("2018-03-05")).isValid());
    QVERIFY(!parseDate(QStringLiteral("31.02.2018")).isValid());
    QCOMPARE(DateToSQL(QDate(2018, 3, 5)), QStringLiteral("'2018-03-05'"));
    QCOMPARE(formatDateLong(QDate(2018, 3, 5)), QStringLiteral("05 Mart 2018 Pazartesi"));
}

VR_TEST(TestNumbers)
#include "tst_Numbers.moc"
