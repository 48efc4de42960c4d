#include "data/CompanyFiles.h"

#include "platform/sqlite/Database.h"

#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace CompanyFiles {

QString perCompanyFileName(const QString &templateFileName, const QString &code)
{
    const qsizetype dot = templateFileName.indexOf(u'.');
    if (dot < 0)
        return u'_' + code + templateFileName;
    return templateFileName.left(dot) + u'_' + code + templateFileName.mid(dot);
}

QString tableName(const QString &base, const QString &code)
{
    return base + u'_' + code;
}

QString filePattern(const QString &code)
{
    return QStringLiteral("*_") + code + QStringLiteral(".*");
}

QStringList companyFiles(const QString &dataDir, const QString &code)
{
    // The pattern "*_" + code + ".*" matched literally: a code holding a wildcard
    // character must never reach other companies' files.
    const QString marker = u'_' + code + u'.';
    QStringList out;
    const QDir dir(dataDir);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name))
        if (!code.isEmpty() && name.contains(marker))
            out << dir.filePath(name);
    return out;
}

bool suffixTablesInFile(const QString &file, const QString &code, QString *error)
{
    const QString conn = QStringLiteral("suffix-") + QUuid::createUuid().toString(QUuid::Id128);
    bool ok = Database::open(file, error, conn);
    if (ok) {
        QSqlDatabase db = Database::connection(conn);
        QStringList tables;
        {
            QSqlQuery q(db);
            ok = q.exec(QStringLiteral("SELECT name FROM sqlite_schema WHERE type='table' AND name NOT LIKE 'sqlite_%'"));
            while (ok && q.next())
                tables << q.value(0).toString();
            if (!ok && error)
                *error = q.lastError().text();
        }
        ok = ok && Database::exec(db, QStringLiteral("BEGIN IMMEDIATE"), error);
        for (const QString &t : tables) {
            if (!ok)
                break;
            ok = Database::exec(db, QStringLiteral("ALTER TABLE \"%1\" RENAME TO \"%2\"").arg(t, tableName(t, code)),
                                error);
        }
        if (ok)
            ok = Database::exec(db, QStringLiteral("COMMIT"), error);
        else
            Database::exec(db, QStringLiteral("ROLLBACK"));
    }
    Database::close(conn);
    return ok;
}

} // namespace CompanyFiles
