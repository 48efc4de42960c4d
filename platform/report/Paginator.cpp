#include "platform/report/Paginator.h"

#include "platform/number/Formats.h"
#include "platform/report/TextMeasure.h"

#include <QFileInfo>

namespace Report {

namespace {

constexpr double kCellPadding = 1.0; // mm on each side of a table cell

struct ColumnGeometry
{
    double x = 0;
    double width = 0;
};

class Paginator
{
public:
    Paginator(const Layout &layout, const RowSet &rows, const QDateTime &printedAt)
        : m_layout(layout), m_rows(rows)
    {
        m_model.name = layout.name;
        m_model.title = layout.title;
        m_model.orientation = layout.orientation;
        m_model.pageSize = layout.pageSize();
        m_model.printedAt = printedAt;
        m_model.recordCount = rows.rowCount();
        m_model.totals.setCount(rows.rowCount());
        m_bottom = m_model.pageSize.height() - layout.margins.bottom() - layout.pageFooter.height;
        layoutColumns();
        for (const Column &c : layout.columns)
            m_fieldIndex.append(c.expression ? -1 : rows.fieldIndex(c.field));
    }

    PageModel run()
    {
        computeTotals();
        newPage();
        const double rowHeight = qMax(m_layout.columns.isEmpty() ? 0.0 : m_layout.effectiveRowHeight(),
                                      m_layout.detail.height);
        for (int r = 0; r < m_rows.rowCount(); ++r) {
            if (m_y + rowHeight > m_bottom + 1e-9 && page().rowCount > 0)
                newPage();
            if (page().rowCount == 0)
                page().firstRow = r;
            placeRow(r, rowHeight);
            ++page().rowCount;
        }
        if (!m_layout.summary.isEmpty()) {
            if (m_y + m_layout.summary.height > m_bottom + 1e-9)
                newPage();
            placeBand(page(), m_layout.summary, m_y, -1);
            m_y += m_layout.summary.height;
            page().hasSummary = true;
        }
        placeFooters();
        return std::move(m_model);
    }

private:
    Page &page() { return m_model.pages.last(); }

    void layoutColumns()
    {
        double total = 0;
        for (const Column &c : m_layout.columns)
            total += qMax(0.0, c.width);
        const double scale = total > 0 ? m_layout.contentWidth() / total : 0;
        double x = m_layout.margins.left();
        for (const Column &c : m_layout.columns) {
            const double w = qMax(0.0, c.width) * scale;
            m_columns.append({x, w});
            x += w;
        }
    }

    QVariant columnValue(int column, int row) const
    {
        const Column &c = m_layout.columns.at(column);
        if (c.expression)
            return c.expression(RowView(m_rows, row));
        return m_rows.value(row, m_fieldIndex.at(column));
    }

    void computeTotals()
    {
        for (int c = 0; c < m_layout.columns.size(); ++c) {
            const Column &col = m_layout.columns.at(c);
            if (col.kind != ValueKind::Number)
                continue;
            Currency sum;
            for (int r = 0; r < m_rows.rowCount(); ++r)
                sum += toCurrency(columnValue(c, r));
            m_model.totals.add(col.key(), sum);
        }
    }

    void newPage()
    {
        Page p;
        p.number = int(m_model.pages.size()) + 1;
        m_model.pages.append(p);
        m_y = m_layout.margins.top();
        if (p.number == 1 && !m_layout.titleBand.isEmpty()) {
            placeBand(page(), m_layout.titleBand, m_y, -1);
            m_y += m_layout.titleBand.height;
        }
        if (!m_layout.pageHeader.isEmpty() && (p.number > 1 || m_layout.pageHeader.printOnFirstPage)) {
            placeBand(page(), m_layout.pageHeader, m_y, -1);
            m_y += m_layout.pageHeader.height;
        }
        if (m_layout.columnCaptions && !m_layout.columns.isEmpty())
            placeCaptions();
    }

    void placeCaptions()
    {
        const TextStyle &style = m_layout.captionStyle;
        int lines = 1;
        for (int c = 0; c < m_layout.columns.size(); ++c) {
            const double w = m_columns.at(c).width - 2 * kCellPadding;
            lines = qMax(lines, m_measure.wrappedLines(style, m_layout.columns.at(c).caption, w));
        }
        const double height = lines * lineHeight(style) + 1.0;
        const double left = m_layout.margins.left();
        const double right = left + m_layout.contentWidth();
        page().lines.append({QLineF(left, m_y, right, m_y), 0.3});
        for (int c = 0; c < m_layout.columns.size(); ++c) {
            const Column &col = m_layout.columns.at(c);
            PageText t;
            t.name = QStringLiteral("caption");
            t.rect = cellRect(c, m_y, height);
            t.text = col.caption;
            t.alignment = col.alignment | Qt::AlignBottom;
            t.style = style;
            t.wordWrap = lines > 1;
            t.column = c;
            page().texts.append(t);
        }
        m_y += height;
        page().lines.append({QLineF(left, m_y, right, m_y), 0.3});
        m_y += 0.5;
    }

    QRectF cellRect(int column, double y, double height) const
    {
        const ColumnGeometry &g = m_columns.at(column);
        return QRectF(g.x + kCellPadding, y, qMax(0.0, g.width - 2 * kCellPadding), height);
    }

    void placeRow(int row, double height)
    {
        const TextStyle &style = m_layout.detailStyle;
        for (int c = 0; c < m_layout.columns.size(); ++c) {
            const Column &col = m_layout.columns.at(c);
            PageText t;
            t.name = QStringLiteral("cell");
            t.rect = cellRect(c, m_y, m_layout.effectiveRowHeight());
            t.text = m_measure.elided(style, cellText(columnValue(c, row), col.kind, col.mask), t.rect.width());
            t.alignment = col.alignment | Qt::AlignVCenter;
            t.style = style;
            t.row = row;
            t.column = c;
            page().texts.append(t);
        }
        if (!m_layout.detail.isEmpty())
            placeBand(page(), m_layout.detail, m_y, row);
        m_y += height;
    }

    QString itemText(const Item &item, int row, int pageNumber) const
    {
        switch (item.content) {
        case Content::Text:
            return item.text;
        case Content::Field: {
            const QVariant v = m_rows.value(row, item.field);
            return item.text + cellText(v, item.mask.isEmpty() ? ValueKind::Text : ValueKind::Number, item.mask);
        }
        case Content::RecordCount:
            return item.text + QString::number(m_model.recordCount);
        case Content::PrintDate:
            return item.text + formatDate(m_model.printedAt.date());
        case Content::PrintDateTime:
            return item.text + printDateTimeText(m_model.printedAt);
        case Content::PageNumber:
            return item.text + QString::number(pageNumber);
        case Content::PageCount:
            return item.text; // completed once the page count is known
        case Content::ColumnSum:
            return item.text + cellText(QVariant(m_model.totals.sum(item.field).toDouble()), ValueKind::Number, item.mask);
        case Content::Computed:
            return item.text + (item.computed ? item.computed(m_model.totals) : QString());
        case Content::Picture:
        case Content::PictureField:
            break;
        }
        return {};
    }

    QRectF itemRect(const Item &item, const Band &band, double top) const
    {
        QRectF r = item.rect;
        const double left = m_layout.margins.left();
        if (item.content == Content::ColumnSum) {
            const int c = m_layout.columnIndex(item.field);
            if (c >= 0) {
                const QRectF cell = cellRect(c, 0, 0);
                r.setX(cell.x() - left);
                r.setWidth(cell.width());
            }
        }
        if (r.width() <= 0)
            r.setWidth(m_layout.contentWidth() - r.x());
        if (r.height() <= 0)
            r.setHeight(qMin(lineHeight(item.style), qMax(0.0, band.height - r.y())));
        return r.translated(left, top);
    }

    void placeBand(Page &p, const Band &band, double top, int row)
    {
        const double left = m_layout.margins.left();
        for (const QLineF &rule : band.rules)
            p.lines.append({rule.translated(left, top), 0.3});
        for (const Item &item : band.items) {
            const QRectF rect = itemRect(item, band, top);
            if (item.content == Content::Picture || item.content == Content::PictureField) {
                PagePicture pic;
                pic.name = item.name;
                pic.rect = rect;
                pic.stretch = item.stretch;
                pic.frame = item.frame;
                if (item.content == Content::Picture) {
                    pic.image = item.picture;
                } else {
                    const QString file = m_rows.value(row, item.field).toString();
                    if (!file.isEmpty() && QFileInfo::exists(file))
                        pic.image.load(file);
                }
                p.pictures.append(pic);
                continue;
            }
            PageText t;
            t.name = item.name;
            t.rect = rect;
            t.text = itemText(item, row, p.number);
            if (!item.wordWrap)
                t.text = m_measure.elided(item.style, t.text, rect.width());
            t.alignment = item.alignment;
            if (!(t.alignment & Qt::AlignVertical_Mask))
                t.alignment |= item.wordWrap ? Qt::AlignTop : Qt::AlignVCenter;
            t.style = item.style;
            t.wordWrap = item.wordWrap;
            t.row = row;
            p.texts.append(t);
            if (item.content == Content::PageCount)
                m_pageCountTexts.append({int(&p - m_model.pages.data()), int(p.texts.size()) - 1});
        }
    }

    void placeFooters()
    {
        const int count = int(m_model.pages.size());
        if (!m_layout.pageFooter.isEmpty()) {
            const double top = m_model.pageSize.height() - m_layout.margins.bottom() - m_layout.pageFooter.height;
            for (int i = 0; i < count; ++i) {
                if (i == count - 1 && !m_layout.pageFooter.printOnLastPage)
                    break;
                placeBand(m_model.pages[i], m_layout.pageFooter, top, -1);
            }
        }
        for (const auto &[pageIndex, textIndex] : m_pageCountTexts)
            m_model.pages[pageIndex].texts[textIndex].text += QString::number(count);
    }

    const Layout &m_layout;
    const RowSet &m_rows;
    PageModel m_model;
    QList<ColumnGeometry> m_columns;
    QList<int> m_fieldIndex;
    QList<QPair<int, int>> m_pageCountTexts;
    TextMeasure m_measure;
    double m_y = 0;
    double m_bottom = 0;
};

} // namespace

PageModel paginate(const Layout &layout, const RowSet &rows, const QDateTime &printedAt)
{
    return Paginator(layout, rows, printedAt).run();
}

QString printDateTimeText(const QDateTime &when)
{
    return formatDate(when.date()) + u' ' + when.time().toString(QStringLiteral("HH:mm:ss"));
}

} // namespace Report
