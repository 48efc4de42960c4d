#pragma once

#include <QDialog>

// The contact window: how to reach support for this installation.
class Tiletisim_formu : public QDialog
{
    Q_OBJECT
public:
    explicit Tiletisim_formu(QWidget *parent = nullptr);

    // Shows the window modally and frees it.
    static void run(QWidget *parent);
};
