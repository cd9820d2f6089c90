#pragma once

// The main window's position, size and state between runs, kept in twips
// (1/1440 inch) in the "Application State" section of the settings store.
// This file holds the arithmetic and the store access; the widget side,
// which measures the screen and moves the window, is windowstate_ui.h.

#include <QString>

namespace tavorin {

inline constexpr auto AppStateSection = "Application State";

// Window states as stored in "AppState".
enum class AppWindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// The values of the "Application State" section, as text; "" when missing.
struct StoredAppState {
    QString top;
    QString left;
    QString width;
    QString height;
    QString state;
};

// A window placement in twips with its state.
struct AppPlacement {
    int top = 0;
    int left = 0;
    int width = 0;
    int height = 0;
    AppWindowState state = AppWindowState::Maximized;
};

// Where the window goes on a screen of the given size (twips): the stored
// values with their defaults (top and left 0, the whole screen, maximized),
// kept on the screen so that at least 600 twips of height and 1500 of width
// stay visible. A value that is not a whole number, a width or height that
// is not positive and a state other than 0 or 2 count as missing.
AppPlacement PlaceAppWindow(int screenWidth, int screenHeight, const StoredAppState &stored);

// Reads the section from the settings store.
StoredAppState ReadStoredAppState();

// Writes the placement as the window leaves it: the position and size only
// when its state is Normal, the state only when it is not Minimized (so a
// maximized window keeps the normal position of an earlier run and a
// minimized one changes nothing).
void WriteAppState(const AppPlacement &placement);

// Conversions at a logical resolution in dots per inch (1440 twips an inch),
// rounded to the nearest whole unit. A resolution that is not positive
// counts as 96.
int PixelsToTwips(int pixels, double dotsPerInch);
int TwipsToPixels(int twips, double dotsPerInch);

} // namespace tavorin
