#include "app/Tfrmana.h"

#include "app/AboutBox.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "admin/BackupReminder.h"
#include "admin/Tcikis_formu.h"
#include "admin/Tekran_kilit.h"
#include "admin/Tork_genel_ayarlar.h"
#include "modules/company/Tf_blg.h"
#include "stock/definitions/Tbirimler_formu.h"
#include "stock/definitions/Tfiyatbelirle.h"
#include "stock/definitions/Tkdv_orani_degis.h"
#include "data/DataReport.h"
#include "dialogs/Messages.h"
#include "dialogs/ModalRunner.h"
#include "dialogs/Tiletisim_formu.h"
#include "dialogs/Tucretsiz_yazilimlar_icin_bilgi.h"
#include "platform/AppContext.h"
#include "platform/ini/IniFile.h"
#include "platform/sqlite/Database.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QSqlError>
#include <QSqlQuery>
#include <QStyle>
#include <QToolBar>

namespace {

const QString kNotReady = QStringLiteral("Bu ekran henüz hazır değil.");
const QString kDesignedFont = QStringLiteral("MS Sans Serif");

QString coolbar() { return QStringLiteral("Coolbar"); }

// Starts one of the maker's programs from the program directory, or says it is missing.
void startProgram(const QString &exe)
{
    const QString path = appContext().programDir + exe;
    if (!QFileInfo::exists(path) || !QProcess::startDetached(path, {}, appContext().programDir))
        Msg::error(QStringLiteral("\r\nDosya bulunamadı.\r\n\r\n") + exe);
}

} // namespace

Tfrmana::Tfrmana(QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmana"));
    setWindowTitle(captionFor(appContext().companyName));

    m_band = new QWidget(this);
    m_band->setObjectName(QStringLiteral("CoolBar1"));
    m_band->setAutoFillBackground(true);
    auto *layout = new QHBoxLayout(m_band);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(6);
    m_menu = new QMenuBar(m_band);
    m_menu->setObjectName(QStringLiteral("MainMenu1"));
    m_menu->setNativeMenuBar(false);
    // The designed 11 points were for a narrow bitmap face; the substitute face is wider.
    QFont menuFont(kDesignedFont, 10);
    m_menu->setFont(menuFont);
    m_tools = new QToolBar(m_band);
    m_tools->setObjectName(QStringLiteral("ToolBar2"));
    m_tools->setIconSize(QSize(22, 22));
    m_tools->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    layout->addWidget(m_menu);
    layout->addWidget(m_tools);
    layout->addStretch(1);
    setCentralWidget(m_band);

    m_generalSettings = new Tork_genel_ayarlar(this);
    m_priceChooser = new Tfiyatbelirle(this);
    buildMenus();
    buildToolbar();
}

QString Tfrmana::captionFor(const QString &companyName)
{
    return QStringLiteral("Vari Roviz ") + QString::fromLatin1(kProgramVersion) + QStringLiteral(" [ Aktif Şirket: ")
        + companyName + QStringLiteral(" ]");
}

QAction *Tfrmana::addItem(QMenu *menu, const QString &name, const QString &caption, std::function<void()> run)
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(name);
    if (run) {
        connect(a, &QAction::triggered, this, [run] { run(); });
    } else {
        a->setEnabled(false);
        a->setToolTip(kNotReady);
        a->setStatusTip(kNotReady);
    }
    return a;
}

QAction *Tfrmana::action(const QString &objectName) const
{
    return findChild<QAction *>(objectName);
}

void Tfrmana::buildMenus()
{
    // "&&" in the captions below shows one "&"; a lone "&" marks the Alt key.
    QMenu *stock = m_menu->addMenu(QStringLiteral("Stok Kart İşlemleri"));
    stock->setToolTipsVisible(true);
    addItem(stock, QStringLiteral("YeniStokKarti"), QStringLiteral("Yeni Stok Kartı"));
    addItem(stock, QStringLiteral("KayitliStoklar"), QStringLiteral("Kayıtlı Stoklar && Stok Raporları"));
    addItem(stock, QStringLiteral("StokFiyatlandir"), QStringLiteral("Stok Fiyatlandır"))->setVisible(false);

    QMenu *moves = m_menu->addMenu(QStringLiteral("Stok Hareket işlemleri"));
    moves->setToolTipsVisible(true);
    addItem(moves, QStringLiteral("YeniStokHareketi"), QStringLiteral("Yeni Stok Hareketi"));
    addItem(moves, QStringLiteral("KayitliHareketler"), QStringLiteral("Kayıtlı Stok Hareketleri && Raporlar"));
    addItem(moves, QStringLiteral("TopluGirisCikis"), QStringLiteral("Toplu Stok Giriş/Çıkış"));
    addItem(moves, QStringLiteral("StokVeriAl"), QStringLiteral("Stok Veri Al && Fiyat Güncelle"));
    addItem(moves, QStringLiteral("HizliStokCikisi"), QStringLiteral("Hızlı Stok Çıkışı"))->setVisible(false);
    QMenu *transfer = moves->addMenu(QStringLiteral("Devir İşlemleri"));
    transfer->menuAction()->setObjectName(QStringLiteral("DevirIslemleri"));
    transfer->menuAction()->setVisible(false);
    addItem(transfer, QStringLiteral("DevirHareket"), QStringLiteral("Devir İşlemleri (Stok Hareketleri İçin)"));
    addItem(transfer, QStringLiteral("DevirSifirla"), QStringLiteral("Devir Bilgi Sıfırla (Stok)"));
    addItem(transfer, QStringLiteral("DevirTarihiDuzelt"), QStringLiteral("Devir Tarihini Düzelt"));

    QMenu *extra = m_menu->addMenu(QStringLiteral("Ek Modüller"));
    extra->setToolTipsVisible(true);
    addItem(extra, QStringLiteral("AdresDefteri"), QStringLiteral("Adres Defteri"));
    addItem(extra, QStringLiteral("Notlar"), QStringLiteral("Notlar"));
    addItem(extra, QStringLiteral("KurGirisi"), QStringLiteral("Kur Girişi"))->setVisible(false);
    addItem(extra, QStringLiteral("GecmisKurlar"), QStringLiteral("Geçmiş Kur Bilgileri"))->setVisible(false);

    QMenu *defs = m_menu->addMenu(QStringLiteral("Tanımlar"));
    defs->setToolTipsVisible(true);
    const auto definitions = [this](const QString &page) {
        return [this, page] { Tbirimler_formu::run(page, m_modules.tablolar, this); };
    };
    addItem(defs, QStringLiteral("Birimler"), QStringLiteral("Birimler"), definitions(QStringLiteral("BIRIM")));
    addItem(defs, QStringLiteral("Siniflar"), QStringLiteral("Sınıflar"), definitions(QStringLiteral("SINIF")));
    addItem(defs, QStringLiteral("Gruplar"), QStringLiteral("Gruplar"), definitions(QStringLiteral("GRUP")));
    addItem(defs, QStringLiteral("GenelKdvOrani"), QStringLiteral("Genel KDV Oranı"),
            [this] { Tkdv_orani_degis::run(m_modules.tablolar, this); });

    QMenu *other = m_menu->addMenu(QStringLiteral("Diğer İşlemler"));
    other->setToolTipsVisible(true);
    addItem(other, QStringLiteral("EkranKilitle"), QStringLiteral("Ekran Kilitle"), [this] { Tekran_kilit::lock(this); });

    QMenu *settings = m_menu->addMenu(QStringLiteral("Ayarlar"));
    settings->setToolTipsVisible(true);
    addItem(settings, QStringLiteral("GenelAyarlar"), QStringLiteral("Genel Ayarlar"),
            [this] { m_generalSettings->showModal(); });
    addItem(settings, QStringLiteral("FirmaBilgileri"), QStringLiteral("Firma Bilgileri"),
            [this] { Tf_blg::run(m_modules.datalar, this); });
    addItem(settings, QStringLiteral("ZeminResim"), QStringLiteral("Araç Çubuğu Zemin Resim Belirle"),
            [this] { chooseToolbarPicture(); });
    addItem(settings, QStringLiteral("FontAyarlari"), QStringLiteral("Araç Çubuğu Font Ayarları"),
            [this] { chooseToolbarFont(); });
    addItem(settings, QStringLiteral("VarsayilanAyarlar"), QStringLiteral("Varsayılan Ayarlar"),
            [this] { resetToolbarLook(); });

    QMenu *help = m_menu->addMenu(QStringLiteral("Yardım"));
    help->setToolTipsVisible(true);
    // The contact and information pages are shown without waiting.
    const auto showPage = [](QWidget *page) {
        page->show();
        page->raise();
    };
    addItem(help, QStringLiteral("IletisimFormu"), QStringLiteral("İletişim Formu"),
            [showPage] { showPage(Tiletisim_formu::instance()); });
    addItem(help, QStringLiteral("Hakkinda"), QStringLiteral("Hakkında"), [this] { showAboutBox(this); });
    addItem(help, QStringLiteral("Didudazi"), QStringLiteral("Didudazi"),
            [showPage] { showPage(Tucretsiz_yazilimlar_icin_bilgi::instance()); });
    addItem(help, QStringLiteral("DidudaziForum"), QStringLiteral("Didudazi Forum"),
            [showPage] { showPage(Tiletisim_formu::instance()); });
}

void Tfrmana::buildToolbar()
{
    struct Button
    {
        const char *name;
        const char16_t *hint;
        QStyle::StandardPixmap icon;
        const char *mirrors; // the menu item it stands for, if any
    };
    static constexpr Button kButtons[] = {
        {"btnBelgelerim", u"Belgelerim...", QStyle::SP_DirHomeIcon, nullptr},
        {"btnYeniStok", u"Yeni Stok Kartı", QStyle::SP_FileIcon, "YeniStokKarti"},
        {"btnKayitliStoklar", u"Kayıtlı Stoklar & Stok Raporları", QStyle::SP_FileDialogDetailedView, "KayitliStoklar"},
        {"btnTopluGirisCikis", u"Toplu Stok Giriş/Çıkış", QStyle::SP_BrowserReload, "TopluGirisCikis"},
        {"btnHizliCikis", u"Hızlı Stok Çıkışı", QStyle::SP_MediaSeekForward, nullptr},
        {"btnUyariSistemi", u"Uyarı sistemi sonuçları", QStyle::SP_MessageBoxWarning, nullptr},
        {"btnNotlar", u"Notlar", QStyle::SP_FileDialogContentsView, "Notlar"},
        {"btnEkranKilitle", u"Ekran Kilitle [ Ctrl + L ]", QStyle::SP_DialogNoButton, "EkranKilitle"},
        {"btnCikis", u"Çıkış", QStyle::SP_DialogCloseButton, nullptr},
    };
    for (const Button &b : kButtons) {
        QAction *a = m_tools->addAction(style()->standardIcon(b.icon), QString::fromUtf16(b.hint));
        a->setObjectName(QString::fromLatin1(b.name));
        a->setToolTip(QString::fromUtf16(b.hint));
        if (b.mirrors) {
            QAction *item = action(QString::fromLatin1(b.mirrors));
            connect(a, &QAction::triggered, item, &QAction::trigger);
            a->setEnabled(item->isEnabled());
            connect(item, &QAction::enabledChanged, a, &QAction::setEnabled);
        }
    }
    connect(action(QStringLiteral("btnBelgelerim")), &QAction::triggered, this,
            [] { startProgram(QStringLiteral("MyDocuments.exe")); });
    // The quick exit button has no action, as designed.
    connect(action(QStringLiteral("btnCikis")), &QAction::triggered, this, &QWidget::close);
    QAction *alerts = action(QStringLiteral("btnUyariSistemi"));
    alerts->setEnabled(false);
    alerts->setToolTip(alerts->toolTip() + QStringLiteral(" (") + kNotReady + u')');
}

void Tfrmana::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // The steps process events, so a second showing may arrive while they run.
    if (!m_firstShowingDone && !m_firstShowingRunning) {
        m_firstShowingRunning = true;
        firstShowing();
        m_firstShowingDone = true;
    }
}

void Tfrmana::firstShowing()
{
    setWindowTitle(captionFor(appContext().companyName));
    if (isMaximized())
        showNormal();
    // A thin bar across the top of the screen.
    if (const QScreen *screen = this->screen()) {
        const QRect avail = screen->availableGeometry();
        resize(avail.width(), sizeHint().height());
        move(avail.topLeft());
    }
    Workspace::setUp(m_modules, appContext());
    writeSettingsTemplate(appContext());
    readToolbarSettings();
    m_generalSettings->loadSettings();
    yedek_hatirlatma(this);
}

void Tfrmana::readToolbarSettings()
{
    const IniFile ini(appContext().settingsPath());
    const QString picture = ini.readString(coolbar(), QStringLiteral("Picturepath"));
    if (!picture.isEmpty() && QFileInfo::exists(picture))
        applyToolbarPicture(picture);
    const QString family = ini.readString(coolbar(), QStringLiteral("font"));
    if (!family.isEmpty())
        applyToolbarFont(family, ini.readInteger(coolbar(), QStringLiteral("size"), 8),
                         ini.readInteger(coolbar(), QStringLiteral("style"), 4));
}

void Tfrmana::applyToolbarPicture(const QString &path)
{
    const QPixmap pixmap(path);
    if (pixmap.isNull())
        return; // a picture that cannot be loaded is ignored
    m_picturePath = path;
    QPalette pal = m_band->palette();
    pal.setBrush(QPalette::Window, QBrush(pixmap));
    m_band->setPalette(pal);
    m_menu->setAutoFillBackground(false);
    m_band->update();
}

void Tfrmana::applyToolbarFont(const QString &family, int pointSize, int style)
{
    QFont f = m_menu->font();
    f.setFamily(family);
    f.setPointSize(pointSize > 0 && pointSize < 100 ? pointSize : 8);
    switch (style) {
    case 1: f.setBold(true); f.setItalic(false); break;
    case 2: f.setBold(false); f.setItalic(true); break;
    case 3: f.setBold(true); f.setItalic(true); break;
    default: break; // leaves the style as designed
    }
    m_menu->setFont(f);
    adjustSize();
}

QFont Tfrmana::toolbarFont() const
{
    return m_menu->font();
}

void Tfrmana::chooseToolbarPicture()
{
    const QString coolbarDir = appContext().programDir + QStringLiteral("Coolbar");
    QFileDialog dialog(this, QStringLiteral("Araç Çubuğu Zemin Resim Belirle"),
                       QFileInfo::exists(coolbarDir) ? coolbarDir : appContext().programDir,
                       QStringLiteral("Bitmaps (*.bmp)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    if (runModal(&dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = QFileInfo(dialog.selectedFiles().first()).absoluteFilePath();
    applyToolbarPicture(path);
    IniFile(appContext().settingsPath()).writeString(coolbar(), QStringLiteral("Picturepath"), path);
}

void Tfrmana::chooseToolbarFont()
{
    QFontDialog dialog(m_menu->font(), this);
    if (runModal(&dialog) != QDialog::Accepted)
        return;
    const QFont f = dialog.selectedFont();
    m_menu->setFont(f);
    IniFile ini(appContext().settingsPath());
    ini.writeString(coolbar(), QStringLiteral("font"), f.family());
    ini.writeString(coolbar(), QStringLiteral("size"), QString::number(f.pointSize()));
    if (f.underline() || f.strikeOut())
        return; // such combinations have no style number
    const int style = f.bold() && f.italic() ? 3 : f.bold() ? 1 : f.italic() ? 2 : 4;
    ini.writeInteger(coolbar(), QStringLiteral("style"), style);
}

void Tfrmana::resetToolbarLook()
{
    IniFile ini(appContext().settingsPath());
    ini.writeString(coolbar(), QStringLiteral("Picturepath"), QString());
    ini.writeString(coolbar(), QStringLiteral("font"), kDesignedFont);
    ini.writeString(coolbar(), QStringLiteral("size"), QStringLiteral("8"));
    ini.writeInteger(coolbar(), QStringLiteral("style"), 4);
    m_picturePath.clear();
    m_band->setPalette(QPalette());
    m_band->update();
    m_menu->setFont(QFont(kDesignedFont, 8));
}

int Tfrmana::RC_foras(const QString &table, const QString &condition) const
{
    QString sql = QStringLiteral("SELECT count(*) as RECCNT FROM ") + table + u'_' + appContext().companyCode;
    if (!condition.isEmpty())
        sql += u'\n' + condition;
    QSqlQuery q(Database::connection());
    if (!q.exec(sql) || !q.next()) {
        const QString error = q.lastError().text();
        q.finish();
        DataReport::showErrorDialog(error + QStringLiteral("\r\r\n") + sql, QStringLiteral("RC_foras"));
        return 0;
    }
    const int count = q.value(0).toInt();
    q.finish();
    return count;
}

void Tfrmana::closeEvent(QCloseEvent *event)
{
    if (!Tcikis_formu::ask(this)) {
        event->ignore(); // everything stays as it was, the connection included
        return;
    }
    Workspace::DB_CLOSE();
    event->accept();
}
