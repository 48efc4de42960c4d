#include "platform/widgets/GridLayoutStore.h"

#include "platform/ini/IniFile.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QTableView>

#include <algorithm>

namespace GridLayoutStore {

namespace {

const QString kSeparator = QStringLiteral(";;");

QString columnKey(const QAbstractItemModel &model, int column)
{
    const QString name = model.headerData(column, Qt::Horizontal, Qt::UserRole).toString();
    return name.isEmpty() ? QStringLiteral("Kolon%1").arg(column) : name;
}

} // namespace

bool save(const QTableView &view, const QString &iniPath, const QString &section)
{
    const QAbstractItemModel *model = view.model();
    if (!model)
        return false;
    const QHeaderView *header = view.horizontalHeader();
    IniFile ini(iniPath);
    if (!ini.eraseSection(section) && ini.exists())
        return false;
    for (int c = 0; c < model->columnCount(); ++c) {
        const QString title = model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        const QString entry = QString::number(header->visualIndex(c)) + kSeparator
            + QString::number(header->sectionSize(c)) + kSeparator + title + kSeparator
            + (header->isSectionHidden(c) ? QStringLiteral("1") : QStringLiteral("0"));
        if (!ini.writeString(section, columnKey(*model, c), entry))
            return false;
    }
    return true;
}

void restore(QTableView &view, const QString &iniPath, const QString &section)
{
    QAbstractItemModel *model = view.model();
    const IniFile ini(iniPath);
    if (!model || !ini.exists())
        return;
    const auto entries = ini.readSectionValues(section);
    if (entries.isEmpty())
        return;
    QHeaderView *header = view.horizontalHeader();
    struct Placement
    {
        int column;
        int visual;
    };
    QList<Placement> placements;
    for (int c = 0; c < model->columnCount(); ++c) {
        const QString key = columnKey(*model, c);
        const auto it = std::find_if(entries.begin(), entries.end(), [&](const auto &kv) {
            return kv.first.compare(key, Qt::CaseInsensitive) == 0;
        });
        if (it == entries.end())
            continue;
        const QStringList parts = it->second.split(kSeparator);
        bool okPos = false, okWidth = false;
        const int visual = parts.value(0).toInt(&okPos);
        const int width = parts.value(1).toInt(&okWidth);
        if (okWidth && width > 0 && width < 5000)
            header->resizeSection(c, width);
        if (parts.size() > 2 && !parts[2].isEmpty())
            model->setHeaderData(c, Qt::Horizontal, parts[2], Qt::DisplayRole);
        header->setSectionHidden(c, parts.value(3) == u"1");
        if (okPos)
            placements.append({c, visual});
    }
    std::sort(placements.begin(), placements.end(), [](const Placement &a, const Placement &b) { return a.visual < b.visual; });
    for (const Placement &p : placements) {
        const int target = qBound(0, p.visual, model->columnCount() - 1);
        header->moveSection(header->visualIndex(p.column), target);
    }
}

} // namespace GridLayoutStore
