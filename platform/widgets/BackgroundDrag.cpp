#include "platform/widgets/BackgroundDrag.h"

#include <QMouseEvent>
#include <QWidget>

BackgroundDrag::BackgroundDrag(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    addHandle(window);
}

void BackgroundDrag::addHandle(QWidget *widget)
{
    widget->installEventFilter(this);
}

bool BackgroundDrag::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *e = static_cast<QMouseEvent *>(event);
        if (e->button() != Qt::LeftButton)
            break;
        m_dragging = true;
        m_offset = e->globalPosition().toPoint() - m_window->frameGeometry().topLeft();
        break;
    }
    case QEvent::MouseMove: {
        auto *e = static_cast<QMouseEvent *>(event);
        if (m_dragging && (e->buttons() & Qt::LeftButton)) {
            m_window->move(e->globalPosition().toPoint() - m_offset);
            return true;
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        m_dragging = false;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
