#pragma once

#include <functional>

class QDialog;

// Every modal showing of the program's own dialogs goes through runModal, so a
// test can take the dialog, fill it and press its button instead of waiting in
// a nested event loop.
using ModalHandler = std::function<int(QDialog *)>;

int runModal(QDialog *dialog);

// Installs (or, with an empty function, removes) the handler. The handler
// returns the dialog's result code.
void setModalHandler(ModalHandler handler);
