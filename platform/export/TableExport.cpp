#include "platform/export/TableExport.h"

#include "platform/number/Formats.h"
#include "platform/report/Paginator.h"
#include "platform/report/ReportPainter.h"

#include <QSaveFile>

namespace Export {

using Report::ValueKind;

namespace {

QList<int> chosenColumns(const Report::RowSet &rows, const Options &options)
{
    QList<int> out;
    const QList<int> &wanted = options.columns;
    if (wanted.isEmpty()) {
        for (int c = 0; c < rows.columnCount(); ++c)
            out.append(c);
        return out;
    }
    for (int c : wanted) {
        if (c >= 0 && c < rows.columnCount())
            out.append(c);
    }
    return out;
}

// Numbers in delimited text: every digit the value has, decimal comma, no grouping.
QString plainNumber(const QVariant &value)
{
    if (value.metaType().id() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    if (value.metaType().id() != QMetaType::Double && value.metaType().id() != QMetaType::Float)
        return value.toString();
    return QString::number(value.toDouble(), 'g', 15).replace(u'.', u',');
}

QString csvField(const QString &text)
{
    const bool quote = text.contains(u';') || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r')
                       || text.startsWith(u' ') || text.endsWith(u' ');
    if (!quote)
        return text;
    QString q = text;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

bool saveText(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

QString htmlText(const QString &text)
{
    QString s = text.toHtmlEscaped();
    s.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
    s.replace(u'\n', QStringLiteral("<br>"));
    return s;
}

} // namespace

QList<Format> formats()
{
    return {Format::Xlsx, Format::Csv, Format::Html, Format::Odt, Format::Pdf};
}

QString formatName(Format format)
{
    switch (format) {
    case Format::Xlsx: return QStringLiteral("Excel Çalışma Kitabı (XLSX)");
    case Format::Csv: return QStringLiteral("Noktalı Virgülle Ayrılmış Metin (CSV)");
    case Format::Html: return QStringLiteral("Web Sayfası (HTML)");
    case Format::Odt: return QStringLiteral("Metin Belgesi (ODT)");
    case Format::Pdf: return QStringLiteral("PDF Belgesi (PDF)");
    }
    return {};
}

QString fileSuffix(Format format)
{
    switch (format) {
    case Format::Xlsx: return QStringLiteral("xlsx");
    case Format::Csv: return QStringLiteral("csv");
    case Format::Html: return QStringLiteral("html");
    case Format::Odt: return QStringLiteral("odt");
    case Format::Pdf: return QStringLiteral("pdf");
    }
    return {};
}

QString fileFilter(Format format)
{
    return formatName(format) + QStringLiteral(" (*.") + fileSuffix(format) + u')';
}

ValueKind columnKind(const Report::RowSet &rows, int column)
{
    bool allNumbers = true, allDates = true, any = false;
    for (int r = 0; r < rows.rowCount() && (allNumbers || allDates); ++r) {
        const QVariant v = rows.value(r, column);
        if (!v.isValid() || v.isNull() || (v.metaType().id() == QMetaType::QString && v.toString().isEmpty()))
            continue;
        any = true;
        if (!Report::isNumberValue(v))
            allNumbers = false;
        if (!Report::toDate(v).isValid())
            allDates = false;
    }
    if (!any)
        return ValueKind::Text;
    if (allNumbers)
        return ValueKind::Number;
    return allDates ? ValueKind::Date : ValueKind::Text;
}

QString textValue(const QVariant &value, ValueKind kind, const QString &numberFormat)
{
    if (!value.isValid() || value.isNull())
        return {};
    if (value.metaType().id() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("Evet") : QStringLiteral("Hayır");
    if (kind == ValueKind::Number && numberFormat.isEmpty())
        return plainNumber(value);
    return Report::cellText(value, kind, numberFormat);
}

bool write(Format format, const Report::RowSet &rows, const Options &options, const QString &path, QString *error)
{
    switch (format) {
    case Format::Xlsx: return writeXlsx(rows, options, path, error);
    case Format::Csv: return writeCsv(rows, options, path, error);
    case Format::Html: return writeHtml(rows, options, path, error);
    case Format::Odt: return writeOdt(rows, options, path, error);
    case Format::Pdf: return writePdf(rows, options, path, error);
    }
    return false;
}

bool writeCsv(const Report::RowSet &rows, const Options &options, const QString &path, QString *error)
{
    const QList<int> columns = chosenColumns(rows, options);
    QList<ValueKind> kinds;
    for (int c : columns)
        kinds.append(columnKind(rows, c));
    QString out;
    QStringList fields;
    for (int c : columns)
        fields.append(csvField(rows.captions().value(c)));
    out += fields.join(u';') + QStringLiteral("\r\n");
    for (int r = 0; r < rows.rowCount(); ++r) {
        fields.clear();
        for (int i = 0; i < columns.size(); ++i)
            fields.append(csvField(textValue(rows.value(r, columns[i]), kinds[i], QString())));
        out += fields.join(u';') + QStringLiteral("\r\n");
    }
    return saveText(path, QByteArray("\xEF\xBB\xBF") + out.toUtf8(), error);
}

bool writeHtml(const Report::RowSet &rows, const Options &options, const QString &path, QString *error)
{
    const QList<int> columns = chosenColumns(rows, options);
    QList<ValueKind> kinds;
    for (int c : columns)
        kinds.append(columnKind(rows, c));
    QString out;
    out += QStringLiteral("<!DOCTYPE html>\n<html lang=\"tr\">\n<head>\n<meta charset=\"utf-8\">\n<title>")
           + htmlText(options.title) + QStringLiteral("</title>\n<style>\n"
              "body { font-family: \"DejaVu Sans\", sans-serif; font-size: 10pt; }\n"
              "table { border-collapse: collapse; }\n"
              "th, td { border: 1px solid #999; padding: 2px 6px; }\n"
              "th { background: #eee; text-align: left; }\n"
              ".n { text-align: right; }\n"
              "</style>\n</head>\n<body>\n<h1>")
           + htmlText(options.title) + QStringLiteral("</h1>\n<table>\n<thead>\n<tr>");
    for (int i = 0; i < columns.size(); ++i) {
        out += kinds[i] == ValueKind::Number ? QStringLiteral("<th class=\"n\">") : QStringLiteral("<th>");
        out += htmlText(rows.captions().value(columns[i])) + QStringLiteral("</th>");
    }
    out += QStringLiteral("</tr>\n</thead>\n<tbody>\n");
    for (int r = 0; r < rows.rowCount(); ++r) {
        out += QStringLiteral("<tr>");
        for (int i = 0; i < columns.size(); ++i) {
            out += kinds[i] == ValueKind::Number ? QStringLiteral("<td class=\"n\">") : QStringLiteral("<td>");
            out += htmlText(textValue(rows.value(r, columns[i]), kinds[i], options.numberFormat))
                   + QStringLiteral("</td>");
        }
        out += QStringLiteral("</tr>\n");
    }
    out += QStringLiteral("</tbody>\n</table>\n</body>\n</html>\n");
    return saveText(path, out.toUtf8(), error);
}

Report::Layout tableLayout(const Report::RowSet &rows, const Options &options)
{
    using namespace Report;
    Layout layout;
    layout.name = QStringLiteral("EXPORT_TABLE");
    layout.title = options.title;
    const TextStyle detail = layout.detailStyle;
    double total = 0;
    for (int c : chosenColumns(rows, options)) {
        const ValueKind kind = columnKind(rows, c);
        // Width from the caption and the longest of the first rows, within reason.
        qsizetype chars = rows.captions().value(c).size();
        for (int r = 0; r < qMin(rows.rowCount(), 200); ++r)
            chars = qMax(chars, textValue(rows.value(r, c), kind, options.numberFormat).size());
        const double width = qBound(12.0, 4.0 + double(qMin<qsizetype>(chars, 45)) * 1.9 * detail.pointSize / 9, 90.0);
        Column col = Column::text(rows.captions().value(c), rows.fields().value(c), width);
        col.name = QStringLiteral("c%1").arg(c);
        col.expression = [c](const RowView &row) { return row.value(c); };
        col.kind = kind;
        if (kind == ValueKind::Number) {
            col.alignment = Qt::AlignRight;
            col.mask = options.numberFormat;
        }
        layout.columns.append(col);
        total += width;
    }
    if (total > 180)
        layout.orientation = Orientation::Landscape;

    const TextStyle heading{13, true};
    layout.pageHeader.height = 16;
    layout.pageHeader.items = {
        Item::label(QStringLiteral("heading"), options.title, QRectF(0, 0, 0, 7), Qt::AlignHCenter, heading),
        Item::system(QStringLiteral("recordCount"), Content::RecordCount, QStringLiteral("Kayıt Sayısı : "),
                     QRectF(0, 9, 90, 5)),
        Item::system(QStringLiteral("printDate"), Content::PrintDateTime, QStringLiteral("Rapor Tarihi : "),
                     QRectF(0, 9, 0, 5), Qt::AlignRight),
    };
    layout.pageFooter.height = 8;
    layout.pageFooter.rules = {QLineF(0, 1, layout.contentWidth(), 1)};
    layout.pageFooter.items = {Item::system(QStringLiteral("pageNumber"), Content::PageNumber,
                                            QStringLiteral("Sayfa No : "), QRectF(0, 2, 0, 5), Qt::AlignRight)};
    return layout;
}

bool writePdf(const Report::RowSet &rows, const Options &options, const QString &path, QString *error)
{
    const Report::PageModel model = Report::paginate(tableLayout(rows, options), rows);
    return Report::writePdf(model, path, error);
}

} // namespace Export
