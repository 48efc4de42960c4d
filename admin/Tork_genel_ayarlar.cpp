#include "admin/Tork_genel_ayarlar.h"

#include "platform/widgets/BackgroundDrag.h"
#include "admin/SettingsFailure.h"
#include "dialogs/Messages.h"
#include "dialogs/ModalRunner.h"
#include "platform/AppContext.h"
#include "platform/ini/IniFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const QString kGenel = QStringLiteral("DUV_GENEL");
const QString kCek = QStringLiteral("CEK_AYARLARI");

QCheckBox *makeCheck(const char *name, const QString &text, QWidget *parent)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QComboBox *makePriceList(const char *name, QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->addItems(Tork_genel_ayarlar::priceItems());
    return list;
}

// An index the list does not have would leave it without a selection, and the
// screens would then pass -1 on as a price number: the default is safer.
int priceIndex(const IniFile &ini, const QString &key)
{
    const int index = ini.readInteger(kGenel, key, 0);
    return index >= 0 && index < Tork_genel_ayarlar::priceItems().size() ? index : 0;
}

} // namespace

Tork_genel_ayarlar::Tork_genel_ayarlar(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ork_genel_ayarlar"));
    setWindowTitle(QStringLiteral("Ayarlar"));
    auto *drag = new BackgroundDrag(this);

    auto *fatura = new QGroupBox(QStringLiteral("Fatura Modülü"), this);
    m_ay1 = makeCheck("AY1", QStringLiteral("Satış yapılan stokları satış kaydı sonrası otomatik düş"), fatura);
    m_ay1->setToolTip(QStringLiteral("Müşteri Modülü ve Satıcı Bilgi Detay için geçerli"));
    m_ay2 = makeCheck("AY2", QStringLiteral("Stok düşme esnasında soru sorma"), fatura);
    m_ay4 = makeCheck("AY4", QStringLiteral("Ürün satış esnasında Stok Kartı yoksa uyarı yok"), fatura);
    m_ay4->setToolTip(QStringLiteral("satış fiyatı girişinde bildirilen uyarı için."));
    auto *faturaLayout = new QVBoxLayout(fatura);
    faturaLayout->addWidget(m_ay1);
    faturaLayout->addWidget(m_ay2);
    faturaLayout->addWidget(m_ay4);

    auto *bugun = new QGroupBox(QStringLiteral("Uyarı Sistemi ( Aktif Günde Olanları Kullanıcı Girişinde Bildir )"), this);
    m_ay9 = makeCheck("AY9", QStringLiteral("Notlar && Açıklamalar"), bugun);
    auto *bugunLayout = new QVBoxLayout(bugun);
    bugunLayout->addWidget(m_ay9);

    auto *ileri = new QGroupBox(QStringLiteral("Uyarı Sistemi ( X Gün Sonra Olanları Kullanıcı Girişinde Bildir )"), this);
    m_gun5 = new QSpinBox(ileri);
    m_gun5->setObjectName(QStringLiteral("GUN5"));
    m_gun5->setRange(0, 99);
    auto *ileriLayout = new QFormLayout(ileri);
    ileriLayout->addRow(QStringLiteral("Not Uyarı Tarihi X Gün Sonra Olan Kayıtları Kullanıcı Gir. Bildir"), m_gun5);

    m_fiy6 = makePriceList("FIY6", this);
    m_fiy5 = makePriceList("FIY5", this);
    auto *prices = new QFormLayout;
    prices->addRow(QStringLiteral("Stok Çıkışında Kullanılacak Fiyat"), m_fiy6);
    prices->addRow(QStringLiteral("Stok Girişinde Kullanılacak Fiyat"), m_fiy5);

    auto *kaydet = new QPushButton(QStringLiteral("Kaydet"), this);
    kaydet->setObjectName(QStringLiteral("kaydet"));
    auto *cikis = new QPushButton(QStringLiteral("Çıkış"), this);
    cikis->setObjectName(QStringLiteral("cikis"));
    cikis->setToolTip(QStringLiteral("Çıkış [F12]"));
    // Enter in a field must not save behind the user's back.
    kaydet->setAutoDefault(false);
    cikis->setAutoDefault(false);
    connect(kaydet, &QPushButton::clicked, this, &Tork_genel_ayarlar::save);
    connect(cikis, &QPushButton::clicked, this, &QDialog::reject);
    auto *f12 = new QShortcut(QKeySequence(Qt::Key_F12), this);
    connect(f12, &QShortcut::activated, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(kaydet);
    buttons->addWidget(cikis);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fatura);
    layout->addWidget(bugun);
    layout->addWidget(ileri);
    layout->addLayout(prices);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QWidget *handle : {static_cast<QWidget *>(fatura), static_cast<QWidget *>(bugun), static_cast<QWidget *>(ileri)})
        drag->addHandle(handle);
    for (QLabel *label : findChildren<QLabel *>())
        drag->addHandle(label);

    setTabOrder(m_ay1, m_ay2);
    setTabOrder(m_ay2, m_ay4);
    setTabOrder(m_ay4, m_ay9);
    setTabOrder(m_ay9, m_gun5);
    setTabOrder(m_gun5, m_fiy6);
    setTabOrder(m_fiy6, m_fiy5);
    setTabOrder(m_fiy5, kaydet);
    setTabOrder(kaydet, cikis);
}

QStringList Tork_genel_ayarlar::priceItems()
{
    return {QStringLiteral("Fiyat 1"), QStringLiteral("Fiyat 2"), QStringLiteral("Fiyat 3"), QStringLiteral("Fiyat 4"),
            QStringLiteral("Fiyat Getirme")};
}

void Tork_genel_ayarlar::loadSettings()
{
    const IniFile ini(appContext().settingsPath());
    m_fiy5->setCurrentIndex(priceIndex(ini, QStringLiteral("FIY5")));
    m_fiy6->setCurrentIndex(priceIndex(ini, QStringLiteral("FIY6")));
    m_ay1->setChecked(ini.readBool(kGenel, QStringLiteral("AY1"), false));
    m_ay2->setChecked(ini.readBool(kGenel, QStringLiteral("AY2"), false));
    m_ay4->setChecked(ini.readBool(kGenel, QStringLiteral("AY4"), false));
    m_ay9->setChecked(ini.readBool(kGenel, QStringLiteral("AY9"), false));
    // The spin box keeps a stored value inside 0-99; anything unreadable is 0.
    m_gun5->setValue(ini.readInteger(kCek, QStringLiteral("GUN5"), 0));
}

bool Tork_genel_ayarlar::saveSettings()
{
    IniFile ini(appContext().settingsPath());
    const bool ok = ini.writeInteger(kGenel, QStringLiteral("FIY6"), FIY6())
        && ini.writeInteger(kGenel, QStringLiteral("FIY5"), FIY5())
        && ini.writeBool(kGenel, QStringLiteral("AY1"), AY1())
        && ini.writeBool(kGenel, QStringLiteral("AY2"), AY2())
        && ini.writeBool(kGenel, QStringLiteral("AY4"), AY4())
        && ini.writeBool(kGenel, QStringLiteral("AY9"), AY9())
        && ini.writeInteger(kCek, QStringLiteral("GUN5"), GUN5());
    if (!ok)
        reportSettingsWriteFailure(ini.path(), this);
    return ok;
}

void Tork_genel_ayarlar::save()
{
    if (saveSettings())
        Msg::information(QStringLiteral("\r\nAyarlar kaydedildi."), this);
}

void Tork_genel_ayarlar::showModal()
{
    runModal(this);
}

int Tork_genel_ayarlar::FIY6() const { return m_fiy6->currentIndex(); }
int Tork_genel_ayarlar::FIY5() const { return m_fiy5->currentIndex(); }
bool Tork_genel_ayarlar::AY1() const { return m_ay1->isChecked(); }
bool Tork_genel_ayarlar::AY2() const { return m_ay2->isChecked(); }
bool Tork_genel_ayarlar::AY4() const { return m_ay4->isChecked(); }
bool Tork_genel_ayarlar::AY9() const { return m_ay9->isChecked(); }
int Tork_genel_ayarlar::GUN5() const { return m_gun5->value(); }
