#pragma once

// Path texts: pure functions that keep the desktop's notation ("C:\web\a.htm")
// working and also understand Linux paths ("/home/me/web/a.htm"). A path
// "has a drive" when its trimmed text begins with "/" or its second character
// is ":". Paths equal without regard to case where the program compares them.

#include <QString>
#include <QStringList>

namespace tavorin {

bool IsUNC(const QString &path);
bool HasDrive(const QString &path);
QString DriveOf(const QString &path);
QString FolderOf(const QString &path);
QString FileNameOf(const QString &path);
QString ExtensionOf(const QString &path);
QString QuotedFileName(const QString &path);
QString ToLinkSlashes(const QString &text);
QString ToPathBackslashes(const QString &text);
QString RelativePath(const QString &target, const QString &document);
QString ShortenPath(const QString &path);
QString TrueCasePath(const QString &path);
QStringList SplitFileList(const QString &text);

// The native folder separator as text ("/" on Linux).
QString NativeSeparator();

} // namespace tavorin
