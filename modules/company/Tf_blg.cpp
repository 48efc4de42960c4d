#include "modules/company/Tf_blg.h"

#include "data/TDATALAR.h"
#include "data/TableCatalogue.h"
#include "dialogs/Messages.h"
#include "dialogs/ModalRunner.h"
#include "modules/company/CompanyInfoTable.h"
#include "platform/widgets/CharFilter.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

int columnSize(const QString &column)
{
    if (const TableCatalogue::Table *t = TableCatalogue::findTable(QStringLiteral("firmablg")))
        for (const TableCatalogue::Column &c : t->columns)
            if (c.name == column)
                return c.size;
    return 20;
}

QPushButton *makeButton(const QString &caption, const QString &name)
{
    auto *button = new QPushButton(caption);
    button->setObjectName(name);
    button->setAutoDefault(false);
    // Tab moves between the boxes only.
    button->setFocusPolicy(Qt::ClickFocus);
    return button;
}

} // namespace

Tf_blg::Tf_blg(const QString &table, QWidget *parent)
    : QDialog(parent), m_table(table)
{
    setObjectName(QStringLiteral("f_blg"));
    setWindowTitle(QStringLiteral("Firma Bilgileri"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    // Captions in column order; the second address line sits under the first, without its own.
    const QStringList captions = {
        QStringLiteral("Yetkili Adı Soyadı"), QStringLiteral("Ünvanı"),    QStringLiteral("Firma Adı"),
        QStringLiteral("Firma Adresi"),       QString(),                   QStringLiteral("Telefon 1"),
        QStringLiteral("Telefon 2"),          QStringLiteral("Telefon 3"), QStringLiteral("Faks 1"),
        QStringLiteral("Faks 2"),
    };
    auto *grid = new QGridLayout;
    const QStringList &columns = CompanyInfoTable::columns();
    for (int i = 0; i < columns.size(); ++i) {
        auto *edit = new QLineEdit;
        edit->setObjectName(columns[i]);
        edit->setMaxLength(columnSize(columns[i]));
        edit->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('n')) * 48);
        CharFilter::freeText(edit);
        if (captions[i].isEmpty()) {
            edit->setAccessibleName(QStringLiteral("Firma Adresi"));
            edit->setAccessibleDescription(QStringLiteral("İkinci satır"));
        } else {
            auto *label = new QLabel(captions[i]);
            label->setBuddy(edit);
            grid->addWidget(label, i, 0);
        }
        grid->addWidget(edit, i, 1);
        m_fields << edit;
    }

    QPushButton *kaydet = makeButton(QStringLiteral("KAYDET"), QStringLiteral("KAYDET"));
    QPushButton *vazgec = makeButton(QStringLiteral("VAZGEÇ"), QStringLiteral("VAZGEC"));
    QPushButton *cikis = makeButton(QStringLiteral("ÇIKIŞ"), QStringLiteral("CIKIS"));
    connect(kaydet, &QPushButton::clicked, this, &Tf_blg::save);
    connect(vazgec, &QPushButton::clicked, this, &Tf_blg::load);
    connect(cikis, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(kaydet);
    buttons->addWidget(vazgec);
    buttons->addWidget(cikis);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());

    load();
    m_fields.first()->setFocus();
}

void Tf_blg::run(TDATALAR *modules, QWidget *parent)
{
    const CompanyInfoTable::Reading reading = CompanyInfoTable::read(modules->tf_blg->tableName());
    if (!reading.ok) {
        Msg::error(reading.error, parent);
        return;
    }
    modules->tf_blg->setActive(true);
    {
        Tf_blg dialog(modules->tf_blg->tableName(), parent);
        runModal(&dialog);
    }
    modules->tf_blg->setActive(false);
}

void Tf_blg::load()
{
    const CompanyInfoTable::Reading reading = CompanyInfoTable::read(m_table);
    if (!reading.ok) {
        Msg::error(reading.error, this);
        return;
    }
    for (int i = 0; i < m_fields.size(); ++i)
        m_fields[i]->setText(reading.values.value(i));
}

void Tf_blg::save()
{
    QStringList values;
    for (const QLineEdit *field : std::as_const(m_fields))
        values << field->text();
    QString error;
    if (!CompanyInfoTable::write(m_table, values, &error))
        Msg::error(error, this);
}

void Tf_blg::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_F12:
        reject();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter moves on like Tab.
        focusNextChild();
        return;
    case Qt::Key_Escape:
        // Only "ÇIKIŞ" and F12 close: Esc would drop what was typed.
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
