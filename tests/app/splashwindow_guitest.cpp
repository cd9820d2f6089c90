// The splash window is on the screen, painted and readable, before start-up
// goes on, and stays until it has been seen.

#include "app/icontheme.h"
#include "app/splashwindow.h"

#include <QLabel>
#include <QTest>

using namespace tavorin;
using namespace std::chrono_literals;

class SplashWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void paintedReadableAndSeen()
    {
        InstallProgramIcons();
        SplashWindow splash;
        splash.showPainted();
        QVERIFY(splash.painted());
        QVERIFY(!splash.findChild<QLabel *>(QStringLiteral("imgIntro"))->pixmap().isNull());
        QStringList texts;
        for (const char *name : {"lblVersion", "lblCopyright"}) {
            const auto *label = splash.findChild<QLabel *>(QString::fromLatin1(name));
            QVERIFY(splash.rect().contains(label->geometry()) && label->width() >= label->sizeHint().width());
            texts.append(label->text());
        }
        QCOMPARE(texts, (QStringList{QStringLiteral("Version 3.01"),
                                     QStringLiteral("Copyright \u00A9 Kestavel Software. All rights reserved.")}));

        // Start-up done: it stays for the rest of its minimum time, then goes.
        splash.finish(300ms);
        QVERIFY(splash.isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!splash.isVisible(), 2000);
        splash.showPainted();
        splash.finish(0ms);
        QVERIFY(!splash.isVisible());
    }
};

QTEST_MAIN(SplashWindowTest)
#include "splashwindow_guitest.moc"
