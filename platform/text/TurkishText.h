#pragma once

#include <QString>

// Turkish letter case and the SQL text helpers every screen uses.

// Turkish upper case of one character: i -> İ, ı -> I, a-z and the Turkish
// letters to their capitals; anything else unchanged.
QChar TRUpCaseChar(QChar c);
QString TRUpperCase(const QString &text);

// Removes % ' " ; * ^ ! & from user text; with quote set the result is
// enclosed in apostrophes (nothing is left inside that would need doubling).
QString ClearSQLText(const QString &text, bool quote);

// An SQL text literal: enclosed in apostrophes, inner apostrophes doubled.
QString quoteSql(const QString &text);

// Case folding for comparisons that ignore case the Turkish way
// (I/ı and İ/i are pairs); used by the filters, lookups and the SQL functions.
QString trFold(const QString &text);

// Ordering by the Turkish alphabet (A B C Ç D E F G Ğ H I İ J ... Ş T U Ü V Y Z),
// letters compared without regard to case first, then case and code point as tie-breaks.
int trCompare(const QString &a, const QString &b);
