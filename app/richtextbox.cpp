#include "app/richtextbox.h"

#include "app/colourvalue.h"
#include "app/displayblocks.h"
#include "app/displaycuts.h"
#include "app/loadedcolours.h"
#include "app/rtfreader.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHash>
#include <QKeyEvent>
#include <QMimeData>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <algorithm>
#include <optional>

namespace tavorin {

namespace {

// White space shows no colour, so a run of nothing but blanks, tabs and
// line breaks goes with the run before it, and so does a run of that
// colour after it: a page has about half as many runs this way.
std::vector<RtfColourRun> MergedRuns(const RtfContent &content)
{
    const auto blank = [&content](const RtfColourRun &run) {
        const QStringView piece = QStringView(content.text).sliced(run.start, run.length);
        return std::all_of(piece.begin(), piece.end(), [](QChar c) { return c == u' ' || c == u'\t' || c == u'\n'; });
    };
    std::vector<RtfColourRun> merged;
    merged.reserve(size_t(content.runs.size()));
    for (const RtfColourRun &run : content.runs) {
        if (!merged.empty() && (run.colour == merged.back().colour || blank(run)))
            merged.back().length += run.length;
        else
            merged.push_back(run);
    }
    return merged;
}

} // namespace

struct RichTextBox::Private {
    explicit Private(QTextDocument *doc) : blocks(doc), colours(doc)
    {
        blocks.setBeforeReflow([this, doc](const QTextBlock &block) {
            QTextCursor colouring(doc);
            colours.materialise(colouring, block);
        });
    }

    DisplayBlocks blocks;
    LoadedColours colours;
    int suspended = 0;
    // Colour of text that carries no colour of its own: the palette's text
    // colour, set from the colour table's entry 0 of the last whole RTF.
    std::optional<quint32> baseColour;
    std::optional<quint32> insertColour;

    QTextCharFormat formatFor(quint32 colour) const
    {
        QTextCharFormat format;
        if (colour != RtfAutoColour && colour != baseColour)
            format.setForeground(ToQColor(colour));
        return format;
    }

    // Replaces the whole content; not an undo step.
    void loadWhole(RichTextBox *box, const RtfContent &content);
    // Inserts the content's text in its colours.
    void putRuns(BlockInserter &inserter, const RtfContent &content) const;
    // Whether an edit of the cursor's selection, or next to the cursor,
    // would touch loaded text that keeps its colours outside the document.
    bool touchesLoadedText(const QTextCursor &cursor) const;
    // Gives the blocks an edit of the cursor's selection touches their
    // loaded colours as formats (inside the edit's undo step).
    void colourBeforeEdit(const QTextCursor &cursor);
    // Replaces the selection by the content's text, in one undo step.
    void replaceSelection(RichTextBox *box, const RtfContent &content, const QTextCharFormat &plainFormat);
    // Palette text colour, font and tab width of a whole RTF document.
    void applyFormat(RichTextBox *box, const RtfContent &content);
};

void RichTextBox::Private::loadWhole(RichTextBox *box, const RtfContent &content)
{
    if (content.isRtf)
        applyFormat(box, content);

    QTextDocument *doc = box->document();
    const bool undo = doc->isUndoRedoEnabled();
    // Loading is no undo step; switching undo off also clears the history.
    doc->setUndoRedoEnabled(false);
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    doc->clear();
    blocks.clear();
    colours.clear();
    BlockInserter inserter(blocks, cursor, content.text, BlockInserter::Lines::All);
    // A coloured content goes in as one stretch of marked text; its colours
    // stay beside the document (LoadedColours).
    inserter.put(0, content.text.size(), content.runs.isEmpty() ? QTextCharFormat() : LoadedColours::markedFormat());
    cursor.endEditBlock();
    if (!content.runs.isEmpty())
        colours.record(content.text, MergedRuns(content), [this](quint32 colour) { return formatFor(colour); });
    doc->setUndoRedoEnabled(undo);
    box->setTextCursor(QTextCursor(doc));
}


void RichTextBox::Private::putRuns(BlockInserter &inserter, const RtfContent &content) const
{
    // One format for each colour, made once and handed to Qt again and
    // again: building a format (which Qt then hashes afresh) costs more
    // than the lookup here.
    QHash<quint32, QTextCharFormat> formats;
    for (const RtfColourRun &run : MergedRuns(content)) {
        auto format = formats.constFind(run.colour);
        if (format == formats.cend())
            format = formats.insert(run.colour, formatFor(run.colour));
        inserter.put(run.start, run.length, *format);
    }
}

bool RichTextBox::Private::touchesLoadedText(const QTextCursor &cursor) const
{
    const QTextDocument *doc = cursor.document();
    const QTextBlock first = doc->findBlock(cursor.selectionStart());
    const QTextBlock last = doc->findBlock(cursor.selectionEnd());
    return LoadedColours::isMarked(first) || LoadedColours::isMarked(last)
        || LoadedColours::isMarked(first.previous()) || LoadedColours::isMarked(last.next());
}

void RichTextBox::Private::colourBeforeEdit(const QTextCursor &cursor)
{
    // One character beyond each end: Backspace and Delete at a block's
    // edge join the block next to it.
    QTextCursor colouring(cursor.document());
    colours.materialise(colouring, cursor.selectionStart() - 1, cursor.selectionEnd() + 1);
}

void RichTextBox::Private::replaceSelection(RichTextBox *box, const RtfContent &content,
                                            const QTextCharFormat &plainFormat)
{
    QTextCursor cursor = box->textCursor();
    cursor.beginEditBlock();
    colourBeforeEdit(cursor);
    blocks.removeSelectedText(cursor);
    const int from = cursor.position();
    BlockInserter inserter(blocks, cursor, content.text, BlockInserter::Lines::Inner);
    if (content.runs.isEmpty())
        inserter.put(0, content.text.size(), plainFormat);
    else
        putRuns(inserter, content);
    QTextCursor reflowing(box->document());
    blocks.reflow(reflowing, from, cursor.position());
    cursor.endEditBlock();
    box->setTextCursor(cursor);
}

void RichTextBox::Private::applyFormat(RichTextBox *box, const RtfContent &content)
{
    baseColour.reset();
    if (content.baseColour != RtfAutoColour)
        baseColour = content.baseColour;
    QPalette colours = box->palette();
    colours.setColor(QPalette::Text, baseColour ? ToQColor(*baseColour)
                                                   : QGuiApplication::palette().color(QPalette::Text));
    box->setPalette(colours);

    QFont textFont = box->font();
    if (!content.fontName.isEmpty())
        textFont.setFamily(content.fontName);
    if (content.halfPoints > 0)
        textFont.setPointSizeF(content.halfPoints / 2.0);
    textFont.setBold(content.bold);
    textFont.setItalic(content.italic);
    if (textFont != box->font())
        box->setFont(textFont);

    // The stops are evenly spaced; their spacing becomes the tab width.
    const QList<int> &stops = content.tabStops;
    const int twips = stops.size() >= 2 && stops[1] > stops[0] ? stops[1] - stops[0] : content.defaultTab;
    box->setTabStopDistance(twips * box->logicalDpiX() / 1440.0);
}


RichTextBox::RichTextBox(QWidget *parent)
    : QPlainTextEdit(parent), d(new Private(document()))
{
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { d->colours.changed(position, added); });
    // Like the platform's box: the default tab is half an inch.
    setTabStopDistance(720.0 * logicalDpiX() / 1440.0);
}

RichTextBox::~RichTextBox()
{
    delete d;
}

// ---- positions ---------------------------------------------------------

QString RichTextBox::text() const
{
    return d->blocks.programText(document()->toRawText(), 0);
}

qsizetype RichTextBox::textLength() const
{
    return d->blocks.programLength();
}

qsizetype RichTextBox::selStart() const
{
    return d->blocks.toProgram(textCursor().selectionStart());
}

qsizetype RichTextBox::selLength() const
{
    const QTextCursor cursor = textCursor();
    return d->blocks.toProgram(cursor.selectionEnd()) - d->blocks.toProgram(cursor.selectionStart());
}

void RichTextBox::select(qsizetype start, qsizetype length)
{
    const qsizetype total = textLength();
    start = std::clamp<qsizetype>(start, 0, total);
    length = std::clamp<qsizetype>(length, 0, total - start);
    QTextCursor cursor(document());
    const int from = d->blocks.toQt(start, false);
    cursor.setPosition(from);
    if (length > 0)
        cursor.setPosition(std::max(from, d->blocks.toQt(start + length, true)), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void RichTextBox::setSelStart(qsizetype start)
{
    select(start, 0);
}

void RichTextBox::setSelLength(qsizetype length)
{
    select(selStart(), length);
}

QString RichTextBox::selText() const
{
    const QTextCursor cursor = textCursor();
    return d->blocks.programText(cursor.selectedText(), cursor.selectionStart());
}

// ---- content -----------------------------------------------------------

void RichTextBox::setText(const QString &plainText)
{
    d->loadWhole(this, PlainTextContent(plainText));
}

void RichTextBox::setRtf(QString rtf)
{
    const RtfContent content = ReadRtf(rtf);
    rtf = QString();
    setContent(content);
}

void RichTextBox::setContent(const RtfContent &content)
{
    d->loadWhole(this, content);
}

void RichTextBox::setSelText(const QString &plainText)
{
    d->replaceSelection(this, PlainTextContent(plainText), InsertionFormat(textCursor().charFormat()));
}

void RichTextBox::setSelRtf(const QString &rtf)
{
    const RtfContent content = ReadRtf(rtf);
    if (!content.isRtf) {
        setSelText(rtf);
        return;
    }
    d->replaceSelection(this, content, QTextCharFormat());
}

// ---- appearance and typing ---------------------------------------------

void RichTextBox::setSelColour(quint32 colour)
{
    d->insertColour = colour & 0xFFFFFF;
    if (!textCursor().hasSelection())
        setCurrentCharFormat(d->formatFor(*d->insertColour));
}

void RichTextBox::keyPressEvent(QKeyEvent *event)
{
    if (editThroughCursor(event))
        return;
    const quint64 changes = d->blocks.changeCount();
    if (!(d->blocks.mayContinue() && stepOverDisplayBreak(event)))
        typeKey(event);
    if (d->blocks.changeCount() != changes)
        reflowAtCursor();
}

void RichTextBox::typeKey(QKeyEvent *event)
{
    const QString typed = event->text();
    const bool inserts = d->insertColour && !isReadOnly() && !typed.isEmpty()
        && !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        && (typed.front().isPrint() || typed.front() == u'\t');
    if (!inserts) {
        const QTextCharFormat clean = InsertionFormat(currentCharFormat());
        if (!typed.isEmpty() && !textCursor().hasSelection() && clean != currentCharFormat())
            setCurrentCharFormat(clean);
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    QTextCursor cursor = textCursor();
    const bool replacing = cursor.hasSelection();
    if (replacing) {
        // Removing first lets the typed text take the insertion colour; the
        // edit block keeps removal and typing one undo step.
        cursor.beginEditBlock();
        cursor.removeSelectedText();
        setTextCursor(cursor);
    }
    setCurrentCharFormat(d->formatFor(*d->insertColour));
    QPlainTextEdit::keyPressEvent(event);
    if (replacing)
        cursor.endEditBlock();
}

// Edits that may split or join display blocks are made here, through a
// cursor and in one edit block with the splitting and joining, so that one
// Undo takes both back: typing into a full block, typing over a selection,
// Backspace and Delete where the text has display blocks (a display break
// is no character: they take the character beyond it), and Enter in a
// block that continues a line (Qt would give the new block its mark). So
// are all of these next to loaded text, which takes its colours as formats
// in the same step. Qt's own key handling reads the layout and must not run
// inside the block.
bool RichTextBox::editThroughCursor(QKeyEvent *event)
{
    if (isReadOnly())
        return false;
    QTextCursor cursor = textCursor();
    // Loaded text must take its colours as formats before it is edited,
    // in the edit's own undo step.
    const bool loaded = d->touchesLoadedText(cursor);
    const bool split = d->blocks.mayContinue() || loaded;
    const auto modifiers = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier);
    const QString typed = modifiers ? QString() : event->text();
    const bool types = !typed.isEmpty() && (typed.front().isPrint() || typed.front() == u'\t')
        && (cursor.block().length() > DisplayBlockLength || (split && cursor.hasSelection()) || loaded);
    const bool backspace = event->key() == Qt::Key_Backspace;
    const bool wordWise = modifiers == Qt::ControlModifier; // Ctrl+Backspace, Ctrl+Delete
    const bool cuts = split && cursor.hasSelection() && event->matches(QKeySequence::Cut);
    const bool removes = split && (backspace || event->key() == Qt::Key_Delete) && (!modifiers || wordWise);
    const bool breaksLine = !modifiers && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && (DisplayBlocks::continuesLine(cursor.block()) || loaded);
    if (!types && !removes && !cuts && !breaksLine)
        return false;

    if (cuts)
        QGuiApplication::clipboard()->setMimeData(createMimeDataFromSelection());
    cursor.beginEditBlock();
    if (!cursor.hasSelection() && removes && wordWise)
        cursor.movePosition(backspace ? QTextCursor::PreviousWord : QTextCursor::NextWord, QTextCursor::KeepAnchor);
    d->colourBeforeEdit(cursor);
    if (cursor.hasSelection()) {
        d->blocks.removeSelectedText(cursor);
    } else if (backspace) {
        while (cursor.atBlockStart() && DisplayBlocks::continuesLine(cursor.block()))
            cursor.setPosition(cursor.position() - 1);
        cursor.deletePreviousChar();
    } else if (event->key() == Qt::Key_Delete) {
        while (cursor.atBlockEnd() && DisplayBlocks::continuesLine(cursor.block().next()))
            cursor.setPosition(cursor.position() + 1);
        cursor.deleteChar();
    }
    const QTextCharFormat format = d->insertColour ? d->formatFor(*d->insertColour) : InsertionFormat(cursor.charFormat());
    if (types)
        cursor.insertText(typed, format);
    if (breaksLine)
        cursor.insertBlock(QTextBlockFormat(), format);
    // A cursor of its own, so that the caret stays where the edit left it.
    QTextCursor reflowing(document());
    d->blocks.reflow(reflowing, cursor.position(), cursor.position());
    cursor.endEditBlock();
    setTextCursor(cursor);
    return true;
}

// A caret step over a display break moves one character: a step that
// only crossed the break is taken once more.
bool RichTextBox::stepOverDisplayBreak(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Left && event->key() != Qt::Key_Right)
        return false;
    const QTextCursor cursor = textCursor();
    if (cursor.hasSelection() && !(event->modifiers() & Qt::ShiftModifier))
        return false;
    const int before = cursor.position();
    const qsizetype programBefore = d->blocks.toProgram(before);
    QPlainTextEdit::keyPressEvent(event);
    const int after = textCursor().position();
    if (after != before && d->blocks.toProgram(after) == programBefore)
        QPlainTextEdit::keyPressEvent(event);
    return true;
}

// Lets the display blocks follow an edit Qt's key handling made at the
// caret, as an undo step of its own.
void RichTextBox::reflowAtCursor()
{
    const int position = textCursor().position();
    if (!d->blocks.needsReflow(position))
        return;
    QTextCursor cursor(document());
    cursor.joinPreviousEditBlock();
    d->blocks.reflow(cursor, position, position);
    cursor.endEditBlock();
}

// A word that runs over a display break is one word.
void RichTextBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseDoubleClickEvent(event);
    QTextCursor cursor = textCursor();
    if (!d->blocks.mayContinue() || !cursor.hasSelection())
        return;
    const auto isWordCharacter = [this](int qtPosition) {
        const QChar c = document()->characterAt(qtPosition);
        return c.isLetterOrNumber() || c == u'_';
    };
    QTextCursor word(document());
    int start = cursor.selectionStart();
    int end = cursor.selectionEnd();
    for (QTextBlock block = document()->findBlock(start); DisplayBlocks::continuesLine(block)
         && start == block.position() && isWordCharacter(start) && isWordCharacter(start - 2);
         block = document()->findBlock(start)) {
        word.setPosition(start - 1);
        word.movePosition(QTextCursor::StartOfWord);
        start = word.position();
    }
    for (QTextBlock next = document()->findBlock(end).next(); DisplayBlocks::continuesLine(next)
         && end == next.position() - 1 && isWordCharacter(end - 1) && isWordCharacter(end + 1);
         next = document()->findBlock(end).next()) {
        word.setPosition(end + 1);
        word.movePosition(QTextCursor::EndOfWord);
        end = word.position();
    }
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

// Loaded text before the caret's or selection's edit by Qt's own
// handling takes its colours as formats: as a step of its own, since that
// handling must not run inside an edit block.
void RichTextBox::colourBeforeQtEdit()
{
    const QTextCursor cursor = textCursor();
    if (isReadOnly() || !d->touchesLoadedText(cursor))
        return;
    QTextCursor colouring(document());
    colouring.beginEditBlock();
    d->colourBeforeEdit(cursor);
    colouring.endEditBlock();
}

void RichTextBox::inputMethodEvent(QInputMethodEvent *event)
{
    if (!event->commitString().isEmpty() || !event->preeditString().isEmpty())
        colourBeforeQtEdit();
    QPlainTextEdit::inputMethodEvent(event);
}

void RichTextBox::dropEvent(QDropEvent *event)
{
    colourBeforeQtEdit(); // a move removes the selection
    QPlainTextEdit::dropEvent(event);
}

// The blocks about to be painted show their loaded colours.
void RichTextBox::paintEvent(QPaintEvent *event)
{
    const qreal bottom = viewport()->height();
    QTextBlock block = firstVisibleBlock();
    for (qreal top = blockBoundingGeometry(block).translated(contentOffset()).top(); block.isValid() && top <= bottom;
         block = block.next()) {
        d->colours.show(block);
        top += blockBoundingRect(block).height();
    }
    QPlainTextEdit::paintEvent(event);
}

QColor RichTextBox::shownColour(int qtPosition) const
{
    const QTextCharFormat format = d->colours.shownFormat(qtPosition);
    return format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color()
                                                            : palette().color(QPalette::Text);
}

QMimeData *RichTextBox::createMimeDataFromSelection() const
{
    auto *data = new QMimeData;
    data->setText(selText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    return data;
}

void RichTextBox::insertFromMimeData(const QMimeData *source)
{
    if (source && source->hasText() && !isReadOnly())
        setSelText(source->text());
}

void RichTextBox::setBackColour(quint32 colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Base, ToQColor(colour));
    setPalette(colours);
}

void RichTextBox::setWordWrap(bool wrap)
{
    setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

bool RichTextBox::canUndo() const
{
    return document()->isUndoAvailable();
}

void RichTextBox::suspendDrawing()
{
    if (d->suspended++ == 0)
        setUpdatesEnabled(false);
}

void RichTextBox::resumeDrawing()
{
    if (d->suspended == 0)
        return;
    if (--d->suspended == 0) {
        setUpdatesEnabled(true);
        viewport()->update();
    }
}

// ---- printing ----------------------------------------------------------

void RichTextBox::printRange(QPrinter *printer, qsizetype start, qsizetype end) const
{
    if (!printer)
        return;
    QTextCursor range(document());
    range.setPosition(d->blocks.toQt(start, false));
    range.setPosition(std::max(range.position(), d->blocks.toQt(end, true)), QTextCursor::KeepAnchor);

    QTextDocument pages;
    pages.setDefaultFont(font());
    QTextOption option = document()->defaultTextOption();
    // Tab widths are screen pixels; the printer lays out in its own.
    option.setTabStopDistance(tabStopDistance() * printer->logicalDpiX() / std::max(1, logicalDpiX()));
    pages.setDefaultTextOption(option);
    QTextCursor(&pages).insertFragment(range.selection());
    d->colours.colourCopy(&pages, range.selectionStart(), range.selectionEnd());
    // Printed, a long line is one line wrapped at the page width.
    DisplayBlocks::joinDisplayBreaks(&pages);
    pages.print(printer);
}

} // namespace tavorin
