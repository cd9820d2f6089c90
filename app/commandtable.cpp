#include "app/commandtable.h"

#include "app/textrules.h"
#include "html/entities.h"
#include "html/findreplace.h"
#include "html/formattags.h"
#include "html/linktags.h"
#include "html/metatags.h"
#include "html/promptedinserts.h"
#include "html/valuehelpers.h"
#include "settings/files.h"
#include "settings/preferences.h"

#include <algorithm>
#include <array>

namespace tavorin {

using namespace Qt::StringLiterals;

namespace {

// Whether an inserted result stays selected: builders leave their result
// selected so it can be formatted further; literal inserts put the caret
// after the text.
enum class Selects { Never, Always, WhenTextSelected };

using Builder = QString (*)(const QString &sel, const QString &argument);

struct CommandRow {
    QStringView name;
    Selects selects;
    Builder build;
    bool keepsLineBreak = true; // put the selection's trailing line break back after the result
    bool readsFile = false;     // an empty result means the file could not be read (and was reported)
};

QString orderedList(const QString &sel, const QString &type)
{
    return OrderedListTag(sel, type, Prefs().IndentCode);
}

QString alignDiv(const QString &sel, const QString &alignment)
{
    return AlignDivTag(sel, alignment, Prefs().IndentCode);
}

QString snippet(const QString &fileName)
{
    return ReadSystemFile(u"JScript\\"_s, fileName);
}

// Every command whose result is built from the selection and the argument
// alone. Compared without regard to case.
const std::array CommandRows{
    CommandRow{u"Paragraph", Selects::WhenTextSelected, [](const QString &s, const QString &) { return ParagraphTag(s); }},
    CommandRow{u"Line Break", Selects::Never, [](const QString &, const QString &) { return u"<BR>"_s; }},
    CommandRow{u"Word Break", Selects::Never, [](const QString &, const QString &) { return u"<WBR>"_s; }},
    CommandRow{u"New Line", Selects::Never, [](const QString &, const QString &) { return u"\r\n"_s; }},
    CommandRow{u"Comment", Selects::WhenTextSelected, [](const QString &s, const QString &) { return CommentTag(s); }},
    CommandRow{u"Meta Content-Type", Selects::Never, [](const QString &, const QString &) { return MetaContentType(); }},
    CommandRow{u"Meta Generator", Selects::Never, [](const QString &, const QString &) { return MetaGenerator(); }},
    CommandRow{u"Current Date", Selects::Never, [](const QString &, const QString &) { return FormattedDate(); }},
    CommandRow{u"Current Date & Time", Selects::Never,
               [](const QString &, const QString &) { return FormattedDateTime(); }},
    CommandRow{u"Current Time", Selects::Never, [](const QString &, const QString &) { return FormattedTime(); }},
    CommandRow{u"Smart Date", Selects::Never, [](const QString &, const QString &) { return SmartDateField(); }},
    CommandRow{u"Smart Time", Selects::Never, [](const QString &, const QString &) { return SmartTimeField(); }},
    CommandRow{u"Smart Year", Selects::Never, [](const QString &, const QString &) { return SmartYearField(); }},
    CommandRow{u"Screen Fade JavaScript", Selects::Never,
               [](const QString &, const QString &) { return snippet(u"screenfade.js"_s); }, true, true},
    CommandRow{u"System Info JavaScript", Selects::Never,
               [](const QString &, const QString &) { return snippet(u"systeminfo.js"_s); }, true, true},
    CommandRow{u"Date & Time JavaScript", Selects::Never,
               [](const QString &, const QString &) { return snippet(u"timeanddate.js"_s); }, true, true},
    CommandRow{u"Status Bar Clock JavaScript", Selects::Never,
               [](const QString &, const QString &) { return snippet(u"statusbarclock.js"_s); }, true, true},
    CommandRow{u"Remove All Tags", Selects::Always, [](const QString &s, const QString &) { return RemoveAllTags(s); },
               false},
    CommandRow{u"Decrease Indent", Selects::Always, [](const QString &s, const QString &) { return DecreaseIndent(s); },
               false},
    CommandRow{u"Tab Indent", Selects::Always, [](const QString &s, const QString &) { return IndentLines(1, s); }},
    CommandRow{u"Quick Link", Selects::Always, [](const QString &s, const QString &) { return QuickLink(s); }},
    CommandRow{u"Title Case", Selects::Always, [](const QString &s, const QString &) { return TitleCase(s); }},
    CommandRow{u"Heading", Selects::Always,
               [](const QString &s, const QString &level) {
                   return HeadingTag(s, int(qBound(-1LL, LeadingNumber(level), 7LL)), Prefs().IndentCode, {});
               }},
    CommandRow{u"Align Centre", Selects::Always, [](const QString &s, const QString &) { return alignDiv(s, u"Center"_s); }},
    CommandRow{u"Align Right", Selects::Always, [](const QString &s, const QString &) { return alignDiv(s, u"Right"_s); }},
    CommandRow{u"Align Left", Selects::Always, [](const QString &s, const QString &) { return alignDiv(s, u"Left"_s); }},
    CommandRow{u"Colour", Selects::Always, [](const QString &s, const QString &colour) { return FontColourTag(s, colour); }},
    CommandRow{u"Drop Cap", Selects::Always, [](const QString &s, const QString &) { return DropCap(s); }},
    CommandRow{u"Upper Case", Selects::Always, [](const QString &s, const QString &) { return UpperSameLength(s); }},
    CommandRow{u"Lower Case", Selects::Always, [](const QString &s, const QString &) { return LowerSameLength(s); }},
    CommandRow{u"Ordered List", Selects::Always, [](const QString &s, const QString &) { return orderedList(s, u"1"_s); }},
    CommandRow{u"Ordered List (1,2,3...)", Selects::Always,
               [](const QString &s, const QString &) { return orderedList(s, u"1"_s); }},
    CommandRow{u"Ordered List (A,B,C...)", Selects::Always,
               [](const QString &s, const QString &) { return orderedList(s, u"A"_s); }},
    CommandRow{u"Ordered List (a,b,c...)", Selects::Always,
               [](const QString &s, const QString &) { return orderedList(s, u"a"_s); }},
    CommandRow{u"Ordered List (I,II,III...)", Selects::Always,
               [](const QString &s, const QString &) { return orderedList(s, u"I"_s); }},
    CommandRow{u"Ordered List (i,ii,iii...)", Selects::Always,
               [](const QString &s, const QString &) { return orderedList(s, u"i"_s); }},
    CommandRow{u"Definition List Term", Selects::Always,
               [](const QString &s, const QString &) { return DefinitionTermTag(s); }},
    CommandRow{u"Definition List Desc", Selects::Always,
               [](const QString &s, const QString &) { return DefinitionDescTag(s); }},
    CommandRow{u"List Item", Selects::Always, [](const QString &s, const QString &) { return ListItemTag(s); }},
    CommandRow{u"List", Selects::Always, [](const QString &s, const QString &) { return ListItemTag(s); }},
    CommandRow{u"Tavorin Link", Selects::Always, [](const QString &, const QString &) { return HomePageLink(); }},
    CommandRow{u"Replace", Selects::Always, [](const QString &, const QString &) { return FindState().replacementText; }},
};

// Tags a page holds once; the guard refuses a second one.
struct SingleTagRow {
    QStringView name;
    QStringView tag;
};
constexpr std::array SingleTagRows{
    SingleTagRow{u"HTML Start Tag", u"<HTML>"}, SingleTagRow{u"HTML End Tag", u"</HTML>"},
    SingleTagRow{u"Head Start Tag", u"<HEAD>"}, SingleTagRow{u"Head End Tag", u"</HEAD>"},
    SingleTagRow{u"Body End Tag", u"</BODY>"},
};

bool is(const QString &command, QStringView name)
{
    return EqualNoCase(command, name);
}

// An exact match wins: the ordered-list commands "(A,B,C...)" and
// "(a,b,c...)" differ in case only.
const CommandRow *findRow(const QString &command)
{
    for (const CommandRow &row : CommandRows) {
        if (command == row.name)
            return &row;
    }
    for (const CommandRow &row : CommandRows) {
        if (is(command, row.name))
            return &row;
    }
    return nullptr;
}

const DialogCommand *findDialog(const QString &command)
{
    for (const DialogCommand &dialog : DialogCommands()) {
        if (is(command, dialog.command))
            return &dialog;
    }
    return nullptr;
}

CommandOutcome inserting(const QString &text, bool select)
{
    CommandOutcome outcome;
    outcome.action = CommandAction::Insert;
    outcome.text = text;
    outcome.selectInserted = select;
    return outcome;
}

CommandOutcome doing(CommandAction action)
{
    CommandOutcome outcome;
    outcome.action = action;
    return outcome;
}

CommandOutcome unknown()
{
    CommandOutcome outcome;
    outcome.action = CommandAction::Unknown;
    return outcome;
}

CommandOutcome refused(const GuardDecision &decision)
{
    CommandOutcome outcome;
    outcome.action = CommandAction::Refused;
    outcome.guard = decision;
    return outcome;
}

// The clipboard and deletion commands work on the selection as it is.
std::optional<CommandOutcome> editingCommand(const CommandRequest &request)
{
    const QString &command = request.command;
    const bool nothingSelected = request.selection.isEmpty();
    if (is(command, u"Copy"))
        return doing(nothingSelected ? CommandAction::Nothing : CommandAction::Copy);
    if (is(command, u"Cut")) {
        if (nothingSelected)
            return doing(CommandAction::Nothing);
        CommandOutcome outcome = inserting({}, false);
        outcome.action = CommandAction::Cut;
        return outcome;
    }
    if (is(command, u"Delete"))
        return nothingSelected ? doing(CommandAction::Nothing) : inserting({}, false);
    if (is(command, u"Paste")) {
        // An empty clipboard must not wipe out the selection.
        if (request.clipboard.isEmpty())
            return doing(CommandAction::Nothing);
        return inserting(request.clipboard, false);
    }
    return std::nullopt;
}

} // namespace

const QList<DialogCommand> &DialogCommands()
{
    static const QList<DialogCommand> commands{
        {u"Link"_s, u"frmLink"_s},
        {u"Embedded Image"_s, u"frmImage"_s},
        {u"Page Colours & Background"_s, u"frmBodySetup"_s},
        {u"Horizontal Rule"_s, u"frmHorizRule"_s},
        {u"Search Engine Links"_s, u"frmSearchEng"_s},
        {u"Advanced Table"_s, u"frmTable"_s, true},
        {u"Quick Table"_s, u"frmQuickTable"_s, true},
        {u"Timer Auto-Load"_s, u"frmAutoLoad"_s},
        {u"Meta Refresh"_s, u"frmAutoLoad"_s},
        {u"Page Sound"_s, u"frmSound"_s},
        {u"Advanced Frames"_s, u"frmFrames"_s},
    };
    return commands;
}

SplitSelection SplitTrailingLineBreak(const QString &selection)
{
    const QString crlf = QString::fromLatin1(CrLf);
    if (selection.endsWith(crlf))
        return {selection.chopped(2), crlf};
    return {selection, {}};
}

bool SelectsExistingTagFirst(const QString &command)
{
    return is(command, u"Page Title") || is(command, u"Page Colours & Background");
}

std::optional<TextRange> ExistingTagRange(const QString &command, const QString &documentText)
{
    if (is(command, u"Page Title"))
        return TitleRange(documentText);
    if (is(command, u"Page Colours & Background"))
        return BodyTagRange(documentText);
    return std::nullopt;
}

bool CommandReadsDocument(const QString &command)
{
    return is(command, u"Page Colours & Background")
           || std::any_of(SingleTagRows.begin(), SingleTagRows.end(),
                          [&command](const SingleTagRow &row) { return is(command, row.name); });
}

bool IsCommandText(const QString &command)
{
    static const QStringView editing[] = {u"Copy", u"Cut", u"Delete", u"Paste", u"Undo", u"Insert File"};
    const auto named = [&command](QStringView name) { return is(command, name); };
    return std::any_of(std::begin(editing), std::end(editing), named)
           || findDialog(command)
           || IsFormatCommand(command) || IsPromptedInsert(command)
           || std::any_of(SingleTagRows.begin(), SingleTagRows.end(),
                          [&named](const SingleTagRow &row) { return named(row.name); })
           || !EntityText(command).isEmpty() || findRow(command);
}

bool IsDeleteCommand(const QString &command)
{
    return is(command, u"Delete");
}

CommandOutcome DecideCommand(const CommandRequest &request)
{
    const QString &command = request.command;
    if (std::optional<CommandOutcome> editing = editingCommand(request))
        return *editing;
    if (is(command, u"Undo"))
        return doing(CommandAction::Undo);

    const SplitSelection split = SplitTrailingLineBreak(request.selection);
    const QString &sel = split.text;

    // A page body in a frame document is refused before its dialog opens.
    if (is(command, u"Page Colours & Background")) {
        const GuardDecision frames = FrameDocGuard(request.documentText);
        if (frames.refused)
            return refused(frames);
    }
    if (const DialogCommand *dialog = findDialog(command)) {
        CommandOutcome outcome = doing(CommandAction::Dialog);
        outcome.dialog = dialog->dialog;
        outcome.text = sel;
        outcome.lineBreak = split.lineBreak;
        outcome.selectInserted = dialog->selectInserted;
        return outcome;
    }
    if (std::optional<PromptedResult> prompted = PromptedInsert(command, sel)) {
        if (prompted->cancelled)
            return doing(CommandAction::Nothing);
        const bool select = is(command, u"Comment") && !sel.isEmpty();
        return inserting(prompted->text + split.lineBreak, select);
    }

    if (IsFormatCommand(command)) {
        const QString tag = FormatTag(command, sel, TableCaptionText);
        if (tag.isEmpty())
            return doing(CommandAction::Nothing); // the caption prompt was cancelled
        return inserting(tag + split.lineBreak, true);
    }

    for (const SingleTagRow &row : SingleTagRows) {
        if (is(command, row.name)) {
            const GuardDecision decision = SingleTagGuard(request.documentText, row.tag.toString());
            if (decision.refused)
                return refused(decision);
            return inserting(row.tag.toString() + split.lineBreak, false);
        }
    }

    if (is(command, u"Insert File")) {
        CommandOutcome outcome = doing(CommandAction::InsertFile);
        outcome.lineBreak = split.lineBreak;
        return outcome;
    }

    const QString entity = EntityText(command);
    if (!entity.isEmpty())
        return inserting(entity + split.lineBreak, false);

    if (const CommandRow *row = findRow(command)) {
        const QString result = row->build(sel, request.argument);
        // A snippet that could not be read must not wipe out the selection.
        if (result.isEmpty() && row->readsFile)
            return doing(CommandAction::Nothing);
        const bool select = row->selects == Selects::Always
                            || (row->selects == Selects::WhenTextSelected && !sel.isEmpty());
        return inserting(row->keepsLineBreak ? result + split.lineBreak : result, select);
    }
    return unknown();
}

} // namespace tavorin
