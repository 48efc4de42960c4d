#include "app/login/LoginColours.h"

#include "platform/gui/DelphiColor.h"
#include "platform/ini/IniFile.h"

#include <QDir>

namespace {

const char *const kKeys[LoginColours::RoleCount] = {
    "mcizgirenk", "myazirenk", "myazirenkuzerinde", "pzemin", "petiket",
    "peditcolor", "digeretiketrenk", "tanimlikulyazi", "tanimlikulzemin",
};

const char16_t *const kCaptions[LoginColours::RoleCount] = {
    u"Çizgi rengi",
    u"Yazı rengi (normal)",
    u"yazı rengi (üzerinde)",
    u"Zemin rengi",
    u"Etiken yazı rengi",
    u"Metin kutusu zemin rengi",
    u"Diğer etiketler için yazı rengi",
    u"Tanımlı Kullanıcılar yazı rengi",
    u"Tanımlı Kullanıcılar zemin rengi",
};

// Themes in the stored colour form, in role order.
const char *const kThemes[LoginColours::kThemeCount][LoginColours::RoleCount] = {
    {"$00B3B5BD", "clWhite", "clYellow", "$00D9A8AE", "$00000040", "$00EACED1", "$00D5C8C8", "$0080FFFF", "$00A46A59"},
    {"$00B3B5BD", "$00A56D3A", "clNavy", "$00D8E2E2", "$00000040", "$00D5E7EA", "$00404080", "$00404080", "$00BFCECE"},
    {"$00B3B5BD", "clWhite", "clYellow", "$00D9A8AE", "$00000040", "$00EACED1", "$00D5C8C8", "$0080FFFF", "$00A37568"},
    {"$00B3B5BD", "$00A56D3A", "clYellow", "clGray", "clWhite", "$00D5E7EA", "$00D5C8C8", "clWhite", "clBlack"},
};

} // namespace

LoginColours LoginColours::theme(int n)
{
    if (n < 1 || n > kThemeCount)
        n = 1;
    LoginColours c;
    for (int r = 0; r < RoleCount; ++r)
        DelphiColor::fromString(QLatin1String(kThemes[n - 1][r]), &c.colour[r]);
    c.picture = QStringLiteral("interface\\r%1.jpg").arg(n);
    return c;
}

void LoginColours::read(const IniFile &ini)
{
    const QString section = QLatin1String(kLoginSection);
    for (int r = 0; r < RoleCount; ++r) {
        const QString text = ini.readString(section, QLatin1String(kKeys[r]));
        colour[r] = DelphiColor::fromString(text, colour[r]);
    }
    picture = ini.readString(section, QLatin1String(kLoginPictureKey), picture);
}

bool LoginColours::write(IniFile &ini, bool withPicture) const
{
    const QString section = QLatin1String(kLoginSection);
    bool ok = true;
    for (int r = 0; r < RoleCount; ++r)
        ok = ini.writeString(section, QLatin1String(kKeys[r]), DelphiColor::toString(colour[r])) && ok;
    if (withPicture)
        ok = ini.writeString(section, QLatin1String(kLoginPictureKey), picture) && ok;
    return ok;
}

QString LoginColours::keyName(Role r)
{
    return QLatin1String(kKeys[r]);
}

QString LoginColours::menuCaption(Role r)
{
    return QString::fromUtf16(kCaptions[r]);
}

QString loginPicturePath(const QString &programDir, const QString &stored)
{
    QString relative = stored.trimmed();
    relative.replace(u'\\', u'/');
    if (relative.isEmpty())
        return {};
    if (QDir::isAbsolutePath(relative))
        return relative;
    return QDir::cleanPath(programDir + u'/' + relative);
}
