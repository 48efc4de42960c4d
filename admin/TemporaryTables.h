#pragma once

#include <QString>
#include <QStringList>

// The database engine's leftover answer tables: files named "_QS*.db" (in any
// letter case) anywhere under a directory. Only these names count: the backup
// folders that company deletion leaves in tsfdb/ may hold the only copy of a
// company's files, and a stray SQLite "-journal" may be needed to roll back an
// interrupted write, so neither is ever offered for deletion.
namespace TemporaryTables {

bool isTemporaryTableName(const QString &fileName);

// Full paths (native separators), the files of a directory before those of
// its subdirectories, each level in name order. Symbolic links to directories
// are not followed; an unreadable directory ends only its own branch.
QStringList find(const QString &directory);

// Deletes one listed file if it is still there; false when it stays.
bool remove(const QString &path);

} // namespace TemporaryTables
