#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Every per-company table with its columns in stored order, and the template
// file that new companies are copied from.
namespace TableCatalogue {

enum class ColumnType { Alpha, Number, Integer, AutoIncrement, Date, Timestamp, Logical };

struct Column
{
    QString name;
    ColumnType type;
    int size = 0; // characters, for Alpha
};

struct Index
{
    QString name;
    QStringList columns;
};

struct Table
{
    QString name; // base name, without the company suffix
    QList<Column> columns;
    QList<Index> indexes;
};

const QList<Table> &companyTables();
const Table *findTable(const QString &baseName); // case-insensitive, nullptr when unknown

// CREATE TABLE for the table under the given physical name.
QString createTableSql(const Table &table, const QString &physicalName);

// The company list; created with exactly this text when missing.
inline constexpr char kCreateKblgSql[] =
    "CREATE TABLE kblg (KOD CHAR(10),AD CHAR(30),SIFRE CHAR(50),SIFRE2 CHAR(50),GSORU CHAR(50),S_SOR BOOLEAN,SGRS TIMESTAMP);";

inline constexpr char kTemplateFileName[] = "sirket.db";

// Creates the template file in templateDir (the folder too) when it is missing.
// Written under a temporary name and renamed, so a crash leaves no half file.
bool ensureTemplateSet(const QString &templateDir, QString *error);

} // namespace TableCatalogue
