#pragma once

// Text rules shared by every part of the program. "Trim" means spaces
// (character 32) only; tabs and line breaks stay. Case-blind comparisons go
// character by character and never change a text's length.

#include <QString>
#include <QStringView>

namespace tavorin {

inline constexpr auto CrLf = "\r\n";

// The text without leading and trailing spaces (character 32 only).
QString TrimSpaces(QStringView text);
QString TrimLeadingSpaces(QStringView text);
QString TrimTrailingSpaces(QStringView text);

// True when the text is empty or holds only spaces.
bool IsBlank(QStringView text);

// The classic number reading: leading spaces skipped, an optional sign, then
// digits up to the first non-digit ("12ab" is 12, "" is 0).
long long LeadingNumber(QStringView text);
// LeadingNumber kept between low and high.
int LeadingNumberWithin(QStringView text, int low, int high);

// Equality and prefix/suffix tests without regard to case.
bool EqualNoCase(QStringView a, QStringView b);
bool StartsWithNoCase(QStringView text, QStringView prefix);
bool EndsWithNoCase(QStringView text, QStringView suffix);

// Lower-cases character by character, so positions never shift.
QString LowerSameLength(QStringView text);
QString UpperSameLength(QStringView text);

// Every lone "\n" and lone "\r" becomes "\r\n"; existing "\r\n" pairs stay.
QString NormaliseLineBreaks(QStringView text);
QString NormaliseLineBreaks(const QString &text);

} // namespace tavorin
