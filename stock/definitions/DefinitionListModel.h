#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

// One definition list (units, classes or groups): a one-column table of the
// company, edited in place like a dataset with a current row. A row that was
// typed into or appended stays pending until it is posted; posting writes it
// at once (autocommit on a company file in WAL with synchronous=FULL, so a
// posted value is on disk when post() returns). Rows are told apart by their
// rowid, since the lists have no key and may hold the same text twice.
class DefinitionListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    DefinitionListModel(const QString &table, const QString &column, int maxLength, const QString &title,
                        QObject *parent = nullptr);

    const QString &table() const { return m_table; }
    const QString &column() const { return m_column; }
    int maxLength() const { return m_maxLength; }

    // Reads the rows in stored order; false with the engine's message.
    bool open(QString *error);
    // Drops the rows, unsaved changes included.
    void close();
    bool isOpen() const { return m_open; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Text longer than the column is cut to its width, as the table keeps no more.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // Adds an empty, not yet stored row at the end and returns its number.
    int appendRow();
    bool isNew(int row) const;
    bool isModified(int row) const;
    QString value(int row) const;

    // Stores the row: a new row is inserted, a changed one updated.
    bool post(int row, QString *error);
    // Leaving a row the way a grid does: a changed row is posted, an appended
    // row nobody typed into is dropped.
    bool leaveRow(int row, QString *error);
    // Undoes the row's unsaved changes; a new row disappears.
    void cancelRow(int row);
    // Deletes the stored row (a new row is only dropped).
    bool deleteRow(int row, QString *error);

private:
    struct Row
    {
        qint64 rowid = -1; // -1: not stored yet
        QString value;
        QString stored;
        bool modified = false;
    };

    bool validRow(int row) const { return row >= 0 && row < m_rows.size(); }
    void dropRow(int row);

    QString m_table;
    QString m_column;
    int m_maxLength;
    QString m_title;
    bool m_open = false;
    QList<Row> m_rows;
};
