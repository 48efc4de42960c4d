#include "stock/definitions/Tkdv_orani_degis.h"

#include "data/TDATA_TABLOLAR.h"
#include "dialogs/Messages.h"
#include "dialogs/ModalRunner.h"
#include "platform/number/Formats.h"
#include "stock/definitions/VatRateTable.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

Tkdv_orani_degis::Tkdv_orani_degis(TDATA_TABLOLAR *modules, QWidget *parent)
    : QDialog(parent), m_table(modules->TAYARLAR_T)
{
    setObjectName(QStringLiteral("kdv_orani_degis"));
    setWindowTitle(QStringLiteral("KDV Oranı"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto *label = new QLabel(QStringLiteral("Oranı Belirleyin"));
    m_rate = new QLineEdit;
    m_rate->setObjectName(QStringLiteral("KDV_ORANI"));
    m_rate->setAlignment(Qt::AlignRight);
    // A rate: digits with at most four decimals, comma or point.
    m_rate->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d{0,6}([,.]\\d{0,4})?")), m_rate));
    label->setBuddy(m_rate);

    auto *tamam = new QPushButton(QStringLiteral("Tamam"));
    tamam->setObjectName(QStringLiteral("Tamam"));
    tamam->setAutoDefault(false);
    auto *vazgec = new QPushButton(QStringLiteral("Vazgeç"));
    vazgec->setObjectName(QStringLiteral("Vazgec"));
    vazgec->setAutoDefault(false);
    connect(tamam, &QPushButton::clicked, this, &Tkdv_orani_degis::onTamam);
    connect(vazgec, &QPushButton::clicked, this, &QDialog::reject);

    auto *field = new QHBoxLayout;
    field->addWidget(label);
    field->addWidget(m_rate);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(tamam);
    buttons->addWidget(vazgec);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(field);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());

    const VatRateTable::Reading reading = VatRateTable::read(m_table->tableName());
    if (!reading.ok) {
        Msg::error(reading.error, this);
        return;
    }
    m_table->setActive(true);
    if (reading.rate)
        m_rate->setText(FloatToStr(*reading.rate));
}

Tkdv_orani_degis::~Tkdv_orani_degis()
{
    m_table->setActive(false);
}

void Tkdv_orani_degis::run(TDATA_TABLOLAR *modules, QWidget *parent)
{
    Tkdv_orani_degis dialog(modules, parent);
    runModal(&dialog);
}

void Tkdv_orani_degis::done(int result)
{
    m_table->setActive(false);
    QDialog::done(result);
}

void Tkdv_orani_degis::onTamam()
{
    if (!m_table->isActive())
        return;
    std::optional<Currency> rate;
    const QString text = m_rate->text().trimmed();
    if (!text.isEmpty()) {
        double value = 0;
        if (!parseTurkishNumber(text, &value)) {
            Msg::warning(QStringLiteral("\r\nGeçerli bir oran yazın."), this);
            m_rate->setFocus();
            return;
        }
        rate = Currency::fromDouble(value);
    }
    QString error;
    if (!VatRateTable::write(m_table->tableName(), rate, &error)) {
        Msg::error(error, this);
        return;
    }
    accept();
}
