#pragma once

// The program's colour texts: one of sixteen colour names (any case), "#"
// and six hexadecimal digits RRGGBB, or a text meaning "no colour" ("",
// "(default)", "(none)"). A colour value is 0x00BBGGRR, red in the low byte.

#include <QString>
#include <QStringList>

#include <optional>

namespace tavorin {

// The sixteen names, "Aqua" to "Yellow", in their table order.
QStringList ColourNames();
// The name numbered n (1 is "Aqua", 16 "Yellow"); "" for any other number.
QString ColourName(int n);
// The value of a colour text: "#" followed by hexadecimal pairs RRGGBB (an
// empty or invalid pair counts 0) or a colour name; nothing for any other text.
std::optional<quint32> ColourValue(const QString &text);
// The colour a selector's indicator shows for text: its own value, else the
// value of defaultColour, else silver.
quint32 IndicatorColourOf(const QString &text, const QString &defaultColour);
// The colour text for a value chosen in the colour dialog: "#RRGGBB" in
// capitals, each pair rounded to the browser-safe levels when safePalette.
QString ChosenColourText(quint32 value, bool safePalette);
// The browser-safe level (00, 33, 66, 99, CC, FF) nearest a pair; a pair on
// a boundary goes to the lower level.
int BrowserSafeLevel(int pair);

} // namespace tavorin
