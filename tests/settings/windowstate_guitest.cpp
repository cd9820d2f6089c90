#include "settings/settingsstore.h"
#include "settings/windowstate.h"
#include "settings/windowstate_ui.h"
#include "tests/support/testenvironment.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

using namespace tavorin;
using namespace tavorin::testing;

namespace {

const QString Section = QStringLiteral("Application State");
const QStringList Names{QStringLiteral("AppTop"), QStringLiteral("AppLeft"), QStringLiteral("AppWidth"),
                        QStringLiteral("AppHeight"), QStringLiteral("AppState")};

void store(const QStringList &values)
{
    for (int i = 0; i < Names.size(); ++i)
        WriteSetting(Section, Names[i], values[i]);
}

QStringList stored()
{
    QStringList values;
    for (const QString &name : Names)
        values.append(ReadSetting(Section, name));
    return values;
}

double dpiX()
{
    return QGuiApplication::primaryScreen()->logicalDotsPerInchX();
}

double dpiY()
{
    return QGuiApplication::primaryScreen()->logicalDotsPerInchY();
}

} // namespace

class WindowStateGuiTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void restoresTheStoredNormalWindow()
    {
        TestEnvironment environment;
        store({"1500", "3000", "6000", "4500", "0"});
        QWidget window;
        RestoreAppState(&window);
        QCOMPARE(window.windowState(), Qt::WindowNoState);
        QCOMPARE(window.pos(), QPoint(TwipsToPixels(3000, dpiX()), TwipsToPixels(1500, dpiY())));
        QCOMPARE(window.size(), QSize(TwipsToPixels(6000, dpiX()), TwipsToPixels(4500, dpiY())));
    }

    void firstRunFillsTheScreenMaximized()
    {
        TestEnvironment environment;
        QWidget window;
        RestoreAppState(&window);
        QVERIFY(window.windowState() & Qt::WindowMaximized);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(window.pos(), screen.topLeft());
        QVERIFY(qAbs(window.width() - screen.width()) <= 1);
        QVERIFY(qAbs(window.height() - screen.height()) <= 1);
    }

    void windowBelowTheScreenComesBackUp()
    {
        TestEnvironment environment;
        store({"999999", "0", "3000", "3000", "0"});
        QWidget window;
        RestoreAppState(&window);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const int screenHeightTwips = PixelsToTwips(screen.height(), dpiY());
        QCOMPARE(window.y(), screen.top() + TwipsToPixels(screenHeightTwips - 600, dpiY()));
        QVERIFY(window.y() < screen.bottom());
    }

    void savingFollowsTheWindowState_data()
    {
        QTest::addColumn<Qt::WindowState>("state");
        QTest::addColumn<bool>("geometryWritten");
        QTest::addColumn<QString>("stateWritten");
        QTest::newRow("normal") << Qt::WindowNoState << true << QStringLiteral("0");
        QTest::newRow("maximized keeps the normal geometry") << Qt::WindowMaximized << false
                                                             << QStringLiteral("2");
        QTest::newRow("minimized changes nothing") << Qt::WindowMinimized << false << QStringLiteral("9");
    }
    void savingFollowsTheWindowState()
    {
        QFETCH(Qt::WindowState, state);
        QFETCH(bool, geometryWritten);
        QFETCH(QString, stateWritten);
        TestEnvironment environment;
        const QStringList before{"1", "2", "3", "4", "9"};
        store(before);
        QWidget window;
        window.move(60, 45);
        window.resize(320, 240);
        window.setWindowState(state);
        SaveAppState(&window);

        QStringList expected = before;
        if (geometryWritten) {
            expected = QStringList{QString::number(PixelsToTwips(45, dpiY())),
                                   QString::number(PixelsToTwips(60, dpiX())),
                                   QString::number(PixelsToTwips(320, dpiX())),
                                   QString::number(PixelsToTwips(240, dpiY())), QString()};
        }
        expected[4] = stateWritten;
        QCOMPARE(stored(), expected);
    }

    void savedStateComesBackOnTheNextRun()
    {
        TestEnvironment environment;
        {
            QWidget window;
            window.move(30, 20);
            window.resize(400, 300);
            SaveAppState(&window);
        }
        QWidget next;
        RestoreAppState(&next);
        QCOMPARE(next.windowState(), Qt::WindowNoState);
        QCOMPARE(next.pos(), QPoint(30, 20));
        QCOMPARE(next.size(), QSize(400, 300));
    }
};

QTEST_MAIN(WindowStateGuiTest)
#include "windowstate_guitest.moc"
