#pragma once

// The link dialog's tag apart from its widget: the options it edits, the
// reader that takes a selected link back into options, and the builder of
// the finished A element. The image dialog reads and builds its link part
// with the same functions; the target and status-bar rules that couple the
// dialogs' controls live here too.

#include <QString>
#include <QStringView>

#include <array>

namespace tavorin {

// What a link points to; Nothing only for an image without a link.
enum class LinkKind { Nothing, LocalFile, Internet, Anchor };

// The attributes of the three link script boxes, in index order.
inline constexpr std::array<QStringView, 3> LinkScriptNames{u"onClick", u"onMouseOver", u"onMouseOut"};

struct LinkOptions {
    LinkKind kind = LinkKind::LocalFile;
    QString location;    // HREF; when building, the processed location
    QString displayText; // the text between the tags
    QString statusText;  // the window.status text of onMouseOver
    QString target;      // "" or "(default)" for none
    std::array<QString, 3> scripts;
    friend bool operator==(const LinkOptions &, const LinkOptions &) = default;
};

// Options without a link (kind Nothing).
LinkOptions NoLink();

// How an existing address is shown: Internet when it has a web layout (it
// holds a ":" and is not a "/" path), Anchor when it begins with "#",
// otherwise LocalFile.
LinkKind AddressKind(const QString &address);

// The text without every opening tag that begins with opening (any case),
// from there up to its ">".
QString RemoveOpeningTags(const QString &text, QStringView opening);

// The link part of flat text (no line breaks): status text, target, the
// three scripts and HREF with its kind, Nothing when HREF is empty. The
// display text is left empty.
LinkOptions ReadLinkParts(const QString &flat);

// A selected link read back: line breaks become blanks; the display text is
// the trimmed inner text without the A tags (other tags stay); without HREF
// the kind stays LocalFile.
LinkOptions ReadLink(const QString &selected);

// The finished A element for options.kind: a local file shows the trimmed
// display text or else the file-name part of the location; an address has
// its "\" made "/" and shows the trimmed text or else the address; an anchor
// gets its "#" and shows the text exactly as given. TARGET and the scripts
// are written only when they have a value. Nothing gives displayText alone.
QString BuildLink(const LinkOptions &options);

// The onMouseOver script that shows status in the status bar, its "'" made
// "`", and the onMouseOut script that clears it.
QString StatusOverScript(const QString &status);
QString StatusOutScript();

// True for the targets that open a new window: "_blank" and "_New", any case.
bool OpensNewWindow(const QString &target);
// The target once the new-window box became checked or unchecked: "_blank"
// when checked, "(default)" when unchecked from a new-window target,
// otherwise unchanged.
QString TargetForNewWindow(bool checked, const QString &target);

} // namespace tavorin
