#pragma once

#include "data/StockRecords.h"
#include "platform/number/Currency.h"
#include "platform/number/Formats.h"     // DateToSQL
#include "platform/text/TurkishText.h"   // ClearSQLText, TRUpperCase, TRUpCaseChar, quoteSql

#include <QString>
#include <QStringList>

// The routines through which screens draw record numbers and insert, update,
// count, read and delete rows of the active company's tables. Each one builds
// its statement from a table's base name + "_" + company code, runs it on the
// program's one connection and finishes it before returning.
//
// Text values reach SQL quoted (inner apostrophes doubled, quoteSql) or cleaned
// and quoted by the caller (ClearSQLText); table and column names come from code.
//
// The error report: a failed statement shows the error dialog with the engine's
// message, "\r\r\n", the full SQL text, and the routine's name as its label;
// the routine then returns its failure result. Routines with an `error`
// argument report nothing themselves and leave the error to their caller.

// Draws the next record number from the counter table (e.g. "ref_stokhareketi"):
// 1 on an empty counter, otherwise the stored number + 1. Read and advance run
// in one transaction (a savepoint inside the caller's), so a number is never
// handed out twice. 0 after an error report; the counter is then unchanged.
int GetRecID(const QString &counterTable);

// The counter's current value without advancing it; 0 for an empty counter or after an error report.
int GetRecordIDValue(const QString &counterTable);

// Columns a and b of the most recently numbered row of the table (its number
// from "ref_" + table, looked up in keyColumn), as text. Outputs are emptied
// when no row has that number and left unchanged after an error report.
// Returns true when a row was read.
bool GetLastRecordInf(const QString &table, const QString &columnA, const QString &columnB,
                      const QString &keyColumn, QString *a, QString *b);

// valueColumn of the first row whose keyColumn equals the key text, or the key
// number when it is 1 or more. 0 when no row matches and after an error report.
Currency GetFieldValueR(const QString &table, const QString &keyColumn, const QString &key,
                        const QString &valueColumn, qint64 keyNumber = 0);

// Number of rows whose column compares with the value: op 0 " = ", 1 " != ",
// 2 " Like " (so "%" and "_" are wildcards), any other " = ". 0 after an error report.
int SQLFILTER(const QString &value, const QString &column, const QString &table, int op);
int SQLFILTER(qint64 value, const QString &column, const QString &table, int op);

// Row count of the table; condition is SQL from code with its own "WHERE". 0 after an error report.
int RCRD_CNT(const QString &table, const QString &condition = {});

// Inserts one row. Values are SQL literals in the table's stored column order
// (ClearSQLText(text, true), CurrToSQL, DateToSQL, true/false) unless columns
// names them, e.g. " (A, B)". 1 on success, 0 after an error report.
int InsertSQL(const QStringList &values, const QString &table, const QString &columns = {});

// Updates the row whose keyColumn equals key; each item is "COLUMN = literal".
// 1 on success, 0 after an error report.
int Update_SQL_(const QStringList &items, const QString &table, qint64 key, const QString &keyColumn);

// Runs a complete statement built by the caller. False after an error report.
bool Update_SimpleSQL(const QString &sql);

// Deletes the rows whose keyColumn equals key. On failure shows its own error
// message ("Hata Oluştu [DELETE_RECORD_] :" and the engine's message) and returns false.
bool DELETE_RECORD_(const QString &table, qint64 key, const QString &keyColumn);

// Empties a work table (no company suffix). Failures get the error report.
void DELETE_ALL_OF_TMP_TABLE(const QString &workTable);

// Looks a stock card up by column = text value. The price is FIYAT2, FIYAT3 or
// FIYAT4 for priceChoice 1, 2 or 3, else FIYAT1. No matching card gives empty
// texts and zeros. Returns false with the engine's message in *error on failure.
bool GetStokValue(const QString &column, const QString &value, int priceChoice, TStokValue &out,
                  QString *error = nullptr);
