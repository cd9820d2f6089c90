#pragma once

// META tags, dates, times and the smart fields that keep a date, time or
// year between marker comments. Dates and times come from appClock() and
// are formatted with the DateFormat and TimeFormat preferences.

#include <QString>

namespace tavorin {

// The patterns used when the preference holds none.
inline constexpr auto DefaultDateFormat = "dddd, d mmmm yyyy";
inline constexpr auto DefaultTimeFormat = "h:nn AM/PM";

// The META tag declaring the page as ISO-8859-1 HTML.
QString MetaContentType();

// The META tag naming this program and its version as the generator.
QString MetaGenerator();

// Today's date in the DateFormat preference.
QString FormattedDate();
// The present time in the TimeFormat preference.
QString FormattedTime();
// FormattedDate() + " " + FormattedTime().
QString FormattedDateTime();

// The date, time and year between their smart-field marker comments.
QString SmartDateField();
QString SmartTimeField();
QString SmartYearField();

} // namespace tavorin
