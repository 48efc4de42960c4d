#pragma once

#include <QDialog>
#include <QPointer>

#include <functional>

class QLineEdit;

// The screen lock: the main window stays disabled until the active company's
// password is typed. Three tries per showing, counting the "TAMAM" presses and
// the attempts to close the window alike; after them only "SONLANDIR" is left.
class Tekran_kilit : public QDialog
{
    Q_OBJECT
public:
    explicit Tekran_kilit(QWidget *parent = nullptr);
    ~Tekran_kilit() override;

    // Menu "Ekran Kilitle": disables the main window and shows the lock window
    // (created on first use, kept for the next lock). Refuses with a warning
    // when the login left no password digest to compare with.
    static void lock(QWidget *mainWindow);
    // The window lock() uses; null before the first lock.
    static Tekran_kilit *instance();

    // How "SONLANDIR" ends the program after closing the connection; by
    // default the event loops are left with exit code 0. Tests replace it.
    using Terminator = std::function<void(int exitCode)>;
    static void setTerminator(Terminator terminator);

    void lockWindow(QWidget *mainWindow);
    int tries() const { return m_tries; }

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    static constexpr int kMaxTries = 3;

    void tamam();
    void sonlandir();
    // One try with the password box; true when it matches.
    bool tryPassword();
    void markWrong();
    void unlock();

    QLineEdit *m_password;
    QPointer<QWidget> m_mainWindow;
    int m_tries = 0;
    bool m_unlocked = false;
};
