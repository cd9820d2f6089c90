#include "html/wizardroute.h"

#include <QStringList>
#include <QTest>

using namespace tavorin;
using namespace Qt::StringLiterals;

// The Frames Wizard's route: steps 3 to 6 are frames, 9 saves, 10 is the
// last. Moves are N (Next), B (Back) and F (Finish); the steps reached are
// listed after each move.
class WizardRouteTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void route_data()
    {
        QTest::addColumn<int>("frames");
        QTest::addColumn<QString>("moves");
        QTest::addColumn<QString>("steps");
        QTest::newRow("two frames skip to the sizes") << 2 << u"NNNNN"_s << u"1 2 3 4 7"_s;
        QTest::newRow("three frames") << 3 << u"NNNNNN"_s << u"1 2 3 4 5 7"_s;
        QTest::newRow("four frames use every frame step") << 4 << u"NNNNNNN"_s << u"1 2 3 4 5 6 7"_s;
        QTest::newRow("back from the sizes to the last frame") << 2 << u"NNNNNB"_s << u"1 2 3 4 7 4"_s;
        QTest::newRow("back past the first step") << 2 << u"BNB"_s << u"0 1 0"_s;
        QTest::newRow("finish, then back to where it was") << 3 << u"NNFB"_s << u"1 2 9 2"_s;
        QTest::newRow("back before any finish") << 2 << u"NNNNNNNB"_s << u"1 2 3 4 7 8 9 8"_s;
        QTest::newRow("next stops at the last step") << 2 << u"FNN"_s << u"9 10 10"_s;
    }

    void route()
    {
        QFETCH(int, frames);
        QFETCH(QString, moves);
        QFETCH(QString, steps);
        WizardRoute route(9, 10);
        route.setFrameSteps(3, 4, frames);
        QStringList reached;
        for (const QChar move : moves) {
            if (move == u'N')
                route.next();
            else if (move == u'B')
                route.back();
            else
                route.finish();
            reached << QString::number(route.current());
        }
        QCOMPARE(reached.join(u' '), steps);
    }
};

QTEST_GUILESS_MAIN(WizardRouteTest)
#include "wizardroute_test.moc"
