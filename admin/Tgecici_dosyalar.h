#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

// Lists the engine's leftover answer tables under the program directory and
// deletes them on request. Opened by the login window, one instance per use.
class Tgecici_dosyalar : public QDialog
{
    Q_OBJECT
public:
    explicit Tgecici_dosyalar(QWidget *parent = nullptr);

    // Creates the dialog, shows it modally and frees it.
    static void showDialog(QWidget *parent);

    // Fills the list from the program directory (done at every showing).
    void fillList();
    // "Tümünü Sil".
    void deleteAll();

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QLabel *m_status;
    QPushButton *m_deleteAll;
    QListWidget *m_list;
    bool m_deleting = false;
};
