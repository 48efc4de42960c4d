#include "dialogs/Terror_form.h"

#include "dialogs/Messages.h"
#include "dialogs/ModalRunner.h"
#include "dialogs/SharedInstance.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

Terror_form::Terror_form(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("error_form"));
    setWindowTitle(QStringLiteral("Hata Oluştu"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(40, 40));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    MessageType = new QLabel(this);
    MessageType->setObjectName(QStringLiteral("MessageType"));
    MessageType->setAccessibleName(QStringLiteral("Hata Tipi"));
    MessageType->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = MessageType->font();
    bold.setBold(true);
    MessageType->setFont(bold);

    ErrorMsg = new QPlainTextEdit(this);
    ErrorMsg->setObjectName(QStringLiteral("ErrorMsg"));
    ErrorMsg->setReadOnly(true);
    ErrorMsg->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ErrorMsg->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    ErrorMsg->setAccessibleName(QStringLiteral("Hata Mesajı"));

    auto *typeCaption = new QLabel(QStringLiteral("Hata Tipi :"), this);
    auto *msgCaption = new QLabel(QStringLiteral("Hata Mesajı :"), this);
    msgCaption->setBuddy(ErrorMsg);
    msgCaption->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *grid = new QGridLayout;
    grid->addWidget(icon, 0, 0, 2, 1);
    grid->addWidget(typeCaption, 0, 1);
    grid->addWidget(MessageType, 0, 2);
    grid->addWidget(msgCaption, 1, 1);
    grid->addWidget(ErrorMsg, 1, 2);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(1, 1);
    grid->setHorizontalSpacing(10);

    Tamam = new QPushButton(QStringLiteral("Tamam"), this);
    Tamam->setObjectName(QStringLiteral("Tamam"));
    Tamam->setDefault(true);
    connect(Tamam, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Tamam);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);
    resize(520, 300);
}

Terror_form *Terror_form::instance()
{
    return sharedInstance<Terror_form>();
}

void Terror_form::showError(const QString &text, const QString &label)
{
    Terror_form *dialog = instance();
    dialog->MessageType->setText(label);
    dialog->ErrorMsg->setPlainText(Msg::displayText(text));
    dialog->Tamam->setFocus();
    runModal(dialog);
}
