#include "app/browserlaunch.h"

#include "app/facades.h"
#include "app/statusmessages.h"
#include "app/textrules.h"
#include "settings/environment.h"
#include "settings/files.h"
#include "settings/preferences.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <new>

namespace tavorin {

namespace {

void letPendingMessagesRun()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

// A program given by name is looked up on PATH; one given with a folder is
// taken as it stands (relative to the application folder).
bool browserFileExists(const QString &location)
{
    if (!location.contains(u'/'))
        return !QStandardPaths::findExecutable(location).isEmpty();
    return QFileInfo(location).isFile();
}

// A file target as an absolute path, so that no program mistakes a name
// such as "-x.htm" for an option; addresses stay as given.
QString resolvedTarget(const QString &target)
{
    if (IsAddress(target) || target.isEmpty())
        return target;
    return QFileInfo(target).absoluteFilePath();
}

// The error number of one launch, 0 when the browser started.
int launch(const QString &location, const QString &target)
{
    if (!IsAddress(target) && !QFileInfo::exists(target))
        return BrowserError::PageNotFound;
    if (EqualNoCase(location, u"DEFAULT"))
        return launcher().openWithDesktop(target) ? 0 : BrowserError::NoDefaultBrowser;
    if (IsBlank(location))
        return BrowserError::Other;
    if (!browserFileExists(location))
        return BrowserError::CannotOpenBrowser;
    return launcher().startProgram(location, {target}) ? 0 : BrowserError::CannotOpenBrowser;
}

} // namespace

QString BrowserErrorMessage(int error, const QString &browserLocation, bool browserFileExists)
{
    switch (error) {
    case BrowserError::OutOfMemory:
        return QStringLiteral("Sorry, not enough free memory to open browser.\r\n\r\n"
                              "Close down other documents and/or applications and try again.");
    case BrowserError::PageNotFound:
        return QStringLiteral("The browser is unable to find the current page.");
    case BrowserError::NoDefaultBrowser:
        return QStringLiteral("Sorry, the desktop has no default browser set.");
    case BrowserError::CannotOpenBrowser:
        return QStringLiteral("Sorry, the browser you have selected cannot be opened.\r\n")
               + (browserFileExists
                      ? QStringLiteral("If a copy this browser is already running, close it down and try again.")
                      : QStringLiteral("The file \"") + browserLocation + QStringLiteral("\" cannot be found."));
    default:
        return QStringLiteral("Browser error!");
    }
}

bool LaunchBrowser(const QString &browserLocation, const QString &target)
{
    const Hourglass busy;
    RestoreAppFolder();
    letPendingMessagesRun();
    const QString location = TrimSpaces(browserLocation);
    int error = 0;
    try {
        error = launch(location, resolvedTarget(target));
    } catch (const std::bad_alloc &) {
        error = BrowserError::OutOfMemory;
    }
    letPendingMessagesRun();
    if (error == 0)
        return true;
    MsgBox(BrowserErrorMessage(error, location, browserFileExists(location)), MessageButtons::Ok,
           MessageIcon::Exclamation, QStringLiteral("Browser Error"));
    return false;
}

bool LaunchActiveBrowser(const QString &target)
{
    const Preferences &prefs = Prefs();
    const std::size_t active = std::size_t(qBound(0, prefs.ActiveBrowser, int(prefs.Browsers.size()) - 1));
    return LaunchBrowser(prefs.Browsers[active].location, target);
}

void OpenReferenceGuide(const QString &location)
{
    const QString trimmed = TrimSpaces(location);
    if (OpensInBrowser(trimmed)) {
        LaunchActiveBrowser(trimmed);
    } else {
        OpenWithShell(trimmed);
    }
}

} // namespace tavorin
