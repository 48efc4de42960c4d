#include "stock/definitions/Tfiyatbelirle.h"

#include "dialogs/ModalRunner.h"
#include "platform/widgets/BackgroundDrag.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

Tfiyatbelirle::Tfiyatbelirle(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("fiyatbelirle"));
    new BackgroundDrag(this); // dragged by its background
    setWindowTitle(QStringLiteral(".:: Fiyat Seçimi ::."));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    m_frame = new QGroupBox(QStringLiteral(" Fiyat Seçimi "));
    m_frame->setObjectName(QStringLiteral("GroupBox1"));
    auto *choices = new QVBoxLayout(m_frame);
    for (int i = 0; i < 4; ++i) {
        // "&1.Fiyat" .. "&4.Fiyat": Alt+1 .. Alt+4 pick them.
        m_choices[i] = new QRadioButton(QStringLiteral("&%1.Fiyat").arg(i + 1));
        m_choices[i]->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        choices->addWidget(m_choices[i]);
    }
    m_choices[0]->setChecked(true);

    auto *tamam = new QPushButton(QStringLiteral("T&amam"));
    tamam->setObjectName(QStringLiteral("Tamam"));
    tamam->setDefault(true); // Enter
    auto *vazgec = new QPushButton(QStringLiteral("&Vazgeç"));
    vazgec->setObjectName(QStringLiteral("Vazgec"));
    vazgec->setAutoDefault(false);
    connect(tamam, &QPushButton::clicked, this, [this] {
        m_confirmed = true;
        accept();
    });
    connect(vazgec, &QPushButton::clicked, this, &QDialog::reject); // Esc too, as QDialog does

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(tamam);
    buttons->addWidget(vazgec);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_frame);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

int Tfiyatbelirle::choose(const QString &frameCaption)
{
    checkColumn(1);
    if (!frameCaption.isEmpty())
        setFrameCaption(frameCaption);
    m_confirmed = false;
    runModal(this);
    if (!frameCaption.isEmpty())
        setFrameCaption(QStringLiteral("Fiyat Seçimi"));
    return m_confirmed ? chosenColumn() : 0;
}

int Tfiyatbelirle::chosenColumn() const
{
    for (int i = 0; i < 4; ++i)
        if (m_choices[i]->isChecked())
            return i + 1;
    return 1;
}

void Tfiyatbelirle::checkColumn(int column)
{
    if (column >= 1 && column <= 4)
        m_choices[column - 1]->setChecked(true);
}

QString Tfiyatbelirle::frameCaption() const
{
    return m_frame->title();
}

void Tfiyatbelirle::setFrameCaption(const QString &caption)
{
    m_frame->setTitle(caption);
}

void Tfiyatbelirle::showEvent(QShowEvent *event)
{
    m_confirmed = false;
    QDialog::showEvent(event);
}

void Tfiyatbelirle::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F12) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

