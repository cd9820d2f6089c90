#include "app/displaycuts.h"

namespace tavorin {

QList<qsizetype> DisplayCuts(QStringView line)
{
    QList<qsizetype> cuts;
    qsizetype from = 0;
    while (line.size() - from > DisplayBlockLength) {
        const qsizetype longest = from + DisplayBlockLength;
        qsizetype cut = longest;
        for (qsizetype at = longest; at > longest - DisplayBlockLength / 4; --at) {
            const QChar before = line[at - 1];
            if (before == u'>' || before == u' ') {
                cut = at;
                break;
            }
        }
        if (line[cut - 1].isHighSurrogate())
            --cut;
        cuts.append(cut);
        from = cut;
    }
    return cuts;
}

} // namespace tavorin
