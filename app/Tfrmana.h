#pragma once

#include "data/Workspace.h"

#include <QMainWindow>

#include <functional>

class QAction;
class Tfiyatbelirle;
class Tork_genel_ayarlar;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

// The main window: a thin bar at the top of the screen with the main menu and
// the icon toolbar on one band. Its first showing sets up the company
// workspace and reads the settings; closing it asks the exit dialog.
class Tfrmana : public QMainWindow
{
    Q_OBJECT
public:
    explicit Tfrmana(QWidget *parent = nullptr);

    void setDataModules(const DataModules &modules) { m_modules = modules; }
    const DataModules &dataModules() const { return m_modules; }
    bool firstShowingDone() const { return m_firstShowingDone; }

    static QString captionFor(const QString &companyName);

    // Record count of a company table (T + "_" + code), W an optional second
    // line with its own WHERE; 0 after the error report labelled "RC_foras".
    int RC_foras(const QString &table, const QString &condition = {}) const;

    // Toolbar look, as the settings menu sets it.
    void applyToolbarPicture(const QString &path);
    void applyToolbarFont(const QString &family, int pointSize, int style);
    void resetToolbarLook();
    QFont toolbarFont() const;
    bool hasToolbarPicture() const { return !m_picturePath.isEmpty(); }

    QAction *action(const QString &objectName) const;

    // The general settings dialog of the run; other screens read its controls.
    Tork_genel_ayarlar *generalSettings() const { return m_generalSettings; }
    // The price column chooser of the run (reports and lookups ask it).
    Tfiyatbelirle *priceChooser() const { return m_priceChooser; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildToolbar();
    QAction *addItem(QMenu *menu, const QString &name, const QString &caption, std::function<void()> run = {});
    void firstShowing();
    void readToolbarSettings();
    void chooseToolbarPicture();
    void chooseToolbarFont();

    DataModules m_modules;
    bool m_firstShowingDone = false;
    bool m_firstShowingRunning = false;
    QWidget *m_band = nullptr;
    QMenuBar *m_menu = nullptr;
    QToolBar *m_tools = nullptr;
    QString m_picturePath;
    Tork_genel_ayarlar *m_generalSettings = nullptr;
    Tfiyatbelirle *m_priceChooser = nullptr;
};
