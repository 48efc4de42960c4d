#include "admin/Tbakimyedekuyari.h"

#include "admin/SettingsFailure.h"
#include "dialogs/Messages.h"
#include "platform/AppContext.h"
#include "platform/ini/IniFile.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

Tbakimyedekuyari::Tbakimyedekuyari(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("bakimyedekuyari"));
    setWindowTitle(QStringLiteral("// U Y A R I \\\\"));

    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setReadOnly(true);
    m_memo->setAccessibleName(QStringLiteral("Uyarı"));
    m_memo->setMinimumSize(420, 150);

    m_ye = new QCheckBox(QStringLiteral("Veri yedekleme için beni uyarma"), this);
    m_ye->setObjectName(QStringLiteral("YE"));
    m_ba = new QCheckBox(QStringLiteral("Veri tabanı bakımı için beni uyarma"), this);
    m_ba->setObjectName(QStringLiteral("BA"));

    auto *tamam = new QPushButton(QStringLiteral("TAMAM"), this);
    tamam->setObjectName(QStringLiteral("tamam"));
    tamam->setDefault(true);
    connect(tamam, &QPushButton::clicked, this, &QDialog::accept);

    auto *bottom = new QHBoxLayout;
    auto *checks = new QVBoxLayout;
    checks->addWidget(m_ye);
    checks->addWidget(m_ba);
    bottom->addLayout(checks);
    bottom->addStretch();
    bottom->addWidget(tamam, 0, Qt::AlignBottom);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_memo);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(tamam, m_ye);
    setTabOrder(m_ye, m_ba);
    setTabOrder(m_ba, m_memo);
    tamam->setFocus();
}

void Tbakimyedekuyari::setMessage(const QString &text)
{
    m_text = text;
    m_memo->setPlainText(Msg::displayText(text));
}

QString Tbakimyedekuyari::message() const
{
    return m_text;
}

void Tbakimyedekuyari::setFlags(bool ye, bool ba)
{
    m_ye->setChecked(ye);
    m_ba->setChecked(ba);
}

void Tbakimyedekuyari::done(int result)
{
    IniFile ini(appContext().settingsPath());
    if (!ini.writeBool(QStringLiteral("AYARLAR"), QStringLiteral("YE"), m_ye->isChecked())
        || !ini.writeBool(QStringLiteral("AYARLAR"), QStringLiteral("BA"), m_ba->isChecked()))
        reportSettingsWriteFailure(ini.path(), this);
    QDialog::done(result);
}
