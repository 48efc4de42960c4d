#include "stock/definitions/VatRateTable.h"

#include "platform/sqlite/Database.h"

#include <QSqlError>
#include <QSqlQuery>

namespace VatRateTable {

namespace {

QVariant bound(std::optional<Currency> rate)
{
    return rate ? QVariant(rate->toDouble()) : QVariant(QMetaType(QMetaType::Double));
}

} // namespace

Reading read(const QString &table)
{
    Reading r;
    QSqlQuery q(Database::connection());
    if (!q.exec(QStringLiteral("SELECT KDV_ORANI FROM \"%1\" ORDER BY rowid LIMIT 1").arg(table))) {
        r.error = q.lastError().text();
        return r;
    }
    r.ok = true;
    if (q.next()) {
        r.hasRow = true;
        if (!q.value(0).isNull())
            r.rate = Currency::fromDouble(q.value(0).toDouble());
    }
    return r;
}

bool write(const QString &table, std::optional<Currency> rate, QString *error)
{
    // One statement either way, so it commits (and reaches the disk) on its own.
    QSqlQuery q(Database::connection());
    q.prepare(QStringLiteral("UPDATE \"%1\" SET KDV_ORANI = ? WHERE rowid = (SELECT min(rowid) FROM \"%1\")").arg(table));
    q.addBindValue(bound(rate));
    if (q.exec() && q.numRowsAffected() > 0)
        return true;
    if (q.lastError().isValid()) {
        if (error)
            *error = q.lastError().text();
        return false;
    }
    q.prepare(QStringLiteral("INSERT INTO \"%1\" (KDV_ORANI) VALUES (?)").arg(table));
    q.addBindValue(bound(rate));
    if (q.exec())
        return true;
    if (error)
        *error = q.lastError().text();
    return false;
}

} // namespace VatRateTable
