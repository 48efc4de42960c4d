#include "ReportRecorder.h"

#include "data/TDATAMOD_TMP.h"
#include "data/WorkTables.h"
#include "platform/AppContext.h"
#include "platform/sqlite/Database.h"
#include "support/TestProgramDir.h"
#include "support/TestRegistry.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

#include <memory>

namespace {

QStringList workColumns(const QString &table)
{
    QStringList names;
    QSqlQuery q(Database::connection());
    q.prepare(QStringLiteral("SELECT name FROM pragma_table_info(?, 'work')"));
    q.addBindValue(table);
    if (q.exec())
        while (q.next())
            names << q.value(0).toString();
    return names;
}

int rowCount(const QString &table)
{
    QSqlQuery q(Database::connection());
    if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM work.\"%1\"").arg(table)) || !q.next())
        return -1;
    return q.value(0).toInt();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

const QStringList kSections = {QStringLiteral("tmpfaturaalt"),      QStringLiteral("tmppert_oto_kayit"),
                               QStringLiteral("tmppert_pers_ozet"), QStringLiteral("tmphizli_hareket"),
                               QStringLiteral("tmpbanka_ozet"),     QStringLiteral("tmpozet1"),
                               QStringLiteral("tmpozet0"),          QStringLiteral("tmpodeme_raporu1"),
                               QStringLiteral("tmpstokrapor"),      QStringLiteral("tmpsmslist"),
                               QStringLiteral("tmpozet2"),          QStringLiteral("tmpStok")};

} // namespace

class TestWorkTables : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void readSection_data();
    void readSection();
    void firstUseWritesTheScript();
    void createTempTable_data();
    void createTempTable();
    void otherNumbersTouchNothing_data();
    void otherNumbersTouchNothing();
    void userEditedScriptIsHonoured();
    void malformedSectionFailsSilently();
    void tableStillReadIsNotDropped_data();
    void tableStillReadIsNotDropped();
    void quickLineTotalsFollowTheTable();

private:
    std::unique_ptr<TestProgramDir> m_dir;
};

void TestWorkTables::init()
{
    m_dir = std::make_unique<TestProgramDir>();
    QVERIFY(m_dir->openCompanyList());
    QVERIFY(m_dir->createCompany(QStringLiteral("7"), QStringLiteral("Firma"), QStringLiteral("x")));
    QVERIFY(m_dir->enterCompany(QStringLiteral("7")));
}

void TestWorkTables::cleanup()
{
    m_dir.reset();
}

void TestWorkTables::readSection_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expected");
    QTest::newRow("lines between the markers")
        << QByteArray("x\r\n<s>\r\na\r\n  b\r\n</s>\r\ny") << "a\r\n  b\r\n";
    QTest::newRow("empty section") << QByteArray("<s>\r\n</s>") << "";
    QTest::newRow("missing opening marker") << QByteArray("a\r\n</s>\r\n") << "";
    QTest::newRow("missing file text") << QByteArray() << "";
    QTest::newRow("closing marker first ends the walk") << QByteArray("</s>\r\n<s>\r\na\r\n</s>") << "";
    QTest::newRow("stops at the first closing marker")
        << QByteArray("<s>\r\na\r\n</s>\r\n<s>\r\nb\r\n</s>") << "a\r\n";
    QTest::newRow("no closing marker: to the end") << QByteArray("<s>\r\na\r\nb") << "a\r\nb\r\n";
    QTest::newRow("markers compare case-sensitively") << QByteArray("<S>\r\na\r\n</S>\r\n") << "";
    QTest::newRow("markers compare whole lines") << QByteArray("<s> \r\na\r\n</s>x\r\nb\r\n</s>") << "";
    QTest::newRow("reading stops at NUL") << QByteArrayLiteral("<s>\r\na\r\n\0\0b\r\n</s>") << "a\r\n";
    QTest::newRow("LF line ends") << QByteArray("<s>\na\nb\n</s>\n") << "a\r\nb\r\n";
    QTest::newRow("code page 1254") << QByteArray("<s>\r\n\xDD\xFE\xF0\xFD\r\n</s>") << "İşğı\r\n";
    QTest::newRow("UTF-8 with a byte-order mark")
        << QByteArray("\xEF\xBB\xBF<s>\r\n\xC4\xB0\xC5\x9F\r\n</s>") << "İş\r\n";
}

void TestWorkTables::readSection()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, expected);
    QVERIFY(writeFile(m_dir->file(QStringLiteral("bolum.txt")), file));
    QCOMPARE(ReadSection(QStringLiteral("<s>"), QStringLiteral("</s>"), QStringLiteral("bolum.txt")), expected);
    QCOMPARE(ReadSection(QStringLiteral("<s>"), QStringLiteral("</s>"), QStringLiteral("yok.txt")), QString());
}

void TestWorkTables::firstUseWritesTheScript()
{
    const QString script = m_dir->file(QStringLiteral("sql.sql"));
    QVERIFY(!QFile::exists(script));
    QVERIFY(CreateTempTable(4));

    QFile written(script);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    QFile embedded(QStringLiteral(":/sql.sql"));
    QVERIFY(embedded.open(QIODevice::ReadOnly));
    QCOMPARE(bytes, embedded.readAll());
    QVERIFY(bytes.endsWith(QByteArrayLiteral("\r\n</tmpStok>\0\0")));
    QVERIFY(!bytes.contains("\n\n")); // every line end is CR LF
    for (const QString &s : kSections) {
        const QString text = ReadSection(u'<' + s + u'>', QStringLiteral("</") + s + u'>', QStringLiteral("sql.sql"));
        QVERIFY2(text.startsWith(QStringLiteral("CREATE TABLE \"")), qPrintable(s));
        QVERIFY2(text.endsWith(QStringLiteral(");\r\n")), qPrintable(s));
    }
    QCOMPARE(workColumns(QStringLiteral("HizliHarket")).size(), 17);
}

void TestWorkTables::createTempTable_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("firstColumn");
    QTest::addColumn<int>("columns");
    QTest::newRow("1") << 1 << "fatura_alt_bilgi" << "OTOSN" << 18;
    QTest::newRow("4") << 4 << "HizliHarket" << "BARKODNO" << 17;
    QTest::newRow("6") << 6 << "Ozet_Rapor1" << "ADI_SOYADI" << 3;
    QTest::newRow("7") << 7 << "ozet_rapor" << "MUSTERI_NO" << 10;
    QTest::newRow("8") << 8 << "odeme_rapo" << "BASLANGIC" << 4;
    QTest::newRow("9") << 9 << "bakiyerporu" << "REC_ID" << 14;
    QTest::newRow("11") << 11 << "ozet_rapor2" << "GIZLI_SN" << 8;
    QTest::newRow("12") << 12 << "StokTMP" << "REC_ID" << 13;
}

void TestWorkTables::createTempTable()
{
    QFETCH(int, n);
    QFETCH(QString, table);
    QFETCH(QString, firstColumn);
    QFETCH(int, columns);
    ReportRecorder report;
    QVERIFY(CreateTempTable(n));
    const QStringList names = workColumns(table);
    QCOMPARE(names.size(), columns);
    QCOMPARE(names.first(), firstColumn);

    // A second request gives the table back empty.
    QSqlQuery q(Database::connection());
    QVERIFY2(q.exec(QStringLiteral("INSERT INTO work.\"%1\" (%2) VALUES (NULL)").arg(table, names.last())),
             qPrintable(q.lastError().text()));
    QCOMPARE(rowCount(table), 1);
    QVERIFY(CreateTempTable(n));
    QCOMPARE(rowCount(table), 0);

    // Work tables live in the work file, not beside the company list.
    QSqlDatabase db = Database::connection();
    QVERIFY(!db.tables().contains(table, Qt::CaseInsensitive));
    QVERIFY(report.quiet());
}

void TestWorkTables::otherNumbersTouchNothing_data()
{
    QTest::addColumn<int>("n");
    for (int n : {0, 2, 3, 5, 10, 13, -1})
        QTest::newRow(qPrintable(QString::number(n))) << n;
}

void TestWorkTables::otherNumbersTouchNothing()
{
    QFETCH(int, n);
    ReportRecorder report;
    QVERIFY(!CreateTempTable(n));
    QVERIFY(!QFile::exists(m_dir->file(QStringLiteral("sql.sql"))));
    QSqlQuery q(Database::connection());
    QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM work.sqlite_schema")));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 0);
    QVERIFY(report.quiet());
}

void TestWorkTables::userEditedScriptIsHonoured()
{
    QVERIFY(writeFile(m_dir->file(QStringLiteral("sql.sql")),
                      QByteArrayLiteral("<tmphizli_hareket>\r\nCREATE TABLE \"HizliHarket\" (\r\nBARKODNO CHAR(25),\r\n"
                                        "EK_ALAN CHAR(10),\r\nKRITIK BOOLEAN);\r\n</tmphizli_hareket>\0\0")));
    QVERIFY(CreateTempTable(4));
    QCOMPARE(workColumns(QStringLiteral("HizliHarket")),
             QStringList({QStringLiteral("BARKODNO"), QStringLiteral("EK_ALAN"), QStringLiteral("KRITIK")}));
}

void TestWorkTables::malformedSectionFailsSilently()
{
    ReportRecorder report;
    QVERIFY(CreateTempTable(9));
    QVERIFY(writeFile(m_dir->file(QStringLiteral("sql.sql")), QByteArray("<tmpstokrapor>\r\nCREATE TABLE\r\n")));
    QVERIFY(!CreateTempTable(9));
    QVERIFY(!CreateTempTable(4)); // no section at all
    QVERIFY(report.quiet());
    // The old table went anyway, as its file would have.
    QVERIFY(workColumns(QStringLiteral("bakiyerporu")).isEmpty());
}

void TestWorkTables::tableStillReadIsNotDropped_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("message");
    QTest::newRow("quick entry lines") << 4 << "HizliHarket" << "Dosya silinemedi. \"\\HizliHarket.db\"";
    QTest::newRow("SMS hint") << 11 << "ozet_rapor2"
                              << "Dosya silinemedi. \"\\ozet_rapor2.db\"\r\nSMS Gönderme formu açık olabilir.";
}

void TestWorkTables::tableStillReadIsNotDropped()
{
    QFETCH(int, n);
    QFETCH(QString, table);
    QFETCH(QString, message);
    ReportRecorder report;
    QVERIFY(CreateTempTable(n));
    const QString column = workColumns(table).first();
    QSqlDatabase db = Database::connection();
    QVERIFY(Database::exec(db, QStringLiteral("INSERT INTO work.\"%1\" (%2) VALUES (1), (2), (3)").arg(table, column)));

    {
        // Another screen is in the middle of reading the table.
        QSqlQuery reader(db);
        reader.setForwardOnly(true);
        QVERIFY(reader.exec(QStringLiteral("SELECT * FROM \"%1\"").arg(table)));
        QVERIFY(reader.next());
        QVERIFY(!CreateTempTable(n));
        QCOMPARE(report.boxes.size(), 1);
        QCOMPARE(report.boxes[0].text, message);
        QVERIFY(report.dialogs.isEmpty());
        QCOMPARE(rowCount(table), 3);
    }
    QVERIFY(CreateTempTable(n));
    QCOMPARE(rowCount(table), 0);
}

void TestWorkTables::quickLineTotalsFollowTheTable()
{
    TDATAMOD_TMP module;
    QuickLineTotals totals;
    QVERIFY(CreateTempTable(4));
    QVERIFY(readQuickLineTotals(module, totals));
    QCOMPARE(totals.TUTAR, Currency());

    QSqlQuery q(Database::connection());
    QVERIFY(q.exec(QStringLiteral("INSERT INTO work.HizliHarket (STOK_KODU, ISK_TUT, KDV_TUT, TUTAR) VALUES "
                                  "('A', 1.25, 18, 118), ('B', 0, 0.5, 10.5)")));
    QVERIFY(readQuickLineTotals(module, totals));
    QCOMPARE(totals.ISK_TUT, Currency::fromScaled(12500));
    QCOMPARE(totals.KDV_TUT, Currency::fromScaled(185000));
    QCOMPARE(totals.TUTAR, Currency::fromScaled(1285000));

    // The dataset that lists the lines reads the same table.
    QVERIFY(q.exec(module.thzhareket->selectText()));
    QCOMPARE(q.record().count(), 17);

    QVERIFY(q.exec(QStringLiteral("DELETE FROM work.HizliHarket WHERE STOK_KODU = 'A'")));
    QVERIFY(readQuickLineTotals(module, totals));
    QCOMPARE(totals.TUTAR, Currency::fromScaled(105000));
}

VR_TEST(TestWorkTables)
#include "tst_WorkTables.moc"
