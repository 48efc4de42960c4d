#include "platform/crypto/PasswordDigest.h"

#include "platform/text/Cp1254.h"

#include <QCryptographicHash>

QString passwordDigest(const QString &password)
{
    const QByteArray md5 = QCryptographicHash::hash(Cp1254::encode(password), QCryptographicHash::Md5);
    return QString::fromLatin1(md5.toHex()).toUpper();
}
