#include "platform/number/Formats.h"
#include "platform/report/Paginator.h"
#include "support/TestRegistry.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Report;

namespace {

const QDateTime kPrinted(QDate(2024, 2, 29), QTime(14, 5, 9));

RowSet numberedRows(int count)
{
    RowSet rows({QStringLiteral("KOD"), QStringLiteral("AD"), QStringLiteral("MIKTAR"), QStringLiteral("TARIH")});
    for (int i = 0; i < count; ++i)
        rows.appendRow({QStringLiteral("K%1").arg(i), QStringLiteral("Ürün %1").arg(i), 0.1 * (i + 1),
                        QStringLiteral("2018-03-05")});
    return rows;
}

// A list like the program's: header with count and date, captions, page footer with the page number.
Layout listLayout()
{
    Layout l;
    l.name = QStringLiteral("TEST");
    l.pageHeader.height = 12;
    l.pageHeader.items = {
        Item::system(QStringLiteral("recordCount"), Content::RecordCount, QStringLiteral("Kayıt Sayısı : "),
                     QRectF(0, 0, 80, 5)),
        Item::system(QStringLiteral("printDate"), Content::PrintDateTime, QStringLiteral("Rapor Tarihi : "),
                     QRectF(0, 0, 0, 5), Qt::AlignRight),
    };
    l.columns = {Column::text(QStringLiteral("Kod"), QStringLiteral("KOD"), 30),
                 Column::text(QStringLiteral("Ad"), QStringLiteral("AD"), 80),
                 Column::number(QStringLiteral("Miktar"), QStringLiteral("MIKTAR"), 30),
                 Column::date(QStringLiteral("Tarih"), QStringLiteral("TARIH"), 30)};
    l.pageFooter.height = 8;
    l.pageFooter.items = {Item::system(QStringLiteral("pageNumber"), Content::PageNumber, QStringLiteral("Sayfa No : "),
                                       QRectF(0, 2, 0, 5), Qt::AlignRight)};
    return l;
}

int rowsPerPage(const Layout &layout)
{
    return paginate(layout, numberedRows(500), kPrinted).pages.first().rowCount;
}

} // namespace

class TestReportPagination : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pagesHoldEveryRowOnce_data();
    void pagesHoldEveryRowOnce();
    void rowsStayBetweenHeaderAndFooter();
    void summaryComesOnceAfterTheLastRow_data();
    void summaryComesOnceAfterTheLastRow();
    void bandFlagsForFirstAndLastPage();
    void cellTexts_data();
    void cellTexts();
    void longTextIsCutToItsColumn();
    void pageCountIsKnownOnEveryPage();
    void picturesComeFromTheItemOrTheRowsFile();
};

void TestReportPagination::pagesHoldEveryRowOnce_data()
{
    const int perPage = rowsPerPage(listLayout());
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("pages");
    QTest::newRow("empty list still prints its headers") << 0 << 1;
    QTest::newRow("one row") << 1 << 1;
    QTest::newRow("exactly one page") << perPage << 1;
    QTest::newRow("one row over") << perPage + 1 << 2;
    QTest::newRow("thousand rows") << 1000 << (1000 + perPage - 1) / perPage;
}

void TestReportPagination::pagesHoldEveryRowOnce()
{
    QFETCH(int, rows);
    QFETCH(int, pages);
    const PageModel model = paginate(listLayout(), numberedRows(rows), kPrinted);
    QCOMPARE(model.pageCount(), pages);
    QCOMPARE(model.recordCount, rows);
    int next = 0;
    for (const Page &page : model.pages) {
        if (page.rowCount > 0)
            QCOMPARE(page.firstRow, next);
        next += page.rowCount;
        // Every page repeats the header, the captions and its own number.
        QCOMPARE(page.text(QStringLiteral("recordCount"))->text, QStringLiteral("Kayıt Sayısı : %1").arg(rows));
        QCOMPARE(page.text(QStringLiteral("printDate"))->text, QStringLiteral("Rapor Tarihi : 29.02.2024 14:05:09"));
        QCOMPARE(page.text(QStringLiteral("pageNumber"))->text, QStringLiteral("Sayfa No : %1").arg(page.number));
        QCOMPARE(page.text(QStringLiteral("caption"))->text, QStringLiteral("Kod"));
        QCOMPARE(page.cells(0).size(), page.rowCount);
        if (page.rowCount > 0)
            QCOMPARE(page.cells(0).first(), QStringLiteral("K%1").arg(page.firstRow));
    }
    QCOMPARE(next, rows);
}

void TestReportPagination::rowsStayBetweenHeaderAndFooter()
{
    const Layout layout = listLayout();
    const PageModel model = paginate(layout, numberedRows(200), kPrinted);
    const double footerTop = layout.pageSize().height() - layout.margins.bottom() - layout.pageFooter.height;
    for (const Page &page : model.pages) {
        const double captionBottom = page.text(QStringLiteral("caption"))->rect.bottom();
        double previousBottom = captionBottom;
        for (const PageText &t : page.texts) {
            if (t.name != QLatin1String("cell") || t.column != 0)
                continue;
            QVERIFY(t.rect.top() >= previousBottom - 1e-6);
            QVERIFY(t.rect.bottom() <= footerTop + 1e-6);
            previousBottom = t.rect.bottom();
        }
    }
}

void TestReportPagination::summaryComesOnceAfterTheLastRow_data()
{
    const int perPage = rowsPerPage(listLayout());
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("summaryPage");
    QTest::addColumn<QString>("sum");
    QTest::newRow("no rows: zero sums") << 0 << 1 << QStringLiteral("0");
    QTest::newRow("fixed point: 0,1 + 0,2 + 0,3") << 3 << 1 << QStringLiteral("0,6");
    // A full last page pushes the summary onto a page of its own.
    QTest::newRow("summary needs a new page") << perPage << 2 << FormatFloat(QStringLiteral("#,###0.###"),
                                                                              0.05 * perPage * (perPage + 1));
}

void TestReportPagination::summaryComesOnceAfterTheLastRow()
{
    QFETCH(int, rows);
    QFETCH(int, summaryPage);
    QFETCH(QString, sum);
    Layout layout = listLayout();
    layout.summary.height = 12;
    layout.summary.items = {
        Item::columnSum(QStringLiteral("MIKTAR"), 0),
        Item::computedLine(QStringLiteral("average"), QStringLiteral("Ortalama : "),
                           [](const Totals &t) {
                               return FormatFloat(QStringLiteral("#,###0.###"),
                                                  t.sum(QStringLiteral("MIKTAR")) / Currency::fromInt(qMax(1, t.count())));
                           },
                           QRectF(0, 6, 80, 5)),
    };
    const PageModel model = paginate(layout, numberedRows(rows), kPrinted);
    QCOMPARE(model.pageCount(), summaryPage);
    for (const Page &page : model.pages)
        QCOMPARE(page.hasSummary, page.number == summaryPage);
    const Page &last = model.pages.last();
    const PageText *sumText = last.text(QStringLiteral("sum_MIKTAR"));
    QVERIFY(sumText);
    QCOMPARE(sumText->text, sum);
    QVERIFY(sumText->alignment & Qt::AlignRight);
    // Placed under its column, below the last row.
    const PageText *caption = nullptr;
    for (const PageText &t : last.texts) {
        if (t.name == QLatin1String("caption") && t.column == 2)
            caption = &t;
    }
    QVERIFY(caption);
    QCOMPARE(sumText->rect.left(), caption->rect.left());
    QCOMPARE(sumText->rect.width(), caption->rect.width());
    for (const PageText &t : last.texts) {
        if (t.name == QLatin1String("cell"))
            QVERIFY(t.rect.bottom() <= sumText->rect.top() + 1e-6);
    }
    QVERIFY(last.text(QStringLiteral("average")));
}

void TestReportPagination::bandFlagsForFirstAndLastPage()
{
    Layout layout = listLayout();
    layout.titleBand.height = 10;
    layout.titleBand.items = {Item::label(QStringLiteral("title"), QStringLiteral("STOK LİSTESİ"), QRectF(0, 0, 0, 8))};
    layout.pageHeader.printOnFirstPage = false;
    layout.pageFooter.printOnLastPage = false;
    const PageModel model = paginate(layout, numberedRows(3 * rowsPerPage(listLayout())), kPrinted);
    QVERIFY(model.pageCount() >= 3);
    for (const Page &page : model.pages) {
        const bool first = page.number == 1, last = page.number == model.pageCount();
        QCOMPARE(page.text(QStringLiteral("title")) != nullptr, first);
        QCOMPARE(page.text(QStringLiteral("recordCount")) != nullptr, !first);
        QCOMPARE(page.text(QStringLiteral("pageNumber")) != nullptr, !last);
    }
}

void TestReportPagination::cellTexts_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("expected");
    const int number = int(ValueKind::Number), date = int(ValueKind::Date), text = int(ValueKind::Text);
    const QString mask = QStringLiteral("#,###0.###");
    QTest::newRow("grouping and comma") << QVariant(1234567.125) << number << mask << QStringLiteral("1.234.567,125");
    QTest::newRow("rounded to the mask") << QVariant(2.00049) << number << mask << QStringLiteral("2");
    QTest::newRow("negative") << QVariant(-1500.5) << number << mask << QStringLiteral("-1.500,5");
    QTest::newRow("zero shows") << QVariant(0.0) << number << mask << QStringLiteral("0");
    QTest::newRow("empty stays empty") << QVariant() << number << mask << QString();
    QTest::newRow("no mask: plain form") << QVariant(1234.5) << number << QString() << QStringLiteral("1234,5");
    QTest::newRow("stored date") << QVariant(QStringLiteral("2018-03-05")) << date << QString()
                                 << QStringLiteral("05.03.2018");
    QTest::newRow("code that looks like a number stays") << QVariant(QStringLiteral("0012")) << text << QString()
                                                         << QStringLiteral("0012");
}

void TestReportPagination::cellTexts()
{
    QFETCH(QVariant, value);
    QFETCH(int, kind);
    QFETCH(QString, mask);
    QFETCH(QString, expected);
    QCOMPARE(cellText(value, ValueKind(kind), mask), expected);

    // The same value through a page: numbers right-aligned in their cell.
    RowSet rows({QStringLiteral("V")});
    rows.appendRow({value});
    Layout layout;
    Column c = Column::text(QStringLiteral("Değer"), QStringLiteral("V"), 40);
    c.kind = ValueKind(kind);
    c.mask = mask;
    if (c.kind == ValueKind::Number)
        c.alignment = Qt::AlignRight;
    layout.columns = {c};
    const Page page = paginate(layout, rows, kPrinted).pages.first();
    QCOMPARE(page.cells(0), QStringList{expected});
}

void TestReportPagination::longTextIsCutToItsColumn()
{
    RowSet rows({QStringLiteral("AD")});
    const QString longName = QStringLiteral("Çok uzun bir ürün adı ki hiçbir sütuna sığmaz, İğdır Şırnak Ödemiş Gölcük");
    rows.appendRow({longName});
    Layout layout;
    layout.columns = {Column::text(QStringLiteral("Ad"), QStringLiteral("AD"), 30),
                      Column::text(QStringLiteral("Boş"), QStringLiteral("YOK"), 150)};
    const Page page = paginate(layout, rows, kPrinted).pages.first();
    const QString cell = page.cells(0).first();
    QVERIFY(cell.endsWith(QChar(0x2026)));
    QVERIFY(longName.startsWith(cell.chopped(1)));
    // A field the rows lack prints empty rather than failing.
    QCOMPARE(page.cells(1), QStringList{QString()});
}

void TestReportPagination::pageCountIsKnownOnEveryPage()
{
    Layout layout = listLayout();
    layout.pageFooter.items.append(Item::system(QStringLiteral("pageCount"), Content::PageCount, QStringLiteral("/ "),
                                                QRectF(0, 2, 30, 5)));
    // A computed column and its sum, as the stock value report multiplies price by balance.
    layout.columns.append(Column::computed(
        QStringLiteral("DEGER"), QStringLiteral("Değer"),
        [](const RowView &row) { return (row.number(QStringLiteral("MIKTAR")) * Currency::fromInt(3)).toDouble(); },
        30));
    const int rows = 2 * rowsPerPage(listLayout()) + 1;
    const PageModel model = paginate(layout, numberedRows(rows), kPrinted);
    QCOMPARE(model.pageCount(), 3);
    for (const Page &page : model.pages)
        QCOMPARE(page.text(QStringLiteral("pageCount"))->text, QStringLiteral("/ 3"));
    // 3 x (0,1 + ... + rows/10) in fixed point.
    QCOMPARE(model.totals.sum(QStringLiteral("DEGER")), Currency::fromScaled(3 * 1000LL * rows * (rows + 1) / 2));
    QCOMPARE(model.pages.first().cells(4).first(), QStringLiteral("0,3"));
}

void TestReportPagination::picturesComeFromTheItemOrTheRowsFile()
{
    QTemporaryDir dir;
    QImage red(30, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    const QString file = dir.filePath(QStringLiteral("resim.png"));
    QVERIFY(red.save(file));

    Layout layout;
    layout.titleBand.height = 45;
    layout.titleBand.items = {Item::pictureBox(QStringLiteral("qstok_resmi"), red, QRectF(130, 0, 40, 40))};
    layout.detail.height = 30;
    Item perRow;
    perRow.name = QStringLiteral("kisiResmi");
    perRow.content = Content::PictureField;
    perRow.field = QStringLiteral("RESADI");
    perRow.rect = QRectF(0, 0, 25, 25);
    layout.detail.items = {perRow, Item::fieldValue(QStringLiteral("ad"), QStringLiteral("Adı : "),
                                                    QStringLiteral("AD"), QRectF(30, 0, 80, 5))};
    RowSet rows({QStringLiteral("AD"), QStringLiteral("RESADI")});
    rows.appendRow({QStringLiteral("Ayşe"), file});
    rows.appendRow({QStringLiteral("Işık"), dir.filePath(QStringLiteral("yok.png"))});

    const Page page = paginate(layout, rows, kPrinted).pages.first();
    QCOMPARE(page.pictures.size(), 3);
    QCOMPARE(page.pictures[0].name, QStringLiteral("qstok_resmi"));
    QCOMPARE(page.pictures[0].rect, QRectF(layout.margins.left() + 130, layout.margins.top(), 40, 40));
    QCOMPARE(page.pictures[1].image.size(), QSize(30, 20));
    // A missing file leaves the box empty instead of failing the report.
    QVERIFY(page.pictures[2].image.isNull());
    QCOMPARE(page.pictures[2].rect.top() - page.pictures[1].rect.top(), 30.0);
    QCOMPARE(page.text(QStringLiteral("ad"))->text, QStringLiteral("Adı : Ayşe"));
}

VR_TEST(TestReportPagination)
#include "tst_ReportPagination.moc"
