// The splash window is on the screen, painted, before start-up goes on, and
// stays until it has been seen.

#include "app/icontheme.h"
#include "app/splashwindow.h"

#include <QLabel>
#include <QTest>

using namespace tavorin;
using namespace std::chrono_literals;

class SplashWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { InstallProgramIcons(); }

    // Showing returns once the window is painted, with its picture, the
    // version and the legal notice in full.
    void showsPaintedAndReadable()
    {
        SplashWindow splash;
        splash.showPainted();
        QVERIFY(splash.painted());
        const auto *version = splash.findChild<QLabel *>(QStringLiteral("lblVersion"));
        const auto *copyright = splash.findChild<QLabel *>(QStringLiteral("lblCopyright"));
        QCOMPARE(version->text(), QStringLiteral("Version 3.01"));
        QVERIFY(copyright->text().contains(QStringLiteral("Kestavel Software")));
        QVERIFY(!splash.findChild<QLabel *>(QStringLiteral("imgIntro"))->pixmap().isNull());
        for (const QLabel *label : {version, copyright}) {
            QVERIFY(splash.rect().contains(label->geometry()));
            QVERIFY(label->width() >= label->sizeHint().width());
        }
    }

    // Start-up done: the window stays for the rest of its minimum time, and
    // goes at once when that has passed.
    void staysForItsMinimumTime()
    {
        SplashWindow splash;
        splash.showPainted();
        splash.finish(300ms);
        QVERIFY(splash.isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!splash.isVisible(), 2000);

        SplashWindow seen;
        seen.showPainted();
        seen.finish(0ms);
        QVERIFY(!seen.isVisible());
    }
};

QTEST_MAIN(SplashWindowTest)
#include "splashwindow_guitest.moc"
