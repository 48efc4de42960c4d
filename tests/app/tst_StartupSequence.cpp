#include "app/Startup.h"
#include "app/Tfrmana.h"
#include "app/login/Tsifreyigirin.h"
#include "data/DataReport.h"
#include "dialogs/ModalRunner.h"
#include "platform/AppContext.h"
#include "platform/sqlite/Database.h"
#include "support/MessageScript.h"
#include "support/TestProgramDir.h"
#include "support/TestRegistry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

// The whole start-up sequence, run in the test process with the login answered
// by a modal handler and the main window closed from a timer.
class TestStartupSequence : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void cancelledLoginEndsQuietlyWithoutMainWindow();
    void loginOpensTheMainWindowWhichEndsTheProgram();
};

void TestStartupSequence::cleanup()
{
    setModalHandler({});
    DataReport::setErrorBox({});
    DataReport::setErrorDialog({});
}

void TestStartupSequence::cancelledLoginEndsQuietlyWithoutMainWindow()
{
    TestProgramDir dir;
    QDir(dir.file(QStringLiteral("tsfdb"))).removeRecursively();
    MessageScript script;
    bool mainWindowSeen = false;
    setModalHandler([&](QDialog *d) {
        for (QWidget *w : QApplication::topLevelWidgets())
            mainWindowSeen = mainWindowSeen || qobject_cast<Tfrmana *>(w);
        return qobject_cast<Tsifreyigirin *>(d) ? int(QDialog::Rejected) : -1;
    });
    QCOMPARE(runSession(), 0);
    QVERIFY(!mainWindowSeen);
    VERIFY_MESSAGES(script);
    // The work-table folder and the template exist before the login window opens.
    QVERIFY(QFileInfo(dir.file(QStringLiteral("tsfdb"))).isDir());
    QVERIFY(QFile::exists(dir.file(QStringLiteral("KaynakVeri/sirket.db"))));
    // Only the main window writes the settings template.
    QVERIFY(!QFile::exists(dir.file(QStringLiteral("Ayarlar.ini"))));
    QVERIFY(appContext().companyCode.isEmpty());
}

void TestStartupSequence::loginOpensTheMainWindowWhichEndsTheProgram()
{
    TestProgramDir dir;
    QVERIFY(dir.openCompanyList());
    QVERIFY(dir.createCompany(QStringLiteral("1"), QStringLiteral("Çağ Gıda"), QStringLiteral("parola")));
    Database::close();
    MessageScript script;
    QString caption;
    bool exitAsked = false;
    setModalHandler([&](QDialog *d) {
        if (auto *login = qobject_cast<Tsifreyigirin *>(d)) {
            login->show();
            login->findChild<QLineEdit *>(QStringLiteral("sifre"))->setText(QStringLiteral("parola"));
            login->findChild<QAbstractButton *>(QStringLiteral("giris"))->click();
            // Once the main window has finished its first showing, look at it and close it.
            auto *poll = new QTimer(qApp);
            QObject::connect(poll, &QTimer::timeout, [&, poll] {
                for (QWidget *w : QApplication::topLevelWidgets()) {
                    auto *main = qobject_cast<Tfrmana *>(w);
                    if (!main || !main->firstShowingDone())
                        continue;
                    poll->deleteLater();
                    caption = main->windowTitle();
                    main->close();
                }
            });
            poll->start(20);
            return login->result();
        }
        exitAsked = d->objectName() == u"cikis_formu";
        return int(QDialog::Accepted);
    });
    QCOMPARE(runSession(), 0);
    VERIFY_MESSAGES(script);
    QCOMPARE(caption, QStringLiteral("Vari Roviz 1.9.2 [ Aktif Şirket: Çağ Gıda ]"));
    QVERIFY(exitAsked);
    QVERIFY(!Database::isOpen());
    QVERIFY(QFile::exists(dir.file(QStringLiteral("Ayarlar.ini"))));
    // The login time was recorded in the company list.
    QString error;
    QVERIFY(Database::open(dir.file(QStringLiteral("dbs/kblg.db")), &error));
    QSqlQuery q(Database::connection());
    QVERIFY(q.exec(QStringLiteral("SELECT SGRS FROM kblg WHERE KOD = '1'")) && q.next());
    QVERIFY(!q.value(0).toString().isEmpty());
}

VR_TEST(TestStartupSequence)
#include "tst_StartupSequence.moc"
