#include "ReportRecorder.h"

#include "data/SqlSupport.h"
#include "data/StockFigures.h"
#include "platform/sqlite/Database.h"
#include "support/TestProgramDir.h"
#include "support/TestRegistry.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#include <memory>

namespace {

struct Move
{
    const char *code;
    QDate date;
    double in;
    double out;
    double price;
    double amount;
    bool notNormal = false;
};

bool addCard(int otosn, const QString &code, double opening, double critical)
{
    QSqlQuery q(Database::connection());
    q.prepare(QStringLiteral("INSERT INTO anastokgirisi_7 VALUES (?,?,?,'ADET','S','G','a1','a2','a3',1.5,2,3,4,?,18,5,"
                             "'r.jpg','o1','o2',?,?,'R','G','B',?)"));
    q.addBindValue(otosn);
    q.addBindValue(code);
    q.addBindValue(QString(QStringLiteral("Kart ") + code));
    q.addBindValue(critical);
    q.addBindValue(opening);
    q.addBindValue(opening * 2);
    q.addBindValue(QStringLiteral("2018-01-02"));
    return q.exec();
}

bool addMoves(const QList<Move> &moves)
{
    QSqlQuery q(Database::connection());
    q.prepare(QStringLiteral("INSERT INTO stokhareketi_7 (GIZLI_NO, STOK_KODU, TARIHI, GIREN, CIKAN, FIYAT, TUTAR, "
                             "NORMAL_DEGIL) VALUES (?,?,?,?,?,?,?,?)"));
    int n = 100;
    for (const Move &m : moves) {
        q.addBindValue(n++);
        q.addBindValue(QString::fromUtf8(m.code));
        q.addBindValue(m.date.toString(Qt::ISODate));
        q.addBindValue(m.in);
        q.addBindValue(m.out);
        q.addBindValue(m.price);
        q.addBindValue(m.amount);
        q.addBindValue(m.notNormal ? 1 : 0);
        if (!q.exec())
            return false;
    }
    return true;
}

const QDate d1(2018, 3, 5);
const QDate d2(2018, 4, 9);
const QDate d3(2018, 6, 1);

// A: opening 10, entries 5 and 3, exit 4 -> balance 14.
// B: a card without movements. C: entries all on one date, one marked NORMAL_DEGIL.
// O'K: a code with an apostrophe. M: movements without a card.
const QList<Move> kMoves = {
    {"A", d1, 5, 0, 10, 50},       {"A", d2, 3, 0, 20, 60},      {"A", d2, 0, 4, 30, 120},
    {"C", d3, 2, 0, 50, 100},      {"C", d3, 2, 0, 50, 250, true}, {"C", d1, 0, 1, 40, 40},
    {"O'K", d1, 7, 0, 2, 14},      {"M", d2, 0, 2.5, 4, 10},
};

QString figures(const TStokOrtalama &t)
{
    return QStringLiteral("%1/%2/%3/%4").arg(CurrToSQL(t.GC), CurrToSQL(t.GCT), CurrToSQL(t.GCO)).arg(t.ROWC);
}

} // namespace

class TestStockFigures : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void balance_data();
    void balance();
    void directionTotals_data();
    void directionTotals();
    void lastMovements_data();
    void lastMovements();
    void extremesAreAmountsNotPrices();
    void wholeCardRow();
    void wholeMovementRow();
    void allStocksPassAgreesWithPerStockFigures_data();
    void allStocksPassAgreesWithPerStockFigures();
    void cardFiguresAgreeWithTheRoutines_data();
    void cardFiguresAgreeWithTheRoutines();
    void failures();

private:
    std::unique_ptr<TestProgramDir> m_dir;
};

void TestStockFigures::init()
{
    m_dir = std::make_unique<TestProgramDir>();
    QVERIFY(m_dir->openCompanyList());
    QVERIFY(m_dir->createCompany(QStringLiteral("7"), QStringLiteral("Firma"), QStringLiteral("x")));
    QVERIFY(m_dir->enterCompany(QStringLiteral("7")));
    QSqlDatabase db = Database::connection();
    QVERIFY(Database::exec(db, QStringLiteral("BEGIN")));
    QVERIFY(addCard(1, QStringLiteral("A"), 10, 3));
    QVERIFY(addCard(2, QStringLiteral("B"), 6.5, 1));
    QVERIFY(addCard(3, QStringLiteral("C"), 0, 0));
    QVERIFY(addCard(4, QStringLiteral("O'K"), 1, 0));
    QVERIFY(addMoves(kMoves));
    QVERIFY(Database::exec(db, QStringLiteral("COMMIT")));
}

void TestStockFigures::cleanup()
{
    m_dir.reset();
}

void TestStockFigures::balance_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("balance");
    QTest::addColumn<QString>("critical");
    QTest::newRow("opening plus entries minus exits") << "A" << "14" << "3";
    QTest::newRow("no movements: the opening quantity") << "B" << "6.5" << "1";
    QTest::newRow("NORMAL_DEGIL movements count") << "C" << "3" << "0";
    QTest::newRow("apostrophe in the code") << "O'K" << "8" << "0";
    QTest::newRow("movements without a card") << "M" << "-2.5" << "0";
    QTest::newRow("unknown code") << "YOK" << "0" << "0";
    QTest::newRow("codes compare exactly") << "a" << "0" << "0";
}

void TestStockFigures::balance()
{
    QFETCH(QString, code);
    QFETCH(QString, balance);
    QFETCH(QString, critical);
    ReportRecorder report;
    Currency b = Currency::fromInt(99), c = Currency::fromInt(99);
    QVERIFY(GetStokBakiye(code, b, c));
    QCOMPARE(CurrToSQL(b), balance);
    QCOMPARE(CurrToSQL(c), critical);
    QVERIFY(report.quiet());
}

void TestStockFigures::directionTotals_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("condition");
    QTest::addColumn<QString>("expected"); // GC/GCT/GCO/ROWC
    QTest::newRow("entries") << "GIREN" << "A" << "" << "8/110/13.75/2";
    QTest::newRow("exits") << "CIKAN" << "A" << "" << "4/120/30/1";
    QTest::newRow("no exits: zeros, no division error") << "CIKAN" << "O'K" << "" << "0/0/0/0";
    QTest::newRow("no movements at all") << "GIREN" << "B" << "" << "0/0/0/0";
    QTest::newRow("NORMAL_DEGIL included") << "GIREN" << "C" << "" << "4/350/87.5/2";
    QTest::newRow("period: first day only")
        << "GIREN" << "A" << " and ( TARIHI BETWEEN '2018-03-05' AND '2018-03-05')" << "5/50/10/1";
    QTest::newRow("period without movements")
        << "GIREN" << "A" << " and ( TARIHI BETWEEN '2019-01-01' AND '2019-12-31')" << "0/0/0/0";
}

void TestStockFigures::directionTotals()
{
    QFETCH(QString, column);
    QFETCH(QString, code);
    QFETCH(QString, condition);
    QFETCH(QString, expected);
    TStokOrtalama t;
    t.ROWC = 99;
    QVERIFY(GetStokOrtalama(column, code, condition, t));
    QCOMPARE(figures(t), expected);

    // The prepared form with dates gives the same figures.
    QDate from, to;
    if (!condition.isEmpty()) {
        from = QDate::fromString(condition.mid(condition.indexOf(u'\'') + 1, 10), Qt::ISODate);
        to = QDate::fromString(condition.mid(condition.lastIndexOf(u'\'') - 10, 10), Qt::ISODate);
        QVERIFY(from.isValid() && to.isValid());
    }
    StockFigures f;
    TStokOrtalama p;
    QVERIFY(f.totals(column, code, p, from, to));
    QCOMPARE(figures(p), expected);
}

void TestStockFigures::lastMovements_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QDate>("entryDate");
    QTest::addColumn<QString>("entry"); // amount/price/quantity
    QTest::addColumn<QDate>("exitDate");
    QTest::addColumn<QString>("exit");
    QTest::newRow("latest entry and exit") << "A" << d2 << "60/20/3" << d2 << "120/30/4";
    QTest::newRow("no exits") << "O'K" << d1 << "14/2/7" << QDate() << "0/0/0";
    QTest::newRow("no movements") << "B" << QDate() << "0/0/0" << QDate() << "0/0/0";
}

void TestStockFigures::lastMovements()
{
    QFETCH(QString, code);
    QFETCH(QDate, entryDate);
    QFETCH(QString, entry);
    QFETCH(QDate, exitDate);
    QFETCH(QString, exit);
    ReportRecorder report;
    TStokSonHareket s;
    QVERIFY(GetStokSonHareket(code, s));
    QCOMPARE(s.entryDate, entryDate);
    QCOMPARE(QStringLiteral("%1/%2/%3").arg(CurrToSQL(s.entryAmount), CurrToSQL(s.entryPrice), CurrToSQL(s.entryQuantity)),
             entry);
    QCOMPARE(s.exitDate, exitDate);
    QCOMPARE(QStringLiteral("%1/%2/%3").arg(CurrToSQL(s.exitAmount), CurrToSQL(s.exitPrice), CurrToSQL(s.exitQuantity)),
             exit);
    QVERIFY(report.quiet());
}

void TestStockFigures::extremesAreAmountsNotPrices()
{
    ReportRecorder report;
    TStokEnuEnP e;
    // C: two entries at the same unit price with amounts 100 and 250; one exit of 40.
    QVERIFY(GetStokEnuEnP(QStringLiteral("C"), e));
    QCOMPARE(e.lowestEntryAmount, Currency::fromInt(100));
    QCOMPARE(e.highestEntryAmount, Currency::fromInt(250));
    QCOMPARE(e.lowestExitAmount, Currency::fromInt(40));
    QCOMPARE(e.highestExitAmount, Currency::fromInt(40));

    // Several entries on the latest date: one of them is the last entry.
    TStokSonHareket s;
    QVERIFY(GetStokSonHareket(QStringLiteral("C"), s));
    QCOMPARE(s.entryDate, d3);
    QVERIFY(s.entryAmount == Currency::fromInt(100) || s.entryAmount == Currency::fromInt(250));

    QVERIFY(GetStokEnuEnP(QStringLiteral("B"), e));
    QCOMPARE(e.highestEntryAmount, Currency());
    QCOMPARE(e.lowestExitAmount, Currency());
    QVERIFY(report.quiet());
}

void TestStockFigures::wholeCardRow()
{
    ReportRecorder report;
    TStokValueAllOf byCode, byNumber;
    QVERIFY(GetStokFieldsAllOf(QStringLiteral("STOK_KODU"), QStringLiteral("O'K"), 0, byCode));
    QVERIFY(GetStokFieldsAllOf(QStringLiteral("OTOSN"), QStringLiteral("yok sayılır"), 4, byNumber));
    for (const TStokValueAllOf &v : {byCode, byNumber}) {
        QCOMPARE(v.OTOSN, 4);
        QCOMPARE(v.STOK_KODU, QStringLiteral("O'K"));
        QCOMPARE(v.CINSI, QStringLiteral("Kart O'K"));
        QCOMPARE(v.ACIKLAMA3, QStringLiteral("a3"));
        QCOMPARE(v.FIYAT1, Currency::fromScaled(15000));
        QCOMPARE(v.FIYAT4, Currency::fromInt(4));
        QCOMPARE(v.ISKONTO, Currency::fromInt(5));
        QCOMPARE(v.RESADI, QStringLiteral("r.jpg"));
        QCOMPARE(v.OZELKOD2, QStringLiteral("o2"));
        QCOMPARE(v.YILB_MIK, Currency::fromInt(1));
        QCOMPARE(v.YILB_TUT, Currency::fromInt(2));
        QCOMPARE(v.GOZNO, QStringLiteral("G"));
        QCOMPARE(v.BARKODNO, QStringLiteral("B"));
    }
    QVERIFY(!GetStokFieldsAllOf(QStringLiteral("STOK_KODU"), QStringLiteral("YOK"), 0, byCode));
    QCOMPARE(byCode.STOK_KODU, QString());
    QCOMPARE(byCode.OTOSN, 0);
    QVERIFY(report.quiet());
}

void TestStockFigures::wholeMovementRow()
{
    ReportRecorder report;
    QSqlQuery q(Database::connection());
    QVERIFY(q.exec(QStringLiteral(
        "INSERT INTO stokhareketi_7 VALUES (500,'A','Vida','2018-05-06','Satıcı','açk','E-1',2,0,7.5,15,1,18,'İADE','X1',"
        "0.15,2.673,'Stok Giriş','K1',3,1,'ADET',9)")));
    TStokHareketAllOf h;
    QVERIFY(GetStokHareketAllOf(500, h));
    QCOMPARE(h.GIZLI_NO, 500);
    QCOMPARE(h.CINSI, QStringLiteral("Vida"));
    QCOMPARE(h.TARIHI, QDate(2018, 5, 6));
    QCOMPARE(h.ISLEMYAPILAN, QStringLiteral("Satıcı"));
    QCOMPARE(h.EVRAKNO, QStringLiteral("E-1"));
    QCOMPARE(h.GIREN, Currency::fromInt(2));
    QCOMPARE(h.FIYAT, Currency::fromScaled(75000));
    QCOMPARE(h.KDV, Currency::fromInt(18));
    QCOMPARE(h.ISLEMCINSI, QStringLiteral("İADE"));
    QCOMPARE(h.KDV_TUT, Currency::fromScaled(26730));
    QCOMPARE(h.KAYNAK, QStringLiteral("Stok Giriş"));
    QCOMPARE(h.KOD2, 3);
    QCOMPARE(h.NORMAL_DEGIL, true);
    QCOMPARE(h.BIRIMI, QStringLiteral("ADET"));
    QCOMPARE(h.USATIS_SATIR_ID, 9);
    QVERIFY(!GetStokHareketAllOf(501, h));
    QCOMPARE(h.GIZLI_NO, 0);
    QVERIFY(report.quiet());
}

void TestStockFigures::allStocksPassAgreesWithPerStockFigures_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::newRow("all movements") << QDate() << QDate();
    QTest::newRow("a period") << d2 << d3;
    QTest::newRow("one day") << d1 << d1;
}

void TestStockFigures::allStocksPassAgreesWithPerStockFigures()
{
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QHash<QString, StockTotals> all;
    QVERIFY(GetAllStockTotals(all, from, to));
    StockFigures f;
    int withMovements = 0;
    for (const char *c : {"A", "B", "C", "O'K", "M"}) {
        const QString code = QString::fromUtf8(c);
        TStokOrtalama in, out;
        QVERIFY(f.totals(QStringLiteral("GIREN"), code, in, from, to));
        QVERIFY(f.totals(QStringLiteral("CIKAN"), code, out, from, to));
        if (in.ROWC + out.ROWC == 0) {
            QVERIFY2(!all.contains(code), c);
            continue;
        }
        ++withMovements;
        QVERIFY2(all.contains(code), c);
        QCOMPARE(figures(all[code].entries), figures(in));
        QCOMPARE(figures(all[code].exits), figures(out));
    }
    QCOMPARE(all.size(), withMovements);
}

void TestStockFigures::cardFiguresAgreeWithTheRoutines_data()
{
    QTest::addColumn<QString>("code");
    for (const char *c : {"A", "B", "C", "O'K", "M", "YOK"})
        QTest::newRow(c) << QString::fromUtf8(c);
}

void TestStockFigures::cardFiguresAgreeWithTheRoutines()
{
    QFETCH(QString, code);
    ReportRecorder report;
    StockCardFigures card;
    {
        ReadTransaction read;
        QSqlDatabase db = Database::connection();
        QVERIFY(SqlSupport::inTransaction(db));
        StockFigures f;
        QVERIFY(f.cardFigures(code, card));
    }
    QSqlDatabase db = Database::connection();
    QVERIFY(!SqlSupport::inTransaction(db));

    StockCardFigures r;
    QVERIFY(GetStokBakiye(code, r.balance, r.critical));
    QVERIFY(GetStokOrtalama(QStringLiteral("GIREN"), code, {}, r.entries));
    QVERIFY(GetStokOrtalama(QStringLiteral("CIKAN"), code, {}, r.exits));
    QVERIFY(GetStokSonHareket(code, r.last));
    QVERIFY(GetStokEnuEnP(code, r.extremes));
    QCOMPARE(card.balance, r.balance);
    QCOMPARE(card.critical, r.critical);
    QCOMPARE(figures(card.entries), figures(r.entries));
    QCOMPARE(figures(card.exits), figures(r.exits));
    QCOMPARE(card.last.entryDate, r.last.entryDate);
    QCOMPARE(card.last.exitQuantity, r.last.exitQuantity);
    QCOMPARE(card.extremes.lowestEntryAmount, r.extremes.lowestEntryAmount);
    QCOMPARE(card.extremes.highestEntryAmount, r.extremes.highestEntryAmount);
    QCOMPARE(card.extremes.lowestExitAmount, r.extremes.lowestExitAmount);
    QCOMPARE(card.extremes.highestExitAmount, r.extremes.highestExitAmount);
    QVERIFY(report.quiet());
}

void TestStockFigures::failures()
{
    QSqlDatabase db = Database::connection();
    QVERIFY(Database::exec(db, QStringLiteral("ALTER TABLE stokhareketi_7 RENAME TO eski_hareket")));
    ReportRecorder report;

    // Labelled routines show the error report with the statement as it ran.
    TStokSonHareket s;
    QVERIFY(!GetStokSonHareket(QStringLiteral("O'K"), s));
    TStokEnuEnP e;
    QVERIFY(!GetStokEnuEnP(QStringLiteral("A"), e));
    QCOMPARE(report.dialogs.size(), 2);
    QCOMPARE(report.dialogs[0].label, QStringLiteral("GetStokSonHareket"));
    QCOMPARE(report.dialogs[0].text,
             QStringLiteral("no such table: stokhareketi_7\r\r\n"
                            "SELECT STOK_KODU,GIREN,CIKAN,TARIHI,FIYAT,TUTAR FROM stokhareketi_7\n"
                            "WHERE (STOK_KODU = 'O''K') AND (GIREN>0) AND TARIHI IS NOT NULL\n"
                            "ORDER BY TARIHI DESC LIMIT 1"));
    QCOMPARE(report.dialogs[1].label, QStringLiteral("GetStokEnuEnP"));
    report.clear();

    TStokHareketAllOf h;
    QVERIFY(!GetStokHareketAllOf(7, h));
    QCOMPARE(report.dialogs.size(), 1);
    QCOMPARE(report.dialogs[0].label, QStringLiteral("GetStokHareketAllOf"));
    QVERIFY(report.dialogs[0].text.endsWith(QStringLiteral("\r\r\nSELECT * FROM stokhareketi_7 where GIZLI_NO = 7")));
    report.clear();

    // The others hand the error to their caller and show nothing.
    Currency b, c;
    QString error;
    QVERIFY(!GetStokBakiye(QStringLiteral("A"), b, c, &error));
    QVERIFY2(error.contains(QStringLiteral("stokhareketi_7")), qPrintable(error));
    error.clear();
    TStokOrtalama t;
    QVERIFY(!GetStokOrtalama(QStringLiteral("GIREN"), QStringLiteral("A"), {}, t, &error));
    QVERIFY(!error.isEmpty());
    QHash<QString, StockTotals> all;
    QVERIFY(!GetAllStockTotals(all, {}, {}, &error));
    QVERIFY(report.quiet());
    QVERIFY(!SqlSupport::inTransaction(db));
}

VR_TEST(TestStockFigures)
#include "tst_StockFigures.moc"
