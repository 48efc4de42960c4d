#pragma once

#include <QList>
#include <QString>
#include <QVariant>

struct AppContext;

// Ayarlar.ini: the index of every key the program reads, with its type and
// the value a missing or unreadable key gives.
namespace Settings {

enum class Type { Text, Integer, Boolean, Date, Colour };

struct Key
{
    const char *section;
    const char *name;
    Type type;
    const char16_t *defaultValue; // as the file would hold it
};

const QList<Key> &keyIndex();
const Key *findKey(const QString &section, const QString &name);

// Reads a key of the index from the settings file: QString for text and colour,
// int, bool, or QDate (invalid when empty or unreadable).
QVariant read(const AppContext &context, const QString &section, const QString &name);

} // namespace Settings

// The values read once at start: display format, the two backup folders and
// whether the login list shows company numbers.
void readStartupSettings(AppContext &context);

// Writes Ayarlar.ini from the embedded template when the file is missing.
bool writeSettingsTemplate(const AppContext &context);

// The three sections of GridAyarlari.ini.
inline constexpr char kGridStockBrowser[] = "StokKayitGezgini";
inline constexpr char kGridMovementBrowser[] = "HareketKayitGezgini";
inline constexpr char kGridBatchMovement[] = "HizliStokGirisi";
