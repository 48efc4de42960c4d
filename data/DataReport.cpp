#include "data/DataReport.h"

#include <QDebug>

namespace DataReport {

namespace {
ErrorDialog &errorDialog()
{
    static ErrorDialog fn;
    return fn;
}
ErrorBox &errorBox()
{
    static ErrorBox fn;
    return fn;
}
} // namespace

void setErrorDialog(ErrorDialog fn) { errorDialog() = std::move(fn); }
void setErrorBox(ErrorBox fn) { errorBox() = std::move(fn); }

void showErrorDialog(const QString &text, const QString &label)
{
    if (errorDialog())
        errorDialog()(text, label);
    else
        qWarning().noquote() << label << text;
}

void showErrorBox(const QString &caption, const QString &text)
{
    if (errorBox())
        errorBox()(caption, text);
    else
        qWarning().noquote() << caption << text;
}

} // namespace DataReport
