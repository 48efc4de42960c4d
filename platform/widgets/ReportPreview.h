#pragma once

#include <QDialog>

#include "platform/report/PageModel.h"

class QLabel;
class QPrinter;
class QPrintPreviewWidget;
class QSpinBox;
class QAction;
class QToolBar;

// The print preview of a report: zoom, page by page, print through the
// system's print dialog, save as PDF. Each caller says how it opens:
// maximised at page width or a normal window on the whole page, and modal
// (through runModal) or not (show()).
class ReportPreview : public QDialog
{
    Q_OBJECT
public:
    enum Mode { PageWidthMaximised, WholePageNormal };

    ReportPreview(Report::PageModel model, Mode mode = PageWidthMaximised, QWidget *parent = nullptr);
    ~ReportPreview() override;

    const Report::PageModel &pageModel() const { return m_model; }
    int currentPage() const;
    int pageCount() const;
    QPrintPreviewWidget *view() const { return m_view; }
    QString statusText() const;

public Q_SLOTS:
    void goToPage(int page);
    void firstPage();
    void previousPage();
    void nextPage();
    void lastPage();
    void fitToWidth();
    void fitWholePage();
    void zoomIn();
    void zoomOut();
    void print();
    void saveAsPdf();          // asks for the file name
    bool savePdf(const QString &path);

private:
    void paintRequested(QPrinter *printer);
    void updateNavigation();
    QAction *addBarAction(const QString &objectName, const QString &text, const QString &tip);

    Report::PageModel m_model;
    QPrinter *m_printer = nullptr;
    QPrintPreviewWidget *m_view = nullptr;
    QSpinBox *m_page = nullptr;
    QLabel *m_pageTotal = nullptr;
    QLabel *m_status = nullptr;
    QToolBar *m_bar = nullptr;
};
