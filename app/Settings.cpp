#include "app/Settings.h"

#include "platform/AppContext.h"
#include "platform/files/ResourceWriter.h"
#include "platform/ini/IniFile.h"

#include <QDate>

namespace Settings {

namespace {

constexpr Key kKeys[] = {
    {"DUV_GENEL", "GDisplayFormat", Type::Text, u"#,###0.###"},
    {"DUV_GENEL", "FIY5", Type::Integer, u"0"},
    {"DUV_GENEL", "FIY6", Type::Integer, u"0"},
    {"DUV_GENEL", "AY9", Type::Boolean, u"0"},
    {"DUV_GENEL", "AY1", Type::Boolean, u"0"},
    {"DUV_GENEL", "AY2", Type::Boolean, u"0"},
    {"DUV_GENEL", "AY4", Type::Boolean, u"0"},
    {"CEK_AYARLARI", "GUN5", Type::Integer, u"0"},
    {"AYARLAR", "DUVOtoBackup", Type::Text, u"C:\\DE5 OTO Yedek\\"},
    {"AYARLAR", "DUVDefaultBackup", Type::Text, u"C:\\DE5 Yedek\\"},
    {"AYARLAR", "usdUserCode", Type::Boolean, u"1"},
    {"AYARLAR", "OTOYEDEK", Type::Boolean, u"1"},
    {"AYARLAR", "YE", Type::Boolean, u"0"},
    {"AYARLAR", "BA", Type::Boolean, u"0"},
    {"AYARLAR", "yedek_gun", Type::Integer, u"7"},
    {"AYARLAR", "bakim_gun", Type::Integer, u"28"},
    {"AYARLAR", "SONYEDEKLEME", Type::Date, u""},
    {"AYARLAR", "SONBAKIM", Type::Date, u""},
    {"AYARLAR", "resimotosigdir", Type::Boolean, u"0"},
    {"AYARLAR", "stokotolist", Type::Boolean, u"0"},
    {"AYARLAR", "stokjoker", Type::Boolean, u"0"},
    {"AYARLAR", "seask", Type::Boolean, u"0"},
    {"AYARLAR", "szasirala", Type::Boolean, u"0"},
    {"AYARLAR", "harototam", Type::Boolean, u"0"},
    {"AYARLAR", "har_tut_kasaya_isle", Type::Boolean, u"0"},
    {"AYARLAR", "kritik_stok_seviye_kontrol", Type::Boolean, u"0"},
    {"AYARLAR", "BARKODOTO", Type::Boolean, u"1"},
    {"Coolbar", "Picturepath", Type::Text, u""},
    {"Coolbar", "font", Type::Text, u""},
    {"Coolbar", "size", Type::Integer, u"8"},
    {"Coolbar", "style", Type::Integer, u"4"},
    {"KLST_C", "mcizgirenk", Type::Colour, u"$00B3B5BD"},
    {"KLST_C", "myazirenk", Type::Colour, u"clWhite"},
    {"KLST_C", "myazirenkuzerinde", Type::Colour, u"clYellow"},
    {"KLST_C", "pzemin", Type::Colour, u"$00D9A8AE"},
    {"KLST_C", "petiket", Type::Colour, u"$00000040"},
    {"KLST_C", "peditcolor", Type::Colour, u"$00EACED1"},
    {"KLST_C", "digeretiketrenk", Type::Colour, u"$00D5C8C8"},
    {"KLST_C", "tanimlikulyazi", Type::Colour, u"$0080FFFF"},
    {"KLST_C", "tanimlikulzemin", Type::Colour, u"$00A46A59"},
    {"KLST_C", "interface", Type::Text, u"interface\\r1.jpg"},
    {"KUR_AYAR", "kur_islem_turu", Type::Integer, u"0"},
    {"KUR_AYAR", "kursabitle", Type::Boolean, u"0"},
};

} // namespace

const QList<Key> &keyIndex()
{
    static const QList<Key> keys(std::begin(kKeys), std::end(kKeys));
    return keys;
}

const Key *findKey(const QString &section, const QString &name)
{
    for (const Key &k : kKeys)
        if (section.compare(QLatin1String(k.section), Qt::CaseInsensitive) == 0
            && name.compare(QLatin1String(k.name), Qt::CaseInsensitive) == 0)
            return &k;
    return nullptr;
}

QVariant read(const AppContext &context, const QString &section, const QString &name)
{
    const Key *k = findKey(section, name);
    if (!k)
        return {};
    const IniFile ini(context.settingsPath());
    const QString def = QString::fromUtf16(k->defaultValue);
    switch (k->type) {
    case Type::Integer: return ini.readInteger(section, name, def.toInt());
    case Type::Boolean: return ini.readBool(section, name, def != u"0");
    case Type::Date: return ini.readDate(section, name);
    case Type::Text:
    case Type::Colour: return ini.readString(section, name, def);
    }
    return {};
}

} // namespace Settings

void readStartupSettings(AppContext &context)
{
    const IniFile ini(context.settingsPath());
    context.displayFormat = ini.readString(QStringLiteral("DUV_GENEL"), QStringLiteral("GDisplayFormat"),
                                           QStringLiteral("#,###0.###"));
    context.autoBackupFolder = QStringLiteral("C:\\DE5 OTO Yedek\\");
    context.defaultBackupFolder = QStringLiteral("C:\\DE5 Yedek\\");
    context.showCompanyNumbers = true;
    if (!ini.exists())
        return;
    context.autoBackupFolder = ini.readString(QStringLiteral("AYARLAR"), QStringLiteral("DUVOtoBackup"),
                                              context.autoBackupFolder);
    context.defaultBackupFolder = ini.readString(QStringLiteral("AYARLAR"), QStringLiteral("DUVDefaultBackup"),
                                                 context.defaultBackupFolder);
    context.showCompanyNumbers = ini.readBool(QStringLiteral("AYARLAR"), QStringLiteral("usdUserCode"), true);
}

bool writeSettingsTemplate(const AppContext &context)
{
    return writeResourceFile(context.settingsPath(), QStringLiteral("Ayarlar.ini"), false);
}
