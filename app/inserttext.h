#pragma once

#include <QString>

namespace tavorin {

// Puts text in place of the active document's selection, coloured like every
// insert. With selectInserted the inserted text is left selected; otherwise
// the caret goes just after it. Does nothing when no document is open.
void InsertText(const QString &text, bool selectInserted);

} // namespace tavorin
