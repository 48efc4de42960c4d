#include "app/login/Tsifreyigirin.h"

#include "admin/SettingsFailure.h"
#include "admin/Tgecici_dosyalar.h"
#include "app/AboutBox.h"
#include "app/Startup.h"
#include "app/login/LoginTextButton.h"
#include "dialogs/Messages.h"
#include "dialogs/ModalRunner.h"
#include "dialogs/Tiletisim_formu.h"
#include "platform/AppContext.h"
#include "platform/crypto/PasswordDigest.h"
#include "platform/ini/IniFile.h"
#include "platform/number/Formats.h"
#include "platform/widgets/BackgroundDrag.h"

#include <QApplication>
#include <QColorDialog>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QVariantAnimation>

namespace {

// The outline's extent in window coordinates; a narrow window clips it on the right.
constexpr int kOutlineLeft = 10;
constexpr int kOutlineTop = 9;
constexpr int kOutlineRight = 691;
constexpr int kOutlineBottom = 372;
constexpr int kCornerRadius = 18;
// Wider than this counts as open when the widen button is pressed.
constexpr int kWideThreshold = 470;

constexpr int kListX = 26;
constexpr int kListY = 92;
constexpr int kListWidth = 236;
constexpr int kListBottom = 298;
constexpr int kPanelHeight = 62;
constexpr int kButtonX = 276;
constexpr int kButtonWidth = 154;
constexpr int kOperationsX = 472;

const char16_t kNoCompany[] =
    u"\r\nTANIMLI HİÇBİR KULLANICI YOK...\r\n\r\nKullanıcı işlemlerini kullanarak Yeni bir kullanıcı tanımlayınız.";

void setColour(QWidget *w, QPalette::ColorRole role, const QColor &c)
{
    QPalette pal = w->palette();
    pal.setColor(role, c);
    w->setPalette(pal);
}

QColor blend(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

QLabel *makeLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

Tsifreyigirin::Tsifreyigirin(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("sifreyigirin"));
    new BackgroundDrag(this); // dragged by its background
    setWindowTitle(QStringLiteral("Kullanıcı İşlemleri"));
    // A window of its own (so it has a task bar entry) without the system frame.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    // Fixed height; the width only changes through the widen button.
    setMinimumSize(kNarrowWidth, kHeight);
    setMaximumSize(kWideWidth, kHeight);
    resize(kNarrowWidth, kHeight);

    m_colours = LoginColours::theme(1);
    buildWidgets();
    applyColours();
    layoutForWidth();

}

Tsifreyigirin::~Tsifreyigirin() = default;

void Tsifreyigirin::buildWidgets()
{
    m_title = makeLabel(QStringLiteral("baslik"), QStringLiteral("DEZI + VAVERU"), this);
    QFont titleFont = m_title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_title->setGeometry(kListX, 14, 300, 28);

    m_date = makeLabel(QStringLiteral("tarih"), QString(), this);
    m_date->setGeometry(kListX, 44, 330, 18);

    m_listCaption = makeLabel(QStringLiteral("tanimli_sirketler"), QStringLiteral("Tanımlı Şirketler"), this);
    m_listCaption->setGeometry(kListX, 72, kListWidth, 18);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("kullanicilar"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->viewport()->installEventFilter(this);
    m_listCaption->setBuddy(m_list);
    m_list->setAccessibleName(m_listCaption->text());
    connect(m_list, &QListWidget::currentRowChanged, this, [this] { onRowChanged(); });
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        QMenu *menu = buildListMenu(this);
        menu->exec(m_list->viewport()->mapToGlobal(pos));
        delete menu;
    });

    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("parolapanel"));
    m_panel->setAutoFillBackground(true);
    m_panel->setGeometry(kListX, kListBottom - kPanelHeight, kListWidth, kPanelHeight);
    m_passwordLabel = makeLabel(QStringLiteral("parolaniz"), QStringLiteral("Parolanız?"), m_panel);
    m_passwordLabel->setGeometry(10, 6, 200, 18);
    m_password = new QLineEdit(m_panel);
    m_password->setObjectName(QStringLiteral("sifre"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    m_password->setGeometry(10, 28, 180, 24);
    m_passwordLabel->setBuddy(m_password);
    m_reminder = new LoginTextButton(QStringLiteral("?"), m_panel);
    m_reminder->setObjectName(QStringLiteral("gizlisoru"));
    m_reminder->setToolTip(QStringLiteral("Gizli sorunuzu görmek için tıklayın..."));
    m_reminder->setAccessibleName(QStringLiteral("Gizli soru"));
    m_reminder->setGeometry(198, 28, 28, 24);
    connect(m_reminder, &QAbstractButton::clicked, this, &Tsifreyigirin::showReminder);

    struct ButtonDef
    {
        const char *name;
        const char16_t *text;
    };
    const ButtonDef defs[] = {
        {"giris", u"ŞİRKET GİRİŞİ"},         {"yenisirket", u"YENİ ŞİRKET OLUŞTUR"},
        {"sifredegistir", u"ŞİFRE DEĞİŞTİR"}, {"iletisim", u"İLETİŞİM FORMU"},
        {"hakkinda", u"HAKKINDA"},
    };
    int y = kListY;
    for (const ButtonDef &d : defs) {
        auto *b = new LoginTextButton(QString::fromUtf16(d.text), this);
        b->setObjectName(QLatin1String(d.name));
        b->setGeometry(kButtonX, y, kButtonWidth, 30);
        y += 40;
        m_buttons << b;
    }
    connect(m_buttons[0], &QAbstractButton::clicked, this, &Tsifreyigirin::login);
    connect(m_buttons[1], &QAbstractButton::clicked, this,
            [this] { openCompanyDialog(Tkullanici_islemleri::Page::Yeni_Kullanici); });
    connect(m_buttons[2], &QAbstractButton::clicked, this,
            [this] { openCompanyDialog(Tkullanici_islemleri::Page::Sifre_Degistir); });
    connect(m_buttons[3], &QAbstractButton::clicked, this, &Tsifreyigirin::showContact);
    connect(m_buttons[4], &QAbstractButton::clicked, this, &Tsifreyigirin::showAbout);

    m_version = makeLabel(QStringLiteral("surum"),
                          Msg::displayText(QStringLiteral("Zezuzur ") + QLatin1String(kProgramVersion)
                                           + QStringLiteral("\r\nGüncelleme : 03-07-18")),
                          this);
    m_version->setGeometry(kListX, 316, 300, 38);

    m_minimise = new LoginTextButton(QStringLiteral("_"), this);
    m_minimise->setObjectName(QStringLiteral("kucult"));
    m_minimise->setAccessibleName(QStringLiteral("Simge durumuna küçült"));
    m_minimise->setToolTip(m_minimise->accessibleName());
    connect(m_minimise, &QAbstractButton::clicked, this, &QWidget::showMinimized);
    m_close = new LoginTextButton(QStringLiteral("X"), this);
    m_close->setObjectName(QStringLiteral("kapat"));
    m_close->setAccessibleName(QStringLiteral("Kapat"));
    m_close->setToolTip(QStringLiteral("Kapat [F12]"));
    connect(m_close, &QAbstractButton::clicked, this, &Tsifreyigirin::cancel);

    m_widen = new LoginTextButton(QStringLiteral("›"), this);
    m_widen->setObjectName(QStringLiteral("genislet"));
    m_widen->setAccessibleName(QStringLiteral("Şirket işlemlerini göster"));
    m_widen->setToolTip(m_widen->accessibleName());
    connect(m_widen, &QAbstractButton::clicked, this, &Tsifreyigirin::toggleWidth);

    // The company-operations column lives in the extra width.
    m_operations = new QWidget(this);
    m_operations->setObjectName(QStringLiteral("sirketislemleri"));
    m_operations->setGeometry(kOperationsX, 72, 190, 220);
    m_operationsCaption = makeLabel(QStringLiteral("sirketislemleri_baslik"), QStringLiteral("Şirket İşlemleri"),
                                    m_operations);
    QFont bold = m_operationsCaption->font();
    bold.setBold(true);
    m_operationsCaption->setFont(bold);
    m_operationsCaption->setGeometry(0, 0, 190, 18);
    const ButtonDef ops[] = {
        {"aktifsifre", u"Aktif Şirketin Şifresini Değiştir"},
        {"aktifad", u"Aktif Şirketin Adını Değiştir"},
        {"aktifsil", u"Aktif Şirketi Fiziksel Olarak Sil"},
        {"gecicidosyalar", u"Geçici Dosyaları Sil"},
    };
    y = 24;
    for (const ButtonDef &d : ops) {
        auto *b = new LoginTextButton(QString::fromUtf16(d.text), m_operations);
        b->setObjectName(QLatin1String(d.name));
        b->setFramed(false);
        b->setGeometry(0, y, 190, 26);
        y += 30;
        m_operationItems << b;
    }
    connect(m_operationItems[0], &QAbstractButton::clicked, this,
            [this] { openCompanyDialog(Tkullanici_islemleri::Page::Sifre_Degistir); });
    connect(m_operationItems[1], &QAbstractButton::clicked, this,
            [this] { openCompanyDialog(Tkullanici_islemleri::Page::Degis); });
    connect(m_operationItems[2], &QAbstractButton::clicked, this,
            [this] { openCompanyDialog(Tkullanici_islemleri::Page::Sil); });
    connect(m_operationItems[3], &QAbstractButton::clicked, this, [this] { Tgecici_dosyalar::showDialog(this); });
    m_operations->hide();
    m_panel->hide();

    m_slide = new QVariantAnimation(this);
    connect(m_slide, &QVariantAnimation::valueChanged, this,
            [this](const QVariant &v) { resize(v.toInt(), kHeight); });
    connect(m_slide, &QVariantAnimation::finished, this, [this] {
        const bool wide = width() > kWideThreshold;
        m_operations->setVisible(wide);
        m_widen->setText(wide ? QStringLiteral("‹") : QStringLiteral("›"));
        m_widen->setAccessibleName(wide ? QStringLiteral("Şirket işlemlerini gizle")
                                        : QStringLiteral("Şirket işlemlerini göster"));
        m_widen->setToolTip(m_widen->accessibleName());
    });

    setTabOrder(m_list, m_password);
    setTabOrder(m_password, m_reminder);
    QWidget *previous = m_reminder;
    for (LoginTextButton *b : std::as_const(m_buttons)) {
        setTabOrder(previous, b);
        previous = b;
    }
    setTabOrder(previous, m_widen);
    previous = m_widen;
    for (LoginTextButton *b : std::as_const(m_operationItems)) {
        setTabOrder(previous, b);
        previous = b;
    }
    setTabOrder(previous, m_minimise);
    setTabOrder(m_minimise, m_close);
}

QRect Tsifreyigirin::contentRect() const
{
    return QRect(QPoint(kOutlineLeft, kOutlineTop), QPoint(qMin(kOutlineRight, width() - 1), kOutlineBottom));
}

void Tsifreyigirin::layoutForWidth()
{
    const QRect content = contentRect();
    const int right = content.right();
    m_close->setGeometry(right - 30, 16, 22, 20);
    m_minimise->setGeometry(right - 56, 16, 22, 20);
    m_widen->setGeometry(right - 22, 160, 16, 56);

    const bool panel = !m_panel->isHidden();
    m_list->setGeometry(kListX, kListY, kListWidth,
                        (panel ? kListBottom - kPanelHeight - 8 : kListBottom) - kListY);

    QPainterPath outline;
    outline.addRoundedRect(QRectF(content.adjusted(0, 0, 1, 1)), kCornerRadius, kCornerRadius);
    // The offscreen platform (tests, screenshots) has no window shapes.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        setMask(QRegion(outline.toFillPolygon().toPolygon()));
}

void Tsifreyigirin::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    layoutForWidth();
}

void Tsifreyigirin::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF content = QRectF(contentRect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath outline;
    outline.addRoundedRect(content, kCornerRadius, kCornerRadius);

    if (!m_picture.isNull()) {
        p.save();
        p.setClipPath(outline);
        // Fill the whole outline, cutting what does not fit rather than stretching.
        const QSize fitted = m_picture.size().scaled(contentRect().size(), Qt::KeepAspectRatioByExpanding);
        const QRect target(QPoint(contentRect().left(), contentRect().top()), fitted);
        p.drawPixmap(target, m_picture);
        p.restore();
    } else {
        const QColor base = m_colours[LoginColours::tanimlikulzemin];
        QLinearGradient gradient(content.topLeft(), content.bottomRight());
        gradient.setColorAt(0.0, blend(base, m_colours[LoginColours::pzemin], 0.35).lighter(112));
        gradient.setColorAt(1.0, base.darker(165));
        p.fillPath(outline, gradient);
    }
    p.setPen(QPen(m_colours[LoginColours::mcizgirenk], 1.5));
    p.drawPath(outline);
}

void Tsifreyigirin::showEvent(QShowEvent *event)
{
    if (!m_centred) {
        m_centred = true;
        if (QScreen *s = screen())
            move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    }
    QDialog::showEvent(event);
    qApp->installEventFilter(this);
    if (!event->spontaneous() && !m_prepared) {
        m_prepared = true;
        prepareShowing();
    }
}

void Tsifreyigirin::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous()) {
        qApp->removeEventFilter(this);
        m_prepared = false;
    }
}

void Tsifreyigirin::prepareShowing()
{
    m_entered = false;
    QString error;
    if (!CompanyList::openConnection(&error)) {
        Msg::box(QStringLiteral("Hata"),
                 QStringLiteral("Hata Oluştu ! BDE 'yi yönetici modunda kurduğunuzdan emin olunuz !\r\n\r\n") + error,
                 Msg::Kind::Error, Msg::Ok, Msg::NoButton, this);
        m_rows.clear();
        m_list->clear();
        // Closing from inside the show would leave a starting exec() waiting.
        QMetaObject::invokeMethod(this, &Tsifreyigirin::cancel, Qt::QueuedConnection);
        return;
    }

    loadColours();
    applyColours();
    m_date->setText(QStringLiteral("Bugün : ") + formatDateLong(QDate::currentDate()));

    if (!CompanyList::ensureTable()) {
        Msg::warning(QStringLiteral("Kullanıcı dosyası blunamadı."), this);
        m_rows.clear();
        m_list->clear();
        onRowChanged();
        return;
    }
    reloadCompanies(-1);
}

void Tsifreyigirin::loadColours()
{
    m_colours = LoginColours::theme(1);
    const IniFile ini(appContext().settingsPath());
    if (ini.exists())
        m_colours.read(ini);
    const QString path = loginPicturePath(appContext().programDir, m_colours.picture);
    m_picture = (!path.isEmpty() && QFile::exists(path)) ? QPixmap(path) : QPixmap();
}

void Tsifreyigirin::applyColours()
{
    const LoginColours &c = m_colours;
    const auto buttons = findChildren<LoginTextButton *>();
    for (LoginTextButton *b : buttons)
        b->setColours(c[LoginColours::mcizgirenk], c[LoginColours::myazirenk], c[LoginColours::myazirenkuzerinde]);
    m_reminder->setColours(c[LoginColours::mcizgirenk], c[LoginColours::petiket], c[LoginColours::petiket]);

    for (QLabel *label : {m_title, m_date, m_version, m_listCaption, m_operationsCaption})
        setColour(label, QPalette::WindowText, c[LoginColours::digeretiketrenk]);

    setColour(m_panel, QPalette::Window, c[LoginColours::pzemin]);
    setColour(m_passwordLabel, QPalette::WindowText, c[LoginColours::petiket]);
    setColour(m_password, QPalette::Base, c[LoginColours::peditcolor]);

    QPalette list = m_list->palette();
    list.setColor(QPalette::Base, c[LoginColours::tanimlikulzemin]);
    list.setColor(QPalette::Text, c[LoginColours::tanimlikulyazi]);
    // The selected row is shown in the list's colours swapped, so it reads in every theme.
    list.setColor(QPalette::Highlight, c[LoginColours::tanimlikulyazi]);
    list.setColor(QPalette::HighlightedText, c[LoginColours::tanimlikulzemin]);
    m_list->setPalette(list);
    update();
}

void Tsifreyigirin::saveColours(bool withPicture)
{
    IniFile ini(appContext().settingsPath());
    // The colours stay applied for this showing; the user must learn they were not kept.
    if (!m_colours.write(ini, withPicture))
        reportSettingsWriteFailure(ini.path(), this);
}

void Tsifreyigirin::applyTheme(int n)
{
    m_colours = LoginColours::theme(n);
    const QString path = loginPicturePath(appContext().programDir, m_colours.picture);
    m_picture = QFile::exists(path) ? QPixmap(path) : QPixmap();
    applyColours();
    saveColours(true);
}

void Tsifreyigirin::chooseColour(LoginColours::Role role)
{
    QColorDialog dialog(m_colours[role], this);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setWindowTitle(LoginColours::menuCaption(role));
    // Offer the colours of the themes as the custom colours.
    int slot = 0;
    for (int n = 1; n <= LoginColours::kThemeCount && slot < QColorDialog::customCount(); ++n) {
        const LoginColours theme = LoginColours::theme(n);
        for (const QColor &colour : theme.colour) {
            bool known = false;
            for (int i = 0; i < slot; ++i)
                known = known || QColorDialog::customColor(i) == colour;
            if (!known && slot < QColorDialog::customCount())
                QColorDialog::setCustomColor(slot++, colour);
        }
    }
    if (runModal(&dialog) != QDialog::Accepted)
        return;
    const QColor chosen = dialog.selectedColor().isValid() ? dialog.selectedColor() : dialog.currentColor();
    m_colours[role] = chosen;
    applyColours();
    saveColours(false);
}

QMenu *Tsifreyigirin::buildColourMenu(QWidget *parent)
{
    auto *menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("renkmenusu"));
    const auto heading = [menu](const QString &text) { menu->addAction(text)->setEnabled(false); };
    const auto colourItem = [this, menu](LoginColours::Role role) {
        connect(menu->addAction(LoginColours::menuCaption(role)), &QAction::triggered, this,
                [this, role] { chooseColour(role); });
    };
    heading(QStringLiteral("--- Menü ---"));
    colourItem(LoginColours::mcizgirenk);
    colourItem(LoginColours::myazirenk);
    colourItem(LoginColours::myazirenkuzerinde);
    heading(QStringLiteral("--- Parola Formu ---"));
    colourItem(LoginColours::pzemin);
    colourItem(LoginColours::petiket);
    colourItem(LoginColours::peditcolor);
    heading(QStringLiteral("--- Kullanıcı Listesi ---"));
    colourItem(LoginColours::tanimlikulyazi);
    colourItem(LoginColours::tanimlikulzemin);
    menu->addSeparator();
    colourItem(LoginColours::digeretiketrenk);
    menu->addSeparator();
    connect(menu->addAction(QStringLiteral("Varsayılan Renk Ayarları")), &QAction::triggered, this,
            [this] { applyTheme(1); });
    menu->addSeparator();
    for (int n = 1; n <= LoginColours::kThemeCount; ++n)
        connect(menu->addAction(QStringLiteral("R%1").arg(n)), &QAction::triggered, this, [this, n] { applyTheme(n); });
    return menu;
}

QMenu *Tsifreyigirin::buildListMenu(QWidget *parent)
{
    auto *menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("listemenusu"));
    connect(menu->addAction(QStringLiteral("Hakkında")), &QAction::triggered, this, &Tsifreyigirin::showAbout);
    connect(menu->addAction(QStringLiteral("İletişim Formu")), &QAction::triggered, this, &Tsifreyigirin::showContact);
    return menu;
}

void Tsifreyigirin::reloadCompanies(qint64 keepRowId)
{
    m_rows = CompanyList::load();
    {
        const QSignalBlocker block(m_list);
        m_list->clear();
        int current = 0;
        for (qsizetype i = 0; i < m_rows.size(); ++i) {
            m_list->addItem(CompanyList::displayText(m_rows[i], appContext().showCompanyNumbers));
            if (m_rows[i].rowId == keepRowId)
                current = int(i);
        }
        if (!m_rows.isEmpty())
            m_list->setCurrentRow(current);
    }
    onRowChanged();
}

const CompanyRow *Tsifreyigirin::currentCompany() const
{
    if (m_rows.isEmpty())
        return nullptr;
    const int row = m_list->currentRow();
    // A list with rows always has a current one, as a table has a current record.
    return &m_rows[row >= 0 && row < m_rows.size() ? row : 0];
}

void Tsifreyigirin::onRowChanged()
{
    m_password->clear();
    const CompanyRow *row = currentCompany();
    m_reminder->setEnabled(row && !row->GSORU.trimmed().isEmpty());
    const bool asks = row && row->S_SOR;
    m_panel->setVisible(asks);
    layoutForWidth();
    if (!isVisible())
        return;
    if (asks)
        m_password->setFocus();
    else
        m_list->setFocus();
}

bool Tsifreyigirin::hasCompanies()
{
    if (!m_rows.isEmpty())
        return true;
    Msg::box(QStringLiteral("Dikkat"), QString::fromUtf16(kNoCompany), Msg::Kind::Warning, Msg::Ok, Msg::NoButton,
             this);
    return false;
}

void Tsifreyigirin::login()
{
    if (!hasCompanies())
        return;
    const CompanyRow row = *currentCompany();
    const QString digest = passwordDigest(m_password->text());
    if (digest != row.SIFRE && digest != row.SIFRE2) {
        Msg::error(QStringLiteral("\r\nHatalı Parola girişi yaptınız."), this);
        m_password->clear();
        m_password->setFocus();
        return;
    }
    AppContext &ctx = appContext();
    ctx.companyCode = row.KOD;
    ctx.companyName = row.AD;
    // Only the first password gives the screen lock something to compare with.
    ctx.companyDigest = digest == row.SIFRE ? row.SIFRE : QString();
    if (!CompanyList::recordLogin(row.rowId, QDateTime::currentDateTime()))
        qWarning("Login time could not be recorded for company %s", qPrintable(row.KOD));
    m_entered = true;
    accept();
}

void Tsifreyigirin::cancel()
{
    m_entered = false;
    reject();
}

void Tsifreyigirin::showReminder()
{
    if (!hasCompanies())
        return;
    Msg::box(QStringLiteral("Gizlis Sorunuz"), currentCompany()->GSORU, Msg::Kind::Information, Msg::Ok,
             Msg::NoButton, this);
}

void Tsifreyigirin::openCompanyDialog(Tkullanici_islemleri::Page page)
{
    if (page != Tkullanici_islemleri::Page::Yeni_Kullanici && !hasCompanies())
        return;
    const CompanyRow *current = currentCompany();
    const CompanyRow selected = current ? *current : CompanyRow{};
    Tkullanici_islemleri::run(page, selected, this);
    // Whatever the dialog did (or refused), the list shows the file as it is now.
    reloadCompanies(selected.rowId);
}

void Tsifreyigirin::toggleWidth()
{
    m_slide->stop();
    const int target = width() > kWideThreshold ? kNarrowWidth : kWideWidth;
    if (target == kWideWidth)
        m_operations->show();
    m_slide->setStartValue(width());
    m_slide->setEndValue(target);
    m_slide->setDuration(qAbs(target - width())); // about a pixel per millisecond
    m_slide->start();
}

void Tsifreyigirin::showAbout()
{
    showAboutBox(this);
}

void Tsifreyigirin::showContact()
{
    Tiletisim_formu::run(this);
}

void Tsifreyigirin::closeEvent(QCloseEvent *event)
{
    m_entered = false;
    QDialog::closeEvent(event);
}

void Tsifreyigirin::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = buildColourMenu(this);
    menu->exec(event->globalPos());
    delete menu;
}

bool Tsifreyigirin::eventFilter(QObject *watched, QEvent *event)
{
    // The window sees its keys before any of its controls does.
    if (event->type() == QEvent::KeyPress) {
        auto *w = qobject_cast<QWidget *>(watched);
        if (w && w->window() == this) {
            switch (static_cast<QKeyEvent *>(event)->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                login();
                return true;
            case Qt::Key_F12:
                cancel();
                return true;
            case Qt::Key_Escape:
                return true; // only the close button and F12 cancel the login
            default:
                break;
            }
        }
        return false;
    }
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonRelease && !m_panel->isHidden())
        m_password->setFocus();
    return QDialog::eventFilter(watched, event);
}
