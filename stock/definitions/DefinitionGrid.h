#pragma once

#include <QTableView>

// The one-column editable grid of a definition list. Typing starts editing;
// the grid's own keys: Insert appends a row, Ctrl+Delete deletes the current
// row (after its confirmation), Esc outside the editor undoes the row's
// unsaved changes. Cell editors take at most the list column's width.
class DefinitionGrid : public QTableView
{
    Q_OBJECT
public:
    explicit DefinitionGrid(QWidget *parent = nullptr);

    // Makes the column wide enough for this many characters and its title.
    void setDisplayWidth(int chars);
    // Hands an open cell editor's text to the model and closes the editor,
    // so that buttons act on what the user sees.
    void commitEdit();

Q_SIGNALS:
    void appendRequested();
    void deleteRequested();
    void cancelRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
