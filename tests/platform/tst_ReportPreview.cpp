#include "platform/AppContext.h"
#include "platform/ini/IniFile.h"
#include "platform/report/Paginator.h"
#include "platform/report/ReportPainter.h"
#include "platform/widgets/ReportPreview.h"
#include "support/TestProgramDir.h"
#include "support/TestRegistry.h"

#include <QFile>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QSpinBox>
#include <QTest>

using namespace Report;

namespace {

PageModel pages(int rows)
{
    RowSet set({QStringLiteral("KOD")});
    for (int i = 0; i < rows; ++i)
        set.appendRow({QStringLiteral("K%1").arg(i)});
    Layout l;
    l.name = QStringLiteral("ONIZLEME");
    l.title = QStringLiteral("Önizleme Denemesi");
    l.columns = {Column::text(QStringLiteral("Kod"), QStringLiteral("KOD"), 40)};
    return paginate(l, set);
}

} // namespace

class TestReportPreview : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void opensAsTheCallerSays_data();
    void opensAsTheCallerSays();
    void navigatesWithinThePages();
    void emptyReportShowsOnePage();
    void savesPdfAndRemembersTheFolder();
    void failedPdfIsShownNotHidden();
    void printsTheChosenPageRange();
};

void TestReportPreview::opensAsTheCallerSays_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("maximised");
    QTest::addColumn<int>("zoomMode");
    QTest::newRow("maximised at page width") << int(ReportPreview::PageWidthMaximised) << true
                                             << int(QPrintPreviewWidget::FitToWidth);
    QTest::newRow("normal window, whole page") << int(ReportPreview::WholePageNormal) << false
                                               << int(QPrintPreviewWidget::FitInView);
}

void TestReportPreview::opensAsTheCallerSays()
{
    QFETCH(int, mode);
    QFETCH(bool, maximised);
    QFETCH(int, zoomMode);
    ReportPreview preview(pages(10), ReportPreview::Mode(mode));
    preview.show();
    QCOMPARE(preview.windowTitle(), QStringLiteral("Önizleme Denemesi"));
    QCOMPARE(preview.isMaximized(), maximised);
    QCOMPARE(int(preview.view()->zoomMode()), zoomMode);
    QVERIFY(!preview.isModal());
}

void TestReportPreview::navigatesWithinThePages()
{
    ReportPreview preview(pages(200), ReportPreview::WholePageNormal);
    preview.show();
    QCoreApplication::processEvents();
    QVERIFY(preview.pageCount() >= 3);
    QCOMPARE(preview.view()->pageCount(), preview.pageCount());
    auto *spin = preview.findChild<QSpinBox *>(QStringLiteral("pageSpin"));
    QVERIFY(spin);
    QCOMPARE(preview.currentPage(), 1);
    preview.nextPage();
    QCOMPARE(preview.currentPage(), 2);
    QCOMPARE(spin->value(), 2);
    preview.lastPage();
    QCOMPARE(preview.currentPage(), preview.pageCount());
    preview.nextPage();
    QCOMPARE(preview.currentPage(), preview.pageCount());
    spin->setValue(2);
    QCOMPARE(preview.currentPage(), 2);
    preview.firstPage();
    preview.previousPage();
    QCOMPARE(preview.currentPage(), 1);
}

void TestReportPreview::emptyReportShowsOnePage()
{
    ReportPreview preview(pages(0));
    preview.show();
    QCoreApplication::processEvents();
    QCOMPARE(preview.pageCount(), 1);
    QCOMPARE(preview.view()->pageCount(), 1);
    QVERIFY(preview.pageModel().pages.first().text(QStringLiteral("caption")));
}

void TestReportPreview::savesPdfAndRemembersTheFolder()
{
    TestProgramDir dir;
    IniFile settings(appContext().settingsPath());
    QVERIFY(settings.writeString(QStringLiteral("DUV_GENEL"), QStringLiteral("GDisplayFormat"),
                                 QStringLiteral("#,###0.###")));
    QDir().mkpath(dir.file(QStringLiteral("çıktı")));
    const QString path = dir.file(QStringLiteral("çıktı/rapor.pdf"));
    ReportPreview preview(pages(5));
    QVERIFY(preview.savePdf(path));
    QVERIFY(QFile(path).size() > 0);
    QVERIFY(preview.statusText().contains(QStringLiteral("PDF kaydedildi")));
    QCOMPARE(settings.readString(QStringLiteral("EXPORT"), QStringLiteral("sonklasor")),
             dir.file(QStringLiteral("çıktı")));
}

void TestReportPreview::failedPdfIsShownNotHidden()
{
    TestProgramDir dir;
    ReportPreview preview(pages(5));
    QVERIFY(!preview.savePdf(dir.file(QStringLiteral("yok/rapor.pdf"))));
    QVERIFY(preview.statusText().startsWith(QStringLiteral("PDF kaydedilemedi")));
}

void TestReportPreview::printsTheChosenPageRange()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir dir;
    const PageModel model = pages(200);
    QVERIFY(model.pageCount() >= 3);
    // What the print button does after the system's dialog, on a printer that writes a file.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("yazici.pdf")));
    printer.setPageLayout(pageLayout(model));
    printer.setFullPage(true);
    QVERIFY(paint(model, &printer, nullptr, 2, 3));
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {dir.filePath(QStringLiteral("yazici.pdf")), QStringLiteral("-")});
    QVERIFY(p.waitForFinished(30000));
    const QStringList printed = QString::fromUtf8(p.readAllStandardOutput()).split(QChar(u'\f'), Qt::SkipEmptyParts);
    QCOMPARE(printed.size(), 2);
    QVERIFY(printed[0].contains(QStringLiteral("K%1").arg(model.pages[1].firstRow)));
    QVERIFY(printed[1].contains(QStringLiteral("K%1").arg(model.pages[2].firstRow)));
}

VR_TEST(TestReportPreview)
#include "tst_ReportPreview.moc"
