#pragma once

#include <QString>

// Writes an embedded file (":/name") to disk byte for byte. Without replace an
// existing file is left alone; with it the old file is removed first and the
// resource written only when that removal worked. Returns true when the file
// on disk now holds the resource.
bool writeResourceFile(const QString &path, const QString &resourceName, bool replace);
