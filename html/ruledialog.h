#pragma once

// The horizontal rule dialog's tag apart from its widget: the plain or
// formatted HR tag, its reader and its builder.

#include <QString>

namespace tavorin {

struct RuleOptions {
    bool formatted = false;
    QString height; // SIZE
    QString width;  // WIDTH without its "%"
    bool percent = false;
    QString alignment;
    bool noShade = false;
    friend bool operator==(const RuleOptions &, const RuleOptions &) = default;
};

// A selected HR tag read back (line breaks become blanks): SIZE, WIDTH (a
// final "%" sets percent), ALIGN, NOSHADE anywhere after the first
// character; formatted when any of them was found.
RuleOptions ReadRule(const QString &selected);

// "<HR>" for the standard rule; a formatted one adds SIZE, WIDTH (as typed,
// "%" when percent) and ALIGN when they have a value, then NOSHADE.
QString BuildRule(const RuleOptions &options);

} // namespace tavorin
