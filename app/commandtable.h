#pragma once

// What an editing or tag command does, decided from its command text, its
// argument, the selected text and the document: the text to insert and
// whether it stays selected, or an action the command runner carries out on
// the text box (undo, clipboard, file insert), a guard's refusal, or the
// unknown-command report. Positions and texts use "\r\n" line breaks.

#include "html/guards.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace tavorin {

enum class CommandAction {
    Insert,     // put text in place of the selection
    Undo,       // undo the last change of the text box
    Copy,       // copy the selection to the clipboard; the text stays
    Cut,        // copy the selection to the clipboard, then remove it
    InsertFile, // ask for a file and insert its contents, then lineBreak
    Dialog,     // run the tag dialog named dialog on text; insert its result, then lineBreak
    Refused,    // a guard refused: select guard.existingTag, show its messages
    Nothing,    // nothing to do: nothing to copy or paste, a snippet that could not be read
    Unknown,    // the unknown-command report
};

struct CommandRequest {
    QString command;      // the command text, any case
    QString argument;     // heading level or colour name
    QString selection;    // the selected text
    QString documentText; // the whole text, for the guards
    QString clipboard;    // the clipboard's text, "\r\n" line breaks
};

struct CommandOutcome {
    CommandAction action = CommandAction::Unknown;
    QString text;                // Insert: the finished text, with the selection's line break put back
    bool selectInserted = false; // Insert: the inserted text stays selected
    QString lineBreak;           // InsertFile, Dialog: the line break taken off the selection, to follow the result
    QString dialog;              // Dialog: the form that builds the text ("frmLink"); text is what it edits
    GuardDecision guard;         // Refused: what the guard found and says
};

// Decides what the command does. Builders run here (dates read appClock(),
// snippets are read from the program's SystemFiles folder and a failure to
// read one is reported, the prompted inserts ask through dialogs().prompt);
// the document itself is never touched.
CommandOutcome DecideCommand(const CommandRequest &request);

// A command whose text is built by a tag dialog: the form, and whether the
// inserted result stays selected.
struct DialogCommand {
    QString command;
    QString dialog;
    bool selectInserted = false;
};
const QList<DialogCommand> &DialogCommands();

// The selected text without one trailing "\r\n", and that line break ("" when
// there was none).
struct SplitSelection {
    QString text;
    QString lineBreak;
};
SplitSelection SplitTrailingLineBreak(const QString &selection);

// True for the commands that first select an existing tag of the document so
// that their dialog edits it ("Page Title", "Page Colours & Background"); the
// range they select, if the document has one.
bool SelectsExistingTagFirst(const QString &command);
std::optional<TextRange> ExistingTagRange(const QString &command, const QString &documentText);

// True for the commands whose guards read the whole document text; the
// others leave CommandRequest::documentText empty.
bool CommandReadsDocument(const QString &command);

// True when the command runner knows the command text, whether or not it can
// carry it out yet; "Table", the title of a menu, is no command.
bool IsCommandText(const QString &command);

// True for "Delete": with nothing selected it takes the next character.
bool IsDeleteCommand(const QString &command);

} // namespace tavorin
