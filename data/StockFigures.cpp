#include "data/StockFigures.h"

#include "data/DataReport.h"
#include "data/SqlSupport.h"
#include "platform/sqlite/Database.h"
#include "platform/text/TurkishText.h"

#include <QSqlError>
#include <QVariant>

using namespace SqlSupport;

namespace {

QString movementTable()
{
    return companyTable(QStringLiteral("stokhareketi"));
}

QString isoDate(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

// The statement as it would read with its values written in, for the error
// report; placeholders inside quoted texts are left alone.
QString literalSql(const QString &sql, const QVariantList &values)
{
    QString out;
    out.reserve(sql.size() + 32);
    bool quoted = false;
    qsizetype next = 0;
    for (QChar c : sql) {
        if (c == u'\'')
            quoted = !quoted;
        if (c == u'?' && !quoted && next < values.size()) {
            const QVariant &v = values.at(next++);
            const bool number = v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int
                || v.typeId() == QMetaType::Double;
            out += number ? v.toString() : quoteSql(v.toString());
            continue;
        }
        out += c;
    }
    return out;
}

bool bindAndRun(QSqlQuery &q, const QVariantList &values)
{
    for (qsizetype i = 0; i < values.size(); ++i)
        q.bindValue(int(i), values.at(i));
    return q.exec();
}

TStokOrtalama readTotals(QSqlQuery &q)
{
    TStokOrtalama t;
    if (q.next()) {
        t.GC = storedCurrency(q.value(0));
        t.GCT = storedCurrency(q.value(1));
        t.GCO = storedCurrency(q.value(2));
        t.ROWC = storedInt(q.value(3));
    }
    return t;
}

QString totalsSql(const QString &quantityColumn, const QString &extra)
{
    return QStringLiteral("select SUM(") + quantityColumn + QStringLiteral(") AS GC, SUM(TUTAR) AS GCT, SUM(TUTAR) / SUM(")
        + quantityColumn + QStringLiteral(") AS GCO, COUNT(*) AS ROWC from ") + movementTable()
        + QStringLiteral("\nWhere (STOK_KODU = ?) and ( ") + quantityColumn + QStringLiteral(" <> 0 )") + extra;
}

// A one-off statement with bound values for the labelled routines: on failure
// the error report shows the statement with its values written in.
bool runReported(QSqlQuery &q, const QString &sql, const QVariantList &values, const QString &label)
{
    q.setForwardOnly(true);
    if (q.prepare(sql) && bindAndRun(q, values))
        return true;
    const QSqlError err = q.lastError();
    q.finish();
    reportError(err, literalSql(sql, values), label);
    return false;
}

} // namespace

// --- StockFigures ---------------------------------------------------------------

StockFigures::StockFigures() = default;

StockFigures::~StockFigures()
{
    qDeleteAll(m_queries);
}

QSqlQuery *StockFigures::prepared(const QString &sql)
{
    if (QSqlQuery *q = m_queries.value(sql))
        return q;
    auto *q = new QSqlQuery(Database::connection());
    q->setForwardOnly(true);
    if (!q->prepare(sql)) {
        m_error = engineMessage(q->lastError());
        delete q;
        return nullptr;
    }
    m_queries.insert(sql, q);
    return q;
}

// A null query is one that did not prepare; prepared() has kept its message.
bool StockFigures::execute(QSqlQuery *q, const QString &reportSql)
{
    if (q && q->exec())
        return true;
    m_sql = reportSql;
    if (q) {
        m_error = engineMessage(q->lastError());
        q->finish();
    }
    return false;
}

QSqlQuery *StockFigures::run(const QString &sql, const QVariantList &values)
{
    QSqlQuery *q = prepared(sql);
    if (q)
        for (qsizetype i = 0; i < values.size(); ++i)
            q->bindValue(int(i), values.at(i));
    return execute(q, literalSql(sql, values)) ? q : nullptr;
}

bool StockFigures::cardQuantities(const QString &stockCode, Currency &critical, Currency &opening)
{
    critical = opening = {};
    // The first card with the code, as a lookup by code finds it.
    const QString sql = QStringLiteral("SELECT  KRITIK, YILB_MIK FROM ") + companyTable(QStringLiteral("anastokgirisi"))
        + QStringLiteral(" WHERE STOK_KODU = ?");
    QSqlQuery *card = run(sql, {stockCode});
    if (!card)
        return false;
    if (card->next()) {
        critical = storedCurrency(card->value(0));
        opening = storedCurrency(card->value(1));
    }
    card->finish();
    return true;
}

bool StockFigures::balance(const QString &stockCode, Currency &balance, Currency &critical)
{
    balance = {};
    Currency opening;
    if (!cardQuantities(stockCode, critical, opening))
        return false;
    const QString sql = QStringLiteral("SELECT SUM(GIREN) AS GIREN_MIK, SUM(CIKAN) AS CIKAN_MIK\nFROM ")
        + movementTable() + QStringLiteral("\nWHERE STOK_KODU = ?");
    QSqlQuery *sums = run(sql, {stockCode});
    if (!sums)
        return false;
    balance = opening;
    if (sums->next())
        balance = Currency::fromDouble(sums->value(0).toDouble() - sums->value(1).toDouble()) + opening;
    sums->finish();
    return true;
}

bool StockFigures::totals(const QString &quantityColumn, const QString &stockCode, TStokOrtalama &out,
                          const QDate &from, const QDate &to)
{
    out = {};
    const bool period = from.isValid() && to.isValid();
    const QString sql = totalsSql(quantityColumn, period ? QStringLiteral(" and ( TARIHI BETWEEN ? AND ?)") : QString());
    QVariantList values{stockCode};
    if (period)
        values << isoDate(from) << isoDate(to);
    QSqlQuery *q = run(sql, values);
    if (!q)
        return false;
    out = readTotals(*q);
    q->finish();
    return true;
}

bool StockFigures::lastMovements(const QString &stockCode, TStokSonHareket &out)
{
    out = {};
    for (const bool entry : {true, false}) {
        const QString column = entry ? QStringLiteral("GIREN") : QStringLiteral("CIKAN");
        // The latest dated movement of the direction. Read backwards along the
        // (STOK_KODU, TARIHI, ...) index it stops at the first match instead of
        // scanning the stock's movements for their latest date first.
        const QString sql = QStringLiteral("SELECT STOK_KODU,GIREN,CIKAN,TARIHI,FIYAT,TUTAR FROM ") + movementTable()
            + QStringLiteral("\nWHERE (STOK_KODU = ?) AND (") + column
            + QStringLiteral(">0) AND TARIHI IS NOT NULL\nORDER BY TARIHI DESC LIMIT 1");
        QSqlQuery *q = run(sql, {stockCode});
        if (!q)
            return false;
        if (q->next()) {
            const QDate date = storedDate(q->value(3));
            const Currency price = storedCurrency(q->value(4));
            const Currency amount = storedCurrency(q->value(5));
            if (entry) {
                out.entryDate = date;
                out.entryAmount = amount;
                out.entryPrice = price;
                out.entryQuantity = storedCurrency(q->value(1));
            } else {
                out.exitDate = date;
                out.exitAmount = amount;
                out.exitPrice = price;
                out.exitQuantity = storedCurrency(q->value(2));
            }
        }
        q->finish();
    }
    return true;
}

bool StockFigures::extremes(const QString &stockCode, TStokEnuEnP &out)
{
    out = {};
    for (const bool entry : {true, false}) {
        const QString column = entry ? QStringLiteral("GIREN") : QStringLiteral("CIKAN");
        const QString sql = QStringLiteral("SELECT MAX(TUTAR) AS ENYTUT, MIN(TUTAR) AS ENDTUT FROM ") + movementTable()
            + QStringLiteral("\nWHERE (") + column + QStringLiteral(" <> 0) AND ( STOK_KODU = ? )");
        QSqlQuery *q = run(sql, {stockCode});
        if (!q)
            return false;
        if (q->next()) {
            (entry ? out.highestEntryAmount : out.highestExitAmount) = storedCurrency(q->value(0));
            (entry ? out.lowestEntryAmount : out.lowestExitAmount) = storedCurrency(q->value(1));
        }
        q->finish();
    }
    return true;
}

namespace {

// Both directions' totals (and amount extremes) of the movements matching the
// condition, one row per direction: 0 entries (GIREN <> 0), 1 exits (CIKAN <> 0).
// Each half filters along the covering index and keeps its aggregates plain,
// which costs less than one pass with conditional aggregates. The figures are
// those of GetStokOrtalama: same rows, same order, same sums.
QString directionsSql(const QString &selectKey, const QString &condition, const QString &groupBy, bool extremes)
{
    QStringList halves;
    for (const QString &q : {QStringLiteral("GIREN"), QStringLiteral("CIKAN")}) {
        halves << QStringLiteral("SELECT ") + selectKey + (q == u"GIREN" ? QStringLiteral("0") : QStringLiteral("1"))
                + QStringLiteral(", SUM(") + q + QStringLiteral("), SUM(TUTAR), SUM(TUTAR) / SUM(") + q
                + QStringLiteral("), COUNT(*)") + (extremes ? QStringLiteral(", MIN(TUTAR), MAX(TUTAR)") : QString())
                + QStringLiteral(" FROM ") + movementTable()
                + QStringLiteral(" WHERE ") + condition + QStringLiteral(" AND ") + q + QStringLiteral(" <> 0")
                + groupBy;
    }
    return halves.join(QStringLiteral("\nUNION ALL\n"));
}

TStokOrtalama directionFrom(const QSqlQuery &q, int first)
{
    TStokOrtalama t;
    t.GC = storedCurrency(q.value(first));
    t.GCT = storedCurrency(q.value(first + 1));
    t.GCO = storedCurrency(q.value(first + 2));
    t.ROWC = storedInt(q.value(first + 3));
    return t;
}

} // namespace

bool StockFigures::cardFigures(const QString &stockCode, StockCardFigures &out)
{
    out = {};
    Currency opening;
    if (!cardQuantities(stockCode, out.critical, opening))
        return false;
    const QString sql = directionsSql({}, QStringLiteral("STOK_KODU = ?"), {}, true);
    QSqlQuery *q = run(sql, {stockCode, stockCode});
    if (!q)
        return false;
    double entered = 0, issued = 0;
    while (q->next()) {
        if (q->value(0).toInt() == 0) {
            entered = q->value(1).toDouble();
            out.entries = directionFrom(*q, 1);
            out.extremes.lowestEntryAmount = storedCurrency(q->value(5));
            out.extremes.highestEntryAmount = storedCurrency(q->value(6));
        } else {
            issued = q->value(1).toDouble();
            out.exits = directionFrom(*q, 1);
            out.extremes.lowestExitAmount = storedCurrency(q->value(5));
            out.extremes.highestExitAmount = storedCurrency(q->value(6));
        }
    }
    q->finish();
    // Zero quantities add nothing, so these sums are those of all movements.
    out.balance = Currency::fromDouble(entered - issued) + opening;
    return lastMovements(stockCode, out.last);
}

// --- the routines -----------------------------------------------------------------

bool GetStokFieldsAllOf(const QString &column, const QString &value, qint64 number, TStokValueAllOf &out)
{
    out = {};
    const QString sql = QStringLiteral("SELECT * FROM ") + companyTable(QStringLiteral("AnaStokgirisi"))
        + QStringLiteral(" where ") + column + QStringLiteral(" = ?");
    QSqlQuery q(Database::connection());
    if (!runReported(q, sql, {number < 1 ? QVariant(value) : QVariant(number)}, QStringLiteral("GetStokFieldsAllOf")))
        return false;
    const bool found = q.next();
    if (found) {
        int i = 0;
        auto text = [&] { return q.value(i++).toString(); };
        auto fp = [&] { return storedCurrency(q.value(i++)); };
        out.OTOSN = storedInt(q.value(i++));
        out.STOK_KODU = text();
        out.CINSI = text();
        out.BIRIMI = text();
        out.SINIFI = text();
        out.GRUBU = text();
        out.ACIKLAMA1 = text();
        out.ACIKLAMA2 = text();
        out.ACIKLAMA3 = text();
        out.FIYAT1 = fp();
        out.FIYAT2 = fp();
        out.FIYAT3 = fp();
        out.FIYAT4 = fp();
        out.KRITIK = fp();
        out.KDV = fp();
        out.ISKONTO = fp();
        out.RESADI = text();
        out.OZELKOD1 = text();
        out.OZELKOD2 = text();
        out.YILB_MIK = fp();
        out.YILB_TUT = fp();
        out.RAFNO = text();
        out.GOZNO = text();
        out.BARKODNO = text();
    }
    q.finish();
    return found;
}

bool GetStokHareketAllOf(qint64 recordNumber, TStokHareketAllOf &out)
{
    out = {};
    const QString sql = QStringLiteral("SELECT * FROM ") + movementTable() + QStringLiteral(" where GIZLI_NO = ?");
    QSqlQuery q(Database::connection());
    if (!runReported(q, sql, {recordNumber}, QStringLiteral("GetStokHareketAllOf")))
        return false;
    const bool found = q.next();
    if (found) {
        int i = 0;
        auto text = [&] { return q.value(i++).toString(); };
        auto fp = [&] { return storedCurrency(q.value(i++)); };
        auto whole = [&] { return storedInt(q.value(i++)); };
        out.GIZLI_NO = whole();
        out.STOK_KODU = text();
        out.CINSI = text();
        out.TARIHI = storedDate(q.value(i++));
        out.ISLEMYAPILAN = text();
        out.ACIKLAMA1 = text();
        out.EVRAKNO = text();
        out.GIREN = fp();
        out.CIKAN = fp();
        out.FIYAT = fp();
        out.TUTAR = fp();
        out.ISKONTO = fp();
        out.KDV = fp();
        out.ISLEMCINSI = text();
        out.OZELNO = text();
        out.ISK_TUT = fp();
        out.KDV_TUT = fp();
        out.KAYNAK = text();
        out.KOD1 = text();
        out.KOD2 = whole();
        out.NORMAL_DEGIL = storedBool(q.value(i++));
        out.BIRIMI = text();
        out.USATIS_SATIR_ID = whole();
    }
    q.finish();
    return found;
}

bool GetStokBakiye(const QString &stockCode, Currency &balance, Currency &critical, QString *error)
{
    StockFigures f;
    if (f.balance(stockCode, balance, critical))
        return true;
    if (error)
        *error = f.lastError();
    return false;
}

bool GetStokOrtalama(const QString &quantityColumn, const QString &stockCode, const QString &condition,
                     TStokOrtalama &out, QString *error)
{
    out = {};
    QSqlQuery q(Database::connection());
    q.setForwardOnly(true);
    if (!q.prepare(totalsSql(quantityColumn, condition)) || !bindAndRun(q, {stockCode})) {
        if (error)
            *error = engineMessage(q.lastError());
        q.finish();
        return false;
    }
    out = readTotals(q);
    q.finish();
    return true;
}

bool GetStokSonHareket(const QString &stockCode, TStokSonHareket &out)
{
    StockFigures f;
    if (f.lastMovements(stockCode, out))
        return true;
    DataReport::showErrorDialog(f.lastError() + QStringLiteral("\r\r\n") + f.lastSql(), QStringLiteral("GetStokSonHareket"));
    return false;
}

bool GetStokEnuEnP(const QString &stockCode, TStokEnuEnP &out)
{
    StockFigures f;
    if (f.extremes(stockCode, out))
        return true;
    DataReport::showErrorDialog(f.lastError() + QStringLiteral("\r\r\n") + f.lastSql(), QStringLiteral("GetStokEnuEnP"));
    return false;
}

bool GetAllStockTotals(QHash<QString, StockTotals> &out, const QDate &from, const QDate &to, QString *error)
{
    out.clear();
    const bool period = from.isValid() && to.isValid();
    // Grouped in the order of the covering index (STOK_KODU, TARIHI, GIREN,
    // CIKAN, TUTAR): no sort and no table rows touched. One statement, so both
    // directions come from one snapshot.
    const QString sql = directionsSql(QStringLiteral("STOK_KODU, "),
                                      period ? QStringLiteral("TARIHI BETWEEN ? AND ?") : QStringLiteral("1"),
                                      QStringLiteral(" GROUP BY STOK_KODU"), false);
    QVariantList values;
    if (period)
        values << isoDate(from) << isoDate(to) << isoDate(from) << isoDate(to);
    QSqlQuery q(Database::connection());
    q.setForwardOnly(true);
    if (!q.prepare(sql) || !bindAndRun(q, values)) {
        if (error)
            *error = engineMessage(q.lastError());
        q.finish();
        return false;
    }
    while (q.next()) {
        StockTotals &t = out[q.value(0).toString()];
        (q.value(1).toInt() == 0 ? t.entries : t.exits) = directionFrom(q, 2);
    }
    q.finish();
    return true;
}
