#pragma once

#include <QSqlDatabase>
#include <QString>

// The program's one SQLite connection. Opening it registers the Turkish text
// support on the connection:
//   collation TURKCE      ordering by the Turkish alphabet, case-insensitive first
//   collation TRNOCASE    equality and ordering ignoring Turkish case
//   function trupper(x)   Turkish upper case
//   function trfold(x)    the folding used for case-insensitive filters
// They are used inside queries only, never in a stored schema.
namespace Database {

inline constexpr char kConnectionName[] = "ZEZOREZ";

// Opens (creating when missing) the file as the connection's main database.
// Returns false with the driver's message in *error.
bool open(const QString &mainFile, QString *error, const QString &connectionName = QLatin1String(kConnectionName));
QSqlDatabase connection(const QString &connectionName = QLatin1String(kConnectionName));
bool isOpen(const QString &connectionName = QLatin1String(kConnectionName));
void close(const QString &connectionName = QLatin1String(kConnectionName));

// Attaches a file under a schema name (WAL, full sync for company files).
bool attach(QSqlDatabase &db, const QString &schema, const QString &file, QString *error);
bool detach(QSqlDatabase &db, const QString &schema);

// Registers the Turkish collations and functions on an open connection.
bool registerTurkishText(QSqlDatabase &db);

// Runs one statement; false with the driver's message on failure.
bool exec(QSqlDatabase &db, const QString &sql, QString *error = nullptr);

bool tableExists(QSqlDatabase &db, const QString &table);

} // namespace Database
