#pragma once

// Puts the main window where it was left at the end of the last run, and
// remembers where it is now. Positions and sizes are kept in twips, converted
// with the screen's logical resolution; see windowstate.h for the rules.

class QWidget;

namespace tavorin {

// Moves and sizes the window from the "Application State" settings, kept on
// its screen, and sets its state (normal or maximized). Call before showing.
void RestoreAppState(QWidget *window);

// Stores the window's position, size and state. A maximized window stores
// only its state; a minimized one stores nothing.
void SaveAppState(QWidget *window);

} // namespace tavorin
