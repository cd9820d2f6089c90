#include "app/windowarrangement.h"

#include "settings/windowstate.h"

namespace tavorin {

namespace {

constexpr int MarginRightTwips = 150;
constexpr int MarginBottomTwips = 100;

// What lies between the corner and the margin along the right and bottom edges.
QSize ReachFrom(QSize area, QPoint topLeft, QSize margin)
{
    return {area.width() - topLeft.x() - margin.width(), area.height() - topLeft.y() - margin.height()};
}

} // namespace

QSize DocumentMargin(double dotsPerInchX, double dotsPerInchY)
{
    return {TwipsToPixels(MarginRightTwips, dotsPerInchX), TwipsToPixels(MarginBottomTwips, dotsPerInchY)};
}

QSize DocumentWindowSize(QSize area, QPoint topLeft, QSize margin)
{
    return ReachFrom(area, topLeft, margin).expandedTo(MinimumDocumentSize);
}

QList<QRect> CascadeGeometries(QSize area, int count, QSize step, QSize margin)
{
    QList<QRect> places;
    QPoint topLeft(0, 0);
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            topLeft += QPoint(step.width(), step.height());
            const QSize reach = ReachFrom(area, topLeft, margin);
            if (reach.width() < area.width() / 2 || reach.height() < area.height() / 2)
                topLeft = QPoint(0, 0);
        }
        places.append(QRect(topLeft, DocumentWindowSize(area, topLeft, margin)));
    }
    return places;
}

} // namespace tavorin
