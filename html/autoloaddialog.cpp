#include "html/autoloaddialog.h"

#include "app/textrules.h"
#include "html/linkdialog.h"
#include "html/tagreaders.h"
#include "html/valuehelpers.h"

namespace tavorin {

using namespace Qt::StringLiterals;

namespace {

// The address after "URL=" up to the double quote that ends CONTENT (or the
// end of the tag); "" when there is none.
QString refreshAddress(const QString &flat)
{
    const QString key = u"URL="_s;
    const qsizetype found = flat.indexOf(key, 0, Qt::CaseInsensitive);
    if (found < 0)
        return {};
    const qsizetype start = found + key.size();
    qsizetype end = start;
    while (end < flat.size() && flat[end] != u'"' && flat[end] != u'>')
        ++end;
    return TrimSpaces(QStringView(flat).mid(start, end - start));
}

} // namespace

AutoLoadOptions ReadAutoLoad(const QString &selected)
{
    const QString flat = CrLfToSpace(selected);
    AutoLoadOptions options;
    const QString content = GetAttributeValue(flat, u"CONTENT");
    if (content.isEmpty())
        return options;
    if (const long long delay = LeadingNumber(content); delay >= 0 && delay <= MaximumDelay)
        options.delay = int(delay);
    options.location = refreshAddress(flat);
    if (!options.location.isEmpty())
        options.target = AddressKind(options.location) == LinkKind::Internet ? AutoLoadTarget::Internet
                                                                             : AutoLoadTarget::LocalFile;
    return options;
}

QString BuildAutoLoad(const AutoLoadOptions &options)
{
    QString tag = u"<META HTTP-EQUIV="_s + QuoteValue(u"Refresh"_s) + u" CONTENT=\""_s + QString::number(options.delay);
    if (options.target != AutoLoadTarget::Current)
        tag += u";URL="_s + options.location;
    return tag + u"\">"_s;
}

} // namespace tavorin
