#include "app/login/LoginTextButton.h"

#include <QEnterEvent>
#include <QPainter>

LoginTextButton::LoginTextButton(const QString &text, QWidget *parent)
    : QAbstractButton(parent)
    , m_line(Qt::gray)
    , m_text(Qt::white)
    , m_hover(Qt::yellow)
{
    setText(text);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

void LoginTextButton::setColours(const QColor &line, const QColor &text, const QColor &hover)
{
    m_line = line;
    m_text = text;
    m_hover = hover;
    update();
}

void LoginTextButton::setFramed(bool framed)
{
    m_framed = framed;
    update();
}

QSize LoginTextButton::sizeHint() const
{
    QFont bold = font();
    bold.setBold(true);
    const QSize text = QFontMetrics(bold).size(Qt::TextSingleLine, this->text());
    return {text.width() + 16, text.height() + 10};
}

void LoginTextButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool hot = m_under && isEnabled();
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (m_framed) {
        p.setPen(QPen(m_line, 1));
        p.setBrush(isDown() ? QColor(0, 0, 0, 40) : QColor(Qt::transparent));
        p.drawRoundedRect(frame, 3, 3);
    }
    QFont f = font();
    f.setBold(hot);
    p.setFont(f);
    QColor text = hot ? m_hover : m_text;
    if (!isEnabled())
        text.setAlpha(110);
    p.setPen(text);
    const int align = m_framed ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter);
    p.drawText(rect().adjusted(m_framed ? 4 : 2, 0, -4, 0), align, this->text());
    if (hasFocus()) {
        // Keyboard users need to see where they are; the frame colour keeps it quiet.
        p.setPen(QPen(hot ? m_hover : m_text, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(frame.adjusted(2, 2, -2, -2), 2, 2);
    }
}

void LoginTextButton::enterEvent(QEnterEvent *event)
{
    m_under = true;
    update();
    QAbstractButton::enterEvent(event);
}

void LoginTextButton::leaveEvent(QEvent *event)
{
    m_under = false;
    update();
    QAbstractButton::leaveEvent(event);
}
