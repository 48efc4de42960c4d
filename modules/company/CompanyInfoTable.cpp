#include "modules/company/CompanyInfoTable.h"

#include "platform/sqlite/Database.h"

#include <QSqlError>
#include <QSqlQuery>

namespace CompanyInfoTable {

namespace {

// Empty boxes store empty text rather than NULL.
QVariant textValue(const QString &text)
{
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}

} // namespace

const QStringList &columns()
{
    static const QStringList names = {
        QStringLiteral("YETKILI_ADI_SOYADI"), QStringLiteral("UNVANI"),     QStringLiteral("FIRMA_ADI"),
        QStringLiteral("FIRMAADRESI"),        QStringLiteral("FIRMAADRESI2"), QStringLiteral("FIRMA_TEL1"),
        QStringLiteral("FIRMA_TEL2"),         QStringLiteral("FIRMA_TEL3"), QStringLiteral("FAX1"),
        QStringLiteral("FAX2"),
    };
    return names;
}

Reading read(const QString &table)
{
    Reading r;
    r.values = QStringList(columns().size(), QString());
    QSqlQuery q(Database::connection());
    if (!q.exec(QStringLiteral("SELECT %1 FROM \"%2\" ORDER BY rowid LIMIT 1")
                    .arg(columns().join(QStringLiteral(", ")), table))) {
        r.error = q.lastError().text();
        return r;
    }
    r.ok = true;
    if (q.next()) {
        r.hasRow = true;
        for (int i = 0; i < columns().size(); ++i)
            r.values[i] = q.value(i).toString();
    }
    return r;
}

bool write(const QString &table, const QStringList &values, QString *error)
{
    if (values.size() != columns().size()) {
        if (error)
            *error = QStringLiteral("Alan sayısı tutmuyor.");
        return false;
    }
    QStringList sets;
    for (const QString &c : columns())
        sets << c + QStringLiteral(" = ?");
    QSqlQuery q(Database::connection());
    q.prepare(QStringLiteral("UPDATE \"%1\" SET %2 WHERE rowid = (SELECT min(rowid) FROM \"%1\")")
                  .arg(table, sets.join(QStringLiteral(", "))));
    for (const QString &v : values)
        q.addBindValue(textValue(v));
    if (q.exec() && q.numRowsAffected() > 0)
        return true;
    if (q.lastError().isValid()) {
        if (error)
            *error = q.lastError().text();
        return false;
    }
    q.prepare(QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                  .arg(table, columns().join(QStringLiteral(", ")),
                       QStringList(columns().size(), QStringLiteral("?")).join(QStringLiteral(", "))));
    for (const QString &v : values)
        q.addBindValue(textValue(v));
    if (q.exec())
        return true;
    if (error)
        *error = q.lastError().text();
    return false;
}

} // namespace CompanyInfoTable
