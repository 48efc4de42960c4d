#include "platform/number/Currency.h"

#include <cmath>

Currency Currency::fromDouble(double value)
{
    if (!std::isfinite(value))
        return {};
    return fromScaled(qint64(std::llround(value * kScale)));
}

namespace {

qint64 roundedDiv(__int128 num, __int128 den)
{
    const bool negative = (num < 0) != (den < 0);
    if (num < 0) num = -num;
    if (den < 0) den = -den;
    __int128 q = (num + den / 2) / den;
    return qint64(negative ? -q : q);
}

} // namespace

Currency Currency::operator*(Currency o) const
{
    return fromScaled(roundedDiv(__int128(m_scaled) * o.m_scaled, kScale));
}

Currency Currency::operator/(Currency o) const
{
    if (o.m_scaled == 0)
        return {};
    return fromScaled(roundedDiv(__int128(m_scaled) * kScale, o.m_scaled));
}

QString CurrToSQL(Currency value)
{
    const qint64 v = value.scaled();
    const quint64 a = v < 0 ? quint64(-(v + 1)) + 1 : quint64(v);
    QString out = QString::number(a / Currency::kScale);
    QString frac = QStringLiteral("%1").arg(a % Currency::kScale, 4, 10, QChar(u'0'));
    while (frac.endsWith(u'0'))
        frac.chop(1);
    if (!frac.isEmpty())
        out += u'.' + frac;
    return v < 0 ? u'-' + out : out;
}
