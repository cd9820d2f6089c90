#pragma once

// The document's text box. It wraps QPlainTextEdit and speaks the program's
// coordinates: every position and length counts in a text whose line breaks
// are "\r\n" (two characters), whatever Qt keeps inside. A position that
// would fall between "\r" and "\n" moves to the pair's edge. Whole text and
// selections can be set as RTF, which goes through the program's own reader;
// like the platform's box, it does not keep the final paragraph mark of RTF it
// receives. A whole coloured content keeps its colours beside the document
// until an edit touches them (see LoadedColours), which makes opening a
// large page about as fast as putting in its plain text.

#include <QPlainTextEdit>

class QMimeData;
class QPrinter;

namespace tavorin {

struct RtfContent;

class RichTextBox : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit RichTextBox(QWidget *parent = nullptr);
    ~RichTextBox() override;
    Q_DISABLE_COPY_MOVE(RichTextBox)

    // Whole text with "\r\n" line breaks (copies the text: not for every key).
    QString text() const;
    // Length of text() without building it; cheap for any size.
    qsizetype textLength() const;
    void setText(const QString &plainText);
    // Replaces the whole content by the RTF's text and colours. Text that
    // does not start with "{\rtf" is taken as plain text. Not an undo step.
    // An RTF handed over (moved) is let go once read, before the box fills.
    void setRtf(QString rtf);
    // The same for RTF already read (as ReadRtf gives it).
    void setContent(const RtfContent &content);

    qsizetype selStart() const;
    qsizetype selLength() const;
    void setSelStart(qsizetype start);   // collapses the selection there
    void setSelLength(qsizetype length); // extends from selStart()
    void select(qsizetype start, qsizetype length);
    QString selText() const;
    // Replace the selection (one undo step each); the caret ends after it.
    void setSelText(const QString &plainText);
    void setSelRtf(const QString &rtf);

    // Colours are 0x00BBGGRR, red in the low byte.
    // The colour typed text takes from now on; the selection keeps its own.
    void setSelColour(quint32 colour);
    void setBackColour(quint32 colour);
    void setWordWrap(bool wrap);
    bool canUndo() const;

    // Suspend and resume painting around whole-document changes (nestable).
    void suspendDrawing();
    void resumeDrawing();

    // Prints the text from start to end (program coordinates) onto the printer.
    void printRange(QPrinter *printer, qsizetype start, qsizetype end) const;

    // The colour the character at a Qt position of document() is shown in.
    QColor shownColour(int qtPosition) const;

protected:
    // Typed text takes the insertion colour, also when it replaces a selection.
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    // Dragged and dropped text is the program's text, not Qt's.
    QMimeData *createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData *source) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void typeKey(QKeyEvent *event);
    bool editThroughCursor(QKeyEvent *event);
    void colourBeforeQtEdit();
    bool stepOverDisplayBreak(QKeyEvent *event);
    void reflowAtCursor();

    struct Private;
    Private *d;
};

} // namespace tavorin
