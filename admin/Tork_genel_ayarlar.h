#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QSpinBox;

// The general settings dialog. One instance lives for the whole run; the main
// window loads it at its first showing and other screens read its controls
// (not the settings file), so a change takes effect at once and is stored
// for later runs only by "Kaydet".
class Tork_genel_ayarlar : public QDialog
{
    Q_OBJECT
public:
    explicit Tork_genel_ayarlar(QWidget *parent = nullptr);

    // Fills the controls from Ayarlar.ini; missing or odd values give the defaults.
    void loadSettings();
    // Writes the seven values; false (after the error message) when the file refused.
    bool saveSettings();
    // Shows the dialog modally (menu "Genel Ayarlar").
    void showModal();

    // Item index of the price list for stock exits (0-3 = FIYAT1-FIYAT4, 4 = "Fiyat Getirme").
    int FIY6() const;
    // Item index of the price list for stock entries, same items.
    int FIY5() const;
    // The three invoice-module options; nothing in this program acts on them.
    bool AY1() const;
    bool AY2() const;
    bool AY4() const;
    // Alert page: today's notes.
    bool AY9() const;
    // Alert page: notes due this many days ahead (0 = off).
    int GUN5() const;

    static QStringList priceItems();

private:
    void save();

    QCheckBox *m_ay1;
    QCheckBox *m_ay2;
    QCheckBox *m_ay4;
    QCheckBox *m_ay9;
    QSpinBox *m_gun5;
    QComboBox *m_fiy6;
    QComboBox *m_fiy5;
};
