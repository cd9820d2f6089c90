// What each editing and tag command inserts, whether it stays selected, and
// which commands refuse, act on the text box or are not available yet.

#include "app/commandtable.h"
#include "app/facades.h"
#include "app/toolmodel.h"
#include "html/insertstate.h"
#include "settings/environment.h"
#include "settings/preferences.h"
#include "tests/support/scripteddialogs.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
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
        const QString none;

        // Formatting commands wrap the selection and leave it selected; a
        // trailing line break of the selection follows the closing tag.
        QTest::newRow("bold, any case") << u"bOLD"_s << none << u"Hello"_s << false << u"<B>Hello</B>"_s << true;
        QTest::newRow("bold keeps the line break after the tag")
            << u"Bold"_s << none << u"Hello\r\n"_s << false << u"<B>Hello</B>\r\n"_s << true;
        QTest::newRow("only one line break is taken off")
            << u"Italic"_s << none << u"a\r\n\r\n"_s << false << u"<I>a\r\n</I>\r\n"_s << true;
        QTest::newRow("a lone line feed stays inside") << u"Italic"_s << none << u"a\n"_s << false << u"<I>a\n</I>"_s
                                                       << true;
        QTest::newRow("centre indented, line break after")
            << u"Centre"_s << none << u"Hi\r\n"_s << true << u"<CENTER>\r\n\tHi\r\n</CENTER>\r\n"_s << true;
        QTest::newRow("table caption with a caption")
            << u"Table Caption"_s << none << u"Sales"_s << false << u"<CAPTION>\r\nSales\r\n</CAPTION>"_s << true;

        // Paragraph and comment stay selected only when they wrap text.
        QTest::newRow("paragraph on nothing") << u"Paragraph"_s << none << none << false << u"<P>"_s << false;
        QTest::newRow("paragraph on a bare line break")
            << u"Paragraph"_s << none << u"\r\n"_s << false << u"<P>\r\n"_s << false;
        QTest::newRow("comment on text") << u"Comment"_s << none << u"Hi\r\n"_s << false << u"<!-- Hi -->\r\n"_s
                                         << true;

        // Literal inserts replace the selection; the caret goes after them.
        QTest::newRow("line break keeps the line break")
            << u"Line Break"_s << none << u"x\r\n"_s << false << u"<BR>\r\n"_s << false;
        // The clock reads Saturday 7 March 2026 14:05:09.
        QTest::newRow("smart year") << u"Smart Year"_s << none << u"x\r\n"_s << false
                                    << u"<!-- %YEAR% -->2026<!-- %/YEAR% -->\r\n"_s << false;

        // Builders on the selection; some take its line break in their result.
        QTest::newRow("remove all tags drops the line break")
            << u"Remove All Tags"_s << none << u"<P>\r\nHello <B>you</B>\r\n</P>\r\n"_s << false << u"Hello you"_s
            << true;
        QTest::newRow("decrease indent drops the line break")
            << u"Decrease Indent"_s << none << u"<BLOCKQUOTE>\r\n\tText\r\n</BLOCKQUOTE>\r\n"_s << false
            << u"Text\r\n"_s << true;
        QTest::newRow("heading level far out of range")
            << u"Heading"_s << u"4294967297"_s << u"T"_s << false << u"<H6>\r\nT\r\n</H6>"_s << true;
        QTest::newRow("colour") << u"Colour"_s << u"Red"_s << u"x\r\n"_s << false
                                << u"<FONT COLOR=\"Red\">x</FONT>\r\n"_s << true;
        // These two differ in case only; each gets its own list type.
        QTest::newRow("ordered list capitals") << u"Ordered List (A,B,C...)"_s << none << u"a"_s << false
                                               << u"<OL TYPE=\"A\">\r\na\r\n</OL>"_s << true;
        QTest::newRow("ordered list letters indented") << u"Ordered List (a,b,c...)"_s << none << u"a\r\n"_s << true
                                                       << u"<OL TYPE=\"a\">\r\n\ta\r\n</OL>\r\n"_s << true;
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
        const QString none;
        QTest::newRow("copy") << u"Copy"_s << u"x\r\n"_s << none << CommandAction::Copy << none << none;
        QTest::newRow("copy nothing keeps the clipboard") << u"Copy"_s << none << u"old"_s << CommandAction::Nothing
                                                          << none << none;
        QTest::newRow("cut") << u"Cut"_s << u"x\r\n"_s << none << CommandAction::Cut << none << none;
        QTest::newRow("cut nothing keeps the clipboard") << u"Cut"_s << none << u"old"_s << CommandAction::Nothing
                                                         << none << none;
        QTest::newRow("paste keeps the selection's line break out")
            << u"Paste"_s << u"old\r\n"_s << u"a\r\nb\r\n"_s << CommandAction::Insert << u"a\r\nb\r\n"_s << none;
        QTest::newRow("paste nothing keeps the selection") << u"Paste"_s << u"old"_s << none << CommandAction::Nothing
                                                           << none << none;
        QTest::newRow("delete nothing") << u"Delete"_s << none << none << CommandAction::Nothing << none << none;
        QTest::newRow("undo") << u"Undo"_s << u"x"_s << none << CommandAction::Undo << none << none;
        QTest::newRow("insert file after a line break")
            << u"insert file"_s << u"x\r\n"_s << none << CommandAction::InsertFile << none << u"\r\n"_s;
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
        QTest::addColumn<QString>("existing"); // the tag selected for the user to see, if any
        QTest::newRow("second html start tag") << u"HTML Start Tag"_s << u"x\r\n<html lang=\"en\">\r\n"_s
                                               << QStringList{duplicate.arg(u"<HTML>"_s)} << u"<html lang=\"en\">"_s;
        QTest::newRow("second head end tag") << u"Head End Tag"_s << u"<HEAD></head >"_s
                                             << QStringList{duplicate.arg(u"</HEAD>"_s)} << u"</head >"_s;
        QTest::newRow("body end tag in a frame document that has one")
            << u"Body End Tag"_s << u"<FRAMESET></BODY>"_s << QStringList{duplicate.arg(u"</BODY>"_s), frames}
            << u"</BODY>"_s;
        QTest::newRow("page body in a frame document")
            << u"Page Colours & Background"_s << u"<BODY><FRAMESET>"_s << QStringList{frames} << QString();
    }
    void guards()
    {
        QFETCH(QString, command);
        QFETCH(QString, document);
        QFETCH(QStringList, messages);
        QFETCH(QString, existing);
        QVERIFY(CommandReadsDocument(command)); // the runner hands it the text to search
        const CommandOutcome outcome = decide(command, u"x\r\n"_s, {}, document);
        QCOMPARE(outcome.action, CommandAction::Refused);
        QVERIFY(outcome.guard.refused);
        QCOMPARE(outcome.guard.messages, messages);
        const std::optional<TextRange> tag = outcome.guard.existingTag;
        QCOMPARE(tag ? document.mid(tag->start, tag->length) : QString(), existing);
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

    void snippetsAreInsertedWhole()
    {
        const QList<std::pair<QString, QString>> snippets{{u"Screen Fade JavaScript"_s, u"screenfade.js"_s},
                                                          {u"System Info JavaScript"_s, u"systeminfo.js"_s},
                                                          {u"Date & Time JavaScript"_s, u"timeanddate.js"_s},
                                                          {u"Status Bar Clock JavaScript"_s, u"statusbarclock.js"_s}};
        ScriptedFacades facades;
        for (const auto &[command, file] : snippets) {
            QFile shipped(QCoreApplication::applicationDirPath() + u"/SystemFiles/JScript/"_s + file);
            QVERIFY2(shipped.open(QIODevice::ReadOnly), qPrintable(shipped.fileName()));
            QString expected = QString::fromUtf8(shipped.readAll()).replace(u"\r\n"_s, u"\n"_s);
            QVERIFY(expected.contains(u"<SCRIPT"_s, Qt::CaseInsensitive));
            const CommandOutcome outcome = decide(command, u"old\r\n"_s);
            QCOMPARE(outcome.action, CommandAction::Insert);
            QCOMPARE(outcome.text, expected.replace(u'\n', u"\r\n"_s) + u"\r\n"_s);
            QVERIFY(!outcome.selectInserted);
        }
        QVERIFY(facades.dialogs.asked().isEmpty());
    }

    // A snippet that cannot be read is reported and must not replace the selection.
    void unreadableSnippetChangesNothing()
    {
        QTemporaryDir empty;
        SetAppPathForTesting(empty.path() + u'/');
        ScriptedFacades facades;
        facades.dialogs.answerMessage(MessageAnswer::Ok);
        const CommandOutcome outcome = decide(u"Screen Fade JavaScript"_s, u"old"_s);
        SetAppPathForTesting({});
        QCOMPARE(outcome.action, CommandAction::Nothing);
        QCOMPARE(facades.dialogs.messages().size(), 1);
        QVERIFY(facades.dialogs.problems().isEmpty());
    }

    // Every tool whose click ends in the command runner names a command the
    // runner knows, or one that waits for its dialog or prompt.
    void everyToolReachesAKnownCommand()
    {
        // Commands the tool dispatcher carries out itself.
        const QStringList dispatched =
            u"Refresh Display|Define/Modify Reference Settings|Define/Modify Browser Settings|Preferences|Save All|"
            u"Close All|Edit Template|Tile Horizontally|Tile Vertically|Cascade|Arrange Icons|Minimize All|"
            u"Smart Updates|Templates|Wizard At Start-Up|Tooltips|Word Wrap|Exit|Check For Missing Tags|"
            u"Page Structure|About Tavorin|Help Contents|Help|Search For Help On...|Text Appearance|Close|Find...|"
            u"Find Next|Replace...|Select All|Lower Case Paths|New|Open|Print|Save|Save As...|Web Page Wizard|"
            u"Frames Wizard|View In Default Browser|View In Browser|Edit Tags"_s.split(u'|');
        const QStringList families{u"mnuFileRecent"_s, u"mnuBrowser"_s, u"mnuRefGuide"_s, u"WindowListItem"_s};
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
