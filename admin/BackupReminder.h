#pragma once

#include <QDate>
#include <QString>

class IniFile;
class QWidget;

// The start-up reminder about overdue backups and maintenance. The program
// makes neither itself: the dates are set the first time the check finds them
// empty and count from that day.

// The keys the check reads from [AYARLAR] of Ayarlar.ini.
struct ReminderSettings
{
    QString SONYEDEKLEME; // as stored, "dd.mm.yyyy" or empty
    QString SONBAKIM;
    bool YE = false;      // do not remind about backups
    bool BA = false;      // do not remind about maintenance
    int yedek_gun = 7;
    int bakim_gun = 28;

    static ReminderSettings read(const IniFile &ini);
};

struct ReminderCheck
{
    bool stopped = false;          // both reminders switched off: nothing read or written
    QString writeSONYEDEKLEME;     // non-empty: the date text to store
    QString writeSONBAKIM;
    int backupDays = 0;
    int maintenanceDays = 0;
    QString text;                  // empty: nothing to show
};

// What the check finds for these settings on this day. A stored date that
// cannot be read counts as empty, so it is replaced with today's date.
ReminderCheck checkReminders(const ReminderSettings &settings, const QDate &today);

// The check as the main window runs it at its first showing: reads the
// settings, stores the dates it sets and shows the reminder dialog when there
// is something to say.
void yedek_hatirlatma(QWidget *parent, const QDate &today = QDate::currentDate());
