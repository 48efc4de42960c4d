#include "platform/files/ResourceWriter.h"

#include <QFile>
#include <QSaveFile>

bool writeResourceFile(const QString &path, const QString &resourceName, bool replace)
{
    if (QFile::exists(path)) {
        if (!replace || !QFile::remove(path))
            return false;
    }
    QFile res(QStringLiteral(":/") + resourceName);
    if (!res.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(res.readAll());
    return out.commit();
}
