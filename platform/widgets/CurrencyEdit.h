#pragma once

#include "platform/number/Currency.h"

#include <QLineEdit>

class QRegularExpressionValidator;

// A numeric edit for fixed-point values. Out of focus it shows the value in its
// display format (Turkish separators, e.g. ",0.00;-,0.00" -> "1.234,50"); in
// focus it shows the plain number ("1234,5") for typing. Typing accepts digits,
// one decimal comma (or point) when decimals are allowed, and a leading minus.
// A text that is no number gives the value back on leaving the field.
class CurrencyEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit CurrencyEdit(QWidget *parent = nullptr);

    // The value as typed so far, rounded to four decimals.
    Currency value() const { return m_value; }
    void setValue(Currency value);

    QString displayFormat() const { return m_displayFormat; }
    void setDisplayFormat(const QString &format);

    bool decimalsAllowed() const { return m_decimals; }
    void setDecimalsAllowed(bool allowed);

Q_SIGNALS:
    void valueChanged(Currency value);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void takeTypedText(const QString &text);
    void showValue();

    Currency m_value;
    QString m_displayFormat = QStringLiteral(",0.00;-,0.00");
    bool m_decimals = true;
    QRegularExpressionValidator *m_validator = nullptr;
};
