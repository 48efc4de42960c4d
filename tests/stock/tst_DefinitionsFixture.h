#pragma once

#include "data/TDATA_TABLOLAR.h"
#include "data/Workspace.h"
#include "dialogs/ModalRunner.h"
#include "platform/sqlite/Database.h"
#include "support/ModalScope.h"
#include "support/TestProgramDir.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

// Company 7 entered, with its definitions module pointed at its tables.
struct DefinitionsCompany
{
    TestProgramDir dir;
    TDATA_TABLOLAR modules;
    bool ready = false;

    DefinitionsCompany()
    {
        ready = dir.openCompanyList() && dir.createCompany(QStringLiteral("7"), QStringLiteral("Firma"), QStringLiteral("x"))
            && dir.enterCompany(QStringLiteral("7"));
        Workspace::applyCompanySuffix(modules, QStringLiteral("7"));
    }
};

// The column's values in stored order; a NULL reads as "<null>".
inline QStringList storedValues(const QString &table, const QString &column)
{
    QStringList out;
    QSqlQuery q(Database::connection());
    if (!q.exec(QStringLiteral("SELECT \"%1\" FROM \"%2\" ORDER BY rowid").arg(column, table)))
        return {QStringLiteral("<error>")};
    while (q.next())
        out << (q.value(0).isNull() ? QStringLiteral("<null>") : q.value(0).toString());
    return out;
}

inline bool storeValues(const QString &table, const QString &column, const QVariantList &values)
{
    QSqlQuery q(Database::connection());
    for (const QVariant &v : values) {
        q.prepare(QStringLiteral("INSERT INTO \"%1\" (\"%2\") VALUES (?)").arg(table, column));
        q.addBindValue(v);
        if (!q.exec())
            return false;
    }
    return true;
}
