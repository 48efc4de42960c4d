#include "dialogs/Tkritik_miktar_sec.h"

#include "dialogs/ModalRunner.h"
#include "dialogs/SharedInstance.h"
#include "platform/widgets/CurrencyEdit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Tkritik_miktar_sec::Tkritik_miktar_sec(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("kritik_miktar_sec"));
    setWindowTitle(QStringLiteral("Miktar Belirleyiniz"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto *text = new QLabel(QStringLiteral("Kritik Seviyeye kaç yaklaşık stokları görmek istiyorsunuz."), this);

    CurrencyEdit1 = new CurrencyEdit(this);
    CurrencyEdit1->setObjectName(QStringLiteral("CurrencyEdit1"));
    CurrencyEdit1->setDisplayFormat(QStringLiteral(",0.00;-,0.00"));
    CurrencyEdit1->setAccessibleName(QStringLiteral("Miktar"));
    auto *caption = new QLabel(QStringLiteral("Miktar :"), this);
    caption->setBuddy(CurrencyEdit1);
    auto *row = new QHBoxLayout;
    row->addWidget(caption);
    row->addWidget(CurrencyEdit1, 1);

    Tamam = new QPushButton(QStringLiteral("Tamam"), this);
    Tamam->setObjectName(QStringLiteral("Tamam"));
    Tamam->setDefault(true);
    Vazgec = new QPushButton(QStringLiteral("Vazgeç"), this);
    Vazgec->setObjectName(QStringLiteral("Vazgec"));
    Vazgec->setAutoDefault(false);
    connect(Tamam, &QPushButton::clicked, this, &QDialog::accept);
    connect(Vazgec, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Tamam);
    buttons->addWidget(Vazgec);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(row);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

Tkritik_miktar_sec *Tkritik_miktar_sec::instance()
{
    return sharedInstance<Tkritik_miktar_sec>();
}

bool Tkritik_miktar_sec::ask(Currency *quantity)
{
    Tkritik_miktar_sec *dialog = instance();
    dialog->CurrencyEdit1->setFocus();
    if (runModal(dialog) != QDialog::Accepted)
        return false;
    if (quantity)
        *quantity = dialog->CurrencyEdit1->value();
    return true;
}
