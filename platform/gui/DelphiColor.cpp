#include "platform/gui/DelphiColor.h"

namespace DelphiColor {

namespace {

struct NamedColour
{
    const char *name;
    quint32 bgr;
};

// The first entry of a value is the name written back; later ones are read only.
constexpr NamedColour kNames[] = {
    {"clBlack", 0x000000},  {"clMaroon", 0x000080}, {"clGreen", 0x008000},   {"clOlive", 0x008080},
    {"clNavy", 0x800000},   {"clPurple", 0x800080}, {"clTeal", 0x808000},    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF},    {"clLime", 0x00FF00},    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},   {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},   {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0},
    {"clLtGray", 0xC0C0C0}, {"clDkGray", 0x808080},
};

QColor fromBgr(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

quint32 toBgr(const QColor &c)
{
    return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}

} // namespace

bool fromString(const QString &text, QColor *colour)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    for (const NamedColour &n : kNames) {
        if (t.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0) {
            *colour = fromBgr(n.bgr);
            return true;
        }
    }
    bool ok = false;
    qint64 value = 0;
    if (t.startsWith(u'$'))
        value = t.mid(1).toLongLong(&ok, 16);
    else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        value = t.mid(2).toLongLong(&ok, 16);
    else
        value = t.toLongLong(&ok, 10);
    // The top byte marks system and palette references; only plain colours
    // (top byte 0) mean something outside the original desktop.
    if (!ok || value < 0 || value > 0xFFFFFF)
        return false;
    *colour = fromBgr(quint32(value));
    return true;
}

QColor fromString(const QString &text, const QColor &fallback)
{
    QColor c;
    return fromString(text, &c) ? c : fallback;
}

QString toString(const QColor &colour)
{
    const quint32 bgr = toBgr(colour.toRgb());
    for (const NamedColour &n : kNames) {
        if (n.bgr == bgr)
            return QLatin1String(n.name);
    }
    return u'$' + QStringLiteral("%1").arg(bgr, 8, 16, QLatin1Char('0')).toUpper();
}

} // namespace DelphiColor
