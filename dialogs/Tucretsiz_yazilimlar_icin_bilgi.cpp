#include "dialogs/Tucretsiz_yazilimlar_icin_bilgi.h"

#include "dialogs/ModalRunner.h"
#include "dialogs/SharedInstance.h"

#include <QCoreApplication>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

QString pageHtml()
{
    const QString version = QCoreApplication::applicationVersion();
    return QStringLiteral(
               "<h3>DEZI + VAVERU</h3>"
               "<p><b>Vari Roviz %1</b> stok takip programı ücretsiz olarak kullanılabilir ve dağıtılabilir.</p>"
               "<p>Program; stok kartlarını, stok giriş ve çıkışlarını, toplu hareketleri, stok raporlarını, "
               "notları ve adres defterini şirket bazında tutar. Bakiyeler her ekranda hareketlerden yeniden "
               "hesaplanır.</p>"
               "<p>Verileriniz programın bulunduğu klasördeki <b>dbs</b> dizininde saklanır. Bu dizinin düzenli "
               "olarak yedeğini almanız önerilir; program yedek almaz, yalnızca hatırlatır.</p>"
               "<p>Program herhangi bir garanti verilmeden sunulmaktadır.</p>")
        .arg(version.isEmpty() ? QStringLiteral("1.9.2") : version);
}

} // namespace

Tucretsiz_yazilimlar_icin_bilgi::Tucretsiz_yazilimlar_icin_bilgi(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ucretsiz_yazilimlar_icin_bilgi"));
    setWindowTitle(QStringLiteral("Bilgi:"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    WebBrowser1 = new QTextBrowser(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setAccessibleName(QStringLiteral("Bilgi"));
    WebBrowser1->setOpenLinks(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(WebBrowser1);
    resize(460, 300);
}

Tucretsiz_yazilimlar_icin_bilgi *Tucretsiz_yazilimlar_icin_bilgi::instance()
{
    return sharedInstance<Tucretsiz_yazilimlar_icin_bilgi>();
}

void Tucretsiz_yazilimlar_icin_bilgi::run(QWidget *parent)
{
    Tucretsiz_yazilimlar_icin_bilgi window(parent);
    window.WebBrowser1->setHtml(pageHtml());
    runModal(&window);
}

// The page is opened afresh at every showing.
void Tucretsiz_yazilimlar_icin_bilgi::showEvent(QShowEvent *event)
{
    WebBrowser1->setHtml(pageHtml());
    QDialog::showEvent(event);
}
