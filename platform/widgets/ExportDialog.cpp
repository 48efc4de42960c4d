#include "platform/widgets/ExportDialog.h"

#include "platform/AppContext.h"
#include "platform/ini/IniFile.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kSection = QStringLiteral("EXPORT");
const QString kKey = QStringLiteral("sonklasor");

QString suffixed(QString path, Export::Format format)
{
    const QString suffix = Export::fileSuffix(format);
    if (QFileInfo(path).suffix().compare(suffix, Qt::CaseInsensitive) != 0)
        path += u'.' + suffix;
    return path;
}

} // namespace

ExportDialog::ExportDialog(Report::RowSet rows, QWidget *parent) : QDialog(parent), m_rows(std::move(rows))
{
    build();
}

ExportDialog::ExportDialog(QAbstractItemModel *model, QWidget *parent)
    : QDialog(parent), m_rows(Report::RowSet::fromModel(model))
{
    build();
}

ExportDialog::ExportDialog(QTableView *view, QWidget *parent)
    : QDialog(parent), m_rows(Report::RowSet::fromModel(view->model()))
{
    build();
    followGrid(view);
}

void ExportDialog::followGrid(const QTableView *view)
{
    const QHeaderView *header = view->horizontalHeader();
    QList<QListWidgetItem *> shown, hidden;
    while (m_columns->count() > 0) {
        QListWidgetItem *item = m_columns->takeItem(0);
        const int column = item->data(Qt::UserRole).toInt();
        const bool isHidden = view->isColumnHidden(column);
        item->setCheckState(isHidden ? Qt::Unchecked : Qt::Checked);
        (isHidden ? hidden : shown).append(item);
    }
    std::stable_sort(shown.begin(), shown.end(), [header](QListWidgetItem *a, QListWidgetItem *b) {
        return header->visualIndex(a->data(Qt::UserRole).toInt()) < header->visualIndex(b->data(Qt::UserRole).toInt());
    });
    for (QListWidgetItem *item : shown + hidden)
        m_columns->addItem(item);
}

void ExportDialog::build()
{
    setObjectName(QStringLiteral("EXPORTX"));
    setWindowTitle(QStringLiteral("Dışa Aktar"));

    auto *formatBox = new QGroupBox(QStringLiteral("Biçim"), this);
    auto *formatLayout = new QVBoxLayout(formatBox);
    for (Export::Format f : Export::formats()) {
        auto *b = new QRadioButton(Export::formatName(f), formatBox);
        b->setObjectName(QStringLiteral("format_") + Export::fileSuffix(f));
        formatLayout->addWidget(b);
        m_formatButtons.append({f, b});
        connect(b, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                formatChanged();
        });
    }
    formatLayout->addStretch(1);

    auto *columnBox = new QGroupBox(QStringLiteral("Sütunlar"), this);
    m_columns = new QListWidget(columnBox);
    m_columns->setObjectName(QStringLiteral("columnList"));
    m_columns->setAccessibleName(QStringLiteral("Sütunlar"));
    m_columns->setDragDropMode(QAbstractItemView::InternalMove);
    for (int c = 0; c < m_rows.columnCount(); ++c) {
        auto *item = new QListWidgetItem(m_rows.captions().value(c), m_columns);
        item->setData(Qt::UserRole, c);
        item->setFlags((item->flags() | Qt::ItemIsUserCheckable) & ~Qt::ItemIsDropEnabled);
        item->setCheckState(Qt::Checked);
    }
    auto *up = new QPushButton(QStringLiteral("Yukarı"), columnBox);
    up->setObjectName(QStringLiteral("upButton"));
    auto *down = new QPushButton(QStringLiteral("Aşağı"), columnBox);
    down->setObjectName(QStringLiteral("downButton"));
    auto *all = new QPushButton(QStringLiteral("Tümünü Seç"), columnBox);
    all->setObjectName(QStringLiteral("allButton"));
    auto *none = new QPushButton(QStringLiteral("Hiçbirini Seçme"), columnBox);
    none->setObjectName(QStringLiteral("noneButton"));
    auto *columnButtons = new QVBoxLayout;
    for (QPushButton *b : {up, down, all, none})
        columnButtons->addWidget(b);
    columnButtons->addStretch(1);
    auto *columnLayout = new QHBoxLayout(columnBox);
    columnLayout->addWidget(m_columns, 1);
    columnLayout->addLayout(columnButtons);
    connect(up, &QPushButton::clicked, this, [this] { moveCurrent(-1); });
    connect(down, &QPushButton::clicked, this, [this] { moveCurrent(1); });
    connect(all, &QPushButton::clicked, this, [this] { setAllChecked(true); });
    connect(none, &QPushButton::clicked, this, [this] { setAllChecked(false); });

    m_title = new QLineEdit(this);
    m_title->setObjectName(QStringLiteral("titleEdit"));
    m_title->setText(QStringLiteral("EXPORT_TABLE"));
    m_file = new QLineEdit(this);
    m_file->setObjectName(QStringLiteral("fileEdit"));
    auto *browseButton = new QPushButton(QStringLiteral("Gözat..."), this);
    browseButton->setObjectName(QStringLiteral("browseButton"));
    connect(browseButton, &QPushButton::clicked, this, &ExportDialog::browse);
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(m_file, 1);
    fileRow->addWidget(browseButton);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Başlık"), m_title);
    form->addRow(QStringLiteral("&Dosya Adı"), fileRow);
    // A row whose field is a layout ties its label to nothing; tie it to the edit.
    if (auto *label = qobject_cast<QLabel *>(form->labelForField(fileRow)))
        label->setBuddy(m_file);
    m_file->setAccessibleName(QStringLiteral("Dosya Adı"));

    m_open = new QCheckBox(QStringLiteral("Dışa aktardıktan sonra dosyayı aç"), this);
    m_open->setObjectName(QStringLiteral("openCheck"));

    m_error = new QLabel(this);
    m_error->setObjectName(QStringLiteral("errorLabel"));
    m_error->setStyleSheet(QStringLiteral("color: #b00000;"));
    m_error->setWordWrap(true);
    m_error->hide();

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("Dışa Aktar"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("exportButton"));
    ok->setDefault(true);
    QPushButton *cancel = buttons->addButton(QStringLiteral("Vazgeç"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ExportDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ExportDialog::reject);

    auto *top = new QHBoxLayout;
    top->addWidget(formatBox);
    top->addWidget(columnBox, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(form);
    layout->addWidget(m_open);
    layout->addWidget(m_error);
    layout->addWidget(buttons);

    setTabOrder(m_formatButtons.last().second, m_columns);
    setTabOrder(m_columns, up);
    setTabOrder(up, down);
    setTabOrder(down, all);
    setTabOrder(all, none);
    setTabOrder(none, m_title);
    setTabOrder(m_title, m_file);
    setTabOrder(m_file, browseButton);
    setTabOrder(browseButton, m_open);

    m_formatButtons.first().second->setChecked(true);
    setBaseName(QStringLiteral("EXPORT_TABLE"));
    resize(620, 460);
}

Export::Format ExportDialog::format() const
{
    for (const auto &[f, b] : m_formatButtons) {
        if (b->isChecked())
            return f;
    }
    return Export::Format::Xlsx;
}

void ExportDialog::setFormat(Export::Format format)
{
    for (const auto &[f, b] : m_formatButtons) {
        if (f == format)
            b->setChecked(true);
    }
}

void ExportDialog::formatChanged()
{
    if (!m_file)
        return;
    // Follow the format with the file's suffix when it is one of ours.
    QString path = m_file->text().trimmed();
    const QFileInfo info(path);
    for (Export::Format f : Export::formats()) {
        if (info.suffix().compare(Export::fileSuffix(f), Qt::CaseInsensitive) == 0) {
            path.chop(info.suffix().size() + 1);
            break;
        }
    }
    if (!path.isEmpty())
        m_file->setText(suffixed(path, format()));
}

QList<int> ExportDialog::chosenColumns() const
{
    QList<int> out;
    for (int i = 0; i < m_columns->count(); ++i) {
        const QListWidgetItem *item = m_columns->item(i);
        if (item->checkState() == Qt::Checked)
            out.append(item->data(Qt::UserRole).toInt());
    }
    return out;
}

void ExportDialog::setColumnChecked(int column, bool checked)
{
    for (int i = 0; i < m_columns->count(); ++i) {
        QListWidgetItem *item = m_columns->item(i);
        if (item->data(Qt::UserRole).toInt() == column)
            item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
}

void ExportDialog::moveColumn(int from, int to)
{
    if (from < 0 || from >= m_columns->count() || to < 0 || to >= m_columns->count() || from == to)
        return;
    QListWidgetItem *item = m_columns->takeItem(from);
    m_columns->insertItem(to, item);
    m_columns->setCurrentItem(item);
}

void ExportDialog::moveCurrent(int delta)
{
    const int row = m_columns->currentRow();
    if (row >= 0)
        moveColumn(row, row + delta);
}

void ExportDialog::setAllChecked(bool checked)
{
    for (int i = 0; i < m_columns->count(); ++i)
        m_columns->item(i)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

QString ExportDialog::title() const
{
    return m_title->text().trimmed();
}

void ExportDialog::setTitle(const QString &title)
{
    m_title->setText(title);
}

QString ExportDialog::fileName() const
{
    const QString text = m_file->text().trimmed();
    if (text.isEmpty())
        return {};
    QString path = QDir::fromNativeSeparators(text);
    if (QFileInfo(path).isRelative())
        path = QDir(lastFolder()).filePath(path);
    return suffixed(path, format());
}

void ExportDialog::setFileName(const QString &path)
{
    m_file->setText(QDir::toNativeSeparators(path));
}

void ExportDialog::setBaseName(const QString &baseName)
{
    setFileName(suffixed(QDir(lastFolder()).filePath(baseName), format()));
}

QString ExportDialog::errorText() const
{
    return m_error->isVisible() || !m_error->text().isEmpty() ? m_error->text() : QString();
}

void ExportDialog::showError(const QString &text)
{
    m_error->setText(text);
    m_error->setVisible(!text.isEmpty());
}

void ExportDialog::browse()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Dosya Adı"), fileName(),
                                                      Export::fileFilter(format()));
    if (!path.isEmpty())
        setFileName(suffixed(path, format()));
}

bool ExportDialog::exportNow()
{
    showError({});
    const QList<int> columns = chosenColumns();
    if (columns.isEmpty()) {
        showError(QStringLiteral("En az bir sütun seçiniz."));
        return false;
    }
    const QString path = fileName();
    if (path.isEmpty()) {
        showError(QStringLiteral("Dosya adını yazınız."));
        m_file->setFocus();
        return false;
    }
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir()) {
        showError(QStringLiteral("Klasör bulunamadı: ") + QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
        return false;
    }
    Export::Options options;
    options.columns = columns;
    options.title = title().isEmpty() ? QStringLiteral("EXPORT_TABLE") : title();
    QString error;
    if (!Export::write(format(), m_rows, options, path, &error)) {
        showError(QStringLiteral("Dosya yazılamadı: ") + error);
        return false;
    }
    rememberFolder(QFileInfo(path).absolutePath());
    if (m_open->isChecked())
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    return true;
}

void ExportDialog::accept()
{
    if (exportNow())
        QDialog::accept();
}

QString ExportDialog::lastFolder()
{
    const AppContext &ctx = appContext();
    QString folder;
    if (!ctx.programDir.isEmpty())
        folder = IniFile(ctx.settingsPath()).readString(kSection, kKey);
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

void ExportDialog::rememberFolder(const QString &folder)
{
    const AppContext &ctx = appContext();
    // Only into an existing settings file: creating it here would stop the
    // main window from writing the full settings template later.
    IniFile ini(ctx.programDir.isEmpty() ? QString() : ctx.settingsPath());
    if (!ctx.programDir.isEmpty() && ini.exists())
        ini.writeString(kSection, kKey, QDir::toNativeSeparators(folder));
}
