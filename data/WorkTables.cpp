#include "data/WorkTables.h"

#include "data/DataReport.h"
#include "data/SqlSupport.h"
#include "data/TDATAMOD_TMP.h"
#include "data/Workspace.h"
#include "platform/AppContext.h"
#include "platform/files/ResourceWriter.h"
#include "platform/sqlite/Database.h"
#include "platform/text/Cp1254.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

namespace {

constexpr char kScriptName[] = "sql.sql";

struct WorkTableDef
{
    int number;
    const char *section;
    const char *table;
};

// Numbers as the screens request them; the others have no table.
constexpr WorkTableDef kWorkTables[] = {
    {1, "tmpfaturaalt", "fatura_alt_bilgi"}, {4, "tmphizli_hareket", "HizliHarket"},
    {6, "tmpozet1", "Ozet_Rapor1"},          {7, "tmpozet0", "ozet_rapor"},
    {8, "tmpodeme_raporu1", "odeme_rapo"},   {9, "tmpstokrapor", "bakiyerporu"},
    {11, "tmpozet2", "ozet_rapor2"},         {12, "tmpStok", "StokTMP"},
};

const WorkTableDef *findWorkTable(int n)
{
    for (const WorkTableDef &d : kWorkTables)
        if (d.number == n)
            return &d;
    return nullptr;
}

bool workSchemaAttached(QSqlDatabase &db)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA database_list")))
        return false;
    while (q.next())
        if (q.value(1).toString() == QLatin1String(Workspace::kWorkSchema))
            return true;
    return false;
}

// The script's statements name bare tables; they belong in the work file.
QString inWorkSchema(const QString &createSql)
{
    static const QRegularExpression head(QStringLiteral("^(\\s*CREATE\\s+TABLE\\s+(?:IF\\s+NOT\\s+EXISTS\\s+)?)"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = head.match(createSql);
    if (!m.hasMatch())
        return createSql;
    const QString prefix = QLatin1String(Workspace::kWorkSchema) + u'.';
    const QString rest = createSql.mid(m.capturedEnd());
    if (rest.startsWith(prefix, Qt::CaseInsensitive))
        return createSql;
    return m.captured(1) + prefix + rest;
}

} // namespace

QString ReadSection(const QString &openMarker, const QString &closeMarker, const QString &fileName)
{
    QFile file(QDir(appContext().programDir).filePath(fileName));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = decodeTextFile(file.readAll());
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text.truncate(nul);

    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QString out;
    bool collecting = false;
    QStringList lines = text.split(lineBreak);
    // A final line break ends the last line; it does not start an empty one.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (const QString &line : std::as_const(lines)) {
        if (line == closeMarker)
            break;
        if (line == openMarker) {
            collecting = true;
            continue;
        }
        if (collecting)
            out += line + QStringLiteral("\r\n");
    }
    return out;
}

bool ensureSqlScript()
{
    const QString path = appContext().programDir + QLatin1String(kScriptName);
    if (QFile::exists(path))
        return true;
    return writeResourceFile(path, QLatin1String(kScriptName), false);
}

bool CreateTempTable(int n)
{
    const WorkTableDef *def = findWorkTable(n);
    if (!def)
        return false;

    QSqlDatabase db = Database::connection();
    QDir().mkpath(appContext().workDir);
    if (!workSchemaAttached(db)) {
        QString error;
        if (!Database::attach(db, QLatin1String(Workspace::kWorkSchema),
                              appContext().workDir + QLatin1String(Workspace::kWorkFileName), &error))
            return false;
    }
    ensureSqlScript();

    const QString section = QLatin1String(def->section);
    const QString createSql = ReadSection(u'<' + section + u'>', QStringLiteral("</") + section + u'>',
                                          QLatin1String(kScriptName));

    // The table is dropped even when its section is unreadable, as deleting its
    // file was; a screen still reading it makes the drop fail.
    const QString table = QLatin1String(def->table);
    if (!Database::exec(db, QStringLiteral("DROP TABLE IF EXISTS ") + SqlSupport::workTable(u'"' + table + u'"'))) {
        QString text = QStringLiteral("Dosya silinemedi. \"\\") + table + QStringLiteral(".db\"");
        if (n == 11)
            text += QStringLiteral("\r\nSMS Gönderme formu açık olabilir.");
        DataReport::showErrorBox(QStringLiteral("Hata"), text);
        return false;
    }
    return !createSql.trimmed().isEmpty() && Database::exec(db, inWorkSchema(createSql));
}

bool readQuickLineTotals(const TDATAMOD_TMP &module, QuickLineTotals &out, QString *error)
{
    out = {};
    QSqlQuery q(Database::connection());
    q.setForwardOnly(true);
    if (!q.exec(module.sql_hes->sql())) {
        if (error)
            *error = SqlSupport::engineMessage(q.lastError());
        return false;
    }
    if (q.next()) {
        out.ISK_TUT = SqlSupport::storedCurrency(q.value(0));
        out.KDV_TUT = SqlSupport::storedCurrency(q.value(1));
        out.TUTAR = SqlSupport::storedCurrency(q.value(2));
    }
    q.finish();
    return true;
}
