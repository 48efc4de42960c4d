#pragma once

#include "data/DataReport.h"
#include "dialogs/Terror_form.h"

// Makes the data layer's error reports show the error dialog. Called once at
// start-up by the program (its caller links the data layer; this library does not).
inline void installErrorForm() { DataReport::setErrorDialog(&Terror_form::showError); }
