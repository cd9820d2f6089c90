#pragma once

// Plain-text find and replace: literal matching, with or without regard to
// case, downwards or upwards from the selection, and Replace All in one pass.
// Positions are 0-based and count in the document text ("\r\n" line breaks).

#include <QString>

namespace tavorin {

enum class SearchDirection { Up = 0, Down = 1 };

// The search state of the running program, shared by every document and
// kept while the find window is closed.
struct SearchState {
    QString findText;
    QString replacementText;
    bool matchCase = false;
    SearchDirection direction = SearchDirection::Down;
    bool firstSearch = true;          // the next search may stop on the current match
    qsizetype lastFoundPosition = -1; // selection start after the last search
};

// The one search state of the process.
SearchState &FindState();

// Where the next match of state.findText begins when searching from a
// selection starting at selStart, or -1. Down: a repeated search (selStart is
// the last found position and it is not a first search) starts one character
// later, so it moves past the current match. Up: the nearest match beginning
// before selStart. No wrap-around.
qsizetype FindNextMatch(const QString &text, qsizetype selStart, const SearchState &state);

// One Find Next: FindNextMatch, then the state notes where the selection now
// starts (the match, or selStart when nothing was found) and that the next
// search is a repeated one.
qsizetype SearchOnce(const QString &text, qsizetype selStart, SearchState &state);

// True when the selected text is the find text (with regard to case only
// when matchCase is set).
bool SelectionMatches(const QString &selection, const QString &findText, bool matchCase);

struct ReplaceAllResult {
    QString text;        // the text after replacing
    qsizetype count = 0; // how many matches were replaced; 0 leaves text as given
};

// Replaces every match of findText (not empty) in one pass from the start;
// text produced by a replacement is never searched again.
ReplaceAllResult ReplaceAllMatches(const QString &text, const QString &findText,
                                   const QString &replacement, bool matchCase);

// "<title> has finished searching the document. The search item was not found."
QString SearchItemNotFoundMessage();
// "<title> has finished searching the document. " + "1 change was made." or
// "N changes were made."
QString ChangesMadeMessage(qsizetype count);

} // namespace tavorin
