#include "app/richtextbox.h"

#include "app/rtfreader.h"

#include <QGuiApplication>
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

constexpr char16_t BlockSeparator = 0x2029; // how Qt's raw text marks a line break

// Qt's cursor makes a block or frame break of these three characters
// whatever it is asked to insert. The document keeps each as a stand-in
// whose character format remembers the character, so the program's text
// keeps it.
constexpr char16_t StandIn = 0xFFFD;
constexpr int OriginalCharacter = QTextFormat::UserProperty + 1;

constexpr bool IsBreakingCharacter(char16_t c)
{
    return c == BlockSeparator || c == 0xFDD0 || c == 0xFDD1;
}

QColor ToQColor(quint32 colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

// A format to insert ordinary text with: one taken from a stand-in must not
// make the next character a stand-in too.
QTextCharFormat InsertionFormat(QTextCharFormat format)
{
    format.clearProperty(OriginalCharacter);
    return format;
}

// Inserts text (with "\n" line breaks) through the cursor without copying it.
void InsertPiece(QTextCursor &cursor, const QString &text, qsizetype start, qsizetype length,
                 const QTextCharFormat &format)
{
    const QChar *const begin = text.constData() + start;
    const QChar *const end = begin + std::max<qsizetype>(length, 0);
    const QChar *from = begin;
    for (const QChar *p = begin; p < end; ++p) {
        if (!IsBreakingCharacter(p->unicode()))
            continue;
        if (p > from)
            cursor.insertText(QString::fromRawData(from, p - from), format);
        QTextCharFormat standIn = format;
        standIn.setProperty(OriginalCharacter, int(p->unicode()));
        cursor.insertText(QString(QChar(StandIn)), standIn);
        from = p + 1;
    }
    if (end > from)
        cursor.insertText(QString::fromRawData(from, end - from), format);
}

bool HasStandIns(const QTextDocument *doc)
{
    const QList<QTextFormat> formats = doc->allFormats();
    return std::any_of(formats.cbegin(), formats.cend(),
                       [](const QTextFormat &format) { return format.hasProperty(OriginalCharacter); });
}

// The character a stand-in at a Qt position was inserted for, or the
// stand-in character itself when it is an ordinary one.
QChar OriginalAt(const QTextDocument *doc, int qtPosition)
{
    QTextCursor cursor(const_cast<QTextDocument *>(doc));
    cursor.setPosition(qtPosition + 1);
    const QVariant original = cursor.charFormat().property(OriginalCharacter);
    return original.isValid() ? QChar(char16_t(original.toInt())) : QChar(StandIn);
}

// The program's text of Qt's raw text starting at a Qt position: block
// separators become "\r\n", stand-ins their characters.
QString ProgramText(const QTextDocument *doc, QStringView raw, int qtStart)
{
    const bool standIns = HasStandIns(doc);
    QString text;
    text.resize(raw.size() + raw.count(QChar(BlockSeparator)));
    QChar *write = text.data();
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (c.unicode() == BlockSeparator) {
            *write++ = QChar(u'\r');
            *write++ = QChar(u'\n');
        } else if (c.unicode() == StandIn && standIns) {
            *write++ = OriginalAt(doc, qtStart + int(i));
        } else {
            *write++ = c;
        }
    }
    text.resize(write - text.constData());
    return text;
}

} // namespace

struct RichTextBox::Private {
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
    if (content.runs.isEmpty()) {
        InsertPiece(cursor, content.text, 0, content.text.size(), QTextCharFormat());
    } else {
        for (const RtfColourRun &run : content.runs)
            InsertPiece(cursor, content.text, run.start, run.length, formatFor(run.colour));
    }
    cursor.endEditBlock();
    doc->setUndoRedoEnabled(undo);
    box->setTextCursor(QTextCursor(doc));
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
    : QPlainTextEdit(parent), d(new Private)
{
    // Like the platform's box: the default tab is half an inch.
    setTabStopDistance(720.0 * logicalDpiX() / 1440.0);
}

RichTextBox::~RichTextBox()
{
    delete d;
}

// ---- positions ---------------------------------------------------------
//
// Qt keeps a line break as one block separator; the program counts "\r\n".
// A block's program start is its Qt position plus the number of breaks
// before it, which is its block number.

static qsizetype ToProgram(const QTextDocument *doc, int qtPosition)
{
    const QTextBlock block = doc->findBlock(qtPosition);
    return qtPosition + (block.isValid() ? block.blockNumber() : doc->blockCount() - 1);
}

// towardEnd decides the side of a "\r\n" pair a position inside it moves to.
static int ToQt(const QTextDocument *doc, qsizetype position, bool towardEnd)
{
    position = std::max<qsizetype>(position, 0);
    int low = 0;
    int high = doc->blockCount() - 1;
    while (low < high) {
        const int middle = low + (high - low + 1) / 2;
        if (doc->findBlockByNumber(middle).position() + qsizetype(middle) <= position)
            low = middle;
        else
            high = middle - 1;
    }
    const QTextBlock block = doc->findBlockByNumber(low);
    const qsizetype offset = position - (block.position() + qsizetype(low));
    const int contentLength = block.length() - 1;
    if (offset <= contentLength)
        return block.position() + int(offset);
    if (offset == contentLength + 1 && towardEnd && block.next().isValid())
        return block.position() + contentLength + 1;
    return block.position() + contentLength;
}

QString RichTextBox::text() const
{
    return ProgramText(document(), document()->toRawText(), 0);
}

qsizetype RichTextBox::textLength() const
{
    const QTextDocument *doc = document();
    return qsizetype(doc->characterCount()) - 1 + (doc->blockCount() - 1);
}

qsizetype RichTextBox::selStart() const
{
    return ToProgram(document(), textCursor().selectionStart());
}

qsizetype RichTextBox::selLength() const
{
    const QTextCursor cursor = textCursor();
    return ToProgram(document(), cursor.selectionEnd()) - ToProgram(document(), cursor.selectionStart());
}

void RichTextBox::select(qsizetype start, qsizetype length)
{
    const qsizetype total = textLength();
    start = std::clamp<qsizetype>(start, 0, total);
    length = std::clamp<qsizetype>(length, 0, total - start);
    QTextCursor cursor(document());
    const int from = ToQt(document(), start, false);
    cursor.setPosition(from);
    if (length > 0)
        cursor.setPosition(std::max(from, ToQt(document(), start + length, true)), QTextCursor::KeepAnchor);
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
    return ProgramText(document(), cursor.selectedText(), cursor.selectionStart());
}

// ---- content -----------------------------------------------------------

void RichTextBox::setText(const QString &plainText)
{
    d->loadWhole(this, PlainTextContent(plainText));
}

void RichTextBox::setRtf(const QString &rtf)
{
    d->loadWhole(this, ReadRtf(rtf));
}

void RichTextBox::setSelText(const QString &plainText)
{
    QString text = plainText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    InsertPiece(cursor, text, 0, text.size(), InsertionFormat(cursor.charFormat()));
    cursor.endEditBlock();
    setTextCursor(cursor);
}

void RichTextBox::setSelRtf(const QString &rtf)
{
    const RtfContent content = ReadRtf(rtf);
    if (!content.isRtf) {
        setSelText(rtf);
        return;
    }
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    for (const RtfColourRun &run : content.runs)
        InsertPiece(cursor, content.text, run.start, run.length, d->formatFor(run.colour));
    cursor.endEditBlock();
    setTextCursor(cursor);
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
    const QString typed = event->text();
    const bool inserts = d->insertColour && !isReadOnly() && !typed.isEmpty()
        && !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        && (typed.front().isPrint() || typed.front() == u'\t');
    if (!inserts) {
        if (!typed.isEmpty() && !textCursor().hasSelection()
            && currentCharFormat().hasProperty(OriginalCharacter))
            setCurrentCharFormat(InsertionFormat(currentCharFormat()));
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
    range.setPosition(ToQt(document(), start, false));
    range.setPosition(std::max(range.position(), ToQt(document(), end, true)), QTextCursor::KeepAnchor);

    QTextDocument pages;
    pages.setDefaultFont(font());
    QTextOption option = document()->defaultTextOption();
    // Tab widths are screen pixels; the printer lays out in its own.
    option.setTabStopDistance(tabStopDistance() * printer->logicalDpiX() / std::max(1, logicalDpiX()));
    pages.setDefaultTextOption(option);
    QTextCursor(&pages).insertFragment(range.selection());
    pages.print(printer);
}

} // namespace tavorin
