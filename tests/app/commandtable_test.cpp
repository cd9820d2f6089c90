// What each editing and tag command inserts, whether it stays selected, and
// which commands refuse, act on the text box or are not available yet.

#include "app/commandtable.h"
#include "app/facades.h"
#include "app/toolmodel.h"
#include "html/insertstate.h"
#include "settings/preferences.h"
#include "tests/support/scripteddialogs.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(tavorin::CommandAction)

namespace {

CommandOutcome decide(const QString &command, const QString &selection, const QString &argument = {},
                      const QString &document = {}, const QString &clipboard = {})
{
    return DecideCommand({command, argument, selection, document, clipboard});
}

const QString homeLink = u"<A HREF=\""_s + QString::fromLatin1(MakerHomePage) + u"\">Tavorin</A>"_s;

} // namespace

class CommandTableTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }
    void init()
    {
        Prefs() = Preferences{};
        InsertCancelled = false;
    }

    void inserts_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("selection");
        QTest::addColumn<bool>("indentCode");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("selected");

        // Formatting commands wrap the selection and leave it selected; a
        // trailing line break of the selection follows the closing tag.
        QTest::newRow("bold") << u"Bold"_s << QString() << u"Hello"_s << false << u"<B>Hello</B>"_s << true;
        QTest::newRow("bold, any case") << u"bOLD"_s << QString() << u"Hello"_s << false << u"<B>Hello</B>"_s << true;
        QTest::newRow("bold keeps the line break after the tag")
            << u"Bold"_s << QString() << u"Hello\r\n"_s << false << u"<B>Hello</B>\r\n"_s << true;
        QTest::newRow("only one line break is taken off")
            << u"Italic"_s << QString() << u"a\r\n\r\n"_s << false << u"<I>a\r\n</I>\r\n"_s << true;
        QTest::newRow("a lone line feed stays inside")
            << u"Italic"_s << QString() << u"a\n"_s << false << u"<I>a\n</I>"_s << true;
        QTest::newRow("centre indented, line break after")
            << u"Centre"_s << QString() << u"Hi\r\n"_s << true << u"<CENTER>\r\n\tHi\r\n</CENTER>\r\n"_s << true;
        QTest::newRow("bold on nothing") << u"Bold"_s << QString() << QString() << false << u"<B></B>"_s << true;
        QTest::newRow("table caption with a caption")
            << u"Table Caption"_s << QString() << u"Sales"_s << false << u"<CAPTION>\r\nSales\r\n</CAPTION>"_s
            << true;

        // Paragraph and comment stay selected only when they wrap text.
        QTest::newRow("paragraph") << u"Paragraph"_s << QString() << u"x"_s << false << u"<P>x</P>"_s << true;
        QTest::newRow("paragraph on nothing") << u"Paragraph"_s << QString() << QString() << false << u"<P>"_s
                                              << false;
        QTest::newRow("paragraph on a bare line break")
            << u"Paragraph"_s << QString() << u"\r\n"_s << false << u"<P>\r\n"_s << false;
        QTest::newRow("comment on text") << u"Comment"_s << QString() << u"Hi\r\n"_s << false
                                         << u"<!-- Hi -->\r\n"_s << true;

        // Literal inserts replace the selection; the caret goes after them.
        QTest::newRow("line break") << u"Line Break"_s << QString() << u"x"_s << false << u"<BR>"_s << false;
        QTest::newRow("line break keeps the line break")
            << u"Line Break"_s << QString() << u"x\r\n"_s << false << u"<BR>\r\n"_s << false;
        QTest::newRow("word break") << u"Word Break"_s << QString() << QString() << false << u"<WBR>"_s << false;
        QTest::newRow("new line") << u"New Line"_s << QString() << QString() << false << u"\r\n"_s << false;
        QTest::newRow("content type") << u"Meta Content-Type"_s << QString() << QString() << false
                                      << u"<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=ISO-8859-1\">"_s
                                      << false;
        QTest::newRow("generator") << u"Meta Generator"_s << QString() << QString() << false
                                   << u"<META NAME=\"Generator\" CONTENT=\"Tavorin 3.01\">"_s << false;
        QTest::newRow("greater than") << u"Greater Than"_s << QString() << u"x\r\n"_s << false << u"&gt;\r\n"_s
                                      << false;
        QTest::newRow("copyright, any case") << u"COPYRIGHT"_s << QString() << QString() << false << u"&copy;"_s
                                             << false;
        QTest::newRow("section") << u"Section"_s << QString() << QString() << false << u"&sect;"_s << false;
        QTest::newRow("html start tag") << u"HTML Start Tag"_s << QString() << QString() << false << u"<HTML>"_s
                                        << false;
        QTest::newRow("body end tag") << u"Body End Tag"_s << QString() << u"x\r\n"_s << false << u"</BODY>\r\n"_s
                                      << false;

        // Dates and times with the clock at Saturday 7 March 2026 14:05:09.
        QTest::newRow("date") << u"Current Date"_s << QString() << QString() << false
                              << u"Saturday, 7 March 2026"_s << false;
        QTest::newRow("time") << u"Current Time"_s << QString() << QString() << false << u"2:05 PM"_s << false;
        QTest::newRow("date and time") << u"Current Date & Time"_s << QString() << QString() << false
                                       << u"Saturday, 7 March 2026 2:05 PM"_s << false;
        QTest::newRow("smart date") << u"Smart Date"_s << QString() << QString() << false
                                    << u"<!-- %DATE% -->Saturday, 7 March 2026<!-- %/DATE% -->"_s << false;
        QTest::newRow("smart time") << u"Smart Time"_s << QString() << QString() << false
                                    << u"<!-- %TIME% -->2:05 PM<!-- %/TIME% -->"_s << false;
        QTest::newRow("smart year") << u"Smart Year"_s << QString() << u"x\r\n"_s << false
                                    << u"<!-- %YEAR% -->2026<!-- %/YEAR% -->\r\n"_s << false;

        // Builders on the selection.
        QTest::newRow("remove all tags drops the line break")
            << u"Remove All Tags"_s << QString() << u"<P>\r\nHello <B>you</B>\r\n</P>\r\n"_s << false
            << u"Hello you"_s << true;
        QTest::newRow("decrease indent drops the line break")
            << u"Decrease Indent"_s << QString() << u"<BLOCKQUOTE>\r\n\tText\r\n</BLOCKQUOTE>\r\n"_s << false
            << u"Text\r\n"_s << true;
        QTest::newRow("tab indent") << u"Tab Indent"_s << QString() << u"a\r\n\r\nb\r\n"_s << false
                                    << u"\ta\r\n\r\n\tb\r\n"_s << true;
        QTest::newRow("quick link") << u"Quick Link"_s << QString() << u"http://www.example.com/"_s << false
                                    << u"<A HREF=\"http://www.example.com/\">http://www.example.com/</A>"_s << true;
        QTest::newRow("title case") << u"Title Case"_s << QString() << u"HELLO wORLD"_s << false
                                    << u"Hello World"_s << true;
        QTest::newRow("upper case keeps the length") << u"Upper Case"_s << QString() << u"stra\u00dfe\r\n"_s << false
                                                     << u"STRA\u00dfE\r\n"_s << true;
        QTest::newRow("lower case") << u"Lower Case"_s << QString() << u"AbC"_s << false << u"abc"_s << true;
        QTest::newRow("heading 2") << u"Heading"_s << u"2"_s << u"Title"_s << false << u"<H2>\r\nTitle\r\n</H2>"_s
                                   << true;
        QTest::newRow("heading indented") << u"Heading"_s << u"1"_s << u"T\r\n"_s << true
                                          << u"<H1>\r\n\tT\r\n</H1>\r\n"_s << true;
        QTest::newRow("heading level out of range") << u"Heading"_s << u"9"_s << u"T"_s << false
                                                    << u"<H6>\r\nT\r\n</H6>"_s << true;
        QTest::newRow("heading level far out of range")
            << u"Heading"_s << u"4294967297"_s << u"T"_s << false << u"<H6>\r\nT\r\n</H6>"_s << true;
        QTest::newRow("align centre") << u"Align Centre"_s << QString() << u"x"_s << true
                                      << u"<DIV ALIGN=\"Center\">\r\n\tx\r\n</DIV>"_s << true;
        QTest::newRow("align right") << u"Align Right"_s << QString() << u"x"_s << false
                                     << u"<DIV ALIGN=\"Right\">\r\nx\r\n</DIV>"_s << true;
        QTest::newRow("align left") << u"Align Left"_s << QString() << u"x"_s << false
                                    << u"<DIV ALIGN=\"Left\">\r\nx\r\n</DIV>"_s << true;
        QTest::newRow("colour") << u"Colour"_s << u"Red"_s << u"x\r\n"_s << false
                                << u"<FONT COLOR=\"Red\">x</FONT>\r\n"_s << true;
        QTest::newRow("drop cap") << u"Drop Cap"_s << QString() << u"hello"_s << false
                                  << u"<FONT SIZE=\"+2\">H</FONT>ello"_s << true;
        QTest::newRow("ordered list") << u"Ordered List"_s << QString() << u"a"_s << false
                                      << u"<OL>\r\na\r\n</OL>"_s << true;
        QTest::newRow("ordered list numbers") << u"Ordered List (1,2,3...)"_s << QString() << u"a"_s << false
                                              << u"<OL>\r\na\r\n</OL>"_s << true;
        QTest::newRow("ordered list capitals") << u"Ordered List (A,B,C...)"_s << QString() << u"a"_s << false
                                               << u"<OL TYPE=\"A\">\r\na\r\n</OL>"_s << true;
        QTest::newRow("ordered list letters") << u"Ordered List (a,b,c...)"_s << QString() << u"a"_s << false
                                              << u"<OL TYPE=\"a\">\r\na\r\n</OL>"_s << true;
        QTest::newRow("ordered list roman") << u"Ordered List (I,II,III...)"_s << QString() << u"a"_s << false
                                            << u"<OL TYPE=\"I\">\r\na\r\n</OL>"_s << true;
        QTest::newRow("ordered list small roman indented")
            << u"Ordered List (i,ii,iii...)"_s << QString() << u"a\r\n"_s << true
            << u"<OL TYPE=\"i\">\r\n\ta\r\n</OL>\r\n"_s << true;
        QTest::newRow("list item") << u"List Item"_s << QString() << u"x"_s << false << u"<LI>x"_s << true;
        QTest::newRow("list") << u"List"_s << QString() << u"x"_s << false << u"<LI>x"_s << true;
        QTest::newRow("term") << u"Definition List Term"_s << QString() << u"x"_s << false << u"<DT>x"_s << true;
        QTest::newRow("description") << u"Definition List Desc"_s << QString() << u"x"_s << false << u"<DD>x"_s
                                     << true;
        QTest::newRow("maker's link") << u"Tavorin Link"_s << QString() << u"old"_s << false << homeLink << true;

        // Deleting replaces the selection, line break and all, with nothing.
        QTest::newRow("delete") << u"Delete"_s << QString() << u"x\r\n"_s << false << QString() << false;
    }
    void inserts()
    {
        QFETCH(QString, command);
        QFETCH(QString, argument);
        QFETCH(QString, selection);
        QFETCH(bool, indentCode);
        QFETCH(QString, expected);
        QFETCH(bool, selected);
        ScriptedFacades facades; // the clock reads 7 March 2026 14:05:09
        Prefs().IndentCode = indentCode;
        const CommandOutcome outcome = decide(command, selection, argument);
        QCOMPARE(outcome.action, CommandAction::Insert);
        QCOMPARE(outcome.text, expected);
        QCOMPARE(outcome.selectInserted, selected);
        QVERIFY(facades.dialogs.problems().isEmpty());
        QVERIFY(facades.dialogs.asked().isEmpty());
    }

    void actions_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<CommandAction>("action");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("lineBreak");
        QTest::newRow("copy") << u"Copy"_s << u"x\r\n"_s << QString() << CommandAction::Copy << QString() << QString();
        QTest::newRow("copy nothing keeps the clipboard")
            << u"Copy"_s << QString() << u"old"_s << CommandAction::Nothing << QString() << QString();
        QTest::newRow("cut") << u"Cut"_s << u"x\r\n"_s << QString() << CommandAction::Cut << QString() << QString();
        QTest::newRow("cut nothing keeps the clipboard")
            << u"Cut"_s << QString() << u"old"_s << CommandAction::Nothing << QString() << QString();
        QTest::newRow("paste keeps the selection's line break out")
            << u"Paste"_s << u"old\r\n"_s << u"a\r\nb\r\n"_s << CommandAction::Insert << u"a\r\nb\r\n"_s << QString();
        QTest::newRow("paste nothing keeps the selection")
            << u"Paste"_s << u"old"_s << QString() << CommandAction::Nothing << QString() << QString();
        QTest::newRow("delete nothing") << u"Delete"_s << QString() << QString() << CommandAction::Nothing
                                        << QString() << QString();
        QTest::newRow("undo") << u"Undo"_s << u"x"_s << QString() << CommandAction::Undo << QString() << QString();
        QTest::newRow("insert file after a line break")
            << u"Insert File"_s << u"x\r\n"_s << QString() << CommandAction::InsertFile << QString() << u"\r\n"_s;
        QTest::newRow("insert file") << u"insert file"_s << u"x"_s << QString() << CommandAction::InsertFile
                                     << QString() << QString();
    }
    void actions()
    {
        QFETCH(QString, command);
        QFETCH(QString, selection);
        QFETCH(QString, clipboard);
        QFETCH(CommandAction, action);
        QFETCH(QString, text);
        QFETCH(QString, lineBreak);
        const CommandOutcome outcome = decide(command, selection, {}, {}, clipboard);
        QCOMPARE(outcome.action, action);
        QCOMPARE(outcome.text, text);
        QCOMPARE(outcome.lineBreak, lineBreak);
        QCOMPARE(outcome.selectInserted, false);
    }

    void guards_data()
    {
        const QString duplicate = u"There is already a %1 tag in this document!"_s;
        const QString frames = u"This appears to be a frame document (as it contains FRAMESET tags).\r\n\r\n"
                               u"The tag you have attempted to insert should not be used in a frame document."_s;
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("document");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<qsizetype>("start");
        QTest::addColumn<qsizetype>("length");
        QTest::newRow("second html start tag")
            << u"HTML Start Tag"_s << u"x\r\n<html lang=\"en\">\r\n"_s << QStringList{duplicate.arg(u"<HTML>"_s)}
            << qsizetype(3) << qsizetype(16);
        QTest::newRow("second head end tag")
            << u"Head End Tag"_s << u"<HEAD></head >"_s << QStringList{duplicate.arg(u"</HEAD>"_s)} << qsizetype(6)
            << qsizetype(8);
        QTest::newRow("body end tag in a frame document that has one")
            << u"Body End Tag"_s << u"<FRAMESET></BODY>"_s << QStringList{duplicate.arg(u"</BODY>"_s), frames}
            << qsizetype(10) << qsizetype(7);
        QTest::newRow("body end tag in a frame document")
            << u"Body End Tag"_s << u"<frameset rows=\"*\">"_s << QStringList{frames} << qsizetype(-1)
            << qsizetype(0);
        QTest::newRow("page body in a frame document")
            << u"Page Colours & Background"_s << u"<BODY><FRAMESET>"_s << QStringList{frames} << qsizetype(-1)
            << qsizetype(0);
    }
    void guards()
    {
        QFETCH(QString, command);
        QFETCH(QString, document);
        QFETCH(QStringList, messages);
        QFETCH(qsizetype, start);
        QFETCH(qsizetype, length);
        QVERIFY(CommandReadsDocument(command)); // the runner hands it the text to search
        const CommandOutcome outcome = decide(command, u"x\r\n"_s, {}, document);
        QCOMPARE(outcome.action, CommandAction::Refused);
        QVERIFY(outcome.guard.refused);
        QCOMPARE(outcome.guard.messages, messages);
        if (start < 0) {
            QVERIFY(!outcome.guard.existingTag);
        } else {
            QVERIFY(outcome.guard.existingTag);
            QCOMPARE(*outcome.guard.existingTag, (TextRange{start, length}));
        }
        QVERIFY(!InsertCancelled); // deciding shows nothing and sets nothing
    }

    void awaitedCommandsReportThemselvesUnknown_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("waitsFor");
        for (const AwaitedCommand &awaited : CommandsAwaitingInput()) {
            QTest::addRow("%s", qPrintable(awaited.command))
                << awaited.command << (awaited.onlyWhenBlank ? u"  "_s : u"<TAG>\r\n"_s) << awaited.waitsFor;
        }
        QTest::newRow("page body outside frames") << u"Page Colours & Background"_s << u"<BODY>"_s
                                                  << u"frmBodySetup"_s;
        QTest::newRow("comment on a line break") << u"Comment"_s << u"\r\n"_s << u"frmDialog"_s;
        QTest::newRow("caption on nothing") << u"table caption"_s << QString() << u"frmDialog"_s;
        QTest::newRow("no such command") << u"Bolder"_s << u"x"_s << QString();
        QTest::newRow("empty command") << QString() << u"x"_s << QString();
    }
    void awaitedCommandsReportThemselvesUnknown()
    {
        QFETCH(QString, command);
        QFETCH(QString, selection);
        QFETCH(QString, waitsFor);
        ScriptedFacades facades;
        const CommandOutcome outcome = decide(command, selection, {}, u"<HTML><BODY>"_s, u"clip"_s);
        QCOMPARE(outcome.action, CommandAction::Unknown);
        QCOMPARE(outcome.waitsFor, waitsFor);
        QVERIFY(outcome.text.isEmpty());
        QVERIFY(facades.dialogs.asked().isEmpty());
    }

    void snippetsAreInsertedWhole_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("file");
        QTest::newRow("screen fade") << u"Screen Fade JavaScript"_s << u"screenfade.js"_s;
        QTest::newRow("system info") << u"System Info JavaScript"_s << u"systeminfo.js"_s;
        QTest::newRow("date and time") << u"Date & Time JavaScript"_s << u"timeanddate.js"_s;
        QTest::newRow("status bar clock") << u"Status Bar Clock JavaScript"_s << u"statusbarclock.js"_s;
    }
    void snippetsAreInsertedWhole()
    {
        QFETCH(QString, command);
        QFETCH(QString, file);
        QFile shipped(QCoreApplication::applicationDirPath() + u"/SystemFiles/JScript/"_s + file);
        QVERIFY2(shipped.open(QIODevice::ReadOnly), qPrintable(shipped.fileName()));
        QString expected = QString::fromUtf8(shipped.readAll());
        expected.replace(u"\r\n"_s, u"\n"_s).replace(u'\n', u"\r\n"_s);
        QVERIFY(expected.contains(u"<SCRIPT"_s, Qt::CaseInsensitive));

        ScriptedFacades facades;
        const CommandOutcome outcome = decide(command, u"old\r\n"_s);
        QCOMPARE(outcome.action, CommandAction::Insert);
        QCOMPARE(outcome.text, expected + u"\r\n"_s);
        QVERIFY(!outcome.selectInserted);
        QVERIFY(facades.dialogs.asked().isEmpty());
    }

    // Every tool whose click ends in the command runner names a command the
    // runner knows, or one that waits for its dialog or prompt.
    void everyToolReachesAKnownCommand()
    {
        // Commands the tool dispatcher carries out itself.
        const QStringList dispatched{
            u"Refresh Display"_s, u"Define/Modify Reference Settings"_s, u"Define/Modify Browser Settings"_s,
            u"Preferences"_s, u"Save All"_s, u"Close All"_s, u"Edit Template"_s, u"Tile Horizontally"_s,
            u"Tile Vertically"_s, u"Cascade"_s, u"Arrange Icons"_s, u"Minimize All"_s, u"Smart Updates"_s,
            u"Templates"_s, u"Wizard At Start-Up"_s, u"Tooltips"_s, u"Word Wrap"_s, u"Exit"_s,
            u"Check For Missing Tags"_s, u"Page Structure"_s, u"About Tavorin"_s, u"Help Contents"_s, u"Help"_s,
            u"Search For Help On..."_s, u"Text Appearance"_s, u"Close"_s, u"Find..."_s, u"Find Next"_s,
            u"Replace..."_s, u"Select All"_s, u"Lower Case Paths"_s, u"New"_s, u"Open"_s, u"Print"_s, u"Save"_s,
            u"Save As..."_s, u"Web Page Wizard"_s, u"Frames Wizard"_s, u"View In Default Browser"_s,
            u"View In Browser"_s, u"Edit Tags"_s};
        const QStringList families{u"mnuFileRecent"_s, u"mnuBrowser"_s, u"mnuRefGuideSystem"_s,
                                   u"mnuRefGuideUser"_s, u"WindowListItem"_s};
        ScriptedFacades facades;
        const BarLayout layout = BuiltInLayout();
        int reached = 0;
        for (const Tool &tool : layout.tools) {
            if (!tool.subBand.isEmpty() || dispatched.contains(tool.commandText, Qt::CaseInsensitive))
                continue;
            if (std::any_of(families.begin(), families.end(),
                            [&tool](const QString &family) { return tool.name.startsWith(family); }))
                continue;
            QString command = tool.commandText;
            QString argument;
            if (tool.name == u"mnuColourItem") {
                argument = command;
                command = u"Colour"_s;
            } else if (command.startsWith(u"Heading "_s)) {
                argument = command.right(1);
                command = u"Heading"_s;
            }
            const CommandOutcome outcome = decide(command, u"x"_s, argument, {}, u"clip"_s);
            QVERIFY2(outcome.action != CommandAction::Unknown || !outcome.waitsFor.isEmpty(),
                     qPrintable(tool.name + u": "_s + tool.commandText));
            ++reached;
        }
        QVERIFY(reached > 100); // colours, entities, styles, lists ...
        QVERIFY(facades.dialogs.problems().isEmpty());
    }
};

QTEST_GUILESS_MAIN(CommandTableTest)
#include "commandtable_test.moc"
