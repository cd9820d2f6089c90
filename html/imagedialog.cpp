#include "html/imagedialog.h"

#include "app/textrules.h"
#include "html/tagattributes.h"
#include "html/tagreaders.h"
#include "html/valuehelpers.h"

namespace tavorin {

using namespace Qt::StringLiterals;

QStringList ImageAlignValues()
{
    return {u"Left"_s, u"Right"_s, u"Top"_s, u"Texttop"_s, u"Middle"_s, u"Absmiddle"_s, u"Baseline"_s, u"Bottom"_s,
            u"Absbottom"_s};
}

ImageOptions ReadImage(const QString &selected)
{
    const QString flat = CrLfToSpace(selected);
    ImageOptions options;
    options.link = ReadLinkParts(flat);
    const QString inner = TrimSpaces(RemoveOpeningTags(flat, u"<A ").remove(u"</A>"_s, Qt::CaseInsensitive));
    options.link.displayText = TrimSpaces(RemoveOpeningTags(inner, u"<IMG "));

    options.source = GetAttributeValue(flat, u"SRC");
    options.sourceKind = AddressKind(options.source) == LinkKind::Internet ? LinkKind::Internet : LinkKind::LocalFile;
    ReadAttributes(flat, ImageSizeNames, options.sizes);
    options.altText = GetAttributeValue(flat, u"ALT");
    options.alignment = GetAttributeValue(flat, u"ALIGN");
    options.name = GetAttributeValue(flat, u"NAME");
    ReadAttributes(flat, ImageScriptNames, options.scripts);
    return options;
}

QString BuildImageTag(const ImageOptions &options)
{
    QString tag = u"<IMG SRC="_s + QuoteValue(options.source);
    if (!options.altText.isEmpty())
        tag += u" ALT="_s + QuoteValue(options.altText);
    if (HasValue(options.alignment))
        tag += u" ALIGN="_s + QuoteValue(options.alignment);
    tag += OptionalAttributes(ImageSizeNames, options.sizes);
    if (HasValue(options.name))
        tag += u" NAME="_s + QuoteValue(options.name);
    return tag + OptionalAttributes(ImageScriptNames, options.scripts) + u'>';
}

QString BuildImage(const ImageOptions &options)
{
    const QString tag = BuildImageTag(options);
    if (options.link.kind == LinkKind::Nothing)
        return tag;
    LinkOptions link = options.link;
    link.displayText = tag + options.link.displayText;
    return BuildLink(link);
}

} // namespace tavorin
