#include "data/DataModule.h"

QList<Dataset *> DataModule::datasets() const
{
    QList<Dataset *> out;
    for (QObject *child : children())
        if (auto *d = qobject_cast<Dataset *>(child))
            out << d;
    return out;
}

Dataset *DataModule::dataset(const QString &name) const
{
    return findChild<Dataset *>(name, Qt::FindDirectChildrenOnly);
}

Dataset *DataModule::table(const QString &name, int tag, const QString &tableName)
{
    return new Dataset(Dataset::Kind::Table, name, tag, tableName, this);
}

Dataset *DataModule::query(const QString &name, int tag, const QString &sql)
{
    return new Dataset(Dataset::Kind::Query, name, tag, sql, this);
}
