#include "dialogs/Messages.h"

#include "dialogs/ModalRunner.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace Msg {

namespace {

QString &titleStore()
{
    static QString title = QStringLiteral("DEZI + VAVERU");
    return title;
}

Responder &responder()
{
    static Responder r;
    return r;
}

QString kindCaption(Kind kind)
{
    switch (kind) {
    case Kind::Warning: return QStringLiteral("Uyarı");
    case Kind::Error: return QStringLiteral("Hata");
    case Kind::Information: return QStringLiteral("Bilgi");
    case Kind::Confirmation: return QStringLiteral("Onay");
    case Kind::Plain:
    case Kind::Input: return applicationTitle();
    }
    return {};
}

QMessageBox::Icon iconOf(Kind kind)
{
    switch (kind) {
    case Kind::Warning: return QMessageBox::Warning;
    case Kind::Error: return QMessageBox::Critical;
    case Kind::Information: return QMessageBox::Information;
    case Kind::Confirmation: return QMessageBox::Question;
    default: return QMessageBox::NoIcon;
    }
}

struct ButtonText
{
    Button button;
    QMessageBox::ButtonRole role;
    const char16_t *text;
};

constexpr ButtonText kButtons[] = {
    {Yes, QMessageBox::YesRole, u"Evet"},
    {No, QMessageBox::NoRole, u"Hayır"},
    {Ok, QMessageBox::AcceptRole, u"Tamam"},
    {Cancel, QMessageBox::RejectRole, u"İptal"},
};

Answer showInput(const Message &m, QWidget *parent)
{
    QInputDialog dlg(parent);
    dlg.setWindowTitle(m.caption);
    dlg.setLabelText(displayText(m.text));
    dlg.setTextValue(m.inputDefault);
    dlg.setTextEchoMode(m.password ? QLineEdit::Password : QLineEdit::Normal);
    dlg.setOkButtonText(QStringLiteral("Tamam"));
    dlg.setCancelButtonText(QStringLiteral("İptal"));
    if (runModal(&dlg) != QDialog::Accepted)
        return {Cancel, {}};
    return {Ok, dlg.textValue()};
}

Message makeMessage(Kind kind, const QString &caption, const QString &text, Buttons buttons, Button defaultButton)
{
    Message m;
    m.kind = kind;
    m.caption = caption;
    m.text = text;
    m.buttons = buttons;
    m.defaultButton = defaultButton;
    return m;
}

} // namespace

void setApplicationTitle(const QString &title)
{
    titleStore() = title;
}

QString applicationTitle()
{
    return titleStore();
}

void setResponder(Responder r)
{
    responder() = std::move(r);
}

QString displayText(const QString &text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    return t;
}

Answer show(const Message &message, QWidget *parent)
{
    Message m = message;
    if (m.caption.isEmpty())
        m.caption = kindCaption(m.kind);
    if (responder())
        return responder()(m);
    if (m.kind == Kind::Input)
        return showInput(m, parent);

    QMessageBox box(iconOf(m.kind), m.caption, displayText(m.text), QMessageBox::NoButton,
                    parent ? parent : QApplication::activeWindow());
    Button escapeAnswer = NoButton;
    for (const ButtonText &b : kButtons) {
        if (!(m.buttons & b.button))
            continue;
        QPushButton *pb = box.addButton(QString::fromUtf16(b.text), b.role);
        pb->setProperty("msgButton", int(b.button));
        if (b.button == m.defaultButton)
            box.setDefaultButton(pb);
        // Esc answers Cancel or No when offered, else OK.
        if (b.button == Cancel || b.button == No || (escapeAnswer == NoButton && b.button == Ok)) {
            box.setEscapeButton(pb);
            escapeAnswer = b.button;
        }
    }
    runModal(&box);
    auto *clicked = box.clickedButton();
    if (!clicked)
        return {escapeAnswer == NoButton ? Cancel : escapeAnswer, {}};
    return {Button(clicked->property("msgButton").toInt()), {}};
}

void warning(const QString &text, QWidget *parent)
{
    show(makeMessage(Kind::Warning, {}, text, Ok, Ok), parent);
}

void error(const QString &text, QWidget *parent)
{
    show(makeMessage(Kind::Error, {}, text, Ok, Ok), parent);
}

void information(const QString &text, QWidget *parent)
{
    show(makeMessage(Kind::Information, {}, text, Ok, Ok), parent);
}

Button confirm(const QString &text, Buttons buttons, Button defaultButton, QWidget *parent)
{
    return show(makeMessage(Kind::Confirmation, {}, text, buttons, defaultButton), parent).button;
}

Button box(const QString &caption, const QString &text, Kind icon, Buttons buttons, Button defaultButton,
           QWidget *parent)
{
    return show(makeMessage(icon, caption, text, buttons, defaultButton), parent).button;
}

void plain(const QString &text, QWidget *parent)
{
    show(makeMessage(Kind::Plain, {}, text, Ok, Ok), parent);
}

bool input(const QString &caption, const QString &prompt, QString *value, bool password, QWidget *parent)
{
    Message m = makeMessage(Kind::Input, caption, prompt, Buttons(Ok) | Cancel, Ok);
    m.password = password;
    m.inputDefault = *value;
    const Answer a = show(m, parent);
    if (a.button != Ok)
        return false;
    *value = a.text;
    return true;
}

} // namespace Msg
