#pragma once

#include <QString>

class QTableView;

// Column layouts of the data grids in GridAyarlari.ini: one section per grid,
// one entry per column, "key=visual position;;width;;title;;hidden". The key is
// the model's column name, so a layout survives columns added later.
namespace GridLayoutStore {

bool save(const QTableView &view, const QString &iniPath, const QString &section);

// Applies a stored layout; missing file, section or columns leave the view as designed.
void restore(QTableView &view, const QString &iniPath, const QString &section);

} // namespace GridLayoutStore
