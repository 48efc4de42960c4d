#include "app/Startup.h"

#include "app/Settings.h"
#include "app/Tfrm_acilis.h"
#include "app/Tfrmana.h"
#include "app/login/Tsifreyigirin.h"
#include "data/DataReport.h"
#include "data/TDATALAR.h"
#include "data/TDATAMOD_TMP.h"
#include "data/TDATA_TABLOLAR.h"
#include "data/TableCatalogue.h"
#include "dialogs/InstallErrorForm.h"
#include "dialogs/Messages.h"
#include "dialogs/ModalRunner.h"
#include "platform/AppContext.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QLockFile>
#include <QProxyStyle>
#include <QTranslator>

namespace {

// Hints appear almost at once, as the program's users are used to.
class HintStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return 20;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

void installErrorReporters()
{
    DataReport::setErrorBox([](const QString &caption, const QString &text) {
        Msg::box(caption, text, Msg::Kind::Error);
    });
    installErrorForm();
}

} // namespace

bool acquireSingleInstance(QLockFile &lock)
{
    lock.setStaleLockTime(0); // only a live owner counts
    if (lock.tryLock(0))
        return true;
    if (lock.error() == QLockFile::LockFailedError && lock.removeStaleLockFile() && lock.tryLock(0))
        return true;
    qint64 pid = 0;
    QString host, application;
    if (lock.error() != QLockFile::LockFailedError || !lock.getLockInfo(&pid, &host, &application)) {
        // Not another copy: the program folder cannot take the lock file at all.
        Msg::error(QStringLiteral("\r\nProgram klasörüne yazılamıyor.\r\n\r\n") + lock.fileName());
        return false;
    }
    Msg::warning(QStringLiteral("\r\nDezi + Vaveru Programı Aktif.\r\n\r\nYeniden Çalıştırılamaz."));
    return false;
}

int runProgram(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zezuzur"));
    QApplication::setApplicationVersion(QString::fromLatin1(kProgramVersion));
    QApplication::setStyle(new HintStyle);
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Turkish), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);
    return runSession();
}

int runSession()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    AppContext &ctx = appContext();
    ctx.setProgramDir(resolveProgramDir());
    QDir().mkpath(ctx.programDir);

    QLockFile lock(ctx.programDir + QStringLiteral("DE5.lock"));
    if (!acquireSingleInstance(lock))
        return 0;

    readStartupSettings(ctx);
    QDir().mkpath(ctx.workDir);
    QString templateError;
    TableCatalogue::ensureTemplateSet(ctx.templateDir(), &templateError);
    installErrorReporters();

    // Owns the connection for the whole run, so it lives until the end.
    Tsifreyigirin login;
    runModal(&login);
    if (!login.klnc_SDR())
        return 0;

    Tfrm_acilis splash;
    splash.show();
    splash.repaint();
    Msg::setApplicationTitle(QStringLiteral("DEZI + VAVERU"));

    Tfrmana mainWindow;
    splash.advance();
    DataModules modules;
    TDATALAR datalar;
    splash.advance();
    TDATA_TABLOLAR tablolar;
    splash.advance();
    TDATAMOD_TMP tmp;
    splash.advance();
    modules = {&datalar, &tablolar, &tmp};
    mainWindow.setDataModules(modules);
    splash.close();

    mainWindow.show();
    return QApplication::exec();
}
