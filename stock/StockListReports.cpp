#include "stock/StockListReports.h"

#include "platform/report/Paginator.h"
#include "platform/widgets/ReportPreview.h"

using namespace Report;

namespace {

const QString kHeading = QStringLiteral(" S T O K   L İ S T E S İ ");

Column stokKodu() { return Column::text(QStringLiteral("Stok Kodu"), QStringLiteral("STOK_KODU"), 32); }
Column cinsi(double width) { return Column::text(QStringLiteral("Cinsi"), QStringLiteral("CINSI"), width); }
Column price(int n)
{
    return Column::number(QStringLiteral("%1.Fiyat").arg(n), QStringLiteral("FIYAT%1").arg(n), 24);
}

// Heading, record count and print time on every page; page number at the foot.
void addBands(Layout &layout)
{
    layout.pageHeader.height = 17;
    layout.pageHeader.items = {
        Item::system(QStringLiteral("recordCount"), Content::RecordCount, QStringLiteral("Kayıt Sayısı : "),
                     QRectF(0, 0, 90, 5)),
        Item::system(QStringLiteral("printDate"), Content::PrintDateTime, QStringLiteral("Rapor Tarihi : "),
                     QRectF(0, 0, 0, 5), Qt::AlignRight),
        Item::label(QStringLiteral("heading"), kHeading, QRectF(0, 6, 0, 9), Qt::AlignHCenter, TextStyle{14, true}),
    };
    layout.pageFooter.height = 8;
    layout.pageFooter.rules = {QLineF(0, 1, layout.contentWidth(), 1)};
    layout.pageFooter.items = {Item::system(QStringLiteral("pageNumber"), Content::PageNumber,
                                            QStringLiteral("Sayfa No : "), QRectF(0, 2, 0, 5), Qt::AlignRight)};
}

} // namespace

QString stockListName(StockList list)
{
    switch (list) {
    case StockList::STOK_LISTE_1: return QStringLiteral("STOK_LISTE_1");
    case StockList::STOK_LISTE_2: return QStringLiteral("STOK_LISTE_2");
    case StockList::STOKLIS1X: return QStringLiteral("STOKLIS1X");
    case StockList::STOK_LISTE_3: return QStringLiteral("STOK_LISTE_3");
    case StockList::STOK_LISTE_4: return QStringLiteral("STOK_LISTE_4");
    }
    return {};
}

Layout stockListLayout(StockList list)
{
    Layout layout;
    layout.name = stockListName(list);
    const Column birimi = Column::text(QStringLiteral("Birimi"), QStringLiteral("BIRIMI"), 16);
    const Column sinifi = Column::text(QStringLiteral("Sınıfı"), QStringLiteral("SINIFI"), 20);
    switch (list) {
    case StockList::STOK_LISTE_1:
        layout.title = QStringLiteral("Stok Listesi (Standart)");
        layout.columns = {stokKodu(), cinsi(72), birimi, sinifi,
                          Column::text(QStringLiteral("Grubu"), QStringLiteral("GRUBU"), 30)};
        break;
    case StockList::STOK_LISTE_2:
        layout.title = QStringLiteral("Stok Listesi (Detaylı)");
        layout.orientation = Orientation::Landscape;
        layout.columns = {stokKodu(), cinsi(62), birimi, sinifi,
                          Column::text(QStringLiteral("Açıklama - 1"), QStringLiteral("ACIKLAMA1"), 45),
                          Column::text(QStringLiteral("Açıklama - 2"), QStringLiteral("ACIKLAMA2"), 45),
                          Column::text(QStringLiteral("Açıklama - 3"), QStringLiteral("ACIKLAMA3"), 45)};
        break;
    case StockList::STOKLIS1X:
        layout.title = QStringLiteral("Stok Listesi (Raf,Göz,Barkod)");
        layout.columns = {stokKodu(), cinsi(64),
                          Column::text(QStringLiteral("Raf No"), QStringLiteral("RAFNO"), 22),
                          Column::text(QStringLiteral("Göz No"), QStringLiteral("GOZNO"), 22),
                          Column::text(QStringLiteral("Barkod No"), QStringLiteral("BARKODNO"), 36)};
        break;
    case StockList::STOK_LISTE_3:
        layout.title = QStringLiteral("Stok Fiyat Listesi (Standart)");
        layout.columns = {stokKodu(), cinsi(56), price(1), price(2), price(3), price(4)};
        break;
    case StockList::STOK_LISTE_4:
        layout.title = QStringLiteral("Stok Fiyat Listesi (Detaylı)");
        layout.orientation = Orientation::Landscape;
        layout.columns = {stokKodu(), cinsi(70), price(1), price(2), price(3), price(4),
                          Column::text(QStringLiteral("Açıklama"), QStringLiteral("ACIKLAMA1"), 62)};
        break;
    }
    addBands(layout);
    return layout;
}

PageModel renderStockList(StockList list, const RowSet &rows, const QDateTime &printedAt)
{
    return paginate(stockListLayout(list), rows, printedAt);
}

ReportPreview *previewStockList(StockList list, QAbstractItemModel *resultSet, QWidget *parent)
{
    auto *preview = new ReportPreview(renderStockList(list, RowSet::fromModel(resultSet)),
                                      ReportPreview::PageWidthMaximised, parent);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->show();
    return preview;
}
