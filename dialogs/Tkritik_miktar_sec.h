#pragma once

#include "platform/number/Currency.h"

#include <QDialog>

class CurrencyEdit;
class QPushButton;

// Asks for the margin above the critical level. The value typed last stays for
// the next use in the same run.
class Tkritik_miktar_sec : public QDialog
{
    Q_OBJECT
public:
    explicit Tkritik_miktar_sec(QWidget *parent = nullptr);

    static Tkritik_miktar_sec *instance();

    // Shows the shared dialog modally; true with the quantity when "Tamam" was pressed.
    static bool ask(Currency *quantity);

    CurrencyEdit *CurrencyEdit1;
    QPushButton *Tamam;
    QPushButton *Vazgec;
};
