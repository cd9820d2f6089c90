#pragma once

// Date and time patterns of the kind the user picks for smart fields and
// date inserts: "dddd, d mmmm yyyy", "h:nn AM/PM" and the like.

#include <QDateTime>
#include <QString>

namespace tavorin {

// Formats the moment with the pattern. The letters of the codes are read
// without regard to case:
//   d dd        day of the month without / with a leading zero
//   ddd dddd    abbreviated / full weekday name
//   ddddd       the whole date in the locale's short form
//   dddddd      the whole date in the locale's long form
//   m mm        month number without / with a leading zero; minutes instead
//               when the code follows an hour code or comes before a seconds
//               code ("hh:mm", "mm:ss")
//   mmm mmmm    abbreviated / full month name
//   y           day of the year
//   yy yyyy     year with two / four digits
//   h hh        hour without / with a leading zero, on a 24-hour clock unless
//               the pattern holds an AM/PM code
//   n nn, s ss  minutes, seconds without / with a leading zero
//   AM/PM am/pm 12-hour clock, "AM"/"PM" or "am"/"pm" (the case of the "A")
//   A/P a/p     12-hour clock, "A"/"P" or "a"/"p"
//   AMPM        12-hour clock, the locale's morning or afternoon designator
//   / and :     the locale's date and time separators
// Text between double quotes and the one character after "\" are copied
// without the quotes or the backslash; every other character stands for
// itself. Names, designators, separators and the short and long date forms
// come from QLocale(), which is the system's locale unless a default was set
// (tests pin one).
QString FormatDateTime(const QDateTime &moment, const QString &pattern);

} // namespace tavorin
