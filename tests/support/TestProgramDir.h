#pragma once

#include <QString>
#include <QTemporaryDir>

// A temporary program directory for one test: ZEZUZUR_HOME and the
// application context point at it, with the work-table folder created and the
// template set written. The connection is closed and the context cleared when
// it goes away.
class TestProgramDir
{
public:
    TestProgramDir();
    ~TestProgramDir();
    TestProgramDir(const TestProgramDir &) = delete;
    TestProgramDir &operator=(const TestProgramDir &) = delete;

    QString path() const;                       // with trailing '/'
    QString file(const QString &relative) const;
    bool isValid() const { return m_dir.isValid(); }

    // Opens the connection on dbs/kblg.db and creates kblg (as the login window does).
    bool openCompanyList();
    // Adds a company row and its files from the template, as company creation does.
    bool createCompany(const QString &code, const QString &name, const QString &password);
    // Makes the company the active one and attaches its files (no data modules).
    bool enterCompany(const QString &code);

private:
    QTemporaryDir m_dir;
};
