#pragma once

// Where document windows go in the main window's document area, in pixels:
// the size a new window takes and the places of cascaded windows.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace tavorin {

// Smaller than this a document window is not made by arranging.
inline constexpr QSize MinimumDocumentSize{200, 120};

// The gap a document window leaves to the document area's right and bottom
// edges: 150 by 100 twips at the given logical resolutions.
QSize DocumentMargin(double dotsPerInchX, double dotsPerInchY);

// The size of a document window whose top-left corner is at topLeft in an
// area of the given size: it reaches to the margin short of the right and
// bottom edges, never below MinimumDocumentSize.
QSize DocumentWindowSize(QSize area, QPoint topLeft, QSize margin);

// The places of count cascaded windows, from the back one to the front one:
// the first at the top-left corner, each further one offset by step from the
// one before and sized by DocumentWindowSize. When a window would come out
// narrower or lower than half the area, the cascade starts again at the
// top-left corner.
QList<QRect> CascadeGeometries(QSize area, int count, QSize step, QSize margin);

} // namespace tavorin
