#pragma once

#include <QDateTime>
#include <QString>

#include "platform/report/PageModel.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/RowSet.h"

class QAbstractItemModel;
class QWidget;
class ReportPreview;

// The five plain lists of the stock browser's report menu. They print the
// browser's result set as it stands (rows of the stock card table, search and
// order included): no question, no computation, and an empty set still gives
// the headings.
enum class StockList { STOK_LISTE_1, STOK_LISTE_2, STOKLIS1X, STOK_LISTE_3, STOK_LISTE_4 };

QString stockListName(StockList list);
Report::Layout stockListLayout(StockList list);
Report::PageModel renderStockList(StockList list, const Report::RowSet &rows,
                                  const QDateTime &printedAt = QDateTime::currentDateTime());

// Opens the list's preview over the model's rows: not modal, maximised and
// zoomed to the page width; the window deletes itself when closed.
ReportPreview *previewStockList(StockList list, QAbstractItemModel *resultSet, QWidget *parent = nullptr);
