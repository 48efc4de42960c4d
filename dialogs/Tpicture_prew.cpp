#include "dialogs/Tpicture_prew.h"

#include "dialogs/ModalRunner.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>

namespace {
constexpr int kFrame = 2;
}

Tpicture_prew::Tpicture_prew(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("picture_prew"));
    setWindowTitle(QStringLiteral("Resim Gösterici"));
    setStyleSheet(QStringLiteral("#picture_prew { background: #808080; }"));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setAccessibleName(QStringLiteral("Resim"));
    Image1->setStyleSheet(QStringLiteral("background: white;"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(kFrame, kFrame, kFrame, kFrame);
    layout->addWidget(Image1);
}

bool Tpicture_prew::loadPicture(const QString &file)
{
    QImageReader reader(file);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull())
        return false;
    // Shown at its own size, unless it would not fit on the screen at all.
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QSize room = screen->availableGeometry().size() - QSize(2 * kFrame, 2 * kFrame);
        if (image.width() > room.width() || image.height() > room.height())
            image = image.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    Image1->setPixmap(QPixmap::fromImage(image));
    Image1->setFixedSize(image.size());
    setFixedSize(image.size() + QSize(2 * kFrame, 2 * kFrame));
    return true;
}

bool Tpicture_prew::showPicture(const QString &file, QWidget *parent)
{
    Tpicture_prew viewer(parent);
    if (!viewer.loadPicture(file))
        return false;
    runModal(&viewer);
    return true;
}

void Tpicture_prew::showEvent(QShowEvent *event)
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

void Tpicture_prew::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F12 || event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Tpicture_prew::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        reject();
        return;
    }
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - pos();
}

void Tpicture_prew::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging && event->buttons() != Qt::NoButton)
        move(event->globalPosition().toPoint() - m_dragOffset);
}

void Tpicture_prew::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = false;
}

void Tpicture_prew::mouseDoubleClickEvent(QMouseEvent *)
{
    reject();
}
