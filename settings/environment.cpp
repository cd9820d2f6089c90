#include "settings/environment.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace tavorin {

namespace {

QString s_testAppPath;

QString withTrailingSlash(const QString &folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

// The running program file, followed through /proc so that a symbolic link
// to it (an installed "bin/tavorin") still finds SystemFiles/ beside the
// real file.
QString executablePath()
{
    static const QString path = [] {
        const QString resolved = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
        if (!resolved.isEmpty())
            return resolved;
        return QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
    }();
    return path;
}

} // namespace

QString AppPath()
{
    if (!s_testAppPath.isEmpty())
        return s_testAppPath;
    static const QString folder = [] {
        const QString exe = executablePath();
        return exe.isEmpty() ? withTrailingSlash(QDir::currentPath())
                             : withTrailingSlash(QFileInfo(exe).absolutePath());
    }();
    return folder;
}

void SetAppPathForTesting(const QString &folder)
{
    s_testAppPath = folder.isEmpty() ? QString() : withTrailingSlash(folder);
}

bool RestoreAppFolder()
{
    return QDir::setCurrent(AppPath());
}

QString ExeStamp()
{
    const QFileInfo exe(executablePath());
    if (!exe.exists())
        return {};
    return exe.lastModified().toUTC().toString(Qt::ISODateWithMs);
}

QString WindowsFolder()
{
    // A relative $XDG_CONFIG_HOME is ignored, as the XDG rules ask.
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    const QString folder = withTrailingSlash(config) + QStringLiteral("tavorin/");
    QDir().mkpath(folder);
    return folder;
}

} // namespace tavorin
