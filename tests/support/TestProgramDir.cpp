#include "support/TestProgramDir.h"

#include "data/CompanyFiles.h"
#include "data/TableCatalogue.h"
#include "data/Workspace.h"
#include "platform/AppContext.h"
#include "platform/crypto/PasswordDigest.h"
#include "platform/sqlite/Database.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>

TestProgramDir::TestProgramDir()
{
    qputenv("ZEZUZUR_HOME", m_dir.path().toUtf8());
    appContext() = AppContext{};
    appContext().setProgramDir(m_dir.path());
    QDir().mkpath(appContext().workDir);
    QString error;
    TableCatalogue::ensureTemplateSet(appContext().templateDir(), &error);
}

TestProgramDir::~TestProgramDir()
{
    Database::close();
    appContext() = AppContext{};
    qunsetenv("ZEZUZUR_HOME");
}

QString TestProgramDir::path() const
{
    return appContext().programDir;
}

QString TestProgramDir::file(const QString &relative) const
{
    return path() + relative;
}

bool TestProgramDir::openCompanyList()
{
    QDir().mkpath(appContext().dataDir());
    QString error;
    if (!Database::open(appContext().dataDir() + QStringLiteral("/kblg.db"), &error))
        return false;
    QSqlDatabase db = Database::connection();
    return Database::tableExists(db, QStringLiteral("kblg"))
        || Database::exec(db, QString::fromLatin1(TableCatalogue::kCreateKblgSql));
}

bool TestProgramDir::createCompany(const QString &code, const QString &name, const QString &password)
{
    const QString target = appContext().dataDir() + u'/'
        + CompanyFiles::perCompanyFileName(QString::fromLatin1(TableCatalogue::kTemplateFileName), code);
    QString error;
    if (!QFile::copy(appContext().templateDir() + u'/' + QString::fromLatin1(TableCatalogue::kTemplateFileName), target)
        || !CompanyFiles::suffixTablesInFile(target, code, &error))
        return false;
    QSqlQuery q(Database::connection());
    q.prepare(QStringLiteral("INSERT INTO kblg (KOD, AD, SIFRE, GSORU, S_SOR) VALUES (?, ?, ?, '', 1)"));
    q.addBindValue(code);
    q.addBindValue(name);
    q.addBindValue(passwordDigest(password));
    return q.exec();
}

bool TestProgramDir::enterCompany(const QString &code)
{
    appContext().companyCode = code;
    Workspace::setUp(DataModules{}, appContext());
    return true;
}
