#include "platform/text/Cp1254.h"

#include <QStringDecoder>

namespace {

// Code points of the bytes 0x80..0x9F; the rest of the upper half is Latin-1
// except the six Turkish letters handled in upperHalf().
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x008E, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x009E, 0x0178,
};

char16_t toUnicode(unsigned char b)
{
    if (b < 0x80)
        return b;
    if (b < 0xA0)
        return kHigh[b - 0x80];
    switch (b) {
    case 0xD0: return 0x011E; // Ğ
    case 0xDD: return 0x0130; // İ
    case 0xDE: return 0x015E; // Ş
    case 0xF0: return 0x011F; // ğ
    case 0xFD: return 0x0131; // ı
    case 0xFE: return 0x015F; // ş
    default: return b;
    }
}

int fromUnicode(char16_t c)
{
    if (c < 0x80)
        return c;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c)
            return 0x80 + i;
    switch (c) {
    case 0x011E: return 0xD0;
    case 0x0130: return 0xDD;
    case 0x015E: return 0xDE;
    case 0x011F: return 0xF0;
    case 0x0131: return 0xFD;
    case 0x015F: return 0xFE;
    case 0xD0: case 0xDD: case 0xDE: case 0xF0: case 0xFD: case 0xFE:
        return -1; // their bytes hold the Turkish letters
    default:
        return (c >= 0xA0 && c <= 0xFF) ? int(c) : -1;
    }
}

} // namespace

namespace Cp1254 {

QString decode(const QByteArray &bytes)
{
    QString out;
    out.resize(bytes.size());
    QChar *d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        d[i] = QChar(toUnicode(static_cast<unsigned char>(bytes[i])));
    return out;
}

QByteArray encode(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const int b = fromUnicode(c.unicode());
        out.append(b < 0 ? '?' : char(b));
    }
    return out;
}

bool canEncode(const QString &text)
{
    for (QChar c : text)
        if (fromUnicode(c.unicode()) < 0)
            return false;
    return true;
}

} // namespace Cp1254

QString decodeTextFile(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder dec(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        return dec(bytes.mid(2));
    }
    return Cp1254::decode(bytes);
}
