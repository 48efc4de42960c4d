#pragma once

#include <QString>

class QWidget;

// A settings file that could not be written: shown as an error naming the
// file; the action that wrote stops there.
void reportSettingsWriteFailure(const QString &path, QWidget *parent = nullptr);
