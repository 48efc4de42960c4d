#include "platform/report/RowSet.h"

#include <QAbstractItemModel>
#include <QAbstractProxyModel>
#include <QDate>
#include <QDateTime>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>

namespace Report {

namespace {

// The SQL model under a chain of proxies, when the columns line up with it.
const QSqlQueryModel *sqlModelBehind(const QAbstractItemModel *model)
{
    const QAbstractItemModel *m = model;
    while (m) {
        if (m->columnCount() != model->columnCount())
            return nullptr;
        if (auto sql = qobject_cast<const QSqlQueryModel *>(m))
            return sql;
        auto proxy = qobject_cast<const QAbstractProxyModel *>(m);
        m = proxy ? proxy->sourceModel() : nullptr;
    }
    return nullptr;
}

} // namespace

RowSet::RowSet(QStringList fields, QStringList captions)
    : m_fields(std::move(fields)), m_captions(std::move(captions))
{
    while (m_captions.size() < m_fields.size())
        m_captions.append(m_fields.at(m_captions.size()));
}

RowSet RowSet::fromModel(QAbstractItemModel *model)
{
    if (!model)
        return {};
    // A lazily fetching model would otherwise give only its first screenful.
    while (model->canFetchMore(QModelIndex()))
        model->fetchMore(QModelIndex());

    const int columns = model->columnCount();
    const QSqlQueryModel *sql = sqlModelBehind(model);
    const QSqlRecord record = sql ? sql->record() : QSqlRecord();
    QStringList fields, captions;
    for (int c = 0; c < columns; ++c) {
        const QString caption = model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        QString field = model->headerData(c, Qt::Horizontal, FieldNameRole).toString();
        if (field.isEmpty() && c < record.count())
            field = record.fieldName(c);
        if (field.isEmpty())
            field = caption;
        fields.append(field);
        captions.append(caption);
    }
    RowSet set(fields, captions);
    const int rows = model->rowCount();
    set.m_rows.reserve(rows);
    for (int r = 0; r < rows; ++r) {
        QVariantList values;
        values.reserve(columns);
        for (int c = 0; c < columns; ++c) {
            const QModelIndex index = model->index(r, c);
            QVariant v = model->data(index, Qt::EditRole);
            if (!v.isValid())
                v = model->data(index, Qt::DisplayRole);
            values.append(v);
        }
        set.m_rows.append(std::move(values));
    }
    return set;
}

RowSet RowSet::fromQuery(QSqlQuery &query)
{
    const QSqlRecord record = query.record();
    QStringList fields;
    for (int c = 0; c < record.count(); ++c)
        fields.append(record.fieldName(c));
    RowSet set(fields);
    while (query.next()) {
        QVariantList values;
        values.reserve(record.count());
        for (int c = 0; c < record.count(); ++c)
            values.append(query.value(c));
        set.m_rows.append(std::move(values));
    }
    return set;
}

int RowSet::fieldIndex(const QString &field) const
{
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_fields.at(i).compare(field, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void RowSet::appendRow(QVariantList values)
{
    while (values.size() < m_fields.size())
        values.append(QVariant());
    m_rows.append(std::move(values));
}

QVariant RowSet::value(int r, int column) const
{
    if (r < 0 || r >= m_rows.size() || column < 0)
        return {};
    return m_rows.at(r).value(column);
}

QVariant RowSet::value(int r, const QString &field) const
{
    return value(r, fieldIndex(field));
}

Currency RowView::number(const QString &field) const
{
    return toCurrency(value(field));
}

bool isNumberValue(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
        return true;
    default:
        return false;
    }
}

Currency toCurrency(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return {};
    if (isNumberValue(value))
        return Currency::fromDouble(value.toDouble());
    bool ok = false;
    const double d = value.toString().trimmed().toDouble(&ok);
    return ok ? Currency::fromDouble(d) : Currency();
}

QDate toDate(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::QDate:
        return value.toDate();
    case QMetaType::QDateTime:
        return value.toDateTime().date();
    case QMetaType::QString: {
        const QString s = value.toString();
        // Only the stored form: a code such as "2018-1" must not become a date.
        if (s.size() < 10 || s.at(4) != u'-' || s.at(7) != u'-')
            return {};
        if (s.size() > 10 && s.at(10) != u' ' && s.at(10) != u'T')
            return {};
        return QDate::fromString(s.left(10), Qt::ISODate);
    }
    default:
        return {};
    }
}

} // namespace Report
