#pragma once

#include <QPageLayout>
#include <QString>

#include "platform/report/PageModel.h"

class QIODevice;
class QPagedPaintDevice;
class QPainter;

namespace Report {

// A4 in the model's orientation with no device margins: the model carries its own.
QPageLayout pageLayout(const PageModel &model);

// Draws one page; the painter's origin is the paper's top left corner.
void paintPage(QPainter &painter, const Page &page);

// Paints the pages fromPage..toPage (1-based; 0 = to the end) on a device whose
// page layout is already pageLayout(model) (a printer also needs full-page mode).
bool paint(const PageModel &model, QPagedPaintDevice *device, QString *error = nullptr, int fromPage = 1,
           int toPage = 0);

// The report as a PDF with its font embedded. The file is replaced only when
// the whole document was written.
bool writePdf(const PageModel &model, const QString &path, QString *error = nullptr);
bool writePdf(const PageModel &model, QIODevice *device, QString *error = nullptr);

} // namespace Report
