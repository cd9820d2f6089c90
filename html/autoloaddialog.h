#pragma once

// The auto-load dialog's tag apart from its widget: the META refresh tag
// that reloads the page, or loads another page or file, after a delay.

#include <QString>

namespace tavorin {

// What is loaded when the delay has passed.
enum class AutoLoadTarget { Current, LocalFile, Internet };

inline constexpr int MaximumDelay = 999; // seconds, the spin control's range

struct AutoLoadOptions {
    AutoLoadTarget target = AutoLoadTarget::Current;
    QString location; // the address or file; when building, the processed location
    int delay = 1;    // seconds, 0 to MaximumDelay
    friend bool operator==(const AutoLoadOptions &, const AutoLoadOptions &) = default;
};

// A selected META refresh tag read back (line breaks become blanks): the
// delay is the number at the start of CONTENT when it lies within the
// spin control's range; the location is the text after "URL=" (any case)
// up to the next double quote. No location means the page itself.
AutoLoadOptions ReadAutoLoad(const QString &selected);

// <META HTTP-EQUIV="Refresh" CONTENT="delay"> or, for another page,
// CONTENT="delay;URL=location".
QString BuildAutoLoad(const AutoLoadOptions &options);

} // namespace tavorin
