#pragma once

#include <QString>

// The stored form of a company password: MD5 over the code page 1254 bytes,
// 32 upper-case hexadecimal digits.
QString passwordDigest(const QString &password);
