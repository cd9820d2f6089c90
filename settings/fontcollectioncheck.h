#pragma once

// The rules of the font collection dialog: which entry refuses OK, the
// collection OK builds from the three font boxes, and the boxes a stored
// collection fills.

#include "settings/datafiles.h"

#include <QString>

#include <array>

namespace tavorin {

using CollectionFontBoxes = std::array<QString, 3>;

// The text of a font box that names no font.
inline constexpr auto NoFontChoice = "(none)";

enum class CollectionProblem { None, NoName, NameTaken, NoFont };

struct CollectionCheck {
    CollectionProblem problem = CollectionProblem::None;
    FontCollection collection; // the trimmed name and the fonts text when accepted
};

// Checks a collection as OK does and builds it: a name is required; a new
// name (not openedName in other case) must not be one another entry of
// table has; at least one box must name a font (a box that is blank or
// "(none)" names none). The fonts are those of boxes 1 to 3, each cut to
// 45 characters and trimmed, joined by ", ".
CollectionCheck CheckFontCollection(const QString &openedName, const QString &name,
                                    const CollectionFontBoxes &boxes, const FontCollectionTable &table);

// Shows the message for a refused collection (nothing for None).
void ReportCollectionProblem(CollectionProblem problem);

// The boxes a fonts text fills: its names in order, "(none)" for each missing one.
CollectionFontBoxes SplitCollectionFonts(const QString &fonts);

// The first free entry (1 to 20), or 0 when all twenty are used.
int FirstFreeCollection(const FontCollectionTable &table);

// The most collections the table holds.
inline constexpr int MaxFontCollections = 20;

} // namespace tavorin
