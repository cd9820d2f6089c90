#include "html/bodydialog.h"

#include "html/tagattributes.h"
#include "html/tagreaders.h"
#include "html/valuehelpers.h"

namespace tavorin {

using namespace Qt::StringLiterals;

BodyOptions ReadBody(const QString &selected)
{
    const QString flat = CrLfToSpace(selected);
    BodyOptions options;
    ReadAttributes(flat, BodyColourNames, options.colours);
    options.background = GetAttributeValue(flat, u"Background");
    options.backgroundKind =
        AddressKind(options.background) == LinkKind::Internet ? LinkKind::Internet : LinkKind::LocalFile;
    ReadAttributes(flat, BodyScriptNames, options.scripts);
    return options;
}

QString BuildBody(const BodyOptions &options)
{
    QString tag = u"<BODY"_s;
    if (!options.background.isEmpty())
        tag += u" BACKGROUND="_s + QuoteValue(options.background);
    return tag + OptionalAttributes(BodyColourNames, options.colours)
           + OptionalAttributes(BodyScriptNames, options.scripts) + u'>';
}

} // namespace tavorin
