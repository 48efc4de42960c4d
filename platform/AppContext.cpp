#include "platform/AppContext.h"

#include <QCoreApplication>
#include <QDir>

void AppContext::setProgramDir(const QString &dir)
{
    programDir = QDir::cleanPath(QDir(dir).absolutePath());
    if (!programDir.endsWith(u'/'))
        programDir += u'/';
    workDir = programDir + QStringLiteral("tsfdb/");
}

AppContext &appContext()
{
    static AppContext context;
    return context;
}

QString resolveProgramDir()
{
    const QString home = qEnvironmentVariable("ZEZUZUR_HOME");
    if (!home.isEmpty())
        return home;
    return QCoreApplication::applicationDirPath();
}
