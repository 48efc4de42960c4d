#include "app/CompanyList.h"
#include "app/company/Tkullanici_islemleri.h"
#include "data/CompanyFiles.h"
#include "dialogs/ModalRunner.h"
#include "platform/AppContext.h"
#include "platform/crypto/PasswordDigest.h"
#include "platform/sqlite/Database.h"
#include "support/MessageScript.h"
#include "support/TestProgramDir.h"
#include "support/TestRegistry.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Page = Tkullanici_islemleri::Page;

QLineEdit *field(QWidget *dialog, const QString &name)
{
    return dialog->findChild<QLineEdit *>(name);
}

void click(QWidget *dialog, const QString &page, const QString &caption)
{
    auto *pageWidget = dialog->findChild<QWidget *>(page);
    QVERIFY2(pageWidget, qPrintable(page));
    for (QPushButton *b : pageWidget->findChildren<QPushButton *>()) {
        if (b->text() == caption) {
            b->click();
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no button ") + caption + QStringLiteral(" on ") + page));
}

QString currentPage(QWidget *dialog)
{
    return dialog->findChild<QStackedWidget *>()->currentWidget()->objectName();
}

CompanyRow rowOf(const QString &code)
{
    for (const CompanyRow &r : CompanyList::load())
        if (r.KOD == code)
            return r;
    return {};
}

QByteArray bytesOf(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &file, const QByteArray &bytes)
{
    QFile f(file);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QStringList tablesIn(const QString &file)
{
    QStringList tables;
    QString error;
    if (!Database::open(file, &error, QStringLiteral("tables-check")))
        return tables;
    {
        QSqlQuery q(Database::connection(QStringLiteral("tables-check")));
        q.exec(QStringLiteral("SELECT name FROM sqlite_schema WHERE type='table' AND name NOT LIKE 'sqlite_%'"));
        while (q.next())
            tables << q.value(0).toString();
    }
    Database::close(QStringLiteral("tables-check"));
    return tables;
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Company 7 with a few files of its own beside one of company 17, whose
// files share the suffix's digits and must survive.
struct DeleteFixture
{
    TestProgramDir dir;
    QMap<QString, QByteArray> files; // full path -> bytes before deletion
    QString otherCompanyFile;

    bool setUp()
    {
        if (!dir.openCompanyList() || !dir.createCompany(QStringLiteral("7"), QStringLiteral("Yedi"), QStringLiteral("gizli")))
            return false;
        const QString data = appContext().dataDir() + u'/';
        otherCompanyFile = data + QStringLiteral("sirket_17.db");
        if (!writeFile(data + QStringLiteral("anastokgirisi_7.PX"), "index bytes")
            || !writeFile(data + QStringLiteral("notlar_7.MB"), QByteArray(3000, 'n'))
            || !writeFile(otherCompanyFile, "another company"))
            return false;
        for (const QString &f : CompanyFiles::companyFiles(appContext().dataDir(), QStringLiteral("7")))
            files.insert(f, bytesOf(f));
        return files.size() == 3;
    }

    QStringList backupDirs() const
    {
        return QDir(appContext().workDir)
            .entryList({QStringLiteral("[0-9][0-9]-[0-9][0-9]-[0-9][0-9][0-9]")}, QDir::Dirs | QDir::NoDotAndDotDot);
    }

    // Every file is back with the bytes it had.
    void verifyUnchanged() const
    {
        QCOMPARE(CompanyFiles::companyFiles(appContext().dataDir(), QStringLiteral("7")).size(), files.size());
        for (auto it = files.cbegin(); it != files.cend(); ++it)
            QVERIFY2(bytesOf(it.key()) == it.value(), qPrintable(it.key()));
        QCOMPARE(rowOf(QStringLiteral("7")).AD, QStringLiteral("Yedi"));
    }
};

void answerDeletion(MessageScript &script)
{
    script.expect(QStringLiteral("Şirketi silebilmeniz"), Msg::Ok, QStringLiteral("gizli"))
        .expect(QStringLiteral("Aktif Şirket Silinecek"), Msg::Yes)
        .expect(QStringLiteral("vazgeçilsin mi"), Msg::No);
}

} // namespace

class TestTkullanici_islemleri : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();

    void oneCompanyRule();
    void createRefuses_data();
    void createRefuses();
    void createMakesFilesAndRow();
    void createKeepsAndReportsExistingFile();
    void createFailureTakesBackItsFiles_data();
    void createFailureTakesBackItsFiles();
    void typedCharactersAreFiltered_data();
    void typedCharactersAreFiltered();
    void pasteIsNotFiltered();
    void passwordFieldsShowStars();

    void changePassword_data();
    void changePassword();
    void renameTakesNameAsTyped();

    void deletePageListsCompanyFiles();
    void deleteRemovesFilesAndRow_data();
    void deleteRemovesFilesAndRow();
    void deleteStops_data();
    void deleteStops();
    void failedRemovalRestoresEveryFile();
    void deleteDetachesAttachedCompanyFile();

private:
    QTemporaryDir m_dataHome; // the recycle bin lives here, not in the real home
};

void TestTkullanici_islemleri::initTestCase()
{
    QVERIFY(m_dataHome.isValid());
    qputenv("XDG_DATA_HOME", m_dataHome.path().toUtf8());
}

void TestTkullanici_islemleri::cleanupTestCase()
{
    qunsetenv("XDG_DATA_HOME");
}

void TestTkullanici_islemleri::cleanup()
{
    setModalHandler({});
}

void TestTkullanici_islemleri::oneCompanyRule()
{
    TestProgramDir dir;
    QVERIFY(dir.openCompanyList());
    QStringList shown;
    setModalHandler([&](QDialog *d) {
        shown << currentPage(d);
        return int(QDialog::Rejected);
    });

    // Empty list: the dialog opens on the create page.
    QVERIFY(Tkullanici_islemleri::run(Page::Yeni_Kullanici, {}, nullptr));
    QCOMPARE(shown, QStringList{QStringLiteral("Yeni_Kullanici")});

    QVERIFY(dir.createCompany(QStringLiteral("1"), QStringLiteral("Bir"), QStringLiteral("x")));
    MessageScript script;
    script.expect(QStringLiteral("\r\nSistem Bir Şirket İle çalışabilir !"));
    QVERIFY(!Tkullanici_islemleri::run(Page::Yeni_Kullanici, {}, nullptr));
    VERIFY_MESSAGES(script);
    QCOMPARE(script.recorded().first().caption, QStringLiteral("Dikkat !"));
    QCOMPARE(script.recorded().first().kind, Msg::Kind::Warning);
    QCOMPARE(shown.size(), 1);
}

void TestTkullanici_islemleri::createRefuses_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    const QString notNumber = QStringLiteral("\r\nŞirket Numarası sayısal bilgi içermeli.");
    QTest::newRow("empty number") << "" << "" << "Deneme" << "x" << "Dikkat" << notNumber << "sirketNo";
    QTest::newRow("letters pasted") << "" << "abc" << "Deneme" << "x" << "Dikkat" << notNumber << "sirketNo";
    QTest::newRow("sign pasted") << "" << "-5" << "Deneme" << "x" << "Dikkat" << notNumber << "sirketNo";
    QTest::newRow("above 32 bits") << "" << "2147483648" << "Deneme" << "x" << "Dikkat" << notNumber << "sirketNo";
    // The field keeps ten of the eleven digits, still too large.
    QTest::newRow("11 digits pasted") << "" << "99999999999" << "Deneme" << "x" << "Dikkat" << notNumber << "sirketNo";
    QTest::newRow("blank name") << "" << "5" << "   " << "x" << "Hata"
                                << "\r\nŞİRKET ADINI GİRMEK ZORUNDASINIZ." << "sirketAdi";
    QTest::newRow("empty password") << "" << "5" << "Deneme" << "" << "Hata"
                                    << "\r\nYETKİLİ PAROLASI BELİRTİLMEMİŞ." << "parola";
    QTest::newRow("same name, other case") << "company" << "5" << " IŞIK LTD " << "x" << "Hata"
                                           << "\r\nOLUŞTURMAK İSTEDİĞİNİZ ŞİRKET ADI MEVCUT.\r\nFARKLI BİR ŞİRKET ADI GİRİNİZ."
                                           << "sirketAdi";
    QTest::newRow("same number") << "company" << "3" << "Başka" << "x" << "Hata"
                                 << "\r\nOLUŞTURMAK İSTEDİĞİNİZ ŞİRKET NO MEVCUT.\r\nFARKLI BİR ŞİRKET NO GİRİNİZ."
                                 << "sirketAdi";
    QTest::newRow("stray directory") << "stray" << "5" << "Deneme" << "x" << "Uyarı"
                                     << "\r\nŞirket Listesinde Tanımlı Olmayan\r\nOluşturmaya çalıştığınız Şirket No "
                                        "değerine sahip Dizin Bulundu\r\n\r\nÇözüm - 1: Programı kurduğunuz dizine girip "
                                        "oluşturmaya \r\nçalıştığınız şirket numarasına sahip bir dizin olduğunu "
                                        "\r\ngöreceksiniz.\r\nEğer bu dizin boş ise yada kullanılmayan bir şirkete "
                                        "aitse\r\nbu dizini silebilir ve işleme devam edebilirsiniz."
                                     << "";
    QTest::newRow("no template directory") << "noTemplates" << "5" << "Deneme" << "x" << "Hata"
                                           << "\r\nVeri Tabanı Kaynağı Bulunamadı." << "";
    QTest::newRow("empty template directory") << "emptyTemplates" << "5" << "Deneme" << "x" << "Hata"
                                              << "\r\nVeri Tabanı Kaynağı Bulunamadı." << "";
}

void TestTkullanici_islemleri::createRefuses()
{
    QFETCH(QString, setup);
    QFETCH(QString, number);
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, caption);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    TestProgramDir dir;
    QVERIFY(dir.openCompanyList());
    if (setup == u"company")
        QVERIFY(dir.createCompany(QStringLiteral("3"), QStringLiteral("ışık ltd"), QStringLiteral("x")));
    else if (setup == u"stray")
        QVERIFY(QDir().mkpath(dir.file(QStringLiteral("5"))));
    else if (setup == u"noTemplates")
        QVERIFY(QDir(appContext().templateDir()).removeRecursively());
    else if (setup == u"emptyTemplates")
        QVERIFY(QFile::remove(appContext().templateDir() + QStringLiteral("/sirket.db")));
    const qsizetype rowsBefore = CompanyList::load().size();

    Tkullanici_islemleri dialog(Page::Yeni_Kullanici, {});
    field(&dialog, QStringLiteral("sirketNo"))->setText(number);
    field(&dialog, QStringLiteral("sirketAdi"))->setText(name);
    field(&dialog, QStringLiteral("parola"))->setText(password);
    field(&dialog, QStringLiteral("hatirlatma"))->setFocus();

    MessageScript script;
    script.expect(message);
    click(&dialog, QStringLiteral("Yeni_Kullanici"), QStringLiteral("OLUŞTUR"));
    VERIFY_MESSAGES(script);
    QCOMPARE(script.recorded().size(), 1);
    QCOMPARE(script.recorded().first().text, message);
    QCOMPARE(script.recorded().first().caption, caption);
    if (!focus.isEmpty())
        QCOMPARE(dialog.focusWidget()->objectName(), focus);
    QCOMPARE(currentPage(&dialog), QStringLiteral("Yeni_Kullanici"));
    QCOMPARE(CompanyList::load().size(), rowsBefore);
    QVERIFY(CompanyFiles::companyFiles(appContext().dataDir(), QStringLiteral("5")).isEmpty());
}

void TestTkullanici_islemleri::createMakesFilesAndRow()
{
    TestProgramDir dir;
    QVERIFY(dir.openCompanyList());
    // A second template file is copied under the same naming rule, bytes untouched.
    QVERIFY(writeFile(appContext().templateDir() + QStringLiteral("/anastokgirisi.PX"), "px bytes"));

    Tkullanici_islemleri dialog(Page::Yeni_Kullanici, {});
    QVERIFY(dialog.findChild<QLabel *>(QStringLiteral("bilgi"))
                ->text()
                .startsWith(QStringLiteral("DİKKAT:Bu işlem sonrasında ") + native(dir.path())
                            + QStringLiteral(" Dizininde Girmiş olduğunuz KULLANICI KODU")));
    field(&dialog, QStringLiteral("sirketNo"))->setText(QStringLiteral("5"));
    field(&dialog, QStringLiteral("sirketAdi"))->setText(QStringLiteral("  Deneme Ltd  "));
    field(&dialog, QStringLiteral("parola"))->setText(QStringLiteral("gizli"));
    field(&dialog, QStringLiteral("hatirlatma"))->setText(QStringLiteral("kedinin adı"));

    MessageScript script;
    click(&dialog, QStringLiteral("Yeni_Kullanici"), QStringLiteral("OLUŞTUR"));
    VERIFY_MESSAGES(script);

    const QString data = appContext().dataDir() + u'/';
    QCOMPARE(bytesOf(data + QStringLiteral("anastokgirisi_5.PX")), QByteArray("px bytes"));
    const QStringList tables = tablesIn(data + QStringLiteral("sirket_5.db"));
    QVERIFY(tables.contains(QStringLiteral("anastokgirisi_5")));
    QVERIFY(tables.contains(QStringLiteral("stokhareketi_5")));
    QVERIFY(tables.contains(QStringLiteral("ref_anastokgirisi_5")));
    for (const QString &t : tables)
        QVERIFY2(t.endsWith(QStringLiteral("_5")), qPrintable(t));

    const QList<CompanyRow> rows = CompanyList::load();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].KOD, QStringLiteral("5"));
    QCOMPARE(rows[0].AD, QStringLiteral("Deneme Ltd"));
    QCOMPARE(rows[0].SIFRE, passwordDigest(QStringLiteral("gizli")));
    QCOMPARE(rows[0].GSORU, QStringLiteral("kedinin adı"));
    QVERIFY(rows[0].S_SOR);
    QVERIFY(rows[0].SIFRE2.isEmpty());
    QVERIFY(!rows[0].SGRS.isValid());

    QCOMPARE(currentPage(&dialog), QStringLiteral("SONN"));
    QCOMPARE(dialog.resultLine(), QStringLiteral("Sonuç : Şirket başarıyla oluşturuldu...\r\n")
                                      + native(dir.path() + QStringLiteral("dbs/*_5.*")));
    QVERIFY(dialog.findChild<QProgressBar *>(QStringLiteral("olusturmaIlerleme"))->isHidden());
    click(&dialog, QStringLiteral("SONN"), QStringLiteral("ÇIKIŞ"));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestTkullanici_islemleri::createKeepsAndReportsExistingFile()
{
    TestProgramDir dir;
    QVERIFY(dir.openCompanyList());
    QVERIFY(writeFile(appContext().templateDir() + QStringLiteral("/anastokgirisi.PX"), "template"));
    const QString existing = appContext().dataDir() + QStringLiteral("/anastokgirisi_5.PX");
    QVERIFY(writeFile(existing, "left over"));

    Tkullanici_islemleri dialog(Page::Yeni_Kullanici, {});
    field(&dialog, QStringLiteral("sirketNo"))->setText(QStringLiteral("5"));
    field(&dialog, QStringLiteral("sirketAdi"))->setText(QStringLiteral("Deneme"));
    field(&dialog, QStringLiteral("parola"))->setText(QStringLiteral("x"));
    MessageScript script;
    script.expect(QStringLiteral("Dosya mevcut : ") + native(existing));
    click(&dialog, QStringLiteral("Yeni_Kullanici"), QStringLiteral("OLUŞTUR"));
    VERIFY_MESSAGES(script);
    QCOMPARE(script.recorded().first().kind, Msg::Kind::Plain);
    QCOMPARE(bytesOf(existing), QByteArray("left over"));
    QVERIFY(tablesIn(appContext().dataDir() + QStringLiteral("/sirket_5.db")).contains(QStringLiteral("anastokgirisi_5")));
    QCOMPARE(rowOf(QStringLiteral("5")).AD, QStringLiteral("Deneme"));
}

void TestTkullanici_islemleri::createFailureTakesBackItsFiles_data()
{
    QTest::addColumn<QString>("extraTemplate");
    QTest::addColumn<QByteArray>("extraBytes");
    QTest::addColumn<QString>("blockedTarget");
    QTest::addColumn<QString>("failedFile");

    // "a.txt" is copied before the blocked sirket_5.db and must be taken back.
    QTest::newRow("target name taken by a directory") << "a.txt" << QByteArray("text") << "sirket_5.db" << "sirket_5.db";
    // sirket_5.db is copied and prepared first; the broken one fails while being prepared.
    QTest::newRow("template that is no database") << "zbozuk.db" << QByteArray(4096, 'x') << "" << "zbozuk_5.db";
}

void TestTkullanici_islemleri::createFailureTakesBackItsFiles()
{
    QFETCH(QString, extraTemplate);
    QFETCH(QByteArray, extraBytes);
    QFETCH(QString, blockedTarget);
    QFETCH(QString, failedFile);

    TestProgramDir dir;
    QVERIFY(dir.openCompanyList());
    QVERIFY(writeFile(appContext().templateDir() + u'/' + extraTemplate, extraBytes));
    const QString data = appContext().dataDir() + u'/';
    if (!blockedTarget.isEmpty())
        QVERIFY(QDir().mkpath(data + blockedTarget));

    Tkullanici_islemleri dialog(Page::Yeni_Kullanici, {});
    field(&dialog, QStringLiteral("sirketNo"))->setText(QStringLiteral("5"));
    field(&dialog, QStringLiteral("sirketAdi"))->setText(QStringLiteral("Deneme"));
    field(&dialog, QStringLiteral("parola"))->setText(QStringLiteral("x"));
    MessageScript script;
    script.expect(QStringLiteral("\r\nŞirket dosyaları oluşturulamadı.\r\n") + native(data + failedFile));
    click(&dialog, QStringLiteral("Yeni_Kullanici"), QStringLiteral("OLUŞTUR"));
    VERIFY_MESSAGES(script);
    QCOMPARE(script.recorded().first().kind, Msg::Kind::Error);

    QVERIFY(CompanyList::isEmpty());
    QCOMPARE(currentPage(&dialog), QStringLiteral("Yeni_Kullanici"));
    QVERIFY(dialog.findChild<QWidget *>(QStringLiteral("Yeni_Kullanici"))->isEnabled());
    QStringList left = QDir(data).entryList({QStringLiteral("*_5*")}, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(left, blockedTarget.isEmpty() ? QStringList() : QStringList{blockedTarget});
}

void TestTkullanici_islemleri::typedCharactersAreFiltered_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");

    QTest::newRow("company number") << "sirketNo" << "1a2 !3-" << "123";
    const QString typed = QStringLiteral("A!b\"c%d'e*f;g^h.1");
    const QString kept = QStringLiteral("Abcdefgh.1");
    for (const char *name : {"sirketAdi", "parola", "hatirlatma", "eskiParola", "yeniParola", "parolaDogrula",
                             "sifreHatirlatma", "yeniAd"})
        QTest::newRow(name) << name << typed << kept;
}

void TestTkullanici_islemleri::typedCharactersAreFiltered()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, expected);

    TestProgramDir dir;
    Tkullanici_islemleri dialog(Page::Yeni_Kullanici, {});
    QLineEdit *edit = field(&dialog, name);
    QVERIFY(edit);
    edit->clear();
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), expected);
    // Editing keys are never refused, not even by the digits-only field.
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), expected.chopped(1));
}

void TestTkullanici_islemleri::pasteIsNotFiltered()
{
    TestProgramDir dir;
    Tkullanici_islemleri dialog(Page::Yeni_Kullanici, {});
    for (const QString &name : {QStringLiteral("sirketNo"), QStringLiteral("sirketAdi")}) {
        QLineEdit *edit = field(&dialog, name);
        QGuiApplication::clipboard()->setText(QStringLiteral("a!;"));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), QStringLiteral("a!;"));
    }
}

void TestTkullanici_islemleri::passwordFieldsShowStars()
{
    TestProgramDir dir;
    Tkullanici_islemleri dialog(Page::Yeni_Kullanici, {});
    for (const char *name : {"parola", "hatirlatma", "eskiParola", "yeniParola", "parolaDogrula"}) {
        QLineEdit *edit = field(&dialog, QLatin1String(name));
        QCOMPARE(edit->echoMode(), QLineEdit::Password);
        QCOMPARE(edit->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, edit), int(u'*'));
    }
}

void TestTkullanici_islemleri::changePassword_data()
{
    QTest::addColumn<QString>("oldPassword");
    QTest::addColumn<QString>("newPassword");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    QTest::newRow("wrong old password") << "Gizli" << "yeni" << "yeni"
                                        << "\r\nESKİ KULLANICI PAROLASINI YANLIŞ GİRDİNİZ..." << "eskiParola";
    QTest::newRow("confirmation differs") << "gizli" << "yeni" << "yenı"
                                          << "\r\nGİRDİĞİNİZ ŞİFRELER BİRBİRİNİ TUTMUYOR." << "yeniParola";
    QTest::newRow("changed") << "gizli" << "yeni" << "yeni" << "" << "";
    QTest::newRow("empty new password") << "gizli" << "" << "" << "" << "";
}

void TestTkullanici_islemleri::changePassword()
{
    QFETCH(QString, oldPassword);
    QFETCH(QString, newPassword);
    QFETCH(QString, confirmation);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    TestProgramDir dir;
    QVERIFY(dir.openCompanyList());
    QVERIFY(dir.createCompany(QStringLiteral("7"), QStringLiteral("Yedi"), QStringLiteral("gizli")));
    QVERIFY(QSqlQuery(Database::connection()).exec(QStringLiteral("UPDATE kblg SET GSORU = 'kedi', S_SOR = 0")));
    const CompanyRow before = rowOf(QStringLiteral("7"));

    Tkullanici_islemleri dialog(Page::Sifre_Degistir, before);
    QCOMPARE(currentPage(&dialog), QStringLiteral("Sifre_Degistir"));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("sifreSirketAdi"))->text(),
             QStringLiteral("Şifresi Değiştirilecek Kullanıcı Adı :Yedi"));
    QCOMPARE(field(&dialog, QStringLiteral("sifreHatirlatma"))->text(), QStringLiteral("kedi"));
    field(&dialog, QStringLiteral("eskiParola"))->setText(oldPassword);
    field(&dialog, QStringLiteral("yeniParola"))->setText(newPassword);
    field(&dialog, QStringLiteral("parolaDogrula"))->setText(confirmation);
    field(&dialog, QStringLiteral("sifreHatirlatma"))->setText(QStringLiteral("köpek"));

    MessageScript script;
    if (!message.isEmpty())
        script.expect(message);
    click(&dialog, QStringLiteral("Sifre_Degistir"), QStringLiteral("SON"));
    VERIFY_MESSAGES(script);

    const CompanyRow after = rowOf(QStringLiteral("7"));
    if (!message.isEmpty()) {
        QCOMPARE(script.recorded().first().kind, Msg::Kind::Error);
        QCOMPARE(dialog.focusWidget()->objectName(), focus);
        QCOMPARE(currentPage(&dialog), QStringLiteral("Sifre_Degistir"));
        QCOMPARE(after.SIFRE, before.SIFRE);
        QCOMPARE(after.GSORU, QStringLiteral("kedi"));
        return;
    }
    QCOMPARE(after.SIFRE, passwordDigest(newPassword));
    QCOMPARE(after.GSORU, QStringLiteral("köpek"));
    QVERIFY(after.S_SOR);
    QCOMPARE(currentPage(&dialog), QStringLiteral("SONN"));
    QCOMPARE(dialog.resultLine(), QStringLiteral("Sonuç : Şifreniz başarıyla değiştirildi..."));
}

void TestTkullanici_islemleri::renameTakesNameAsTyped()
{
    TestProgramDir dir;
    QVERIFY(dir.openCompanyList());
    QVERIFY(dir.createCompany(QStringLiteral("7"), QStringLiteral("Yedi"), QStringLiteral("gizli")));
    Tkullanici_islemleri dialog(Page::Degis, rowOf(QStringLiteral("7")));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("degisSirketAdi"))->text(),
             QStringLiteral("Değiştirilecek Şirket Adı :Yedi"));
    field(&dialog, QStringLiteral("yeniAd"))->setText(QStringLiteral(" Yedi & Oğulları "));
    MessageScript script;
    click(&dialog, QStringLiteral("Degis"), QStringLiteral("SON"));
    VERIFY_MESSAGES(script);
    QCOMPARE(rowOf(QStringLiteral("7")).AD, QStringLiteral(" Yedi & Oğulları "));
    QCOMPARE(dialog.resultLine(), QStringLiteral("Sonuç : Şirket adı başarıyla değiştirildi..."));
}

void TestTkullanici_islemleri::deletePageListsCompanyFiles()
{
    DeleteFixture fx;
    QVERIFY(fx.setUp());
    Tkullanici_islemleri dialog(Page::Sil, rowOf(QStringLiteral("7")));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("silSirketAdi"))->text(),
             QStringLiteral("Silinecek şirket adı :Yedi ; 7"));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("dosyaBaslik"))->text(),
             QStringLiteral("Silinecek Kullanıcı Dosyaları  [ 3 Dosya ] :"));
    auto *list = dialog.findChild<QListWidget *>(QStringLiteral("dosyaListesi"));
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->item(i)->text();
    QStringList expected;
    for (const QString &f : fx.files.keys())
        expected << native(f);
    shown.sort();
    QCOMPARE(shown, expected);
    QVERIFY(dialog.findChild<QRadioButton *>(QStringLiteral("geriDonusum"))->isChecked());
}

void TestTkullanici_islemleri::deleteRemovesFilesAndRow_data()
{
    QTest::addColumn<bool>("forGood");
    QTest::newRow("Tamamen Sil") << true;
    QTest::newRow("Geri Dönüşüm Kutusu") << false;
}

void TestTkullanici_islemleri::deleteRemovesFilesAndRow()
{
    QFETCH(bool, forGood);
    DeleteFixture fx;
    QVERIFY(fx.setUp());
    QDir(m_dataHome.path() + QStringLiteral("/Trash")).removeRecursively();

    Tkullanici_islemleri dialog(Page::Sil, rowOf(QStringLiteral("7")));
    if (forGood)
        dialog.findChild<QRadioButton *>(QStringLiteral("tamamenSil"))->setChecked(true);
    MessageScript script;
    answerDeletion(script);
    click(&dialog, QStringLiteral("Sil"), QStringLiteral("SON"));
    VERIFY_MESSAGES(script);

    const QList<Msg::Message> &m = script.recorded();
    QCOMPARE(m[0].kind, Msg::Kind::Input);
    QCOMPARE(m[0].caption, QStringLiteral("@@Parola?"));
    QCOMPARE(m[0].text, QStringLiteral("Şirketi silebilmeniz için\rKullanıcı parolasını giriniz."));
    QVERIFY(m[0].password);
    QCOMPARE(m[1].caption, QStringLiteral("Dikkat !!!"));
    QCOMPARE(m[1].text, QStringLiteral("\r\nAktif Şirket Silinecek\r\n\r\nİşlemi onatlıyor musunuz?"));
    QCOMPARE(m[1].defaultButton, Msg::No);
    QCOMPARE(m[2].caption, QStringLiteral("Uyarı"));
    QCOMPARE(m[2].text, QStringLiteral("\r\nŞirket silme işleminden vazgeçilsin mi?"));
    QCOMPARE(m[2].buttons, Msg::Buttons(Msg::Yes) | Msg::No);

    QVERIFY(CompanyFiles::companyFiles(appContext().dataDir(), QStringLiteral("7")).isEmpty());
    QCOMPARE(bytesOf(fx.otherCompanyFile), QByteArray("another company"));
    QVERIFY(CompanyList::isEmpty());
    QCOMPARE(currentPage(&dialog), QStringLiteral("SONN"));
    QCOMPARE(dialog.resultLine(), QStringLiteral("Sonuç : Şirket dosyaları silidi..."));

    const QStringList backups = fx.backupDirs();
    QCOMPARE(backups.size(), 1);
    for (auto it = fx.files.cbegin(); it != fx.files.cend(); ++it) {
        const QString name = QFileInfo(it.key()).fileName();
        QCOMPARE(bytesOf(appContext().workDir + backups[0] + u'/' + name), it.value());
        QCOMPARE(QFile::exists(m_dataHome.path() + QStringLiteral("/Trash/files/") + name), !forGood);
    }
}

void TestTkullanici_islemleri::deleteStops_data()
{
    QTest::addColumn<QString>("stopAt");
    QTest::addColumn<QString>("lastMessage");
    QTest::newRow("no company code") << "code" << "\r\nKullanıcı koduna erişilemedi.";
    QTest::newRow("password box cancelled") << "cancel" << "Şirketi silebilmeniz";
    QTest::newRow("wrong password") << "wrong" << "\r\nPAROLA DOĞRULANAMADI...";
    QTest::newRow("not confirmed") << "no" << "Aktif Şirket Silinecek";
    QTest::newRow("given up") << "giveUp" << "vazgeçilsin mi";
}

void TestTkullanici_islemleri::deleteStops()
{
    QFETCH(QString, stopAt);
    QFETCH(QString, lastMessage);
    DeleteFixture fx;
    QVERIFY(fx.setUp());
    CompanyRow row = rowOf(QStringLiteral("7"));
    if (stopAt == u"code")
        row.KOD.clear();

    Tkullanici_islemleri dialog(Page::Sil, row);
    dialog.findChild<QRadioButton *>(QStringLiteral("tamamenSil"))->setChecked(true);
    MessageScript script;
    if (stopAt == u"code") {
        script.expect(lastMessage);
    } else if (stopAt == u"cancel") {
        script.expect(lastMessage, Msg::Cancel, QStringLiteral("gizli"));
    } else if (stopAt == u"wrong") {
        script.expect(QStringLiteral("Şirketi silebilmeniz"), Msg::Ok, QStringLiteral("Gizli")).expect(lastMessage);
    } else {
        script.expect(QStringLiteral("Şirketi silebilmeniz"), Msg::Ok, QStringLiteral("gizli"))
            .expect(QStringLiteral("Aktif Şirket Silinecek"), stopAt == u"no" ? Msg::No : Msg::Yes);
        if (stopAt == u"giveUp")
            script.expect(lastMessage, Msg::Yes);
    }
    click(&dialog, QStringLiteral("Sil"), QStringLiteral("SON"));
    VERIFY_MESSAGES(script);
    QVERIFY(script.recorded().last().text.contains(lastMessage));
    QCOMPARE(currentPage(&dialog), QStringLiteral("Sil"));
    fx.verifyUnchanged();
}

void TestTkullanici_islemleri::failedRemovalRestoresEveryFile()
{
    DeleteFixture fx;
    QVERIFY(fx.setUp());
    Tkullanici_islemleri dialog(Page::Sil, rowOf(QStringLiteral("7")));
    int calls = 0;
    dialog.setRemover([&calls](const QString &file) { return ++calls < 2 && QFile::remove(file); });

    MessageScript script;
    answerDeletion(script);
    script.expect(QStringLiteral("\r\nŞirket Silinemedi."));
    click(&dialog, QStringLiteral("Sil"), QStringLiteral("SON"));
    VERIFY_MESSAGES(script);
    QCOMPARE(calls, 2);
    QCOMPARE(script.recorded().last().caption, QStringLiteral("Dikkat"));
    QCOMPARE(script.recorded().last().kind, Msg::Kind::Error);
    fx.verifyUnchanged();
    QCOMPARE(currentPage(&dialog), QStringLiteral("SONN"));
    QCOMPARE(dialog.resultLine(), QStringLiteral("Sonuç : Şirket SİLİNEMEDİ..."));
    QCOMPARE(fx.backupDirs().size(), 1);
}

void TestTkullanici_islemleri::deleteDetachesAttachedCompanyFile()
{
    DeleteFixture fx;
    QVERIFY(fx.setUp());
    QVERIFY(fx.dir.enterCompany(QStringLiteral("7")));
    QSqlDatabase db = Database::connection();
    QVERIFY(Database::tableExists(db, QStringLiteral("anastokgirisi_7")));

    Tkullanici_islemleri dialog(Page::Sil, rowOf(QStringLiteral("7")));
    dialog.findChild<QRadioButton *>(QStringLiteral("tamamenSil"))->setChecked(true);
    MessageScript script;
    answerDeletion(script);
    click(&dialog, QStringLiteral("Sil"), QStringLiteral("SON"));
    VERIFY_MESSAGES(script);

    QCOMPARE(dialog.resultLine(), QStringLiteral("Sonuç : Şirket dosyaları silidi..."));
    QVERIFY(CompanyFiles::companyFiles(appContext().dataDir(), QStringLiteral("7")).isEmpty());
    QVERIFY(!Database::tableExists(db, QStringLiteral("anastokgirisi_7")));
}

VR_TEST(TestTkullanici_islemleri)
#include "tst_Tkullanici_islemleri.moc"
