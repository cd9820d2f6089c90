#pragma once

// Builders of A tags: links to addresses, files, anchors and mail boxes,
// and the link to the maker's home page.

#include <QString>

namespace tavorin {

// "<A HREF=" + quoted trimmed address + (" TARGET=" + quoted target when it
// has a value) + (extra as given, when it has a value; callers begin it
// with a space) + ">" + text + "</A>".
QString LinkTag(const QString &address, const QString &text, const QString &target,
                const QString &extra);

// A mailto: link showing the trimmed address.
QString MailtoLink(const QString &address);

// A link to an anchor of this document; "#" is put in front when missing.
QString AnchorRefLink(const QString &anchor, const QString &text, const QString &target,
                      const QString &extra);

// A link whose text, when blank, is the file-name part of the address.
QString NamedLink(const QString &address, const QString &text, const QString &target,
                  const QString &extra);

// A link with "/" for every "\" in the address; a blank text becomes the
// file-name part of a "file:" address, or else the trimmed address.
QString FileLink(const QString &address, const QString &text, const QString &target,
                 const QString &extra);

// The selected address as a link to itself.
QString QuickLink(const QString &text);

// A link to the maker's home page showing the application title.
QString HomePageLink();

} // namespace tavorin
