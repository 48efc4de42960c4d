#include "platform/number/Formats.h"

#include <QLocale>
#include <QStringList>

#include <cmath>

namespace {

struct Section
{
    QString prefix;
    QString suffix;
    int minInt = 0;      // count of '0' before the decimal point
    int minFrac = 0;     // count of '0' after it
    int maxFrac = 0;     // count of '0' and '#' after it
    bool grouping = false;
    bool hasDigits = false;
};

Section parseSection(const QString &s)
{
    Section sec;
    bool inDigits = false, afterDigits = false, inFrac = false;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == u'"' || c == u'\'') {
            const qsizetype end = s.indexOf(c, i + 1);
            const QString lit = s.mid(i + 1, end < 0 ? -1 : end - i - 1);
            (afterDigits || inDigits ? sec.suffix : sec.prefix) += lit;
            if (inDigits) { inDigits = false; afterDigits = true; }
            i = end < 0 ? s.size() : end;
            continue;
        }
        const bool digitChar = c == u'0' || c == u'#' || c == u',' || c == u'.';
        if (digitChar && !afterDigits) {
            inDigits = true;
            sec.hasDigits = true;
            if (c == u'.') {
                inFrac = true;
            } else if (c == u',') {
                if (!inFrac)
                    sec.grouping = true;
            } else if (inFrac) {
                ++sec.maxFrac;
                if (c == u'0')
                    sec.minFrac = sec.maxFrac;
            } else if (c == u'0') {
                ++sec.minInt;
            }
            continue;
        }
        if (inDigits) {
            inDigits = false;
            afterDigits = true;
        }
        (afterDigits ? sec.suffix : sec.prefix) += c;
    }
    return sec;
}

// |value| rounded to maxFrac decimals (halves away from zero), as integer and fraction digits.
QString formatDigits(const Section &sec, double absValue)
{
    const double factor = std::pow(10.0, sec.maxFrac);
    // Round from the shortest decimal text of the value so that 0.005 stays a half.
    const QString exact = QString::number(absValue, 'f', qMin(15, sec.maxFrac + 3));
    double scaled = std::floor(exact.toDouble() * factor + 0.5 + 1e-9);
    QString digits = QString::number(scaled, 'f', 0);
    while (digits.size() <= sec.maxFrac)
        digits.prepend(u'0');
    QString intPart = digits.left(digits.size() - sec.maxFrac);
    QString frac = digits.right(sec.maxFrac);
    while (frac.size() > sec.minFrac && frac.endsWith(u'0'))
        frac.chop(1);
    while (intPart.size() > 1 && intPart.startsWith(u'0'))
        intPart.remove(0, 1);
    if (intPart == QStringLiteral("0") && sec.minInt == 0)
        intPart.clear();
    while (intPart.size() < sec.minInt)
        intPart.prepend(u'0');
    if (sec.grouping) {
        for (qsizetype i = intPart.size() - 3; i > 0; i -= 3)
            intPart.insert(i, u'.');
    }
    return frac.isEmpty() ? intPart : intPart + u',' + frac;
}

bool roundsToZero(const Section &sec, double absValue)
{
    return std::floor(absValue * std::pow(10.0, sec.maxFrac) + 0.5) == 0;
}

} // namespace

QString FormatFloat(const QString &pattern, double value)
{
    if (!std::isfinite(value))
        return QString::number(value);
    const QStringList parts = pattern.split(u';');
    const Section pos = parseSection(parts.value(0));
    const double absValue = std::fabs(value);
    if (parts.size() >= 3 && !parts[2].isEmpty() && (value == 0 || roundsToZero(pos, absValue))) {
        const Section zero = parseSection(parts[2]);
        return zero.prefix + (zero.hasDigits ? formatDigits(zero, 0) : QString()) + zero.suffix;
    }
    if (value < 0 && parts.size() >= 2 && !parts[1].isEmpty()) {
        const Section neg = parseSection(parts[1]);
        return neg.prefix + (neg.hasDigits ? formatDigits(neg, absValue) : QString()) + neg.suffix;
    }
    const QString digits = pos.hasDigits ? formatDigits(pos, absValue) : QString();
    const bool showMinus = value < 0 && !roundsToZero(pos, absValue);
    return (showMinus ? QStringLiteral("-") : QString()) + pos.prefix + digits + pos.suffix;
}

QString FormatFloat(const QString &pattern, Currency value)
{
    return FormatFloat(pattern, value.toDouble());
}

QString FloatToStr(Currency value)
{
    return CurrToSQL(value).replace(u'.', u',');
}

bool parseTurkishNumber(const QString &text, double *value)
{
    QString s = text.trimmed();
    if (s.isEmpty())
        return false;
    if (s.contains(u','))
        s = s.remove(u'.').replace(u',', u'.');
    else if (s.count(u'.') > 1)
        s.remove(u'.');
    bool ok = false;
    const double v = s.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    *value = v;
    return true;
}

QString formatDate(const QDate &date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

QDate parseDate(const QString &text)
{
    const QStringList parts = text.trimmed().split(u'.');
    if (parts.size() != 3)
        return {};
    bool okD = false, okM = false, okY = false;
    const int d = parts[0].toInt(&okD), m = parts[1].toInt(&okM);
    int y = parts[2].toInt(&okY);
    if (!okD || !okM || !okY || parts[2].size() > 4)
        return {};
    if (parts[2].size() <= 2)
        y += y < 50 ? 2000 : 1900;
    return QDate(y, m, d);
}

QString formatDateLong(const QDate &date)
{
    return QLocale(QLocale::Turkish, QLocale::Turkey).toString(date, QStringLiteral("dd MMMM yyyy dddd"));
}

QString DateToSQL(const QDate &date)
{
    return u'\'' + date.toString(Qt::ISODate) + u'\'';
}

QString DateTimeToSQL(const QDateTime &dateTime)
{
    return u'\'' + dateTime.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + u'\'';
}
