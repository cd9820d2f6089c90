// Where cascaded document windows go and how large a document window is.

#include "app/windowarrangement.h"

#include <QTest>

using namespace tavorin;

class WindowArrangementTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cascades_data()
    {
        QTest::addColumn<QSize>("area");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<QRect>>("places");
        const QSize area(1000, 600);
        QTest::newRow("each offset, each reaching the margin")
            << area << 3 << QList<QRect>{{0, 0, 990, 593}, {30, 30, 960, 563}, {60, 60, 930, 533}};
        QTest::newRow("starts again before half the area")
            << QSize(1000, 300) << 7
            << QList<QRect>{{0, 0, 990, 293}, {30, 30, 960, 263}, {60, 60, 930, 233}, {90, 90, 900, 203},
                            {120, 120, 870, 173}, {0, 0, 990, 293}, {30, 30, 960, 263}};
        QTest::newRow("a tiny area gives the smallest windows")
            << QSize(100, 50) << 2 << QList<QRect>{{0, 0, 200, 120}, {0, 0, 200, 120}};
    }
    void cascades()
    {
        QFETCH(QSize, area);
        QFETCH(int, count);
        QFETCH(QList<QRect>, places);
        QCOMPARE(CascadeGeometries(area, count, QSize(30, 30), DocumentMargin(96, 96)), places);
    }
};

QTEST_GUILESS_MAIN(WindowArrangementTest)
#include "windowarrangement_test.moc"
