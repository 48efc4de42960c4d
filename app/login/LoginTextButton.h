#pragma once

#include <QAbstractButton>
#include <QColor>

// A flat button that is only its text in a thin frame; under the mouse the
// text turns to the hover colour and bold. The login window colours it.
class LoginTextButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit LoginTextButton(const QString &text, QWidget *parent = nullptr);

    void setColours(const QColor &line, const QColor &text, const QColor &hover);
    // Items of the company-operations column draw no frame.
    void setFramed(bool framed);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QColor m_line;
    QColor m_text;
    QColor m_hover;
    bool m_framed = true;
    bool m_under = false;
};
