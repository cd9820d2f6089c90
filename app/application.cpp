#include "app/application.h"

#include "app/facades.h"
#include "app/mainwindow.h"
#include "app/qtfacades.h"

#include <QApplication>

namespace tavorin {

int Main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(ApplicationTitle));
    installDesktopFacades();

    MainWindow window;
    window.show();
    return QApplication::exec();
}

} // namespace tavorin
