#include "html/linkdialog.h"

#include "app/textrules.h"
#include "controls/locationrules.h"
#include "html/linktags.h"
#include "html/tagattributes.h"
#include "html/tagreaders.h"
#include "html/valuehelpers.h"

namespace tavorin {

using namespace Qt::StringLiterals;

LinkOptions NoLink()
{
    LinkOptions options;
    options.kind = LinkKind::Nothing;
    return options;
}

LinkKind AddressKind(const QString &address)
{
    if (SplitWebAddress(address))
        return LinkKind::Internet;
    return IsAnchorRef(address) ? LinkKind::Anchor : LinkKind::LocalFile;
}

QString RemoveOpeningTags(const QString &text, QStringView opening)
{
    QString result = text;
    for (qsizetype at = result.indexOf(opening, 0, Qt::CaseInsensitive); at >= 0;
         at = result.indexOf(opening, at, Qt::CaseInsensitive)) {
        const qsizetype close = result.indexOf(u'>', at);
        result.remove(at, close < 0 ? result.size() - at : close - at + 1);
    }
    return result;
}

LinkOptions ReadLinkParts(const QString &flat)
{
    LinkOptions options;
    options.statusText = GetQuotedArg(GetAttributeValue(flat, u"onMouseOver"), u"window.status");
    options.target = GetAttributeValue(flat, u"TARGET");
    ReadAttributes(flat, LinkScriptNames, options.scripts);
    options.location = GetAttributeValue(flat, u"HREF");
    options.kind = options.location.isEmpty() ? LinkKind::Nothing : AddressKind(options.location);
    return options;
}

LinkOptions ReadLink(const QString &selected)
{
    const QString flat = CrLfToSpace(selected);
    LinkOptions options = ReadLinkParts(flat);
    if (options.kind == LinkKind::Nothing)
        options.kind = LinkKind::LocalFile;
    options.displayText = TrimSpaces(RemoveOpeningTags(flat, u"<A ").remove(u"</A>"_s, Qt::CaseInsensitive));
    return options;
}

QString BuildLink(const LinkOptions &options)
{
    const QString target = HasValue(options.target) ? options.target : QString();
    const QString scripts = OptionalAttributes(LinkScriptNames, options.scripts);
    switch (options.kind) {
    case LinkKind::Nothing:
        return options.displayText;
    case LinkKind::LocalFile:
        return NamedLink(options.location, options.displayText, target, scripts);
    case LinkKind::Internet:
        return FileLink(options.location, options.displayText, target, scripts);
    case LinkKind::Anchor:
        return AnchorRefLink(options.location, options.displayText, target, scripts);
    }
    return {};
}

QString StatusOverScript(const QString &status)
{
    return u"window.status='"_s + ApostropheToBacktick(status) + u"';return true"_s;
}

QString StatusOutScript()
{
    return u"window.status='';return true"_s;
}

bool OpensNewWindow(const QString &target)
{
    return EqualNoCase(target, u"_blank") || EqualNoCase(target, u"_New");
}

QString TargetForNewWindow(bool checked, const QString &target)
{
    if (checked && target != u"_blank"_s)
        return u"_blank"_s;
    if (!checked && OpensNewWindow(target))
        return u"(default)"_s;
    return target;
}

} // namespace tavorin
