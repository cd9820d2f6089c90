#pragma once

// The pictures of the tools: the standard freedesktop icon names, looked
// up in the desktop's icon theme. A tool without a fitting picture has no
// name here and shows its caption.

#include <QList>
#include <QString>

namespace tavorin {

struct ToolIcon {
    QString toolName; // "mnuFileNew"
    QString iconName; // "document-new"
};

// Every tool that has a picture, with its icon name.
const QList<ToolIcon> &ToolIcons();

// The icon name of a tool, or "" when it has none.
QString ToolIconName(const QString &toolName);

// The icon theme Debian packages that the set-up installs; used wherever the
// desktop's own theme lacks a picture.
inline constexpr auto FallbackIconTheme = "breeze";

// The program's own icon, built into the program.
inline constexpr auto ProgramIconResource = ":/tavorin/tavorin.svg";

} // namespace tavorin
