#pragma once

#include <QDate>
#include <QDialog>

class QDateEdit;
class QPushButton;

// The date range dialog. Every showing starts from today's date in both
// pickers with DURUM false; only an accepted "Tamam" (end on or after start)
// sets DURUM. "Vazgeç", Esc and the close box leave it false; Enter presses nothing.
class Ttarih_secimi_3 : public QDialog
{
    Q_OBJECT
public:
    explicit Ttarih_secimi_3(QWidget *parent = nullptr);

    // The instance shared by every screen; it has no parent, so no screen's
    // closing takes it (and what it keeps between uses) away.
    static Ttarih_secimi_3 *instance();

    // Shows the shared dialog modally; true with the chosen range when accepted.
    static bool choose(QDate *start, QDate *end);

    // Both pickers to today, DURUM false: what each showing starts from.
    void reset();

    bool DURUM = false;
    QDateEdit *ba;
    QDateEdit *bi;
    QPushButton *Tamam;
    QPushButton *Vazgec;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void tamamClicked();
};
