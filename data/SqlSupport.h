#pragma once

#include "platform/number/Currency.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>

class QSqlError;
class QVariant;

// Small pieces shared by the record routines, the stock figures and the work tables.
namespace SqlSupport {

// The active company's physical name of a table: base + "_" + company code.
QString companyTable(const QString &base);
// A work table, addressed in the attached work file.
QString workTable(const QString &name);

// The engine's own message of a failed statement (the driver's wording only when there is none).
QString engineMessage(const QSqlError &error);

// The error report of the record routines: the error dialog with the message,
// "\r\r\n", the full SQL text, and the routine's name as its label.
void reportError(const QSqlError &error, const QString &sql, const QString &label);

// Stored values as the program holds them: numbers x 10000 rounded, dates from
// ISO text, NULL as zero or empty.
Currency storedCurrency(const QVariant &value);
QDate storedDate(const QVariant &value);
int storedInt(const QVariant &value);
bool storedBool(const QVariant &value);

// Whether a transaction is open on the connection (SQLite's autocommit is off).
bool inTransaction(QSqlDatabase &db);

} // namespace SqlSupport

// Holds one read transaction around many statements, so they see one snapshot
// and SQLite takes its locks once. Joins a transaction that is already open
// instead of starting one; ends its own on destruction.
class ReadTransaction
{
public:
    explicit ReadTransaction(QSqlDatabase db = {});
    ~ReadTransaction();
    ReadTransaction(const ReadTransaction &) = delete;
    ReadTransaction &operator=(const ReadTransaction &) = delete;

private:
    QSqlDatabase m_db;
    bool m_own = false;
};
