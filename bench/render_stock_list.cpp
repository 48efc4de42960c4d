// Renders the plain stock lists over generated cards to PDF and prints the
// time each step takes. Usage: bench_render_stock_list [cards] [output folder]
#include "platform/report/ReportPainter.h"
#include "stock/StockListReports.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int cards = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1000;
    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QDir::tempPath();

    Report::RowSet rows({QStringLiteral("STOK_KODU"), QStringLiteral("CINSI"), QStringLiteral("BIRIMI"),
                         QStringLiteral("SINIFI"), QStringLiteral("GRUBU"), QStringLiteral("ACIKLAMA1"),
                         QStringLiteral("ACIKLAMA2"), QStringLiteral("ACIKLAMA3"), QStringLiteral("FIYAT1"),
                         QStringLiteral("FIYAT2"), QStringLiteral("FIYAT3"), QStringLiteral("FIYAT4"),
                         QStringLiteral("RAFNO"), QStringLiteral("GOZNO"), QStringLiteral("BARKODNO")});
    for (int i = 0; i < cards; ++i) {
        rows.appendRow({QStringLiteral("ŞK-%1").arg(i, 5, 10, QLatin1Char('0')),
                        QStringLiteral("Çelik İğne Ölçü %1 ğüşıöç").arg(i), QStringLiteral("ADET"),
                        QStringLiteral("SINIF-%1").arg(i % 9), QStringLiteral("GRUP Ğ%1").arg(i % 5),
                        QStringLiteral("Açıklama bir"), QStringLiteral("Açıklama iki"), QStringLiteral("Açıklama üç"),
                        1234.5 + i, 0.125 * i, 12.0, 1000000.0, QStringLiteral("R%1").arg(i % 40),
                        QStringLiteral("G%1").arg(i % 12), QStringLiteral("869%1").arg(i, 10, 10, QLatin1Char('0'))});
    }

    for (StockList list : {StockList::STOK_LISTE_1, StockList::STOK_LISTE_2, StockList::STOKLIS1X,
                           StockList::STOK_LISTE_3, StockList::STOK_LISTE_4}) {
        QElapsedTimer timer;
        timer.start();
        const Report::PageModel model = renderStockList(list, rows);
        const qint64 paginated = timer.elapsed();
        const QString path = QDir(folder).filePath(stockListName(list) + QStringLiteral(".pdf"));
        QString error;
        const bool ok = Report::writePdf(model, path, &error);
        std::printf("%-13s %5d cards %3d pages  paginate %4lld ms  pdf %4lld ms  %s\n",
                    qPrintable(stockListName(list)), cards, model.pageCount(), paginated, timer.elapsed() - paginated,
                    ok ? qPrintable(path) : qPrintable(error));
    }
    return 0;
}
