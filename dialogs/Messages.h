#pragma once

#include <QFlags>
#include <QString>

#include <functional>

class QWidget;

// Every warning, error, information, confirmation and captioned message box of
// the program goes through here. Texts are shown as given ("\r\n" becomes a line
// break). Tests install a responder that records each message and answers it.
namespace Msg {

enum class Kind { Warning, Error, Information, Confirmation, Plain, Input };

enum Button { NoButton = 0, Ok = 0x1, Cancel = 0x2, Yes = 0x4, No = 0x8 };
Q_DECLARE_FLAGS(Buttons, Button)

struct Message
{
    Kind kind = Kind::Information;
    QString caption;
    QString text;
    Buttons buttons = Ok;
    Button defaultButton = NoButton;
    bool password = false;   // input boxes: echo as '*'
    QString inputDefault;
};

struct Answer
{
    Button button = Ok;
    QString text; // input boxes
};

// The caption of plain messages and input boxes (the application title). Kept
// here rather than as Qt's display name, which X11 would append to every window title.
void setApplicationTitle(const QString &title);
QString applicationTitle();

using Responder = std::function<Answer(const Message &)>;
// Installs (or, with an empty function, removes) the responder.
void setResponder(Responder responder);

Answer show(const Message &message, QWidget *parent = nullptr);

// Message dialogs with the kind's own caption ("Uyarı", "Hata", "Bilgi", "Onay").
void warning(const QString &text, QWidget *parent = nullptr);
void error(const QString &text, QWidget *parent = nullptr);
void information(const QString &text, QWidget *parent = nullptr);
Button confirm(const QString &text, Buttons buttons = Buttons(Yes) | No, Button defaultButton = No,
               QWidget *parent = nullptr);

// Captioned message box with the given icon kind.
Button box(const QString &caption, const QString &text, Kind icon, Buttons buttons = Ok,
           Button defaultButton = NoButton, QWidget *parent = nullptr);

// A plain message with the application title as caption and one OK button.
void plain(const QString &text, QWidget *parent = nullptr);

// An input box; returns false when cancelled.
bool input(const QString &caption, const QString &prompt, QString *value, bool password = false,
           QWidget *parent = nullptr);

// "\r\n" and lone "\r" as line breaks for display.
QString displayText(const QString &text);

} // namespace Msg

Q_DECLARE_OPERATORS_FOR_FLAGS(Msg::Buttons)
