#pragma once

// How the text box's Qt document holds the program's text. A line break of
// the program's text ("\r\n", two characters) is a Qt block separator (one
// position). A line longer than DisplayBlockLength is held as several
// display blocks: each block after the first carries a mark that it
// continues the line, and the separator before it counts as no character of
// the program's text. Characters Qt's cursor would take for breaks (U+2029,
// U+FDD0, U+FDD1) are held as stand-ins whose format remembers them.

#include <QObject>
#include <QString>
#include <QStringView>

#include <functional>
#include <vector>

class QTextBlock;
class QTextCharFormat;
class QTextCursor;
class QTextDocument;

namespace tavorin {

class DisplayBlocks : public QObject {
    Q_OBJECT

public:
    // Follows every change of doc from now on.
    explicit DisplayBlocks(QTextDocument *doc);
    Q_DISABLE_COPY_MOVE(DisplayBlocks)

    // Whether a block continues the line of the block before it.
    static bool continuesLine(const QTextBlock &block);
    // True while the document may hold display blocks that continue a line
    // (cleared when the whole content is replaced by one without them).
    bool mayContinue() const { return m_mayContinue; }
    // Counts the changes of the document's content (to tell whether a key changed it).
    quint64 changeCount() const { return m_changes; }

    // Program position of a Qt position, and back. A program position
    // inside a "\r\n" pair goes to the pair's start, or with towardEnd to its
    // end; one at a display break goes to the start of the block after it.
    qsizetype toProgram(int qtPosition) const;
    int toQt(qsizetype position, bool towardEnd) const;
    // Length of the program's text.
    qsizetype programLength() const;
    // The program's text of raw, Qt's text from qtStart on (as toRawText or
    // selectedText give it).
    QString programText(QStringView raw, int qtStart) const;

    // Before a whole new content goes in.
    void clear();
    // Splits the blocks holding the two Qt positions when they grew too
    // long and joins them with neighbours of their line they fit with, so
    // that the display blocks follow an edit there. Inside an edit block.
    void reflow(QTextCursor &cursor, int from, int to);
    // Removes the cursor's selection. The block it leaves keeps the mark of
    // the block the selection started in (Qt would give it the mark of the
    // block the selection ended in when it started at a block's start).
    void removeSelectedText(QTextCursor &cursor) const;
    // Whether reflow at a Qt position would change anything.
    bool needsReflow(int qtPosition) const;
    // Called with each block reflow is about to split or join, before it does.
    void setBeforeReflow(std::function<void(const QTextBlock &)> beforeReflow)
    {
        m_beforeReflow = std::move(beforeReflow);
    }

    // Turns every display break of a (printing) copy back into nothing.
    static void joinDisplayBreaks(QTextDocument *copy);

private:
    friend class BlockInserter;
    void contentsChanged(int position, int removed, int added);
    qsizetype softBreaksBefore(int qtPosition) const;
    void split(QTextCursor &cursor, const QTextBlock &block);
    void joinAround(QTextCursor &cursor, QTextBlock block);

    QTextDocument *m_doc;
    // Qt positions of the separators before continuing blocks, ascending.
    std::vector<int> m_softBreaks;
    bool m_mayContinue = false;
    quint64 m_changes = 0;
    std::function<void(const QTextBlock &)> m_beforeReflow;
};

// Inserts the program's text (line breaks "\n") at a cursor, one stretch
// after another, each in its own format: each line longer than
// DisplayBlockLength goes in as display blocks, and the characters Qt would
// take for breaks as stand-ins. Used inside an edit block the caller opened.
class BlockInserter {
public:
    // Which lines of the text the inserter cuts: all of a whole new
    // content, or only the inner ones of a piece, whose first and last lines
    // join the text around it (DisplayBlocks::reflow cuts those).
    enum class Lines { All, Inner };
    BlockInserter(DisplayBlocks &blocks, QTextCursor &cursor, QStringView text, Lines lines);
    Q_DISABLE_COPY_MOVE(BlockInserter)

    // Inserts text[start, start + length); stretches come in order.
    void put(qsizetype start, qsizetype length, const QTextCharFormat &format);

private:
    void putLines(QStringView text, const QTextCharFormat &format);
    void putKeepingCharacters(QStringView text, const QTextCharFormat &format);
    void putRaw(const QChar *from, const QChar *to, const QTextCharFormat &format);

    QTextCursor &m_cursor;
    QStringView m_text;
    std::vector<qsizetype> m_cuts; // offsets in the text where display blocks start
    size_t m_nextCut = 0;
    bool m_continuing; // the cursor's block continues a line
};

// A format to insert ordinary text with: one taken from a stand-in must not
// make the next character a stand-in too, nor one taken from loaded text
// mark typed text as loaded.
QTextCharFormat InsertionFormat(QTextCharFormat format);
// Qt's cursor makes a block or frame break of these three characters
// whatever it is asked to insert. The document keeps each as a stand-in
// whose character format remembers the character.
inline constexpr char16_t StandIn = 0xFFFD;
inline constexpr char16_t BreakingCharacters[] = {0x2029, 0xFDD0, 0xFDD1};
constexpr bool IsBreakingCharacter(char16_t c)
{
    return c == BreakingCharacters[0] || c == BreakingCharacters[1] || c == BreakingCharacters[2];
}

} // namespace tavorin
