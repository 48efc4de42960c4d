#include "platform/widgets/ReportPreview.h"

#include "platform/report/ReportPainter.h"
#include "platform/widgets/ExportDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QShortcut>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>

ReportPreview::ReportPreview(Report::PageModel model, Mode mode, QWidget *parent)
    : QDialog(parent), m_model(std::move(model))
{
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(m_model.title.isEmpty() ? QStringLiteral("Rapor Önizleme") : m_model.title);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);

    m_printer = new QPrinter(QPrinter::HighResolution);
    m_printer->setPageLayout(Report::pageLayout(m_model));
    // The page model carries its own margins; the printable-area origin would shift it.
    m_printer->setFullPage(true);
    m_printer->setDocName(windowTitle());

    // A tool bar folds what does not fit behind its extension button, so the
    // window can still be narrow when it opens on the whole page.
    m_bar = new QToolBar(this);
    m_bar->setObjectName(QStringLiteral("previewToolBar"));
    m_bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QAction *printAction = addBarAction(QStringLiteral("printAction"), QStringLiteral("Yazdır"),
                                     QStringLiteral("Yazıcıya gönder"));
    QAction *pdfAction = addBarAction(QStringLiteral("pdfAction"), QStringLiteral("PDF Olarak Kaydet"),
                                   QStringLiteral("Raporu PDF dosyası olarak kaydet"));
    m_bar->addSeparator();
    QAction *firstAction = addBarAction(QStringLiteral("firstPageAction"), QStringLiteral("İlk Sayfa"), {});
    QAction *prevAction = addBarAction(QStringLiteral("previousPageAction"), QStringLiteral("Önceki Sayfa"),
                                    QStringLiteral("Page Up"));
    auto *pageLabel = new QLabel(QStringLiteral(" Sayfa "), m_bar);
    m_bar->addWidget(pageLabel);
    m_page = new QSpinBox(m_bar);
    m_page->setObjectName(QStringLiteral("pageSpin"));
    m_page->setRange(1, qMax(1, m_model.pageCount()));
    m_page->setAccessibleName(QStringLiteral("Sayfa"));
    pageLabel->setBuddy(m_page);
    m_bar->addWidget(m_page);
    m_pageTotal = new QLabel(m_bar);
    m_bar->addWidget(m_pageTotal);
    QAction *nextAction = addBarAction(QStringLiteral("nextPageAction"), QStringLiteral("Sonraki Sayfa"),
                                    QStringLiteral("Page Down"));
    QAction *lastAction = addBarAction(QStringLiteral("lastPageAction"), QStringLiteral("Son Sayfa"), {});
    m_bar->addSeparator();
    QAction *widthAction = addBarAction(QStringLiteral("fitWidthAction"), QStringLiteral("Sayfa Genişliği"), {});
    QAction *wholeAction = addBarAction(QStringLiteral("wholePageAction"), QStringLiteral("Tüm Sayfa"), {});
    QAction *inAction = addBarAction(QStringLiteral("zoomInAction"), QStringLiteral("Yakınlaştır"), {});
    QAction *outAction = addBarAction(QStringLiteral("zoomOutAction"), QStringLiteral("Uzaklaştır"), {});
    m_bar->addSeparator();
    QAction *closeAction = addBarAction(QStringLiteral("closeAction"), QStringLiteral("Kapat [F12]"), {});

    m_view = new QPrintPreviewWidget(m_printer, this);
    m_view->setObjectName(QStringLiteral("previewView"));
    m_view->setAccessibleName(QStringLiteral("Rapor Önizleme"));
    connect(m_view, &QPrintPreviewWidget::paintRequested, this, &ReportPreview::paintRequested);
    connect(m_view, &QPrintPreviewWidget::previewChanged, this, &ReportPreview::updateNavigation);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("statusLabel"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_bar);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_status);

    connect(printAction, &QAction::triggered, this, &ReportPreview::print);
    connect(pdfAction, &QAction::triggered, this, &ReportPreview::saveAsPdf);
    connect(firstAction, &QAction::triggered, this, &ReportPreview::firstPage);
    connect(prevAction, &QAction::triggered, this, &ReportPreview::previousPage);
    connect(nextAction, &QAction::triggered, this, &ReportPreview::nextPage);
    connect(lastAction, &QAction::triggered, this, &ReportPreview::lastPage);
    connect(widthAction, &QAction::triggered, this, &ReportPreview::fitToWidth);
    connect(wholeAction, &QAction::triggered, this, &ReportPreview::fitWholePage);
    connect(inAction, &QAction::triggered, this, &ReportPreview::zoomIn);
    connect(outAction, &QAction::triggered, this, &ReportPreview::zoomOut);
    connect(closeAction, &QAction::triggered, this, &ReportPreview::close);
    connect(m_page, &QSpinBox::valueChanged, this, &ReportPreview::goToPage);
    connect(new QShortcut(QKeySequence(Qt::Key_F12), this), &QShortcut::activated, this, &ReportPreview::close);
    connect(new QShortcut(QKeySequence(Qt::Key_PageDown), this), &QShortcut::activated, this,
            &ReportPreview::nextPage);
    connect(new QShortcut(QKeySequence(Qt::Key_PageUp), this), &QShortcut::activated, this,
            &ReportPreview::previousPage);

    if (mode == PageWidthMaximised) {
        m_view->fitToWidth();
        resize(1000, 800);
        setWindowState(Qt::WindowMaximized);
    } else {
        m_view->fitInView();
        resize(m_model.orientation == Report::Orientation::Landscape ? QSize(1000, 760) : QSize(760, 960));
    }
    updateNavigation();
}

ReportPreview::~ReportPreview()
{
    delete m_printer;
}

QAction *ReportPreview::addBarAction(const QString &objectName, const QString &text, const QString &tip)
{
    QAction *a = m_bar->addAction(text);
    a->setObjectName(objectName);
    if (!tip.isEmpty())
        a->setToolTip(text + QStringLiteral(" (") + tip + u')');
    return a;
}

int ReportPreview::currentPage() const
{
    return m_view->currentPage();
}

int ReportPreview::pageCount() const
{
    return m_model.pageCount();
}

QString ReportPreview::statusText() const
{
    return m_status->text();
}

void ReportPreview::paintRequested(QPrinter *printer)
{
    QString error;
    if (!Report::paint(m_model, printer, &error))
        m_status->setText(error);
}

void ReportPreview::updateNavigation()
{
    const int page = qBound(1, m_view->currentPage(), qMax(1, pageCount()));
    const QSignalBlocker block(m_page);
    m_page->setValue(page);
    m_pageTotal->setText(QStringLiteral("/ %1").arg(pageCount()));
}

void ReportPreview::goToPage(int page)
{
    m_view->setCurrentPage(qBound(1, page, qMax(1, pageCount())));
    updateNavigation();
}

void ReportPreview::firstPage()
{
    goToPage(1);
}

void ReportPreview::previousPage()
{
    goToPage(currentPage() - 1);
}

void ReportPreview::nextPage()
{
    goToPage(currentPage() + 1);
}

void ReportPreview::lastPage()
{
    goToPage(pageCount());
}

void ReportPreview::fitToWidth()
{
    m_view->fitToWidth();
}

void ReportPreview::fitWholePage()
{
    m_view->fitInView();
}

void ReportPreview::zoomIn()
{
    m_view->zoomIn(1.2);
}

void ReportPreview::zoomOut()
{
    m_view->zoomOut(1.2);
}

void ReportPreview::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(Report::pageLayout(m_model));
    printer.setFullPage(true);
    printer.setDocName(windowTitle());
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, qMax(1, pageCount()));
    // The system's own dialog, not one of ours: it runs its own loop.
    if (dialog.exec() != QDialog::Accepted)
        return;
    int from = 1, to = 0;
    if (printer.printRange() == QPrinter::PageRange) {
        from = printer.fromPage();
        to = printer.toPage();
    } else if (printer.printRange() == QPrinter::CurrentPage) {
        from = to = currentPage();
    }
    QString error;
    m_status->setText(Report::paint(m_model, &printer, &error, from, to) ? QStringLiteral("Yazıcıya gönderildi.")
                                                                          : error);
}

void ReportPreview::saveAsPdf()
{
    const QString base = (m_model.name.isEmpty() ? QStringLiteral("rapor") : m_model.name) + QStringLiteral(".pdf");
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("PDF Olarak Kaydet"),
                                                      QDir(ExportDialog::lastFolder()).filePath(base),
                                                      QStringLiteral("PDF Belgesi (*.pdf)"));
    if (!path.isEmpty())
        savePdf(path);
}

bool ReportPreview::savePdf(const QString &path)
{
    QString error;
    if (!Report::writePdf(m_model, path, &error)) {
        m_status->setText(QStringLiteral("PDF kaydedilemedi: ") + error);
        return false;
    }
    ExportDialog::rememberFolder(QFileInfo(path).absolutePath());
    m_status->setText(QStringLiteral("PDF kaydedildi: ") + QDir::toNativeSeparators(path));
    return true;
}
