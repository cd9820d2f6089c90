#include "html/bodytag.h"

#include "html/valuehelpers.h"

namespace tavorin {

QString BodyTag(const QString &backgroundFile, const std::array<QString, BodyColourCount> &colours,
                const QString &extra)
{
    static const std::array<QString, BodyColourCount> attributes{
        QStringLiteral("BGCOLOR"), QStringLiteral("TEXT"), QStringLiteral("LINK"), QStringLiteral("VLINK"),
        QStringLiteral("ALINK")};
    QString tag = QStringLiteral("<BODY");
    if (!backgroundFile.isEmpty())
        tag += QStringLiteral(" BACKGROUND=") + QuoteValue(backgroundFile);
    for (int i = 0; i < BodyColourCount; ++i) {
        if (HasValue(colours[i]))
            tag += u' ' + attributes[i] + u'=' + QuoteValue(colours[i]);
    }
    return tag + extra + u'>';
}

} // namespace tavorin
