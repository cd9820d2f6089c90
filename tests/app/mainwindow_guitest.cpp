#include "app/mainwindow.h"

#include <QTest>

using namespace tavorin;

class MainWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void titledWithTheApplicationTitle()
    {
        MainWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Tavorin"));
        QCOMPARE(window.objectName(), QStringLiteral("frmMDI"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_guitest.moc"
