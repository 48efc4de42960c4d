#include "admin/Tgecici_dosyalar.h"

#include "admin/TemporaryTables.h"
#include "dialogs/ModalRunner.h"
#include "platform/AppContext.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

Tgecici_dosyalar::Tgecici_dosyalar(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("gecici_dosyalar"));
    setWindowTitle(QStringLiteral("Geçici Dosyalar"));

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("ust_panel"));
    panel->setFrameShape(QFrame::StyledPanel);
    m_status = new QLabel(QStringLiteral("Durum: "), panel);
    m_status->setObjectName(QStringLiteral("durum"));
    m_deleteAll = new QPushButton(QStringLiteral("Tümünü Sil"), panel);
    m_deleteAll->setObjectName(QStringLiteral("tumunusil"));
    m_deleteAll->setAutoDefault(false);
    connect(m_deleteAll, &QPushButton::clicked, this, &Tgecici_dosyalar::deleteAll);
    auto *top = new QHBoxLayout(panel);
    top->addWidget(m_status, 1);
    top->addWidget(m_deleteAll);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("liste"));
    m_list->setAccessibleName(QStringLiteral("Geçici Dosyalar"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(m_list, 1);
    resize(620, 360);
}

void Tgecici_dosyalar::showDialog(QWidget *parent)
{
    Tgecici_dosyalar dialog(parent);
    runModal(&dialog);
}

void Tgecici_dosyalar::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        fillList();
}

void Tgecici_dosyalar::fillList()
{
    m_list->clear();
    m_list->addItems(TemporaryTables::find(appContext().programDir));
    m_status->setText(QStringLiteral("Durum: "));
    m_deleteAll->setEnabled(true);
}

void Tgecici_dosyalar::deleteAll()
{
    if (m_list->count() == 0)
        return;
    m_deleting = true;
    m_deleteAll->setEnabled(false);
    m_status->setText(QStringLiteral("Siliniyor..."));
    m_status->repaint();
    for (int row = 0; row < m_list->count(); ++row) {
        m_list->setCurrentRow(row);
        // A file in use or without permission stays; the rest go on.
        TemporaryTables::remove(m_list->item(row)->text());
        // Paint the progress, but take no clicks that could close the dialog mid-run.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    m_status->setText(QStringLiteral("Silme işlemi tamamlandı."));
    m_deleting = false;
}

void Tgecici_dosyalar::reject()
{
    if (!m_deleting)
        QDialog::reject();
}

void Tgecici_dosyalar::closeEvent(QCloseEvent *event)
{
    if (m_deleting) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}
