#include "platform/report/ReportPainter.h"

#include "platform/report/TextMeasure.h"

#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace Report {

QPageLayout pageLayout(const PageModel &model)
{
    return QPageLayout(QPageSize(QPageSize::A4),
                       model.orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

void paintPage(QPainter &painter, const Page &page)
{
    const double k = painter.device()->logicalDpiX() / 25.4; // device pixels per millimetre
    auto px = [k](const QRectF &r) { return QRectF(r.x() * k, r.y() * k, r.width() * k, r.height() * k); };

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    for (const PageLine &l : page.lines) {
        QPen pen(Qt::black);
        pen.setWidthF(l.width * k);
        painter.setPen(pen);
        painter.drawLine(QLineF(l.line.p1() * k, l.line.p2() * k));
    }
    for (const PagePicture &p : page.pictures) {
        const QRectF box = px(p.rect);
        if (!p.image.isNull()) {
            QRectF target = box;
            if (!p.stretch) {
                QSizeF size = QSizeF(p.image.size()).scaled(box.size(), Qt::KeepAspectRatio);
                target = QRectF(box.center() - QPointF(size.width() / 2, size.height() / 2), size);
            }
            painter.drawImage(target, p.image);
        }
        if (p.frame) {
            QPen pen(Qt::black);
            pen.setWidthF(0.2 * k);
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box);
        }
    }
    painter.setPen(Qt::black);
    TextStyle current{-1};
    for (const PageText &t : page.texts) {
        if (t.text.isEmpty())
            continue;
        if (!(t.style == current)) {
            painter.setFont(reportFont(t.style));
            current = t.style;
        }
        const int flags = int(t.alignment) | (t.wordWrap ? int(Qt::TextWordWrap) : 0);
        painter.drawText(px(t.rect), flags, t.text);
    }
    painter.restore();
}

bool paint(const PageModel &model, QPagedPaintDevice *device, QString *error, int fromPage, int toPage)
{
    const int last = toPage <= 0 ? model.pageCount() : qMin(toPage, model.pageCount());
    const int first = qMax(1, fromPage);
    QPainter painter;
    if (!painter.begin(device)) {
        if (error)
            *error = QStringLiteral("Yazdırma başlatılamadı.");
        return false;
    }
    for (int n = first; n <= last; ++n) {
        if (n > first && !device->newPage()) {
            painter.end();
            if (error)
                *error = QStringLiteral("Yeni sayfaya geçilemedi.");
            return false;
        }
        paintPage(painter, model.pages.at(n - 1));
    }
    return painter.end();
}

bool writePdf(const PageModel &model, QIODevice *device, QString *error)
{
    QPdfWriter writer(device);
    writer.setResolution(1200);
    writer.setPageLayout(pageLayout(model));
    writer.setTitle(model.title.isEmpty() ? model.name : model.title);
    writer.setCreator(QStringLiteral("Vari Roviz"));
    return paint(model, &writer, error);
}

bool writePdf(const PageModel &model, const QString &path, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (!writePdf(model, &file, error)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace Report
