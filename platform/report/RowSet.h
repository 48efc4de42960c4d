#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "platform/number/Currency.h"

class QAbstractItemModel;
class QSqlQuery;

namespace Report {

// Header role through which a model may name the field behind a column when
// its display header is a caption (the reports bind columns by field name).
inline constexpr int FieldNameRole = Qt::UserRole + 0x4652;

// The rows a report or an export reads, taken from a model or a query in the
// order they come: what the screen shows (filter and sort included) is what
// gets printed or written.
class RowSet
{
public:
    RowSet() = default;
    RowSet(QStringList fields, QStringList captions = {});

    // Fetches everything the model can still fetch, then copies its rows.
    static RowSet fromModel(QAbstractItemModel *model);
    // Reads the query forward from its current position to the end.
    static RowSet fromQuery(QSqlQuery &query);

    const QStringList &fields() const { return m_fields; }
    const QStringList &captions() const { return m_captions; }
    int columnCount() const { return int(m_fields.size()); }
    int rowCount() const { return int(m_rows.size()); }
    // Field lookup ignores case, as the datasets of the program do; -1 when missing.
    int fieldIndex(const QString &field) const;

    void appendRow(QVariantList values);
    const QVariantList &row(int r) const { return m_rows.at(r); }
    QVariant value(int r, int column) const;
    QVariant value(int r, const QString &field) const;

private:
    QStringList m_fields;
    QStringList m_captions;
    QList<QVariantList> m_rows;
};

// One row as the report's expressions see it.
class RowView
{
public:
    RowView(const RowSet &rows, int row) : m_rows(&rows), m_row(row) {}
    int index() const { return m_row; }
    QVariant value(const QString &field) const { return m_rows->value(m_row, field); }
    QVariant value(int column) const { return m_rows->value(m_row, column); }
    QString text(const QString &field) const { return value(field).toString(); }
    // Stored numbers turned into fixed point, as the program computes with them.
    Currency number(const QString &field) const;

private:
    const RowSet *m_rows;
    int m_row;
};

// Numbers and dates as they reach a report cell or an export file.
Currency toCurrency(const QVariant &value);
bool isNumberValue(const QVariant &value);
// A date value: QDate/QDateTime, or a stored ISO text "yyyy-MM-dd" (time part allowed).
QDate toDate(const QVariant &value);

} // namespace Report
