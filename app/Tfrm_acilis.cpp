#include "app/Tfrm_acilis.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

Tfrm_acilis::Tfrm_acilis(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frm_acilis"));
    setWindowTitle(QStringLiteral("DEZI + VAVERU"));
    setFixedSize(420, 160);
    setStyleSheet(QStringLiteral("Tfrm_acilis { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                                 "stop:0 #59646A, stop:1 #2F3A40); border: 1px solid #B3B5BD; }"
                                 "QLabel { color: white; }"));
    setAttribute(Qt::WA_StyledBackground);
    auto *title = new QLabel(QStringLiteral("VARI ROVIZ v1.9.2"), this);
    QFont f = title->font();
    f.setPointSize(20);
    f.setBold(true);
    title->setFont(f);
    title->setAlignment(Qt::AlignCenter);
    m_ilerleme = new QProgressBar(this);
    m_ilerleme->setObjectName(QStringLiteral("ilerleme"));
    m_ilerleme->setRange(0, 7);
    m_ilerleme->setValue(0);
    m_ilerleme->setTextVisible(false);
    m_ilerleme->setAccessibleName(QStringLiteral("Yükleniyor"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addWidget(title, 1);
    layout->addWidget(m_ilerleme);
    if (const QScreen *screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Tfrm_acilis::advance()
{
    m_ilerleme->setValue(qMin(m_ilerleme->maximum(), m_ilerleme->value() + 1));
    repaint();
}
