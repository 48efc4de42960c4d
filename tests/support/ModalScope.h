#pragma once

#include "dialogs/ModalRunner.h"

// Takes every modal showing for the scope's lifetime.
struct ModalScope
{
    explicit ModalScope(ModalHandler handler) { setModalHandler(std::move(handler)); }
    ~ModalScope() { setModalHandler({}); }
    ModalScope(const ModalScope &) = delete;
    ModalScope &operator=(const ModalScope &) = delete;
};
