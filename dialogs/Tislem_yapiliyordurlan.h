#pragma once

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QWidget>

class QLabel;
class QProgressBar;

// The progress notice: a borderless panel above the other windows, centred on
// the screen, with a bold text and a thin green bar. A press on the panel or
// its text drags it. Shown through ProgressNotice.
class Tislem_yapiliyordurlan : public QWidget
{
    Q_OBJECT
public:
    explicit Tislem_yapiliyordurlan(QWidget *parent = nullptr);

    static Tislem_yapiliyordurlan *instance();

    QLabel *Bilgi;
    QProgressBar *ilerle;

protected:
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPoint m_dragOffset;
    bool m_dragging = false;
};

// Shows the progress notice over a walk of `maximum` rows for as long as the
// guard lives, and closes it on every way out of the scope. With no rows the
// notice is not shown at all. step() advances the bar and lets the event loop
// run, so the notice repaints and the program stays responsive. The given
// widgets are disabled meanwhile.
class ProgressNotice
{
public:
    ProgressNotice(const QString &text, int maximum, const QList<QWidget *> &disable = {});
    ~ProgressNotice();
    ProgressNotice(const ProgressNotice &) = delete;
    ProgressNotice &operator=(const ProgressNotice &) = delete;

    void step();
    bool isShown() const { return m_shown; }

private:
    bool m_shown = false;
    QList<QPointer<QWidget>> m_disabled;
};
