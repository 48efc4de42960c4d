#pragma once

#include "data/Workspace.h"

#include <QMainWindow>

// The main window. Its first showing sets up the company workspace and writes
// the settings template; closing it closes the connection and ends the program.
class Tfrmana : public QMainWindow
{
    Q_OBJECT
public:
    explicit Tfrmana(QWidget *parent = nullptr);

    void setDataModules(const DataModules &modules) { m_modules = modules; }
    const DataModules &dataModules() const { return m_modules; }
    bool firstShowingDone() const { return m_firstShowingDone; }

    static QString captionFor(const QString &companyName);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void firstShowing();

    DataModules m_modules;
    bool m_firstShowingDone = false;
};
