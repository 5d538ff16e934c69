#pragma once

#include "calc/calculator_state.h"

#include <QString>

namespace tavrolin {

// The words the window shows and says, in the user's language where a translation is loaded:
// all of them are in the translation context "Tavrolin".

// A text of the control table, marked there with QT_TRANSLATE_NOOP("Tavrolin", ...).
QString translated(const char *text);

// Why an action did not complete, naming the box to mend by its caption (empty: none).
QString failureMessage(calc::Failure failure, const QString &boxCaption);

} // namespace tavrolin
