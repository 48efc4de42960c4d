#include "platform/report/ReportPainter.h"
#include "platform/sqlite/Database.h"
#include "platform/widgets/ReportPreview.h"
#include "stock/StockListReports.h"
#include "support/TestProgramDir.h"
#include "support/TestRegistry.h"

#include <QElapsedTimer>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QStandardPaths>
#include <QTest>

using namespace Report;

namespace {

const QDateTime kPrinted(QDate(2024, 2, 29), QTime(9, 30, 0));

struct Card
{
    QString code, name, unit, klass, group, desc1, desc2, desc3;
    double prices[4];
    QString shelf, box, barcode;
};

bool insertCards(const QList<Card> &cards)
{
    QSqlDatabase db = Database::connection();
    if (!db.transaction())
        return false;
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO anastokgirisi_7 VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,0,18,0,'','','',0,0,?,?,?,'2024-01-02')"));
    int otosn = 1;
    for (const Card &c : cards) {
        const QVariantList values{otosn++, c.code, c.name, c.unit, c.klass, c.group, c.desc1, c.desc2, c.desc3,
                                  c.prices[0], c.prices[1], c.prices[2], c.prices[3], c.shelf, c.box, c.barcode};
        for (int i = 0; i < values.size(); ++i)
            q.bindValue(i, values[i]);
        if (!q.exec()) {
            qWarning() << q.lastError().text();
            db.rollback();
            return false;
        }
    }
    return db.commit();
}

Card sampleCard(int i)
{
    return {QStringLiteral("ŞK-%1").arg(i, 4, 10, QLatin1Char('0')), QStringLiteral("Çelik İğne Ölçü %1 ğüşıöç").arg(i),
            QStringLiteral("ADET"), QStringLiteral("SINIF"), QStringLiteral("GRUP Ğ"), QStringLiteral("Açıklama bir"),
            QStringLiteral("Açıklama iki"), QStringLiteral("Açıklama üç"), {1234.5 + i, 0.125, 12, 1000000},
            QStringLiteral("R%1").arg(i % 7), QStringLiteral("G%1").arg(i % 3), QStringLiteral("869%1").arg(i, 10, 10, QLatin1Char('0'))};
}

// The browser's result set: every card of the company, narrowed and ordered as the user asked.
RowSet resultSet(const QString &where = {}, const QString &order = QStringLiteral("STOK_KODU"))
{
    QSqlQueryModel model;
    model.setQuery(QStringLiteral("SELECT * FROM anastokgirisi_7 ") + where + QStringLiteral(" ORDER BY ") + order,
                   Database::connection());
    return RowSet::fromModel(&model);
}

QStringList captions(const Page &page)
{
    QStringList out;
    for (const PageText &t : page.texts) {
        if (t.name == QLatin1String("caption"))
            out.append(t.text);
    }
    return out;
}

} // namespace

class TestStockListReports : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void listsPrintTheirColumns_data();
    void listsPrintTheirColumns();
    void emptyResultSetStillGivesTheHeadings();
    void thousandCardsToPdf();
    void previewIsNotModalAndMaximised();

private:
    TestProgramDir *m_dir = nullptr;
};

void TestStockListReports::init()
{
    m_dir = new TestProgramDir;
    QVERIFY(m_dir->openCompanyList());
    QVERIFY(m_dir->createCompany(QStringLiteral("7"), QStringLiteral("Deneme"), QStringLiteral("x")));
    QVERIFY(m_dir->enterCompany(QStringLiteral("7")));
}

void TestStockListReports::cleanup()
{
    delete m_dir;
    m_dir = nullptr;
}

void TestStockListReports::listsPrintTheirColumns_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("firstRow");
    const QStringList base{QStringLiteral("Stok Kodu"), QStringLiteral("Cinsi")};
    const QStringList prices{QStringLiteral("1.Fiyat"), QStringLiteral("2.Fiyat"), QStringLiteral("3.Fiyat"),
                             QStringLiteral("4.Fiyat")};
    const QString code = QStringLiteral("ŞK-0002"), name = QStringLiteral("Çelik İğne Ölçü 2 ğüşıöç");
    const QStringList priceCells{QStringLiteral("1.236,5"), QStringLiteral("0,125"), QStringLiteral("12"),
                                 QStringLiteral("1.000.000")};
    QTest::newRow("STOK_LISTE_1") << int(StockList::STOK_LISTE_1) << false
                                  << base + QStringList{QStringLiteral("Birimi"), QStringLiteral("Sınıfı"), QStringLiteral("Grubu")}
                                  << QStringList{code, name, QStringLiteral("ADET"), QStringLiteral("SINIF"), QStringLiteral("GRUP Ğ")};
    QTest::newRow("STOK_LISTE_2") << int(StockList::STOK_LISTE_2) << true
                                  << base + QStringList{QStringLiteral("Birimi"), QStringLiteral("Sınıfı"),
                                                        QStringLiteral("Açıklama - 1"), QStringLiteral("Açıklama - 2"),
                                                        QStringLiteral("Açıklama - 3")}
                                  << QStringList{code, name, QStringLiteral("ADET"), QStringLiteral("SINIF"),
                                                 QStringLiteral("Açıklama bir"), QStringLiteral("Açıklama iki"),
                                                 QStringLiteral("Açıklama üç")};
    QTest::newRow("STOKLIS1X") << int(StockList::STOKLIS1X) << false
                               << base + QStringList{QStringLiteral("Raf No"), QStringLiteral("Göz No"), QStringLiteral("Barkod No")}
                               << QStringList{code, name, QStringLiteral("R2"), QStringLiteral("G2"),
                                              QStringLiteral("8690000000002")};
    QTest::newRow("STOK_LISTE_3") << int(StockList::STOK_LISTE_3) << false << base + prices
                                  << QStringList{code, name} + priceCells;
    QTest::newRow("STOK_LISTE_4") << int(StockList::STOK_LISTE_4) << true
                                  << base + prices + QStringList{QStringLiteral("Açıklama")}
                                  << QStringList{code, name} + priceCells + QStringList{QStringLiteral("Açıklama bir")};
}

void TestStockListReports::listsPrintTheirColumns()
{
    QFETCH(int, list);
    QFETCH(bool, landscape);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, firstRow);
    QVERIFY(insertCards({sampleCard(1), sampleCard(2), sampleCard(3)}));
    // The browser narrowed the list and sorts it backwards: the report follows.
    const PageModel model = renderStockList(StockList(list),
                                            resultSet(QStringLiteral("WHERE STOK_KODU <> 'ŞK-0003'"),
                                                      QStringLiteral("STOK_KODU DESC")),
                                            kPrinted);
    QCOMPARE(model.name, stockListName(StockList(list)));
    QCOMPARE(model.orientation == Orientation::Landscape, landscape);
    QCOMPARE(model.pageCount(), 1);
    const Page &page = model.pages.first();
    QCOMPARE(page.text(QStringLiteral("heading"))->text, QStringLiteral(" S T O K   L İ S T E S İ "));
    QCOMPARE(page.text(QStringLiteral("heading"))->style.bold, true);
    QCOMPARE(page.text(QStringLiteral("recordCount"))->text, QStringLiteral("Kayıt Sayısı : 2"));
    QCOMPARE(page.text(QStringLiteral("printDate"))->text, QStringLiteral("Rapor Tarihi : 29.02.2024 09:30:00"));
    QCOMPARE(page.text(QStringLiteral("pageNumber"))->text, QStringLiteral("Sayfa No : 1"));
    QCOMPARE(::captions(page), captions);
    QCOMPARE(page.rowCount, 2);
    for (int c = 0; c < firstRow.size(); ++c) {
        QCOMPARE(page.cells(c).first(), firstRow[c]);
        const PageText *cell = nullptr;
        for (const PageText &t : page.texts) {
            if (t.name == QLatin1String("cell") && t.column == c)
                cell = &t;
        }
        // Prices right-aligned, everything else left.
        QCOMPARE(bool(cell->alignment & Qt::AlignRight), captions[c].endsWith(QStringLiteral("Fiyat")));
    }
    QCOMPARE(page.cells(0).last(), QStringLiteral("ŞK-0001"));
}

void TestStockListReports::emptyResultSetStillGivesTheHeadings()
{
    const PageModel model = renderStockList(StockList::STOK_LISTE_1, resultSet(), kPrinted);
    QCOMPARE(model.pageCount(), 1);
    const Page &page = model.pages.first();
    QCOMPARE(page.rowCount, 0);
    QCOMPARE(::captions(page).size(), 5);
    QCOMPARE(page.text(QStringLiteral("recordCount"))->text, QStringLiteral("Kayıt Sayısı : 0"));
    QVERIFY(page.text(QStringLiteral("pageNumber")));
}

void TestStockListReports::thousandCardsToPdf()
{
    QList<Card> cards;
    for (int i = 0; i < 1000; ++i)
        cards.append(sampleCard(i));
    QVERIFY(insertCards(cards));
    const QString path = m_dir->file(QStringLiteral("liste.pdf"));
    QElapsedTimer timer;
    timer.start();
    const PageModel model = renderStockList(StockList::STOK_LISTE_3, resultSet());
    QString error;
    QVERIFY2(writePdf(model, path, &error), qPrintable(error));
    const qint64 ms = timer.elapsed();
    qInfo("1000 cards, %d pages: %lld ms", model.pageCount(), ms);
    // Generous for a loaded machine; it takes a fraction of this.
    QVERIFY2(ms < 5000, qPrintable(QString::number(ms)));

    int rows = 0;
    for (const Page &page : model.pages)
        rows += page.rowCount;
    QCOMPARE(rows, 1000);

    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    QVERIFY(p.waitForFinished(30000));
    const QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(QChar(u'\f'), Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), model.pageCount());
    for (int i = 0; i < pages.size(); ++i) {
        QVERIFY(pages[i].contains(QStringLiteral("Sayfa No : %1").arg(i + 1)));
        QVERIFY(pages[i].contains(QStringLiteral("Kayıt Sayısı : 1000")));
    }
    QVERIFY(pages.last().contains(QStringLiteral("ŞK-0999")));
    QVERIFY(pages.first().contains(QStringLiteral("Çelik İğne Ölçü 0 ğüşıöç")));
}

void TestStockListReports::previewIsNotModalAndMaximised()
{
    QVERIFY(insertCards({sampleCard(1)}));
    QSqlQueryModel model;
    model.setQuery(QStringLiteral("SELECT * FROM anastokgirisi_7"), Database::connection());
    QPointer<ReportPreview> preview = previewStockList(StockList::STOK_LISTE_2, &model);
    QVERIFY(preview);
    QVERIFY(preview->isVisible());
    QVERIFY(!preview->isModal());
    QVERIFY(preview->isMaximized());
    QCOMPARE(preview->view()->zoomMode(), QPrintPreviewWidget::FitToWidth);
    QCOMPARE(preview->windowTitle(), QStringLiteral("Stok Listesi (Detaylı)"));
    QCOMPARE(preview->pageModel().recordCount, 1);
    preview->close();
    QTRY_VERIFY(preview.isNull());
}

VR_TEST(TestStockListReports)
#include "tst_StockListReports.moc"
