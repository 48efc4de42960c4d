#include "admin/Tekran_kilit.h"
#include "platform/AppContext.h"
#include "platform/crypto/PasswordDigest.h"
#include "platform/sqlite/Database.h"
#include "support/MessageScript.h"
#include "support/TestProgramDir.h"
#include "support/TestRegistry.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

const QString kNoTriesLeft = QStringLiteral("\r\nDeneme hakkınız kalmadı.");

QLineEdit *passwordBox(Tekran_kilit *w)
{
    return w->findChild<QLineEdit *>(QStringLiteral("S"));
}

bool isRed(QLineEdit *box)
{
    return box->palette().color(QPalette::Base) == QColor(Qt::red);
}

// One step: "T:text" types text and presses TAMAM, "X:text" types it and tries
// the close box, "E" presses Esc.
void step(Tekran_kilit *w, const QString &action)
{
    const QString text = action.mid(2);
    if (action.startsWith(u'E')) {
        QTest::keyClick(w, Qt::Key_Escape);
        return;
    }
    passwordBox(w)->setText(text);
    if (action.startsWith(u'T'))
        w->findChild<QPushButton *>(QStringLiteral("tamam"))->click();
    else
        w->close();
}

} // namespace

class TestTekran_kilit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void tries_data();
    void tries();
    void wrongPasswordMarksTheBox_data();
    void wrongPasswordMarksTheBox();
    void enterPressesTamam();
    void lockingAgainGivesFreshTries();
    void sonlandir_data();
    void sonlandir();
    void secondPasswordLoginCannotLock();
    void onlyTheMainWindowIsDisabled();
    void looksRight();

private:
    std::unique_ptr<TestProgramDir> m_dir;
    std::unique_ptr<QWidget> m_main;
    QList<int> m_terminated;
};

void TestTekran_kilit::init()
{
    m_dir = std::make_unique<TestProgramDir>();
    appContext().companyName = QStringLiteral("Çınar Ltd.");
    appContext().companyDigest = passwordDigest(QStringLiteral("gizli"));
    m_main = std::make_unique<QWidget>();
    m_main->setWindowTitle(QStringLiteral("ana"));
    m_main->show();
    m_terminated.clear();
    Tekran_kilit::setTerminator([this](int code) { m_terminated << code; });
}

void TestTekran_kilit::cleanup()
{
    Tekran_kilit::setTerminator({});
    m_main.reset(); // takes the lock window with it
    QVERIFY(!Tekran_kilit::instance());
    m_dir.reset();
}

void TestTekran_kilit::tries_data()
{
    QTest::addColumn<QString>("password");    // the company's password
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("unlockedAfter");   // 0: stays locked
    QTest::addColumn<int>("noTriesMessages");

    const QString p = QStringLiteral("gizli");
    QTest::newRow("right at once") << p << QStringList{"T:gizli"} << 1 << 0;
    QTest::newRow("right at the third try") << p << QStringList{"T:a", "T:b", "T:gizli"} << 3 << 0;
    QTest::newRow("fourth press, even right, only repeats the message")
        << p << QStringList{"T:a", "T:b", "T:c", "T:gizli", "T:gizli"} << 0 << 2;
    QTest::newRow("letter case counts") << p << QStringList{"T:GIZLI", "T:Gizli", "T:gizli"} << 3 << 0;
    QTest::newRow("Turkish letters") << QStringLiteral("şİfreĞ") << QStringList{"T:sifreG", QStringLiteral("T:şİfreĞ")}
                                     << 2 << 0;
    QTest::newRow("empty password") << QString() << QStringList{"T:x", "T:"} << 2 << 0;
    QTest::newRow("close box with the right text unlocks") << p << QStringList{"X:a", "X:gizli"} << 2 << 0;
    QTest::newRow("close box tries count with TAMAM") << p << QStringList{"T:a", "X:b", "T:gizli"} << 3 << 0;
    QTest::newRow("no close after three wrong tries")
        << p << QStringList{"T:a", "X:b", "T:c", "X:gizli", "T:gizli"} << 0 << 1;
    QTest::newRow("Esc costs no try") << p << QStringList{"E", "E", "E", "T:a", "T:b", "T:gizli"} << 6 << 0;
}

void TestTekran_kilit::tries()
{
    QFETCH(QString, password);
    QFETCH(QStringList, steps);
    QFETCH(int, unlockedAfter);
    QFETCH(int, noTriesMessages);
    appContext().companyDigest = passwordDigest(password);

    MessageScript script;
    for (int i = 0; i < noTriesMessages; ++i)
        script.expect(kNoTriesLeft);
    Tekran_kilit::lock(m_main.get());
    Tekran_kilit *w = Tekran_kilit::instance();
    QVERIFY(w);
    for (int i = 0; i < steps.size(); ++i) {
        QVERIFY2(w->isVisible(), qPrintable(QStringLiteral("unlocked before step %1").arg(i + 1)));
        QVERIFY(!m_main->isEnabled());
        step(w, steps[i]);
    }
    VERIFY_MESSAGES(script);
    QCOMPARE(w->isVisible(), unlockedAfter == 0);
    QCOMPARE(m_main->isEnabled(), unlockedAfter != 0);
    QCOMPARE(w->tries(), qMin(int(steps.size() - steps.count(QStringLiteral("E"))), 3));
    QVERIFY(m_terminated.isEmpty());
}

void TestTekran_kilit::wrongPasswordMarksTheBox_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("boxAfter");
    QTest::newRow("TAMAM empties the box") << "T:yanlis" << "";
    QTest::newRow("close box keeps the text") << "X:yanlis" << "yanlis";
}

void TestTekran_kilit::wrongPasswordMarksTheBox()
{
    QFETCH(QString, action);
    QFETCH(QString, boxAfter);
    Tekran_kilit::lock(m_main.get());
    Tekran_kilit *w = Tekran_kilit::instance();
    QVERIFY(!isRed(passwordBox(w)));
    step(w, action);
    QVERIFY(w->isVisible());
    QVERIFY(isRed(passwordBox(w)));
    QCOMPARE(passwordBox(w)->text(), boxAfter);
    QCOMPARE(w->tries(), 1);
}

void TestTekran_kilit::enterPressesTamam()
{
    Tekran_kilit::lock(m_main.get());
    Tekran_kilit *w = Tekran_kilit::instance();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QLineEdit *box = passwordBox(w);
    QCOMPARE(QApplication::focusWidget(), box);
    QTest::keyClicks(box, QStringLiteral("yanlis"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(w->tries(), 1);
    QVERIFY(w->isVisible());
    // Also with the focus on another button of the window.
    QTest::keyClicks(box, QStringLiteral("gizli"));
    w->findChild<QPushButton *>(QStringLiteral("sonlandir"))->setFocus();
    QTest::keyClick(w->findChild<QPushButton *>(QStringLiteral("sonlandir")), Qt::Key_Enter);
    QVERIFY(!w->isVisible());
    QVERIFY(m_main->isEnabled());
}

void TestTekran_kilit::lockingAgainGivesFreshTries()
{
    Tekran_kilit::lock(m_main.get());
    Tekran_kilit *w = Tekran_kilit::instance();
    step(w, QStringLiteral("T:a"));
    step(w, QStringLiteral("T:b"));
    step(w, QStringLiteral("X:gizli"));
    QVERIFY(!w->isVisible());

    Tekran_kilit::lock(m_main.get());
    QCOMPARE(Tekran_kilit::instance(), w); // kept for the next lock
    QVERIFY(w->isVisible());
    QVERIFY(!m_main->isEnabled());
    QCOMPARE(w->tries(), 0);
    QVERIFY(passwordBox(w)->text().isEmpty());
    QVERIFY(!isRed(passwordBox(w)));
    step(w, QStringLiteral("T:a"));
    step(w, QStringLiteral("T:b"));
    step(w, QStringLiteral("T:gizli"));
    QVERIFY(!w->isVisible());
    QVERIFY(m_main->isEnabled());
}

void TestTekran_kilit::sonlandir_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("OK ends the program") << int(Msg::Ok);
    QTest::newRow("Cancel keeps the lock") << int(Msg::Cancel);
}

void TestTekran_kilit::sonlandir()
{
    QFETCH(int, answer);
    QVERIFY(m_dir->openCompanyList());
    Tekran_kilit::lock(m_main.get());
    Tekran_kilit *w = Tekran_kilit::instance();
    step(w, QStringLiteral("T:a"));
    step(w, QStringLiteral("T:b"));
    passwordBox(w)->setText(QStringLiteral("yarım"));

    MessageScript script;
    script.expect(QStringLiteral("\r\nPROGRAM TAMAMEN KAPATILACAK."), Msg::Button(answer));
    w->findChild<QPushButton *>(QStringLiteral("sonlandir"))->click();
    VERIFY_MESSAGES(script);
    QCOMPARE(script.recorded().value(0).kind, Msg::Kind::Warning);
    QCOMPARE(script.recorded().value(0).buttons, Msg::Buttons(Msg::Ok) | Msg::Cancel);

    const bool ends = answer == Msg::Ok;
    QCOMPARE(m_terminated, ends ? QList<int>{0} : QList<int>{});
    QCOMPARE(Database::isOpen(), !ends);
    // Either way the lock itself is untouched.
    QVERIFY(w->isVisible());
    QVERIFY(!m_main->isEnabled());
    QCOMPARE(w->tries(), 2);
    QCOMPARE(passwordBox(w)->text(), QStringLiteral("yarım"));
}

void TestTekran_kilit::secondPasswordLoginCannotLock()
{
    appContext().companyDigest.clear();
    MessageScript script;
    script.expect(QStringLiteral("ekran kilitlenemez"));
    Tekran_kilit::lock(m_main.get());
    VERIFY_MESSAGES(script);
    QCOMPARE(script.recorded().value(0).kind, Msg::Kind::Warning);
    QVERIFY(m_main->isEnabled());
    QVERIFY(!Tekran_kilit::instance() || !Tekran_kilit::instance()->isVisible());
}

void TestTekran_kilit::onlyTheMainWindowIsDisabled()
{
    // A screen that is a window of its own, as the stock browser is.
    QWidget other;
    other.show();
    Tekran_kilit::lock(m_main.get());
    Tekran_kilit *w = Tekran_kilit::instance();
    QVERIFY(!m_main->isEnabled());
    QVERIFY(other.isEnabled());
    QVERIFY(w->isEnabled());
    QVERIFY(passwordBox(w)->isEnabled());
    QVERIFY(!w->isModal());
}

void TestTekran_kilit::looksRight()
{
    Tekran_kilit::lock(m_main.get());
    Tekran_kilit *w = Tekran_kilit::instance();
    QCOMPARE(w->windowTitle(), QStringLiteral("Ekran Kilitleme [Kullanıcı :Çınar Ltd.]"));
    QLineEdit *box = passwordBox(w);
    QCOMPARE(box->maxLength(), 30);
    QCOMPARE(box->echoMode(), QLineEdit::Password);
    bool tied = false;
    for (QLabel *label : w->findChildren<QLabel *>())
        tied = tied || label->buddy() == box;
    QVERIFY(tied);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    if (!qEnvironmentVariableIsEmpty("VR_GRAB_DIR")) {
        box->setText(QStringLiteral("yanlis"));
        w->grab().save(qEnvironmentVariable("VR_GRAB_DIR") + QStringLiteral("/Tekran_kilit.png"));
        step(w, QStringLiteral("T:yanlis"));
        w->grab().save(qEnvironmentVariable("VR_GRAB_DIR") + QStringLiteral("/Tekran_kilit_red.png"));
    }
}

VR_TEST(TestTekran_kilit)
#include "tst_Tekran_kilit.moc"
