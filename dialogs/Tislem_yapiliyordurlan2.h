#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

class QLabel;

// The busy notice: a borderless panel above the other windows, centred on the
// screen, with one bold line of text. Shown through BusyNotice.
class Tislem_yapiliyordurlan2 : public QWidget
{
    Q_OBJECT
public:
    explicit Tislem_yapiliyordurlan2(QWidget *parent = nullptr);

    static Tislem_yapiliyordurlan2 *instance();

    QLabel *lblcap;

protected:
    void showEvent(QShowEvent *event) override;
};

// Shows the busy notice with a text for as long as the guard lives and closes
// it on every way out of the scope, errors and early returns included. The
// given widgets are disabled meanwhile and enabled again afterwards (those that
// were enabled). A guard inside another one shows its own text and gives the
// outer text back when it ends.
class BusyNotice
{
public:
    explicit BusyNotice(const QString &text, const QList<QWidget *> &disable = {});
    ~BusyNotice();
    BusyNotice(const BusyNotice &) = delete;
    BusyNotice &operator=(const BusyNotice &) = delete;

private:
    QString m_previousText;
    bool m_wasVisible = false;
    QList<QPointer<QWidget>> m_disabled;
};
