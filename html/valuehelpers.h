#pragma once

// Small text helpers shared by every tag builder and dialog: value tests,
// quoting, indenting, line-break handling, case conversion, tag stripping,
// the fixed value lists of the lookup combos and the key filters of the
// text boxes. All pure; only the key filters and RequireValue touch the
// facades (beep, message box).

#include <QString>
#include <QStringList>
#include <QStringView>

namespace tavorin {

// True when the text trimmed of spaces is not empty and is neither
// "(default)" nor "(none)" (any case). Optional attributes are written only
// for values that pass.
bool HasValue(QStringView text);

// The text trimmed of spaces (or, when that is empty, the text as given)
// between double quotes. Inner quotes are not escaped.
QString QuoteValue(const QString &text);

// Puts count tabs before the first character of every line that is not
// empty; empty lines get none.
QString IndentLines(int count, const QString &text);

// Makes sure the text begins and ends with "\r\n".
QString WrapInLineBreaks(const QString &text);

// Every "\r\n" becomes one space.
QString CrLfToSpace(const QString &text);

// The n-th item (from 1) of a comma-separated list, trimmed of spaces; ""
// when there is no such item.
QString GetListItem(const QString &list, int n);

// Lower-cases the text and upper-cases every letter that starts a word. A
// letter starts a word unless the character before it is a letter or an
// apostrophe, so "o'neil's shop" becomes "O'neil's Shop". Letters of every
// script count; the length never changes.
QString TitleCase(const QString &text);

// Removes one tab from the start of every line, trims spaces and strips a
// BLOCKQUOTE pair around the whole text (undoes an "Increase Indent").
QString DecreaseIndent(const QString &text);

// The text without tabs and tags; line breaks that directly follow a tag
// (or start the text) go with it, so lines holding only tags vanish. A "<"
// with no ">" after it is not a tag and stays.
QString RemoveAllTags(const QString &text);

// Every "'" becomes "`", for texts placed in single-quoted script strings.
QString ApostropheToBacktick(const QString &text);

// "Please " + what + "." : the message of a required entry.
QString RequiredEntryMessage(const QString &what);

// When HasValue(text) fails: shows RequiredEntryMessage(what) (title
// "Information Required", exclamation icon, OK) and returns false. A
// dialog's requireEntry puts the focus on its control after a false.
bool RequireValue(const QString &text, const QString &what);
// Shows that message for an entry the caller found missing; always false.
bool ReportRequiredEntry(const QString &what);

// The items of the alignment, vertical-alignment and target lookup combos,
// in the order they are listed.
QStringList AlignValues();
QStringList VAlignValues();
QStringList TargetValues();

// Key filters, on the character code of a typed key. The "Accepted" forms
// only decide; the others return the code to keep, or 0 after a beep.
// Digits only: "0"-"9", backspace (8) and copy, paste, cut, undo (3, 22, 24, 26).
bool DigitsOnlyKeyAccepted(int keyCode);
int DigitsOnlyKey(int keyCode);
// No double quote (34).
bool NoQuoteKeyAccepted(int keyCode);
int NoQuoteKey(int keyCode);

} // namespace tavorin
