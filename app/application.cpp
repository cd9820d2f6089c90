#include "app/application.h"

#include "app/facades.h"
#include "app/icontheme.h"
#include "app/mainwindow.h"
#include "app/qtfacades.h"
#include "app/splashwindow.h"
#include "app/startup.h"
#include "settings/environment.h"
#include "settings/files.h"
#include "settings/paths.h"

#include <QApplication>
#include <QDir>

#include <chrono>

namespace tavorin {

namespace {

constexpr int OutOfMemoryError = 7;
constexpr int InternalError = 51;
// The splash stays up this long at least, so that it can be read.
constexpr std::chrono::milliseconds SplashShownAtLeast{1500};

} // namespace

QString AppErrorMessage(int errorNumber, int openDocuments)
{
    if (IsOutOfMemoryError(errorNumber))
        return OutOfMemoryMessage(openDocuments);
    return QStringLiteral("An application error has occurred. ") + QString::fromLatin1(ApplicationTitle)
           + QStringLiteral(" will now terminate.");
}

void AppError(int errorNumber, int openDocuments)
{
    MsgBox(AppErrorMessage(errorNumber, openDocuments), MessageButtons::Ok, MessageIcon::Critical,
           IsOutOfMemoryError(errorNumber) ? QString() : QStringLiteral("Application Error ") + QString::number(errorNumber));
    QApplication::restoreOverrideCursor();
}

int Main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(ApplicationTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(ApplicationVersion));
    installDesktopFacades();
    InstallProgramIcons();

    // Relative file names on the command line mean the starting folder,
    // before the program makes its own folder current.
    const QStringList files = SplitFileList(QApplication::arguments().mid(1), QDir::currentPath());

    if (IsUNC(AppPath())) {
        MsgBox(QStringLiteral("The current path of Tavorin is in UNC format. Sorry, but UNC paths are not "
                              "supported by this application.\r\nTo run Tavorin over a network you must do it "
                              "via a mapped network drive. Click OK to terminate."),
               MessageButtons::Ok, MessageIcon::Critical, QStringLiteral("File Error"));
        return 1;
    }

    QApplication::setOverrideCursor(Qt::WaitCursor);
    SplashWindow splash;
    splash.showPainted();
    RestoreAppFolder();

    MainWindow window;
    try {
        StartApplication(window, files);
        // The main window is up; the splash goes once it has been seen.
        splash.finish(SplashShownAtLeast);
    } catch (const std::bad_alloc &) {
        splash.close(); // the message must not sit behind it
        AppError(OutOfMemoryError, int(window.Documents().size()));
        return 1;
    } catch (const std::exception &) {
        splash.close();
        AppError(InternalError, int(window.Documents().size()));
        return 1;
    }
    QApplication::restoreOverrideCursor();
    return QApplication::exec();
}

} // namespace tavorin
