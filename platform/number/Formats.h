#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include "platform/number/Currency.h"

// Display of numbers and dates as on a Turkish desktop, whatever the host says:
// decimal comma, thousands point, "dd.mm.yyyy".

// Number display patterns: up to three sections "positive;negative;zero";
// in a section "0" is a required digit, "#" an optional one, a "," anywhere in
// the integer part groups thousands, "." is the decimal point; other characters
// (and text in quotes) are copied. A negative value formatted by the first
// section gets a leading "-"; the second section gets the absolute value.
// Examples: "#,###0.###", ",0.00;-,0.00", ",0.###;-,0.###", "###0.##".
QString FormatFloat(const QString &pattern, double value);
QString FormatFloat(const QString &pattern, Currency value);

// The general number form: shortest decimal form with a decimal comma and no grouping.
QString FloatToStr(Currency value);

// Reads a number typed the Turkish way ("1.234,5", "1234,5"; a lone "." as in
// "12.5" is also taken as the decimal point). Returns false when it is no number.
bool parseTurkishNumber(const QString &text, double *value);

QString formatDate(const QDate &date);            // dd.mm.yyyy
QDate parseDate(const QString &text);             // d.m.yyyy; invalid when unreadable
QString formatDateLong(const QDate &date);        // "05 Mart 2018 Pazartesi"

// SQL literals for SQLite: dates as quoted ISO text, timestamps likewise.
QString DateToSQL(const QDate &date);
QString DateTimeToSQL(const QDateTime &dateTime);
