#include "platform/ini/IniFile.h"

#include "platform/text/Cp1254.h"

#include <QFile>
#include <QSaveFile>
#include <QStringEncoder>

#include <optional>

namespace {

enum class Encoding { Cp1254, Utf8Bom, Utf16LE, Utf16BE };

// The whole file as lines, with what is needed to write it back as it was.
struct IniText
{
    QStringList lines;
    QString eol = QStringLiteral("\r\n");
    bool finalEol = true;
    Encoding encoding = Encoding::Cp1254;
    bool readable = false;
};

IniText load(const QString &path)
{
    IniText t;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return t;
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return t;
    t.readable = true;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        t.encoding = Encoding::Utf8Bom;
    else if (bytes.startsWith("\xFF\xFE"))
        t.encoding = Encoding::Utf16LE;
    else if (bytes.startsWith("\xFE\xFF"))
        t.encoding = Encoding::Utf16BE;
    QString text = decodeTextFile(bytes);
    if (text.isEmpty())
        return t;
    if (!text.contains(QStringLiteral("\r\n")) && text.contains(u'\n'))
        t.eol = QStringLiteral("\n");
    t.finalEol = text.endsWith(u'\n');
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.lines = text.split(u'\n');
    if (t.finalEol)
        t.lines.removeLast();
    return t;
}

bool save(const QString &path, const IniText &t)
{
    QString text = t.lines.join(t.eol);
    if (t.finalEol && !t.lines.isEmpty())
        text += t.eol;
    QByteArray bytes;
    switch (t.encoding) {
    case Encoding::Cp1254: bytes = Cp1254::encode(text); break;
    case Encoding::Utf8Bom: bytes = "\xEF\xBB\xBF" + text.toUtf8(); break;
    case Encoding::Utf16LE:
    case Encoding::Utf16BE: {
        QStringEncoder enc(t.encoding == Encoding::Utf16LE ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE,
                           QStringEncoder::Flag::WriteBom);
        bytes = enc(text);
        break;
    }
    }
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(bytes);
    return f.commit();
}

std::optional<QString> sectionName(const QString &line)
{
    const QString s = line.trimmed();
    if (!s.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = s.indexOf(u']');
    return (close < 0 ? s.mid(1) : s.mid(1, close - 1)).trimmed();
}

bool isComment(const QString &line)
{
    return line.trimmed().startsWith(u';');
}

// Key of a "key=value" line, empty for any other line.
QString keyOf(const QString &line)
{
    if (isComment(line))
        return {};
    const qsizetype eq = line.indexOf(u'=');
    return eq <= 0 ? QString() : line.left(eq).trimmed();
}

QString valueOf(const QString &line)
{
    QString v = line.mid(line.indexOf(u'=') + 1).trimmed();
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    return v;
}

bool same(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// [first line after the header, end) of the first section with that name; nullopt when absent.
std::optional<std::pair<qsizetype, qsizetype>> findSection(const IniText &t, const QString &section)
{
    for (qsizetype i = 0; i < t.lines.size(); ++i) {
        const auto name = sectionName(t.lines[i]);
        if (!name || !same(*name, section))
            continue;
        qsizetype end = i + 1;
        while (end < t.lines.size() && !sectionName(t.lines[end]))
            ++end;
        return std::make_pair(i + 1, end);
    }
    return std::nullopt;
}

qsizetype findKey(const IniText &t, std::pair<qsizetype, qsizetype> range, const QString &key)
{
    for (qsizetype i = range.first; i < range.second; ++i)
        if (same(keyOf(t.lines[i]), key))
            return i;
    return -1;
}

std::optional<QString> rawValue(const QString &path, const QString &section, const QString &key)
{
    const IniText t = load(path);
    const auto range = findSection(t, section);
    if (!range)
        return std::nullopt;
    const qsizetype i = findKey(t, *range, key);
    if (i < 0)
        return std::nullopt;
    return valueOf(t.lines[i]);
}

std::optional<int> parseInteger(const QString &s)
{
    bool ok = false;
    int v = 0;
    if (s.startsWith(u'$'))
        v = s.mid(1).toInt(&ok, 16);
    else if (s.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive))
        v = s.mid(2).toInt(&ok, 16);
    else
        v = s.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return v;
}

} // namespace

IniFile::IniFile(QString path)
    : m_path(std::move(path))
{
}

bool IniFile::exists() const
{
    return QFile::exists(m_path);
}

QString IniFile::readString(const QString &section, const QString &key, const QString &def) const
{
    return rawValue(m_path, section, key).value_or(def);
}

int IniFile::readInteger(const QString &section, const QString &key, int def) const
{
    const auto raw = rawValue(m_path, section, key);
    return raw ? parseInteger(*raw).value_or(def) : def;
}

bool IniFile::readBool(const QString &section, const QString &key, bool def) const
{
    return readInteger(section, key, def ? 1 : 0) != 0;
}

QDate IniFile::readDate(const QString &section, const QString &key, const QDate &def) const
{
    const auto raw = rawValue(m_path, section, key);
    if (!raw)
        return def;
    const QDate d = QDate::fromString(*raw, QStringLiteral("d.M.yyyy"));
    return d.isValid() ? d : def;
}

bool IniFile::sectionExists(const QString &section) const
{
    return findSection(load(m_path), section).has_value();
}

bool IniFile::valueExists(const QString &section, const QString &key) const
{
    return rawValue(m_path, section, key).has_value();
}

QStringList IniFile::readSection(const QString &section) const
{
    QStringList keys;
    for (const auto &kv : readSectionValues(section))
        keys << kv.first;
    return keys;
}

QList<QPair<QString, QString>> IniFile::readSectionValues(const QString &section) const
{
    const IniText t = load(m_path);
    QList<QPair<QString, QString>> out;
    const auto range = findSection(t, section);
    if (!range)
        return out;
    for (qsizetype i = range->first; i < range->second; ++i) {
        const QString key = keyOf(t.lines[i]);
        if (!key.isEmpty())
            out.append({key, valueOf(t.lines[i])});
    }
    return out;
}

bool IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    IniText t = load(m_path);
    if (!t.readable && QFile::exists(m_path))
        return false; // never overwrite a file we could not read
    const auto range = findSection(t, section);
    if (!range) {
        if (!t.lines.isEmpty() && !t.lines.last().trimmed().isEmpty())
            t.lines.append(QString());
        t.lines.append(u'[' + section + u']');
        t.lines.append(key + u'=' + value);
        t.finalEol = true;
        return save(m_path, t);
    }
    const qsizetype i = findKey(t, *range, key);
    if (i >= 0) {
        t.lines[i] = keyOf(t.lines[i]) + u'=' + value;
        return save(m_path, t);
    }
    // A new key goes after the section's last non-blank line.
    qsizetype at = range->second;
    while (at > range->first && t.lines[at - 1].trimmed().isEmpty())
        --at;
    t.lines.insert(at, key + u'=' + value);
    return save(m_path, t);
}

bool IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    return writeString(section, key, QString::number(value));
}

bool IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniFile::writeDate(const QString &section, const QString &key, const QDate &value)
{
    return writeString(section, key, value.toString(QStringLiteral("dd.MM.yyyy")));
}

bool IniFile::eraseSection(const QString &section)
{
    IniText t = load(m_path);
    const auto range = findSection(t, section);
    if (!range)
        return t.readable;
    t.lines.remove(range->first - 1, range->second - range->first + 1);
    return save(m_path, t);
}

bool IniFile::deleteKey(const QString &section, const QString &key)
{
    IniText t = load(m_path);
    const auto range = findSection(t, section);
    if (!range)
        return t.readable;
    const qsizetype i = findKey(t, *range, key);
    if (i < 0)
        return true;
    t.lines.removeAt(i);
    return save(m_path, t);
}
