#include "platform/sqlite/Database.h"

#include "platform/text/TurkishText.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <sqlite3.h>

namespace {

QString textArg(const void *data, int bytes)
{
    return QString::fromUtf8(static_cast<const char *>(data), bytes);
}

int turkishCollation(void *, int la, const void *a, int lb, const void *b)
{
    return trCompare(textArg(a, la), textArg(b, lb));
}

int turkishNoCase(void *, int la, const void *a, int lb, const void *b)
{
    return QString::compare(trFold(textArg(a, la)), trFold(textArg(b, lb)));
}

void resultText(sqlite3_context *ctx, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_result_text(ctx, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

void applyText(sqlite3_context *ctx, sqlite3_value *v, QString (*fn)(const QString &))
{
    if (sqlite3_value_type(v) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto *text = sqlite3_value_text(v);
    resultText(ctx, fn(QString::fromUtf8(reinterpret_cast<const char *>(text), sqlite3_value_bytes(v))));
}

void trUpperFn(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    applyText(ctx, argv[0], TRUpperCase);
}

void trFoldFn(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    applyText(ctx, argv[0], trFold);
}

sqlite3 *handleOf(QSqlDatabase &db)
{
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(v.data());
}

} // namespace

namespace Database {

bool registerTurkishText(QSqlDatabase &db)
{
    sqlite3 *h = handleOf(db);
    if (!h)
        return false;
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    return sqlite3_create_collation(h, "TURKCE", SQLITE_UTF8, nullptr, turkishCollation) == SQLITE_OK
        && sqlite3_create_collation(h, "TRNOCASE", SQLITE_UTF8, nullptr, turkishNoCase) == SQLITE_OK
        && sqlite3_create_function(h, "trupper", 1, flags, nullptr, trUpperFn, nullptr, nullptr) == SQLITE_OK
        && sqlite3_create_function(h, "trfold", 1, flags, nullptr, trFoldFn, nullptr, nullptr) == SQLITE_OK;
}

bool open(const QString &mainFile, QString *error, const QString &connectionName)
{
    close(connectionName);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(mainFile);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db.open()) {
        if (error)
            *error = db.lastError().text();
        return false;
    }
    registerTurkishText(db);
    // A damaged file opens without complaint; the first read tells.
    QString readError;
    if (!exec(db, QStringLiteral("PRAGMA journal_mode=WAL"), &readError)
        || !exec(db, QStringLiteral("PRAGMA synchronous=FULL"), &readError)) {
        if (error)
            *error = readError;
        return true; // the connection stays usable for what the caller reports next
    }
    return true;
}

QSqlDatabase connection(const QString &connectionName)
{
    return QSqlDatabase::database(connectionName, false);
}

bool isOpen(const QString &connectionName)
{
    return QSqlDatabase::contains(connectionName) && QSqlDatabase::database(connectionName, false).isOpen();
}

void close(const QString &connectionName)
{
    if (!QSqlDatabase::contains(connectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

bool attach(QSqlDatabase &db, const QString &schema, const QString &file, QString *error)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("ATTACH DATABASE ? AS ") + schema);
    q.addBindValue(file);
    if (!q.exec()) {
        if (error)
            *error = q.lastError().text();
        return false;
    }
    exec(db, QStringLiteral("PRAGMA %1.journal_mode=WAL").arg(schema));
    exec(db, QStringLiteral("PRAGMA %1.synchronous=FULL").arg(schema));
    return true;
}

bool detach(QSqlDatabase &db, const QString &schema)
{
    return exec(db, QStringLiteral("DETACH DATABASE ") + schema);
}

bool exec(QSqlDatabase &db, const QString &sql, QString *error)
{
    QSqlQuery q(db);
    if (q.exec(sql))
        return true;
    if (error)
        *error = q.lastError().text();
    return false;
}

bool tableExists(QSqlDatabase &db, const QString &table)
{
    QSqlQuery q(db);
    // Looks in the main file and every attached one.
    q.prepare(QStringLiteral("SELECT 1 FROM pragma_table_list WHERE type='table' AND name=? COLLATE NOCASE"));
    q.addBindValue(table);
    if (!q.exec())
        return false;
    return q.next();
}

} // namespace Database
