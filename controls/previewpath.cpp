#include "controls/previewpath.h"

#include "app/textrules.h"
#include "settings/paths.h"

namespace tavorin {

QString PreviewPath(const QString &imagePath, const QString &documentFolder)
{
    const QString path = TrimSpaces(imagePath);
    if (HasDrive(path) || path.isEmpty())
        return path;
    return documentFolder + QString(path).replace(u'\\', u'/');
}

} // namespace tavorin
