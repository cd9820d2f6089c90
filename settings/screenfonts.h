#pragma once

// The names of the screen fonts, collected once at start-up for the font
// lists of the text dialogs.

#include <QStringList>

namespace tavorin {

// The collected font names, sorted without regard to case; empty until set.
const QStringList &ScreenFonts();
// Keeps the given names (sorted, each once) as the screen fonts.
void SetScreenFonts(const QStringList &families);

} // namespace tavorin
