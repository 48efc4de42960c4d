#include "dialogs/Tislem_yapiliyordurlan2.h"

#include "dialogs/SharedInstance.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

Tislem_yapiliyordurlan2::Tislem_yapiliyordurlan2(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("islem_yapiliyordurlan2"));
    setWindowTitle(QStringLiteral("Lütfen bekleyin"));
    setAttribute(Qt::WA_ShowWithoutActivating);

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::Box);
    panel->setStyleSheet(QStringLiteral("#Panel1 { background: #fffbe6; border: 2px solid #7a6a2a; }"));

    lblcap = new QLabel(panel);
    lblcap->setObjectName(QStringLiteral("lblcap"));
    lblcap->setAlignment(Qt::AlignCenter);
    lblcap->setWordWrap(true);
    QFont bold = lblcap->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 1);
    lblcap->setFont(bold);

    auto *inner = new QVBoxLayout(panel);
    inner->setContentsMargins(16, 16, 16, 16);
    inner->addWidget(lblcap);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel);
    setFixedSize(420, 90);
}

Tislem_yapiliyordurlan2 *Tislem_yapiliyordurlan2::instance()
{
    return sharedInstance<Tislem_yapiliyordurlan2>();
}

void Tislem_yapiliyordurlan2::showEvent(QShowEvent *event)
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QWidget::showEvent(event);
}

BusyNotice::BusyNotice(const QString &text, const QList<QWidget *> &disable)
{
    for (QWidget *w : disable) {
        if (w && w->isEnabled()) {
            w->setEnabled(false);
            m_disabled.append(w);
        }
    }
    Tislem_yapiliyordurlan2 *notice = Tislem_yapiliyordurlan2::instance();
    m_previousText = notice->lblcap->text();
    m_wasVisible = notice->isVisible();
    notice->lblcap->setText(text);
    notice->show();
    notice->raise();
    // The work that follows keeps the event loop from running: paint now.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    notice->lblcap->repaint();
}

BusyNotice::~BusyNotice()
{
    Tislem_yapiliyordurlan2 *notice = Tislem_yapiliyordurlan2::instance();
    notice->lblcap->setText(m_previousText);
    if (!m_wasVisible)
        notice->hide();
    for (const QPointer<QWidget> &w : std::as_const(m_disabled))
        if (w)
            w->setEnabled(true);
}
