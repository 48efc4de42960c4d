#pragma once

#include <QDialog>

class QTextBrowser;

// The program's information page ("Bilgi:"). The login window shows it
// modally; the main window shows the shared instance without waiting.
class Tucretsiz_yazilimlar_icin_bilgi : public QDialog
{
    Q_OBJECT
public:
    explicit Tucretsiz_yazilimlar_icin_bilgi(QWidget *parent = nullptr);

    static Tucretsiz_yazilimlar_icin_bilgi *instance();

    // Creates the window, shows it modally and frees it.
    static void run(QWidget *parent = nullptr);

    QTextBrowser *WebBrowser1;

protected:
    void showEvent(QShowEvent *event) override;
};
