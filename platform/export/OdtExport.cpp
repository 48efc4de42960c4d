#include "platform/export/TableExport.h"

#include "platform/report/ReportLayout.h"

#include <QBuffer>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextTable>

namespace Export {

bool writeOdt(const Report::RowSet &rows, const Options &options, const QString &path, QString *error)
{
    QList<int> columns = options.columns;
    if (columns.isEmpty()) {
        for (int c = 0; c < rows.columnCount(); ++c)
            columns.append(c);
    }
    columns.removeIf([&](int c) { return c < 0 || c >= rows.columnCount(); });

    QTextDocument doc;
    doc.setDefaultFont(QFont(QString::fromLatin1(Report::kFontFamily), 9));
    QTextCursor cursor(&doc);
    QTextCharFormat titleFormat;
    titleFormat.setFontWeight(QFont::Bold);
    titleFormat.setFontPointSize(13);
    cursor.insertText(options.title, titleFormat);

    if (!columns.isEmpty()) {
        QTextTableFormat tableFormat;
        tableFormat.setHeaderRowCount(1);
        tableFormat.setCellPadding(2);
        tableFormat.setCellSpacing(0);
        tableFormat.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        tableFormat.setBorderCollapse(true);
        QTextTable *table = cursor.insertTable(rows.rowCount() + 1, int(columns.size()), tableFormat);
        QTextCharFormat captionFormat;
        captionFormat.setFontWeight(QFont::Bold);
        QTextBlockFormat right;
        right.setAlignment(Qt::AlignRight);
        QList<Report::ValueKind> kinds;
        for (int c : columns)
            kinds.append(columnKind(rows, c));
        for (int i = 0; i < columns.size(); ++i) {
            QTextCursor cell = table->cellAt(0, i).firstCursorPosition();
            if (kinds[i] == Report::ValueKind::Number)
                cell.setBlockFormat(right);
            cell.insertText(rows.captions().value(columns[i]), captionFormat);
        }
        for (int r = 0; r < rows.rowCount(); ++r) {
            for (int i = 0; i < columns.size(); ++i) {
                QTextCursor cell = table->cellAt(r + 1, i).firstCursorPosition();
                if (kinds[i] == Report::ValueKind::Number)
                    cell.setBlockFormat(right);
                cell.insertText(textValue(rows.value(r, columns[i]), kinds[i], options.numberFormat));
            }
        }
    }

    // The zip writer closes the device it is given, which a QSaveFile must
    // never be; build the package in memory and save it in one go.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&buffer, "odf");
    if (!writer.write(&doc)) {
        if (error)
            *error = QStringLiteral("Belge oluşturulamadı.");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(buffer.data()) != buffer.data().size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace Export
