#pragma once

// Starting a browser on a page, and the reference guides of the Help menu.
// Browsers start without a shell: the page is handed over as one argument,
// whatever characters it holds. Failures are reported in "Browser Error"
// boxes, one message per cause.

#include <QString>

namespace tavorin {

// Why a browser did not start, by the program's error numbers.
namespace BrowserError {
inline constexpr int OutOfMemory = 7;
inline constexpr int PageNotFound = 13;      // the page to show does not exist
inline constexpr int NoDefaultBrowser = 31;  // the desktop could not open the page
inline constexpr int CannotOpenBrowser = 53; // the browser is missing or would not start
inline constexpr int Other = -1;             // no browser location at all
} // namespace BrowserError

// The message for an error; for CannotOpenBrowser it says whether the
// browser file itself exists.
QString BrowserErrorMessage(int error, const QString &browserLocation, bool browserFileExists);

// Shows target (a file path or address) in the browser at browserLocation: a
// full path, a program name found on PATH, or "DEFAULT" (any case) for the
// desktop's own choice. Runs from the application folder, so relative targets
// are found there. False, after the "Browser Error" box, when nothing started.
bool LaunchBrowser(const QString &browserLocation, const QString &target);

// Shows target in the active browser of the preferences; false as for
// LaunchBrowser.
bool LaunchActiveBrowser(const QString &target);

// Opens a reference guide: pages and web addresses in the active browser,
// anything else with the desktop's associated program.
void OpenReferenceGuide(const QString &location);

} // namespace tavorin
