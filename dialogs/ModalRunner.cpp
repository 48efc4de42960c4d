#include "dialogs/ModalRunner.h"

#include <QDialog>

namespace {

ModalHandler &handler()
{
    static ModalHandler h;
    return h;
}

} // namespace

int runModal(QDialog *dialog)
{
    if (handler())
        return handler()(dialog);
    return dialog->exec();
}

void setModalHandler(ModalHandler h)
{
    handler() = std::move(h);
}
