#include "platform/report/Paginator.h"
#include "platform/report/ReportPainter.h"
#include "support/TestRegistry.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Report;

namespace {

// The text of a PDF as poppler reads it, pages separated by form feeds.
QString pdfText(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), QStringLiteral("-layout"),
                                         path, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

Layout turkishList()
{
    Layout l;
    l.name = QStringLiteral("TRLISTE");
    l.title = QStringLiteral("Türkçe Liste");
    l.pageHeader.height = 16;
    l.pageHeader.items = {
        Item::system(QStringLiteral("recordCount"), Content::RecordCount, QStringLiteral("Kayıt Sayısı : "),
                     QRectF(0, 0, 80, 5)),
        Item::label(QStringLiteral("heading"), QStringLiteral(" S T O K   L İ S T E S İ "), QRectF(0, 6, 0, 8),
                    Qt::AlignHCenter, TextStyle{14, true}),
    };
    l.columns = {Column::text(QStringLiteral("Stok Kodu"), QStringLiteral("KOD"), 30),
                 Column::text(QStringLiteral("Cinsi"), QStringLiteral("AD"), 90),
                 Column::number(QStringLiteral("1.Fiyat"), QStringLiteral("FIYAT"), 30)};
    l.pageFooter.height = 8;
    l.pageFooter.items = {Item::system(QStringLiteral("pageNumber"), Content::PageNumber, QStringLiteral("Sayfa No : "),
                                       QRectF(0, 2, 0, 5), Qt::AlignRight)};
    return l;
}

} // namespace

class TestReportPdf : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void turkishLettersReachThePdfText_data();
    void turkishLettersReachThePdfText();
    void everyPageIsWrittenWithItsNumber();
    void missingFolderIsReportedAsFailure();

private:
    QTemporaryDir m_dir;
};

void TestReportPdf::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
}

void TestReportPdf::turkishLettersReachThePdfText_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("small letters") << QStringLiteral("ğüşıöç ağaç");
    QTest::newRow("capitals") << QStringLiteral("ĞÜŞİÖÇ IĞDIR");
    QTest::newRow("mixed") << QStringLiteral("Şırnak İğnesi Çözümü");
}

void TestReportPdf::turkishLettersReachThePdfText()
{
    QFETCH(QString, name);
    RowSet rows({QStringLiteral("KOD"), QStringLiteral("AD"), QStringLiteral("FIYAT")});
    rows.appendRow({QStringLiteral("Ş-1"), name, 1234.5});
    const QString path = m_dir.filePath(QStringLiteral("tr.pdf"));
    QString error;
    QVERIFY2(writePdf(paginate(turkishList(), rows), path, &error), qPrintable(error));
    const QString text = pdfText(path);
    QVERIFY2(text.contains(name), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Ş-1")));
    QVERIFY(text.contains(QStringLiteral("1.234,5")));
    // Letter-spaced headings come back with poppler's own idea of the gaps.
    QVERIFY(QString(text).remove(QLatin1Char(' ')).contains(QStringLiteral("STOKLİSTESİ")));
}

void TestReportPdf::everyPageIsWrittenWithItsNumber()
{
    RowSet rows({QStringLiteral("KOD"), QStringLiteral("AD"), QStringLiteral("FIYAT")});
    for (int i = 0; i < 150; ++i)
        rows.appendRow({QStringLiteral("K%1").arg(i, 3, 10, QLatin1Char('0')), QStringLiteral("Ürün"), i});
    const PageModel model = paginate(turkishList(), rows);
    QVERIFY(model.pageCount() >= 3);
    const QString path = m_dir.filePath(QStringLiteral("pages.pdf"));
    QVERIFY(writePdf(model, path));
    const QStringList pages = pdfText(path).split(QChar(u'\f'), Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), model.pageCount());
    for (int i = 0; i < pages.size(); ++i) {
        QVERIFY(pages[i].contains(QStringLiteral("Sayfa No : %1").arg(i + 1)));
        QVERIFY(pages[i].contains(QStringLiteral("Kayıt Sayısı : 150")));
        const Page &page = model.pages.at(i);
        QVERIFY(pages[i].contains(QStringLiteral("K%1").arg(page.firstRow, 3, 10, QLatin1Char('0'))));
        QVERIFY(pages[i].contains(QStringLiteral("K%1").arg(page.firstRow + page.rowCount - 1, 3, 10, QLatin1Char('0'))));
    }
}

void TestReportPdf::missingFolderIsReportedAsFailure()
{
    RowSet rows({QStringLiteral("KOD")});
    QString error;
    QVERIFY(!writePdf(paginate(turkishList(), rows), m_dir.filePath(QStringLiteral("yok/yok.pdf")), &error));
    QVERIFY(!error.isEmpty());
}

VR_TEST(TestReportPdf)
#include "tst_ReportPdf.moc"
