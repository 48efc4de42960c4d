#pragma once

#include <QWidget>

class QProgressBar;

// The splash window shown while the main window and the data modules are built.
class Tfrm_acilis : public QWidget
{
    Q_OBJECT
public:
    explicit Tfrm_acilis(QWidget *parent = nullptr);
    void advance();
    QProgressBar *ilerleme() const { return m_ilerleme; }

private:
    QProgressBar *m_ilerleme;
};
