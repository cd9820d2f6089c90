#pragma once

// Path texts: pure functions that keep the desktop's notation ("C:\web\a.htm")
// working and also understand Linux paths ("/home/me/web/a.htm"). A path
// "has a drive" when its trimmed text begins with "/" or its second character
// is ":". Each function decides by the path which rules apply: a Linux path
// (one that begins with "/") separates with "/" alone, "\" being an ordinary
// character of its names, and compares exactly, because Linux file systems
// tell "Docs" and "docs" apart; every other path separates with "\" and "/"
// and compares without regard to case.

#include <QString>
#include <QStringList>

namespace tavorin {

// True when the trimmed path begins with "\\" (a network path).
bool IsUNC(const QString &path);
// True when the trimmed path begins with "/" or its second character is ":".
bool HasDrive(const QString &path);
// True when the trimmed path begins with "/": a Linux path.
bool IsLinuxPath(const QString &path);
// "/" for a Linux path; otherwise the first three characters ("C:\").
QString DriveOf(const QString &path);
// The text up to and including the last separator; "" when there is none.
QString FolderOf(const QString &path);
// The trimmed text after the last separator, cut before the first "#".
QString FileNameOf(const QString &path);
// The trimmed text after the last "." (all of it without one), cut before the first "#".
QString ExtensionOf(const QString &path);
// FileNameOf(path) between double quotes.
QString QuotedFileName(const QString &path);
// The text as written into a link: every "\" replaced by "/", except in a
// Linux path or a path made from one (source), where "\" belongs to a name
// and is written "%5C".
QString ToLinkSlashes(const QString &text, const QString &source = {});
// Every "/" replaced by "\".
QString ToPathBackslashes(const QString &text);
// The folder separator of the path's own notation: "/" for Linux paths, "\" otherwise.
QString SeparatorOf(const QString &path);
// The target relative to the document (a full path, or its folder with a
// trailing separator), in the document's notation: "..\" steps for
// drive-letter paths, "../" steps for Linux paths.
QString RelativePath(const QString &target, const QString &document);
// A form of at most about 47 characters for menus and lists.
QString ShortenPath(const QString &path);
// The path with every component spelt as stored on disk; the path as given
// when some component does not exist.
QString TrueCasePath(const QString &path);
// The paths in one text that holds several (a whole command line).
QStringList SplitFileList(const QString &text);
// The paths named by the program's arguments, one each; relative ones are
// made absolute against startFolder when it is given.
QStringList SplitFileList(const QStringList &arguments, const QString &startFolder = {});

// The native folder separator as text ("/" on Linux).
QString NativeSeparator();

// Finds relative (components separated by "/" or "\") below the existing
// folder, matching each component without regard to case when no exact match
// exists. Returns the full path as found on disk, or folder + relative
// (with native separators) when some component is missing.
QString ResolveCaseBlind(const QString &folder, const QString &relative);

} // namespace tavorin
