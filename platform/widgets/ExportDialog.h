#pragma once

#include <QDialog>
#include <QList>

#include "platform/export/TableExport.h"
#include "platform/report/RowSet.h"

class QAbstractItemModel;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QTableView;

// The export dialog: the user picks the format, the columns and their order,
// and the file; accepting writes the rows it was given. Callers run it through
// runModal. A failed write keeps the dialog open with the reason shown in it.
// The last folder written to is kept in Ayarlar.ini, [EXPORT] sonklasor.
class ExportDialog : public QDialog
{
    Q_OBJECT
public:
    // The rows are taken when the dialog is made: what the screen shows then
    // (its filter and order) is what gets written, with the grid's captions.
    explicit ExportDialog(Report::RowSet rows, QWidget *parent = nullptr);
    explicit ExportDialog(QAbstractItemModel *model, QWidget *parent = nullptr);
    // The grid's columns in the order it shows them; hidden ones follow, unchecked.
    explicit ExportDialog(QTableView *view, QWidget *parent = nullptr);

    const Report::RowSet &rows() const { return m_rows; }

    Export::Format format() const;
    void setFormat(Export::Format format);
    QList<int> chosenColumns() const;     // row-set columns, in the order shown
    void setColumnChecked(int column, bool checked);
    void moveColumn(int from, int to);    // positions in the list
    QString title() const;
    void setTitle(const QString &title);
    QString fileName() const;             // with the format's suffix added when missing
    void setFileName(const QString &path);
    void setBaseName(const QString &baseName); // file name in the last folder
    QString errorText() const;

    // Writes the file; false (with errorText()) when nothing usable was written.
    bool exportNow();

    static QString lastFolder();
    static void rememberFolder(const QString &folder);

public Q_SLOTS:
    void accept() override;

private:
    void build();
    void followGrid(const QTableView *view);
    void formatChanged();
    void browse();
    void moveCurrent(int delta);
    void setAllChecked(bool checked);
    void showError(const QString &text);

    Report::RowSet m_rows;
    QList<QPair<Export::Format, QRadioButton *>> m_formatButtons;
    QListWidget *m_columns = nullptr;
    QLineEdit *m_title = nullptr;
    QLineEdit *m_file = nullptr;
    QCheckBox *m_open = nullptr;
    QLabel *m_error = nullptr;
};
