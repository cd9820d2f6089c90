#pragma once

// Where the program lives and where it keeps its own files.

#include <QString>

namespace tavorin {

// The folder of the running executable, with a trailing "/".
QString AppPath();
// Makes AppPath() answer folder instead (a trailing "/" is added when
// missing); an empty folder restores the real one. For tests only.
void SetAppPathForTesting(const QString &folder);
// Makes the application folder the current folder again (file dialogs may
// change it). False when it cannot be entered.
bool RestoreAppFolder();
// The executable's modification date and time as text; the same text for
// the same program file.
QString ExeStamp();
// The program's per-user folder, $XDG_CONFIG_HOME/tavorin/ (default
// ~/.config/tavorin/), with a trailing "/"; created when missing.
QString WindowsFolder();

} // namespace tavorin
