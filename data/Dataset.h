#pragma once

#include <QObject>
#include <QString>

// One preconfigured table or query of a data module. The tag says how the
// workspace step treats it: 2 = table whose name gets "_" + company code,
// 3 = query whose text has "%userid" replaced by the code, 5 = query written
// at run time, 0 = left alone.
class Dataset : public QObject
{
    Q_OBJECT
public:
    enum class Kind { Table, Query };

    Dataset(Kind kind, const QString &name, int tag, const QString &tableOrSql, QObject *module);

    Kind kind() const { return m_kind; }
    int tag() const { return m_tag; }
    const QString &tableName() const { return m_tableName; }
    const QString &sql() const { return m_sql; }
    // Work-table datasets name a directory instead of the company connection.
    const QString &databaseName() const { return m_databaseName; }

    // Both refuse while the dataset is open, as renaming a table in use would break its readers.
    bool setTableName(const QString &name, QString *error = nullptr);
    bool setSql(const QString &sql, QString *error = nullptr);
    void setDatabaseName(const QString &dir) { m_databaseName = dir; }

    bool isActive() const { return m_active; }
    void setActive(bool active) { m_active = active; }

    // The SELECT that reads the dataset: the query text, or all rows of the table.
    QString selectText() const;

private:
    Kind m_kind;
    int m_tag;
    QString m_tableName;
    QString m_sql;
    QString m_databaseName;
    bool m_active = false;
};
