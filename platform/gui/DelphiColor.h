#pragma once

#include <QColor>
#include <QString>

// Colours as the settings files hold them: a standard colour name ("clWhite",
// "clNavy", ...) or "$" + eight hexadecimal digits, the last six in
// blue-green-red order ("$00BBGGRR"). A plain decimal number is read too.
namespace DelphiColor {

// False when the text is no colour this form can express (empty, an unknown
// name, a system-colour reference such as "$FF00000F").
bool fromString(const QString &text, QColor *colour);
QColor fromString(const QString &text, const QColor &fallback);

// The standard name when the colour has one, else "$00BBGGRR" in upper case.
QString toString(const QColor &colour);

} // namespace DelphiColor
