#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

// The company list kblg (in dbs/kblg.db, the connection's main file). It has no
// key of its own: rows are addressed by SQLite's rowid.
struct CompanyRow
{
    qint64 rowId = -1;
    QString KOD;
    QString AD;
    QString SIFRE;
    QString SIFRE2;
    QString GSORU;
    bool S_SOR = false;
    QDateTime SGRS;
};

namespace CompanyList {

// Opens the connection on program directory + "dbs/kblg.db" (creating the
// folder). False with the driver's message when the file cannot be opened.
bool openConnection(QString *error);

// Creates kblg with its fixed CREATE TABLE text when missing. False when the
// table neither exists nor can be made (a damaged file, say).
bool ensureTable(QString *error = nullptr);

// All rows in storage order; empty on any error.
QList<CompanyRow> load(bool *ok = nullptr);
bool isEmpty();

// Each writes one row and returns false on a database error.
bool append(const CompanyRow &row);
bool setPassword(qint64 rowId, const QString &digest, const QString &reminder);
bool rename(qint64 rowId, const QString &name);
bool remove(qint64 rowId);
bool recordLogin(qint64 rowId, const QDateTime &when);

// The list's text for a row: name + " [ " + code + " ]", or the name alone.
QString displayText(const CompanyRow &row, bool withCode);

} // namespace CompanyList
