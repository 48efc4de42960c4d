#include "dialogs/ModalRunner.h"

#include <QDialog>
#include <QScreen>

namespace {

ModalHandler &handler()
{
    static ModalHandler h;
    return h;
}

// The main window is a thin bar at the top of the screen: a dialog centred on
// it would cover it and hang off the top edge, so such dialogs go to the
// middle of the screen instead.
void centreOverThinParent(QDialog *dialog)
{
    const QWidget *parent = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
    if (!parent || !parent->isVisible() || dialog->testAttribute(Qt::WA_Moved))
        return;
    const QSize size = dialog->testAttribute(Qt::WA_Resized) ? dialog->size() : dialog->sizeHint();
    if (parent->height() >= size.height())
        return;
    if (const QScreen *screen = parent->screen()) {
        QRect r(QPoint(), size);
        r.moveCenter(screen->availableGeometry().center());
        dialog->move(r.topLeft());
    }
}

} // namespace

int runModal(QDialog *dialog)
{
    if (handler())
        return handler()(dialog);
    centreOverThinParent(dialog);
    return dialog->exec();
}

void setModalHandler(ModalHandler h)
{
    handler() = std::move(h);
}
