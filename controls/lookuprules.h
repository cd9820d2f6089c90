#pragma once

// The rules of the lookup combo apart from its widget: the default entries,
// the refused characters, completion of typed text from the list and the
// spelling taken from the list when the combo loses the focus. The list is
// kept sorted without regard to case.

#include <QString>
#include <QStringList>

#include <optional>

namespace tavorin {

// The entry a combo keeps for "no value", fixed when the combo is made.
enum class DefaultEntry {
    Nothing = 0, // no default entry
    None = 1,    // "(none)"
    Default = 2, // "(default)"
    Http = 3,    // "http://"
};

// "", "(none)", "(default)" or "http://".
QString DefaultEntryText(DefaultEntry entry);

// True for the double quote, "<", ">" and the combo's own illegal character
// (illegalChar "" for none): characters that would break a tag attribute.
bool LookupRefuses(QChar c, const QString &illegalChar);
// True when any character of a pasted text is refused.
bool LookupRefusesText(const QString &text, const QString &illegalChar);

// Where item goes in a list sorted without regard to case: after every entry
// that sorts before or equal to it.
qsizetype SortedInsertIndex(const QStringList &list, const QString &item);

// The combo's text after a typed character: the shown text and the part
// selected (selStart to the end of the text).
struct Completion {
    QString text;
    qsizetype selStart = 0;
    qsizetype selLength = 0;
    friend bool operator==(const Completion &, const Completion &) = default;
};
// Completes typed (codes 32 to 127) into text whose selection is
// [selStart, selStart + selLength) when that selection, or the caret, reaches
// the end of the text: the typed character replaces the selection, and the
// first list entry beginning with the result (any case) is shown in its own
// spelling with the added part selected. Nothing when the key is not for
// completion (another character, or the caret before the end).
std::optional<Completion> CompleteLookup(const QStringList &sortedList, const QString &text, qsizetype selStart,
                                         qsizetype selLength, QChar typed);

// The text after the combo loses the focus (only when matchCase and the list
// is not empty): a blank text becomes the default entry's text, a text equal
// to an entry (any case) takes the entry's spelling; otherwise it stays.
QString LostFocusText(const QStringList &sortedList, const QString &text, const QString &defaultText,
                      bool matchCase);

} // namespace tavorin
