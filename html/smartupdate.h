#pragma once

// Smart fields: a date, time or year value kept between two marker comments,
// "<!-- %DATE% -->Monday, 1 March 1999<!-- %/DATE% -->", refreshed when a
// document is saved.

#include <QDateTime>
#include <QString>

namespace tavorin {

// Replaces every well-formed DATE, TIME and YEAR field of the text (in that
// order of kinds) with a fresh field for the moment: the date formatted with
// dateFormat, the time with timeFormat, the year as "yyyy". A field is
// refreshed only when its markers stand on one line and its old value is at
// most 64 characters long; markers match exactly, case included. Text
// without fields comes back unchanged.
QString SmartUpdate(const QString &text, const QDateTime &moment, const QString &dateFormat,
                    const QString &timeFormat);

// The same for the present moment of appClock() and the DateFormat and
// TimeFormat preferences (their defaults while a preference is blank).
QString SmartUpdate(const QString &text);

} // namespace tavorin
