#include "app/login/Tsifreyigirin.h"

Tsifreyigirin::Tsifreyigirin(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("sifreyigirin"));
    setWindowTitle(QStringLiteral("Kullanıcı İşlemleri"));
}
