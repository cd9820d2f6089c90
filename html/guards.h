#pragma once

// Checks run before an insert that must not happen twice in a page or must
// not go into a frame document, and the range search that finds an existing
// tag. Positions count in the document text, where a line break is "\r\n".
// The checks are pure; ShowGuardRefusal shows their messages.

#include <QString>
#include <QStringList>

#include <optional>

namespace tavorin {

struct TextRange {
    qsizetype start = 0;
    qsizetype length = 0;
    friend bool operator==(const TextRange &, const TextRange &) = default;
};

// The range from startText (searched from the beginning, any case) through
// the first endText after it. When stopText occurs after startText and
// before that endText, the range ends just before stopText. Nothing when
// either text is missing (or empty).
std::optional<TextRange> FindRange(const QString &text, const QString &startText,
                                   const QString &endText, const QString &stopText = {});

// The characters of the range ("" for no range).
QString RangeText(const QString &text, const std::optional<TextRange> &range);

// The page title element, "<title>" through "</title>".
std::optional<TextRange> TitleRange(const QString &text);
// The BODY start tag, "<body" through ">", ending before any "<" first.
std::optional<TextRange> BodyTagRange(const QString &text);

// True when the text contains "<FRAMESET" (any case).
bool IsFrameDocument(const QString &text);

// What a guard decided: whether the insert is refused, the existing tag to
// select so the user sees it, and the messages to show (title "HTML Syntax
// Error", information icon), in order.
struct GuardDecision {
    bool refused = false;
    std::optional<TextRange> existingTag;
    QStringList messages;
};

inline constexpr auto GuardMessageTitle = "HTML Syntax Error";

// Refuses a tag ("<HTML>", "</BODY>" ...) that the document already holds:
// its text without the last character, then that last character, any case.
// "</BODY>" is also refused in a frame document.
GuardDecision SingleTagGuard(const QString &text, const QString &tag);

// Refuses any insert into a frame document.
GuardDecision FrameDocGuard(const QString &text);

// Shows each message of the decision and, when it refuses, sets
// InsertCancelled. Returns decision.refused. The caller selects
// existingTag first, so the tag is in view while the message shows.
bool ShowGuardRefusal(const GuardDecision &decision);

} // namespace tavorin
