#include "platform/widgets/CurrencyEdit.h"

#include "platform/number/Formats.h"

#include <QFocusEvent>
#include <QRegularExpressionValidator>

#include <cmath>

CurrencyEdit::CurrencyEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setDecimalsAllowed(true);
    connect(this, &QLineEdit::textEdited, this, &CurrencyEdit::takeTypedText);
    connect(this, &QLineEdit::editingFinished, this, &CurrencyEdit::showValue);
    showValue();
}

void CurrencyEdit::setValue(Currency value)
{
    const bool changed = value != m_value;
    m_value = value;
    showValue();
    if (changed)
        Q_EMIT valueChanged(m_value);
}

void CurrencyEdit::setDisplayFormat(const QString &format)
{
    m_displayFormat = format;
    showValue();
}

void CurrencyEdit::setDecimalsAllowed(bool allowed)
{
    m_decimals = allowed;
    // Points are taken as thousands marks (or a lone decimal point) by the parser.
    const QString pattern = allowed ? QStringLiteral("-?[0-9.]*([,][0-9]*)?") : QStringLiteral("-?[0-9]*");
    if (!m_validator) {
        m_validator = new QRegularExpressionValidator(this);
        setValidator(m_validator);
    }
    m_validator->setRegularExpression(QRegularExpression(pattern));
}

void CurrencyEdit::focusInEvent(QFocusEvent *event)
{
    // The plain number is easier to change than the grouped display.
    if (!isReadOnly())
        setText(m_value.isZero() ? QString() : FloatToStr(m_value));
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        selectAll();
}

void CurrencyEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    showValue();
}

void CurrencyEdit::takeTypedText(const QString &text)
{
    double v = 0;
    Currency typed;
    if (text.trimmed().isEmpty() || text.trimmed() == u"-")
        typed = {};
    else if (parseTurkishNumber(text, &v))
        typed = Currency::fromDouble(m_decimals ? v : std::trunc(v));
    else
        return;
    if (typed != m_value) {
        m_value = typed;
        Q_EMIT valueChanged(m_value);
    }
}

void CurrencyEdit::showValue()
{
    if (hasFocus() && !isReadOnly())
        return;
    setText(FormatFloat(m_displayFormat, m_value));
}
