#pragma once

#include <QString>

class QComboBox;
class QListWidget;

// Fill a list from one column of the active company's table, ordered by that
// column (Turkish alphabet). The items are replaced only when the query ran;
// otherwise the list keeps its items and *error says why.

// A check list: one unchecked item per row.
bool FillListFromTable(QListWidget *list, const QString &table, const QString &column, QString *error = nullptr);

// A combo box; with a second column each item reads column + "[" + second + "]".
bool FillComboFromTable(QComboBox *combo, const QString &table, const QString &column, const QString &second = {},
                        QString *error = nullptr);

// The pick list of a combo bound to a field; the same as FillComboFromTable without a second column.
bool FillDBComboFromTable(QComboBox *combo, const QString &table, const QString &column, QString *error = nullptr);
