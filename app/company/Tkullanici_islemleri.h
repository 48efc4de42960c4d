#pragma once

#include "app/CompanyList.h"

#include <QDialog>

// Company and password management: create, change password, rename, delete,
// each page ending on the result page "SONN".
class Tkullanici_islemleri : public QDialog
{
    Q_OBJECT
public:
    enum class Page { Yeni_Kullanici, Sifre_Degistir, Degis, Sil };

    // selected: the row selected in the login window's list (ignored for creation).
    Tkullanici_islemleri(Page page, const CompanyRow &selected, QWidget *parent = nullptr);

    // What the login window calls: applies the one-company rule for creation,
    // shows the dialog modally on its page and frees it. Returns true when the
    // dialog was shown (the caller then reloads the list).
    static bool run(Page page, const CompanyRow &selected, QWidget *parent);
};
