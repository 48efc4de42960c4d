#pragma once

#include <QString>
#include <QStringList>

// The company's own particulars, the one row of its table firmablg.
namespace CompanyInfoTable {

// The columns in the order the dialog shows them.
const QStringList &columns();

struct Reading
{
    bool ok = false;
    bool hasRow = false;
    QStringList values; // one per column, empty texts when there is no row
    QString error;
};

Reading read(const QString &table);

// Writes the values (one per column) into the first row, or stores the row
// when the table is empty.
bool write(const QString &table, const QStringList &values, QString *error);

} // namespace CompanyInfoTable
