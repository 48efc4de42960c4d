#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

// Lets the user move a window by pressing on its texts, panels or empty area:
// installed on each such widget, a left-button drag moves the widget's window.
// Owned by the window.
class BackgroundDrag : public QObject
{
    Q_OBJECT
public:
    explicit BackgroundDrag(QWidget *window);

    // Makes the widget a handle; the window itself is one from the start.
    void addHandle(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    QPoint m_offset;
    bool m_dragging = false;
};
