#include "data/DataReport.h"
#include "data/TDATALAR.h"
#include "data/TDATAMOD_TMP.h"
#include "data/TDATA_TABLOLAR.h"
#include "data/Workspace.h"
#include "platform/AppContext.h"
#include "platform/sqlite/Database.h"
#include "support/TestProgramDir.h"
#include "support/TestRegistry.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

namespace {

// A module with one dataset of each kind the suffix step distinguishes.
class SampleModule : public DataModule
{
public:
    SampleModule()
    {
        table(QStringLiteral("notes"), 2, QStringLiteral("Notlar"));
        query(QStringLiteral("twice"), 3, QStringLiteral("select * from Notlar_%userid n join ref_Notlar_%userid r"));
        table(QStringLiteral("untagged"), 0, QStringLiteral("Adresler"));
        query(QStringLiteral("runtime"), 5, QStringLiteral("select * from x_%userid"));
        query(QStringLiteral("wrongTag"), 2, QStringLiteral("select %userid"));
        table(QStringLiteral("busy"), 2, QStringLiteral("gruplar"));
    }
};

struct ErrorBoxRecorder
{
    ErrorBoxRecorder()
    {
        DataReport::setErrorBox([this](const QString &caption, const QString &text) { shown << caption + u'|' + text; });
    }
    ~ErrorBoxRecorder() { DataReport::setErrorBox({}); }
    QStringList shown;
};

} // namespace

class TestWorkspace : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void suffixStepFollowsTheTags();
    void datasetThatRefusesIsReportedAndSkipped();
    void setUpReachesCompanyAndWorkTables();
    void closeEndsTheConnection();
};

void TestWorkspace::suffixStepFollowsTheTags()
{
    SampleModule m;
    Workspace::applyCompanySuffix(m, QStringLiteral("12"));
    QCOMPARE(m.dataset(QStringLiteral("notes"))->tableName(), QStringLiteral("Notlar_12"));
    QCOMPARE(m.dataset(QStringLiteral("twice"))->sql(), QStringLiteral("select * from Notlar_12 n join ref_Notlar_12 r"));
    QCOMPARE(m.dataset(QStringLiteral("untagged"))->tableName(), QStringLiteral("Adresler"));
    QCOMPARE(m.dataset(QStringLiteral("runtime"))->sql(), QStringLiteral("select * from x_%userid"));
    QCOMPARE(m.dataset(QStringLiteral("wrongTag"))->sql(), QStringLiteral("select %userid"));
}

void TestWorkspace::datasetThatRefusesIsReportedAndSkipped()
{
    ErrorBoxRecorder errors;
    SampleModule m;
    m.dataset(QStringLiteral("notes"))->setActive(true);
    Workspace::applyCompanySuffix(m, QStringLiteral("3"));
    QCOMPARE(errors.shown.size(), 1);
    QVERIFY(errors.shown.first().startsWith(QStringLiteral("Hata|Hata Oluşan Tablo > Notlar\r\r\r\nHata > ")));
    QCOMPARE(m.dataset(QStringLiteral("notes"))->tableName(), QStringLiteral("Notlar"));
    QCOMPARE(m.dataset(QStringLiteral("busy"))->tableName(), QStringLiteral("gruplar_3"));
}

void TestWorkspace::setUpReachesCompanyAndWorkTables()
{
    TestProgramDir dir;
    QVERIFY(dir.openCompanyList());
    QVERIFY(dir.createCompany(QStringLiteral("12"), QStringLiteral("Firma"), QStringLiteral("x")));
    appContext().companyCode = QStringLiteral("12");
    TDATALAR datalar;
    TDATA_TABLOLAR tablolar;
    TDATAMOD_TMP tmp;
    Workspace::setUp({&datalar, &tablolar, &tmp}, appContext());
    QCOMPARE(datalar.TNOTLAR->tableName(), QStringLiteral("Notlar_12"));
    QCOMPARE(datalar.TLISTNTLR->sql(), QStringLiteral("select * from Notlar_12\nWhere DURUM = FALSE"));
    QCOMPARE(tmp.thzhareket->databaseName(), appContext().workDir);
    QCOMPARE(tmp.thzhareket->tableName(), QStringLiteral("HizliHarket"));
    // Every query text of the modules runs against the company's tables.
    QSqlQuery q(Database::connection());
    for (DataModule *m : {static_cast<DataModule *>(&datalar), static_cast<DataModule *>(&tablolar)})
        for (Dataset *d : m->datasets()) {
            if (d->tag() == 5)
                continue;
            QString sql = d->selectText();
            sql.replace(QStringLiteral(":SHT"), QStringLiteral("'2018-01-01'")).replace(QStringLiteral(":SKN"), QStringLiteral("'A'"));
            QVERIFY2(q.exec(sql), qPrintable(d->objectName() + u": " + q.lastError().text()));
        }
    QSqlDatabase db = Database::connection();
    QVERIFY(Database::exec(db, QStringLiteral("CREATE TABLE work.deneme (a)")));
}

void TestWorkspace::closeEndsTheConnection()
{
    TestProgramDir dir;
    QVERIFY(dir.openCompanyList());
    QVERIFY(Database::isOpen());
    Workspace::DB_CLOSE();
    QVERIFY(!Database::isOpen());
}

VR_TEST(TestWorkspace)
#include "tst_Workspace.moc"
