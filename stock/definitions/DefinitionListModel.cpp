#include "stock/definitions/DefinitionListModel.h"

#include "platform/sqlite/Database.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

// Table and column names come from code only; quoting keeps odd names working.
QString ident(const QString &name)
{
    return u'"' + name + u'"';
}

// An empty row stores empty text rather than NULL, so every row reads back the same way.
QVariant textValue(const QString &text)
{
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}

} // namespace

DefinitionListModel::DefinitionListModel(const QString &table, const QString &column, int maxLength,
                                         const QString &title, QObject *parent)
    : QAbstractTableModel(parent), m_table(table), m_column(column), m_maxLength(maxLength), m_title(title)
{
}

bool DefinitionListModel::open(QString *error)
{
    QList<Row> rows;
    {
        QSqlQuery q(Database::connection());
        if (!q.exec(QStringLiteral("SELECT rowid, %1 FROM %2 ORDER BY rowid").arg(ident(m_column), ident(m_table)))) {
            if (error)
                *error = q.lastError().text();
            return false;
        }
        while (q.next()) {
            Row r;
            r.rowid = q.value(0).toLongLong();
            r.value = r.stored = q.value(1).toString();
            rows.append(r);
        }
    }
    beginResetModel();
    m_rows = rows;
    m_open = true;
    endResetModel();
    return true;
}

void DefinitionListModel::close()
{
    beginResetModel();
    m_rows.clear();
    m_open = false;
    endResetModel();
}

int DefinitionListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int DefinitionListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant DefinitionListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !validRow(index.row()) || index.column() != 0)
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_rows.at(index.row()).value;
    return {};
}

QVariant DefinitionListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section == 0 && role == Qt::DisplayRole)
        return m_title;
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags DefinitionListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool DefinitionListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || !validRow(index.row()) || index.column() != 0)
        return false;
    Row &r = m_rows[index.row()];
    const QString text = value.toString().left(m_maxLength);
    if (text == r.value)
        return true;
    r.value = text;
    r.modified = true;
    Q_EMIT dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

int DefinitionListModel::appendRow()
{
    const int row = int(m_rows.size());
    beginInsertRows({}, row, row);
    m_rows.append(Row{});
    endInsertRows();
    return row;
}

bool DefinitionListModel::isNew(int row) const
{
    return validRow(row) && m_rows.at(row).rowid < 0;
}

bool DefinitionListModel::isModified(int row) const
{
    return validRow(row) && m_rows.at(row).modified;
}

QString DefinitionListModel::value(int row) const
{
    return validRow(row) ? m_rows.at(row).value : QString();
}

bool DefinitionListModel::post(int row, QString *error)
{
    if (!validRow(row))
        return false;
    Row &r = m_rows[row];
    if (r.rowid >= 0 && !r.modified)
        return true;
    QSqlQuery q(Database::connection());
    if (r.rowid < 0) {
        q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (?)").arg(ident(m_table), ident(m_column)));
        q.addBindValue(textValue(r.value));
    } else {
        q.prepare(QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?").arg(ident(m_table), ident(m_column)));
        q.addBindValue(textValue(r.value));
        q.addBindValue(r.rowid);
    }
    if (!q.exec()) {
        if (error)
            *error = q.lastError().text();
        return false;
    }
    if (r.rowid < 0)
        r.rowid = q.lastInsertId().toLongLong();
    r.stored = r.value;
    r.modified = false;
    return true;
}

bool DefinitionListModel::leaveRow(int row, QString *error)
{
    if (!validRow(row))
        return true;
    const Row &r = m_rows.at(row);
    if (r.rowid < 0 && !r.modified) {
        dropRow(row);
        return true;
    }
    return post(row, error);
}

void DefinitionListModel::cancelRow(int row)
{
    if (!validRow(row))
        return;
    Row &r = m_rows[row];
    if (r.rowid < 0) {
        dropRow(row);
        return;
    }
    if (!r.modified)
        return;
    r.value = r.stored;
    r.modified = false;
    const QModelIndex i = index(row, 0);
    Q_EMIT dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
}

bool DefinitionListModel::deleteRow(int row, QString *error)
{
    if (!validRow(row))
        return false;
    const qint64 rowid = m_rows.at(row).rowid;
    if (rowid >= 0) {
        QSqlQuery q(Database::connection());
        q.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(ident(m_table)));
        q.addBindValue(rowid);
        if (!q.exec()) {
            if (error)
                *error = q.lastError().text();
            return false;
        }
    }
    dropRow(row);
    return true;
}

void DefinitionListModel::dropRow(int row)
{
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    endRemoveRows();
}
