#pragma once

#include <QStringList>

namespace tavorin {

class MainWindow;

// The second half of start-up, once the main window exists: window state,
// user data folder, tool-bar layout, font collections, reference guides,
// preferences, recent files; then the window is shown and the files named on
// the command line opened (or one new untitled document).
void StartApplication(MainWindow &window, const QStringList &files);

// The tool-bar reset request: loads the built-in layout from "Tavorin.TB"
// in the configuration folder; a missing or damaged file is reported and the
// current layout stays. True when the layout was reset.
bool ResetToolBarLayout(MainWindow &window);

// What the main window stores as it closes: its position, the tool-bar
// layout and every preference.
void SaveApplicationState(MainWindow &window);

} // namespace tavorin
