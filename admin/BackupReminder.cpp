#include "admin/BackupReminder.h"

#include "admin/SettingsFailure.h"
#include "admin/Tbakimyedekuyari.h"
#include "dialogs/ModalRunner.h"
#include "platform/AppContext.h"
#include "platform/ini/IniFile.h"
#include "platform/number/Formats.h"

namespace {

const QString kAyarlar = QStringLiteral("AYARLAR");

// The stored date, or today's (with the text to store) when it is empty or unreadable.
QDate usedDate(const QString &stored, const QDate &today, QString *toWrite)
{
    const QDate date = parseDate(stored.trimmed());
    if (date.isValid())
        return date;
    *toWrite = formatDate(today);
    return today;
}

} // namespace

ReminderSettings ReminderSettings::read(const IniFile &ini)
{
    ReminderSettings s;
    s.SONYEDEKLEME = ini.readString(kAyarlar, QStringLiteral("SONYEDEKLEME"));
    s.SONBAKIM = ini.readString(kAyarlar, QStringLiteral("SONBAKIM"));
    s.YE = ini.readBool(kAyarlar, QStringLiteral("YE"), false);
    s.BA = ini.readBool(kAyarlar, QStringLiteral("BA"), false);
    s.yedek_gun = ini.readInteger(kAyarlar, QStringLiteral("yedek_gun"), 7);
    s.bakim_gun = ini.readInteger(kAyarlar, QStringLiteral("bakim_gun"), 28);
    return s;
}

ReminderCheck checkReminders(const ReminderSettings &s, const QDate &today)
{
    ReminderCheck c;
    if (s.YE && s.BA) {
        c.stopped = true;
        return c;
    }
    const QDate backup = usedDate(s.SONYEDEKLEME, today, &c.writeSONYEDEKLEME);
    const QDate maintenance = usedDate(s.SONBAKIM, today, &c.writeSONBAKIM);
    c.backupDays = int(backup.daysTo(today));
    c.maintenanceDays = int(maintenance.daysTo(today));

    if (!s.YE && c.backupDays >= s.yedek_gun)
        c.text += u'-' + QString::number(c.backupDays) + QStringLiteral(" Gündür veri tabanları yedeklenmemiş...\r\n");
    if (!s.BA && c.maintenanceDays >= s.bakim_gun)
        c.text += u'-' + QString::number(c.maintenanceDays)
            + QStringLiteral(" Gündür veri tabanlarının bakımı yapılmamış...");
    if (!c.text.isEmpty())
        c.text += QStringLiteral("\r\n\r\n"
                                 "Veri Tabanı Bakım işlemini ve Yedekleme işlemini \"Diğer İşlemler\" bölümünden "
                                 "yapabilirsiniz...\r\n"
                                 "Unutmayın ki!!! ufak bir hata, virüs, sistem hataları, vb... girmiş olduğunuz "
                                 "verilere zarar verebilir.");
    return c;
}

void yedek_hatirlatma(QWidget *parent, const QDate &today)
{
    IniFile ini(appContext().settingsPath());
    const ReminderSettings settings = ReminderSettings::read(ini);
    const ReminderCheck check = checkReminders(settings, today);
    if (check.stopped)
        return;
    if ((!check.writeSONYEDEKLEME.isEmpty()
         && !ini.writeString(kAyarlar, QStringLiteral("SONYEDEKLEME"), check.writeSONYEDEKLEME))
        || (!check.writeSONBAKIM.isEmpty()
            && !ini.writeString(kAyarlar, QStringLiteral("SONBAKIM"), check.writeSONBAKIM))) {
        reportSettingsWriteFailure(ini.path(), parent);
        return;
    }
    if (check.text.isEmpty())
        return;
    Tbakimyedekuyari dialog(parent);
    dialog.setMessage(check.text);
    dialog.setFlags(settings.YE, settings.BA);
    runModal(&dialog);
}
