#include "html/framelayouts.h"

#include <array>

namespace tavorin {

namespace {

using Kind = LayoutEntry::Kind;

constexpr LayoutEntry cols(const char *sizes) { return {Kind::OpenCols, sizes, 0}; }
constexpr LayoutEntry rows(const char *sizes) { return {Kind::OpenRows, sizes, 0}; }
constexpr LayoutEntry frame(int k) { return {Kind::Frame, "", k}; }
constexpr LayoutEntry close() { return {Kind::Close, "", 0}; }

constexpr std::array Style1{cols("W,*"), frame(1), frame(2), close()};
constexpr std::array Style2{cols("*,W"), frame(1), frame(2), close()};
constexpr std::array Style3{rows("H,*"), frame(1), frame(2), close()};
constexpr std::array Style4{rows("*,H"), frame(1), frame(2), close()};
constexpr std::array Style5{cols("W,*"), frame(1), rows("H,*"), frame(2), frame(3), close(), close()};
constexpr std::array Style6{cols("*,W"), rows("H,*"), frame(1), frame(2), close(), frame(3), close()};
constexpr std::array Style7{rows("H,*"), frame(1), cols("W,*"), frame(2), frame(3), close(), close()};
constexpr std::array Style8{rows("*,H"), cols("W,*"), frame(1), frame(2), close(), frame(3), close()};
constexpr std::array Style9{cols("W,*"), frame(1), rows("*,H"), frame(2), frame(3), close(), close()};
constexpr std::array Style10{cols("*,W"), rows("*,H"), frame(1), frame(2), close(), frame(3), close()};
constexpr std::array Style11{rows("H,*"), frame(1), cols("*,W"), frame(2), frame(3), close(), close()};
constexpr std::array Style13{cols("W,*"), frame(1), rows("H,*,H"), frame(2), frame(3), frame(4), close(), close()};
constexpr std::array Style14{cols("*,W"), rows("H,*,H"), frame(1), frame(2), frame(3), close(), frame(4), close()};
constexpr std::array Style15{rows("H,*,H"), frame(1), cols("*,W"), frame(2), frame(3), close(), frame(4), close()};
constexpr std::array Style16{rows("H,*,H"), frame(1), cols("W,*"), frame(2), frame(3), close(), frame(4), close()};
constexpr std::array Style17{rows("H,*,H"), frame(1), frame(2), frame(3), close()};

struct StyleRow {
    std::span<const LayoutEntry> layout;
    const char *labels; // comma-separated, in frame order
};

const std::array<StyleRow, FrameStyleCount> Styles{{
    {Style1, "Left,Right"},
    {Style2, "Left,Right"},
    {Style3, "Top,Bottom"},
    {Style4, "Top,Bottom"},
    {Style5, "Left,Top Right,Bottom Right"},
    {Style6, "Top Left,Bottom Left,Right"},
    {Style7, "Top,Bottom Left,Bottom Right"},
    {Style8, "Top Left,Top Right,Bottom"},
    {Style9, "Left,Top Right,Bottom Right"},
    {Style10, "Top Left,Bottom Left,Right"},
    {Style11, "Top,Bottom Left,Bottom Right"},
    {Style8, "Top Left,Top Right,Bottom"},
    {Style13, "Left,Top Right,Middle Right,Bottom Right"},
    {Style14, "Top Left,Middle Left,Bottom Left,Right"},
    {Style15, "Top,Middle Left,Middle Right,Bottom"},
    {Style16, "Top,Middle Left,Middle Right,Bottom"},
    {Style17, "Top,Middle,Bottom"},
}};

const StyleRow &rowOf(int style)
{
    return Styles[style >= 1 && style <= FrameStyleCount ? style - 1 : 0];
}

// The share of the fixed sizes in a picture: W and H are drawn as a third
// of the space, or a quarter when three parts share it.
double fixedShare(int parts) { return parts == 2 ? 1.0 / 3 : 1.0 / 4; }

struct Level {
    QRectF rect;
    QStringList sizes;
    bool columns = false;
    bool leftOver = true;
    int next = 0;
    double offset = 0;
};

} // namespace

std::span<const LayoutEntry> FrameLayout(int style) { return rowOf(style).layout; }

QStringList FrameLabels(int style) { return QString::fromLatin1(rowOf(style).labels).split(u','); }

int FrameCount(int style) { return int(FrameLabels(style).size()); }

QList<FrameArea> FrameAreas(int style)
{
    QList<FrameArea> areas(FrameCount(style));
    QList<Level> levels;
    // The rectangle and left-over state of the next part of the innermost set.
    const auto nextPart = [&levels]() -> std::pair<QRectF, bool> {
        if (levels.isEmpty())
            return {QRectF(0, 0, 1, 1), true};
        Level &level = levels.last();
        const QString size = level.sizes.value(level.next++);
        const bool star = size == u"*";
        const int parts = int(level.sizes.size());
        const double share = star ? 1.0 - fixedShare(parts) * (parts - 1) : fixedShare(parts);
        const double length = (level.columns ? level.rect.width() : level.rect.height()) * share;
        QRectF part = level.rect;
        if (level.columns)
            part = QRectF(level.rect.left() + level.offset, level.rect.top(), length, level.rect.height());
        else
            part = QRectF(level.rect.left(), level.rect.top() + level.offset, level.rect.width(), length);
        level.offset += length;
        return {part, level.leftOver && star};
    };
    for (const LayoutEntry &entry : FrameLayout(style)) {
        switch (entry.kind) {
        case Kind::OpenCols:
        case Kind::OpenRows: {
            const auto [rect, leftOver] = nextPart();
            levels.append(Level{rect, QString::fromLatin1(entry.sizes).split(u','), entry.kind == Kind::OpenCols,
                                leftOver});
            break;
        }
        case Kind::Frame: {
            const auto [rect, leftOver] = nextPart();
            if (entry.frame >= 1 && entry.frame <= areas.size())
                areas[entry.frame - 1] = FrameArea{rect, leftOver};
            break;
        }
        case Kind::Close:
            if (!levels.isEmpty())
                levels.removeLast();
            break;
        }
    }
    return areas;
}

} // namespace tavorin
