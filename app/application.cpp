#include "app/application.h"

#include "app/facades.h"
#include "app/mainwindow.h"
#include "app/qtfacades.h"
#include "app/splashwindow.h"
#include "app/startup.h"
#include "settings/environment.h"
#include "settings/files.h"
#include "settings/paths.h"

#include <QApplication>
#include <QDir>

#include <memory>

namespace tavorin {

namespace {

constexpr int OutOfMemoryError = 7;
constexpr int InternalError = 51;

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
    auto splash = std::make_unique<SplashWindow>();
    splash->show();
    QApplication::processEvents();
    RestoreAppFolder();

    MainWindow window;
    try {
        splash.reset();
        StartApplication(window, files);
    } catch (const std::bad_alloc &) {
        AppError(OutOfMemoryError, int(window.Documents().size()));
        return 1;
    } catch (const std::exception &) {
        AppError(InternalError, int(window.Documents().size()));
        return 1;
    }
    QApplication::restoreOverrideCursor();
    return QApplication::exec();
}

} // namespace tavorin
