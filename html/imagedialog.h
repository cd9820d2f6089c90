#pragma once

// The image dialog's tag apart from its widget: the options of an IMG tag
// and of the link that may wrap it, the reader of a selected image or
// linked image, and the builder of the finished text.

#include "html/linkdialog.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>

namespace tavorin {

// The attributes of the size boxes and of the image script boxes, in index order.
inline constexpr std::array<QStringView, 5> ImageSizeNames{u"WIDTH", u"HEIGHT", u"BORDER", u"VSPACE", u"HSPACE"};
inline constexpr std::array<QStringView, 3> ImageScriptNames{u"onAbort", u"onLoad", u"onError"};

struct ImageOptions {
    LinkKind sourceKind = LinkKind::LocalFile; // LocalFile or Internet
    QString source;                            // SRC; when building, the processed location
    QString altText;
    QString alignment;
    std::array<QString, 5> sizes;
    QString name;
    std::array<QString, 3> scripts;
    // The wrapping link (kind Nothing for none); its display text is what
    // the link holds besides the image.
    LinkOptions link = NoLink();
    friend bool operator==(const ImageOptions &, const ImageOptions &) = default;
};

// The items of the alignment combo, in the order they are added.
QStringList ImageAlignValues();

// A selected IMG tag, or a link holding one, read back (line breaks become
// blanks). The link's display text is its inner text without the A and IMG
// tags, trimmed.
ImageOptions ReadImage(const QString &selected);

// The IMG tag alone: SRC, ALT when not empty (even blank), ALIGN, the sizes
// in index order, NAME and the scripts, each optional one only with a value.
QString BuildImageTag(const ImageOptions &options);

// The IMG tag, or the link around the IMG tag followed by the link's display text.
QString BuildImage(const ImageOptions &options);

} // namespace tavorin
