#pragma once

#include "data/Dataset.h"

#include <QList>
#include <QObject>

// A holder of preconfigured datasets, kept in creation order (the order the
// workspace step walks them in).
class DataModule : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    QList<Dataset *> datasets() const;
    Dataset *dataset(const QString &name) const;

protected:
    Dataset *table(const QString &name, int tag, const QString &table);
    Dataset *query(const QString &name, int tag, const QString &sql = {});
};
