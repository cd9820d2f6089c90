#include "html/ruledialog.h"

#include "html/tagreaders.h"
#include "html/valuehelpers.h"

namespace tavorin {

using namespace Qt::StringLiterals;

RuleOptions ReadRule(const QString &selected)
{
    const QString flat = CrLfToSpace(selected);
    RuleOptions options;
    options.height = GetAttributeValue(flat, u"SIZE");
    const QString width = GetAttributeValue(flat, u"WIDTH");
    options.percent = width.endsWith(u'%');
    options.width = options.percent ? width.chopped(1) : width;
    options.alignment = GetAttributeValue(flat, u"ALIGN");
    options.noShade = flat.indexOf(u"NOSHADE"_s, 1, Qt::CaseInsensitive) > 0;
    options.formatted = !options.height.isEmpty() || !width.isEmpty() || !options.alignment.isEmpty() || options.noShade;
    return options;
}

QString BuildRule(const RuleOptions &options)
{
    QString tag = u"<HR"_s;
    if (options.formatted) {
        if (HasValue(options.height))
            tag += u" SIZE="_s + QuoteValue(options.height);
        if (HasValue(options.width))
            tag += u" WIDTH=\""_s + options.width + (options.percent ? u"%\""_s : u"\""_s);
        if (HasValue(options.alignment))
            tag += u" ALIGN="_s + QuoteValue(options.alignment);
        if (options.noShade)
            tag += u" NOSHADE"_s;
    }
    return tag + u'>';
}

} // namespace tavorin
