#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;

// The exit question shown when the main window is about to close. Its hidden
// check box keeps OTOYEDEK; nothing in the program acts on it.
class Tcikis_formu : public QDialog
{
    Q_OBJECT
public:
    explicit Tcikis_formu(QWidget *parent = nullptr);

    // Shows the question modally; true when the user answered "Evet".
    static bool ask(QWidget *parent);

    bool otoYedek() const;

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void loadOtoYedek();

    QCheckBox *m_otoYedek;
    QLabel *m_backupFolder;
};
