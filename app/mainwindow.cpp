#include "app/mainwindow.h"

#include "app/facades.h"

#include <QMdiArea>

namespace tavorin {

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(QString::fromLatin1(ApplicationTitle));
    setCentralWidget(new QMdiArea(this));
}

MainWindow::~MainWindow() = default;

} // namespace tavorin
