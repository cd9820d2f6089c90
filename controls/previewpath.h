#pragma once

// Which file the image preview shows for a path typed in a dialog.

#include <QString>

namespace tavorin {

// The trimmed path when it is a full path (a drive letter or "/" first);
// otherwise documentFolder (ending with a separator) followed by the path
// with its "\" made "/". A relative path without a document folder stays
// relative, which the preview never loads.
QString PreviewPath(const QString &imagePath, const QString &documentFolder);

} // namespace tavorin
