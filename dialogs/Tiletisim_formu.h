#pragma once

#include <QDialog>

class QTextBrowser;

// The contact page: how to reach support for this installation. The login
// window shows it modally; the main window shows the shared instance without waiting.
class Tiletisim_formu : public QDialog
{
    Q_OBJECT
public:
    explicit Tiletisim_formu(QWidget *parent = nullptr);

    static Tiletisim_formu *instance();

    // Creates the window, shows it modally and frees it.
    static void run(QWidget *parent = nullptr);

    QTextBrowser *WebBrowser1;

protected:
    void showEvent(QShowEvent *event) override;
};
