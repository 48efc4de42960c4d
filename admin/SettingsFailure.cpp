#include "admin/SettingsFailure.h"

#include "dialogs/Messages.h"

#include <QDir>

void reportSettingsWriteFailure(const QString &path, QWidget *parent)
{
    Msg::error(QStringLiteral("\r\nAyar dosyasına yazılamadı.\r\n\r\n") + QDir::toNativeSeparators(path), parent);
}
