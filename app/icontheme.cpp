#include "app/icontheme.h"

#include "app/toolicons.h"

#include <QApplication>
#include <QIcon>
#include <QStandardPaths>

namespace tavorin {

void InstallProgramIcons()
{
    // A platform without a desktop theme (offscreen, a bare frame buffer)
    // searches no icon folder at all: the desktop's folders are added.
    QStringList folders = QIcon::themeSearchPaths();
    for (const QString &folder : QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                                           QStringLiteral("icons"), QStandardPaths::LocateDirectory)) {
        if (!folders.contains(folder))
            folders.append(folder);
    }
    QIcon::setThemeSearchPaths(folders);
    // Without a theme of its own the desktop gets the base theme every
    // desktop has; the fallback theme is only asked after the current one.
    if (QIcon::themeName().isEmpty())
        QIcon::setThemeName(QStringLiteral("hicolor"));
    QIcon::setFallbackThemeName(QString::fromLatin1(FallbackIconTheme));
    QApplication::setWindowIcon(ProgramIcon());
}

QIcon ProgramIcon()
{
    return QIcon(QString::fromLatin1(ProgramIconResource));
}

QIcon ToolPicture(const QString &toolName)
{
    const QString name = ToolIconName(toolName);
    return name.isEmpty() ? QIcon() : QIcon::fromTheme(name);
}

} // namespace tavorin
