#pragma once

// The program's pictures on the desktop: the icon theme the tools take their
// pictures from and the program's own icon, which every window shows.

class QIcon;
class QString;

namespace tavorin {

// Names the packaged icon theme as the fallback, so tools find their
// pictures on any desktop, and gives the application the program's own icon,
// which every window, document window and dialog then shows.
void InstallProgramIcons();

// The program's own icon, built into the program (the same picture the
// installation puts into the hicolor theme for the desktop's launchers).
QIcon ProgramIcon();

// The picture of a tool from the icon theme; a null icon when the tool has
// none or the theme lacks it (the tool then shows its caption).
QIcon ToolPicture(const QString &toolName);

} // namespace tavorin
