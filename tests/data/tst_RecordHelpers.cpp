#include "ReportRecorder.h"

#include "data/RecordHelpers.h"
#include "data/SqlSupport.h"
#include "data/WorkTables.h"
#include "platform/sqlite/Database.h"
#include "support/TestProgramDir.h"
#include "support/TestRegistry.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#include <memory>

namespace {

QVariant scalar(const QString &sql)
{
    QSqlQuery q(Database::connection());
    if (!q.exec(sql) || !q.next())
        return {};
    return q.value(0);
}

// A stock card with the fields these tests look at; the rest stay empty.
bool addCard(int otosn, const QString &code, const QString &name, const QList<double> &prices = {1, 2, 3, 4})
{
    QSqlQuery q(Database::connection());
    q.prepare(QStringLiteral("INSERT INTO anastokgirisi_7 (OTOSN, STOK_KODU, CINSI, BIRIMI, GRUBU, FIYAT1, FIYAT2, "
                             "FIYAT3, FIYAT4, KDV, ISKONTO, BARKODNO) VALUES (?,?,?,'ADET','G1',?,?,?,?,18,2.5,?)"));
    q.addBindValue(otosn);
    q.addBindValue(code);
    q.addBindValue(name);
    for (double p : prices)
        q.addBindValue(p);
    q.addBindValue(QStringLiteral("869%1").arg(otosn));
    return q.exec();
}

} // namespace

class TestRecordHelpers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void getRecIdCountsFromOne();
    void getRecIdJoinsTheCallersTransaction();
    void getRecIdFailureLeavesCounterAndConnectionClean_data();
    void getRecIdFailureLeavesCounterAndConnectionClean();
    void sqlFilterOperators_data();
    void sqlFilterOperators();
    void hostileTextNeverChangesTheStatement_data();
    void hostileTextNeverChangesTheStatement();
    void insertUpdateReadAndDeleteACard();
    void lastRecordOfACounter();
    void getStokValuePriceChoice_data();
    void getStokValuePriceChoice();
    void failuresReportMessageSqlAndLabel_data();
    void failuresReportMessageSqlAndLabel();
    void deleteRecordFailureShowsItsOwnMessage();
    void failuresWithoutReportGoToTheCaller();
    void emptyingAWorkTable();

private:
    std::unique_ptr<TestProgramDir> m_dir;
};

void TestRecordHelpers::init()
{
    m_dir = std::make_unique<TestProgramDir>();
    QVERIFY(m_dir->openCompanyList());
    QVERIFY(m_dir->createCompany(QStringLiteral("7"), QStringLiteral("Firma"), QStringLiteral("x")));
    QVERIFY(m_dir->enterCompany(QStringLiteral("7")));
}

void TestRecordHelpers::cleanup()
{
    m_dir.reset();
}

void TestRecordHelpers::getRecIdCountsFromOne()
{
    ReportRecorder report;
    QCOMPARE(GetRecordIDValue(QStringLiteral("ref_stokhareketi")), 0);
    QCOMPARE(GetRecID(QStringLiteral("ref_stokhareketi")), 1);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM ref_stokhareketi_7")).toInt(), 1);
    QCOMPARE(scalar(QStringLiteral("SELECT REC_ID FROM ref_stokhareketi_7")).toInt(), 1);
    QCOMPARE(GetRecID(QStringLiteral("ref_stokhareketi")), 2);
    QCOMPARE(GetRecID(QStringLiteral("ref_stokhareketi")), 3);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM ref_stokhareketi_7")).toInt(), 1);
    QCOMPARE(GetRecordIDValue(QStringLiteral("ref_stokhareketi")), 3);
    // Counters are separate per table.
    QCOMPARE(GetRecID(QStringLiteral("ref_anastokgirisi")), 1);
    // Nothing stays open behind the routine.
    QSqlDatabase db = Database::connection();
    QVERIFY(!SqlSupport::inTransaction(db));
    QVERIFY(report.quiet());
}

void TestRecordHelpers::getRecIdJoinsTheCallersTransaction()
{
    ReportRecorder report;
    QSqlDatabase db = Database::connection();
    QCOMPARE(GetRecID(QStringLiteral("ref_Notlar")), 1);

    QVERIFY(Database::exec(db, QStringLiteral("BEGIN")));
    QCOMPARE(GetRecID(QStringLiteral("ref_Notlar")), 2);
    QCOMPARE(GetRecID(QStringLiteral("ref_Notlar")), 3);
    QVERIFY(SqlSupport::inTransaction(db)); // the caller's batch is still open
    QVERIFY(Database::exec(db, QStringLiteral("ROLLBACK")));
    // A batch that is undone as a whole takes its numbers with it.
    QCOMPARE(GetRecordIDValue(QStringLiteral("ref_Notlar")), 1);

    QVERIFY(Database::exec(db, QStringLiteral("BEGIN")));
    QCOMPARE(GetRecID(QStringLiteral("ref_Notlar")), 2);
    QVERIFY(Database::exec(db, QStringLiteral("COMMIT")));
    QCOMPARE(GetRecID(QStringLiteral("ref_Notlar")), 3);
    QVERIFY(report.quiet());
}

void TestRecordHelpers::getRecIdFailureLeavesCounterAndConnectionClean_data()
{
    QTest::addColumn<bool>("insideBatch");
    QTest::newRow("own transaction") << false;
    QTest::newRow("inside the caller's batch") << true;
}

void TestRecordHelpers::getRecIdFailureLeavesCounterAndConnectionClean()
{
    QFETCH(bool, insideBatch);
    ReportRecorder report;
    QSqlDatabase db = Database::connection();
    QCOMPARE(GetRecID(QStringLiteral("ref_stokhareketi")), 1);
    // The write after the read fails.
    QVERIFY(Database::exec(db, QStringLiteral("CREATE TRIGGER sirket.counter_locked BEFORE UPDATE ON ref_stokhareketi_7 "
                                              "BEGIN SELECT RAISE(ABORT, 'sayac kilitli'); END")));
    if (insideBatch) {
        QVERIFY(Database::exec(db, QStringLiteral("BEGIN")));
        QCOMPARE(InsertSQL({QStringLiteral("5")}, QStringLiteral("kdvoran")), 1);
    }

    QCOMPARE(GetRecID(QStringLiteral("ref_stokhareketi")), 0);
    QCOMPARE(report.dialogs.size(), 1);
    QCOMPARE(report.dialogs[0].label, QStringLiteral("GetRecID"));
    QCOMPARE(report.dialogs[0].text, QStringLiteral("sayac kilitli\r\r\nUpdate ref_stokhareketi_7 SET REC_ID = 2"));

    QCOMPARE(SqlSupport::inTransaction(db), insideBatch);
    if (insideBatch) {
        // The caller's own work before the failure is untouched.
        QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM kdvoran_7")).toInt(), 1);
        QVERIFY(Database::exec(db, QStringLiteral("COMMIT")));
    }
    QCOMPARE(GetRecordIDValue(QStringLiteral("ref_stokhareketi")), 1);
}

void TestRecordHelpers::sqlFilterOperators_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("op");
    QTest::addColumn<int>("expected");
    // Codes in the fixture: AB1, AB2, ABC, XAB, O'NEIL
    QTest::newRow("equal") << "AB1" << 0 << 1;
    QTest::newRow("not equal") << "AB1" << 1 << 4;
    QTest::newRow("like with % wildcard") << "AB%" << 2 << 3;
    QTest::newRow("like with _ wildcard") << "AB_" << 2 << 3;
    QTest::newRow("equal takes % literally") << "AB%" << 0 << 0;
    QTest::newRow("unknown operator means equal") << "ABC" << 9 << 1;
    QTest::newRow("apostrophe in the value") << "O'NEIL" << 0 << 1;
    QTest::newRow("apostrophe in a pattern") << "O'%" << 2 << 1;
    QTest::newRow("no match") << "ZZ" << 0 << 0;
}

void TestRecordHelpers::sqlFilterOperators()
{
    QFETCH(QString, value);
    QFETCH(int, op);
    QFETCH(int, expected);
    int n = 1;
    for (const char *code : {"AB1", "AB2", "ABC", "XAB", "O'NEIL"})
        QVERIFY(addCard(n++, QString::fromLatin1(code), QStringLiteral("x")));
    ReportRecorder report;
    QCOMPARE(SQLFILTER(value, QStringLiteral("STOK_KODU"), QStringLiteral("anastokgirisi"), op), expected);
    QVERIFY(report.quiet());
    // The number form compares with the number itself.
    QCOMPARE(SQLFILTER(qint64(3), QStringLiteral("OTOSN"), QStringLiteral("anastokgirisi"), 0), 1);
    QCOMPARE(SQLFILTER(qint64(3), QStringLiteral("OTOSN"), QStringLiteral("anastokgirisi"), 1), 4);
}

void TestRecordHelpers::hostileTextNeverChangesTheStatement_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("apostrophe") << "O'Reilly";
    QTest::newRow("double quote") << "3\" vida";
    QTest::newRow("closing and a second statement") << "x'); DELETE FROM anastokgirisi_7; --";
    QTest::newRow("always true") << "' OR '1'='1";
    QTest::newRow("percent and semicolon") << "%50; indirim";
    QTest::newRow("caret star bang ampersand") << "a^b*c!d&e";
    QTest::newRow("turkish letters") << "ığüşöç İĞÜŞÖÇ";
}

void TestRecordHelpers::hostileTextNeverChangesTheStatement()
{
    QFETCH(QString, text);
    ReportRecorder report;
    QVERIFY(addCard(1, QStringLiteral("SABIT"), QStringLiteral("kalsın")));

    // Inserted text is cleaned as typed fields are (ClearSQLText with quotes).
    QStringList values(25, QStringLiteral("NULL"));
    values[0] = QStringLiteral("2");
    values[1] = ClearSQLText(QStringLiteral("K2"), true);
    values[2] = ClearSQLText(text, true);
    QCOMPARE(InsertSQL(values, QStringLiteral("anastokgirisi")), 1);
    QCOMPARE(scalar(QStringLiteral("SELECT CINSI FROM anastokgirisi_7 WHERE OTOSN = 2")).toString(),
             ClearSQLText(text, false));

    // Quoted text is stored exactly, apostrophes and all.
    QCOMPARE(Update_SQL_({QStringLiteral("STOK_KODU = ") + quoteSql(text), QStringLiteral("CINSI = ") + quoteSql(text)},
                         QStringLiteral("anastokgirisi"), 2, QStringLiteral("OTOSN")),
             1);
    QCOMPARE(scalar(QStringLiteral("SELECT CINSI FROM anastokgirisi_7 WHERE OTOSN = 2")).toString(), text);

    // Looked up by that text, it finds exactly its own row.
    QCOMPARE(SQLFILTER(text, QStringLiteral("STOK_KODU"), QStringLiteral("anastokgirisi"), 0), 1);
    QCOMPARE(GetFieldValueR(QStringLiteral("anastokgirisi"), QStringLiteral("STOK_KODU"), text, QStringLiteral("OTOSN")),
             Currency::fromInt(2));
    TStokValue v;
    QVERIFY(GetStokValue(QStringLiteral("STOK_KODU"), text, 0, v));
    QCOMPARE(v.OTOSN, 2);
    QCOMPARE(v.CINSI, text);

    QCOMPARE(RCRD_CNT(QStringLiteral("anastokgirisi")), 2);
    QCOMPARE(scalar(QStringLiteral("SELECT CINSI FROM anastokgirisi_7 WHERE OTOSN = 1")).toString(), QStringLiteral("kalsın"));
    QVERIFY(report.quiet());
}

void TestRecordHelpers::insertUpdateReadAndDeleteACard()
{
    ReportRecorder report;
    const int otosn = GetRecID(QStringLiteral("ref_anastokgirisi"));
    QCOMPARE(otosn, 1);
    // All 25 columns in stored order, as the card editor writes them.
    const QStringList values = {QString::number(otosn), ClearSQLText(QStringLiteral("VİDA-10"), true),
                                ClearSQLText(QStringLiteral("Vida 10 mm"), true), QStringLiteral("'ADET'"),
                                QStringLiteral("'S1'"), QStringLiteral("'G1'"), QStringLiteral("''"),
                                QStringLiteral("''"), QStringLiteral("''"), CurrToSQL(Currency::fromScaled(15000)),
                                QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                                CurrToSQL(Currency::fromScaled(-15000)), QStringLiteral("18"), QStringLiteral("0"),
                                QStringLiteral("''"), QStringLiteral("''"), QStringLiteral("''"), QStringLiteral("10"),
                                QStringLiteral("150"), QStringLiteral("'R1'"), QStringLiteral("'G1'"),
                                QStringLiteral("'8690001'"), DateToSQL(QDate(2018, 3, 5))};
    QCOMPARE(InsertSQL(values, QStringLiteral("anastokgirisi")), 1);

    const QString table = QStringLiteral("anastokgirisi");
    const QString code = QStringLiteral("VİDA-10");
    QCOMPARE(GetFieldValueR(table, QStringLiteral("STOK_KODU"), code, QStringLiteral("FIYAT1")), Currency::fromScaled(15000));
    QCOMPARE(GetFieldValueR(table, QStringLiteral("STOK_KODU"), code, QStringLiteral("KRITIK")), Currency::fromScaled(-15000));
    // A key number of 1 or more wins over the text.
    QCOMPARE(GetFieldValueR(table, QStringLiteral("OTOSN"), QStringLiteral("yok"), QStringLiteral("YILB_TUT"), otosn),
             Currency::fromInt(150));
    QCOMPARE(GetFieldValueR(table, QStringLiteral("STOK_KODU"), QStringLiteral("YOK"), QStringLiteral("FIYAT1")), Currency());
    QCOMPARE(scalar(QStringLiteral("SELECT KYTR FROM anastokgirisi_7")).toString(), QStringLiteral("2018-03-05"));

    QCOMPARE(Update_SQL_({QStringLiteral("FIYAT1 = ") + CurrToSQL(Currency::fromScaled(123456)),
                          QStringLiteral("CINSI = ") + quoteSql(QStringLiteral("Vida 12"))},
                         table, otosn, QStringLiteral("OTOSN")),
             1);
    QCOMPARE(GetFieldValueR(table, QStringLiteral("STOK_KODU"), code, QStringLiteral("FIYAT1")), Currency::fromScaled(123456));
    QCOMPARE(RCRD_CNT(table, QStringLiteral("WHERE CINSI = 'Vida 12'")), 1);
    QCOMPARE(RCRD_CNT(table, QStringLiteral("WHERE CINSI = 'Vida 10 mm'")), 0);

    QVERIFY(Update_SimpleSQL(QStringLiteral("UPDATE anastokgirisi_7 SET GRUBU = 'G2'")));
    QCOMPARE(SQLFILTER(QStringLiteral("G2"), QStringLiteral("GRUBU"), table, 0), 1);

    QVERIFY(DELETE_RECORD_(table, otosn, QStringLiteral("OTOSN")));
    QCOMPARE(RCRD_CNT(table), 0);
    // Deleting nothing is no failure.
    QVERIFY(DELETE_RECORD_(table, otosn, QStringLiteral("OTOSN")));
    // Numbers are not reused after a deletion.
    QCOMPARE(GetRecID(QStringLiteral("ref_anastokgirisi")), 2);
    QVERIFY(report.quiet());
}

void TestRecordHelpers::lastRecordOfACounter()
{
    ReportRecorder report;
    QString a = QStringLiteral("önceki"), b = QStringLiteral("önceki");
    // No number drawn yet: no row has number 0.
    QVERIFY(!GetLastRecordInf(QStringLiteral("anastokgirisi"), QStringLiteral("STOK_KODU"), QStringLiteral("CINSI"),
                              QStringLiteral("OTOSN"), &a, &b));
    QCOMPARE(a, QString());
    for (const char *code : {"ILK", "SON"}) {
        const int n = GetRecID(QStringLiteral("ref_anastokgirisi"));
        QVERIFY(addCard(n, QString::fromLatin1(code), QStringLiteral("Kart ") + QString::fromLatin1(code)));
    }
    QVERIFY(GetLastRecordInf(QStringLiteral("anastokgirisi"), QStringLiteral("STOK_KODU"), QStringLiteral("CINSI"),
                             QStringLiteral("OTOSN"), &a, &b));
    QCOMPARE(a, QStringLiteral("SON"));
    QCOMPARE(b, QStringLiteral("Kart SON"));

    // After an error report the outputs stay as they were.
    QVERIFY(!GetLastRecordInf(QStringLiteral("anastokgirisi"), QStringLiteral("YOK_SUTUN"), QStringLiteral("CINSI"),
                              QStringLiteral("OTOSN"), &a, &b));
    QCOMPARE(a, QStringLiteral("SON"));
    QCOMPARE(report.dialogs.size(), 1);
    QCOMPARE(report.dialogs[0].label, QStringLiteral("GetLastRecordInf"));
}

void TestRecordHelpers::getStokValuePriceChoice_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("price");
    QTest::newRow("0 first price") << 0 << 11;
    QTest::newRow("1 second price") << 1 << 22;
    QTest::newRow("2 third price") << 2 << 33;
    QTest::newRow("3 fourth price") << 3 << 44;
    QTest::newRow("4 first price") << 4 << 11;
    QTest::newRow("-1 first price") << -1 << 11;
}

void TestRecordHelpers::getStokValuePriceChoice()
{
    QFETCH(int, choice);
    QFETCH(int, price);
    QVERIFY(addCard(9, QStringLiteral("A1"), QStringLiteral("Somun"), {11, 22, 33, 44}));
    TStokValue v;
    v.CINSI = QStringLiteral("eski");
    QVERIFY(GetStokValue(QStringLiteral("BARKODNO"), QStringLiteral("8699"), choice, v));
    QCOMPARE(v.FIYAT1, Currency::fromInt(price));
    QCOMPARE(v.OTOSN, 9);
    QCOMPARE(v.STOK_KODU, QStringLiteral("A1"));
    QCOMPARE(v.CINSI, QStringLiteral("Somun"));
    QCOMPARE(v.BIRIMI, QStringLiteral("ADET"));
    QCOMPARE(v.KDV, Currency::fromInt(18));
    QCOMPARE(v.ISKONTO, Currency::fromScaled(25000));
    QCOMPARE(v.BARKODNO, QStringLiteral("8699"));

    // No match: empty texts and zeros, not what the record held before.
    QVERIFY(GetStokValue(QStringLiteral("BARKODNO"), QStringLiteral("yok"), choice, v));
    QCOMPARE(v.CINSI, QString());
    QCOMPARE(v.FIYAT1, Currency());
    QCOMPARE(v.OTOSN, 0);
}

void TestRecordHelpers::failuresReportMessageSqlAndLabel_data()
{
    QTest::addColumn<int>("routine");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("sql");
    QTest::newRow("RCRD_CNT of a missing table") << 0 << "RCRD_CNT" << "SELECT count(*) as RECCNT FROM yok_7";
    QTest::newRow("RCRD_CNT with a bad condition") << 1 << "RCRD_CNT"
                                                   << "SELECT count(*) as RECCNT FROM anastokgirisi_7\nWHERE YOK = 1";
    QTest::newRow("GetRecID of a missing counter") << 2 << "GetRecID" << "Select REC_ID from ref_yok_7";
    QTest::newRow("GetRecordIDValue") << 3 << "GetRecordIDValue" << "SELECT REC_ID FROM ref_yok_7";
    QTest::newRow("GetFieldValueR") << 4 << "GetFieldValueR"
                                    << "SELECT  YOK FROM anastokgirisi_7 WHERE STOK_KODU = 'A''1'";
    QTest::newRow("SQLFILTER text") << 5 << "SQLFILTER" << "SELECT COUNT(*) AS RECC FROM yok_7 WHERE KOD Like 'A%'";
    QTest::newRow("SQLFILTER number") << 6 << "SQLFILTER" << "SELECT COUNT(*) AS RECC FROM yok_7 WHERE SN != 4";
    QTest::newRow("InsertSQL with too few values") << 7 << "InsertSQL"
                                                   << "INSERT INTO kdvoran_7 VALUES( \n1,\n2\n);";
    QTest::newRow("Update_SQL_") << 8 << "Update_SQL_" << "UPDATE yok_7 SET\nA = 1,\nB = 'x'\nWhere SN = 3";
    QTest::newRow("Update_SimpleSQL") << 9 << "Update_SimpleSQL" << "UPDATE yok_7 SET A = 1";
}

void TestRecordHelpers::failuresReportMessageSqlAndLabel()
{
    QFETCH(int, routine);
    QFETCH(QString, label);
    QFETCH(QString, sql);
    ReportRecorder report;
    const QString t = QStringLiteral("anastokgirisi");
    qint64 result = -1;
    switch (routine) {
    case 0: result = RCRD_CNT(QStringLiteral("yok")); break;
    case 1: result = RCRD_CNT(t, QStringLiteral("WHERE YOK = 1")); break;
    case 2: result = GetRecID(QStringLiteral("ref_yok")); break;
    case 3: result = GetRecordIDValue(QStringLiteral("ref_yok")); break;
    case 4: result = GetFieldValueR(t, QStringLiteral("STOK_KODU"), QStringLiteral("A'1"), QStringLiteral("YOK")).scaled(); break;
    case 5: result = SQLFILTER(QStringLiteral("A%"), QStringLiteral("KOD"), QStringLiteral("yok"), 2); break;
    case 6: result = SQLFILTER(qint64(4), QStringLiteral("SN"), QStringLiteral("yok"), 1); break;
    case 7: result = InsertSQL({QStringLiteral("1"), QStringLiteral("2")}, QStringLiteral("kdvoran")); break;
    case 8:
        result = Update_SQL_({QStringLiteral("A = 1"), QStringLiteral("B = 'x'")}, QStringLiteral("yok"), 3,
                             QStringLiteral("SN"));
        break;
    case 9: result = Update_SimpleSQL(QStringLiteral("UPDATE yok_7 SET A = 1")) ? 1 : 0; break;
    }
    QCOMPARE(result, 0);
    QCOMPARE(report.dialogs.size(), 1);
    QCOMPARE(report.dialogs[0].label, label);
    const QString text = report.dialogs[0].text;
    const qsizetype split = text.indexOf(QStringLiteral("\r\r\n"));
    QVERIFY2(split > 0, qPrintable(text)); // the engine's message comes first
    QCOMPARE(text.mid(split + 3), sql);
    QVERIFY(report.boxes.isEmpty());
    QSqlDatabase db = Database::connection();
    QVERIFY(!SqlSupport::inTransaction(db));
}

void TestRecordHelpers::deleteRecordFailureShowsItsOwnMessage()
{
    ReportRecorder report;
    QVERIFY(!DELETE_RECORD_(QStringLiteral("yok"), 5, QStringLiteral("SN")));
    QVERIFY(report.dialogs.isEmpty());
    QCOMPARE(report.boxes.size(), 1);
    QCOMPARE(report.boxes[0].label, QStringLiteral("Hata"));
    QVERIFY2(report.boxes[0].text.startsWith(QStringLiteral("Hata Oluştu [DELETE_RECORD_] :\r\n\r\nno such table: yok_7")),
             qPrintable(report.boxes[0].text));
}

void TestRecordHelpers::failuresWithoutReportGoToTheCaller()
{
    ReportRecorder report;
    TStokValue v;
    QString error;
    QVERIFY(!GetStokValue(QStringLiteral("YOK"), QStringLiteral("x"), 0, v, &error));
    QVERIFY2(error.contains(QStringLiteral("YOK")), qPrintable(error));
    QVERIFY(report.quiet());
}

void TestRecordHelpers::emptyingAWorkTable()
{
    ReportRecorder report;
    QVERIFY(CreateTempTable(9));
    QSqlDatabase db = Database::connection();
    QVERIFY(Database::exec(db, QStringLiteral("INSERT INTO bakiyerporu (STOKKODU) VALUES ('A'), ('B')")));
    DELETE_ALL_OF_TMP_TABLE(QStringLiteral("bakiyerporu"));
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM work.bakiyerporu")).toInt(), 0);
    QVERIFY(report.quiet());

    DELETE_ALL_OF_TMP_TABLE(QStringLiteral("yok"));
    QCOMPARE(report.dialogs.size(), 1);
    QCOMPARE(report.dialogs[0].label, QStringLiteral("DELETE_ALL_OF_TMP_TABLE"));
    QVERIFY(report.dialogs[0].text.endsWith(QStringLiteral("\r\r\ndelete from work.yok")));
}

VR_TEST(TestRecordHelpers)
#include "tst_RecordHelpers.moc"
