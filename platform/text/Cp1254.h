#pragma once

#include <QByteArray>
#include <QString>

// Windows code page 1254 (Turkish). The five undefined bytes map to the C1
// control characters of the same value, so every byte survives a round trip.
namespace Cp1254 {
QString decode(const QByteArray &bytes);
// Characters the code page cannot hold become '?'.
QByteArray encode(const QString &text);
bool canEncode(const QString &text);
}

// Reads a text file's bytes as the program's text files are kept: a UTF-8 or
// UTF-16 byte-order mark wins, anything else is code page 1254.
QString decodeTextFile(const QByteArray &bytes);
