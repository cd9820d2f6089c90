#include "dialogs/framestylepicture.h"

#include "html/framelayouts.h"

#include <QPainter>
#include <QPalette>

namespace tavorin {

QPixmap FrameStylePicture(int style, QSize size, int highlight)
{
    QPixmap picture(size);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    const QList<FrameArea> areas = FrameAreas(style);
    // The outer border and the lines between frames are one pixel wide.
    const QRectF inner = QRectF(picture.rect()).adjusted(1, 1, 0, 0);
    for (int frame = 0; frame < areas.size(); ++frame) {
        const QRectF &unit = areas[frame].rect;
        const int left = qRound(inner.left() + unit.left() * inner.width());
        const int top = qRound(inner.top() + unit.top() * inner.height());
        const int right = qRound(inner.left() + unit.right() * inner.width());
        const int bottom = qRound(inner.top() + unit.bottom() * inner.height());
        QColor fill = areas[frame].leftOver ? QColor(Qt::white) : QColor(Qt::lightGray);
        if (frame + 1 == highlight)
            fill = QPalette().color(QPalette::Highlight);
        painter.fillRect(QRect(left, top, right - left - 1, bottom - top - 1), fill);
    }
    return picture;
}

} // namespace tavorin
