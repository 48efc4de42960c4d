#pragma once

#include <QDateTime>

#include "platform/report/PageModel.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/RowSet.h"

namespace Report {

// Lays the rows out on pages: the title band on the first page, the page
// header and the column captions on every page (the header's first-page flag
// permitting), as many rows as fit, the summary once after the last row (on
// a page of its own when it does not fit), and the page footer at the bottom
// of every page (the last one as its flag says). No rows still gives one page
// with the headers. A pure step: no painting, no device.
PageModel paginate(const Layout &layout, const RowSet &rows, const QDateTime &printedAt = QDateTime::currentDateTime());

// "dd.mm.yyyy hh:mm:ss", as the reports print the moment of printing.
QString printDateTimeText(const QDateTime &when);

} // namespace Report
