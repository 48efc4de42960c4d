#include "app/CompanyList.h"
#include "app/company/Tkullanici_islemleri.h"
#include "dialogs/Tiletisim_formu.h"
#include "app/login/Tsifreyigirin.h"
#include "dialogs/ModalRunner.h"
#include "platform/AppContext.h"
#include "platform/crypto/PasswordDigest.h"
#include "platform/ini/IniFile.h"
#include "platform/sqlite/Database.h"
#include "support/MessageScript.h"
#include "support/TestProgramDir.h"
#include "support/TestRegistry.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

namespace {

const QString kNoCompany = QStringLiteral(
    "\r\nTANIMLI HİÇBİR KULLANICI YOK...\r\n\r\nKullanıcı işlemlerini kullanarak Yeni bir kullanıcı tanımlayınız.");
const QString kWrongPassword = QStringLiteral("\r\nHatalı Parola girişi yaptınız.");

// sifre and sifre2 are plain text, stored as their digests (an empty sifre2 stays empty).
bool addCompany(const QString &kod, const QString &ad, const QString &sifre, const QString &sifre2 = {},
                const QString &gsoru = {}, bool sSor = true)
{
    CompanyRow row;
    row.KOD = kod;
    row.AD = ad;
    row.SIFRE = passwordDigest(sifre);
    row.SIFRE2 = sifre2.isEmpty() ? QString() : passwordDigest(sifre2);
    row.GSORU = gsoru;
    row.S_SOR = sSor;
    return CompanyList::append(row);
}

template<typename T = QWidget>
T *child(const QWidget &w, const char *name)
{
    return w.findChild<T *>(QLatin1String(name));
}

// Fails the test when any of the program's own dialogs is shown; restores on exit.
struct NoDialogs
{
    QStringList shown;
    NoDialogs()
    {
        setModalHandler([this](QDialog *d) {
            shown << QString::fromLatin1(d->metaObject()->className());
            return int(QDialog::Rejected);
        });
    }
    ~NoDialogs() { setModalHandler({}); }
};

QAction *findAction(QMenu *menu, const QString &text)
{
    const auto actions = menu->actions();
    for (QAction *a : actions) {
        if (a->text() == text)
            return a;
    }
    return nullptr;
}

} // namespace

class TestTsifreyigirin : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void firstRunCreatesListAndGuardsActions_data();
    void firstRunCreatesListAndGuardsActions();
    void login_data();
    void login();
    void wrongPasswordHasNoLimit();
    void listText_data();
    void listText();
    void rowChange_data();
    void rowChange();
    void mouseReleaseOnListFocusesPassword();
    void cancel_data();
    void cancel();
    void damagedCompanyListWarnsAndStaysOpen();
    void connectionFailureEndsTheModalLoop();
    void themes_data();
    void themes();
    void colourChoice_data();
    void colourChoice();
    void unwritableSettingsAreReported_data();
    void unwritableSettingsAreReported();
    void settingsAndPictureAreApplied();
    void companyOperationsReloadTheList_data();
    void companyOperationsReloadTheList();
    void widenButtonSlidesBothWays();
    void aboutAndContact_data();
    void aboutAndContact();
    void dragMovesTheWindow_data();
    void dragMovesTheWindow();
};

void TestTsifreyigirin::init()
{
    appContext().showCompanyNumbers = true;
}

void TestTsifreyigirin::cleanup()
{
    setModalHandler({});
}

void TestTsifreyigirin::firstRunCreatesListAndGuardsActions_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("login") << "giris";
    QTest::newRow("password change") << "sifredegistir";
    QTest::newRow("password change (column)") << "aktifsifre";
    QTest::newRow("rename") << "aktifad";
    QTest::newRow("delete") << "aktifsil";
    QTest::newRow("reminder") << QString();
}

void TestTsifreyigirin::firstRunCreatesListAndGuardsActions()
{
    QFETCH(QString, button);
    TestProgramDir dir;
    QVERIFY(!QFile::exists(dir.file(QStringLiteral("dbs/kblg.db"))));
    NoDialogs dialogs;
    MessageScript script;
    script.expect(kNoCompany);

    Tsifreyigirin w;
    w.show();
    QVERIFY(QFile::exists(dir.file(QStringLiteral("dbs/kblg.db"))));
    QSqlDatabase db = Database::connection();
    QVERIFY(Database::tableExists(db, QStringLiteral("kblg")));
    QCOMPARE(child<QListWidget>(w, "kullanicilar")->count(), 0);

    if (button.isEmpty())
        w.showReminder();
    else
        child<QAbstractButton>(w, qPrintable(button))->click();

    VERIFY_MESSAGES(script);
    QCOMPARE(script.recorded().size(), 1);
    QCOMPARE(script.recorded().first().caption, QStringLiteral("Dikkat"));
    QCOMPARE(script.recorded().first().kind, Msg::Kind::Warning);
    QVERIFY2(dialogs.shown.isEmpty(), qPrintable(dialogs.shown.join(u',')));
    QVERIFY(w.isVisible());
    QVERIFY(!w.klnc_SDR());
}

void TestTsifreyigirin::login_data()
{
    QTest::addColumn<QString>("sifre");
    QTest::addColumn<QString>("sifre2");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("viaEnter");
    QTest::addColumn<bool>("keepsDigest");
    QTest::newRow("first password, button") << "Gizli1" << "" << "Gizli1" << false << true;
    QTest::newRow("first password, Enter") << "Gizli1" << "" << "Gizli1" << true << true;
    QTest::newRow("second password only") << "Gizli1" << "Yedek2" << "Yedek2" << false << false;
    QTest::newRow("Turkish letters") << "şİfRe_ğü" << "" << "şİfRe_ğü" << true << true;
    QTest::newRow("empty password") << "" << "" << "" << true << true;
}

void TestTsifreyigirin::login()
{
    QFETCH(QString, sifre);
    QFETCH(QString, sifre2);
    QFETCH(QString, typed);
    QFETCH(bool, viaEnter);
    QFETCH(bool, keepsDigest);
    TestProgramDir dir;
    QVERIFY(dir.openCompanyList());
    QVERIFY(addCompany(QStringLiteral("3"), QStringLiteral("Önceki"), QStringLiteral("x")));
    QVERIFY(addCompany(QStringLiteral("7"), QStringLiteral("Deneme Ltd."), sifre, sifre2));
    MessageScript script;

    Tsifreyigirin w;
    w.show();
    auto *list = child<QListWidget>(w, "kullanicilar");
    list->setCurrentRow(1);
    auto *password = child<QLineEdit>(w, "sifre");
    password->setText(typed);
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    if (viaEnter)
        QTest::keyClick(password, Qt::Key_Return);
    else
        child<QAbstractButton>(w, "giris")->click();

    VERIFY_MESSAGES(script);
    QVERIFY(w.klnc_SDR());
    QVERIFY(!w.isVisible());
    QCOMPARE(appContext().companyCode, QStringLiteral("7"));
    QCOMPARE(appContext().companyName, QStringLiteral("Deneme Ltd."));
    QCOMPARE(appContext().companyDigest, keepsDigest ? passwordDigest(sifre) : QString());

    const QList<CompanyRow> rows = CompanyList::load();
    QCOMPARE(rows.size(), 2);
    QVERIFY(!rows[0].SGRS.isValid()); // only the entered company is stamped
    QVERIFY(rows[1].SGRS >= before);
    QVERIFY(rows[1].SGRS <= QDateTime::currentDateTime().addSecs(1));
}

void TestTsifreyigirin::wrongPasswordHasNoLimit()
{
    TestProgramDir dir;
    QVERIFY(dir.openCompanyList());
    QVERIFY(addCompany(QStringLiteral("7"), QStringLiteral("Deneme"), QStringLiteral("doğru"),
                        QStringLiteral("ikinci")));
    MessageScript script;
    Tsifreyigirin w;
    w.show();
    auto *password = child<QLineEdit>(w, "sifre");
    // Case matters, an empty box is compared like any text, and a digest typed
    // as the password is only text.
    const QStringList wrong = {QStringLiteral("DOĞRU"), QString(), passwordDigest(QStringLiteral("doğru")),
                               QStringLiteral("doğru "), QStringLiteral("x")};
    for (const QString &text : wrong) {
        script.expect(kWrongPassword);
        password->setText(text);
        QTest::keyClick(password, Qt::Key_Enter);
        QVERIFY(w.isVisible());
        QVERIFY(!w.klnc_SDR());
        QVERIFY(password->text().isEmpty());
        QCOMPARE(w.focusWidget(), password);
    }
    QCOMPARE(script.recorded().size(), wrong.size());
    QCOMPARE(script.recorded().last().kind, Msg::Kind::Error);
    QVERIFY(appContext().companyCode.isEmpty());
    QVERIFY(!CompanyList::load().first().SGRS.isValid());

    password->setText(QStringLiteral("doğru"));
    QTest::keyClick(password, Qt::Key_Return);
    VERIFY_MESSAGES(script);
    QVERIFY(w.klnc_SDR());
}

void TestTsifreyigirin::listText_data()
{
    QTest::addColumn<bool>("withCode");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("names and codes") << true
                                     << QStringList{QStringLiteral("Ali'nin Dükkânı [ 7 ]"),
                                                    QStringLiteral("İĞDIR \"Şube\" [ 12 ]")};
    QTest::newRow("names only") << false
                                << QStringList{QStringLiteral("Ali'nin Dükkânı"), QStringLiteral("İĞDIR \"Şube\"")};
}

void TestTsifreyigirin::listText()
{
    QFETCH(bool, withCode);
    QFETCH(QStringList, expected);
    TestProgramDir dir;
    appContext().showCompanyNumbers = withCode;
    QVERIFY(dir.openCompanyList());
    QVERIFY(addCompany(QStringLiteral("7"), QStringLiteral("Ali'nin Dükkânı"), QStringLiteral("a")));
    QVERIFY(addCompany(QStringLiteral("12"), QStringLiteral("İĞDIR \"Şube\""), QStringLiteral("b")));
    Tsifreyigirin w;
    w.show();
    auto *list = child<QListWidget>(w, "kullanicilar");
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->item(i)->text();
    QCOMPARE(shown, expected);
    QCOMPARE(list->currentRow(), 0);
}

void TestTsifreyigirin::rowChange_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("panelShown");
    QTest::addColumn<bool>("reminderEnabled");
    QTest::addColumn<QString>("focused");
    QTest::newRow("asks, with reminder") << 0 << true << true << "sifre";
    QTest::newRow("does not ask") << 1 << false << false << "kullanicilar";
    QTest::newRow("asks, blank reminder") << 2 << true << false << "sifre";
}

void TestTsifreyigirin::rowChange()
{
    QFETCH(int, row);
    QFETCH(bool, panelShown);
    QFETCH(bool, reminderEnabled);
    QFETCH(QString, focused);
    TestProgramDir dir;
    QVERIFY(dir.openCompanyList());
    QVERIFY(addCompany(QStringLiteral("1"), QStringLiteral("Bir"), QStringLiteral("a"), {}, QStringLiteral("kedi")));
    QVERIFY(addCompany(QStringLiteral("2"), QStringLiteral("İki"), QString(), {}, {}, false));
    QVERIFY(addCompany(QStringLiteral("3"), QStringLiteral("Üç"), QStringLiteral("c"), {}, QStringLiteral("  ")));
    Tsifreyigirin w;
    w.show();
    auto *list = child<QListWidget>(w, "kullanicilar");
    auto *password = child<QLineEdit>(w, "sifre");
    // Start on another row with something typed, so the move itself is what acts.
    list->setCurrentRow(row == 0 ? 1 : 0);
    password->setText(QStringLiteral("yarım"));
    list->setCurrentRow(row);

    QVERIFY(password->text().isEmpty());
    QCOMPARE(child(w, "parolapanel")->isVisible(), panelShown);
    QCOMPARE(child(w, "gizlisoru")->isEnabled(), reminderEnabled);
    QCOMPARE(w.focusWidget(), child(w, qPrintable(focused)));

    if (reminderEnabled) {
        MessageScript script;
        script.expect(QStringLiteral("kedi"));
        child<QAbstractButton>(w, "gizlisoru")->click();
        VERIFY_MESSAGES(script);
        QCOMPARE(script.recorded().first().caption, QStringLiteral("Gizlis Sorunuz"));
        QCOMPARE(script.recorded().first().kind, Msg::Kind::Information);
        QCOMPARE(script.recorded().first().text, QStringLiteral("kedi"));
    }
    if (!panelShown) {
        // The row that asks for no password enters with the empty box.
        MessageScript script;
        QTest::keyClick(list, Qt::Key_Return);
        VERIFY_MESSAGES(script);
        QVERIFY(w.klnc_SDR());
        QCOMPARE(appContext().companyCode, QStringLiteral("2"));
    }
}

void TestTsifreyigirin::mouseReleaseOnListFocusesPassword()
{
    TestProgramDir dir;
    QVERIFY(dir.openCompanyList());
    QVERIFY(addCompany(QStringLiteral("1"), QStringLiteral("Bir"), QStringLiteral("a")));
    Tsifreyigirin w;
    w.show();
    auto *list = child<QListWidget>(w, "kullanicilar");
    list->setFocus();
    QCOMPARE(w.focusWidget(), list);
    const QPoint onRow = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onRow);
    QCOMPARE(w.focusWidget(), child(w, "sifre"));
}

void TestTsifreyigirin::cancel_data()
{
    QTest::addColumn<int>("key"); // 0: the close button
    QTest::addColumn<bool>("closes");
    QTest::newRow("close button") << 0 << true;
    QTest::newRow("F12") << int(Qt::Key_F12) << true;
    QTest::newRow("Escape does nothing") << int(Qt::Key_Escape) << false;
}

void TestTsifreyigirin::cancel()
{
    QFETCH(int, key);
    QFETCH(bool, closes);
    TestProgramDir dir;
    QVERIFY(dir.openCompanyList());
    QVERIFY(addCompany(QStringLiteral("1"), QStringLiteral("Bir"), QStringLiteral("a")));
    MessageScript script;
    Tsifreyigirin w;
    w.show();
    child<QLineEdit>(w, "sifre")->setText(QStringLiteral("a"));
    if (key == 0)
        child<QAbstractButton>(w, "kapat")->click();
    else
        QTest::keyClick(child(w, "sifre"), Qt::Key(key));
    VERIFY_MESSAGES(script);
    QCOMPARE(w.isVisible(), !closes);
    QVERIFY(!w.klnc_SDR());
    QVERIFY(appContext().companyCode.isEmpty());
    if (closes)
        QCOMPARE(w.result(), int(QDialog::Rejected));
}

void TestTsifreyigirin::damagedCompanyListWarnsAndStaysOpen()
{
    TestProgramDir dir;
    QVERIFY(QDir().mkpath(dir.file(QStringLiteral("dbs"))));
    {
        QFile f(dir.file(QStringLiteral("dbs/kblg.db")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(8192, '\x5a').prepend("bozuk dosya, veritabani degil"));
    }
    MessageScript script;
    script.expect(QStringLiteral("Kullanıcı dosyası blunamadı."));
    Tsifreyigirin w;
    w.show();
    VERIFY_MESSAGES(script);
    QCOMPARE(script.recorded().first().kind, Msg::Kind::Warning);
    QVERIFY(w.isVisible());
    QCOMPARE(child<QListWidget>(w, "kullanicilar")->count(), 0);

    script.expect(kNoCompany);
    QTest::keyClick(child(w, "kullanicilar"), Qt::Key_Return);
    VERIFY_MESSAGES(script);
    QVERIFY(!w.klnc_SDR());
}

void TestTsifreyigirin::connectionFailureEndsTheModalLoop()
{
    TestProgramDir dir;
    // A file where the data folder belongs: the company list cannot be opened.
    {
        QFile f(dir.file(QStringLiteral("dbs")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    MessageScript script;
    script.expect(QStringLiteral("Hata Oluştu ! BDE 'yi yönetici modunda kurduğunuzdan emin olunuz !\r\n\r\n"));
    Tsifreyigirin w;
    bool rescued = false;
    QTimer::singleShot(5000, &w, [&] {
        rescued = true;
        w.done(QDialog::Accepted);
    });
    w.exec();
    QVERIFY2(!rescued, "the failed connection left the modal loop running");
    VERIFY_MESSAGES(script);
    QCOMPARE(script.recorded().first().caption, QStringLiteral("Hata"));
    QCOMPARE(script.recorded().first().kind, Msg::Kind::Error);
    QVERIFY(script.recorded().first().text.size() > 70); // the driver's message follows
    QVERIFY(!w.klnc_SDR());
    QVERIFY(!w.isVisible());
}

void TestTsifreyigirin::themes_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("expected"); // the nine colour keys, then interface
    const QStringList r1 = {"$00B3B5BD", "clWhite",   "clYellow",  "$00D9A8AE", "$00000040",
                            "$00EACED1", "$00D5C8C8", "$0080FFFF", "$00A46A59", "interface\\r1.jpg"};
    QTest::newRow("R2") << "R2"
                        << QStringList{"$00B3B5BD", "$00A56D3A", "clNavy",    "$00D8E2E2", "$00000040",
                                       "$00D5E7EA", "$00404080", "$00404080", "$00BFCECE", "interface\\r2.jpg"};
    QTest::newRow("R4") << "R4"
                        << QStringList{"$00B3B5BD", "$00A56D3A", "clYellow", "clGray",  "clWhite",
                                       "$00D5E7EA", "$00D5C8C8", "clWhite",  "clBlack", "interface\\r4.jpg"};
    QTest::newRow("defaults") << "Varsayılan Renk Ayarları" << r1;
}

void TestTsifreyigirin::themes()
{
    QFETCH(QString, action);
    QFETCH(QStringList, expected);
    TestProgramDir dir;
    // Start from other values so every key has to be rewritten.
    IniFile ini(appContext().settingsPath());
    QVERIFY(ini.writeString(QStringLiteral("KLST_C"), QStringLiteral("pzemin"), QStringLiteral("clRed")));
    QVERIFY(ini.writeString(QStringLiteral("KLST_C"), QStringLiteral("interface"), QStringLiteral("yok.jpg")));
    Tsifreyigirin w;
    w.show();
    std::unique_ptr<QMenu> menu(w.buildColourMenu(&w));
    QAction *a = findAction(menu.get(), action);
    QVERIFY(a);
    a->trigger();

    const QStringList keys = {"mcizgirenk",      "myazirenk",      "myazirenkuzerinde", "pzemin",    "petiket",
                              "peditcolor",      "digeretiketrenk", "tanimlikulyazi",   "tanimlikulzemin", "interface"};
    for (qsizetype i = 0; i < keys.size(); ++i)
        QCOMPARE(ini.readString(QStringLiteral("KLST_C"), keys[i]), expected[i]);
    // Applied at once, not only stored.
    QCOMPARE(child(w, "kullanicilar")->palette().color(QPalette::Base), w.colours()[LoginColours::tanimlikulzemin]);
    QCOMPARE(child(w, "parolapanel")->palette().color(QPalette::Window), w.colours()[LoginColours::pzemin]);
    QCOMPARE(w.colours().picture, expected.last());
}

void TestTsifreyigirin::colourChoice_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("accept");
    QTest::newRow("panel background") << "Zemin rengi" << "pzemin" << true;
    QTest::newRow("list text") << "Tanımlı Kullanıcılar yazı rengi" << "tanimlikulyazi" << true;
    QTest::newRow("other labels") << "Diğer etiketler için yazı rengi" << "digeretiketrenk" << true;
    QTest::newRow("cancelled") << "Çizgi rengi" << "mcizgirenk" << false;
}

void TestTsifreyigirin::colourChoice()
{
    QFETCH(QString, action);
    QFETCH(QString, key);
    QFETCH(bool, accept);
    TestProgramDir dir;
    Tsifreyigirin w;
    w.show();
    const LoginColours before = w.colours();
    QColor preset;
    setModalHandler([&](QDialog *d) {
        auto *cd = qobject_cast<QColorDialog *>(d);
        if (!cd)
            return int(QDialog::Rejected);
        preset = cd->currentColor();
        cd->setCurrentColor(QColor(0x12, 0x34, 0x56));
        return int(accept ? QDialog::Accepted : QDialog::Rejected);
    });
    std::unique_ptr<QMenu> menu(w.buildColourMenu(&w));
    QAction *a = findAction(menu.get(), action);
    QVERIFY(a);
    a->trigger();
    QVERIFY(preset.isValid());

    const IniFile ini(appContext().settingsPath());
    if (!accept) {
        QVERIFY(!ini.exists());
        QCOMPARE(w.colours().colour, before.colour);
        return;
    }
    QCOMPARE(ini.readString(QStringLiteral("KLST_C"), key), QStringLiteral("$00563412"));
    // All nine keys are written, the picture key is left alone.
    QCOMPARE(ini.readSection(QStringLiteral("KLST_C")).size(), 9);
    QVERIFY(!ini.valueExists(QStringLiteral("KLST_C"), QStringLiteral("interface")));
    QCOMPARE(ini.readString(QStringLiteral("KLST_C"), QStringLiteral("myazirenkuzerinde")), QStringLiteral("clYellow"));
    int changed = 0;
    for (int r = 0; r < LoginColours::RoleCount; ++r) {
        if (w.colours().colour[r] != before.colour[r]) {
            ++changed;
            QCOMPARE(before.colour[r], preset);
            QCOMPARE(LoginColours::keyName(LoginColours::Role(r)), key);
        }
    }
    QCOMPARE(changed, 1);
}

void TestTsifreyigirin::unwritableSettingsAreReported_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("theme") << "R2";
    QTest::newRow("one colour") << "Zemin rengi";
}

void TestTsifreyigirin::unwritableSettingsAreReported()
{
    QFETCH(QString, action);
    TestProgramDir dir;
    // A directory in the file's place cannot be written as any user.
    QVERIFY(QDir().mkpath(appContext().settingsPath()));
    Tsifreyigirin w;
    w.show();
    setModalHandler([](QDialog *d) { return int(qobject_cast<QColorDialog *>(d) ? QDialog::Accepted : QDialog::Rejected); });
    MessageScript script;
    script.expect(QStringLiteral("Ayar dosyasına yazılamadı."));
    std::unique_ptr<QMenu> menu(w.buildColourMenu(&w));
    QAction *a = findAction(menu.get(), action);
    QVERIFY(a);
    a->trigger();
    VERIFY_MESSAGES(script);
    QCOMPARE(script.recorded().first().kind, Msg::Kind::Error);
}

void TestTsifreyigirin::settingsAndPictureAreApplied()
{
    TestProgramDir dir;
    QVERIFY(QDir().mkpath(dir.file(QStringLiteral("interface"))));
    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(dir.file(QStringLiteral("interface/arka.png"))));
    IniFile ini(appContext().settingsPath());
    ini.writeString(QStringLiteral("klst_c"), QStringLiteral("PZEMIN"), QStringLiteral("clNavy"));
    ini.writeString(QStringLiteral("KLST_C"), QStringLiteral("tanimlikulzemin"), QStringLiteral("mavi"));
    ini.writeString(QStringLiteral("KLST_C"), QStringLiteral("interface"), QStringLiteral("interface\\arka.png"));

    Tsifreyigirin w;
    w.show();
    QCOMPARE(w.colours()[LoginColours::pzemin], QColor(0, 0, 128));
    // An unreadable value keeps the built-in colour.
    QCOMPARE(w.colours()[LoginColours::tanimlikulzemin], LoginColours::theme(1)[LoginColours::tanimlikulzemin]);
    const QImage shot = w.grab().toImage();
    QCOMPARE(shot.pixelColor(18, 200), QColor(Qt::red));

    // Without the picture the background is painted, never left blank.
    QVERIFY(QFile::remove(dir.file(QStringLiteral("interface/arka.png"))));
    w.hide();
    w.show();
    const QColor painted = w.grab().toImage().pixelColor(18, 200);
    QVERIFY(painted != QColor(Qt::red));
    QVERIFY(painted != QColor(Qt::white) && painted != QColor(Qt::black));
}

void TestTsifreyigirin::companyOperationsReloadTheList_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("withCompany");
    QTest::newRow("new company") << "yenisirket" << false;
    QTest::newRow("password change") << "sifredegistir" << true;
    QTest::newRow("password change (column)") << "aktifsifre" << true;
    QTest::newRow("rename") << "aktifad" << true;
    QTest::newRow("delete") << "aktifsil" << true;
}

void TestTsifreyigirin::companyOperationsReloadTheList()
{
    QFETCH(QString, button);
    QFETCH(bool, withCompany);
    TestProgramDir dir;
    QVERIFY(dir.openCompanyList());
    if (withCompany) {
        QVERIFY(addCompany(QStringLiteral("1"), QStringLiteral("Bir"), QStringLiteral("a")));
        QVERIFY(addCompany(QStringLiteral("2"), QStringLiteral("İki"), QStringLiteral("b")));
    }
    MessageScript script;
    Tsifreyigirin w;
    w.show();
    auto *list = child<QListWidget>(w, "kullanicilar");
    if (withCompany)
        list->setCurrentRow(1);
    int opened = 0;
    setModalHandler([&](QDialog *d) {
        if (!qobject_cast<Tkullanici_islemleri *>(d))
            return int(QDialog::Rejected);
        ++opened;
        // Stand in for what the dialog writes, so the reload can be seen.
        CompanyRow row;
        row.KOD = QStringLiteral("9");
        row.AD = QStringLiteral("Yeni");
        row.S_SOR = true;
        CompanyList::append(row);
        return int(QDialog::Accepted);
    });
    child<QAbstractButton>(w, qPrintable(button))->click();
    VERIFY_MESSAGES(script);
    QCOMPARE(opened, 1);
    QCOMPARE(list->count(), withCompany ? 3 : 1);
    QCOMPARE(list->item(list->count() - 1)->text(), QStringLiteral("Yeni [ 9 ]"));
    // The company acted on stays selected.
    QCOMPARE(list->currentRow(), withCompany ? 1 : 0);
}

void TestTsifreyigirin::widenButtonSlidesBothWays()
{
    TestProgramDir dir;
    Tsifreyigirin w;
    w.show();
    QCOMPARE(w.width(), Tsifreyigirin::kNarrowWidth);
    QWidget *column = child(w, "sirketislemleri");
    QVERIFY(!column->isVisible());
    auto *widen = child<QAbstractButton>(w, "genislet");
    widen->click();
    QTRY_COMPARE_WITH_TIMEOUT(w.width(), Tsifreyigirin::kWideWidth, 3000);
    QTRY_VERIFY(column->isVisible());
    // The column lies inside the window once it is wide.
    QVERIFY(w.rect().contains(column->geometry()));
    // The last entry opens the temporary files window.
    QString opened;
    setModalHandler([&](QDialog *d) {
        opened = d->objectName();
        return int(QDialog::Rejected);
    });
    child<QAbstractButton>(w, "gecicidosyalar")->click();
    setModalHandler({});
    QCOMPARE(opened, QStringLiteral("gecici_dosyalar"));
    widen->click();
    QTRY_COMPARE_WITH_TIMEOUT(w.width(), Tsifreyigirin::kNarrowWidth, 3000);
    QTRY_VERIFY(!column->isVisible());
    QCOMPARE(w.height(), Tsifreyigirin::kHeight);
}

void TestTsifreyigirin::aboutAndContact_data()
{
    QTest::addColumn<QString>("button");     // or empty: the list menu entry
    QTest::addColumn<QString>("menuEntry");
    QTest::addColumn<bool>("contact");
    QTest::newRow("about button") << "hakkinda" << "" << false;
    QTest::newRow("about from list menu") << "" << "Hakkında" << false;
    QTest::newRow("contact button") << "iletisim" << "" << true;
    QTest::newRow("contact from list menu") << "" << "İletişim Formu" << true;
}

void TestTsifreyigirin::aboutAndContact()
{
    QFETCH(QString, button);
    QFETCH(QString, menuEntry);
    QFETCH(bool, contact);
    TestProgramDir dir;
    MessageScript script;
    if (!contact)
        script.expect(QStringLiteral("1.9.2"));
    QStringList shown;
    setModalHandler([&](QDialog *d) {
        shown << QString::fromLatin1(d->metaObject()->className());
        return int(QDialog::Rejected);
    });
    Tsifreyigirin w;
    w.show();
    if (button.isEmpty()) {
        std::unique_ptr<QMenu> menu(w.buildListMenu(&w));
        QAction *a = findAction(menu.get(), menuEntry);
        QVERIFY(a);
        a->trigger();
    } else {
        child<QAbstractButton>(w, qPrintable(button))->click();
    }
    VERIFY_MESSAGES(script);
    QCOMPARE(shown, contact ? QStringList{QStringLiteral("Tiletisim_formu")} : QStringList{});
    if (!contact)
        QCOMPARE(script.recorded().first().caption, QStringLiteral("Hakkında"));
    QVERIFY(w.isVisible());
}

void TestTsifreyigirin::dragMovesTheWindow_data()
{
    QTest::addColumn<QString>("target"); // empty: the background
    QTest::newRow("background") << "";
    QTest::newRow("date label") << "tarih";
    QTest::newRow("password panel") << "parolapanel";
}

void TestTsifreyigirin::dragMovesTheWindow()
{
    QFETCH(QString, target);
    TestProgramDir dir;
    QVERIFY(dir.openCompanyList());
    QVERIFY(addCompany(QStringLiteral("1"), QStringLiteral("Bir"), QStringLiteral("a")));
    Tsifreyigirin w;
    w.show();
    QWidget *on = target.isEmpty() ? static_cast<QWidget *>(&w) : child(w, qPrintable(target));
    QVERIFY(on && on->isVisible());
    const QPoint local = target.isEmpty() ? QPoint(18, 200) : QPoint(3, 3);
    const QPoint start = w.pos();
    const QPointF global = on->mapToGlobal(QPointF(local));
    const QPointF to = global + QPointF(30, 20);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(local), global, Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(on, &press);
    QMouseEvent move(QEvent::MouseMove, QPointF(local) + QPointF(30, 20), to, Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(on, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(local) + QPointF(30, 20), to, Qt::LeftButton,
                        Qt::NoButton, {});
    QApplication::sendEvent(on, &release);
    QCOMPARE(w.pos(), start + QPoint(30, 20));
}

VR_TEST(TestTsifreyigirin)
#include "tst_Tsifreyigirin.moc"
