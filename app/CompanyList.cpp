#include "app/CompanyList.h"

#include "data/TableCatalogue.h"
#include "platform/AppContext.h"
#include "platform/sqlite/Database.h"

#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace CompanyList {

namespace {

bool run(const QString &sql, const QVariantList &values)
{
    QSqlQuery q(Database::connection());
    if (!q.prepare(sql))
        return false;
    for (const QVariant &v : values)
        q.addBindValue(v);
    return q.exec();
}

} // namespace

bool openConnection(QString *error)
{
    const QString dir = appContext().dataDir();
    QDir().mkpath(dir);
    return Database::open(dir + QStringLiteral("/kblg.db"), error);
}

bool ensureTable(QString *error)
{
    QSqlDatabase db = Database::connection();
    if (!db.isOpen())
        return false;
    if (Database::tableExists(db, QStringLiteral("kblg")))
        return true;
    return Database::exec(db, QString::fromLatin1(TableCatalogue::kCreateKblgSql), error);
}

QList<CompanyRow> load(bool *ok)
{
    QList<CompanyRow> rows;
    QSqlQuery q(Database::connection());
    const bool ran = q.exec(QStringLiteral("SELECT rowid, KOD, AD, SIFRE, SIFRE2, GSORU, S_SOR, SGRS FROM kblg ORDER BY rowid"));
    while (ran && q.next()) {
        CompanyRow r;
        r.rowId = q.value(0).toLongLong();
        r.KOD = q.value(1).toString();
        r.AD = q.value(2).toString();
        r.SIFRE = q.value(3).toString();
        r.SIFRE2 = q.value(4).toString();
        r.GSORU = q.value(5).toString();
        const QVariant s = q.value(6);
        r.S_SOR = s.toString().compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0 || s.toInt() != 0;
        r.SGRS = QDateTime::fromString(q.value(7).toString(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        rows.append(r);
    }
    if (ok)
        *ok = ran;
    return rows;
}

bool isEmpty()
{
    QSqlQuery q(Database::connection());
    return !(q.exec(QStringLiteral("SELECT 1 FROM kblg LIMIT 1")) && q.next());
}

bool append(const CompanyRow &row)
{
    return run(QStringLiteral("INSERT INTO kblg (KOD, AD, SIFRE, SIFRE2, GSORU, S_SOR, SGRS) VALUES (?, ?, ?, ?, ?, ?, ?)"),
               {row.KOD, row.AD, row.SIFRE, row.SIFRE2.isEmpty() ? QVariant() : QVariant(row.SIFRE2), row.GSORU,
                row.S_SOR ? 1 : 0,
                row.SGRS.isValid() ? QVariant(row.SGRS.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))) : QVariant()});
}

bool setPassword(qint64 rowId, const QString &digest, const QString &reminder)
{
    return run(QStringLiteral("UPDATE kblg SET SIFRE = ?, GSORU = ?, S_SOR = 1 WHERE rowid = ?"),
               {digest, reminder, rowId});
}

bool rename(qint64 rowId, const QString &name)
{
    return run(QStringLiteral("UPDATE kblg SET AD = ? WHERE rowid = ?"), {name, rowId});
}

bool remove(qint64 rowId)
{
    return run(QStringLiteral("DELETE FROM kblg WHERE rowid = ?"), {rowId});
}

bool recordLogin(qint64 rowId, const QDateTime &when)
{
    return run(QStringLiteral("UPDATE kblg SET SGRS = ? WHERE rowid = ?"),
               {when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), rowId});
}

QString displayText(const CompanyRow &row, bool withCode)
{
    return withCode ? row.AD + QStringLiteral(" [ ") + row.KOD + QStringLiteral(" ]") : row.AD;
}

} // namespace CompanyList
