#include "admin/Tekran_kilit.h"

#include "platform/widgets/BackgroundDrag.h"
#include "data/Workspace.h"
#include "dialogs/Messages.h"
#include "platform/AppContext.h"
#include "platform/crypto/PasswordDigest.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QVBoxLayout>

#include <cstdlib>

namespace {

QPointer<Tekran_kilit> &theInstance()
{
    static QPointer<Tekran_kilit> instance;
    return instance;
}

Tekran_kilit::Terminator &terminator()
{
    // Leaving the event loops lets start-up unwind normally (the single-instance
    // lock is released); the main window is not closed, so no exit question.
    static Tekran_kilit::Terminator t = [](int exitCode) {
        if (QCoreApplication::instance())
            QCoreApplication::exit(exitCode);
        else
            std::exit(exitCode);
    };
    return t;
}

} // namespace

Tekran_kilit::Tekran_kilit(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ekran_kilit"));
    setWindowTitle(QStringLiteral("Program Kilit Formu"));
    auto *drag = new BackgroundDrag(this);

    auto *locked = new QLabel(QStringLiteral("DUV Kullanıcı Tarafından kilitlenmiş..."), this);
    locked->setObjectName(QStringLiteral("kilitli"));
    QFont bold = locked->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    locked->setFont(bold);
    auto *prompt = new QLabel(QStringLiteral("Geri Dönüş İçin Kullanıcı Şifresini Giriniz..."), this);
    prompt->setObjectName(QStringLiteral("sifre_etiketi"));
    drag->addHandle(locked);
    drag->addHandle(prompt);

    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("S"));
    m_password->setMaxLength(30);
    m_password->setEchoMode(QLineEdit::Password);
    prompt->setBuddy(m_password);

    auto *tamam = new QPushButton(QStringLiteral("TAMAM"), this);
    tamam->setObjectName(QStringLiteral("tamam"));
    auto *sonlandir = new QPushButton(QStringLiteral("SONLANDIR"), this);
    sonlandir->setObjectName(QStringLiteral("sonlandir"));
    // Enter is taken by the window-wide shortcut below.
    tamam->setAutoDefault(false);
    sonlandir->setAutoDefault(false);
    connect(tamam, &QPushButton::clicked, this, &Tekran_kilit::tamam);
    connect(sonlandir, &QPushButton::clicked, this, &Tekran_kilit::sonlandir);
    for (int key : {int(Qt::Key_Return), int(Qt::Key_Enter)}) {
        auto *shortcut = new QShortcut(QKeySequence(key), this);
        connect(shortcut, &QShortcut::activated, this, &Tekran_kilit::tamam);
    }

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(tamam);
    buttons->addWidget(sonlandir);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->addWidget(locked);
    layout->addSpacing(8);
    layout->addWidget(prompt);
    layout->addWidget(m_password);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setMinimumWidth(380);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_password, tamam);
    setTabOrder(tamam, sonlandir);
}

Tekran_kilit::~Tekran_kilit() = default;

void Tekran_kilit::lock(QWidget *mainWindow)
{
    // A login through the second password leaves no digest: a lock then could
    // never be opened again and would only end in "SONLANDIR".
    if (appContext().companyDigest.isEmpty()) {
        Msg::warning(QStringLiteral("\r\nBu oturum ikinci parola ile açıldığından ekran kilitlenemez."), mainWindow);
        return;
    }
    QPointer<Tekran_kilit> &instance = theInstance();
    if (!instance) {
        // A window of its own: a child of the main window would be disabled with it.
        instance = new Tekran_kilit;
        // Gone with the main window, at once: a later lock must not find it half-deleted.
        QObject::connect(mainWindow, &QObject::destroyed, [] { delete theInstance().data(); });
    }
    instance->lockWindow(mainWindow);
}

Tekran_kilit *Tekran_kilit::instance()
{
    return theInstance().data();
}

void Tekran_kilit::setTerminator(Terminator t)
{
    static const Terminator standard = terminator();
    terminator() = t ? std::move(t) : standard;
}

void Tekran_kilit::lockWindow(QWidget *mainWindow)
{
    m_mainWindow = mainWindow;
    if (mainWindow)
        mainWindow->setEnabled(false);
    show();
    raise();
    activateWindow();
}

void Tekran_kilit::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    m_tries = 0;
    m_unlocked = false;
    m_password->clear();
    m_password->setPalette(QPalette());
    setWindowTitle(QStringLiteral("Ekran Kilitleme [Kullanıcı :") + appContext().companyName + u']');
    m_password->setFocus();
}

bool Tekran_kilit::tryPassword()
{
    if (m_tries >= kMaxTries)
        return false;
    ++m_tries;
    const QString &digest = appContext().companyDigest;
    return !digest.isEmpty() && passwordDigest(m_password->text()) == digest;
}

void Tekran_kilit::markWrong()
{
    QPalette pal = m_password->palette();
    pal.setColor(QPalette::Base, Qt::red);
    m_password->setPalette(pal);
}

void Tekran_kilit::tamam()
{
    if (m_tries >= kMaxTries) {
        Msg::warning(QStringLiteral("\r\nDeneme hakkınız kalmadı.\r\n\r\nProgramı sonlandırmaktan başka şansınız kalmadı."),
                     this);
        return;
    }
    if (tryPassword()) {
        unlock();
        return;
    }
    m_password->setFocus();
    m_password->clear();
    markWrong();
}

void Tekran_kilit::unlock()
{
    m_unlocked = true;
    if (m_mainWindow)
        m_mainWindow->setEnabled(true);
    close();
}

void Tekran_kilit::closeEvent(QCloseEvent *event)
{
    if (m_unlocked || tryPassword()) {
        if (!m_unlocked) {
            m_unlocked = true;
            if (m_mainWindow)
                m_mainWindow->setEnabled(true);
        }
        event->accept();
        return;
    }
    markWrong();
    event->ignore();
}

void Tekran_kilit::reject()
{
    // Esc is no attempt to unlock: it neither closes the window nor costs a try.
}

void Tekran_kilit::sonlandir()
{
    m_password->setFocus();
    Msg::Message m;
    m.kind = Msg::Kind::Warning;
    m.text = QStringLiteral("\r\nPROGRAM TAMAMEN KAPATILACAK.");
    m.buttons = Msg::Buttons(Msg::Ok) | Msg::Cancel;
    m.defaultButton = Msg::Ok;
    if (Msg::show(m, this).button != Msg::Ok)
        return;
    Workspace::DB_CLOSE();
    terminator()(0);
}
