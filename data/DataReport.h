#pragma once

#include <QString>

#include <functional>

// The data layer shows no windows. The application installs the functions that
// show its errors (the error dialog, a captioned error box); tests install
// recorders. Without an installed function the text goes to the debug log.
namespace DataReport {

// The error dialog: the message text and the label of the routine that failed.
using ErrorDialog = std::function<void(const QString &text, const QString &label)>;
// A message box with the error icon.
using ErrorBox = std::function<void(const QString &caption, const QString &text)>;

void setErrorDialog(ErrorDialog fn);
void setErrorBox(ErrorBox fn);

void showErrorDialog(const QString &text, const QString &label);
void showErrorBox(const QString &caption, const QString &text);

} // namespace DataReport
