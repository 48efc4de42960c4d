#pragma once

#include <QtGlobal>
#include <QString>

// Quantities, prices, amounts and rates in memory: value x 10000 in a
// 64-bit integer. Stored numbers are 8-byte floats; they are scaled and
// rounded to nearest (halves away from zero) when read.
class Currency
{
public:
    static constexpr qint64 kScale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromScaled(qint64 scaled) { Currency c; c.m_scaled = scaled; return c; }
    static Currency fromDouble(double value);
    static constexpr Currency fromInt(qint64 value) { return fromScaled(value * kScale); }

    constexpr qint64 scaled() const { return m_scaled; }
    double toDouble() const { return double(m_scaled) / kScale; }
    constexpr bool isZero() const { return m_scaled == 0; }

    constexpr Currency operator+(Currency o) const { return fromScaled(m_scaled + o.m_scaled); }
    constexpr Currency operator-(Currency o) const { return fromScaled(m_scaled - o.m_scaled); }
    constexpr Currency operator-() const { return fromScaled(-m_scaled); }
    Currency &operator+=(Currency o) { m_scaled += o.m_scaled; return *this; }
    Currency &operator-=(Currency o) { m_scaled -= o.m_scaled; return *this; }
    // Products and quotients are rounded to four decimals, halves away from zero.
    Currency operator*(Currency o) const;
    Currency operator/(Currency o) const; // division by zero gives zero
    friend constexpr auto operator<=>(Currency a, Currency b) = default;

private:
    qint64 m_scaled = 0;
};

// The value written for SQL: shortest decimal form, "." as decimal point,
// no grouping (125000 -> "12.5", -15000 -> "-1.5", 0 -> "0").
QString CurrToSQL(Currency value);
