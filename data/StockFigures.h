#pragma once

#include "data/StockRecords.h"

#include <QDate>
#include <QHash>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

// The figures of a stock, computed from its movements whenever they are needed
// (balances are never stored), and whole card and movement rows.
//
// Routines with an error label (GetStokFieldsAllOf, GetStokHareketAllOf,
// GetStokSonHareket, GetStokEnuEnP) show the error report of the record
// routines and return false with the record filled as far as it got. The others
// report nothing: they return false with the engine's message in *error.

// The stock card whose column equals the text value (number < 1) or the number.
// True when a card was read; no card leaves empty texts and zeros.
bool GetStokFieldsAllOf(const QString &column, const QString &value, qint64 number, TStokValueAllOf &out);

// The movement with this GIZLI_NO. True when one was read.
bool GetStokHareketAllOf(qint64 recordNumber, TStokHareketAllOf &out);

// Balance = the card's opening quantity YILB_MIK + all entries - all exits
// (movements marked NORMAL_DEGIL included), and the card's critical quantity.
// An unknown code gives zeros.
bool GetStokBakiye(const QString &stockCode, Currency &balance, Currency &critical, QString *error = nullptr);

// Totals of one direction: quantityColumn "GIREN" (entries) or "CIKAN" (exits),
// over the stock's movements whose quantity is not 0. condition is SQL from
// code appended as it is, e.g. " and ( TARIHI BETWEEN '2018-01-01' AND '2018-12-31')".
// No movement gives zeros (no division by zero).
bool GetStokOrtalama(const QString &quantityColumn, const QString &stockCode, const QString &condition,
                     TStokOrtalama &out, QString *error = nullptr);

// The last entry and the last exit: the movement on the latest date with a
// positive quantity of that direction (one of them when several share the date).
bool GetStokSonHareket(const QString &stockCode, TStokSonHareket &out);

// Lowest and highest movement amounts per direction.
bool GetStokEnuEnP(const QString &stockCode, TStokEnuEnP &out);

// Everything a stock card shows beside its fields.
struct StockCardFigures
{
    Currency balance;
    Currency critical;
    TStokOrtalama entries;
    TStokOrtalama exits;
    TStokSonHareket last;
    TStokEnuEnP extremes;
};

// Entry and exit totals of one stock, as the balance reports need them.
struct StockTotals
{
    TStokOrtalama entries;
    TStokOrtalama exits;
};

// The same figures for screens and reports that compute many stocks: each
// statement is prepared once and bound per stock. Hold a ReadTransaction
// (data/SqlSupport.h) around the loop so all statements share one snapshot.
// Failures are not reported here: a method returns false and lastError() says why.
class StockFigures
{
public:
    StockFigures();
    ~StockFigures();
    StockFigures(const StockFigures &) = delete;
    StockFigures &operator=(const StockFigures &) = delete;

    bool balance(const QString &stockCode, Currency &balance, Currency &critical);
    // Dates limit the movements to a period (both ends included) when both are valid.
    bool totals(const QString &quantityColumn, const QString &stockCode, TStokOrtalama &out, const QDate &from = {},
                const QDate &to = {});
    bool lastMovements(const QString &stockCode, TStokSonHareket &out);
    bool extremes(const QString &stockCode, TStokEnuEnP &out);
    // All of the above for one card, with one pass over the stock's movements.
    bool cardFigures(const QString &stockCode, StockCardFigures &out);

    const QString &lastError() const { return m_error; }
    // The failed statement with the stock code written in, for an error report.
    const QString &lastSql() const { return m_sql; }

private:
    bool cardQuantities(const QString &stockCode, Currency &critical, Currency &opening);
    QSqlQuery *prepared(const QString &sql);
    bool execute(QSqlQuery *q, const QString &reportSql);
    // Prepares (once), binds and runs; null after a failure, whose message is kept.
    QSqlQuery *run(const QString &sql, const QVariantList &values);

    QHash<QString, QSqlQuery *> m_queries;
    QString m_error;
    QString m_sql;
};

// Entry and exit totals of every stock that has movements (in the period, when
// both dates are valid), keyed by stock code, in one grouped pass over the
// movements' covering index. A stock missing from the map has no movements.
bool GetAllStockTotals(QHash<QString, StockTotals> &out, const QDate &from = {}, const QDate &to = {},
                       QString *error = nullptr);
