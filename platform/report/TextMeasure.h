#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include <memory>
#include <utility>
#include <vector>

#include "platform/report/ReportLayout.h"

// Text measured in millimetres the way the PDF and the printer will set it:
// the report font at a fixed high resolution, so that the page model the
// tests read is the page that gets painted.
namespace Report {

QFont reportFont(const TextStyle &style);

class TextMeasure
{
public:
    double width(const TextStyle &style, const QString &text) const;
    // The text cut with "…" to fit the width.
    QString elided(const TextStyle &style, const QString &text, double widthMm) const;
    // Lines the text takes when wrapped at word breaks to the width.
    int wrappedLines(const TextStyle &style, const QString &text, double widthMm) const;

private:
    const QFontMetricsF &metrics(const TextStyle &style) const;

    // A handful of styles per report; metrics are costly to build, cheap to use.
    // Kept per measurer, not process-wide, so none outlives the application's fonts.
    mutable std::vector<std::pair<TextStyle, std::unique_ptr<QFontMetricsF>>> m_cache;
};

} // namespace Report
