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
        QTest::newRow("bold in any case keeps the line break after the tag") << u"bOLD"_s << none << u"Hello\r\n"_s << false << u"<B>Hello</B>\r\n"_s << true;
        QTest::newRow("only one line break is taken off") << u"Italic"_s << none << u"a\r\n\r\n"_s << false << u"<I>a\r\n</I>\r\n"_s << true;
        QTest::newRow("a lone line feed stays inside") << u"Italic"_s << none << u"a\n"_s << false << u"<I>a\n</I>"_s << true;
        QTest::newRow("centre indented, line break after") << u"Centre"_s << none << u"Hi\r\n"_s << true << u"<CENTER>\r\n\tHi\r\n</CENTER>\r\n"_s << true;
        // Paragraph stays selected only when it wraps text; literal inserts put the caret after them.
        QTest::newRow("paragraph on a bare line break") << u"Paragraph"_s << none << u"\r\n"_s << false << u"<P>\r\n"_s << false;
        QTest::newRow("line break keeps the line break") << u"Line Break"_s << none << u"x\r\n"_s << false << u"<BR>\r\n"_s << false;
        QTest::newRow("heading level far out of range") << u"Heading"_s << u"4294967297"_s << u"T"_s << false << u"<H6>\r\nT\r\n</H6>"_s << true;
        // These two differ in case only; each gets its own list type.
        QTest::newRow("ordered list capitals") << u"Ordered List (A,B,C...)"_s << none << u"a"_s << false << u"<OL TYPE=\"A\">\r\na\r\n</OL>"_s << true;
        QTest::newRow("ordered list letters indented") << u"Ordered List (a,b,c...)"_s << none << u"a\r\n"_s << true << u"<OL TYPE=\"a\">\r\n\ta\r\n</OL>\r\n"_s << true;
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
        QTest::newRow("cut nothing keeps the clipboard") << u"Cut"_s << none << u"old"_s << CommandAction::Nothing << none << none;
        QTest::newRow("paste keeps the selection's line break out") << u"Paste"_s << u"old\r\n"_s << u"a\r\nb\r\n"_s << CommandAction::Insert << u"a\r\nb\r\n"_s << none;
        QTest::newRow("delete nothing") << u"Delete"_s << none << none << CommandAction::Nothing << none << none;
        QTest::newRow("insert file after a line break") << u"insert file"_s << u"x\r\n"_s << none << CommandAction::InsertFile << none << u"\r\n"_s;
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

    // A second copy of a tag a document holds once is refused, and the one
    // already there (found in any case and spacing) is named for the runner.
    void guards()
    {
        const QList<QStringList> cases{// command, document, the tag named, the tag found
            {u"HTML Start Tag"_s, u"x\r\n<html lang=\"en\">\r\n"_s, u"<HTML>"_s, u"<html lang=\"en\">"_s},
            {u"Head End Tag"_s, u"<HEAD></head >"_s, u"</HEAD>"_s, u"</head >"_s}};
        for (const QStringList &c : cases) {
            QVERIFY(CommandReadsDocument(c[0])); // the runner hands it the text to search
            const CommandOutcome outcome = decide(c[0], u"x\r\n"_s, {}, c[1]);
            QVERIFY(outcome.action == CommandAction::Refused && outcome.guard.refused);
            QCOMPARE(outcome.guard.messages, QStringList{u"There is already a %1 tag in this document!"_s.arg(c[2])});
            const TextRange tag = outcome.guard.existingTag.value_or(TextRange{0, 0});
            QCOMPARE(c[1].mid(tag.start, tag.length), c[3]);
        }
        QVERIFY(!InsertCancelled); // deciding shows nothing and sets nothing
    }

    // A dialog edits the selection without its line break, which follows the
    // result; the page body outside a frame document reaches its dialog too.
    void dialogCommandsHandTheSelectionToTheirForm()
    {
        for (const DialogCommand &dialog : DialogCommands()) {
            const CommandOutcome outcome = decide(dialog.command.toUpper(), u"<TAG>\r\n"_s, {}, u"<HTML><BODY>"_s);
            QCOMPARE(outcome.action, CommandAction::Dialog);
            QCOMPARE(outcome.dialog, dialog.dialog);
            QCOMPARE(outcome.text, u"<TAG>"_s);
            QCOMPARE(outcome.lineBreak, u"\r\n"_s);
            QVERIFY(IsCommandText(dialog.command));
        }
    }

    // A snippet goes in whole with Windows line breaks; one that cannot be
    // read is reported and must not replace the selection.
    void snippets()
    {
        ScriptedFacades facades;
        QFile shipped(QCoreApplication::applicationDirPath() + u"/SystemFiles/JScript/timeanddate.js"_s);
        QVERIFY2(shipped.open(QIODevice::ReadOnly), qPrintable(shipped.fileName()));
        QString expected = QString::fromUtf8(shipped.readAll()).replace(u"\r\n"_s, u"\n"_s);
        const CommandOutcome outcome = decide(u"Date & Time JavaScript"_s, u"old\r\n"_s);
        QVERIFY(outcome.action == CommandAction::Insert && !outcome.selectInserted);
        QCOMPARE(outcome.text, expected.replace(u'\n', u"\r\n"_s) + u"\r\n"_s);
        QVERIFY(facades.dialogs.asked().isEmpty());

        QTemporaryDir empty;
        SetAppPathForTesting(empty.path() + u'/');
        facades.dialogs.answerMessage(MessageAnswer::Ok);
        const CommandOutcome unread = decide(u"Screen Fade JavaScript"_s, u"old"_s);
        SetAppPathForTesting({});
        QCOMPARE(unread.action, CommandAction::Nothing);
        QCOMPARE(facades.dialogs.messages().size(), 1);
        QVERIFY(facades.dialogs.problems().isEmpty());
    }

    // Every tool whose click ends in the command runner names a command the
    // runner knows, or one that waits for its dialog or prompt; IsCommandText
    // agrees with the runner on every tool, also on those that open a
    // sub-menu (the Table tool's "Table" is no command, "List" is one).
    void everyToolReachesAKnownCommand()
    {
        // Commands the tool dispatcher carries out itself.
        const QStringList dispatched =
            u"Refresh Display|Define/Modify Reference Settings|Define/Modify Browser Settings|Preferences|Save All|"
            u"Close All|Edit Template|Tile Horizontally|Tile Vertically|Cascade|Arrange Icons|Minimize All|"
            u"Smart Updates|Templates|Wizard At Start-Up|Tooltips|Word Wrap|Exit|Check For Missing Tags|"
            u"Page Structure|About Tavorin|Help Contents|Help|Search For Help On...|Text Appearance|Close|Find...|"
            u"Find Next|Replace...|Select All|Lower Case Paths|New|Open|Print|Save|Save As...|Web Page Wizard|"
            u"Frames Wizard|View In Default Browser|View In Browser|Edit Tags|Page Text Size"_s.split(u'|');
        const QStringList families{u"mnuFileRecent"_s, u"mnuBrowser"_s, u"mnuRefGuide"_s, u"WindowListItem"_s};
        ScriptedFacades facades;
        const BarLayout layout = BuiltInLayout();
        int reached = 0;
        for (const Tool &tool : layout.tools) {
            if (dispatched.contains(tool.commandText, Qt::CaseInsensitive))
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
            const bool known = outcome.action != CommandAction::Unknown;
            QVERIFY2(known || !tool.subBand.isEmpty(), qPrintable(tool.name + u": "_s + tool.commandText));
            QVERIFY2(IsCommandText(command) == known, qPrintable(tool.name + u": "_s + tool.commandText));
            ++reached;
        }
        QVERIFY(reached > 100); // colours, entities, styles, lists ...
        QVERIFY(!IsCommandText(u"Table"_s) && IsCommandText(u"list"_s));
        // The prompted inserts ask, and are cancelled for want of an answer.
        for (const QString &problem : facades.dialogs.problems())
            QVERIFY2(problem.startsWith(u"unexpected prompt"_s), qPrintable(problem));
    }
};

QTEST_GUILESS_MAIN(CommandTableTest)
#include "commandtable_test.moc"
