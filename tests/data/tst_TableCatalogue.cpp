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
#include <QTemporaryDir>
#include <QTest>

class TestTableCatalogue : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void perCompanyFileName_data();
    void perCompanyFileName();
    void companyFilesMatchTheSuffixLiterally_data();
    void companyFilesMatchTheSuffixLiterally();
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

void TestTableCatalogue::companyFilesMatchTheSuffixLiterally_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("one company") << "7" << QStringList({QStringLiteral("anastokgirisi_7.PX"), QStringLiteral("sirket_7.db"),
                                                        QStringLiteral("sirket_7.db-wal")});
    QTest::newRow("longer code is another company") << "17" << QStringList({QStringLiteral("sirket_17.db")});
    QTest::newRow("wildcard in a code matches nothing") << "*" << QStringList();
    QTest::newRow("question mark too") << "?" << QStringList();
    QTest::newRow("empty code") << "" << QStringList();
}

void TestTableCatalogue::companyFilesMatchTheSuffixLiterally()
{
    QFETCH(QString, code);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    for (const char *name : {"sirket_7.db", "sirket_7.db-wal", "anastokgirisi_7.PX", "sirket_17.db", "kblg.db", "not_7"}) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QStringList names;
    for (const QString &path : CompanyFiles::companyFiles(dir.path(), code))
        names << QFileInfo(path).fileName();
    QCOMPARE(names, expected);
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
