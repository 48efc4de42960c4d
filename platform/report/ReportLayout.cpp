#include "platform/report/ReportLayout.h"

#include "platform/number/Formats.h"

namespace Report {

Column Column::text(const QString &caption, const QString &field, double width)
{
    Column c;
    c.caption = caption;
    c.field = field;
    c.width = width;
    return c;
}

Column Column::number(const QString &caption, const QString &field, double width, const QString &mask)
{
    Column c = text(caption, field, width);
    c.kind = ValueKind::Number;
    c.alignment = Qt::AlignRight;
    c.mask = mask;
    return c;
}

Column Column::date(const QString &caption, const QString &field, double width)
{
    Column c = text(caption, field, width);
    c.kind = ValueKind::Date;
    return c;
}

Column Column::computed(const QString &name, const QString &caption, RowExpression expression, double width,
                        const QString &mask)
{
    Column c = number(caption, QString(), width, mask);
    c.name = name;
    c.expression = std::move(expression);
    return c;
}

Item Item::label(const QString &name, const QString &text, const QRectF &rect, Qt::Alignment alignment,
                 TextStyle style)
{
    Item i;
    i.name = name;
    i.text = text;
    i.rect = rect;
    i.alignment = alignment;
    i.style = style;
    return i;
}

Item Item::system(const QString &name, Content content, const QString &prefix, const QRectF &rect,
                  Qt::Alignment alignment, TextStyle style)
{
    Item i = label(name, prefix, rect, alignment, style);
    i.content = content;
    return i;
}

Item Item::fieldValue(const QString &name, const QString &prefix, const QString &field, const QRectF &rect,
                 Qt::Alignment alignment, TextStyle style)
{
    Item i = system(name, Content::Field, prefix, rect, alignment, style);
    i.field = field;
    return i;
}

Item Item::columnSum(const QString &column, double y, const QString &mask, TextStyle style)
{
    Item i = system(QStringLiteral("sum_") + column, Content::ColumnSum, QString(), QRectF(0, y, 0, 0),
                    Qt::AlignRight, style);
    i.field = column;
    i.mask = mask;
    return i;
}

Item Item::computedLine(const QString &name, const QString &prefix, std::function<QString(const Totals &)> fn,
                        const QRectF &rect, Qt::Alignment alignment, TextStyle style)
{
    Item i = system(name, Content::Computed, prefix, rect, alignment, style);
    i.computed = std::move(fn);
    return i;
}

Item Item::pictureBox(const QString &name, const QImage &image, const QRectF &rect, bool stretch)
{
    Item i;
    i.name = name;
    i.content = Content::Picture;
    i.picture = image;
    i.rect = rect;
    i.stretch = stretch;
    return i;
}

QSizeF Layout::pageSize() const
{
    return orientation == Orientation::Portrait ? QSizeF(210, 297) : QSizeF(297, 210);
}

double Layout::contentWidth() const
{
    return pageSize().width() - margins.left() - margins.right();
}

double Layout::effectiveRowHeight() const
{
    return rowHeight > 0 ? rowHeight : lineHeight(detailStyle);
}

int Layout::columnIndex(const QString &key) const
{
    for (int i = 0; i < columns.size(); ++i) {
        if (columns.at(i).key().compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

double lineHeight(const TextStyle &style)
{
    // One point is 0.3528 mm; the extra leaves room for accents (İ, Ş) and descenders.
    return style.pointSize * 0.3528 * 1.5;
}

QString cellText(const QVariant &value, ValueKind kind, const QString &mask)
{
    if (!value.isValid() || value.isNull())
        return {};
    switch (kind) {
    case ValueKind::Number: {
        if (mask.isEmpty())
            return FloatToStr(toCurrency(value));
        // Straight from the stored number: going through four decimals first
        // would round twice (2.00049 -> 2.0005 -> 2.001).
        return FormatFloat(mask, isNumberValue(value) ? value.toDouble() : toCurrency(value).toDouble());
    }
    case ValueKind::Date: {
        const QDate d = toDate(value);
        return d.isValid() ? formatDate(d) : value.toString();
    }
    case ValueKind::Text:
        break;
    }
    if (isNumberValue(value))
        return FloatToStr(toCurrency(value));
    if (value.metaType().id() == QMetaType::QDate || value.metaType().id() == QMetaType::QDateTime)
        return formatDate(toDate(value));
    return value.toString();
}

} // namespace Report
