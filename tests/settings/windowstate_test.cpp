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
        row("nothing stored: whole screen, maximized", {"", "", "", "", ""},
            {0, 0, ScreenWidth, ScreenHeight, 2});
        row("stored normal window", {"1200", "900", "9000", "6000", "0"}, {1200, 900, 9000, 6000, 0});
        row("top beyond the screen", {"20000", "0", "9000", "6000", "0"},
            {ScreenHeight - 600, 0, 9000, 6000, 0});
        row("top just inside", {"10920", "0", "9000", "6000", "0"}, {10920, 0, 9000, 6000, 0});
        row("negative top and left", {"-300", "-45", "9000", "6000", "0"}, {0, 0, 9000, 6000, 0});
        row("left beyond the screen", {"0", "16000", "9000", "6000", "0"},
            {0, ScreenWidth - 1500, 9000, 6000, 0});
        row("larger than the screen", {"0", "0", "99999", "99999", "0"},
            {0, 0, ScreenWidth, ScreenHeight, 0});
        row("maximized keeps the normal geometry", {"600", "300", "8000", "5000", "2"},
            {600, 300, 8000, 5000, 2});
        row("spaces around numbers", {" 600 ", " 300", "8000 ", "5000", " 0 "}, {600, 300, 8000, 5000, 0});
        row("garbage counts as missing", {"abc", "12px", "wide", "1.5", "normal"},
            {0, 0, ScreenWidth, ScreenHeight, 2});
        row("zero or negative size counts as missing", {"0", "0", "0", "-200", "0"},
            {0, 0, ScreenWidth, ScreenHeight, 0});
        row("minimized state counts as missing", {"0", "0", "9000", "6000", "1"}, {0, 0, 9000, 6000, 2});
        row("unknown state counts as missing", {"0", "0", "9000", "6000", "7"}, {0, 0, 9000, 6000, 2});
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

    void twipsFollowTheLogicalResolution_data()
    {
        QTest::addColumn<int>("pixels");
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("twips");
        QTest::newRow("96 dpi") << 800 << 96.0 << 12000;
        QTest::newRow("120 dpi") << 120 << 120.0 << 1440;
        QTest::newRow("144 dpi") << 1 << 144.0 << 10;
        QTest::newRow("negative position") << -10 << 96.0 << -150;
        QTest::newRow("unknown resolution counts as 96") << 10 << 0.0 << 150;
    }
    void twipsFollowTheLogicalResolution()
    {
        QFETCH(int, pixels);
        QFETCH(double, dpi);
        QFETCH(int, twips);
        QCOMPARE(PixelsToTwips(pixels, dpi), twips);
        QCOMPARE(TwipsToPixels(twips, dpi), pixels);
    }
};

QTEST_GUILESS_MAIN(WindowStateTest)
#include "windowstate_test.moc"
