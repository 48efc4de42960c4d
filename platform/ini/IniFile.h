#pragma once

#include <QDate>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// The settings files: classic INI text, sections and keys compared without
// regard to case. The file is read (and written) on every call, as the
// program's screens expect; a write keeps every other line, the file's code
// page (1254 unless it starts with a byte-order mark) and its line ends.
// A file that cannot be read gives the defaults.
class IniFile
{
public:
    explicit IniFile(QString path);

    const QString &path() const { return m_path; }
    bool exists() const;

    QString readString(const QString &section, const QString &key, const QString &def = {}) const;
    // Decimal (or $hex / 0x hex) integers; anything else gives def.
    int readInteger(const QString &section, const QString &key, int def) const;
    // True for any non-zero integer; a value that is no integer gives def.
    bool readBool(const QString &section, const QString &key, bool def) const;
    // "dd.mm.yyyy"; an empty or unreadable value gives def.
    QDate readDate(const QString &section, const QString &key, const QDate &def = {}) const;

    bool sectionExists(const QString &section) const;
    bool valueExists(const QString &section, const QString &key) const;
    QStringList readSection(const QString &section) const;                           // keys, in file order
    QList<QPair<QString, QString>> readSectionValues(const QString &section) const;   // key, value pairs

    // Each returns false when the file could not be written.
    bool writeString(const QString &section, const QString &key, const QString &value);
    bool writeInteger(const QString &section, const QString &key, int value);
    bool writeBool(const QString &section, const QString &key, bool value);
    bool writeDate(const QString &section, const QString &key, const QDate &value);
    bool eraseSection(const QString &section);
    bool deleteKey(const QString &section, const QString &key);

private:
    QString m_path;
};
