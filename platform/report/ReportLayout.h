#pragma once

#include <QImage>
#include <QLineF>
#include <QList>
#include <QMap>
#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QVariant>

#include <functional>

#include "platform/number/Currency.h"
#include "platform/report/RowSet.h"

// A report layout: bands of positioned items around a table of columns,
// on A4 paper. Every position and size is in millimetres; band items are
// placed relative to the band's top left corner inside the page margins.
namespace Report {

enum class Orientation { Portrait, Landscape };
enum class ValueKind { Text, Number, Date };

inline constexpr char kFontFamily[] = "DejaVu Sans";

struct TextStyle
{
    double pointSize = 9;
    bool bold = false;
    bool italic = false;
    friend bool operator==(const TextStyle &, const TextStyle &) = default;
};

using RowExpression = std::function<QVariant(const RowView &)>;

struct Column
{
    QString name;         // how summary items refer to it; the field when empty
    QString caption;
    QString field;
    RowExpression expression; // computed value; replaces the field when set
    double width = 30;    // share of the table width, in millimetres at nominal size
    Qt::Alignment alignment = Qt::AlignLeft;
    ValueKind kind = ValueKind::Text;
    QString mask;         // number display pattern; empty gives the plain decimal form

    QString key() const { return name.isEmpty() ? field : name; }

    static Column text(const QString &caption, const QString &field, double width);
    static Column number(const QString &caption, const QString &field, double width,
                         const QString &mask = QStringLiteral("#,###0.###"));
    static Column date(const QString &caption, const QString &field, double width);
    static Column computed(const QString &name, const QString &caption, RowExpression expression, double width,
                           const QString &mask = QStringLiteral("#,###0.###"));
};

// Sums of the number columns over the printed rows, for summary items.
class Totals
{
public:
    int count() const { return m_count; }
    Currency sum(const QString &column) const { return m_sums.value(column); }
    void add(const QString &column, Currency value) { m_sums[column] += value; }
    void setCount(int count) { m_count = count; }

private:
    int m_count = 0;
    QMap<QString, Currency> m_sums;
};

enum class Content {
    Text,          // the item's text
    Field,         // text + the value of a field of the current row (detail band)
    RecordCount,   // text + number of detail rows
    PrintDate,     // text + date of printing
    PrintDateTime, // text + date and time of printing
    PageNumber,    // text + page number
    PageCount,     // text + number of pages
    ColumnSum,     // text + sum of a column, placed under that column
    Computed,      // text + what the function makes of the totals
    Picture,       // the item's image
    PictureField,  // the picture file named by a field of the current row
};

struct Item
{
    QString name;
    Content content = Content::Text;
    QString text;
    QString field;        // Field / PictureField: the field; ColumnSum: the column's key
    QString mask;         // ColumnSum / Field numbers; empty gives the plain decimal form
    std::function<QString(const Totals &)> computed;
    QImage picture;
    QRectF rect;          // in the band; a width <= 0 reaches the right margin
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    TextStyle style;
    bool wordWrap = false;
    bool stretch = true;  // pictures: fill the box, else keep the aspect ratio
    bool frame = false;   // pictures: draw the box's outline

    static Item label(const QString &name, const QString &text, const QRectF &rect,
                      Qt::Alignment alignment = Qt::AlignLeft, TextStyle style = {});
    static Item system(const QString &name, Content content, const QString &prefix, const QRectF &rect,
                       Qt::Alignment alignment = Qt::AlignLeft, TextStyle style = {});
    static Item fieldValue(const QString &name, const QString &prefix, const QString &field, const QRectF &rect,
                      Qt::Alignment alignment = Qt::AlignLeft, TextStyle style = {});
    // The sum of a column, printed under it at height y of the band.
    static Item columnSum(const QString &column, double y, const QString &mask = QStringLiteral("#,###0.###"),
                          TextStyle style = {});
    static Item computedLine(const QString &name, const QString &prefix, std::function<QString(const Totals &)> fn,
                             const QRectF &rect, Qt::Alignment alignment = Qt::AlignLeft, TextStyle style = {});
    static Item pictureBox(const QString &name, const QImage &image, const QRectF &rect, bool stretch = true);
};

struct Band
{
    double height = 0;
    QList<Item> items;
    QList<QLineF> rules;          // horizontal or vertical lines in band coordinates
    bool printOnFirstPage = true; // page header
    bool printOnLastPage = true;  // page footer

    bool isEmpty() const { return height <= 0; }
};

struct Layout
{
    QString name;
    QString title;                 // the preview window's title
    Orientation orientation = Orientation::Portrait;
    QMarginsF margins{15, 12, 15, 12};

    Band titleBand;                // first page only, above the page header
    Band pageHeader;               // every page (see printOnFirstPage)
    QList<Column> columns;         // the table; widths are scaled to the page
    bool columnCaptions = true;    // bold captions over the columns on every page
    TextStyle captionStyle{9, true};
    TextStyle detailStyle{9};
    double rowHeight = 0;          // 0: from the detail font
    Band detail;                   // items printed for each row besides the columns
    Band summary;                  // once, after the last row
    Band pageFooter;               // bottom of every page (see printOnLastPage)

    QSizeF pageSize() const;       // A4 in the layout's orientation
    double contentWidth() const;
    double effectiveRowHeight() const;
    int columnIndex(const QString &key) const;
};

// Height of one line of text in the style, in millimetres.
double lineHeight(const TextStyle &style);

// The text of a value as a report cell shows it: numbers through the mask
// (Turkish separators), dates as dd.mm.yyyy, everything else as text.
QString cellText(const QVariant &value, ValueKind kind, const QString &mask);

} // namespace Report
