#include "platform/crypto/PasswordDigest.h"
#include "platform/text/Cp1254.h"
#include "platform/text/TurkishText.h"
#include "support/TestRegistry.h"

#include <QCryptographicHash>
#include <QTest>

class TestTextAndCodePage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cp1254_data();
    void cp1254();
    void everyByteSurvivesARoundTrip();
    void unencodableBecomesQuestionMark();
    void textFileEncodingByByteOrderMark_data();
    void textFileEncodingByByteOrderMark();
    void upperCase_data();
    void upperCase();
    void clearAndQuote_data();
    void clearAndQuote();
    void turkishOrder();
    void passwordDigest_data();
    void passwordDigest();
};

void TestTextAndCodePage::cp1254_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << "ABC abc 123" << QByteArray("ABC abc 123");
    QTest::newRow("turkish capitals") << "ĞİŞÇÖÜ" << QByteArray("\xD0\xDD\xDE\xC7\xD6\xDC");
    QTest::newRow("turkish small") << "ğışçöü" << QByteArray("\xF0\xFD\xFE\xE7\xF6\xFC");
    QTest::newRow("euro and quotes") << "€“”…" << QByteArray("\x80\x93\x94\x85");
}

void TestTextAndCodePage::cp1254()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Cp1254::encode(text), bytes);
    QCOMPARE(Cp1254::decode(bytes), text);
}

void TestTextAndCodePage::everyByteSurvivesARoundTrip()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    QCOMPARE(Cp1254::encode(Cp1254::decode(all)), all);
}

void TestTextAndCodePage::unencodableBecomesQuestionMark()
{
    QCOMPARE(Cp1254::encode(QStringLiteral("aЖb€")), QByteArray("a?b\x80"));
    QVERIFY(!Cp1254::canEncode(QStringLiteral("Ж")));
    // Latin-1 letters whose bytes hold Turkish letters in this code page.
    QCOMPARE(Cp1254::encode(QStringLiteral("Ðý")), QByteArray("??"));
}

void TestTextAndCodePage::textFileEncodingByByteOrderMark_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("code page") << QByteArray("\xDE" "eker") << "Şeker";
    QTest::newRow("utf-8 bom") << QByteArray("\xEF\xBB\xBF\xC5\x9E" "eker") << "Şeker";
    QTest::newRow("utf-16le bom") << QByteArray("\xFF\xFE\x5E\x01\x65\x00", 6) << "Şe";
}

void TestTextAndCodePage::textFileEncodingByByteOrderMark()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(decodeTextFile(bytes), text);
}

void TestTextAndCodePage::upperCase_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("dotted and dotless i") << "iıIİ" << "İIIİ";
    QTest::newRow("turkish letters") << "ğşçöü" << "ĞŞÇÖÜ";
    QTest::newRow("ascii") << "stok-12/a" << "STOK-12/A";
    QTest::newRow("digits and punctuation") << "0.5;%'" << "0.5;%'";
    QTest::newRow("other letters unchanged") << "éß" << "éß";
}

void TestTextAndCodePage::upperCase()
{
    QFETCH(QString, in);
    QFETCH(QString, out);
    QCOMPARE(TRUpperCase(in), out);
    for (qsizetype i = 0; i < in.size(); ++i)
        QCOMPARE(TRUpCaseChar(in[i]), out[i]);
}

void TestTextAndCodePage::clearAndQuote_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("cleared");
    QTest::addColumn<QString>("quoted");
    QTest::newRow("apostrophe") << "O'Neil" << "ONeil" << "'O''Neil'";
    QTest::newRow("all dropped characters") << "a%b'c\"d;e*f^g!h&i" << "abcdefghi" << "'a%b''c\"d;e*f^g!h&i'";
    QTest::newRow("statement attempt") << "x'; DROP TABLE kblg; --" << "x DROP TABLE kblg --"
                                       << "'x''; DROP TABLE kblg; --'";
    QTest::newRow("turkish kept") << "Çağ Şirketi" << "Çağ Şirketi" << "'Çağ Şirketi'";
}

void TestTextAndCodePage::clearAndQuote()
{
    QFETCH(QString, in);
    QFETCH(QString, cleared);
    QFETCH(QString, quoted);
    QCOMPARE(ClearSQLText(in, false), cleared);
    QCOMPARE(ClearSQLText(in, true), u'\'' + cleared + u'\'');
    QCOMPARE(quoteSql(in), quoted);
}

void TestTextAndCodePage::turkishOrder()
{
    QStringList words = {QStringLiteral("Zeytin"), QStringLiteral("çay"), QStringLiteral("Irmak"),
                         QStringLiteral("ılık"), QStringLiteral("İnce"), QStringLiteral("Cam"),
                         QStringLiteral("şeker"), QStringLiteral("Sabun"), QStringLiteral("Üzüm"),
                         QStringLiteral("Un"), QStringLiteral("Ğ"), QStringLiteral("Gül"), QStringLiteral("Hamur")};
    std::sort(words.begin(), words.end(), [](const QString &a, const QString &b) { return trCompare(a, b) < 0; });
    QCOMPARE(words, QStringList({QStringLiteral("Cam"), QStringLiteral("çay"), QStringLiteral("Gül"),
                                 QStringLiteral("Ğ"), QStringLiteral("Hamur"), QStringLiteral("ılık"),
                                 QStringLiteral("Irmak"), QStringLiteral("İnce"), QStringLiteral("Sabun"),
                                 QStringLiteral("şeker"), QStringLiteral("Un"), QStringLiteral("Üzüm"),
                                 QStringLiteral("Zeytin")}));
    QCOMPARE(trFold(QStringLiteral("ılık İNCE")), trFold(QStringLiteral("ILIK ince")));
    QVERIFY(trFold(QStringLiteral("ı")) != trFold(QStringLiteral("i")));
}

void TestTextAndCodePage::passwordDigest_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("digest");
    // Reference values: MD5 of the code page 1254 bytes.
    QTest::newRow("empty") << "" << "D41D8CD98F00B204E9800998ECF8427E";
    QTest::newRow("ascii") << "abc" << "900150983CD24FB0D6963F7D28E17F72";
    QTest::newRow("turkish letter as one byte") << "ş" << QString::fromLatin1(
        QCryptographicHash::hash(QByteArray("\xFE"), QCryptographicHash::Md5).toHex().toUpper());
}

void TestTextAndCodePage::passwordDigest()
{
    QFETCH(QString, password);
    QFETCH(QString, digest);
    QCOMPARE(::passwordDigest(password), digest);
}

VR_TEST(TestTextAndCodePage)
#include "tst_TextAndCodePage.moc"
