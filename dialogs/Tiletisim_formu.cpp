#include "dialogs/Tiletisim_formu.h"

#include "dialogs/ModalRunner.h"
#include "dialogs/SharedInstance.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

QString pageHtml()
{
    const QString version = QCoreApplication::applicationVersion();
    return QStringLiteral("<h3>DEZI + VAVERU</h3>"
                          "<p>Vari Roviz %1 stok takip programı</p>"
                          "<p>Destek için program yöneticinize başvurunuz.</p>"
                          "<p>Sorununuzu bildirirken programın sürümünü, yaptığınız işlemi ve "
                          "ekranda gördüğünüz iletiyi belirtiniz.</p>")
        .arg(version.isEmpty() ? QStringLiteral("1.9.2") : version);
}

} // namespace

Tiletisim_formu::Tiletisim_formu(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("iletisim_formu"));
    setWindowTitle(QStringLiteral("Didudazi İletişim"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    WebBrowser1 = new QTextBrowser(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setAccessibleName(QStringLiteral("İletişim bilgileri"));
    WebBrowser1->setOpenLinks(false);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *close = buttons->addButton(QStringLiteral("Kapat"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("kapat"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(WebBrowser1);
    layout->addWidget(buttons);
    resize(420, 260);
}

Tiletisim_formu *Tiletisim_formu::instance()
{
    return sharedInstance<Tiletisim_formu>();
}

void Tiletisim_formu::run(QWidget *parent)
{
    Tiletisim_formu window(parent);
    runModal(&window);
}

// The page is opened afresh at every showing.
void Tiletisim_formu::showEvent(QShowEvent *event)
{
    WebBrowser1->setHtml(pageHtml());
    QDialog::showEvent(event);
}
