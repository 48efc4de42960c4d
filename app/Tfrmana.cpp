#include "app/Tfrmana.h"

#include "app/Settings.h"
#include "app/Startup.h"
#include "platform/AppContext.h"

#include <QCloseEvent>
#include <QFont>

Tfrmana::Tfrmana(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmana"));
    setWindowTitle(captionFor(appContext().companyName));
    resize(1024, 700);
}

QString Tfrmana::captionFor(const QString &companyName)
{
    return QStringLiteral("Vari Roviz ") + QString::fromLatin1(kProgramVersion) + QStringLiteral(" [ Aktif Şirket: ")
        + companyName + QStringLiteral(" ]");
}

void Tfrmana::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_firstShowingDone) {
        m_firstShowingDone = true; // before the steps: they may process events
        firstShowing();
    }
}

void Tfrmana::firstShowing()
{
    Workspace::setUp(m_modules, appContext());
    writeSettingsTemplate(appContext());
}

void Tfrmana::closeEvent(QCloseEvent *event)
{
    Workspace::DB_CLOSE();
    event->accept();
}
