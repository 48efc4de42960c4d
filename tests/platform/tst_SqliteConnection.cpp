#include "platform/sqlite/Database.h"
#include "support/TestRegistry.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

class TestSqliteConnection : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void turkishOrderingInQueries();
    void caseInsensitiveTurkishComparison_data();
    void caseInsensitiveTurkishComparison();
    void attachedTablesAreFoundByName();
    void damagedFileOpensButReportsOnFirstRead();

private:
    QStringList column(const QString &sql);
    QTemporaryDir m_dir;
};

void TestSqliteConnection::init()
{
    QString error;
    QVERIFY2(Database::open(m_dir.filePath(QStringLiteral("ana.db")), &error), qPrintable(error));
}

void TestSqliteConnection::cleanup()
{
    Database::close();
    QFile::remove(m_dir.filePath(QStringLiteral("ana.db")));
}

QStringList TestSqliteConnection::column(const QString &sql)
{
    QStringList out;
    QSqlQuery q(Database::connection());
    if (!q.exec(sql))
        return {QStringLiteral("<error>")};
    while (q.next())
        out << q.value(0).toString();
    return out;
}

void TestSqliteConnection::turkishOrderingInQueries()
{
    QSqlDatabase db = Database::connection();
    QVERIFY(Database::exec(db, QStringLiteral("CREATE TABLE t (ad TEXT)")));
    for (const char *w : {"Zil", "çam", "Cep", "ışık", "İğne", "Ilgaz", "şal", "Sac"})
        QVERIFY(Database::exec(db, QStringLiteral("INSERT INTO t VALUES ('%1')").arg(QString::fromUtf8(w))));
    QCOMPARE(column(QStringLiteral("SELECT ad FROM t ORDER BY ad COLLATE TURKCE")),
             QStringList({QStringLiteral("Cep"), QStringLiteral("çam"), QStringLiteral("Ilgaz"),
                          QStringLiteral("ışık"), QStringLiteral("İğne"), QStringLiteral("Sac"),
                          QStringLiteral("şal"), QStringLiteral("Zil")}));
}

void TestSqliteConnection::caseInsensitiveTurkishComparison_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("equal");
    QTest::newRow("dotted i") << "istanbul" << "İSTANBUL" << true;
    QTest::newRow("dotless i") << "ılgaz" << "ILGAZ" << true;
    QTest::newRow("i is not ı") << "kil" << "KIL" << false;
    QTest::newRow("turkish letters") << "çöğüş" << "ÇÖĞÜŞ" << true;
}

void TestSqliteConnection::caseInsensitiveTurkishComparison()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, equal);
    QSqlQuery q(Database::connection());
    q.prepare(QStringLiteral("SELECT ? = ? COLLATE TRNOCASE, trfold(?) = trfold(?), trupper(?)"));
    for (const QString &v : {a, b, a, b, a})
        q.addBindValue(v);
    QVERIFY(q.exec() && q.next());
    QCOMPARE(q.value(0).toBool(), equal);
    QCOMPARE(q.value(1).toBool(), equal);
}

void TestSqliteConnection::attachedTablesAreFoundByName()
{
    QSqlDatabase db = Database::connection();
    QString error;
    QVERIFY(Database::attach(db, QStringLiteral("sirket"), m_dir.filePath(QStringLiteral("sirket_7.db")), &error));
    QVERIFY(Database::exec(db, QStringLiteral("CREATE TABLE sirket.stokhareketi_7 (GIREN REAL)")));
    QVERIFY(Database::tableExists(db, QStringLiteral("STOKHAREKETI_7")));
    QVERIFY(!Database::tableExists(db, QStringLiteral("stokhareketi_8")));
    QVERIFY(Database::exec(db, QStringLiteral("INSERT INTO stokhareketi_7 VALUES (5)")));
    QCOMPARE(column(QStringLiteral("SELECT GIREN FROM stokhareketi_7")), QStringList({QStringLiteral("5")}));
    QVERIFY(Database::detach(db, QStringLiteral("sirket")));
}

void TestSqliteConnection::damagedFileOpensButReportsOnFirstRead()
{
    Database::close();
    const QString path = m_dir.filePath(QStringLiteral("bozuk.db"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(8192, 'x'));
    f.close();
    QString error;
    Database::open(path, &error);
    QVERIFY(!error.isEmpty());
    QSqlDatabase db = Database::connection();
    QVERIFY(!Database::tableExists(db, QStringLiteral("kblg")));
    QVERIFY(!Database::exec(db, QStringLiteral("CREATE TABLE kblg (KOD CHAR(10))")));
}

VR_TEST(TestSqliteConnection)
#include "tst_SqliteConnection.moc"
