#include "app/company/Tkullanici_islemleri.h"

#include "data/CompanyFiles.h"
#include "dialogs/Messages.h"
#include "dialogs/ModalRunner.h"
#include "platform/AppContext.h"
#include "platform/crypto/PasswordDigest.h"
#include "platform/sqlite/Database.h"
#include "platform/text/TurkishText.h"
#include "platform/widgets/BackgroundDrag.h"
#include "platform/widgets/CharFilter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QTime>
#include <QVBoxLayout>

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QLineEdit *makeField(const QString &name, int maxLength, bool password, const QString &hint = {})
{
    auto *edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    if (password) {
        edit->setEchoMode(QLineEdit::Password);
        edit->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }")); // "*"
    }
    if (!hint.isEmpty())
        edit->setToolTip(hint);
    CharFilter::freeText(edit);
    return edit;
}

QLabel *makeLabel(const QString &text, const QString &name = {})
{
    auto *label = new QLabel(text);
    label->setWordWrap(true);
    if (!name.isEmpty())
        label->setObjectName(name);
    return label;
}

QWidget *makePage(const QString &name)
{
    auto *page = new QWidget;
    page->setObjectName(name);
    return page;
}

QProgressBar *makeProgress(const QString &name)
{
    auto *bar = new QProgressBar;
    bar->setObjectName(name);
    bar->setTextVisible(false);
    bar->hide();
    return bar;
}

// The SQLite side files that come and go with a company file.
const QStringList &sideSuffixes()
{
    static const QStringList suffixes = {QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")};
    return suffixes;
}

// The connection must not hold a company file while it is removed: detach
// every schema that lives in one of the files.
bool detachFiles(const QStringList &files)
{
    QSqlDatabase db = Database::connection();
    if (!db.isOpen())
        return true;
    QSet<QString> targets;
    for (const QString &f : files)
        targets.insert(QFileInfo(f).canonicalFilePath());
    QStringList schemas;
    {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("PRAGMA database_list")))
            return false;
        while (q.next()) {
            const QString file = q.value(2).toString();
            if (!file.isEmpty() && targets.contains(QFileInfo(file).canonicalFilePath()))
                schemas << q.value(1).toString();
        }
    }
    for (const QString &schema : schemas)
        if (!Database::detach(db, schema))
            return false;
    return true;
}

} // namespace

Tkullanici_islemleri::Tkullanici_islemleri(Page page, const CompanyRow &selected, QWidget *parent)
    : QDialog(parent), m_row(selected), m_AKTIFKNO(selected.KOD)
{
    setObjectName(QStringLiteral("kullanici_islemleri"));
    new BackgroundDrag(this); // dragged by its background
    setWindowTitle(QStringLiteral("Kullanıcı İşlemleri"));

    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("sayfalar"));
    m_pages->addWidget(buildCreatePage());
    m_pages->addWidget(buildPasswordPage());
    m_pages->addWidget(buildRenamePage());
    m_pages->addWidget(buildDeletePage());
    m_resultPage = buildResultPage();
    m_pages->addWidget(m_resultPage);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    setMinimumWidth(480);

    switch (page) {
    case Page::Yeni_Kullanici:
        m_pages->setCurrentIndex(0);
        m_sirketNo->setFocus();
        break;
    case Page::Sifre_Degistir:
        m_pages->setCurrentIndex(1);
        m_eskiParola->setFocus();
        break;
    case Page::Degis:
        m_pages->setCurrentIndex(2);
        m_yeniAd->setFocus();
        break;
    case Page::Sil:
        m_pages->setCurrentIndex(3);
        break;
    }
}

bool Tkullanici_islemleri::run(Page page, const CompanyRow &selected, QWidget *parent)
{
    if (page == Page::Yeni_Kullanici && !CompanyList::isEmpty()) {
        Msg::box(QStringLiteral("Dikkat !"), QStringLiteral("\r\nSistem Bir Şirket İle çalışabilir !"), Msg::Kind::Warning,
                 Msg::Ok, Msg::Ok, parent);
        return false;
    }
    Tkullanici_islemleri dialog(page, selected, parent);
    runModal(&dialog);
    return true;
}

bool Tkullanici_islemleri::isCompanyNumber(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    bool ok = false;
    text.toInt(&ok, 10);
    return ok;
}

void Tkullanici_islemleri::setRemover(std::function<bool(const QString &)> remover)
{
    m_remover = std::move(remover);
}

// The row under a page: its action button and "İptal", which closes without a change.
void Tkullanici_islemleri::addPageButtons(QBoxLayout *page, const QString &caption, void (Tkullanici_islemleri::*action)())
{
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton *run = addButton(buttons, caption);
    QPushButton *cancel = addButton(buttons, QStringLiteral("İptal"));
    page->addLayout(buttons);
    connect(run, &QPushButton::clicked, this, action);
    connect(cancel, &QPushButton::clicked, this, &Tkullanici_islemleri::reject);
}

QPushButton *Tkullanici_islemleri::addButton(QLayout *row, const QString &caption)
{
    auto *button = new QPushButton(caption);
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

QWidget *Tkullanici_islemleri::buildCreatePage()
{
    QWidget *page = makePage(QStringLiteral("Yeni_Kullanici"));
    auto *layout = new QVBoxLayout(page);

    // The directory named here is never made (the files go to dbs), but the
    // line is what users of this screen have always read.
    layout->addWidget(makeLabel(QStringLiteral("DİKKAT:Bu işlem sonrasında ") + native(appContext().programDir)
                                    + QStringLiteral(" Dizininde Girmiş olduğunuz KULLANICI KODU adında dizin "
                                                     "oluşturulacaktır. Her kullanıcının verileri birbirinden "
                                                     "bağımsızdır..."),
                                QStringLiteral("bilgi")));

    m_sirketNo = new QLineEdit;
    m_sirketNo->setObjectName(QStringLiteral("sirketNo"));
    m_sirketNo->setMaxLength(10);
    m_sirketNo->setToolTip(QStringLiteral("Kullanıcı Numarası Sayısal Olabilir"));
    CharFilter::digitsOnly(m_sirketNo);
    m_sirketAdi = makeField(QStringLiteral("sirketAdi"), 30, false);
    m_parola = makeField(QStringLiteral("parola"), 30, true, QStringLiteral("Yalnızca sayı ve harf girebilirsiniz..."));
    m_hatirlatma = makeField(QStringLiteral("hatirlatma"), 50, true, QStringLiteral("Girilmesi zorunlu değildir."));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Şirket Numarası"), m_sirketNo);
    form->addRow(QStringLiteral("Şirket Adı"), m_sirketAdi);
    form->addRow(QStringLiteral("Yetkili Parolası"), m_parola);
    form->addRow(QStringLiteral("Parolayı size hatırlatacak bilgi giriniz"), m_hatirlatma);
    layout->addLayout(form);

    m_createProgress = makeProgress(QStringLiteral("olusturmaIlerleme"));
    layout->addWidget(m_createProgress);
    layout->addStretch();

    addPageButtons(layout, QStringLiteral("OLUŞTUR"), &Tkullanici_islemleri::createCompany);
    return page;
}

QWidget *Tkullanici_islemleri::buildPasswordPage()
{
    QWidget *page = makePage(QStringLiteral("Sifre_Degistir"));
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(makeLabel(QStringLiteral("Şifresi Değiştirilecek Kullanıcı Adı :") + m_row.AD,
                                QStringLiteral("sifreSirketAdi")));

    m_eskiParola = makeField(QStringLiteral("eskiParola"), 30, true);
    m_yeniParola = makeField(QStringLiteral("yeniParola"), 30, true);
    m_parolaDogrula = makeField(QStringLiteral("parolaDogrula"), 30, true);
    m_sifreHatirlatma = makeField(QStringLiteral("sifreHatirlatma"), 50, false);
    m_sifreHatirlatma->setText(m_row.GSORU);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Eski Parola"), m_eskiParola);
    form->addRow(QStringLiteral("Yeni Parola"), m_yeniParola);
    form->addRow(QStringLiteral("Parola Doğrula"), m_parolaDogrula);
    form->addRow(QStringLiteral("Parolayı size hatırlatacak bilgi giriniz"), m_sifreHatirlatma);
    layout->addLayout(form);
    layout->addStretch();

    addPageButtons(layout, QStringLiteral("SON"), &Tkullanici_islemleri::changePassword);
    return page;
}

QWidget *Tkullanici_islemleri::buildRenamePage()
{
    QWidget *page = makePage(QStringLiteral("Degis"));
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(
        makeLabel(QStringLiteral("Değiştirilecek Şirket Adı :") + m_row.AD, QStringLiteral("degisSirketAdi")));

    m_yeniAd = makeField(QStringLiteral("yeniAd"), 30, false);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Yeni Şirket Adı"), m_yeniAd);
    layout->addLayout(form);
    layout->addStretch();

    addPageButtons(layout, QStringLiteral("SON"), &Tkullanici_islemleri::renameCompany);
    return page;
}

QWidget *Tkullanici_islemleri::buildDeletePage()
{
    QWidget *page = makePage(QStringLiteral("Sil"));
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(makeLabel(QStringLiteral("Silinecek şirket adı :") + m_row.AD + QStringLiteral(" ; ") + m_row.KOD,
                                QStringLiteral("silSirketAdi")));

    m_files = CompanyFiles::companyFiles(appContext().dataDir(), m_AKTIFKNO);
    m_dosyaListesi = new QListWidget;
    m_dosyaListesi->setObjectName(QStringLiteral("dosyaListesi"));
    // A company has a handful of files; a short list keeps the pages alike in size.
    m_dosyaListesi->setMaximumHeight(m_dosyaListesi->fontMetrics().height() * 7);
    for (const QString &file : std::as_const(m_files))
        m_dosyaListesi->addItem(native(file));
    QLabel *caption =
        makeLabel(QStringLiteral("Silinecek Kullanıcı Dosyaları  [ %1 Dosya ] :").arg(m_files.size()),
                  QStringLiteral("dosyaBaslik"));
    caption->setBuddy(m_dosyaListesi);
    m_dosyaListesi->setAccessibleName(caption->text());
    layout->addWidget(caption);
    layout->addWidget(m_dosyaListesi);

    auto *options = new QGroupBox(QStringLiteral("Silme Seçenekleri"));
    options->setObjectName(QStringLiteral("silmeSecenekleri"));
    auto *optionsLayout = new QVBoxLayout(options);
    m_geriDonusum = new QRadioButton(QStringLiteral("Silinecek Şirket Bilgilerini Geri Dönüşüm Kutusuna Gönder"));
    m_geriDonusum->setObjectName(QStringLiteral("geriDonusum"));
    m_geriDonusum->setChecked(true);
    m_tamamenSil = new QRadioButton(QStringLiteral("Silinecek Şirket Bilgilerini Tamamen Sil"));
    m_tamamenSil->setObjectName(QStringLiteral("tamamenSil"));
    optionsLayout->addWidget(m_geriDonusum);
    optionsLayout->addWidget(m_tamamenSil);
    layout->addWidget(options);

    m_deleteProgress = makeProgress(QStringLiteral("silmeIlerleme"));
    layout->addWidget(m_deleteProgress);

    addPageButtons(layout, QStringLiteral("SON"), &Tkullanici_islemleri::deleteCompany);
    return page;
}

QWidget *Tkullanici_islemleri::buildResultPage()
{
    QWidget *page = makePage(QStringLiteral("SONN"));
    auto *layout = new QVBoxLayout(page);
    QLabel *title = makeLabel(QStringLiteral("İşlem Tamamlandı"), QStringLiteral("islemTamamlandi"));
    QFont font = title->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    title->setFont(font);
    layout->addWidget(title);
    m_resultLabel = makeLabel({}, QStringLiteral("sonuc"));
    m_resultLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_resultLabel);
    layout->addStretch();

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton *exit = addButton(buttons, QStringLiteral("ÇIKIŞ"));
    layout->addLayout(buttons);
    connect(exit, &QPushButton::clicked, this, &Tkullanici_islemleri::accept);
    return page;
}

void Tkullanici_islemleri::setBusy(bool busy)
{
    m_busy = busy;
    m_pages->setEnabled(!busy);
}

void Tkullanici_islemleri::showResult(const QString &line)
{
    m_result = line;
    m_resultLabel->setText(Msg::displayText(line));
    m_pages->setCurrentWidget(m_resultPage);
}

void Tkullanici_islemleri::createCompany()
{
    const QString number = m_sirketNo->text();
    const QString name = m_sirketAdi->text().trimmed();
    m_sirketAdi->setText(name);

    if (!isCompanyNumber(number)) {
        Msg::box(QStringLiteral("Dikkat"), QStringLiteral("\r\nŞirket Numarası sayısal bilgi içermeli."),
                 Msg::Kind::Warning, Msg::Ok, Msg::Ok, this);
        m_sirketNo->setFocus();
        return;
    }
    if (name.isEmpty()) {
        Msg::error(QStringLiteral("\r\nŞİRKET ADINI GİRMEK ZORUNDASINIZ."), this);
        m_sirketAdi->setFocus();
        return;
    }
    if (m_parola->text().isEmpty()) {
        Msg::error(QStringLiteral("\r\nYETKİLİ PAROLASI BELİRTİLMEMİŞ."), this);
        m_parola->setFocus();
        return;
    }
    const QList<CompanyRow> rows = CompanyList::load();
    for (const CompanyRow &row : rows) {
        if (trFold(row.AD) == trFold(name)) {
            Msg::error(QStringLiteral("\r\nOLUŞTURMAK İSTEDİĞİNİZ ŞİRKET ADI MEVCUT.\r\nFARKLI BİR ŞİRKET ADI GİRİNİZ."),
                       this);
            m_sirketAdi->setFocus();
            return;
        }
    }
    for (const CompanyRow &row : rows) {
        if (trFold(row.KOD) == trFold(number)) {
            Msg::error(QStringLiteral("\r\nOLUŞTURMAK İSTEDİĞİNİZ ŞİRKET NO MEVCUT.\r\nFARKLI BİR ŞİRKET NO GİRİNİZ."),
                       this);
            m_sirketAdi->setFocus();
            return;
        }
    }
    if (QFileInfo(appContext().programDir + number).isDir()) {
        Msg::warning(QStringLiteral("\r\nŞirket Listesinde Tanımlı Olmayan\r\nOluşturmaya çalıştığınız Şirket No "
                                    "değerine sahip Dizin Bulundu\r\n\r\nÇözüm - 1: Programı kurduğunuz dizine girip "
                                    "oluşturmaya \r\nçalıştığınız şirket numarasına sahip bir dizin olduğunu "
                                    "\r\ngöreceksiniz.\r\nEğer bu dizin boş ise yada kullanılmayan bir şirkete "
                                    "aitse\r\nbu dizini silebilir ve işleme devam edebilirsiniz."),
                     this);
        return;
    }
    QDir().mkpath(appContext().dataDir());
    const QDir templates(appContext().templateDir());
    if (!templates.exists() || templates.entryList(QDir::Files).isEmpty()) {
        Msg::error(QStringLiteral("\r\nVeri Tabanı Kaynağı Bulunamadı."), this);
        return;
    }

    setBusy(true);
    const QStringList before = CompanyFiles::companyFiles(appContext().dataDir(), number);
    QStringList created;
    QString failed;
    const bool copied = copyTemplateFiles(number, &created, &failed);

    CompanyRow row;
    row.KOD = number;
    row.AD = name;
    row.SIFRE = passwordDigest(m_parola->text());
    row.GSORU = m_hatirlatma->text();
    row.S_SOR = true;
    // A company whose files are incomplete must not appear in the list: the
    // row is written only after every file is in place, and a failure takes
    // back what this attempt made.
    const bool listed = copied && CompanyList::append(row);
    m_createProgress->hide();
    setBusy(false);
    if (!listed) {
        removeCreatedFiles(number, created, before);
        Msg::error(copied ? QStringLiteral("\r\nŞirket, şirket listesine eklenemedi.")
                          : QString(QStringLiteral("\r\nŞirket dosyaları oluşturulamadı.\r\n") + failed),
                   this);
        return;
    }
    showResult(QStringLiteral("Sonuç : Şirket başarıyla oluşturuldu...\r\n")
               + native(appContext().dataDir() + QStringLiteral("/*_") + number + QStringLiteral(".*")));
}

bool Tkullanici_islemleri::copyTemplateFiles(const QString &code, QStringList *created, QString *failed)
{
    const QDir templates(appContext().templateDir());
    const QStringList names = templates.entryList(QDir::Files, QDir::Name);
    m_createProgress->setRange(0, int(names.size()));
    m_createProgress->setValue(0);
    m_createProgress->show();

    for (const QString &name : names) {
        const QString target = appContext().dataDir() + u'/' + CompanyFiles::perCompanyFileName(name, code);
        if (QFileInfo(target).isFile()) {
            Msg::plain(QStringLiteral("Dosya mevcut : ") + native(target), this);
        } else {
            QFile source(templates.filePath(name));
            if (!source.copy(target)) {
                *failed = native(target) + QStringLiteral("\r\n") + source.errorString();
                return false;
            }
            *created << target;
            // A template installed read-only would otherwise give read-only company tables.
            QFile::setPermissions(target, QFile::permissions(target) | QFile::ReadOwner | QFile::WriteOwner);
            QString error;
            if (target.endsWith(QStringLiteral(".db")) && !CompanyFiles::suffixTablesInFile(target, code, &error)) {
                *failed = native(target) + QStringLiteral("\r\n") + error;
                return false;
            }
        }
        m_createProgress->setValue(m_createProgress->value() + 1);
        QApplication::processEvents();
    }
    return true;
}

void Tkullanici_islemleri::removeCreatedFiles(const QString &code, const QStringList &created,
                                              const QStringList &before)
{
    for (const QString &file : created)
        QFile::remove(file);
    // SQLite side files made while the copies were prepared.
    for (const QString &file : CompanyFiles::companyFiles(appContext().dataDir(), code))
        if (!before.contains(file))
            QFile::remove(file);
    for (const QString &file : created)
        for (const QString &suffix : sideSuffixes())
            if (!before.contains(file + suffix))
                QFile::remove(file + suffix);
}

void Tkullanici_islemleri::changePassword()
{
    if (passwordDigest(m_eskiParola->text()) != m_row.SIFRE) {
        Msg::error(QStringLiteral("\r\nESKİ KULLANICI PAROLASINI YANLIŞ GİRDİNİZ..."), this);
        m_eskiParola->setFocus();
        return;
    }
    if (m_yeniParola->text() != m_parolaDogrula->text()) {
        Msg::error(QStringLiteral("\r\nGİRDİĞİNİZ ŞİFRELER BİRBİRİNİ TUTMUYOR."), this);
        m_yeniParola->setFocus();
        return;
    }
    if (!CompanyList::setPassword(m_row.rowId, passwordDigest(m_yeniParola->text()), m_sifreHatirlatma->text())) {
        Msg::error(QStringLiteral("\r\nŞifre değiştirilemedi."), this);
        return;
    }
    showResult(QStringLiteral("Sonuç : Şifreniz başarıyla değiştirildi..."));
}

void Tkullanici_islemleri::renameCompany()
{
    // Taken as typed: rows are addressed by their number, so an empty or
    // repeated name costs nothing but a less readable list.
    if (!CompanyList::rename(m_row.rowId, m_yeniAd->text())) {
        Msg::error(QStringLiteral("\r\nŞirket adı değiştirilemedi."), this);
        return;
    }
    showResult(QStringLiteral("Sonuç : Şirket adı başarıyla değiştirildi..."));
}

void Tkullanici_islemleri::deleteCompany()
{
    const QString backupDir = appContext().workDir + QTime::currentTime().toString(QStringLiteral("mm-ss-zzz"));
    if (QFileInfo::exists(backupDir)) {
        QDir(backupDir).removeRecursively();
        if (QFileInfo::exists(backupDir)) {
            Msg::box(QStringLiteral("Dikkat"), QStringLiteral("\r\nGeçici dizin silinemiyor...\r\n") + native(backupDir),
                     Msg::Kind::Warning, Msg::Ok, Msg::Ok, this);
            return;
        }
    }
    if (!QDir().mkpath(backupDir)) {
        Msg::box(QStringLiteral("Dikkat"), QStringLiteral("\r\nGeçici dizin oluşturulamadı...\r\n") + native(backupDir),
                 Msg::Kind::Warning, Msg::Ok, Msg::Ok, this);
        return;
    }
    if (m_AKTIFKNO.isEmpty()) {
        Msg::warning(QStringLiteral("\r\nKullanıcı koduna erişilemedi."), this);
        return;
    }
    QString password;
    if (!Msg::input(QStringLiteral("@@Parola?"), QStringLiteral("Şirketi silebilmeniz için\rKullanıcı parolasını giriniz."),
                    &password, true, this))
        return;
    if (passwordDigest(password) != m_row.SIFRE) {
        Msg::error(QStringLiteral("\r\nPAROLA DOĞRULANAMADI..."), this);
        return;
    }
    if (Msg::box(QStringLiteral("Dikkat !!!"), QStringLiteral("\r\nAktif Şirket Silinecek\r\n\r\nİşlemi onatlıyor musunuz?"),
                 Msg::Kind::Warning, Msg::Buttons(Msg::Yes) | Msg::No, Msg::No, this)
        != Msg::Yes)
        return;
    // Yes here keeps the company, so it is the safe answer to preselect.
    if (Msg::box(QStringLiteral("Uyarı"), QStringLiteral("\r\nŞirket silme işleminden vazgeçilsin mi?"),
                 Msg::Kind::Warning, Msg::Buttons(Msg::Yes) | Msg::No, Msg::Yes, this)
        != Msg::No)
        return;

    setBusy(true);
    bool deleted = detachFiles(m_files) && backUpAndRemove(backupDir);
    // Files and row go together: if the row cannot be removed the files come back.
    if (deleted)
        deleted = CompanyList::remove(m_row.rowId);
    QStringList notRestored;
    if (!deleted)
        notRestored = restoreFromBackup(backupDir);
    m_deleteProgress->hide();
    setBusy(false);

    if (!deleted) {
        Msg::box(QStringLiteral("Dikkat"), QStringLiteral("\r\nŞirket Silinemedi."), Msg::Kind::Error, Msg::Ok, Msg::Ok,
                 this);
        if (!notRestored.isEmpty())
            Msg::error(QStringLiteral("\r\nBazı şirket dosyaları geri yüklenemedi. Kopyaları bu dizindedir:\r\n")
                           + native(backupDir) + QStringLiteral("\r\n\r\n") + notRestored.join(QStringLiteral("\r\n")),
                       this);
        showResult(QStringLiteral("Sonuç : Şirket SİLİNEMEDİ..."));
        return;
    }
    showResult(QStringLiteral("Sonuç : Şirket dosyaları silidi..."));
}

bool Tkullanici_islemleri::backUpAndRemove(const QString &backupDir)
{
    m_deleteProgress->setRange(0, int(m_files.size()));
    m_deleteProgress->setValue(0);
    m_deleteProgress->show();
    for (const QString &file : std::as_const(m_files)) {
        // A side file may have gone since the list was made; nothing to remove then.
        if (QFileInfo::exists(file)) {
            const QString copy = backupDir + u'/' + QFileInfo(file).fileName();
            QFile::remove(copy);
            // Without a good copy the file is not removed: it could not be brought back.
            if (!QFile::copy(file, copy) || !removeFile(file))
                return false;
        }
        m_deleteProgress->setValue(m_deleteProgress->value() + 1);
        QApplication::processEvents();
    }
    return true;
}

QStringList Tkullanici_islemleri::restoreFromBackup(const QString &backupDir)
{
    QStringList failed;
    const QDir backup(backupDir);
    for (const QString &name : backup.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        const QString target = appContext().dataDir() + u'/' + name;
        if (QFileInfo::exists(target))
            QFile::remove(target);
        if (!QFile::copy(backup.filePath(name), target))
            failed << native(target);
        m_deleteProgress->setValue(qMax(0, m_deleteProgress->value() - 1));
        QApplication::processEvents();
    }
    return failed;
}

bool Tkullanici_islemleri::removeFile(const QString &file) const
{
    if (m_remover)
        return m_remover(file);
    if (m_tamamenSil->isChecked())
        return QFile::remove(file);
    return QFile::moveToTrash(file);
}

void Tkullanici_islemleri::done(int result)
{
    // Creation and deletion let events through; the dialog stays until they end.
    if (m_busy)
        return;
    m_createProgress->hide();
    m_deleteProgress->hide();
    QDialog::done(result);
}

