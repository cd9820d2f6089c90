#pragma once

// Where the text box cuts a long line into display blocks. Qt lays out and
// shapes a whole block at a time, so one block holding a line of megabytes
// costs seconds for every key; the box holds such a line as several blocks
// of at most DisplayBlockLength characters.

#include <QList>
#include <QStringView>

namespace tavorin {

// The longest display block: laying out a block this long (and painting
// it) still answers a key in well under a millisecond (opening_bench's
// "blocks" case measures the cost by length).
inline constexpr qsizetype DisplayBlockLength = 4096;

// Offsets in line (one line, without its line break) where display blocks
// start after the first: none for a line up to DisplayBlockLength. Each
// block ends just after a ">" or a space in its last quarter when it has
// one, so that tags and words stay whole, and never between the two halves
// of a surrogate pair.
QList<qsizetype> DisplayCuts(QStringView line);

} // namespace tavorin
