#include "app/login/Tiletisim_formu.h"

#include "app/Startup.h"
#include "dialogs/ModalRunner.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

Tiletisim_formu::Tiletisim_formu(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("iletisim_formu"));
    setWindowTitle(QStringLiteral("İletişim Formu"));

    auto *text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("iletisim_metni"));
    text->setAccessibleName(QStringLiteral("İletişim bilgileri"));
    text->setOpenLinks(false);
    text->setHtml(QStringLiteral(
        "<h3>DEZI + VAVERU</h3>"
        "<p>Vari Roviz %1 stok takip programı</p>"
        "<p>Destek için program yöneticinize başvurunuz.</p>"
        "<p>Sorununuzu bildirirken programın sürümünü, yaptığınız işlemi ve "
        "ekranda gördüğünüz iletiyi belirtiniz.</p>")
                     .arg(QLatin1String(kProgramVersion)));

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *close = buttons->addButton(QStringLiteral("Kapat"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("kapat"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    resize(420, 260);
}

void Tiletisim_formu::run(QWidget *parent)
{
    Tiletisim_formu window(parent);
    runModal(&window);
}
