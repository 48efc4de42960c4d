#include "admin/TemporaryTables.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace TemporaryTables {

namespace {

void findIn(const QString &directory, QStringList *found)
{
    const QDir dir(directory);
    const QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo &file : files)
        if (isTemporaryTableName(file.fileName()))
            found->append(QDir::toNativeSeparators(file.absoluteFilePath()));
    // A link back up the tree would never end, and one elsewhere leads outside
    // the program directory.
    const QFileInfoList subdirs =
        dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System | QDir::NoSymLinks, QDir::Name);
    for (const QFileInfo &sub : subdirs)
        findIn(sub.absoluteFilePath(), found);
}

} // namespace

bool isTemporaryTableName(const QString &fileName)
{
    // The engine ran on a file system that ignores case; tables copied from
    // there keep whatever case they had.
    return fileName.size() >= 6 && fileName.startsWith(QLatin1String("_QS"), Qt::CaseInsensitive)
        && fileName.endsWith(QLatin1String(".db"), Qt::CaseInsensitive);
}

QStringList find(const QString &directory)
{
    QStringList found;
    findIn(directory, &found);
    return found;
}

bool remove(const QString &path)
{
    const QString file = QDir::fromNativeSeparators(path);
    const QFileInfo info(file);
    if (!info.exists() && !info.isSymLink())
        return true;
    if (info.isDir() && !info.isSymLink())
        return false;
    return QFile::remove(file);
}

} // namespace TemporaryTables
