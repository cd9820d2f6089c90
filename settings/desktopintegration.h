#pragma once

// "Edit with Tavorin" in the file manager: a desktop entry in the user's
// applications folder that offers the program for the HTML file types under
// "Open With". It never makes the program the default handler.

#include <QString>
#include <QStringList>

namespace tavorin {

// $XDG_DATA_HOME/applications/ (default ~/.local/share/applications/), with a trailing "/".
QString UserApplicationsFolder();

// The desktop entry's full path: the applications folder + "tavorin.desktop".
QString DesktopEntryPath();

// The MIME types the desktop's MIME database gives ".htm", ".html",
// ".shtml" and ".asp", in that order, each once; an extension it does not
// know is skipped.
QStringList HtmlMimeTypes();

// The Exec= argument for a program path: quoted and escaped as the desktop
// entry format requires when the path holds a blank or another reserved character.
QString DesktopExecArgument(const QString &program);

// The whole desktop entry for program and the MIME types.
QString DesktopEntryText(const QString &program, const QStringList &mimeTypes);

// Registers (remove false) or removes (remove true) the desktop entry for
// program (the running program when empty), then refreshes the desktop's
// cache of handlers when update-desktop-database is installed. Failures are
// silent: the preference is stored whatever happens here.
void SetExplorerIntegration(bool remove, const QString &program = {});

} // namespace tavorin
