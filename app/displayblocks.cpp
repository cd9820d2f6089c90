#include "app/displayblocks.h"

#include "app/displaycuts.h"
#include "app/loadedcolours.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace tavorin {

namespace {

constexpr char16_t BlockSeparator = 0x2029; // how Qt's raw text marks a block break

constexpr int OriginalCharacter = QTextFormat::UserProperty + 1;
// The mark of a display block that continues the line of the block before.
constexpr int ContinuesLine = QTextFormat::UserProperty + 2;

QTextBlockFormat ContinuationFormat()
{
    QTextBlockFormat format;
    format.setProperty(ContinuesLine, true);
    return format;
}

int ContentLength(const QTextBlock &block)
{
    return block.length() - 1;
}

// A display block that continues its line and fits into the block before it.
bool JoinsPrevious(const QTextBlock &block)
{
    return DisplayBlocks::continuesLine(block) && ContentLength(block.previous()) + ContentLength(block) <= DisplayBlockLength;
}

bool HasStandIns(const QTextDocument *doc)
{
    const QList<QTextFormat> formats = doc->allFormats();
    return std::any_of(formats.cbegin(), formats.cend(),
                       [](const QTextFormat &format) { return format.hasProperty(OriginalCharacter); });
}

// The stand-ins between two Qt positions, ascending, with the characters
// they were inserted for (a U+FFFD of the text itself is no stand-in).
std::vector<std::pair<int, QChar>> StandInsBetween(const QTextDocument *doc, int from, int to)
{
    std::vector<std::pair<int, QChar>> found;
    if (!HasStandIns(doc))
        return found;
    for (QTextBlock block = doc->findBlock(from); block.isValid() && block.position() < to; block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QVariant original = fragment.charFormat().property(OriginalCharacter);
            if (!original.isValid())
                continue;
            const int end = std::min(to, fragment.position() + fragment.length());
            for (int at = std::max(from, fragment.position()); at < end; ++at) {
                if (doc->characterAt(at) == QChar(StandIn))
                    found.emplace_back(at, QChar(char16_t(original.toInt())));
            }
        }
    }
    return found;
}

// Removes the block separator at the end of a block: the block after it
// joins it. The joined block keeps the first one's format (Qt gives it the
// second's when the first is empty).
void RemoveSeparatorAfter(QTextCursor &cursor, const QTextBlock &block)
{
    const QTextBlockFormat format = block.blockFormat();
    const int separator = block.position() + block.length() - 1;
    cursor.setPosition(separator);
    cursor.setPosition(separator + 1, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    if (cursor.blockFormat() != format)
        cursor.setBlockFormat(format);
}

} // namespace

QTextCharFormat InsertionFormat(QTextCharFormat format)
{
    format.clearProperty(OriginalCharacter);
    format.clearProperty(LoadedTextMark);
    return format;
}

DisplayBlocks::DisplayBlocks(QTextDocument *doc)
    : QObject(doc), m_doc(doc)
{
    connect(doc, &QTextDocument::contentsChange, this, &DisplayBlocks::contentsChanged);
}

bool DisplayBlocks::continuesLine(const QTextBlock &block)
{
    // The first block starts the text, whatever mark Qt gave it.
    return block.blockFormat().hasProperty(ContinuesLine) && block.previous().isValid();
}

void DisplayBlocks::contentsChanged(int position, int removed, int added)
{
    ++m_changes;
    if (!m_mayContinue) {
        m_softBreaks.clear();
        return;
    }
    // Breaks in the removed stretch went with it; those behind it moved.
    // The break just before the stretch is read again too: a removal from
    // a block's start gives that block the mark of the block it joins.
    auto first = std::lower_bound(m_softBreaks.begin(), m_softBreaks.end(), position - 1);
    const auto last = std::lower_bound(first, m_softBreaks.end(), position + removed);
    first = m_softBreaks.erase(first, last);
    for (auto it = first; it != m_softBreaks.end(); ++it)
        *it += added - removed;
    // A block's position costs a walk through Qt's block tree: only the
    // continuing blocks' positions are asked for (a whole page may hold
    // hundreds of thousands of blocks and a few display breaks).
    std::vector<int> found;
    const QTextBlock lastChanged = m_doc->findBlock(position + added);
    for (QTextBlock block = m_doc->findBlock(position); block.isValid(); block = block.next()) {
        if (continuesLine(block) && block.position() >= position)
            found.push_back(block.position() - 1);
        if (block == lastChanged)
            break;
    }
    m_softBreaks.insert(first, found.begin(), found.end());
}

qsizetype DisplayBlocks::softBreaksBefore(int qtPosition) const
{
    return std::lower_bound(m_softBreaks.begin(), m_softBreaks.end(), qtPosition) - m_softBreaks.begin();
}

// A block's program start is its Qt position plus two for each line break
// before it (its block number less the display breaks) and nothing for
// each display break.
qsizetype DisplayBlocks::toProgram(int qtPosition) const
{
    const QTextBlock block = m_doc->findBlock(qtPosition);
    const qsizetype breaks = block.isValid() ? block.blockNumber() : m_doc->blockCount() - 1;
    return qtPosition + breaks - 2 * softBreaksBefore(qtPosition);
}

int DisplayBlocks::toQt(qsizetype position, bool towardEnd) const
{
    position = std::max<qsizetype>(position, 0);
    const auto programStart = [this](const QTextBlock &block, int number) {
        return qsizetype(block.position()) + number - 2 * softBreaksBefore(block.position());
    };
    int low = 0;
    int high = m_doc->blockCount() - 1;
    while (low < high) {
        const int middle = low + (high - low + 1) / 2;
        if (programStart(m_doc->findBlockByNumber(middle), middle) <= position)
            low = middle;
        else
            high = middle - 1;
    }
    const QTextBlock block = m_doc->findBlockByNumber(low);
    const qsizetype offset = position - programStart(block, low);
    const int contentLength = ContentLength(block);
    if (offset <= contentLength)
        return block.position() + int(offset);
    if (offset == contentLength + 1 && towardEnd && block.next().isValid())
        return block.position() + contentLength + 1;
    return block.position() + contentLength;
}

qsizetype DisplayBlocks::programLength() const
{
    return qsizetype(m_doc->characterCount()) - 1 + (m_doc->blockCount() - 1) - 2 * qsizetype(m_softBreaks.size());
}

QString DisplayBlocks::programText(QStringView raw, int qtStart) const
{
    const auto standIns = StandInsBetween(m_doc, qtStart, qtStart + int(raw.size()));
    auto standIn = standIns.cbegin();
    auto soft = std::lower_bound(m_softBreaks.begin(), m_softBreaks.end(), qtStart);
    // Each separator in raw ends one of the blocks it runs through, and
    // becomes two characters at most.
    const QTextBlock last = m_doc->findBlock(qtStart + int(raw.size()));
    const int lastNumber = last.isValid() ? last.blockNumber() : m_doc->blockCount() - 1;
    const qsizetype separators = lastNumber - m_doc->findBlock(qtStart).blockNumber();
    QString text;
    text.resize(raw.size() + separators);
    QChar *write = text.data();
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        const int at = qtStart + int(i);
        if (c.unicode() == BlockSeparator) {
            while (soft != m_softBreaks.end() && *soft < at)
                ++soft;
            if (soft != m_softBreaks.end() && *soft == at)
                continue;
            *write++ = QChar(u'\r');
            *write++ = QChar(u'\n');
        } else if (standIn != standIns.cend() && standIn->first == at) {
            *write++ = standIn++->second;
        } else {
            *write++ = c;
        }
    }
    text.resize(write - text.constData());
    return text;
}

void DisplayBlocks::clear()
{
    m_mayContinue = false;
    m_softBreaks.clear();
}

BlockInserter::BlockInserter(DisplayBlocks &blocks, QTextCursor &cursor, QStringView text, Lines lines)
    : m_cursor(cursor), m_text(text), m_continuing(DisplayBlocks::continuesLine(cursor.block()))
{
    for (qsizetype from = 0; from <= text.size();) {
        qsizetype end = text.indexOf(u'\n', from);
        if (end < 0)
            end = text.size();
        const bool edge = from == 0 || end == text.size();
        if (end - from > DisplayBlockLength && (lines == Lines::All || !edge)) {
            for (const qsizetype cut : DisplayCuts(text.sliced(from, end - from)))
                m_cuts.push_back(from + cut);
        }
        from = end + 1;
    }
    if (!m_cuts.empty())
        blocks.m_mayContinue = true;
}

void BlockInserter::put(qsizetype start, qsizetype length, const QTextCharFormat &format)
{
    const qsizetype end = start + length;
    while (start < end) {
        const qsizetype cut = m_nextCut < m_cuts.size() ? m_cuts[m_nextCut] : end;
        if (cut <= start) {
            m_cursor.insertBlock(ContinuationFormat(), format);
            m_continuing = true;
            ++m_nextCut;
            continue;
        }
        const qsizetype stop = std::min(end, cut);
        putLines(m_text.sliced(start, stop - start), format);
        start = stop;
    }
}

// In a continuing block Qt would give a new block the continuing block's
// format: the first line break there is made here.
void BlockInserter::putLines(QStringView text, const QTextCharFormat &format)
{
    if (m_continuing) {
        const qsizetype lineBreak = text.indexOf(u'\n');
        if (lineBreak < 0)
            return putKeepingCharacters(text, format);
        putKeepingCharacters(text.first(lineBreak), format);
        m_cursor.insertBlock(QTextBlockFormat(), format);
        m_continuing = false;
        text = text.sliced(lineBreak + 1);
    }
    putKeepingCharacters(text, format);
}

void BlockInserter::putKeepingCharacters(QStringView text, const QTextCharFormat &format)
{
    const QChar *from = text.data();
    const QChar *const end = from + text.size();
    for (const QChar *p = from; p < end; ++p) {
        if (!IsBreakingCharacter(p->unicode()))
            continue;
        putRaw(from, p, format);
        QTextCharFormat standIn = format;
        standIn.setProperty(OriginalCharacter, int(p->unicode()));
        m_cursor.insertText(QString(QChar(StandIn)), standIn);
        from = p + 1;
    }
    putRaw(from, end, format);
}

void BlockInserter::putRaw(const QChar *from, const QChar *to, const QTextCharFormat &format)
{
    if (to > from)
        m_cursor.insertText(QString::fromRawData(from, to - from), format);
}

void DisplayBlocks::removeSelectedText(QTextCursor &cursor) const
{
    const bool continues = m_mayContinue && continuesLine(m_doc->findBlock(cursor.selectionStart()));
    cursor.removeSelectedText();
    if (!m_mayContinue || continuesLine(cursor.block()) == continues)
        return;
    QTextBlockFormat format = cursor.blockFormat();
    if (continues)
        format.setProperty(ContinuesLine, true);
    else
        format.clearProperty(ContinuesLine);
    cursor.setBlockFormat(format);
}

bool DisplayBlocks::needsReflow(int qtPosition) const
{
    const QTextBlock block = m_doc->findBlock(qtPosition);
    return ContentLength(block) > DisplayBlockLength
        || (m_mayContinue && (JoinsPrevious(block) || JoinsPrevious(block.next())));
}

void DisplayBlocks::reflow(QTextCursor &cursor, int from, int to)
{
    // The later position first: what changes there never moves the earlier.
    for (const int position : {std::max(from, to), std::min(from, to)}) {
        const QTextBlock block = m_doc->findBlock(position);
        if (ContentLength(block) > DisplayBlockLength)
            split(cursor, block);
        else
            joinAround(cursor, block);
        if (from == to)
            break;
    }
}

void DisplayBlocks::split(QTextCursor &cursor, const QTextBlock &block)
{
    const QList<qsizetype> cuts = DisplayCuts(block.text());
    if (cuts.isEmpty())
        return;
    m_mayContinue = true;
    if (m_beforeReflow)
        m_beforeReflow(block);
    const int start = block.position();
    // From the last cut back, so that each cut is where it was found.
    for (auto cut = cuts.crbegin(); cut != cuts.crend(); ++cut) {
        cursor.setPosition(start + int(*cut));
        cursor.insertBlock(ContinuationFormat());
    }
}

void DisplayBlocks::joinAround(QTextCursor &cursor, QTextBlock block)
{
    if (!m_mayContinue)
        return;
    const auto join = [&](const QTextBlock &first, const QTextBlock &second) {
        if (m_beforeReflow) {
            m_beforeReflow(first);
            m_beforeReflow(second);
        }
        RemoveSeparatorAfter(cursor, first);
    };
    while (JoinsPrevious(block)) {
        const QTextBlock previous = block.previous();
        join(previous, block);
        block = previous;
    }
    for (QTextBlock next = block.next(); JoinsPrevious(next); next = block.next())
        join(block, next);
}

void DisplayBlocks::joinDisplayBreaks(QTextDocument *copy)
{
    QTextCursor cursor(copy);
    for (QTextBlock block = copy->lastBlock(); block.isValid();) {
        const QTextBlock previous = block.previous();
        if (continuesLine(block))
            RemoveSeparatorAfter(cursor, previous);
        block = previous;
    }
}

} // namespace tavorin
