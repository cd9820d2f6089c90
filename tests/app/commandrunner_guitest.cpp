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
#include "tests/support/dialogdriver.h"
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

    // The text with "[" and "]" around the selection, as OpenMarked takes it.
    void openMarked(const QString &text) { OpenMarked(m_doc, text); }
    QString marked() const
    {
        return box()->text().insert(box()->selStart() + box()->selLength(), u']').insert(box()->selStart(), u'[');
    }

    ScriptedDialogs &dialogs() const { return m_editor->dialogs(); }
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
        Prefs().UserName = u"Ann Smith"_s;
        Prefs().UserEmailAddress.clear();
        Prefs().UserHomePage.clear();
        QGuiApplication::clipboard()->clear();
    }
    void cleanup()
    {
        m_doc = nullptr;
        m_window = nullptr;
        Finish(m_editor);
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
        RunCommand(u"Undo"_s); // each command is one undo step
        QCOMPARE(box()->text(), QString(before).remove(u'[').remove(u']'));
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

    void bodyIsSelectedFirstAndUnknownCommandsAreReported()
    {
        // The body tag is selected first, for the dialog to edit.
        openMarked(u"<H[]TML><BODY TEXT=red>\r\n"_s);
        OnDialog(u"frmBodySetup"_s, [](QDialog *dialog) { dialog->reject(); });
        RunCommand(u"Page Colours & Background"_s);
        QVERIFY(InsertCancelled);
        QCOMPARE(marked(), u"<HTML>[<BODY TEXT=red>]\r\n"_s);

        dialogs().answerMessage(MessageAnswer::Ok);
        RunCommand(u"Bolder"_s);
        QVERIFY(InsertCancelled);
        QCOMPARE(dialogs().messagePrompts(), QStringList{
                 u"Sorry, but you've found a bug in this software.\r\n\r\n"
                 u"The function call \"Bolder\" is not recognised, so Tavorin cannot proceed.\r\n\r\n"
                 u"If you are using the latest version of this software, please contact the author by E-Mail "
                 u"with details of this problem and it will be fixed as soon as possible. "
                 u"Otherwise, please obtain the latest version of Tavorin."_s});
        QCOMPARE(messages().first().icon, MessageIcon::Critical);
        QCOMPARE(messages().first().title, u"Tavorin"_s);
    }

    // Each prompted insert: what it asks ("label|text|caption", "!" when the
    // upper-case box is hidden, "#" for digits only) and what goes in. The
    // rows run in order: the second comment is offered the first one.
    void promptedInserts_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("after");
        const QString longTitle = QString(60, u't') + u"0123456789"_s;
        QTest::newRow("comment on blanks") << u"Comment"_s << u"a[  ]b\r\n"_s << u"your comment||Comment"_s << u"Hello"_s << u"a[<!-- Hello -->]b\r\n"_s;
        QTest::newRow("comment offers the last") << u"Comment"_s << u"x[]\r\n"_s << u"your comment|Hello|Comment"_s << u"Bye"_s << u"x<!-- Bye -->[]\r\n"_s;
        QTest::newRow("ascii character") << u"ASCII Character"_s << u"a[]b\r\n"_s << u"the ASCII code for your character||ASCII Character!#"_s << u"169"_s << u"a&#169;[]b\r\n"_s;
        QTest::newRow("caption on a blank line") << u"Table Caption"_s << u"[\r\n]"_s << u"your table caption||Table Caption"_s << u"Sales"_s << u"[<CAPTION>\r\n\tSales\r\n</CAPTION>\r\n]"_s;
        QTest::newRow("page title replaces the old, cut at 64") << u"Page Title"_s << u"<HTML><TITLE>Old <B>one</B></TITLE>\r\n[]"_s << u"your page title|Old one|Page Title"_s << longTitle << u"<HTML><TITLE>"_s + longTitle.left(64) + u"</TITLE>[]\r\n"_s;
        QTest::newRow("anchor reads its name back") << u"Anchor"_s << u"[<a name=\"top\">Top <B>of</B></a>\r\n]x"_s << u"anchor name|top|Anchor"_s << u"start"_s << u"<A NAME=\"start\">Top <B>of</B></A>\r\n[]x"_s;
        QTest::newRow("e-mail link") << u"E-Mail Link"_s << u"[]\r\n"_s << u"the e-mail address||E-Mail Link!"_s << u"me@x.org"_s << u"<A HREF=\"mailto:me@x.org\">me@x.org</A>[]\r\n"_s;
        QTest::newRow("scrolling message") << u"Scrolling Message JavaScript"_s << u"[]\r\n"_s << u"your message||Scrolling Message"_s << u"Hi there"_s << u"var m = \"Hi there\"; var n = \"\";\r\n[]\r\n"_s;
        QTest::newRow("meta author offers the user name") << u"Meta Author"_s << u"[]\r\n"_s << u"author name|Ann Smith|Meta Author!"_s << u"A. Smith"_s << u"<META NAME=\"Author\" CONTENT=\"A. Smith\">[]\r\n"_s;
    }
    void promptedInserts()
    {
        QFETCH(QString, command);
        QFETCH(QString, before);
        QFETCH(QString, asked);
        QFETCH(QString, answer);
        QFETCH(QString, after);
        m_editor->env.writeFile(u"app/SystemFiles/JScript/scrollmessage.js"_s, "var m = \"\"; var n = \"\";\n");
        openMarked(before);
        dialogs().answerPrompt(answer);
        RunCommand(command);
        QVERIFY(!InsertCancelled);
        QCOMPARE(marked(), after);
        QCOMPARE(dialogs().prompts().size(), 1);
        const PromptRequest request = dialogs().prompts().first();
        QCOMPARE(request.label + u'|' + request.text + u'|' + request.caption
                     + (request.upperCaseChoice ? u""_s : u"!"_s) + (request.digitsOnly ? u"#"_s : u""_s),
                 asked);
        QVERIFY(request.helpTopic > 0);
        QVERIFY(messages().isEmpty());
    }

    void cancelledPromptsInsertNothing()
    {
        for (const QString &command : {u"E-Mail Form"_s, u"Anchor"_s}) {
            openMarked(u"a[ ]b\r\n"_s);
            dialogs().cancelPrompt();
            RunCommand(command);
            QVERIFY(InsertCancelled);
            QCOMPARE(marked(), u"a[ ]b\r\n"_s);
        }
        QCOMPARE(dialogs().prompts().size(), 2);
        QVERIFY(Prefs().UserEmailAddress.isEmpty());
    }

    // A detail asked for once is kept, also by the next run of the program;
    // E-Mail Form fills the address into the form's action.
    void userDetailsAreAskedOnce()
    {
        m_editor->env.writeFile(u"app/SystemFiles/Forms/emailform.txt"_s, "<FORM ACTION=\"\" METHOD=\"POST\">\n");
        openMarked(u"[]\r\n"_s);
        RunCommand(u"User Name"_s); // known already: no question
        dialogs().answerPrompt(u"http://ann.example/"_s);
        dialogs().answerPrompt(u"me@x.org"_s);
        RunCommand(u"Home Page Link"_s);
        RunCommand(u"Home Page Address"_s);
        RunCommand(u"E-Mail Form"_s);
        RunCommand(u"User E-Mail Address"_s);
        QCOMPARE(marked(), u"Ann Smith<A HREF=\"http://ann.example/\">Home Page</A>http://ann.example/"
                           u"<FORM ACTION=\"mailto:me@x.org\" METHOD=\"POST\">\r\nme@x.org[]\r\n"_s);
        QCOMPARE(dialogs().prompts().size(), 2);
        QCOMPARE(dialogs().prompts().first().caption, u"User Home Page Link"_s);

        m_doc = nullptr;
        m_editor->stop();
        m_editor->start();
        m_doc = m_editor->active();
        RunCommand(u"Home Page Address"_s);
        QVERIFY(box()->text().contains(u"http://ann.example/"_s));
        QCOMPARE(dialogs().prompts().size(), 2);
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

    void insertFileAddsTheFileAtTheCaret()
    {
        const QString path = m_editor->env.writeFile(u"part.htm"_s, "<P>one\n<P>two\n");
        openMarked(u"[a\r\n]b\r\n"_s);
        dialogs().answerFiles({path});
        RunCommand(u"Insert File"_s);
        QVERIFY(!InsertCancelled);
        QCOMPARE(marked(), u"<P>one\r\n<P>two\r\n\r\n[]b\r\n"_s);
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
