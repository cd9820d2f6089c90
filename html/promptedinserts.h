#pragma once

// The inserts that ask the user for one value with the one-field prompt
// (dialogs().prompt): comments, titles, anchors, addresses, script names and
// messages, META values and the user's own details, which are asked once and
// then kept in the preference record. Cancelling a prompt sets
// InsertCancelled and inserts nothing.

#include <QString>

#include <optional>

namespace tavorin {

// The value the prompt's OK returns for what the box holds: trimmed of
// spaces, upper-cased (without changing the length) when asked.
QString PromptAnswer(const QString &text, bool upperCase);

// A generated section between its banners: "<!-- Start Of " + name + " -->",
// "\r\n", text, "\r\n" and "<!-- End of " + name + " -->" (a small "o").
QString SectionBanner(const QString &name, const QString &text);

// The script block of the two JavaScript outlines: the SCRIPT element around
// body between "<!-- Start Of " + label + " Script -->" and
// "<!-- End of " + label + " Script -->".
QString ScriptBlock(const QString &label, const QString &body);

// The snippet text with its first "" (an empty attribute value) replaced
// by value between double quotes; unchanged when it has none.
QString FillSnippet(const QString &snippet, const QString &value);

// "<A NAME="name">" + the selection without its A tags, trimmed + "</A>".
QString AnchorTag(const QString &name, const QString &selection);

// The result of a prompted insert.
struct PromptedResult {
    bool cancelled = false; // the prompt was cancelled or a snippet could not be read
    QString text;
};

// Runs the prompted insert of command (any case) on the selection (without
// its trailing line break), asking as it needs. Nothing when command is not
// a prompted insert, or is "Comment" with a selection that is not blank.
std::optional<PromptedResult> PromptedInsert(const QString &command, const QString &selection);

// Whether command (any case) is one of the prompted inserts.
bool IsPromptedInsert(const QString &command);

// Asks for the caption of "Table Caption" when the text is blank; the text
// itself otherwise. Sets InsertCancelled when the prompt is cancelled.
QString TableCaptionText(const QString &text);

// The comment entered last since the program started; it pre-fills the
// comment prompt.
QString LastComment();
void SetLastComment(const QString &comment);

} // namespace tavorin
