#include "platform/report/TextMeasure.h"

#include <QImage>

namespace Report {

namespace {

constexpr int kDpi = 1200; // the resolution QPdfWriter paints at

QImage &measureDevice()
{
    static QImage image = [] {
        QImage i(1, 1, QImage::Format_ARGB32);
        i.setDotsPerMeterX(qRound(kDpi / 0.0254));
        i.setDotsPerMeterY(qRound(kDpi / 0.0254));
        return i;
    }();
    return image;
}

double toMm(double px)
{
    return px * 25.4 / kDpi;
}

double toPx(double mm)
{
    return mm * kDpi / 25.4;
}

} // namespace

const QFontMetricsF &TextMeasure::metrics(const TextStyle &style) const
{
    for (const auto &entry : m_cache) {
        if (entry.first == style)
            return *entry.second;
    }
    m_cache.emplace_back(style, std::make_unique<QFontMetricsF>(reportFont(style), &measureDevice()));
    return *m_cache.back().second;
}

QFont reportFont(const TextStyle &style)
{
    QFont f(QString::fromLatin1(kFontFamily));
    f.setPointSizeF(style.pointSize);
    f.setBold(style.bold);
    f.setItalic(style.italic);
    f.setStyleStrategy(QFont::PreferOutline);
    return f;
}

double TextMeasure::width(const TextStyle &style, const QString &text) const
{
    return toMm(metrics(style).horizontalAdvance(text));
}

QString TextMeasure::elided(const TextStyle &style, const QString &text, double widthMm) const
{
    const QFontMetricsF &fm = metrics(style);
    const double px = toPx(widthMm);
    if (fm.horizontalAdvance(text) <= px)
        return text;
    return fm.elidedText(text, Qt::ElideRight, px);
}

int TextMeasure::wrappedLines(const TextStyle &style, const QString &text, double widthMm) const
{
    if (text.isEmpty())
        return 1;
    const QFontMetricsF &fm = metrics(style);
    const QRectF r = fm.boundingRect(QRectF(0, 0, toPx(widthMm), 1e7), Qt::TextWordWrap, text);
    return qMax(1, qRound(r.height() / fm.lineSpacing()));
}

} // namespace Report
