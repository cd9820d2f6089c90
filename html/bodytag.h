#pragma once

// The BODY tag of a page: background image and the five page colours.

#include <QString>

#include <array>

namespace tavorin {

// The page colours in the order the BODY tag writes them.
enum class BodyColour { Background, Text, Link, VisitedLink, ActiveLink };
inline constexpr int BodyColourCount = 5;

// "<BODY" + (" BACKGROUND=" + quoted file name when it is not empty) + each
// colour that has a value as BGCOLOR, TEXT, LINK, VLINK, ALINK + extra (as
// given; callers begin it with a space) + ">".
QString BodyTag(const QString &backgroundFile, const std::array<QString, BodyColourCount> &colours,
                const QString &extra = {});

} // namespace tavorin
