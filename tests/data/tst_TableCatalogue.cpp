#include "data/CompanyFiles.h"
#include "data/TableCatalogue.h"
#include "platform/sqlite/Database.h"
#include "support/TestProgramDir.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

class TestTableCatalogue : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void perCompanyFileName_data();
    void perCompanyFileName();
    void templateHasEveryTableInStoredOrder();
    void companyTablesAcceptRowsInStoredOrder();
    void templateIsNotRecreatedWhenPresent();
};

void TestTableCatalogue::perCompanyFileName_data()
{
    QTest::addColumn<QString>("templateName");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("expected");
    QTest::newRow("table file") << "anastokgirisi.DB" << "5" << "anastokgirisi_5.DB";
    QTest::newRow("index file") << "anastokgirisi.PX" << "5" << "anastokgirisi_5.PX";
    QTest::newRow("split at first dot") << "stok.hareket.X01" << "12" << "stok_12.hareket.X01";
    QTest::newRow("no dot") << "kasa" << "7" << "_7kasa";
    QTest::newRow("sqlite template") << "sirket.db" << "2147483647" << "sirket_2147483647.db";
}

void TestTableCatalogue::perCompanyFileName()
{
    QFETCH(QString, templateName);
    QFETCH(QString, code);
    QFETCH(QString, expected);
    QCOMPARE(CompanyFiles::perCompanyFileName(templateName, code), expected);
}

void TestTableCatalogue::templateHasEveryTableInStoredOrder()
{
    TestProgramDir dir;
    const QString file = dir.file(QStringLiteral("KaynakVeri/sirket.db"));
    QVERIFY(QFile::exists(file));
    QString error;
    QVERIFY(Database::open(file, &error, QStringLiteral("check")));
    {
        QSqlDatabase db = Database::connection(QStringLiteral("check"));
        for (const auto &table : TableCatalogue::companyTables()) {
            const QSqlRecord rec = db.record(table.name);
            QCOMPARE(rec.count(), table.columns.size());
            for (int i = 0; i < rec.count(); ++i)
                QCOMPARE(rec.fieldName(i), table.columns[i].name);
        }
    }
    Database::close(QStringLiteral("check"));
}

void TestTableCatalogue::companyTablesAcceptRowsInStoredOrder()
{
    TestProgramDir dir;
    QVERIFY(dir.openCompanyList());
    QVERIFY(dir.createCompany(QStringLiteral("7"), QStringLiteral("Deneme"), QStringLiteral("x")));
    QVERIFY(dir.enterCompany(QStringLiteral("7")));
    QSqlQuery q(Database::connection());
    QVERIFY2(q.exec(QStringLiteral("INSERT INTO anastokgirisi_7 VALUES(1,'A1','Vida','ADET','S','G','','','',"
                                   "1.5,2,3,4,10,18,0,'','','',10,15,'R1','G1','8690000000001','2018-03-05')")),
             qPrintable(q.lastError().text()));
    QVERIFY(q.exec(QStringLiteral("SELECT CINSI, FIYAT1, KYTR FROM anastokgirisi_7 WHERE STOK_KODU='A1'")));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("Vida"));
    QCOMPARE(q.value(1).toDouble(), 1.5);
    QCOMPARE(q.value(2).toString(), QStringLiteral("2018-03-05"));
}

void TestTableCatalogue::templateIsNotRecreatedWhenPresent()
{
    TestProgramDir dir;
    const QString file = dir.file(QStringLiteral("KaynakVeri/sirket.db"));
    const QDateTime before = QFileInfo(file).lastModified();
    QString error;
    QVERIFY(TableCatalogue::ensureTemplateSet(dir.file(QStringLiteral("KaynakVeri")), &error));
    QCOMPARE(QFileInfo(file).lastModified(), before);
}

VR_TEST(TestTableCatalogue)
#include "tst_TableCatalogue.moc"
