#pragma once

// Layout files of the menu and tool-bar control ("Tavorin.TB" holds the
// built-in layout, "WebUser.TB" the user's own): every band with its tools,
// visibility and tool-bar place, and every tool with its texts and states.
//
// The file is UTF-8 text, one record per line, fields separated by tabs
// (a tab, line break or backslash inside a field is written "\t", "\n", "\r"
// or "\\"):
//   Tavorin Tool Layout<TAB>1
//   tool<TAB>key<TAB>name<TAB>command<TAB>category<TAB>caption<TAB>description
//       <TAB>sub-band<TAB>tag<TAB>document code<TAB>identifier<TAB>flags
//   band<TAB>name<TAB>title<TAB>kind<TAB>visible<TAB>area<TAB>line<TAB>tool keys...
//   end<TAB>number of tools<TAB>number of bands
// flags are four 0/1 characters: enabled, checked, visible, begins group.

#include "app/toolmodel.h"

#include <QString>

#include <optional>

namespace tavorin {

// Writes the layout through QSaveFile, so a failed write leaves any previous
// file as it was. Window-list items are not written: they are rebuilt each
// time the Window menu opens. On failure returns false and sets *error.
bool SaveLayout(const BarLayout &layout, const QString &path, QString *error = nullptr);

// Reads a layout file. A missing, unreadable, truncated or otherwise damaged
// file, or one whose bands and tools do not fit together, gives no layout
// (and the reason in *error); the caller keeps the layout it has.
std::optional<BarLayout> LoadLayout(const QString &path, QString *error = nullptr);

// The same, on the text of a file.
QString LayoutToText(const BarLayout &layout);
std::optional<BarLayout> LayoutFromText(const QString &text, QString *error = nullptr);

} // namespace tavorin
