#include "app/company/Tkullanici_islemleri.h"

#include "dialogs/ModalRunner.h"

Tkullanici_islemleri::Tkullanici_islemleri(Page, const CompanyRow &, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("kullanici_islemleri"));
    setWindowTitle(QStringLiteral("Kullanıcı İşlemleri"));
}

bool Tkullanici_islemleri::run(Page page, const CompanyRow &selected, QWidget *parent)
{
    Tkullanici_islemleri dialog(page, selected, parent);
    runModal(&dialog);
    return true;
}
