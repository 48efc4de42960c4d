#include "app/AboutBox.h"

#include "app/Startup.h"
#include "dialogs/Messages.h"

void showAboutBox(QWidget *parent)
{
    Msg::box(QStringLiteral("Hakkında"),
             QStringLiteral("\r\nVari Roviz ") + QLatin1String(kProgramVersion)
                 + QStringLiteral("\r\nDEZI + VAVERU\r\n\r\nKüçük işletmeler için stok kartı, stok hareketi "
                                  "ve stok raporu programı."),
             Msg::Kind::Information, Msg::Ok, Msg::NoButton, parent);
}
