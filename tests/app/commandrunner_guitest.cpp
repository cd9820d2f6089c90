// Commands run on a real document window: what the text and the selection
// are afterwards, what the clipboard holds, which messages are shown.

#include "app/activebar.h"
#include "app/commandrunner.h"
#include "app/documentwindow.h"
#include "app/mainwindow.h"
#include "app/richtextbox.h"
#include "app/toolmodel.h"
#include "html/insertstate.h"
#include "settings/preferences.h"
#include "tests/support/editorfixture.h"

#include <QClipboard>
#include <QGuiApplication>
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

    // A document holding text with a selection, marked in the text with "["
    // and "]": "a[bc]d", "ab[]c".
    void openMarked(QString text)
    {
        const qsizetype start = text.indexOf(u'[');
        text.remove(start, 1);
        const qsizetype end = text.indexOf(u']');
        m_doc->DocText(text.remove(end, 1));
        box()->select(start, end - start);
        QCOMPARE(box()->text(), text);
    }
    QString marked() const
    {
        return box()->text().insert(box()->selStart() + box()->selLength(), u']').insert(box()->selStart(), u'[');
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

    // Text and selection before and after; "[" and "]" mark the selection.
    void insertsAndSelects_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("after");
        const QString none;
        QTest::newRow("bold a whole line: line break after the tag, all selected") << u"one\r\n[two\r\n]three\r\n"_s << u"Bold"_s << none << u"one\r\n[<B>two</B>\r\n]three\r\n"_s;
        QTest::newRow("heading from the argument") << u"a\r\n[Title\r\n]b\r\n"_s << u"Heading"_s << u"2"_s << u"a\r\n[<H2>\r\n\tTitle\r\n</H2>\r\n]b\r\n"_s;
        QTest::newRow("remove all tags leaves the line break out") << u"[<P>\r\nHi <B>you</B>\r\n</P>\r\n]end\r\n"_s << u"Remove All Tags"_s << none << u"[Hi you]end\r\n"_s;
        QTest::newRow("paragraph on nothing: caret after it") << u"ab[]\r\n"_s << u"Paragraph"_s << none << u"ab<P>[]\r\n"_s;
        QTest::newRow("delete a line break as one") << u"a[]\r\nb\r\n"_s << u"Delete"_s << none << u"a[]b\r\n"_s;
        QTest::newRow("delete at the very end does nothing") << u"ab\r\n[]"_s << u"Delete"_s << none << u"ab\r\n[]"_s;
        QTest::newRow("delete the end of the text adds nothing") << u"ab[\r\ncd]"_s << u"Delete"_s << none << u"ab[]"_s;
    }
    void insertsAndSelects()
    {
        QFETCH(QString, before);
        QFETCH(QString, command);
        QFETCH(QString, argument);
        QFETCH(QString, after);
        openMarked(before);
        RunCommand(command, argument);
        QVERIFY(!InsertCancelled);
        QCOMPARE(marked(), after);
        QVERIFY(messages().isEmpty());
    }

    // The refused insert changes nothing; the tag already there is selected.
    void guardsRefuseAndShowTheExistingTag()
    {
        const QString frames = u"This appears to be a frame document (as it contains FRAMESET tags).\r\n\r\n"
                               u"The tag you have attempted to insert should not be used in a frame document."_s;
        const QList<std::tuple<QString, QString, QStringList, QString>> cases{
            // before, command, messages, after
            {u"<FRAMESET>\r\n</body>\r\n[]"_s, u"Body End Tag"_s,
             {u"There is already a </BODY> tag in this document!"_s, frames}, u"<FRAMESET>\r\n[</body>]\r\n"_s},
            {u"<FRAMESET>\r\nx[]\r\n"_s, u"Page Colours & Background"_s, {frames}, u"<FRAMESET>\r\nx[]\r\n"_s},
        };
        for (const auto &[before, command, prompts, after] : cases) {
            dialogs().clear();
            InsertCancelled = false;
            openMarked(before);
            for (qsizetype i = 0; i < prompts.size(); ++i)
                dialogs().answerMessage(MessageAnswer::Ok);
            RunCommand(command);
            QVERIFY(InsertCancelled);
            QCOMPARE(marked(), after);
            QCOMPARE(dialogs().messagePrompts(), prompts);
            for (const MessageRequest &request : messages()) {
                QCOMPARE(request.title, u"HTML Syntax Error"_s);
                QVERIFY(request.icon == MessageIcon::Information);
            }
        }
    }

    void commandsWithoutTheirDialogReportAnUnknownCommand()
    {
        // The title is selected first, for the prompt to replace.
        openMarked(u"<H[]TML><TITLE>Old</TITLE>\r\n<BODY>\r\n"_s);
        dialogs().answerMessage(MessageAnswer::Ok);
        RunCommand(u"Page Title"_s);
        QVERIFY(InsertCancelled);
        QCOMPARE(marked(), u"<HTML>[<TITLE>Old</TITLE>]\r\n<BODY>\r\n"_s);
        QCOMPARE(dialogs().messagePrompts(), QStringList{
                 u"Sorry, but you've found a bug in this software.\r\n\r\n"
                 u"The function call \"Page Title\" is not recognised, so Tavorin cannot proceed.\r\n\r\n"
                 u"If you are using the latest version of this software, please contact the author by E-Mail "
                 u"with details of this problem and it will be fixed as soon as possible. "
                 u"Otherwise, please obtain the latest version of Tavorin."_s});
        QCOMPARE(messages().first().icon, MessageIcon::Critical);
        QCOMPARE(messages().first().title, u"Tavorin"_s);
    }

    // Ctrl+C in the text box runs Copy, which leaves the text untouched.
    void copyCutAndPasteGoThroughTheClipboard()
    {
        m_window->setToolEnabled(u"mnuEditPaste"_s, false);
        openMarked(u"o[ne\r\nt]wo\r\n"_s);
        m_doc->setDirty(false);
        QTest::keyClick(box(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(marked(), u"o[ne\r\nt]wo\r\n"_s);
        QVERIFY(!m_doc->Dirty());
        QCOMPARE(QGuiApplication::clipboard()->text(), u"ne\nt"_s); // the desktop's line breaks
        QVERIFY(m_window->tools().IsEnabled(u"mnuEditPaste"_s));
        // Copying nothing keeps what the clipboard holds.
        box()->select(0, 0);
        RunCommand(u"Copy"_s);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"ne\nt"_s);
        RunCommand(u"Paste"_s);
        QCOMPARE(marked(), u"ne\r\nt[]one\r\ntwo\r\n"_s);
        box()->select(5, 3);
        RunCommand(u"Cut"_s);
        QCOMPARE(marked(), u"ne\r\nt[]\r\ntwo\r\n"_s);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"one"_s);
        // An empty clipboard leaves the selection alone.
        QGuiApplication::clipboard()->clear();
        box()->select(0, 2);
        RunCommand(u"Paste"_s);
        QCOMPARE(marked(), u"[ne]\r\nt\r\ntwo\r\n"_s);
        QVERIFY(messages().isEmpty());
    }

    void undoTakesBackTheLastInsert()
    {
        openMarked(u"a[b]c\r\n"_s);
        RunCommand(u"Bold"_s);
        RunCommand(u"Undo"_s);
        QCOMPARE(box()->text(), u"abc\r\n"_s);
        QVERIFY(messages().isEmpty());
    }

    void insertFileAddsTheFileAtTheCaret()
    {
        const QString path = m_editor->env.writeFile(u"part.htm"_s, "<P>one\n<P>two\n");
        openMarked(u"[a\r\n]b\r\n"_s);
        dialogs().answerFiles({path});
        RunCommand(u"Insert File"_s);
        QVERIFY(!InsertCancelled);
        QCOMPARE(marked(), u"<P>one\r\n<P>two\r\n\r\n[]b\r\n"_s);
        QCOMPARE(dialogs().asked().first().file.title, u"Insert Contents Of File..."_s);
        // Cancelling the dialog keeps the selection.
        box()->select(0, 3);
        dialogs().cancelFile();
        RunCommand(u"Insert File"_s);
        QVERIFY(InsertCancelled);
        QCOMPARE(marked(), u"[<P>]one\r\n<P>two\r\n\r\nb\r\n"_s);
    }
};

QTEST_MAIN(CommandRunnerTest)
#include "commandrunner_guitest.moc"
