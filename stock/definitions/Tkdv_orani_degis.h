#pragma once

#include <QDialog>

class Dataset;
class QLineEdit;
class TDATA_TABLOLAR;

// "KDV Oranı": the company's general VAT rate, the one value of kdvoran.
// The table is open while the dialog is; "Tamam" stores the rate and closes,
// "Vazgeç" closes without storing.
class Tkdv_orani_degis : public QDialog
{
    Q_OBJECT
public:
    explicit Tkdv_orani_degis(TDATA_TABLOLAR *modules, QWidget *parent = nullptr);
    ~Tkdv_orani_degis() override;

    // The main menu's entry: create, show modally, free.
    static void run(TDATA_TABLOLAR *modules, QWidget *parent = nullptr);

    void done(int result) override;

private:
    void onTamam();

    Dataset *m_table;
    QLineEdit *m_rate;
};
