#pragma once

// The colours of a whole content as it went into the text box. Qt's
// document keeps each change of character format as a fragment of its own:
// a 10 MB page has hundreds of thousands of colour changes, and putting them
// in as formats takes twice as long as the text alone. So a whole content's
// characters go in with one format that marks them as loaded, and their
// colours stay here, one list of runs for each block as it was loaded,
// shown through the block's layout when it is painted.
//
// A block keeps its mark until an edit touches it: then, in the same undo
// step and before the edit, its loaded colours become character formats.
// Undo brings the marked block back as it was loaded, so a marked block
// always holds its loaded text; a block whose text does not match the
// colours recorded for it shows the box's text colour instead of wrong ones.

#include <QTextCharFormat>
#include <QTextFormat>

#include <functional>
#include <vector>

class QTextBlock;
class QTextCursor;
class QTextDocument;

namespace tavorin {

struct RtfColourRun;
struct RtfContent;

// The property that marks the characters of a loaded content.
inline constexpr int LoadedTextMark = QTextFormat::UserProperty + 3;

class LoadedColours {
public:
    explicit LoadedColours(QTextDocument *doc) : m_doc(doc) {}
    Q_DISABLE_COPY_MOVE(LoadedColours)

    // The format a whole content's characters go in with.
    static QTextCharFormat markedFormat();
    // Whether the block holds loaded text that has not been edited.
    static bool isMarked(const QTextBlock &block);

    // Forgets the colours of the last content.
    void clear();
    // Records the colours of runs over text (line breaks "\n"), which has
    // just gone into the document with markedFormat(); formatFor gives the
    // format of a colour (an empty one for the box's own text colour).
    void record(const QString &text, const std::vector<RtfColourRun> &runs,
                const std::function<QTextCharFormat(quint32)> &formatFor);

    // After a change of the document: marked blocks that Undo or Redo
    // brought back learn their lines while the blocks before them still
    // know theirs.
    void changed(int position, int added);

    // Before an edit from one Qt position to another: the blocks holding
    // the two take their loaded colours as character formats.
    void materialise(QTextCursor &cursor, int from, int to);
    void materialise(QTextCursor &cursor, const QTextBlock &block);

    // Lays the loaded colours of a marked block over it, and takes them off
    // a block that is no longer marked (before the block is painted).
    void show(const QTextBlock &block);
    // The format the character at a Qt position shows in.
    QTextCharFormat shownFormat(int qtPosition) const;
    // Gives a copy of the document's text from the Qt position start on
    // the loaded colours of its marked blocks (printing).
    void colourCopy(QTextDocument *copy, int start, int end) const;

private:
    struct Piece {
        int start;  // offset in the block
        int length;
        int format; // index into m_formats
    };
    int lineOf(const QTextBlock &block) const;
    int walkedLineOf(const QTextBlock &block) const;
    int lineWithText(const QTextBlock &block) const;
    bool matches(int line, const QTextBlock &block) const;
    // The coloured pieces of a line between two offsets of its block.
    std::vector<Piece> piecesOf(int line, int from, int to) const;

    QTextDocument *m_doc;
    std::vector<QTextCharFormat> m_formats;
    struct Run {
        int start; // offset in the line's block
        int format;
    };
    std::vector<Run> m_runs;
    struct Line {
        int firstRun;
        int length;
        size_t hash; // of the block's text as loaded
    };
    std::vector<Line> m_lines;
    // (hash, line) of every line, sorted; made when first needed.
    mutable std::vector<std::pair<size_t, int>> m_linesByHash;
};

} // namespace tavorin
