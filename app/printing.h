#pragma once

// The "Print" command: the active document's text, or its selection, printed
// as plain source text through the progress window.

namespace tavorin {

class MainWindow;

// Asks for a printer (offering "selection" only when text is selected) and
// prints; a cancelled print dialog does nothing and says nothing.
void PrintActiveDocument(MainWindow &main);

} // namespace tavorin
