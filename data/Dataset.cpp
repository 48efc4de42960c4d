#include "data/Dataset.h"

Dataset::Dataset(Kind kind, const QString &name, int tag, const QString &tableOrSql, QObject *module)
    : QObject(module)
    , m_kind(kind)
    , m_tag(tag)
{
    setObjectName(name);
    if (kind == Kind::Table)
        m_tableName = tableOrSql;
    else
        m_sql = tableOrSql;
}

bool Dataset::setTableName(const QString &name, QString *error)
{
    if (m_active) {
        if (error)
            *error = QStringLiteral("Açık bir veri kümesinde bu işlem yapılamaz.");
        return false;
    }
    m_tableName = name;
    return true;
}

bool Dataset::setSql(const QString &sql, QString *error)
{
    if (m_active) {
        if (error)
            *error = QStringLiteral("Açık bir veri kümesinde bu işlem yapılamaz.");
        return false;
    }
    m_sql = sql;
    return true;
}

QString Dataset::selectText() const
{
    if (m_kind == Kind::Query)
        return m_sql;
    return QStringLiteral("SELECT * FROM \"%1\"").arg(m_tableName);
}
