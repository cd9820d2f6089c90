#include "app/loadedcolours.h"

#include "app/displayblocks.h"
#include "app/rtfreader.h"

#include <QHash>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace tavorin {

namespace {

// Which loaded line a block held when it was loaded. Qt gives a block
// that Undo brings back no user data: its line is found from the marked
// block before it (see lineOf).
struct LoadedLine : QTextBlockUserData {
    explicit LoadedLine(int number) : line(number) {}
    int line;
    int shown = -1; // the line whose colours the block's layout shows
};

LoadedLine *LineData(const QTextBlock &block)
{
    return static_cast<LoadedLine *>(block.userData());
}

// The document holds a stand-in for each character Qt would take for a
// break; the hash sees them all as the stand-in.
size_t TextHash(QStringView text, bool mayHoldBreaks)
{
    if (!mayHoldBreaks)
        return qHash(text);
    QString held = text.toString();
    std::replace_if(held.begin(), held.end(), [](QChar c) { return IsBreakingCharacter(c.unicode()); }, QChar(StandIn));
    return qHash(held);
}

// A block walked back over to find its line is at most this far from one
// that knows its line; beyond it the block shows its own formats.
constexpr int LongestWalk = 4096;

} // namespace

QTextCharFormat LoadedColours::markedFormat()
{
    QTextCharFormat format;
    format.setProperty(LoadedTextMark, true);
    return format;
}

bool LoadedColours::isMarked(const QTextBlock &block)
{
    // A block's characters are marked all together or not at all.
    const auto first = block.begin();
    return !first.atEnd() && first.fragment().charFormat().hasProperty(LoadedTextMark);
}

void LoadedColours::clear()
{
    m_linesByHash.clear();
    m_formats.clear();
    m_runs.clear();
    m_lines.clear();
}

void LoadedColours::record(const QString &text, const std::vector<RtfColourRun> &runs,
                           const std::function<QTextCharFormat(quint32)> &formatFor)
{
    clear();
    QHash<quint32, int> formatOf;
    const auto formatIndex = [&](quint32 colour) {
        auto found = formatOf.constFind(colour);
        if (found == formatOf.cend()) {
            found = formatOf.insert(colour, int(m_formats.size()));
            m_formats.push_back(formatFor(colour));
        }
        return *found;
    };
    const bool mayHoldBreaks = std::any_of(std::begin(BreakingCharacters), std::end(BreakingCharacters),
                                           [&text](char16_t c) { return text.contains(QChar(c)); });
    m_lines.reserve(size_t(m_doc->blockCount()));
    m_runs.reserve(runs.size() + size_t(m_doc->blockCount()));
    auto run = runs.cbegin();
    qsizetype offset = 0;
    for (QTextBlock block = m_doc->firstBlock(); block.isValid(); block = block.next()) {
        const int length = block.length() - 1;
        const qsizetype end = offset + length;
        m_lines.push_back({int(m_runs.size()), length, TextHash(QStringView(text).sliced(offset, length), mayHoldBreaks)});
        while (run != runs.cend() && run->start + run->length <= offset)
            ++run;
        for (auto piece = run; piece != runs.cend() && piece->start < end; ++piece)
            m_runs.push_back({int(std::max(piece->start, offset) - offset), formatIndex(piece->colour)});
        block.setUserData(new LoadedLine(int(m_lines.size() - 1)));
        const QTextBlock next = block.next();
        offset = end + (next.isValid() && !DisplayBlocks::continuesLine(next) ? 1 : 0);
    }
}

bool LoadedColours::matches(int line, const QTextBlock &block) const
{
    if (line < 0 || size_t(line) >= m_lines.size() || m_lines[size_t(line)].length != block.length() - 1)
        return false;
    return m_lines[size_t(line)].hash == qHash(block.text());
}

// A marked block Undo brought back has no user data. Two marked blocks
// next to each other, or with only empty lines between them, were so when
// loaded (an edit between them would have touched one of them), so its
// line is the line of the nearest marked block before it that knows its
// own, plus the blocks between; at the document's start, the number of
// blocks before it. When the block before it is no longer marked, the line
// is found by its text.
int LoadedColours::lineOf(const QTextBlock &block) const
{
    LoadedLine *data = LineData(block);
    if (data && matches(data->line, block))
        return data->line;
    int line = walkedLineOf(block);
    if (!matches(line, block))
        line = lineWithText(block);
    if (line < 0)
        return -1;
    if (data) {
        data->line = line;
    } else {
        QTextBlock repaired = block;
        repaired.setUserData(new LoadedLine(line));
    }
    return line;
}

int LoadedColours::walkedLineOf(const QTextBlock &block) const
{
    int walked = 0;
    for (QTextBlock before = block.previous(); before.isValid(); before = before.previous()) {
        ++walked;
        // An empty line shows no colour and so carries no mark.
        if ((!isMarked(before) && before.length() > 1) || walked > LongestWalk)
            return -1;
        const LoadedLine *known = LineData(before);
        if (known && matches(known->line, before))
            return known->line + walked;
    }
    return walked;
}

// Of the lines with the block's text, the one nearest the block's place;
// lines with the same text nearly always have the same colours too.
int LoadedColours::lineWithText(const QTextBlock &block) const
{
    if (m_linesByHash.empty()) {
        m_linesByHash.reserve(m_lines.size());
        for (size_t line = 0; line < m_lines.size(); ++line)
            m_linesByHash.emplace_back(m_lines[line].hash, int(line));
        std::sort(m_linesByHash.begin(), m_linesByHash.end());
    }
    const size_t hash = qHash(block.text());
    const int number = block.blockNumber();
    int best = -1;
    for (auto it = std::lower_bound(m_linesByHash.cbegin(), m_linesByHash.cend(), std::pair<size_t, int>(hash, INT_MIN));
         it != m_linesByHash.cend() && it->first == hash; ++it) {
        if (matches(it->second, block) && (best < 0 || std::abs(it->second - number) < std::abs(best - number)))
            best = it->second;
    }
    return best;
}

void LoadedColours::changed(int position, int added)
{
    if (m_lines.empty())
        return;
    const QTextBlock last = m_doc->findBlock(position + added);
    for (QTextBlock block = m_doc->findBlock(position); block.isValid(); block = block.next()) {
        if (isMarked(block))
            lineOf(block);
        if (block == last)
            break;
    }
}

std::vector<LoadedColours::Piece> LoadedColours::piecesOf(int line, int from, int to) const
{
    std::vector<Piece> pieces;
    if (line < 0)
        return pieces;
    const Line &held = m_lines[size_t(line)];
    const int lastRun = size_t(line) + 1 < m_lines.size() ? m_lines[size_t(line) + 1].firstRun : int(m_runs.size());
    for (int i = held.firstRun; i < lastRun; ++i) {
        const int start = std::max(from, m_runs[size_t(i)].start);
        const int end = std::min(to, i + 1 < lastRun ? m_runs[size_t(i) + 1].start : held.length);
        if (end > start)
            pieces.push_back({start, end - start, m_runs[size_t(i)].format});
    }
    return pieces;
}

void LoadedColours::materialise(QTextCursor &cursor, int from, int to)
{
    if (m_lines.empty())
        return;
    const int last = m_doc->characterCount() - 1;
    const QTextBlock first = m_doc->findBlock(std::clamp(from, 0, last));
    const QTextBlock second = m_doc->findBlock(std::clamp(to, 0, last));
    materialise(cursor, first);
    if (second != first)
        materialise(cursor, second);
}

void LoadedColours::materialise(QTextCursor &cursor, const QTextBlock &block)
{
    if (m_lines.empty() || !isMarked(block))
        return;
    const int line = lineOf(block);
    const int start = block.position();
    // Collected first: changing formats changes the fragments walked.
    std::vector<std::pair<Piece, QTextCharFormat>> changes;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        QTextCharFormat own = fragment.charFormat();
        if (!own.hasProperty(LoadedTextMark))
            continue;
        own.clearProperty(LoadedTextMark);
        const int from = fragment.position() - start;
        const std::vector<Piece> pieces = piecesOf(line, from, from + fragment.length());
        if (pieces.empty())
            changes.push_back({{from, fragment.length(), -1}, own});
        for (const Piece &piece : pieces) {
            QTextCharFormat format = own;
            const QTextCharFormat &colour = m_formats[size_t(piece.format)];
            if (colour.hasProperty(QTextFormat::ForegroundBrush))
                format.setForeground(colour.foreground());
            changes.push_back({piece, format});
        }
    }
    if (LoadedLine *data = LineData(block))
        data->shown = -1;
    if (!block.layout()->formats().isEmpty())
        block.layout()->setFormats({});
    for (const auto &[piece, format] : changes) {
        cursor.setPosition(start + piece.start);
        cursor.setPosition(start + piece.start + piece.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(format);
    }
}

void LoadedColours::show(const QTextBlock &block)
{
    if (m_lines.empty())
        return;
    QTextLayout *layout = block.layout();
    if (!isMarked(block)) {
        if (!layout->formats().isEmpty())
            layout->setFormats({});
        if (LoadedLine *data = LineData(block))
            data->shown = -1;
        return;
    }
    const int line = lineOf(block);
    LoadedLine *data = LineData(block);
    if (data && data->shown == line && line >= 0)
        return;
    QList<QTextLayout::FormatRange> ranges;
    for (const Piece &piece : piecesOf(line, 0, block.length() - 1)) {
        if (m_formats[size_t(piece.format)].hasProperty(QTextFormat::ForegroundBrush))
            ranges.append({piece.start, piece.length, m_formats[size_t(piece.format)]});
    }
    if (!ranges.isEmpty() || !layout->formats().isEmpty())
        layout->setFormats(ranges);
    if (data)
        data->shown = line;
}

QTextCharFormat LoadedColours::shownFormat(int qtPosition) const
{
    const QTextBlock block = m_doc->findBlock(qtPosition);
    QTextCursor cursor(block);
    cursor.setPosition(qtPosition);
    cursor.setPosition(qtPosition + 1, QTextCursor::KeepAnchor);
    QTextCharFormat format = cursor.charFormat();
    if (m_lines.empty() || !format.hasProperty(LoadedTextMark))
        return format;
    const int offset = qtPosition - block.position();
    for (const Piece &piece : piecesOf(lineOf(block), offset, offset + 1))
        format.merge(m_formats[size_t(piece.format)]);
    return format;
}

void LoadedColours::colourCopy(QTextDocument *copy, int start, int end) const
{
    if (m_lines.empty())
        return;
    QTextCursor cursor(copy);
    for (QTextBlock block = m_doc->findBlock(start); block.isValid() && block.position() < end; block = block.next()) {
        if (!isMarked(block))
            continue;
        const int position = block.position();
        const int from = std::max(start, position) - position;
        const int to = std::min(end, position + block.length() - 1) - position;
        for (const Piece &piece : piecesOf(lineOf(block), from, to)) {
            const QTextCharFormat &colour = m_formats[size_t(piece.format)];
            if (!colour.hasProperty(QTextFormat::ForegroundBrush))
                continue;
            cursor.setPosition(position + piece.start - start);
            cursor.setPosition(position + piece.start + piece.length - start, QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(colour);
        }
    }
}

} // namespace tavorin
