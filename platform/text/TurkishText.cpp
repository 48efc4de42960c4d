#include "platform/text/TurkishText.h"

QChar TRUpCaseChar(QChar c)
{
    const char16_t u = c.unicode();
    if (u == u'i')
        return QChar(u'İ');
    if (u == u'ı')
        return QChar(u'I');
    if (u >= u'a' && u <= u'z')
        return QChar(char16_t(u - 32));
    switch (u) {
    case u'ç': return QChar(u'Ç');
    case u'ğ': return QChar(u'Ğ');
    case u'ö': return QChar(u'Ö');
    case u'ş': return QChar(u'Ş');
    case u'ü': return QChar(u'Ü');
    default: return c;
    }
}

QString TRUpperCase(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        c = TRUpCaseChar(c);
    return out;
}

QString ClearSQLText(const QString &text, bool quote)
{
    static const QString kDropped = QStringLiteral("%'\";*^!&");
    QString out;
    out.reserve(text.size() + 2);
    for (QChar c : text)
        if (!kDropped.contains(c))
            out.append(c);
    return quote ? u'\'' + out + u'\'' : out;
}

QString quoteSql(const QString &text)
{
    QString inner = text;
    inner.replace(u'\'', QStringLiteral("''"));
    return u'\'' + inner + u'\'';
}

QString trFold(const QString &text)
{
    QString out = text;
    for (QChar &c : out) {
        const char16_t u = c.unicode();
        if (u == u'i')
            c = QChar(u'İ');
        else if (u == u'ı')
            c = QChar(u'I');
        else
            c = c.toUpper();
    }
    return out;
}

namespace {

// Position of a capital letter in the Turkish alphabet, spaced so that the
// Latin letters outside it (Q, W, X) and other capitals sort between.
int letterWeight(QChar upper)
{
    static const QString kAlphabet = QStringLiteral("ABCÇDEFGĞHIİJKLMNOÖPQRSŞTUÜVWXYZ");
    const qsizetype pos = kAlphabet.indexOf(upper);
    if (pos >= 0)
        return 0x10000 + int(pos);
    return upper.unicode();
}

} // namespace

int trCompare(const QString &a, const QString &b)
{
    const QString fa = trFold(a);
    const QString fb = trFold(b);
    const qsizetype n = qMin(fa.size(), fb.size());
    for (qsizetype i = 0; i < n; ++i) {
        const int wa = letterWeight(fa[i]);
        const int wb = letterWeight(fb[i]);
        if (wa != wb)
            return wa < wb ? -1 : 1;
    }
    if (fa.size() != fb.size())
        return fa.size() < fb.size() ? -1 : 1;
    // Same letters: lower case first, then plain code point order, so the order is total.
    const int c = QString::compare(b, a); // lower-case letters have higher code points
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}
