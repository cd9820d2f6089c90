#pragma once

// Where the text box cuts a long line into display blocks. Qt lays out and
// shapes a whole block at a time, so one block holding a line of megabytes
// costs seconds for every key; the box holds such a line as several blocks
// of at most DisplayBlockLength characters.

#include <QList>
#include <QStringView>

namespace tavorin {

// The longest display block. Typing re-lays out and paints the caret's
// block for every key; opening_bench's "blocks" case measures that cost by
// block length: wrapped, a block of about 4,000 characters costs a key
// little more than a short line, and from about 8,000 on the cost grows
// with the length. Lines up to this length, nearly every line of a
// hand-written page, stay one block as they always were.
inline constexpr qsizetype DisplayBlockLength = 4096;

// Offsets in line (one line, without its line break) where display blocks
// start after the first: none for a line up to DisplayBlockLength. Each
// block ends just after a ">" or a space in its last quarter when it has
// one, so that tags and words stay whole, and never between the two halves
// of a surrogate pair.
QList<qsizetype> DisplayCuts(QStringView line);

} // namespace tavorin
