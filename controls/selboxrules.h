#pragma once

// What the selection text box lets in: the key filter of each box style, the
// check of pasted or dropped text, and the digits-only rule on a change.
// Pure; the widget beeps when a decision says "refused".

#include <QString>

namespace tavorin {

enum class BoxStyle {
    Ordinary = 0,   // "<", ">" refused; the double quote refused unless allowed
    DigitsOnly = 1, // "0" to "9" only
    Path = 2,       // as Ordinary, and a typed "\" becomes "/"
    TagText = 3,    // "<" and ">" allowed; the double quote refused unless allowed
};

struct BoxRules {
    BoxStyle style = BoxStyle::Ordinary;
    bool allowQuote = false;
};

// The text that goes into the box for some input; refused means nothing goes
// in and the box beeps.
struct BoxInput {
    bool refused = false;
    QString text;
};

// A typed printable character (code 32 or above).
BoxInput TypedIntoBox(QChar typed, const BoxRules &rules);
// Pasted or dropped text: refused when it holds a character the box would
// refuse typed; in the digits-only style refused unless it is a number. The
// path style turns every "\" into "/".
BoxInput PastedIntoBox(const QString &pasted, const BoxRules &rules);
// True when a paste of this many characters will be cut by the box's
// maximum length (0: no limit), which the box warns of with a beep.
bool PasteWillBeCut(qsizetype pastedLength, int maxLength);
// True for a text of one or more digits "0" to "9" and nothing else.
bool IsDigitsText(const QString &text);
// The text a changed box keeps: in the digits-only style a text that is not
// empty and not a number is cleared.
QString ChangedBoxText(const QString &text, BoxStyle style);

} // namespace tavorin
