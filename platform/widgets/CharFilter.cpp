#include "platform/widgets/CharFilter.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QWidget>

namespace {

// Backspace, Enter, Tab, Esc and Ctrl+letter arrive as control characters;
// they edit or move rather than type, so they are never refused.
bool isControlText(const QString &text)
{
    for (const QChar c : text)
        if (c.category() != QChar::Other_Control)
            return false;
    return true;
}

} // namespace

QString CharFilter::freeTextRefused()
{
    return QStringLiteral("!\"%'*;^");
}

CharFilter::CharFilter(Mode mode, const QString &refused, QWidget *field)
    : QObject(field), m_mode(mode), m_refused(refused)
{
    field->installEventFilter(this);
}

CharFilter *CharFilter::freeText(QWidget *field)
{
    return new CharFilter(Mode::Refuse, freeTextRefused(), field);
}

CharFilter *CharFilter::refusing(QWidget *field, const QString &refused)
{
    return new CharFilter(Mode::Refuse, refused, field);
}

CharFilter *CharFilter::digitsOnly(QWidget *field)
{
    return new CharFilter(Mode::DigitsOnly, {}, field);
}

bool CharFilter::accepts(const QString &typed) const
{
    for (const QChar c : typed) {
        if (m_mode == Mode::DigitsOnly ? !(c >= u'0' && c <= u'9') : m_refused.contains(c))
            return false;
    }
    return true;
}

bool CharFilter::eventFilter(QObject *watched, QEvent *event)
{
    QString typed;
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Ctrl/Meta combinations are shortcuts (paste among them), not typing;
        // Ctrl+Alt is AltGr on some systems and does type.
        const Qt::KeyboardModifiers mods = key->modifiers();
        const bool shortcut = (mods & (Qt::ControlModifier | Qt::MetaModifier)) && !(mods & Qt::AltModifier);
        if (!shortcut)
            typed = key->text();
    }
    else if (event->type() == QEvent::InputMethod)
        typed = static_cast<QInputMethodEvent *>(event)->commitString();
    if (typed.isEmpty() || isControlText(typed) || accepts(typed))
        return QObject::eventFilter(watched, event);
    if (m_mode == Mode::DigitsOnly)
        QApplication::beep();
    return true;
}
