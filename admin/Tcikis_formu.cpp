#include "admin/Tcikis_formu.h"

#include "platform/widgets/BackgroundDrag.h"
#include "dialogs/ModalRunner.h"
#include "platform/AppContext.h"
#include "platform/ini/IniFile.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

const QString kAyarlar = QStringLiteral("AYARLAR");
const QString kOtoYedek = QStringLiteral("OTOYEDEK");

} // namespace

Tcikis_formu::Tcikis_formu(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("cikis_formu"));
    setWindowTitle(QStringLiteral("Çıkış"));
    auto *drag = new BackgroundDrag(this);

    auto *question = new QLabel(QStringLiteral("Program kapatılacak. İşleme devam edilsin mi?"), this);
    question->setObjectName(QStringLiteral("soru"));
    drag->addHandle(question);

    // The automatic backup row is kept but never shown: the program makes no backups.
    m_otoYedek = new QCheckBox(QStringLiteral("Çıkışta otomatik yedekleme yap."), this);
    m_otoYedek->setObjectName(QStringLiteral("otoyedek"));
    m_otoYedek->hide();
    m_backupFolder = new QLabel(appContext().autoBackupFolder, this);
    m_backupFolder->setObjectName(QStringLiteral("otoyedekdizini"));
    m_backupFolder->hide();

    auto *evet = new QPushButton(QStringLiteral("Evet"), this);
    evet->setObjectName(QStringLiteral("evet"));
    evet->setDefault(true);
    auto *hayir = new QPushButton(QStringLiteral("Hayır"), this);
    hayir->setObjectName(QStringLiteral("hayir"));
    connect(evet, &QPushButton::clicked, this, &QDialog::accept);
    connect(hayir, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(evet);
    buttons->addWidget(hayir);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(16);
    layout->addWidget(question);
    layout->addWidget(m_otoYedek);
    layout->addWidget(m_backupFolder);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    evet->setFocus();
}

bool Tcikis_formu::ask(QWidget *parent)
{
    Tcikis_formu dialog(parent);
    // A test's modal handler takes the dialog without showing it.
    dialog.loadOtoYedek();
    return runModal(&dialog) == QDialog::Accepted;
}

bool Tcikis_formu::otoYedek() const
{
    return m_otoYedek->isChecked();
}

void Tcikis_formu::loadOtoYedek()
{
    m_otoYedek->setChecked(IniFile(appContext().settingsPath()).readBool(kAyarlar, kOtoYedek, true));
}

void Tcikis_formu::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        loadOtoYedek();
}

void Tcikis_formu::done(int result)
{
    // Nothing acts on the value, so a file that refuses it must not keep the
    // user from leaving: the write is not checked.
    IniFile(appContext().settingsPath()).writeBool(kAyarlar, kOtoYedek, m_otoYedek->isChecked());
    QDialog::done(result);
}
