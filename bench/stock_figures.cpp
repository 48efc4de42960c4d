// Stock figures on a company of 20,000 cards and 1,000,000 movements.
//
//   bench_stock_figures [folder]
//
// The folder (default: a fixed folder under the system's temp dir) is used as
// the program directory; the company is generated there once and reused by
// later runs. Prints the time of one card's full figures and of the
// all-cards balance pass the balance reports need.

#include "app/CompanyList.h"
#include "data/CompanyFiles.h"
#include "data/SqlSupport.h"
#include "data/StockFigures.h"
#include "data/TableCatalogue.h"
#include "data/Workspace.h"
#include "platform/AppContext.h"
#include "platform/sqlite/Database.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <numeric>
#include <random>

namespace {

constexpr int kCards = 20000;
constexpr int kMovements = 1000000;
const QString kCode = QStringLiteral("1");

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

QString cardCode(int i)
{
    return QStringLiteral("S%1").arg(i, 5, 10, QChar(u'0'));
}

bool fail(const QString &what, const QSqlError &error = {})
{
    out() << "FAILED: " << what << ' ' << error.text() << Qt::endl;
    return false;
}

// Fills a fresh copy of the template in one transaction with prepared inserts.
bool fillCompany(const QString &file)
{
    const QString conn = QStringLiteral("bench-generate");
    QString error;
    if (!Database::open(file, &error, conn))
        return fail(error);
    bool ok = true;
    {
        QSqlDatabase db = Database::connection(conn);
        // Generated data can be made again: no journal, no syncs while filling.
        Database::exec(db, QStringLiteral("PRAGMA journal_mode=OFF"));
        Database::exec(db, QStringLiteral("PRAGMA synchronous=OFF"));
        Database::exec(db, QStringLiteral("PRAGMA cache_size=-262144"));
        Database::exec(db, QStringLiteral("BEGIN"));

        std::mt19937_64 rng(20240601);
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        auto money = [&](double lo, double hi) { return std::round((lo + unit(rng) * (hi - lo)) * 100) / 100; };

        QSqlQuery card(db);
        card.prepare(QStringLiteral("INSERT INTO anastokgirisi_%1 VALUES (?,?,?,'ADET','S1','G1','','','',?,?,?,?,?,18,0,"
                                    "'','','',?,?,'R','G',?,'2021-01-01')").arg(kCode));
        std::vector<double> basePrice(kCards);
        for (int i = 0; i < kCards && ok; ++i) {
            basePrice[size_t(i)] = money(1, 500);
            const double opening = std::floor(unit(rng) * 100);
            card.addBindValue(i + 1);
            card.addBindValue(cardCode(i + 1));
            card.addBindValue(QStringLiteral("Stok %1").arg(i + 1));
            for (double f : {1.0, 1.2, 1.4, 1.6})
                card.addBindValue(std::round(basePrice[size_t(i)] * f * 100) / 100);
            card.addBindValue(std::floor(unit(rng) * 20));
            card.addBindValue(opening);
            card.addBindValue(opening * basePrice[size_t(i)]);
            card.addBindValue(QStringLiteral("869%1").arg(i + 1, 9, 10, QChar(u'0')));
            ok = card.exec() || fail(QStringLiteral("card"), card.lastError());
        }

        // Stocks are skewed: u^2 over a shuffled order gives a few cards
        // thousands of movements and most of them a few dozen.
        std::vector<int> order(kCards);
        std::iota(order.begin(), order.end(), 1);
        std::shuffle(order.begin(), order.end(), rng);
        const QDate first(2021, 1, 1);
        const int days = int(first.daysTo(QDate(2023, 12, 31))) + 1;

        QSqlQuery move(db);
        move.prepare(QStringLiteral("INSERT INTO stokhareketi_%1 VALUES (?,?,?,?,'Cari','','E',?,?,?,?,0,18,'NORMAL','',"
                                    "0,?,'Stok','',0,0,'ADET',0)").arg(kCode));
        for (int n = 1; n <= kMovements && ok; ++n) {
            const double u = unit(rng);
            const int stock = order[size_t(std::min(kCards - 1, int(u * u * kCards)))];
            const bool entry = unit(rng) < 0.6;
            const double quantity = 1 + std::floor(unit(rng) * 50);
            const double price = std::round(basePrice[size_t(stock - 1)] * (entry ? 1.0 : 1.3) * (0.9 + 0.2 * unit(rng)) * 100) / 100;
            const double net = std::round(quantity * price * 100) / 100;
            const double vat = std::round(net * 18) / 100;
            move.addBindValue(n);
            move.addBindValue(cardCode(stock));
            move.addBindValue(QStringLiteral("Stok %1").arg(stock));
            move.addBindValue(first.addDays(qint64(unit(rng) * days)).toString(Qt::ISODate));
            move.addBindValue(entry ? quantity : 0.0);
            move.addBindValue(entry ? 0.0 : quantity);
            move.addBindValue(price);
            move.addBindValue(net + vat);
            move.addBindValue(vat);
            ok = move.exec() || fail(QStringLiteral("movement"), move.lastError());
            if (n % 200000 == 0)
                out() << "  " << n << " movements" << Qt::endl;
        }
        ok = ok && Database::exec(db, QStringLiteral("INSERT INTO ref_anastokgirisi_%1 VALUES (%2)").arg(kCode).arg(kCards))
            && Database::exec(db, QStringLiteral("INSERT INTO ref_stokhareketi_%1 VALUES (%2)").arg(kCode).arg(kMovements))
            && Database::exec(db, QStringLiteral("COMMIT")) && Database::exec(db, QStringLiteral("ANALYZE"));
    }
    Database::close(conn);
    return ok;
}

bool prepareCompany()
{
    AppContext &ctx = appContext();
    QDir().mkpath(ctx.workDir);
    QString error;
    if (!TableCatalogue::ensureTemplateSet(ctx.templateDir(), &error))
        return fail(error);
    if (!CompanyList::openConnection(&error) || !CompanyList::ensureTable(&error))
        return fail(error);

    const QString target = ctx.dataDir() + u'/'
        + CompanyFiles::perCompanyFileName(QString::fromLatin1(TableCatalogue::kTemplateFileName), kCode);
    if (!QFile::exists(target)) {
        out() << "Generating " << kCards << " cards and " << kMovements << " movements in " << ctx.programDir << Qt::endl;
        QElapsedTimer t;
        t.start();
        // Built under another name, so an interrupted run is not taken for data.
        const QString partial = target + QStringLiteral(".yeni");
        QFile::remove(partial);
        if (!QFile::copy(ctx.templateDir() + u'/' + QString::fromLatin1(TableCatalogue::kTemplateFileName), partial)
            || !CompanyFiles::suffixTablesInFile(partial, kCode, &error) || !fillCompany(partial)
            || !QFile::rename(partial, target))
            return fail(QStringLiteral("generating ") + target + u' ' + error);
        out() << "Generated in " << t.elapsed() / 1000.0 << " s" << Qt::endl;
    } else {
        out() << "Reusing " << target << Qt::endl;
    }
    bool loaded = false;
    const QList<CompanyRow> rows = CompanyList::load(&loaded);
    const bool listed = std::any_of(rows.begin(), rows.end(), [](const CompanyRow &r) { return r.KOD == kCode; });
    if (!listed) {
        CompanyRow row;
        row.KOD = kCode;
        row.AD = QStringLiteral("Ölçüm");
        CompanyList::append(row);
    }
    ctx.companyCode = kCode;
    Workspace::setUp(DataModules{}, ctx);
    return true;
}

QVariant scalar(const QString &sql)
{
    QSqlQuery q(Database::connection());
    return q.exec(sql) && q.next() ? q.value(0) : QVariant();
}

void printPlan(const QString &title, const QString &sql, const QVariantList &values = {})
{
    QSqlQuery q(Database::connection());
    q.prepare(QStringLiteral("EXPLAIN QUERY PLAN ") + sql);
    for (qsizetype i = 0; i < values.size(); ++i)
        q.bindValue(int(i), values.at(i));
    if (!q.exec())
        return;
    out() << "  plan of " << title << ':';
    while (q.next())
        out() << " [" << q.value(3).toString() << ']';
    out() << Qt::endl;
}

// Wall and processor time: the machine may be shared, and the processor time
// says what the work itself costs.
struct Timing
{
    double wallMs = 0;
    double cpuMs = 0;
    QString text() const
    {
        return QStringLiteral("%1 ms (cpu %2 ms)").arg(wallMs, 0, 'f', 3).arg(cpuMs, 0, 'f', 3);
    }
};

template<typename Fn>
Timing meanTime(int rounds, Fn fn)
{
    QElapsedTimer t;
    t.start();
    const std::clock_t c0 = std::clock();
    for (int i = 0; i < rounds; ++i)
        fn();
    const double cpu = double(std::clock() - c0) * 1000.0 / CLOCKS_PER_SEC;
    return {double(t.nsecsElapsed()) / 1e6 / rounds, cpu / rounds};
}

// One card's figures as the card screen asks for them, through the routines.
bool cardFiguresByRoutines(const QString &code, StockCardFigures &f)
{
    return GetStokBakiye(code, f.balance, f.critical)
        && GetStokOrtalama(QStringLiteral("GIREN"), code, {}, f.entries)
        && GetStokOrtalama(QStringLiteral("CIKAN"), code, {}, f.exits) && GetStokSonHareket(code, f.last)
        && GetStokEnuEnP(code, f.extremes);
}

void benchOneCard()
{
    out() << "\nOne card's full figures (balance, both averages, last movements, extremes):" << Qt::endl;
    const QString table = QStringLiteral("stokhareketi_") + kCode;
    QSqlQuery q(Database::connection());
    QList<QPair<QString, int>> picks;
    // The busiest card, one of the busiest tenth, a median one and one without movements.
    q.exec(QStringLiteral("SELECT STOK_KODU, COUNT(*) AS n FROM %1 GROUP BY STOK_KODU ORDER BY n DESC").arg(table));
    QList<QPair<QString, int>> all;
    while (q.next())
        all.append({q.value(0).toString(), q.value(1).toInt()});
    q.finish();
    if (all.isEmpty())
        return;
    picks << all.first() << all.at(all.size() / 10) << all.at(all.size() / 2);
    for (int i = 1; i <= kCards; ++i) {
        const QString c = cardCode(i);
        if (std::none_of(all.begin(), all.end(), [&](const auto &p) { return p.first == c; })) {
            picks.append({c, 0});
            break;
        }
    }

    for (const auto &[code, count] : std::as_const(picks)) {
        StockCardFigures f;
        cardFiguresByRoutines(code, f); // warm the cache
        const Timing routines = meanTime(50, [&] { cardFiguresByRoutines(code, f); });
        const Currency balance = f.balance;
        Timing screen, screenOnce;
        {
            // As a card screen does it: one read transaction, one StockFigures per showing.
            screenOnce = meanTime(50, [&] {
                ReadTransaction read;
                StockFigures figures;
                figures.cardFigures(code, f);
            });
            StockFigures figures;
            ReadTransaction read;
            screen = meanTime(50, [&] { figures.cardFigures(code, f); });
        }
        out() << QStringLiteral("  %1 (%2 movements), balance %3:\n"
                                "      through the six routines             %4\n"
                                "      cardFigures, statements prepared now %5\n"
                                "      cardFigures, statements prepared     %6")
                     .arg(code)
                     .arg(count)
                     .arg(CurrToSQL(balance), routines.text(), screenOnce.text(), screen.text())
              << Qt::endl;
        if (balance != f.balance)
            out() << "  MISMATCH: cardFigures gives " << CurrToSQL(f.balance) << Qt::endl;
    }
    const QString code = picks.first().first;
    printPlan(QStringLiteral("balance"),
              QStringLiteral("SELECT SUM(GIREN), SUM(CIKAN) FROM %1 WHERE STOK_KODU = ?").arg(table), {code});
    printPlan(QStringLiteral("last entry"),
              QStringLiteral("SELECT STOK_KODU,GIREN,CIKAN,TARIHI,FIYAT,TUTAR FROM %1 WHERE (STOK_KODU = ?) AND (GIREN>0) "
                             "AND TARIHI IS NOT NULL ORDER BY TARIHI DESC LIMIT 1")
                  .arg(table),
              {code});
}

struct CardRow
{
    QString code;
    Currency opening;
    Currency critical;
};

QList<CardRow> loadCards()
{
    QList<CardRow> cards;
    cards.reserve(kCards);
    QSqlQuery q(Database::connection());
    q.setForwardOnly(true);
    q.exec(QStringLiteral("SELECT STOK_KODU, YILB_MIK, KRITIK FROM anastokgirisi_%1 ORDER BY STOK_KODU").arg(kCode));
    while (q.next())
        cards.append({q.value(0).toString(), SqlSupport::storedCurrency(q.value(1)), SqlSupport::storedCurrency(q.value(2))});
    q.finish();
    return cards;
}

void benchAllCards()
{
    out() << "\nAll " << kCards << " cards: balance, entry and exit totals (as the balance reports need them):" << Qt::endl;
    const QList<QPair<QDate, QDate>> periods = {{QDate(), QDate()}, {QDate(2022, 1, 1), QDate(2022, 12, 31)}};
    for (const auto &[from, to] : periods) {
        const QString what = from.isValid() ? QStringLiteral("year 2022") : QStringLiteral("all movements");
        Currency total;
        const int rounds = 3;
        Timing best{1e12, 1e12};
        for (int r = 0; r < rounds; ++r) {
            QElapsedTimer t;
            t.start();
            const std::clock_t c0 = std::clock();
            ReadTransaction read;
            const QList<CardRow> cards = loadCards();
            QHash<QString, StockTotals> totals;
            GetAllStockTotals(totals, from, to);
            total = {};
            for (const CardRow &c : cards) {
                const StockTotals s = totals.value(c.code);
                total += c.opening + s.entries.GC - s.exits.GC;
            }
            best.wallMs = std::min(best.wallMs, double(t.nsecsElapsed()) / 1e6);
            best.cpuMs = std::min(best.cpuMs, double(std::clock() - c0) * 1000.0 / CLOCKS_PER_SEC);
        }
        out() << QStringLiteral("  one grouped pass, %1: %2, best of %3; sum of balances %4")
                     .arg(what, best.text())
                     .arg(rounds)
                     .arg(CurrToSQL(total))
              << Qt::endl;

        // The same figures stock by stock with prepared statements, for comparison.
        QElapsedTimer t;
        t.start();
        const std::clock_t c0 = std::clock();
        Currency perStock;
        {
            ReadTransaction read;
            StockFigures figures;
            for (const CardRow &c : loadCards()) {
                TStokOrtalama in, outTotals;
                figures.totals(QStringLiteral("GIREN"), c.code, in, from, to);
                figures.totals(QStringLiteral("CIKAN"), c.code, outTotals, from, to);
                perStock += c.opening + in.GC - outTotals.GC;
            }
        }
        const Timing byStock{double(t.nsecsElapsed()) / 1e6, double(std::clock() - c0) * 1000.0 / CLOCKS_PER_SEC};
        out() << QStringLiteral("  stock by stock (2 prepared statements per card), %1: %2; sum of balances %3")
                     .arg(what, byStock.text(), CurrToSQL(perStock))
              << Qt::endl;
    }
    printPlan(QStringLiteral("grouped pass"),
              QStringLiteral("SELECT STOK_KODU, SUM(GIREN), SUM(CIKAN), SUM(TUTAR) FROM stokhareketi_%1 GROUP BY STOK_KODU")
                  .arg(kCode));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString folder = args.size() > 1 ? args.at(1) : QDir::temp().filePath(QStringLiteral("vr_bench_stock_figures"));
    QDir().mkpath(folder);
    appContext().setProgramDir(QDir(folder).absolutePath());
    if (!prepareCompany())
        return 1;
    out() << "Movements: " << scalar(QStringLiteral("SELECT COUNT(*) FROM stokhareketi_") + kCode).toLongLong()
          << ", cards: " << scalar(QStringLiteral("SELECT COUNT(*) FROM anastokgirisi_") + kCode).toLongLong()
          << ", entries: "
          << scalar(QStringLiteral("SELECT COUNT(*) FROM stokhareketi_%1 WHERE GIREN <> 0").arg(kCode)).toLongLong()
          << Qt::endl;
    benchOneCard();
    benchAllCards();
    Database::close();
    return 0;
}
