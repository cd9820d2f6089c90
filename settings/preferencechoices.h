#pragma once

// What the preferences dialog offers and decides apart from its widgets:
// the format lists, the display settings it edits and their defaults, the
// lines of its browser and guide lists, the active-browser entries, the
// template check and the recent templates.

#include "settings/preferences.h"

#include <QString>
#include <QStringList>

#include <array>

namespace tavorin {

// The date and time formats offered, in their order.
QStringList DateFormatChoices();
QStringList TimeFormatChoices();

// The Display tab's working values; colours in the order background,
// normal text, tag, comment, smart field.
struct DisplaySettings {
    std::array<quint32, 5> colours{};
    QString fontName;
    int fontSize = 0;
    bool bold = false;
    bool italic = false;
    bool highlighting = false;

    friend bool operator==(const DisplaySettings &, const DisplaySettings &) = default;
};
DisplaySettings DisplayOf(const Preferences &prefs);
// Stores the colours and the font (not the highlighting flag) into prefs.
void StoreDisplay(const DisplaySettings &display, Preferences &prefs);
// Restore Defaults: the five default colours and the default font; the
// highlighting flag stays as it is.
DisplaySettings RestoredDisplay(const DisplaySettings &current);
// The default tab stop length Restore Defaults puts back.
inline constexpr auto DefaultTabStops = "4";

// The three lines of the sample display, "\r\n" between them.
QString DisplaySampleText();

// i + ": " + name, a line of the browser and guide lists.
QString NumberedLine(int number, const QString &name);

// "(default)" for 0, "Browser " + n otherwise; and back: 0 for "(default)",
// otherwise the number in the text's last character.
QString ActiveBrowserText(int number);
int ActiveBrowserNumber(const QString &text);

// The message OK shows for a user-defined template that is not a file, ""
// when location names an existing file.
QString TemplateProblem(const QString &location);

// The non-empty recent templates, "Template 1" to "Template 9".
QStringList RecentTemplates();

// The tab stop length stored from its box: the number, rounded; 0 when it is none.
int TabStopsFromText(const QString &text);

} // namespace tavorin
