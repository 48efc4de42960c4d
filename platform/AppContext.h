#pragma once

#include <QString>

// The process-wide values every screen reads: directories fixed at start-up,
// the few settings read once, and the company entered at login.
// One plain instance; tests fill it for their temporary program directory.
struct AppContext
{
    QString programDir;   // always ends with '/'
    QString workDir;      // programDir + "tsfdb/"

    QString displayFormat = QStringLiteral("#,###0.###");
    QString autoBackupFolder = QStringLiteral("C:\\DE5 OTO Yedek\\");
    QString defaultBackupFolder = QStringLiteral("C:\\DE5 Yedek\\");
    bool showCompanyNumbers = true;

    QString companyCode;
    QString companyName;
    QString companyDigest; // empty when the login matched the second password

    QString dataDir() const { return programDir + QStringLiteral("dbs"); }
    QString templateDir() const { return programDir + QStringLiteral("KaynakVeri"); }
    QString settingsPath() const { return programDir + QStringLiteral("Ayarlar.ini"); }
    QString gridSettingsPath() const { return programDir + QStringLiteral("GridAyarlari.ini"); }

    // Sets programDir (adding the trailing '/') and workDir from it.
    void setProgramDir(const QString &dir);
};

AppContext &appContext();

// The program directory: ZEZUZUR_HOME when set, else the executable's folder.
QString resolveProgramDir();
