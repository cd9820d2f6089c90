#include "app/colouring.h"
#include "app/displayblocks.h"
#include "app/displaycuts.h"
#include "app/richtextbox.h"
#include "app/rtfreader.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

using namespace tavorin;
using namespace Qt::StringLiterals;

namespace {

constexpr quint32 TextColour = 0x000000, TagColour = 0x800000, CommentColour = 0x008000, SmartColour = 0x0000FF;

QString Coloured(const QString &text)
{
    const QString rtfTemplate = MakeColourTable(MakeRtfTemplate(u"DejaVu Sans Mono"_s, 10, false, false), TextColour,
                                                TagColour, CommentColour, SmartColour);
    return TextToRtf(text, AddTabStops(rtfTemplate, 4), true);
}

// The colour a character is shown in, 0x00BBGGRR.
quint32 ColourAt(const RichTextBox &box, qsizetype qtPosition)
{
    const QColor colour = box.shownColour(int(qtPosition));
    return quint32(colour.red()) | quint32(colour.green()) << 8 | quint32(colour.blue()) << 16;
}

// Text of count pieces drawn at random, from the first common pieces but
// for every so often, when from all of them.
QString RandomPieces(QRandomGenerator &random, const QStringList &pieces, int common, int count, int every)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += pieces[random.bounded(i % every == every - 1 ? int(pieces.size()) : common)];
    return text;
}

// Where a program position lands: inside a "\r\n" pair it moves to the
// start of the pair, or to its end for the end of a selection.
qsizetype PairEdge(const QString &text, qsizetype position, bool towardEnd)
{
    if (position > 0 && position < text.size() && text[position - 1] == u'\r' && text[position] == u'\n')
        return towardEnd ? position + 1 : position - 1;
    return position;
}

} // namespace

class RichTextBoxTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Lines longer than a display block are held as several blocks whose
    // breaks count as no character; every position maps as on short lines.
    void positionsRoundTripOverManyLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("blocks");
        QRandomGenerator random(11);
        // Blank lines, a no-break space and tabs among the breaks; all kept as they are.
        QString text;
        for (int line = 0; line < 400; ++line)
            text += QString(random.bounded(4), u'x') + QString(random.bounded(2), u'\u00a0') + u"\t\r\n"_s.mid(random.bounded(2));
        QTest::newRow("short lines") << text + u"end"_s << int(text.count(u"\r\n"_s)) + 1;
        // Long lines of tags, words and characters Qt would take for block and frame breaks.
        const QString pieces[] = {u"<a href=\"x\">"_s, u"word "_s, u"</a>"_s, u"\u2029\uFDD0\uFDD1\u2028\uFFFD"_s, u"xyz"_s, u"\r\n"_s};
        QString longLines;
        for (int i = 0; i < 6000; ++i)
            longLines += pieces[random.bounded(i % 2000 < 1900 ? 5 : 6)];
        QTest::newRow("long lines") << longLines << -1;
        const QString full(DisplayBlockLength, u'w');
        QTest::newRow("a line as long as a block") << full + u"\r\n"_s + full << 2;
        QTest::newRow("one character more") << full + u"\r\nw"_s + full << 3;
    }
    void positionsRoundTripOverManyLines()
    {
        QFETCH(QString, text);
        QFETCH(int, blocks);
        QRandomGenerator random(11);
        RichTextBox box;
        box.setText(text);
        QCOMPARE(box.text(), text);
        QCOMPARE(box.textLength(), text.size());
        if (blocks > 0)
            QCOMPARE(box.document()->blockCount(), blocks);
        else
            QVERIFY(box.document()->blockCount() > text.count(u"\r\n"_s) + 3);
        box.setRtf(Coloured(text + u"\r\n"_s));
        QCOMPARE(box.text(), text);
        // Starts and lengths run past both ends; those are clamped to the text.
        for (int i = 0; i < 2000; ++i) {
            const qsizetype start = random.bounded(int(text.size()) + 20) - 10;
            const qsizetype length = (random.bounded(int(text.size()) + 20) - 10) / (i % 2 ? 1 : 50);
            if (i % 3 == 0) { // setSelStart collapses the old selection, setSelLength extends from it
                box.setSelStart(start);
                QCOMPARE(box.selLength(), 0);
                box.setSelLength(length);
            } else {
                box.select(start, length);
            }
            // After setSelStart the length counts from where the caret landed.
            const qsizetype clamped = std::clamp<qsizetype>(start, 0, text.size());
            const qsizetype clampedStart = i % 3 == 0 ? PairEdge(text, clamped, false) : clamped;
            const qsizetype clampedLength = std::clamp<qsizetype>(length, 0, text.size() - clampedStart);
            const qsizetype from = PairEdge(text, clampedStart, false);
            const qsizetype to = clampedLength == 0 ? from : PairEdge(text, clampedStart + clampedLength, true);
            QCOMPARE(box.selStart(), from);
            QCOMPARE(box.selLength(), to - from);
            QCOMPARE(box.selText(), text.mid(from, to - from));
        }
    }

    // Keys at the first display break of a long line, which falls after the
    // first block of w's; the caret starts there. Each row gives the keys,
    // the caret (start, length) after them and the text, and Undo must give
    // back the original.
    void keysAtADisplayBreak_data()
    {
        QTest::addColumn<qsizetype>("from"); // caret start, relative to the break
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<qsizetype>("start");
        QTest::addColumn<qsizetype>("length");
        QTest::addColumn<QString>("edit"); // what replaced the two characters around the break
        const int shift = int(Qt::ShiftModifier);
        QTest::newRow("right steps over it") << qsizetype(-1) << QList<int>{Qt::Key_Right, Qt::Key_Right} << qsizetype(1) << qsizetype(0) << u"wy"_s;
        QTest::newRow("left steps over it") << qsizetype(1) << QList<int>{Qt::Key_Left, Qt::Key_Left} << qsizetype(-1) << qsizetype(0) << u"wy"_s;
        QTest::newRow("selection across it") << qsizetype(-1) << QList<int>{shift | Qt::Key_Right, shift | Qt::Key_Right} << qsizetype(-1) << qsizetype(2) << u"wy"_s;
        QTest::newRow("backspace after it") << qsizetype(0) << QList<int>{Qt::Key_Backspace} << qsizetype(-1) << qsizetype(0) << u"y"_s;
        QTest::newRow("delete before it") << qsizetype(0) << QList<int>{Qt::Key_Delete} << qsizetype(0) << qsizetype(0) << u"w"_s;
        QTest::newRow("typed at it") << qsizetype(0) << QList<int>{Qt::Key_Z} << qsizetype(1) << qsizetype(0) << u"wzy"_s;
        QTest::newRow("enter after it") << qsizetype(1) << QList<int>{Qt::Key_Return} << qsizetype(3) << qsizetype(0) << u"wy\r\n"_s;
        QTest::newRow("home and end of its row") << qsizetype(5) << QList<int>{Qt::Key_Home, shift | Qt::Key_End} << qsizetype(0) << qsizetype(DisplayBlockLength) << u"wy"_s;
    }
    void keysAtADisplayBreak()
    {
        QFETCH(qsizetype, from);
        QFETCH(QList<int>, keys);
        QFETCH(qsizetype, start);
        QFETCH(qsizetype, length);
        QFETCH(QString, edit);
        // Two display blocks of w's, then y's; the line starts after "ab\r\n".
        const QString text = u"ab\r\n"_s + QString(DisplayBlockLength, u'w') + QString(DisplayBlockLength, u'y') + u"\r\nc"_s;
        const qsizetype at = 4 + DisplayBlockLength;
        RichTextBox box;
        box.setWordWrap(false);
        box.resize(400, 300);
        box.setRtf(Coloured(text + u"\r\n"_s));
        QCOMPARE(box.document()->blockCount(), 4);
        box.setSelStart(at + from);
        for (const int key : keys)
            QTest::keyClick(&box, Qt::Key(key & ~Qt::KeyboardModifierMask), Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
        QCOMPARE(box.selStart(), at + start);
        QCOMPARE(box.selLength(), length);
        QCOMPARE(box.text(), text.left(at - 1) + edit + text.mid(at + 1));
        box.undo();
        QCOMPARE(box.text(), text);
    }

    // Edits at a display break: removing from a line's start over one keeps
    // the line break before it, and a line as long as a block gets a break
    // with the next typed character.
    void editsAtADisplayBreak()
    {
        RichTextBox box;
        // Removing from a line's start over a display break keeps the line break before it.
        const QString twoBlocks = u"ab\r\n"_s + QString(DisplayBlockLength, u'w') + QString(DisplayBlockLength, u'y');
        box.setText(twoBlocks);
        box.select(4, DisplayBlockLength + 2);
        QTest::keyClick(&box, Qt::Key_Z);
        QCOMPARE(box.text(), u"ab\r\nz"_s + QString(DisplayBlockLength - 2, u'y'));
        box.undo();
        QCOMPARE(box.text(), twoBlocks);

        box.setText(QString(DisplayBlockLength, u'w'));
        box.setSelStart(10);
        QTest::keyClick(&box, Qt::Key_X);
        QCOMPARE(box.document()->blockCount(), 2);
        QCOMPARE(box.textLength(), DisplayBlockLength + 1);
        QTest::keyClick(&box, Qt::Key_Backspace);
        QCOMPARE(box.document()->blockCount(), 1);
    }

    // Random edits of long and short lines: the text is always what the
    // edits make of it, no display block outgrows its length, and undoing
    // an insert gives the text before it back.
    void randomEditsKeepTheTextAndTheBlocks()
    {
        QRandomGenerator random(29);
        const QStringList pieces{u"<td class=\"x\">"_s, u"word "_s, u"</td>"_s, u"\r\n"_s, u"\u2029"_s, u"y"_s};
        const auto randomText = [&](int count) { return RandomPieces(random, pieces, 3, count, 50); };
        QString model = randomText(4000);
        RichTextBox box;
        box.setText(model);
        QStringList undoable; // the text before each insert that may be undone
        qsizetype displayBreaks = 0;
        for (int step = 0; step < 300; ++step) {
            if (random.bounded(2)) { // at the start or the end of a block: at a display break, often
                const QTextBlock block = box.document()->findBlockByNumber(random.bounded(box.document()->blockCount()));
                QTextCursor caret(block);
                if (random.bounded(2))
                    caret.movePosition(QTextCursor::EndOfBlock);
                box.setTextCursor(caret);
            } else {
                box.setSelStart(random.bounded(int(model.size()) + 1));
            }
            const qsizetype at = box.selStart();
            const int action = random.bounded(6);
            if (action == 0) { // an insert, short or long, over a selection
                box.setSelLength(random.bounded(3) == 0 ? random.bounded(6000) : random.bounded(5));
                const QString piece = randomText(random.bounded(2) ? 3 : 1500);
                undoable << model;
                model.replace(box.selStart(), box.selLength(), piece);
                box.setSelText(piece);
                continue;
            }
            if (action == 1 && !undoable.isEmpty()) {
                box.undo();
                model = undoable.takeLast();
            } else if (action == 2 && at > 0) {
                QTest::keyClick(&box, Qt::Key_Backspace);
                const qsizetype width = model.mid(at - 2, 2) == u"\r\n"_s ? 2 : 1;
                model.remove(at - width, width);
            } else if (action == 3 && at < model.size()) {
                QTest::keyClick(&box, Qt::Key_Delete);
                model.remove(at, model.mid(at, 2) == u"\r\n"_s ? 2 : 1);
            } else if (action == 4) {
                QTest::keyClick(&box, Qt::Key_Return);
                model.insert(at, u"\r\n"_s);
            } else if (action == 5) {
                QTest::keyClick(&box, Qt::Key_Q);
                model.insert(at, u'q');
            }
            undoable.clear(); // typing joins undo steps of its own
            QCOMPARE(box.text(), model);
            QCOMPARE(box.textLength(), model.size());
            for (QTextBlock block = box.document()->firstBlock(); block.isValid(); block = block.next())
                QVERIFY2(block.length() - 1 <= DisplayBlockLength, qPrintable(QString::number(step)));
            displayBreaks = std::max(displayBreaks, box.document()->blockCount() - 1 - model.count(u"\r\n"_s));
        }
        QCOMPARE(box.text(), model);
        QVERIFY(displayBreaks > 3);
    }

    // Loaded text keeps its colours beside the document until an edit
    // touches it. Whatever the edits, and all the way back by Undo and
    // forward by Redo, every character shows the colour it was given: its
    // loaded colour, the typing colour, or the colour of a coloured insert.
    void colouredEditsShowTheirColoursThroughUndoAndRedo()
    {
        QRandomGenerator random(41);
        const QStringList pieces{u"<td class=\"x\">"_s, u"word "_s, u"</td>"_s, u"<!-- c -->"_s, u"\r\n"_s, u"y"_s};
        const auto randomText = [&](int count) { return RandomPieces(random, pieces, 5, count, 40); };
        const QString rtfTemplate = MakeColourTable(MakeRtfTemplate(u"DejaVu Sans Mono"_s, 10, false, false),
                                                    TextColour, TagColour, CommentColour, SmartColour);
        // The colour of each character of a text (line breaks "\r\n") as the colouring gives it.
        const auto colouring = [&](const QString &text) {
            const RtfContent content = ColouredContent(text, rtfTemplate, true);
            QList<quint32> colours;
            for (const RtfColourRun &run : content.runs) {
                for (qsizetype i = run.start; i < run.start + run.length; ++i)
                    colours.insert(colours.size(), content.text[i] == u'\n' ? 2 : 1,
                                   run.colour == RtfAutoColour ? TextColour : run.colour);
            }
            return colours;
        };
        struct State {
            QString text;
            QList<quint32> colours;
        };
        const auto check = [](const RichTextBox &box, const State &state, int step) {
            QVERIFY2(box.text() == state.text, qPrintable(u"step %1"_s.arg(step)));
            qsizetype program = 0;
            for (QTextBlock block = box.document()->firstBlock(); block.isValid(); block = block.next()) {
                if (block.previous().isValid() && !DisplayBlocks::continuesLine(block))
                    program += 2;
                for (int i = 0; i < block.length() - 1; ++i, ++program) {
                    // Blanks show no colour; the long line's filling is checked at its ends.
                    if (!QStringView(u" vk").contains(state.text[program]) || i == 0)
                        QVERIFY2(ColourAt(box, block.position() + i) == state.colours[program],
                                 qPrintable(u"step %1 at %2"_s.arg(step).arg(program)));
                }
            }
        };

        // Short lines and lines longer than a display block.
        QString loaded = randomText(150) + u"\r\n"_s + QString(DisplayBlockLength, u'v') + u"<b>"_s
            + QString(DisplayBlockLength, u'k') + u"\r\n"_s + randomText(150);
        State state{loaded, colouring(loaded)};
        const State atLoad = state;
        RichTextBox box;
        box.setRtf(TextToRtf(loaded, rtfTemplate, true));
        box.setSelColour(SmartColour);
        check(box, state, -1);
        QList<State> before; // the state before each step
        for (int step = 0; step < 150; ++step) {
            before << state;
            const qsizetype at = random.bounded(int(state.text.size()) + 1);
            box.setSelStart(at);
            const qsizetype start = box.selStart(); // a position inside "\r\n" moves to its start
            const int action = random.bounded(5);
            if (action == 0) { // a coloured insert over a selection
                box.setSelLength(random.bounded(3) == 0 ? random.bounded(5000) : random.bounded(8));
                const QString piece = randomText(random.bounded(1, 4)) + u"z"_s;
                state.text.replace(start, box.selLength(), piece);
                state.colours.remove(start, box.selLength());
                const QList<quint32> colours = colouring(piece);
                for (qsizetype i = 0; i < colours.size(); ++i)
                    state.colours.insert(start + i, colours[i]);
                box.setSelRtf(TextToRtf(piece, rtfTemplate, true));
            } else if (action == 1 && start > 0) {
                const qsizetype width = state.text.mid(start - 2, 2) == u"\r\n"_s ? 2 : 1;
                QTest::keyClick(&box, Qt::Key_Backspace);
                state.text.remove(start - width, width);
                state.colours.remove(start - width, width);
            } else if (action == 2 && start < state.text.size()) {
                const qsizetype width = state.text.mid(start, 2) == u"\r\n"_s ? 2 : 1;
                QTest::keyClick(&box, Qt::Key_Delete);
                state.text.remove(start, width);
                state.colours.remove(start, width);
            } else if (action == 3) {
                QTest::keyClick(&box, Qt::Key_Return);
                state.text.insert(start, u"\r\n"_s);
                state.colours.insert(start, 2, TextColour);
            } else {
                box.setSelLength(random.bounded(2) ? 0 : random.bounded(30));
                const qsizetype length = box.selLength();
                QTest::keyClick(&box, Qt::Key_Q);
                state.text.replace(start, length, u"q"_s);
                state.colours.remove(start, length);
                state.colours.insert(start, SmartColour);
            }
            check(box, state, step);
            if (random.bounded(8) == 0) { // Undo may take back several typed keys at once
                box.undo();
                while (!before.isEmpty() && before.last().text != box.text())
                    before.removeLast();
                QVERIFY(!before.isEmpty());
                state = before.takeLast();
                check(box, state, step);
            }
        }
        const State last = state;
        int undone = 0; // after an Undo, Redo could go beyond the last state
        for (; box.canUndo(); ++undone)
            box.undo();
        check(box, atLoad, 1000);
        while (undone-- > 0)
            box.redo();
        check(box, last, 2000);
    }

    // A word and a find result that run over a display break are one word.
    void wordOverADisplayBreak()
    {
        // No blank or ">" near the end of the first block: the break falls inside the b's.
        const QString text = QString(DisplayBlockLength - 4, u'a') + u"-bbbbbbbbbb-"_s + QString(DisplayBlockLength, u'c');
        RichTextBox box;
        box.setWordWrap(false);
        box.resize(400, 300);
        box.show();
        box.setText(text);
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const qsizetype word = text.indexOf(u"bbbbbbbbbb"_s);
        box.select(word, 10);
        QCOMPARE(box.selText(), u"bbbbbbbbbb"_s);
        box.setSelStart(word + 8);
        box.ensureCursorVisible();
        const QPoint inWord = box.cursorRect().center();
        QTest::mouseDClick(box.viewport(), Qt::LeftButton, {}, inWord);
        QCOMPARE(box.selStart(), word);
        QCOMPARE(box.selText(), u"bbbbbbbbbb"_s);

        // A copy for printing holds the line unbroken.
        QTextDocument copy;
        QTextCursor(&copy).insertFragment(QTextDocumentFragment(box.document()));
        DisplayBlocks::joinDisplayBreaks(&copy);
        QCOMPARE(copy.toPlainText(), text);
    }

    // A whole text, RTF or plain, replaces the old one with no undo step; RTF
    // brings its font and tab width.
    void wholeRtfBringsItsFontAndIsNoUndoStep()
    {
        RichTextBox box;
        QSignalSpy changes(&box, &QPlainTextEdit::textChanged);
        box.setRtf(Coloured(u"a<b>c"_s));
        QVERIFY(!box.canUndo());
        QVERIFY(changes.count() > 0);
        box.setSelText(u"y"_s);
        QVERIFY(box.canUndo());
        box.setText(u"plain"_s);
        QVERIFY(!box.canUndo());
        box.setRtf(u"not rtf\r\nat all"_s);
        QCOMPARE(box.text(), u"not rtf\r\nat all"_s);
        QVERIFY(!box.canUndo());

        // The font and tab width come with the text.
        box.setRtf(TextToRtf(u"x"_s, AddTabStops(MakeRtfTemplate(u"DejaVu Serif"_s, 13, true, true), 8), true));
        QCOMPARE(box.font().family(), u"DejaVu Serif"_s);
        QCOMPARE(box.font().pointSizeF(), 13.0);
        QVERIFY(box.font().bold() && box.font().italic());
        QCOMPARE(box.tabStopDistance(), 960.0 * box.logicalDpiX() / 1440.0);

        // Without stops the box goes back to its default tab.
        box.setRtf(TextToRtf(u"x"_s, MakeRtfTemplate(u"DejaVu Serif"_s, 13, false, false), true));
        QCOMPARE(box.tabStopDistance(), 720.0 * box.logicalDpiX() / 1440.0);
    }

    // An insert replaces the selection, leaves the caret after it and is one
    // undo step; RTF handed over for the end loses its final mark, plain
    // text that looks like RTF stays plain.
    void selRtfAndSelTextReplaceTheSelection()
    {
        const QList<std::tuple<qsizetype, qsizetype, bool, QString, QString>> cases{
            // start and length in "ab\r\ncd", as RTF, piece, result
            {1, 4, true, u"<i>\r\nz"_s, u"a<i>\r\nzd"_s},
            {6, 0, true, u"<B>\r\n\r\n"_s, u"ab\r\ncd<B>\r\n"_s},
            {1, 4, false, u"{\\rtf1 x}\r\n"_s, u"a{\\rtf1 x}\r\nd"_s},
        };
        for (const auto &[start, length, asRtf, piece, result] : cases) {
            RichTextBox box;
            box.setRtf(Coloured(u"ab\r\ncd"_s));
            box.select(start, length);
            asRtf ? box.setSelRtf(Coloured(piece)) : box.setSelText(piece);
            QCOMPARE(box.text(), result);
            QCOMPARE(box.selStart(), start + result.size() - 6 + length);
            QCOMPARE(box.selLength(), 0);
            const qsizetype tag = result.indexOf(u'<');
            if (tag >= 0)
                QCOMPARE(ColourAt(box, tag - result.left(tag).count(u"\r\n"_s)), TagColour);
            box.undo();
            QCOMPARE(box.text(), u"ab\r\ncd"_s);
            QVERIFY(!box.canUndo());
        }
    }

    // Qt's cursor takes these for block and frame breaks; what is typed or
    // inserted next to them is itself.
    void charactersQtTakesForBreaksAreKept()
    {
        const QString odd = u"a\u2029b\uFDD0c\uFDD1d\u2028e\uFFFDf"_s;
        const QString text = odd + u"\r\n"_s + odd;
        RichTextBox box;
        box.setRtf(Coloured(text + u"\r\n"_s));
        box.setSelStart(2);
        QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_unknown, u"\uFFFD"_s, Qt::NoModifier);
        QTest::keyClick(&box, Qt::Key_X);
        box.setSelText(u"\uFFFD\u2029"_s);
        const QString edited = text.left(2) + u"\uFFFDx\uFFFD\u2029"_s + text.mid(2);
        QCOMPARE(box.text(), edited);
        box.select(0, 8);
        box.setSelRtf(Coloured(u"<\uFDD1>"_s));
        QCOMPARE(box.text(), u"<\uFDD1>"_s + edited.mid(8));
        box.undo();
        QCOMPARE(box.text(), edited);
    }

    void backColourIsRedInTheLowByteAndDrawingSuspendsInPairs()
    {
        RichTextBox box;
        box.setBackColour(0x00FF8040);
        QCOMPARE(box.palette().color(QPalette::Base), QColor(0x40, 0x80, 0xFF));
        // Drawing resumes with the last of nested resumes; one too many does no harm.
        using Step = std::pair<bool, bool>; // suspend or resume, then whether the box draws
        for (const auto &[suspend, drawing] : {Step{true, false}, Step{true, false}, Step{false, false}, Step{false, true}, Step{false, true}}) {
            suspend ? box.suspendDrawing() : box.resumeDrawing();
            QCOMPARE(box.updatesEnabled(), drawing);
        }
    }
};

QTEST_MAIN(RichTextBoxTest)
#include "richtextbox_guitest.moc"
