#include "data/Workspace.h"

#include "data/CompanyFiles.h"
#include "data/DataReport.h"
#include "data/TDATALAR.h"
#include "data/TDATAMOD_TMP.h"
#include "data/TDATA_TABLOLAR.h"
#include "platform/AppContext.h"
#include "platform/sqlite/Database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace Workspace {

namespace {

void reportAttachFailure(const QString &file, const QString &error)
{
    DataReport::showErrorBox(QStringLiteral("Hata"),
                             QStringLiteral("Hata Oluşan Tablo > ") + file + QStringLiteral("\r\r\r\nHata > ") + error);
}

void attachFiles(const AppContext &context)
{
    QSqlDatabase db = Database::connection();
    if (!db.isOpen())
        return;
    // Each company file under the schema named after its template ("sirket_7.db" -> sirket).
    for (const QString &file : CompanyFiles::companyFiles(context.dataDir(), context.companyCode)) {
        if (!file.endsWith(QStringLiteral(".db")))
            continue;
        const QString base = QFileInfo(file).completeBaseName();
        const QString schema = base.left(base.size() - context.companyCode.size() - 1);
        QString error;
        if (schema.isEmpty() || !Database::attach(db, schema, file, &error))
            reportAttachFailure(file, error);
    }
    QDir().mkpath(context.workDir);
    const QString workFile = context.workDir + QString::fromLatin1(kWorkFileName);
    QString error;
    if (!Database::attach(db, QString::fromLatin1(kWorkSchema), workFile, &error)) {
        reportAttachFailure(workFile, error);
        return;
    }
    // Work tables are scratch data, rebuilt on demand: speed over durability.
    Database::exec(db, QStringLiteral("PRAGMA work.synchronous=OFF"));
}

} // namespace

void applyCompanySuffix(DataModule &module, const QString &code)
{
    for (Dataset *d : module.datasets()) {
        QString error;
        bool ok = true;
        if (d->kind() == Dataset::Kind::Table && d->tag() == 2) {
            ok = d->setTableName(d->tableName() + u'_' + code, &error);
        } else if (d->kind() == Dataset::Kind::Query && d->tag() == 3) {
            QString sql = d->sql();
            ok = d->setSql(sql.replace(QStringLiteral("%userid"), code), &error);
        }
        if (!ok) {
            const QString name = d->kind() == Dataset::Kind::Table ? d->tableName() : d->objectName();
            DataReport::showErrorBox(QStringLiteral("Hata"), QStringLiteral("Hata Oluşan Tablo > ") + name
                                                                 + QStringLiteral("\r\r\r\nHata > ") + error);
        }
        // Keeps the window responsive while many datasets are re-pointed.
        QCoreApplication::processEvents();
    }
}

void setUp(const DataModules &modules, const AppContext &context)
{
    attachFiles(context);
    if (modules.tmp)
        for (Dataset *d : modules.tmp->datasets())
            d->setDatabaseName(context.workDir);
    if (modules.datalar)
        applyCompanySuffix(*modules.datalar, context.companyCode);
    if (modules.tablolar)
        applyCompanySuffix(*modules.tablolar, context.companyCode);
}

void DB_CLOSE()
{
    Database::close();
}

} // namespace Workspace
