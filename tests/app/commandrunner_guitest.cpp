// Commands run on a real document window: what the text and the selection
// are afterwards, what the clipboard holds, which messages are shown.

#include "app/activebar.h"
#include "app/commandrunner.h"
#include "app/contextmenu.h"
#include "app/documentwindow.h"
#include "app/mainwindow.h"
#include "app/richtextbox.h"
#include "app/toolmodel.h"
#include "html/insertstate.h"
#include "settings/preferences.h"
#include "tests/support/editorfixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QTest>

#include <memory>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

class CommandRunnerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorFixture> m_editor;
    MainWindow *m_window = nullptr;
    DocumentWindow *m_doc = nullptr;

    RichTextBox *box() const { return m_doc->textBox(); }

    // A document holding text with the given selection.
    void open(const QString &text, qsizetype start, qsizetype length)
    {
        m_doc->DocText(text);
        box()->select(start, length);
        QCOMPARE(box()->text(), text);
    }

    ScriptedDialogs &dialogs() const { return m_editor->facades.dialogs; }
    QList<MessageRequest> messages() const { return dialogs().messages(); }

private Q_SLOTS:
    void init()
    {
        m_editor = std::make_unique<EditorFixture>();
        m_editor->start();
        m_window = m_editor->window.get();
        m_doc = m_editor->active();
        QVERIFY(m_doc);
        Prefs().IndentCode = true;
        QGuiApplication::clipboard()->clear();
    }
    void cleanup()
    {
        const QString problems = m_editor->problems();
        m_doc = nullptr;
        m_window = nullptr;
        m_editor.reset();
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
    }

    void insertsAndSelects_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qsizetype>("start");
        QTest::addColumn<qsizetype>("length");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<qsizetype>("expectedStart");
        QTest::addColumn<qsizetype>("expectedLength");

        QTest::newRow("bold a word, stays selected")
            << u"one two three\r\n"_s << qsizetype(4) << qsizetype(3) << u"Bold"_s << QString()
            << u"one <B>two</B> three\r\n"_s << qsizetype(4) << qsizetype(10);
        QTest::newRow("bold a whole line: line break after the tag, all selected")
            << u"one\r\ntwo\r\nthree\r\n"_s << qsizetype(5) << qsizetype(5) << u"Bold"_s << QString()
            << u"one\r\n<B>two</B>\r\nthree\r\n"_s << qsizetype(5) << qsizetype(12);
        QTest::newRow("heading from the argument")
            << u"a\r\nTitle\r\nb\r\n"_s << qsizetype(3) << qsizetype(7) << u"Heading"_s << u"2"_s
            << u"a\r\n<H2>\r\n\tTitle\r\n</H2>\r\nb\r\n"_s << qsizetype(3) << qsizetype(21);
        QTest::newRow("remove all tags leaves the line break out")
            << u"<P>\r\nHi <B>you</B>\r\n</P>\r\nend\r\n"_s << qsizetype(0) << qsizetype(25)
            << u"Remove All Tags"_s << QString() << u"Hi youend\r\n"_s << qsizetype(0) << qsizetype(6);
        QTest::newRow("line break: caret after it")
            << u"ab\r\n"_s << qsizetype(1) << qsizetype(0) << u"Line Break"_s << QString() << u"a<BR>b\r\n"_s
            << qsizetype(5) << qsizetype(0);
        QTest::newRow("paragraph on nothing: caret after it")
            << u"ab\r\n"_s << qsizetype(2) << qsizetype(0) << u"Paragraph"_s << QString() << u"ab<P>\r\n"_s
            << qsizetype(5) << qsizetype(0);
        QTest::newRow("paragraph on text stays selected")
            << u"ab\r\n"_s << qsizetype(0) << qsizetype(2) << u"Paragraph"_s << QString() << u"<P>ab</P>\r\n"_s
            << qsizetype(0) << qsizetype(9);
        QTest::newRow("tab indent keeps the lines")
            << u"a\r\nb\r\nc\r\n"_s << qsizetype(0) << qsizetype(6) << u"Tab Indent"_s << QString()
            << u"\ta\r\n\tb\r\nc\r\n"_s << qsizetype(0) << qsizetype(8);
        QTest::newRow("delete the selection")
            << u"abcd\r\n"_s << qsizetype(1) << qsizetype(2) << u"Delete"_s << QString() << u"ad\r\n"_s
            << qsizetype(1) << qsizetype(0);
        QTest::newRow("delete the next character")
            << u"abc\r\n"_s << qsizetype(1) << qsizetype(0) << u"Delete"_s << QString() << u"ac\r\n"_s
            << qsizetype(1) << qsizetype(0);
        QTest::newRow("delete a line break as one")
            << u"a\r\nb\r\n"_s << qsizetype(1) << qsizetype(0) << u"Delete"_s << QString() << u"ab\r\n"_s
            << qsizetype(1) << qsizetype(0);
        QTest::newRow("delete the last line break")
            << u"ab\r\n"_s << qsizetype(2) << qsizetype(0) << u"Delete"_s << QString() << u"ab"_s << qsizetype(2)
            << qsizetype(0);
        QTest::newRow("delete at the very end does nothing")
            << u"ab\r\n"_s << qsizetype(4) << qsizetype(0) << u"Delete"_s << QString() << u"ab\r\n"_s
            << qsizetype(4) << qsizetype(0);
        QTest::newRow("delete the end of the text adds nothing")
            << u"ab\r\ncd"_s << qsizetype(2) << qsizetype(4) << u"Delete"_s << QString() << u"ab"_s
            << qsizetype(2) << qsizetype(0);
    }
    void insertsAndSelects()
    {
        QFETCH(QString, text);
        QFETCH(qsizetype, start);
        QFETCH(qsizetype, length);
        QFETCH(QString, command);
        QFETCH(QString, argument);
        QFETCH(QString, expected);
        QFETCH(qsizetype, expectedStart);
        QFETCH(qsizetype, expectedLength);
        open(text, start, length);
        RunCommand(command, argument);
        QVERIFY(!InsertCancelled);
        QCOMPARE(box()->text(), expected);
        QCOMPARE(box()->selStart(), expectedStart);
        QCOMPARE(box()->selLength(), expectedLength);
        QVERIFY(messages().isEmpty());
    }

    void guardsRefuseAndShowTheExistingTag_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("prompts");
        QTest::addColumn<qsizetype>("start");
        QTest::addColumn<qsizetype>("length");
        const QString frames = u"This appears to be a frame document (as it contains FRAMESET tags).\r\n\r\n"
                               u"The tag you have attempted to insert should not be used in a frame document."_s;
        QTest::newRow("second html tag") << u"<html>\r\nx\r\n"_s << u"HTML Start Tag"_s
                                         << QStringList{u"There is already a <HTML> tag in this document!"_s}
                                         << qsizetype(0) << qsizetype(6);
        QTest::newRow("second body end tag in a frame document")
            << u"<FRAMESET>\r\n</body>\r\n"_s << u"Body End Tag"_s
            << QStringList{u"There is already a </BODY> tag in this document!"_s, frames} << qsizetype(12)
            << qsizetype(7);
        QTest::newRow("page body in a frame document")
            << u"<FRAMESET>\r\nx\r\n"_s << u"Page Colours & Background"_s << QStringList{frames} << qsizetype(13)
            << qsizetype(0);
    }
    void guardsRefuseAndShowTheExistingTag()
    {
        QFETCH(QString, text);
        QFETCH(QString, command);
        QFETCH(QStringList, prompts);
        QFETCH(qsizetype, start);
        QFETCH(qsizetype, length);
        open(text, 13, 0);
        for (qsizetype i = 0; i < prompts.size(); ++i)
            dialogs().answerMessage(MessageAnswer::Ok);
        RunCommand(command);
        QVERIFY(InsertCancelled);
        QCOMPARE(box()->text(), text);
        QCOMPARE(dialogs().messagePrompts(), prompts);
        for (const MessageRequest &request : messages()) {
            QCOMPARE(request.title, u"HTML Syntax Error"_s);
            QCOMPARE(request.icon, MessageIcon::Information);
        }
        QCOMPARE(box()->selStart(), start);
        QCOMPARE(box()->selLength(), length);
    }

    void commandsWithoutTheirDialogReportAnUnknownCommand()
    {
        const QString text = u"<HTML><TITLE>Old</TITLE>\r\n<BODY>\r\n"_s;
        open(text, 2, 0);
        dialogs().answerMessage(MessageAnswer::Ok);
        RunCommand(u"Page Title"_s);
        QVERIFY(InsertCancelled);
        QCOMPARE(box()->text(), text);
        // The title is selected for the prompt to replace.
        QCOMPARE(box()->selText(), u"<TITLE>Old</TITLE>"_s);
        QCOMPARE(messages().size(), 1);
        const MessageRequest shown = messages().first();
        QCOMPARE(shown.prompt,
                 u"Sorry, but you've found a bug in this software.\r\n\r\n"
                 u"The function call \"Page Title\" is not recognised, so Tavorin cannot proceed.\r\n\r\n"
                 u"If you are using the latest version of this software, please contact the author by E-Mail "
                 u"with details of this problem and it will be fixed as soon as possible. "
                 u"Otherwise, please obtain the latest version of Tavorin."_s);
        QCOMPARE(shown.icon, MessageIcon::Critical);
        QCOMPARE(shown.title, u"Tavorin"_s);

        dialogs().answerMessage(MessageAnswer::Ok);
        RunCommand(u"Link"_s);
        QVERIFY(InsertCancelled);
        QCOMPARE(box()->text(), text);
        QCOMPARE(dialogs().messagePrompts().last(), UnknownCommandMessage(u"Link"_s));
    }

    void copyCutAndPasteGoThroughTheClipboard()
    {
        m_window->setToolEnabled(u"mnuEditPaste"_s, false);
        open(u"one\r\ntwo\r\n"_s, 1, 5);
        RunCommand(u"Copy"_s);
        QCOMPARE(box()->text(), u"one\r\ntwo\r\n"_s);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"ne\nt"_s); // the desktop's line breaks
        QVERIFY(m_window->tools().IsEnabled(u"mnuEditPaste"_s));

        // Copying nothing keeps what the clipboard holds.
        box()->select(0, 0);
        RunCommand(u"Copy"_s);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"ne\nt"_s);

        box()->select(0, 0);
        RunCommand(u"Paste"_s);
        QCOMPARE(box()->text(), u"ne\r\ntone\r\ntwo\r\n"_s);
        QCOMPARE(box()->selStart(), qsizetype(5));
        QCOMPARE(box()->selLength(), qsizetype(0));

        box()->select(5, 3);
        RunCommand(u"Cut"_s);
        QCOMPARE(box()->text(), u"ne\r\nt\r\ntwo\r\n"_s);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"one"_s);

        // An empty clipboard leaves the selection alone.
        QGuiApplication::clipboard()->clear();
        box()->select(0, 2);
        RunCommand(u"Paste"_s);
        QCOMPARE(box()->text(), u"ne\r\nt\r\ntwo\r\n"_s);
        QVERIFY(messages().isEmpty());
    }

    void ctrlCCopiesWithoutChangingTheText()
    {
        m_window->setToolEnabled(u"mnuEditPaste"_s, false);
        open(u"hello\r\n"_s, 0, 5);
        m_doc->setDirty(false);
        QTest::keyClick(box(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(box()->text(), u"hello\r\n"_s);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"hello"_s);
        QVERIFY(m_window->tools().IsEnabled(u"mnuEditPaste"_s));
        QVERIFY(!m_doc->Dirty());
    }

    void undoTakesBackTheLastInsert()
    {
        open(u"abc\r\n"_s, 1, 1);
        RunCommand(u"Bold"_s);
        QCOMPARE(box()->text(), u"a<B>b</B>c\r\n"_s);
        QVERIFY(box()->canUndo());
        RunCommand(u"Undo"_s);
        QCOMPARE(box()->text(), u"abc\r\n"_s);
        QVERIFY(messages().isEmpty());
    }

    void insertFileAddsTheFileAtTheCaret()
    {
        const QString path = m_editor->env.writeFile(u"part.htm"_s, "<P>one\n<P>two\n");
        open(u"a\r\nb\r\n"_s, 0, 3);
        dialogs().answerFiles({path});
        RunCommand(u"Insert File"_s);
        QVERIFY(!InsertCancelled);
        QCOMPARE(box()->text(), u"<P>one\r\n<P>two\r\n\r\nb\r\n"_s);
        QCOMPARE(box()->selStart(), qsizetype(18));
        QCOMPARE(dialogs().asked().first().file.title, u"Insert Contents Of File..."_s);

        // Cancelling the dialog keeps the selection.
        box()->select(0, 3);
        dialogs().cancelFile();
        RunCommand(u"Insert File"_s);
        QVERIFY(InsertCancelled);
        QCOMPARE(box()->text(), u"<P>one\r\n<P>two\r\n\r\nb\r\n"_s);
        QCOMPARE(box()->selLength(), qsizetype(3));
    }

    void contextMenuOffersTheEditorOfTheSelectedTag_data()
    {
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("caption");
        QTest::newRow("image") << u"<IMG SRC=\"a.gif\">"_s << u"Embedded Image"_s << u"&Edit Selected Tags..."_s;
        QTest::newRow("link around an image")
            << u"<A HREF=\"a.htm\"><IMG SRC=\"a.gif\"></A>"_s << u"Embedded Image"_s << u"&Edit Selected Tags..."_s;
        QTest::newRow("web address") << u"http://www.example.com/"_s << u"Quick Link"_s << u"&Quick Link"_s;
        QTest::newRow("bare host name") << u"www.example.com"_s << QString() << QString();
    }
    void contextMenuOffersTheEditorOfTheSelectedTag()
    {
        QFETCH(QString, selection);
        QFETCH(QString, command);
        QFETCH(QString, caption);
        open(selection + u"\r\n"_s, 0, selection.size());
        ShowContextMenu();
        QMenu *menu = m_window->activeBar().menu(u"mnuPopUpEdit"_s);
        QVERIFY(menu);
        QTRY_VERIFY(menu->isVisible());
        const Tool *tool = m_window->tools().FindTool(u"mnuContextEdit"_s);
        QCOMPARE(tool->enabled, !command.isEmpty());
        if (!command.isEmpty()) {
            QCOMPARE(tool->commandText, command);
            QCOMPARE(tool->caption, caption);
        }
        menu->close();
    }
};

QTEST_MAIN(CommandRunnerTest)
#include "commandrunner_guitest.moc"
