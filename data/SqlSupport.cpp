#include "data/SqlSupport.h"

#include "data/CompanyFiles.h"
#include "data/DataReport.h"
#include "data/Workspace.h"
#include "platform/AppContext.h"
#include "platform/sqlite/Database.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <sqlite3.h>

namespace SqlSupport {

QString companyTable(const QString &base)
{
    return CompanyFiles::tableName(base, appContext().companyCode);
}

QString workTable(const QString &name)
{
    return QLatin1String(Workspace::kWorkSchema) + u'.' + name;
}

QString engineMessage(const QSqlError &error)
{
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

void reportError(const QSqlError &error, const QString &sql, const QString &label)
{
    DataReport::showErrorDialog(engineMessage(error) + QStringLiteral("\r\r\n") + sql, label);
}

Currency storedCurrency(const QVariant &value)
{
    if (value.isNull())
        return {};
    bool ok = false;
    const double d = value.toDouble(&ok);
    return ok ? Currency::fromDouble(d) : Currency{};
}

QDate storedDate(const QVariant &value)
{
    if (value.isNull())
        return {};
    if (value.typeId() == QMetaType::QDate || value.typeId() == QMetaType::QDateTime)
        return value.toDate();
    // "YYYY-MM-DD", possibly followed by a time.
    return QDate::fromString(value.toString().left(10), Qt::ISODate);
}

int storedInt(const QVariant &value)
{
    if (value.isNull())
        return 0;
    return int(qRound64(value.toDouble()));
}

bool storedBool(const QVariant &value)
{
    if (value.isNull())
        return false;
    const QString text = value.toString().trimmed();
    if (text.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QStringLiteral("false"), Qt::CaseInsensitive) == 0)
        return false;
    return value.toDouble() != 0;
}

bool inTransaction(QSqlDatabase &db)
{
    if (!db.isOpen())
        return false;
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return false;
    sqlite3 *h = *static_cast<sqlite3 *const *>(v.data());
    return h && sqlite3_get_autocommit(h) == 0;
}

} // namespace SqlSupport

ReadTransaction::ReadTransaction(QSqlDatabase db)
    : m_db(db.isValid() ? db : Database::connection())
{
    if (!m_db.isOpen() || SqlSupport::inTransaction(m_db))
        return;
    m_own = Database::exec(m_db, QStringLiteral("BEGIN"));
}

ReadTransaction::~ReadTransaction()
{
    // A failed commit must not leave the connection inside the transaction.
    if (m_own && !Database::exec(m_db, QStringLiteral("COMMIT")))
        Database::exec(m_db, QStringLiteral("ROLLBACK"));
}
