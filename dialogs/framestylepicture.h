#pragma once

// The pictures of the Frames Wizard's styles, drawn from the layout table:
// every frame outlined, the frame that takes the space left over in white,
// the frames with a size of their own in grey.

#include <QPixmap>

namespace tavorin {

// The picture of style at size; the frame numbered highlight (from 1; 0 for
// none) is drawn in the highlight colour, to show which frame is meant.
QPixmap FrameStylePicture(int style, QSize size, int highlight = 0);

} // namespace tavorin
