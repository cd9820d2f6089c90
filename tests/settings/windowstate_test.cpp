#include "settings/windowstate.h"

#include <QTest>

using namespace tavorin;

namespace {

// A 1024 x 768 screen at 96 dots per inch, in twips.
constexpr int ScreenWidth = 15360;
constexpr int ScreenHeight = 11520;

} // namespace

class WindowStateTest : public QObject {
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
};

QTEST_GUILESS_MAIN(WindowStateTest)
#include "windowstate_test.moc"
