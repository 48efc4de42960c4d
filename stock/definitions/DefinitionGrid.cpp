#include "stock/definitions/DefinitionGrid.h"

#include "platform/widgets/CharFilter.h"
#include "stock/definitions/DefinitionListModel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace {

// Cell editor with the column's width and the free-text character filter.
class DefinitionDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *line = qobject_cast<QLineEdit *>(editor)) {
            if (const auto *list = qobject_cast<const DefinitionListModel *>(index.model()))
                line->setMaxLength(list->maxLength());
            CharFilter::freeText(line);
        }
        return editor;
    }
};

} // namespace

DefinitionGrid::DefinitionGrid(QWidget *parent)
    : QTableView(parent)
{
    setItemDelegate(new DefinitionDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setSectionsClickable(false);
    setWordWrap(false);
}

void DefinitionGrid::setDisplayWidth(int chars)
{
    const int text = fontMetrics().horizontalAdvance(QLatin1Char('N')) * chars;
    const int header = model() ? fontMetrics().horizontalAdvance(model()->headerData(0, Qt::Horizontal).toString()) + 16
                               : 0;
    const int width = qMax(text, header) + frameWidth() * 2 + 4;
    setMinimumWidth(width + verticalScrollBar()->sizeHint().width());
}

void DefinitionGrid::commitEdit()
{
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget *editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void DefinitionGrid::keyPressEvent(QKeyEvent *event)
{
    if (state() != QAbstractItemView::EditingState) {
        if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier) {
            Q_EMIT appendRequested();
            return;
        }
        if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::ControlModifier) {
            Q_EMIT deleteRequested();
            return;
        }
        if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
            Q_EMIT cancelRequested();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}
