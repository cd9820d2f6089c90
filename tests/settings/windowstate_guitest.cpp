// The main window's place: where a stored place puts it on the screen, in
// twips, and what a window of each state stores for the next run.

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
using namespace Qt::StringLiterals;

namespace {

// A 1024 x 768 screen at 96 dots per inch, in twips.
constexpr int ScreenWidth = 15360;
constexpr int ScreenHeight = 11520;

const QString Section = u"Application State"_s;
const QStringList Names{u"AppTop"_s, u"AppLeft"_s, u"AppWidth"_s, u"AppHeight"_s, u"AppState"_s};

QStringList stored()
{
    QStringList values;
    for (const QString &name : Names)
        values.append(ReadSetting(Section, name));
    return values;
}

} // namespace

class WindowStateGuiTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void placementKeepsTheWindowOnTheScreen_data()
    {
        QTest::addColumn<QStringList>("stored"); // top, left, width, height, state
        QTest::addColumn<QList<int>>("expected"); // top, left, width, height, state
        auto row = [](const char *name, QStringList stored, QList<int> expected) {
            QTest::newRow(name) << stored << expected;
        };
        const int w = ScreenWidth, h = ScreenHeight;
        row("nothing stored: whole screen, maximized", {"", "", "", "", ""}, {0, 0, w, h, 2});
        row("stored normal window", {"1200", "900", "9000", "6000", "0"}, {1200, 900, 9000, 6000, 0});
        row("beyond the screen", {"20000", "16000", "9000", "6000", "0"}, {h - 600, w - 1500, 9000, 6000, 0});
        row("negative top and left", {"-300", "-45", "9000", "6000", "0"}, {0, 0, 9000, 6000, 0});
        row("larger than the screen", {"0", "0", "99999", "99999", "0"}, {0, 0, w, h, 0});
        row("garbage counts as missing", {"abc", "12px", "wide", "1.5", "normal"}, {0, 0, w, h, 2});
        row("zero or negative size counts as missing", {"0", "0", "0", "-200", "0"}, {0, 0, w, h, 0});
        row("minimized state counts as missing", {"0", "0", "9000", "6000", "1"}, {0, 0, 9000, 6000, 2});
    }
    void placementKeepsTheWindowOnTheScreen()
    {
        QFETCH(QStringList, stored);
        QFETCH(QList<int>, expected);
        const StoredAppState state{stored[0], stored[1], stored[2], stored[3], stored[4]};
        const AppPlacement placement = PlaceAppWindow(ScreenWidth, ScreenHeight, state);
        const QList<int> actual{placement.top, placement.left, placement.width, placement.height,
                                int(placement.state)};
        QCOMPARE(actual, expected);
    }

    void twipsFollowTheLogicalResolution()
    {
        QCOMPARE(PixelsToTwips(800, 96.0), 12000);
        QCOMPARE(TwipsToPixels(12000, 96.0), 800);
        QCOMPARE(PixelsToTwips(1, 144.0), 10);
        QCOMPARE(PixelsToTwips(-10, 0.0), -150); // an unknown resolution counts as 96
        QCOMPARE(TwipsToPixels(150, -1.0), 10);
    }

    // A normal window stores its place in twips and comes back there on the
    // next run; a maximized one stores only its state and comes back
    // maximized; a minimized one stores nothing.
    void savingFollowsTheWindowState_data()
    {
        QTest::addColumn<Qt::WindowState>("state");
        QTest::addColumn<QString>("stateWritten");
        QTest::newRow("normal") << Qt::WindowNoState << u"0"_s;
        QTest::newRow("maximized keeps the normal geometry") << Qt::WindowMaximized << u"2"_s;
        QTest::newRow("minimized changes nothing") << Qt::WindowMinimized << u"9"_s;
    }
    void savingFollowsTheWindowState()
    {
        QFETCH(Qt::WindowState, state);
        QFETCH(QString, stateWritten);
        TestEnvironment environment;
        const QStringList before{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"9"_s};
        for (int i = 0; i < Names.size(); ++i)
            WriteSetting(Section, Names[i], before[i]);
        {
            QWidget window;
            window.move(60, 45);
            window.resize(320, 240);
            window.setWindowState(state);
            SaveAppState(&window);
        }
        if (state != Qt::WindowNoState) {
            QCOMPARE(stored(), before.first(4) + QStringList{stateWritten});
            QWidget next;
            RestoreAppState(&next);
            QVERIFY(state != Qt::WindowMaximized || next.windowState() & Qt::WindowMaximized);
            return;
        }
        const double dpiX = QGuiApplication::primaryScreen()->logicalDotsPerInchX();
        QCOMPARE(stored().at(2), QString::number(PixelsToTwips(320, dpiX)));
        QCOMPARE(stored().at(4), stateWritten);
        QWidget next;
        RestoreAppState(&next);
        QCOMPARE(next.windowState(), Qt::WindowNoState);
        QCOMPARE(next.pos(), QPoint(60, 45));
        QCOMPARE(next.size(), QSize(320, 240));
    }
};

QTEST_MAIN(WindowStateGuiTest)
#include "windowstate_guitest.moc"
