#include "html/linktags.h"

#include "app/facades.h"
#include "app/textrules.h"
#include "html/valuehelpers.h"
#include "settings/paths.h"

namespace tavorin {

QString LinkTag(const QString &address, const QString &text, const QString &target,
                const QString &extra)
{
    QString result = QStringLiteral("<A HREF=") + QuoteValue(TrimSpaces(address));
    if (HasValue(target))
        result += QStringLiteral(" TARGET=") + QuoteValue(target);
    if (HasValue(extra))
        result += extra;
    return result + u'>' + text + QStringLiteral("</A>");
}

QString MailtoLink(const QString &address)
{
    const QString trimmed = TrimSpaces(address);
    return LinkTag(QStringLiteral("mailto:") + trimmed, trimmed, QString(), QString());
}

QString AnchorRefLink(const QString &anchor, const QString &text, const QString &target,
                      const QString &extra)
{
    QString reference = TrimSpaces(anchor);
    if (!reference.startsWith(u'#'))
        reference.prepend(u'#');
    return LinkTag(reference, text, target, extra);
}

QString NamedLink(const QString &address, const QString &text, const QString &target,
                  const QString &extra)
{
    QString shown = TrimSpaces(text);
    if (!HasValue(shown))
        shown = FileNameOf(address);
    return LinkTag(address, shown, target, extra);
}

QString FileLink(const QString &address, const QString &text, const QString &target,
                 const QString &extra)
{
    QString href = address;
    href.replace(u'\\', u'/');
    QString shown = TrimSpaces(text);
    if (!HasValue(shown))
        shown = StartsWithNoCase(href, u"file:") ? FileNameOf(href) : TrimSpaces(href);
    return LinkTag(href, shown, target, extra);
}

QString QuickLink(const QString &text)
{
    return FileLink(text, text, QString(), QString());
}

QString HomePageLink()
{
    return FileLink(QString::fromLatin1(MakerHomePage), QString::fromLatin1(ApplicationTitle),
                    QString(), QString());
}

} // namespace tavorin
