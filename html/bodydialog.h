#pragma once

// The page body dialog's tag apart from its widget: the options of the
// opening BODY tag (background image, the five page colours, the body's
// event scripts), its reader and its builder.

#include "html/linkdialog.h"

#include <QString>
#include <QStringView>

#include <array>

namespace tavorin {

// The attributes of the colour selectors 0 to 4 and of the script boxes 0 to 3.
inline constexpr std::array<QStringView, 5> BodyColourNames{u"BGCOLOR", u"TEXT", u"LINK", u"VLINK", u"ALINK"};
inline constexpr std::array<QStringView, 4> BodyScriptNames{u"onLoad", u"onUnload", u"onFocus", u"onBlur"};

struct BodyOptions {
    LinkKind backgroundKind = LinkKind::LocalFile; // LocalFile or Internet
    QString background; // BACKGROUND; when building, the processed location ("" for none)
    std::array<QString, 5> colours; // "" or "(default)" for none
    std::array<QString, 4> scripts;
    friend bool operator==(const BodyOptions &, const BodyOptions &) = default;
};

// A selected BODY tag read back (line breaks become blanks).
BodyOptions ReadBody(const QString &selected);

// "<BODY" + BACKGROUND when there is one + the colours and the scripts
// that have a value, in index order + ">".
QString BuildBody(const BodyOptions &options);

} // namespace tavorin
