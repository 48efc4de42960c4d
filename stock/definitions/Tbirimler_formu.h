#pragma once

#include <QDialog>
#include <QString>

#include <array>

class Dataset;
class DefinitionGrid;
class DefinitionListModel;
class QPushButton;
class QStackedWidget;
class TDATA_TABLOLAR;

// "Tanımlar": the company's lists of units, classes and groups, one page each
// ("BIRIM", "SINIF", "GRUP"). Only the page it was opened on is reachable and
// only that page's table is opened; closing closes all three.
class Tbirimler_formu : public QDialog
{
    Q_OBJECT
public:
    Tbirimler_formu(const QString &pageName, TDATA_TABLOLAR *modules, QWidget *parent = nullptr);
    ~Tbirimler_formu() override;

    // The main menu's entry: create, turn to the page, show modally, free.
    static void run(const QString &pageName, TDATA_TABLOLAR *modules, QWidget *parent = nullptr);

    QString activePageName() const;

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct Page
    {
        QString name;
        Dataset *dataset = nullptr;
        QString question;
        DefinitionListModel *model = nullptr;
        DefinitionGrid *grid = nullptr;
    };

    QWidget *buildPage(Page &page, const QString &baseTable, const QString &column, const QString &title,
                       int displayChars, const QString &saveCaption);
    void openPage(Page &page);
    void closeTables();

    int currentRow(const Page &page) const;
    void setCurrentRow(Page &page, int row);
    void rowChanged(Page &page, int previousRow);

    void onNew(Page &page);
    void onSave(Page &page);
    void onDelete(Page &page, const QString &question);
    void deleteCurrent(Page &page);
    void onCancelRow(Page &page);

    std::array<Page, 3> m_pages;
    QStackedWidget *m_notebook = nullptr;
    // Set while this dialog moves or removes rows itself, so the grid's
    // current-row signal does not post or drop a row a second time.
    bool m_busy = false;
};
