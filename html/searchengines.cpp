#include "html/searchengines.h"

#include "app/textrules.h"
#include "html/formattags.h"
#include "html/linktags.h"
#include "settings/datafiles.h"

namespace tavorin {

using namespace Qt::StringLiterals;

QString SearchEngineLinks(const QList<NamedLocation> &engines, bool centre)
{
    const QString crlf = QString::fromLatin1(CrLf);
    QString text;
    for (const NamedLocation &engine : engines)
        text += FileLink(engine.location, engine.name, {}, {}) + crlf;
    if (centre && !text.isEmpty())
        text = FormatTag(u"Centre"_s, crlf + text) + crlf;
    return text.chopped(qMin<qsizetype>(2, text.size()));
}

} // namespace tavorin
