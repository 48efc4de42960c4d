#pragma once

#include "app/CompanyList.h"
#include "app/company/Tkullanici_islemleri.h"
#include "app/login/LoginColours.h"

#include <QDialog>
#include <QPixmap>

class LoginTextButton;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QVariantAnimation;
class QWidget;

// The login window: opens the connection, creates the company list when
// missing, lists the companies and checks the chosen one's password. It is
// also the way into company management.
class Tsifreyigirin : public QDialog
{
    Q_OBJECT
public:
    explicit Tsifreyigirin(QWidget *parent = nullptr);
    ~Tsifreyigirin() override;

    // Set when a company has been entered.
    bool klnc_SDR() const { return m_entered; }

    static constexpr int kNarrowWidth = 462;
    static constexpr int kWideWidth = 713;
    static constexpr int kHeight = 382;

    const LoginColours &colours() const { return m_colours; }

    // The menus the right mouse button shows on the background and on the
    // company list; the caller owns the menu.
    QMenu *buildColourMenu(QWidget *parent);
    QMenu *buildListMenu(QWidget *parent);

public Q_SLOTS:
    void login();
    void cancel();
    void showReminder();
    void toggleWidth();
    void applyTheme(int n);
    void chooseColour(LoginColours::Role role);
    void showAbout();
    void showContact();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildWidgets();
    void layoutForWidth();
    void prepareShowing();
    void loadColours();
    void applyColours();
    void saveColours(bool withPicture);
    void reloadCompanies(qint64 keepRowId);
    void onRowChanged();
    bool hasCompanies();
    const CompanyRow *currentCompany() const;
    void openCompanyDialog(Tkullanici_islemleri::Page page);
    QRect contentRect() const;

    bool m_entered = false;
    bool m_prepared = false;
    bool m_centred = false;
    QList<CompanyRow> m_rows;
    LoginColours m_colours;
    QPixmap m_picture;

    QLabel *m_title = nullptr;
    QLabel *m_date = nullptr;
    QLabel *m_version = nullptr;
    QLabel *m_listCaption = nullptr;
    QListWidget *m_list = nullptr;
    QFrame *m_panel = nullptr;
    QLabel *m_passwordLabel = nullptr;
    QLineEdit *m_password = nullptr;
    LoginTextButton *m_reminder = nullptr;
    QList<LoginTextButton *> m_buttons;   // the five main buttons, in column order
    LoginTextButton *m_minimise = nullptr;
    LoginTextButton *m_close = nullptr;
    LoginTextButton *m_widen = nullptr;
    QWidget *m_operations = nullptr;
    QLabel *m_operationsCaption = nullptr;
    QList<LoginTextButton *> m_operationItems;
    QVariantAnimation *m_slide = nullptr;
};
