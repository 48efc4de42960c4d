#pragma once

#include <QDialog>
#include <QPoint>

class QLabel;

// The picture viewer: a borderless window with a thin grey frame, sized to the
// picture and centred on the screen. Esc, F12, a double click or a right-button
// press close it; a left press drags it. Made for one use and freed after it.
class Tpicture_prew : public QDialog
{
    Q_OBJECT
public:
    explicit Tpicture_prew(QWidget *parent = nullptr);

    // Loads a JPEG or BMP picture; false when the file is no readable picture.
    bool loadPicture(const QString &file);

    // Creates a viewer for the file, shows it modally and frees it. The caller
    // has checked that the file exists. False when it could not be read.
    static bool showPicture(const QString &file, QWidget *parent = nullptr);

    QLabel *Image1;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QPoint m_dragOffset;
    bool m_dragging = false;
};
