#pragma once

#include <QList>
#include <QString>

#include "platform/report/ReportLayout.h"
#include "platform/report/RowSet.h"

// Writes the rows a screen shows to a file: a workbook, delimited text, a web
// page, a word-processor document or a PDF. Captions are the grid's captions;
// numbers stay numbers and dates stay dates where the format knows them.
// Every writer replaces the target only after the whole file was written.
namespace Export {

enum class Format { Xlsx, Csv, Html, Odt, Pdf };

struct Options
{
    QList<int> columns;   // columns of the row set, in output order; empty = all
    QString title = QStringLiteral("EXPORT_TABLE"); // sheet name, page title, report heading
    QString numberFormat = QStringLiteral("#,###0.###"); // numbers as text (HTML, ODT, PDF)
};

QList<Format> formats();
QString formatName(Format format);   // as the export dialog lists it
QString fileSuffix(Format format);   // without the dot
QString fileFilter(Format format);   // for a file dialog

// A column is a number column when every filled value is a number, a date
// column when every filled value is a date (a date value or a stored ISO date);
// otherwise, and when it is empty, text.
Report::ValueKind columnKind(const Report::RowSet &rows, int column);

bool write(Format format, const Report::RowSet &rows, const Options &options, const QString &path,
           QString *error = nullptr);

bool writeXlsx(const Report::RowSet &rows, const Options &options, const QString &path, QString *error = nullptr);
// UTF-8 with a byte-order mark, ";" between fields, CR LF between records,
// decimal comma, dates dd.mm.yyyy: what a Turkish spreadsheet opens directly.
bool writeCsv(const Report::RowSet &rows, const Options &options, const QString &path, QString *error = nullptr);
bool writeHtml(const Report::RowSet &rows, const Options &options, const QString &path, QString *error = nullptr);
bool writeOdt(const Report::RowSet &rows, const Options &options, const QString &path, QString *error = nullptr);
bool writePdf(const Report::RowSet &rows, const Options &options, const QString &path, QString *error = nullptr);

// The plain list report the PDF export prints: heading, record count and date
// on every page, the chosen columns, page numbers; landscape when it is wide.
Report::Layout tableLayout(const Report::RowSet &rows, const Options &options);

// Text of a value in the text formats (CSV, HTML, ODT).
QString textValue(const QVariant &value, Report::ValueKind kind, const QString &numberFormat);

} // namespace Export
