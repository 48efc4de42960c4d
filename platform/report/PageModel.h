#pragma once

#include <QDateTime>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include "platform/report/ReportLayout.h"

// What a paginated report puts on paper: pages of positioned texts, lines
// and pictures in millimetres from the page's top left corner. Painting,
// preview and tests all read this one model.
namespace Report {

struct PageText
{
    QString name;          // item name; "caption" / "cell" for the table
    QRectF rect;
    QString text;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    TextStyle style;
    bool wordWrap = false;
    int row = -1;          // detail cells: row of the source
    int column = -1;       // captions and cells: column of the layout
};

struct PageLine
{
    QLineF line;
    double width = 0.3;
};

struct PagePicture
{
    QString name;
    QRectF rect;
    QImage image;
    bool stretch = true;
    bool frame = false;
};

struct Page
{
    int number = 0;
    QList<PageText> texts;
    QList<PageLine> lines;
    QList<PagePicture> pictures;
    int firstRow = 0;      // first detail row on the page
    int rowCount = 0;      // detail rows on the page
    bool hasSummary = false;

    const PageText *text(const QString &name) const; // first text of that name, or null
    QStringList cells(int column) const;              // the column's cell texts, top to bottom
};

struct PageModel
{
    QString name;
    QString title;
    Orientation orientation = Orientation::Portrait;
    QSizeF pageSize{210, 297};
    QDateTime printedAt;
    int recordCount = 0;
    Totals totals;
    QList<Page> pages;

    int pageCount() const { return int(pages.size()); }
};

} // namespace Report
