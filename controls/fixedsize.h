#pragma once

// Controls whose size is given in twips (1440 to the inch) keep it through
// the screen's logical DPI.

#include <QSize>
#include <QWidget>

namespace tavorin {

inline QSize TwipsToPixels(const QWidget &widget, int widthTwips, int heightTwips)
{
    return {widthTwips * widget.logicalDpiX() / 1440, heightTwips * widget.logicalDpiY() / 1440};
}

} // namespace tavorin
