#include "data/RecordHelpers.h"

#include "data/DataReport.h"
#include "data/SqlSupport.h"
#include "platform/sqlite/Database.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

using namespace SqlSupport;

namespace {

QSqlDatabase db()
{
    return Database::connection();
}

// Runs a statement that returns at most what its first row says; the query is
// finished before returning so no read lock outlives the routine.
// With an empty label the failure is only handed back in *error.
bool firstRow(QSqlQuery &q, const QString &sql, QVariantList *row, const QString &label, QSqlError *error = nullptr)
{
    q.setForwardOnly(true);
    if (!q.exec(sql)) {
        const QSqlError err = q.lastError();
        q.finish();
        if (error)
            *error = err;
        if (!label.isEmpty())
            reportError(err, sql, label);
        return false;
    }
    row->clear();
    if (q.next())
        for (int i = 0; i < q.record().count(); ++i)
            row->append(q.value(i));
    q.finish();
    return true;
}

bool run(const QString &sql, const QString &label)
{
    QSqlQuery q(db());
    if (q.exec(sql))
        return true;
    const QSqlError err = q.lastError();
    q.finish();
    reportError(err, sql, label);
    return false;
}

int countOf(const QString &sql, const QString &label)
{
    QSqlQuery q(db());
    QVariantList row;
    if (!firstRow(q, sql, &row, label) || row.isEmpty())
        return 0;
    return storedInt(row.first());
}

QString filterOperator(int op)
{
    switch (op) {
    case 1: return QStringLiteral(" != ");
    case 2: return QStringLiteral(" Like ");
    default: return QStringLiteral(" = ");
    }
}

} // namespace

int GetRecID(const QString &counterTable)
{
    static const QString kLabel = QStringLiteral("GetRecID");
    QSqlDatabase conn = db();
    const QString table = companyTable(counterTable);
    // Inside a caller's batch the number belongs to that batch; on its own it
    // is committed at once, so a crash between read and write cannot repeat it.
    const bool own = !inTransaction(conn);
    const QString begin = own ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("SAVEPOINT GetRecID");
    const QString commit = own ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE GetRecID");

    QSqlQuery q(conn);
    q.setForwardOnly(true);
    QString sql = begin;
    auto fail = [&]() {
        const QSqlError err = q.lastError();
        q.finish();
        if (sql != begin) {
            if (own) {
                Database::exec(conn, QStringLiteral("ROLLBACK"));
            } else {
                Database::exec(conn, QStringLiteral("ROLLBACK TO GetRecID"));
                Database::exec(conn, QStringLiteral("RELEASE GetRecID"));
            }
        }
        reportError(err, sql, kLabel);
        return 0;
    };

    if (!q.exec(sql))
        return fail();
    sql = QStringLiteral("Select REC_ID from ") + table;
    if (!q.exec(sql))
        return fail();
    int n = 1;
    const bool hasRow = q.next();
    if (hasRow)
        n = storedInt(q.value(0)) + 1;
    q.finish();
    sql = hasRow ? QString(QStringLiteral("Update ") + table + QStringLiteral(" SET REC_ID = ") + QString::number(n))
                 : QString(QStringLiteral("Insert Into ") + table + QStringLiteral(" Values(1)"));
    if (!q.exec(sql))
        return fail();
    sql = commit;
    if (!q.exec(sql))
        return fail();
    return n;
}

int GetRecordIDValue(const QString &counterTable)
{
    return countOf(QStringLiteral("SELECT REC_ID FROM ") + companyTable(counterTable),
                   QStringLiteral("GetRecordIDValue"));
}

bool GetLastRecordInf(const QString &table, const QString &columnA, const QString &columnB,
                      const QString &keyColumn, QString *a, QString *b)
{
    const int n = GetRecordIDValue(QStringLiteral("ref_") + table);
    const QString sql = QStringLiteral("SELECT ") + columnA + QStringLiteral(", ") + columnB + QStringLiteral(" FROM ")
        + companyTable(table) + QStringLiteral(" Where ") + keyColumn + QStringLiteral(" = ") + QString::number(n);
    QSqlQuery q(db());
    QVariantList row;
    if (!firstRow(q, sql, &row, QStringLiteral("GetLastRecordInf")))
        return false;
    if (a)
        *a = row.isEmpty() ? QString() : row.at(0).toString();
    if (b)
        *b = row.isEmpty() ? QString() : row.at(1).toString();
    return !row.isEmpty();
}

Currency GetFieldValueR(const QString &table, const QString &keyColumn, const QString &key,
                        const QString &valueColumn, qint64 keyNumber)
{
    const QString value = keyNumber < 1 ? quoteSql(key) : QString::number(keyNumber);
    const QString sql = QStringLiteral("SELECT  ") + valueColumn + QStringLiteral(" FROM ") + companyTable(table)
        + QStringLiteral(" WHERE ") + keyColumn + QStringLiteral(" = ") + value;
    QSqlQuery q(db());
    QVariantList row;
    if (!firstRow(q, sql, &row, QStringLiteral("GetFieldValueR")) || row.isEmpty())
        return {};
    return storedCurrency(row.first());
}

static int sqlFilter(const QString &literal, const QString &column, const QString &table, int op)
{
    return countOf(QStringLiteral("SELECT COUNT(*) AS RECC FROM ") + companyTable(table) + QStringLiteral(" WHERE ")
                       + column + filterOperator(op) + literal,
                   QStringLiteral("SQLFILTER"));
}

int SQLFILTER(const QString &value, const QString &column, const QString &table, int op)
{
    return sqlFilter(quoteSql(value), column, table, op);
}

int SQLFILTER(qint64 value, const QString &column, const QString &table, int op)
{
    return sqlFilter(QString::number(value), column, table, op);
}

int RCRD_CNT(const QString &table, const QString &condition)
{
    QString sql = QStringLiteral("SELECT count(*) as RECCNT FROM ") + companyTable(table);
    if (!condition.isEmpty())
        sql += u'\n' + condition;
    return countOf(sql, QStringLiteral("RCRD_CNT"));
}

int InsertSQL(const QStringList &values, const QString &table, const QString &columns)
{
    const QString sql = QStringLiteral("INSERT INTO ") + companyTable(table) + columns + QStringLiteral(" VALUES( \n")
        + values.join(QStringLiteral(",\n")) + QStringLiteral("\n);");
    return run(sql, QStringLiteral("InsertSQL")) ? 1 : 0;
}

int Update_SQL_(const QStringList &items, const QString &table, qint64 key, const QString &keyColumn)
{
    const QString sql = QStringLiteral("UPDATE ") + companyTable(table) + QStringLiteral(" SET\n")
        + items.join(QStringLiteral(",\n")) + QStringLiteral("\nWhere ") + keyColumn + QStringLiteral(" = ")
        + QString::number(key);
    return run(sql, QStringLiteral("Update_SQL_")) ? 1 : 0;
}

bool Update_SimpleSQL(const QString &sql)
{
    return run(sql, QStringLiteral("Update_SimpleSQL"));
}

bool DELETE_RECORD_(const QString &table, qint64 key, const QString &keyColumn)
{
    const QString sql = QStringLiteral("delete from ") + companyTable(table) + QStringLiteral(" where ") + keyColumn
        + QStringLiteral(" = ") + QString::number(key);
    QSqlQuery q(db());
    if (q.exec(sql))
        return true;
    DataReport::showErrorBox(QStringLiteral("Hata"),
                             QStringLiteral("Hata Oluştu [DELETE_RECORD_] :\r\n\r\n") + engineMessage(q.lastError()));
    return false;
}

void DELETE_ALL_OF_TMP_TABLE(const QString &workTableName)
{
    run(QStringLiteral("delete from ") + workTable(workTableName), QStringLiteral("DELETE_ALL_OF_TMP_TABLE"));
}

bool GetStokValue(const QString &column, const QString &value, int priceChoice, TStokValue &out, QString *error)
{
    out = TStokValue{};
    const QString sql = QStringLiteral("SELECT OTOSN,STOK_KODU,CINSI,FIYAT1,FIYAT2,FIYAT3,FIYAT4,BIRIMI,KDV,ISKONTO,"
                                       "BARKODNO FROM ")
        + companyTable(QStringLiteral("anastokgirisi")) + QStringLiteral(" where ") + column + QStringLiteral(" = ")
        + quoteSql(value);
    QSqlQuery q(db());
    QVariantList row;
    QSqlError err;
    if (!firstRow(q, sql, &row, {}, &err)) {
        if (error)
            *error = engineMessage(err);
        return false;
    }
    if (row.isEmpty())
        return true;
    out.OTOSN = storedInt(row.at(0));
    out.STOK_KODU = row.at(1).toString();
    out.CINSI = row.at(2).toString();
    // Price choice 1..3 picks FIYAT2..FIYAT4 (columns 4..6); anything else FIYAT1.
    const int priceColumn = priceChoice >= 1 && priceChoice <= 3 ? 3 + priceChoice : 3;
    out.FIYAT1 = storedCurrency(row.at(priceColumn));
    out.BIRIMI = row.at(7).toString();
    out.KDV = storedCurrency(row.at(8));
    out.ISKONTO = storedCurrency(row.at(9));
    out.BARKODNO = row.at(10).toString();
    return true;
}
