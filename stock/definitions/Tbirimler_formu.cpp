#include "stock/definitions/Tbirimler_formu.h"

#include "data/TDATA_TABLOLAR.h"
#include "data/TableCatalogue.h"
#include "dialogs/Messages.h"
#include "dialogs/ModalRunner.h"
#include "platform/widgets/BackgroundDrag.h"
#include "stock/definitions/DefinitionGrid.h"
#include "stock/definitions/DefinitionListModel.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

// The list column's width as the table catalogue gives it.
int columnSize(const QString &baseTable, const QString &column)
{
    if (const TableCatalogue::Table *t = TableCatalogue::findTable(baseTable))
        for (const TableCatalogue::Column &c : t->columns)
            if (c.name.compare(column, Qt::CaseInsensitive) == 0)
                return c.size;
    return 10;
}

QPushButton *makeButton(const QString &caption, const QString &name)
{
    auto *button = new QPushButton(caption);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

Tbirimler_formu::Tbirimler_formu(const QString &pageName, TDATA_TABLOLAR *modules, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("birimler_formu"));
    new BackgroundDrag(this); // dragged by its background
    setWindowTitle(QStringLiteral("Tanımlar"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    m_pages[0].name = QStringLiteral("BIRIM");
    m_pages[0].dataset = modules->TBIRIMLER;
    m_pages[0].question = QStringLiteral("\r\nAKTİF BİRİM SİLİNECEK.\r\n\r\nDEVAM EDİLSİN Mİ?");
    m_pages[1].name = QStringLiteral("SINIF");
    m_pages[1].dataset = modules->TSINIFLAR;
    m_pages[1].question = QStringLiteral("\r\nAKTİF SINIF SİLİNECEK.\r\n\r\nDEVAM EDİLSİN Mİ?");
    m_pages[2].name = QStringLiteral("GRUP");
    m_pages[2].dataset = modules->TGRUP;
    m_pages[2].question = QStringLiteral(
        "\r\nAKTİF GRUP SİLİNECEK.\r\n\r\nDEVAM EDİLSİN Mİ?\r\r\nNot:Bu Gruba bağlı kayıtlar etkilenmeyecektir.");

    // A notebook without tabs: the page chosen from the menu is the only one reachable.
    m_notebook = new QStackedWidget(this);
    m_notebook->setObjectName(QStringLiteral("Notebook1"));
    m_notebook->addWidget(buildPage(m_pages[0], QStringLiteral("birimtanimlari"), QStringLiteral("BIRIMADI"),
                                    QStringLiteral("BİRİM LİSTESİ"), 13, QStringLiteral("Kaydet")));
    m_notebook->addWidget(buildPage(m_pages[1], QStringLiteral("siniflar"), QStringLiteral("SINIF"),
                                    QStringLiteral("SINIF LİSTESİ"), 14, QStringLiteral("Kayet")));
    m_notebook->addWidget(buildPage(m_pages[2], QStringLiteral("gruplar"), QStringLiteral("GRUP_ADI"),
                                    QStringLiteral("GRUP ADI"), 15, QStringLiteral("Kayet")));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_notebook);

    int active = 0;
    for (int i = 0; i < int(m_pages.size()); ++i)
        if (m_pages[i].name.compare(pageName, Qt::CaseInsensitive) == 0)
            active = i;
    m_notebook->setCurrentIndex(active);
    openPage(m_pages[active]);
    m_pages[active].grid->setFocus();
}

Tbirimler_formu::~Tbirimler_formu()
{
    closeTables();
}

void Tbirimler_formu::run(const QString &pageName, TDATA_TABLOLAR *modules, QWidget *parent)
{
    Tbirimler_formu dialog(pageName, modules, parent);
    runModal(&dialog);
}

QString Tbirimler_formu::activePageName() const
{
    return m_notebook->currentWidget()->objectName();
}

QWidget *Tbirimler_formu::buildPage(Page &page, const QString &baseTable, const QString &column, const QString &title,
                                    int displayChars, const QString &saveCaption)
{
    auto *widget = new QWidget;
    widget->setObjectName(page.name);

    page.model = new DefinitionListModel(page.dataset->tableName(), column, columnSize(baseTable, column), title, this);
    page.grid = new DefinitionGrid;
    page.grid->setObjectName(QStringLiteral("grid") + page.name);
    page.grid->setAccessibleName(title);
    page.grid->setModel(page.model);
    page.grid->setDisplayWidth(displayChars);

    QPushButton *yeni = makeButton(QStringLiteral("Yeni"), QStringLiteral("yeni") + page.name);
    QPushButton *kaydet = makeButton(saveCaption, QStringLiteral("kaydet") + page.name);
    QPushButton *sil = makeButton(QStringLiteral("Sil"), QStringLiteral("sil") + page.name);
    QPushButton *cikis = makeButton(QStringLiteral("Çıkış"), QStringLiteral("cikis") + page.name);

    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {yeni, kaydet, sil, cikis})
        buttons->addWidget(b);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page.grid, 1);
    layout->addLayout(buttons);

    connect(yeni, &QPushButton::clicked, this, [this, &page] { onNew(page); });
    connect(kaydet, &QPushButton::clicked, this, [this, &page] { onSave(page); });
    connect(sil, &QPushButton::clicked, this, [this, &page] { onDelete(page, page.question); });
    connect(cikis, &QPushButton::clicked, this, &QDialog::reject);
    connect(page.grid, &DefinitionGrid::appendRequested, this, [this, &page] { onNew(page); });
    connect(page.grid, &DefinitionGrid::deleteRequested, this,
            [this, &page] { onDelete(page, QStringLiteral("\r\nSeçili kayıt silinsin mi?")); });
    connect(page.grid, &DefinitionGrid::cancelRequested, this, [this, &page] { onCancelRow(page); });
    connect(page.grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this, &page](const QModelIndex &, const QModelIndex &previous) {
                if (previous.isValid())
                    rowChanged(page, previous.row());
            });
    return widget;
}

void Tbirimler_formu::openPage(Page &page)
{
    QString error;
    if (!page.model->open(&error)) {
        Msg::error(error, this);
        return;
    }
    page.dataset->setActive(true);
    if (page.model->rowCount() > 0)
        setCurrentRow(page, 0);
}

void Tbirimler_formu::closeTables()
{
    // Rows not posted are dropped with the tables, as closing a table does.
    m_busy = true;
    for (Page &page : m_pages) {
        if (page.model)
            page.model->close();
        if (page.dataset)
            page.dataset->setActive(false);
    }
    m_busy = false;
}

void Tbirimler_formu::done(int result)
{
    closeTables();
    QDialog::done(result);
}

int Tbirimler_formu::currentRow(const Page &page) const
{
    const QModelIndex current = page.grid->currentIndex();
    if (current.isValid())
        return current.row();
    // Like a dataset, an open list always has a current row when it has any.
    return page.model->rowCount() > 0 ? 0 : -1;
}

void Tbirimler_formu::setCurrentRow(Page &page, int row)
{
    const bool wasBusy = m_busy;
    m_busy = true;
    page.grid->setCurrentIndex(page.model->index(row, 0));
    m_busy = wasBusy;
}

void Tbirimler_formu::rowChanged(Page &page, int previousRow)
{
    if (m_busy)
        return;
    // Leaving a row posts its changes; an appended row left untouched goes away.
    m_busy = true;
    QString error;
    const bool ok = page.model->leaveRow(previousRow, &error);
    m_busy = false;
    if (!ok)
        Msg::error(error, this);
}

void Tbirimler_formu::onNew(Page &page)
{
    if (!page.model->isOpen())
        return;
    page.grid->commitEdit();
    const int row = currentRow(page);
    m_busy = true;
    QString error;
    const bool ok = row < 0 || page.model->leaveRow(row, &error);
    m_busy = false;
    if (!ok) {
        Msg::error(error, this);
        return;
    }
    setCurrentRow(page, page.model->appendRow());
    page.grid->setFocus();
}

void Tbirimler_formu::onSave(Page &page)
{
    if (!page.model->isOpen())
        return;
    page.grid->commitEdit();
    int row = currentRow(page);
    // Posting on an empty list stores a new empty row.
    if (row < 0) {
        row = page.model->appendRow();
        setCurrentRow(page, row);
    }
    QString error;
    if (!page.model->post(row, &error))
        Msg::error(error, this);
}

void Tbirimler_formu::onDelete(Page &page, const QString &question)
{
    if (!page.model->isOpen())
        return;
    page.grid->commitEdit();
    if (page.model->rowCount() == 0)
        return;
    const Msg::Button answer = Msg::box(QString(), question, Msg::Kind::Warning, Msg::Buttons(Msg::Yes) | Msg::No,
                                        Msg::No, this);
    if (answer == Msg::No)
        return;
    deleteCurrent(page);
}

void Tbirimler_formu::deleteCurrent(Page &page)
{
    const int row = currentRow(page);
    if (row < 0)
        return;
    m_busy = true;
    QString error;
    const bool ok = page.model->deleteRow(row, &error);
    m_busy = false;
    if (!ok) {
        Msg::error(error, this);
        return;
    }
    if (page.model->rowCount() > 0)
        setCurrentRow(page, qMin(row, page.model->rowCount() - 1));
}

void Tbirimler_formu::onCancelRow(Page &page)
{
    const int row = currentRow(page);
    if (row < 0)
        return;
    m_busy = true;
    page.model->cancelRow(row);
    m_busy = false;
    if (page.model->rowCount() > 0 && !page.grid->currentIndex().isValid())
        setCurrentRow(page, page.model->rowCount() - 1);
}

void Tbirimler_formu::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F12) {
        reject();
        return;
    }
    // Only "Çıkış" and F12 close; Esc belongs to the grid.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

