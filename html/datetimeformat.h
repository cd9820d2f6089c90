#pragma once

// Date and time patterns of the kind the user picks for smart fields:
// "dddd, d mmmm yyyy", "h:nn AM/PM" and the like.

#include <QDateTime>
#include <QString>

namespace tavorin {

// Formats the moment with the pattern. Codes: d dd ddd dddd ddddd dddddd,
// m mm mmm mmmm, yy yyyy, h hh, n nn, s ss, AM/PM am/pm A/P a/p AMPM, "/" and
// ":" (the locale's separators); text in double or single quotes and a
// character after "\" is copied as it stands; any other character stands for
// itself. Day and month names and the AMPM designators come from
// QLocale::system().
QString FormatDateTime(const QDateTime &moment, const QString &pattern);

} // namespace tavorin
