#include "app/Tfrmana.h"
#include "data/DataReport.h"
#include "dialogs/ModalRunner.h"
#include "data/TDATALAR.h"
#include "data/TDATAMOD_TMP.h"
#include "data/TDATA_TABLOLAR.h"
#include "platform/AppContext.h"
#include "platform/ini/IniFile.h"
#include "platform/sqlite/Database.h"
#include "support/MessageScript.h"
#include "support/TestProgramDir.h"
#include "support/TestRegistry.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QTest>

namespace {

// A logged-in company 7 with its data modules, as start-up leaves them.
struct LoggedIn
{
    LoggedIn()
    {
        QVERIFY(dir.openCompanyList());
        QVERIFY(dir.createCompany(QStringLiteral("7"), QStringLiteral("Öz Çağ Ltd."), QStringLiteral("x")));
        appContext().companyCode = QStringLiteral("7");
        appContext().companyName = QStringLiteral("Öz Çağ Ltd.");
        window.setDataModules({&datalar, &tablolar, &tmp});
    }
    TestProgramDir dir;
    TDATALAR datalar;
    TDATA_TABLOLAR tablolar;
    TDATAMOD_TMP tmp;
    Tfrmana window;
};

void writeSettings(const QString &path, const QByteArray &text)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

} // namespace

class TestTfrmana : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void firstShowingRunsOnceAndPreparesTheWorkspace();
    void menusHoldTheirItemsAndHiddenOnesStayHidden();
    void toolbarFontFromSettings_data();
    void toolbarFontFromSettings();
    void resetWritesTheDesignedLook();
    void recordCount();
    void closingAsksTheExitDialog();
    void menuItemsOpenTheirDialogs_data();
    void menuItemsOpenTheirDialogs();
};

void TestTfrmana::firstShowingRunsOnceAndPreparesTheWorkspace()
{
    LoggedIn s;
    QVERIFY(!QFile::exists(s.dir.file(QStringLiteral("Ayarlar.ini"))));
    s.window.show();
    QVERIFY(s.window.firstShowingDone());
    QCOMPARE(s.window.windowTitle(), QStringLiteral("Vari Roviz 1.9.2 [ Aktif Şirket: Öz Çağ Ltd. ]"));
    QCOMPARE(s.tablolar.TBIRIMLER->tableName(), QStringLiteral("birimtanimlari_7"));
    QVERIFY(QFile::exists(s.dir.file(QStringLiteral("Ayarlar.ini"))));
    // Hidden and shown again (as around the screen lock): the suffix is not added twice.
    s.window.hide();
    s.window.show();
    QCOMPARE(s.tablolar.TBIRIMLER->tableName(), QStringLiteral("birimtanimlari_7"));
    s.window.resize(1280, s.window.height());
    s.window.grab().save(QStringLiteral("/tmp/frmana.png"));
}

void TestTfrmana::menusHoldTheirItemsAndHiddenOnesStayHidden()
{
    LoggedIn s;
    s.window.show();
    for (const char *hidden : {"StokFiyatlandir", "HizliStokCikisi", "KurGirisi", "GecmisKurlar", "DevirIslemleri"})
        QVERIFY2(!s.window.action(QString::fromLatin1(hidden))->isVisible(), hidden);
    QCOMPARE(s.window.action(QStringLiteral("KayitliStoklar"))->text(), QStringLiteral("Kayıtlı Stoklar && Stok Raporları"));
    QCOMPARE(s.window.action(QStringLiteral("btnEkranKilitle"))->toolTip(), QStringLiteral("Ekran Kilitle [ Ctrl + L ]"));
    // A screen that does not exist yet is offered disabled, never as an empty window.
    QAction *notes = s.window.action(QStringLiteral("Notlar"));
    QVERIFY(!notes->isEnabled());
    QVERIFY(!notes->toolTip().isEmpty());
    QCOMPARE(s.window.action(QStringLiteral("btnNotlar"))->isEnabled(), notes->isEnabled());
}

void TestTfrmana::toolbarFontFromSettings_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::newRow("bold and italic") << QByteArray("[Coolbar]\r\nfont=DejaVu Serif\r\nsize=12\r\nstyle=3\r\n")
                                     << "DejaVu Serif" << 12 << true << true;
    QTest::newRow("size not a number") << QByteArray("[Coolbar]\r\nfont=DejaVu Serif\r\nsize=büyük\r\nstyle=2\r\n")
                                       << "DejaVu Serif" << 8 << false << true;
    QTest::newRow("unknown style") << QByteArray("[Coolbar]\r\nfont=DejaVu Serif\r\nsize=9\r\nstyle=77\r\n")
                                   << "DejaVu Serif" << 9 << false << false;
    QTest::newRow("empty font keeps the design") << QByteArray("[Coolbar]\r\nfont=\r\nsize=20\r\nstyle=1\r\n")
                                                 << "MS Sans Serif" << 10 << false << false;
    QTest::newRow("missing picture ignored") << QByteArray("[Coolbar]\r\nPicturepath=/yok/resim.bmp\r\n")
                                             << "MS Sans Serif" << 10 << false << false;
}

void TestTfrmana::toolbarFontFromSettings()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, family);
    QFETCH(int, size);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    LoggedIn s;
    writeSettings(s.dir.file(QStringLiteral("Ayarlar.ini")), settings);
    s.window.show();
    const QFont f = s.window.toolbarFont();
    QCOMPARE(f.family(), family);
    QCOMPARE(f.pointSize(), size);
    QCOMPARE(f.bold(), bold);
    QCOMPARE(f.italic(), italic);
    QVERIFY(!s.window.hasToolbarPicture());
}

void TestTfrmana::resetWritesTheDesignedLook()
{
    LoggedIn s;
    s.window.show();
    s.window.action(QStringLiteral("VarsayilanAyarlar"))->trigger();
    const IniFile ini(s.dir.file(QStringLiteral("Ayarlar.ini")));
    QCOMPARE(ini.readString(QStringLiteral("Coolbar"), QStringLiteral("font")), QStringLiteral("MS Sans Serif"));
    QCOMPARE(ini.readString(QStringLiteral("Coolbar"), QStringLiteral("size")), QStringLiteral("8"));
    QCOMPARE(ini.readInteger(QStringLiteral("Coolbar"), QStringLiteral("style"), 0), 4);
    QVERIFY(ini.valueExists(QStringLiteral("Coolbar"), QStringLiteral("Picturepath")));
    QCOMPARE(s.window.toolbarFont().pointSize(), 8);
}

void TestTfrmana::recordCount()
{
    LoggedIn s;
    s.window.show();
    QSqlQuery q(Database::connection());
    QVERIFY(q.exec(QStringLiteral("INSERT INTO Notlar_7 (SN, DURUM) VALUES (1, 0), (2, 1), (3, 0)")));
    QCOMPARE(s.window.RC_foras(QStringLiteral("Notlar")), 3);
    QCOMPARE(s.window.RC_foras(QStringLiteral("Notlar"), QStringLiteral("WHERE DURUM = FALSE")), 2);
    QStringList reports;
    DataReport::setErrorDialog([&](const QString &text, const QString &label) { reports << label + u'|' + text; });
    QCOMPARE(s.window.RC_foras(QStringLiteral("YokTablo")), 0);
    DataReport::setErrorDialog({});
    QCOMPARE(reports.size(), 1);
    QVERIFY(reports.first().startsWith(QStringLiteral("RC_foras|")));
    QVERIFY(reports.first().endsWith(QStringLiteral("\r\r\nSELECT count(*) as RECCNT FROM YokTablo_7")));
}

void TestTfrmana::closingAsksTheExitDialog()
{
    LoggedIn s;
    s.window.show();
    QStringList shown;
    setModalHandler([&](QDialog *d) {
        shown << d->objectName();
        return int(QDialog::Rejected); // "Hayır"
    });
    QVERIFY(!s.window.close());
    QVERIFY(s.window.isVisible());
    QVERIFY(Database::isOpen());
    QCOMPARE(s.window.RC_foras(QStringLiteral("anastokgirisi")), 0); // the datasets keep working
    setModalHandler([&](QDialog *d) {
        shown << d->objectName();
        return int(QDialog::Accepted); // "Evet"
    });
    QVERIFY(s.window.close());
    setModalHandler({});
    QVERIFY(!Database::isOpen());
    QCOMPARE(shown.size(), 2);
}

void TestTfrmana::menuItemsOpenTheirDialogs_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("page"); // the page shown, for the definitions
    QTest::newRow("units") << "Birimler" << "birimler_formu" << "BIRIM";
    QTest::newRow("classes") << "Siniflar" << "birimler_formu" << "SINIF";
    QTest::newRow("groups") << "Gruplar" << "birimler_formu" << "GRUP";
    QTest::newRow("vat rate") << "GenelKdvOrani" << "kdv_orani_degis" << QString();
    QTest::newRow("company information") << "FirmaBilgileri" << "f_blg" << QString();
    QTest::newRow("general settings") << "GenelAyarlar" << "ork_genel_ayarlar" << QString();
}

void TestTfrmana::menuItemsOpenTheirDialogs()
{
    QFETCH(QString, item);
    QFETCH(QString, dialog);
    QFETCH(QString, page);
    LoggedIn s;
    s.window.show();
    QString shown, shownPage;
    setModalHandler([&](QDialog *d) {
        shown = d->objectName();
        if (auto *pages = d->findChild<QStackedWidget *>())
            shownPage = pages->currentWidget()->objectName();
        return int(QDialog::Rejected);
    });
    s.window.action(item)->trigger();
    setModalHandler({});
    QCOMPARE(shown, dialog);
    if (!page.isEmpty())
        QCOMPARE(shownPage, page);
}

VR_TEST(TestTfrmana)
#include "tst_Tfrmana.moc"
