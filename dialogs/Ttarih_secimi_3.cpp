#include "dialogs/Ttarih_secimi_3.h"

#include "dialogs/Messages.h"
#include "dialogs/ModalRunner.h"
#include "dialogs/SharedInstance.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QDateEdit *datePicker(const QString &name, QWidget *parent)
{
    auto *edit = new QDateEdit(parent);
    edit->setObjectName(name);
    edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    edit->setCalendarPopup(true);
    edit->setMinimumWidth(120);
    return edit;
}

} // namespace

Ttarih_secimi_3::Ttarih_secimi_3(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("tarih_secimi_3"));
    setWindowTitle(QStringLiteral("Tarih Aralığı Belirleyin"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    ba = datePicker(QStringLiteral("ba"), this);
    bi = datePicker(QStringLiteral("bi"), this);
    auto *grid = new QGridLayout;
    const QString captions[] = {QStringLiteral("Başlangıç Tarihi"), QStringLiteral("Bitiş Tarihi")};
    QDateEdit *pickers[] = {ba, bi};
    for (int row = 0; row < 2; ++row) {
        auto *label = new QLabel(captions[row], this);
        label->setBuddy(pickers[row]);
        grid->addWidget(label, row, 0);
        grid->addWidget(new QLabel(QStringLiteral(":"), this), row, 1);
        grid->addWidget(pickers[row], row, 2);
        pickers[row]->setAccessibleName(captions[row]);
    }

    Tamam = new QPushButton(QStringLiteral("Tamam"), this);
    Tamam->setObjectName(QStringLiteral("Tamam"));
    Vazgec = new QPushButton(QStringLiteral("Vazgeç"), this);
    Vazgec->setObjectName(QStringLiteral("Vazgec"));
    // Neither is a default button: Enter in a picker must not close the dialog.
    for (QPushButton *b : {Tamam, Vazgec}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    connect(Tamam, &QPushButton::clicked, this, &Ttarih_secimi_3::tamamClicked);
    connect(Vazgec, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Tamam);
    buttons->addWidget(Vazgec);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    reset();
}

Ttarih_secimi_3 *Ttarih_secimi_3::instance()
{
    return sharedInstance<Ttarih_secimi_3>();
}

bool Ttarih_secimi_3::choose(QDate *start, QDate *end)
{
    Ttarih_secimi_3 *dialog = instance();
    dialog->reset();
    runModal(dialog);
    if (!dialog->DURUM)
        return false;
    if (start)
        *start = dialog->ba->date();
    if (end)
        *end = dialog->bi->date();
    return true;
}

void Ttarih_secimi_3::reset()
{
    DURUM = false;
    const QDate today = QDate::currentDate();
    ba->setDate(today);
    bi->setDate(today);
}

void Ttarih_secimi_3::showEvent(QShowEvent *event)
{
    reset();
    ba->setFocus();
    QDialog::showEvent(event);
}

void Ttarih_secimi_3::tamamClicked()
{
    if (bi->date() < ba->date()) {
        Msg::warning(QStringLiteral("\r\nBaşlangıç tarihi bitiş tarihinden büyük olamaz."), this);
        ba->setFocus();
        return;
    }
    DURUM = true;
    accept();
}
