#include "dialogs/ListFillers.h"

#include "platform/AppContext.h"
#include "platform/sqlite/Database.h"

#include <QComboBox>
#include <QListWidget>
#include <QSqlError>
#include <QSqlQuery>

namespace {

// The column's values (and the second column's, when named) in Turkish order.
bool readColumn(const QString &table, const QString &column, const QString &second, QStringList *items,
                QString *error)
{
    QString sql = QStringLiteral("Select ") + column;
    if (!second.isEmpty())
        sql += u',' + second;
    sql += QStringLiteral(" from ") + table + u'_' + appContext().companyCode + QStringLiteral(" order by ") + column
        + QStringLiteral(" COLLATE TURKCE");
    QSqlQuery q(Database::connection());
    q.setForwardOnly(true);
    if (!q.exec(sql)) {
        if (error)
            *error = q.lastError().databaseText().isEmpty() ? q.lastError().text() : q.lastError().databaseText();
        return false;
    }
    while (q.next()) {
        QString item = q.value(0).toString();
        if (!second.isEmpty())
            item += u'[' + q.value(1).toString() + u']';
        items->append(item);
    }
    q.finish();
    return true;
}

} // namespace

bool FillListFromTable(QListWidget *list, const QString &table, const QString &column, QString *error)
{
    QStringList items;
    if (!readColumn(table, column, {}, &items, error))
        return false;
    list->clear();
    for (const QString &text : std::as_const(items)) {
        auto *item = new QListWidgetItem(text, list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    return true;
}

bool FillComboFromTable(QComboBox *combo, const QString &table, const QString &column, const QString &second,
                        QString *error)
{
    QStringList items;
    if (!readColumn(table, column, second, &items, error))
        return false;
    // An editable combo keeps what the user typed.
    const QString typed = combo->isEditable() ? combo->currentText() : QString();
    combo->clear();
    combo->addItems(items);
    if (combo->isEditable())
        combo->setEditText(typed);
    return true;
}

bool FillDBComboFromTable(QComboBox *combo, const QString &table, const QString &column, QString *error)
{
    return FillComboFromTable(combo, table, column, {}, error);
}
