#pragma once

#include <QColor>
#include <QString>

#include <array>

class IniFile;

// The nine colours of the login window and its background picture, kept in
// [KLST_C] of Ayarlar.ini.
struct LoginColours
{
    enum Role {
        mcizgirenk,        // frame lines of the text buttons
        myazirenk,         // text of the text buttons
        myazirenkuzerinde, // text of a text button under the mouse
        pzemin,            // password panel background
        petiket,           // "Parolanız?" label
        peditcolor,        // password box background
        digeretiketrenk,   // other labels
        tanimlikulyazi,    // company list text
        tanimlikulzemin,   // company list background
        RoleCount
    };

    std::array<QColor, RoleCount> colour;
    QString picture; // relative to the program directory, as stored

    QColor &operator[](Role r) { return colour[r]; }
    const QColor &operator[](Role r) const { return colour[r]; }

    static constexpr int kThemeCount = 4;
    // Theme n (1..4); anything else gives theme 1, the built-in set.
    static LoginColours theme(int n);

    // Missing keys and unreadable values keep this set's colours.
    void read(const IniFile &ini);
    // Writes the nine colour keys, and the picture key when withPicture.
    bool write(IniFile &ini, bool withPicture) const;

    static QString keyName(Role r);
    // The colour menu's caption for a role.
    static QString menuCaption(Role r);
};

inline constexpr char kLoginSection[] = "KLST_C";
inline constexpr char kLoginPictureKey[] = "interface";

// The stored picture path as a path on this system (backslashes become '/'),
// resolved against the program directory.
QString loginPicturePath(const QString &programDir, const QString &stored);
