#pragma once

// The seventeen frame layouts of the Frames Wizard: which frames a style has,
// what they are called and how the FRAMESETs nest. The frame labels, the
// wizard's page names, the style pictures and the frames document all read
// this one table.

#include <QRectF>
#include <QString>
#include <QStringList>

#include <span>

namespace tavorin {

inline constexpr int FrameStyleCount = 17;
inline constexpr int MaxFrames = 4;

struct LayoutEntry {
    enum class Kind { OpenCols, OpenRows, Frame, Close };
    Kind kind = Kind::Close;
    // Open entries: the sizes with "W" for the width and "H" for the height
    // ("W,*"); frame entries: the frame number from 1.
    const char *sizes = "";
    int frame = 0;
};

// The layout entries of a style (1 to 17; style 12 is laid out as style 8,
// anything outside the range as style 1).
std::span<const LayoutEntry> FrameLayout(int style);

// The position labels of the style's frames in frame order ("Left", "Right").
QStringList FrameLabels(int style);

// The number of frames of the style (2 to 4).
int FrameCount(int style);

// Where each frame of the style lies in the unit square, in frame order, and
// which frame takes the space left over (the one with "*" on every level).
struct FrameArea {
    QRectF rect;
    bool leftOver = false;
};
QList<FrameArea> FrameAreas(int style);

} // namespace tavorin
