#include "dialogs/Tislem_yapiliyordurlan.h"

#include "dialogs/SharedInstance.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

Tislem_yapiliyordurlan::Tislem_yapiliyordurlan(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("islem_yapiliyordurlan"));
    setWindowTitle(QStringLiteral("Lütfen bekleyin"));
    setAttribute(Qt::WA_ShowWithoutActivating);

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::Box);
    panel->setStyleSheet(QStringLiteral("#Panel1 { background: #f3f7ff; border: 2px solid #3a5a8c; }"));

    Bilgi = new QLabel(panel);
    Bilgi->setObjectName(QStringLiteral("Bilgi"));
    Bilgi->setAlignment(Qt::AlignCenter);
    Bilgi->setWordWrap(true);
    QFont bold = Bilgi->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 1);
    Bilgi->setFont(bold);

    ilerle = new QProgressBar(panel);
    ilerle->setObjectName(QStringLiteral("ilerle"));
    ilerle->setTextVisible(false);
    ilerle->setFixedHeight(10);
    ilerle->setAccessibleName(QStringLiteral("İlerleme"));
    ilerle->setStyleSheet(QStringLiteral("QProgressBar { border: 1px solid #808080; background: white; }"
                                         "QProgressBar::chunk { background: #2e9b3a; }"));

    auto *inner = new QVBoxLayout(panel);
    inner->setContentsMargins(16, 14, 16, 14);
    inner->setSpacing(10);
    inner->addWidget(Bilgi);
    inner->addWidget(ilerle);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel);
    setFixedSize(420, 100);
}

Tislem_yapiliyordurlan *Tislem_yapiliyordurlan::instance()
{
    return sharedInstance<Tislem_yapiliyordurlan>();
}

void Tislem_yapiliyordurlan::showEvent(QShowEvent *event)
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QWidget::showEvent(event);
}

// Presses on the text and the bar reach here too: neither takes the mouse.
void Tislem_yapiliyordurlan::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - pos();
}

void Tislem_yapiliyordurlan::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - m_dragOffset);
    else
        QWidget::mouseMoveEvent(event);
}

void Tislem_yapiliyordurlan::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    QWidget::mouseReleaseEvent(event);
}

ProgressNotice::ProgressNotice(const QString &text, int maximum, const QList<QWidget *> &disable)
{
    for (QWidget *w : disable) {
        if (w && w->isEnabled()) {
            w->setEnabled(false);
            m_disabled.append(w);
        }
    }
    if (maximum <= 0)
        return;
    Tislem_yapiliyordurlan *notice = Tislem_yapiliyordurlan::instance();
    notice->Bilgi->setText(text);
    notice->ilerle->setRange(0, maximum);
    notice->ilerle->setValue(0);
    notice->show();
    notice->raise();
    m_shown = true;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

ProgressNotice::~ProgressNotice()
{
    if (m_shown)
        Tislem_yapiliyordurlan::instance()->hide();
    for (const QPointer<QWidget> &w : std::as_const(m_disabled))
        if (w)
            w->setEnabled(true);
}

void ProgressNotice::step()
{
    if (m_shown) {
        QProgressBar *bar = Tislem_yapiliyordurlan::instance()->ilerle;
        bar->setValue(qMin(bar->value() + 1, bar->maximum()));
    }
    QCoreApplication::processEvents();
}
