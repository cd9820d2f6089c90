#include "settings/screenfonts.h"

#include <algorithm>

namespace tavorin {

namespace {

QStringList &fonts()
{
    static QStringList names;
    return names;
}

} // namespace

const QStringList &ScreenFonts()
{
    return fonts();
}

void SetScreenFonts(const QStringList &families)
{
    QStringList names = families;
    names.removeAll(QString());
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    names.removeDuplicates();
    fonts() = names;
}

} // namespace tavorin
