#include "platform/export/TableExport.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <xlsxwriter.h>

namespace Export {

namespace {

// Excel refuses sheet names with []:*?/\ or longer than 31 characters.
QString sheetName(const QString &title)
{
    QString name;
    for (QChar c : title) {
        if (!QStringLiteral("[]:*?/\\").contains(c))
            name += c;
    }
    name = name.trimmed().left(31);
    return name.isEmpty() ? QStringLiteral("EXPORT_TABLE") : name;
}

QString xlsxError(lxw_error e)
{
    return QString::fromUtf8(lxw_strerror(e));
}

} // namespace

bool writeXlsx(const Report::RowSet &rows, const Options &options, const QString &path, QString *error)
{
    QList<int> columns = options.columns;
    if (columns.isEmpty()) {
        for (int c = 0; c < rows.columnCount(); ++c)
            columns.append(c);
    }
    columns.removeIf([&](int c) { return c < 0 || c >= rows.columnCount(); });

    // Written beside the target and moved over it at the end, so a failed
    // export never leaves half a workbook where a good file stood.
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir()) {
        if (error)
            *error = QStringLiteral("Klasör bulunamadı: ") + QFileInfo(path).absolutePath();
        return false;
    }
    const QString partPath = path + QStringLiteral(".part");
    const QByteArray partName = QFile::encodeName(partPath);
    lxw_workbook *book = workbook_new(partName.constData());
    if (!book) {
        if (error)
            *error = QStringLiteral("Dosya oluşturulamadı: ") + partPath;
        return false;
    }
    lxw_worksheet *sheet = workbook_add_worksheet(book, sheetName(options.title).toUtf8().constData());
    lxw_format *bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_format *dateFormat = workbook_add_format(book);
    format_set_num_format(dateFormat, "dd.mm.yyyy");

    lxw_error failure = LXW_NO_ERROR;
    auto check = [&failure](lxw_error e) {
        if (e != LXW_NO_ERROR && failure == LXW_NO_ERROR)
            failure = e;
    };
    for (int i = 0; i < columns.size() && sheet; ++i) {
        const int c = columns[i];
        const Report::ValueKind kind = columnKind(rows, c);
        qsizetype chars = rows.captions().value(c).size();
        check(worksheet_write_string(sheet, 0, lxw_col_t(i), rows.captions().value(c).toUtf8().constData(), bold));
        for (int r = 0; r < rows.rowCount(); ++r) {
            const QVariant v = rows.value(r, c);
            const lxw_row_t row = lxw_row_t(r + 1);
            if (!v.isValid() || v.isNull())
                continue;
            if (v.metaType().id() == QMetaType::Bool) {
                check(worksheet_write_boolean(sheet, row, lxw_col_t(i), v.toBool(), nullptr));
            } else if (kind == Report::ValueKind::Number) {
                check(worksheet_write_number(sheet, row, lxw_col_t(i), v.toDouble(), nullptr));
                chars = qMax<qsizetype>(chars, 10);
            } else if (kind == Report::ValueKind::Date) {
                const QDate d = Report::toDate(v);
                lxw_datetime dt{d.year(), d.month(), d.day(), 0, 0, 0};
                check(worksheet_write_datetime(sheet, row, lxw_col_t(i), &dt, dateFormat));
                chars = qMax<qsizetype>(chars, 10);
            } else {
                // A cell holds at most 32767 characters.
                const QString text = textValue(v, kind, QString()).left(32767);
                if (text.isEmpty())
                    continue;
                check(worksheet_write_string(sheet, row, lxw_col_t(i), text.toUtf8().constData(), nullptr));
                chars = qMax(chars, text.size());
            }
        }
        worksheet_set_column(sheet, lxw_col_t(i), lxw_col_t(i), double(std::clamp<qsizetype>(chars + 2, 8, 60)), nullptr);
    }
    if (sheet)
        worksheet_freeze_panes(sheet, 1, 0);
    const lxw_error closed = workbook_close(book);
    if (!sheet || failure != LXW_NO_ERROR || closed != LXW_NO_ERROR) {
        QFile::remove(partPath);
        if (error)
            *error = !sheet ? QStringLiteral("Çalışma sayfası oluşturulamadı.")
                            : xlsxError(failure != LXW_NO_ERROR ? failure : closed);
        return false;
    }
    if (std::rename(partName.constData(), QFile::encodeName(path).constData()) != 0) {
        QFile::remove(partPath);
        if (error)
            *error = QStringLiteral("Dosya yazılamadı: ") + path;
        return false;
    }
    return true;
}

} // namespace Export
