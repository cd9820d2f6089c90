#pragma once

// Reading and writing values of INI-format data files: "[Section]" lines
// open sections, "key=value" lines follow. Section and key names match
// without regard to case; a value is the text after the first "=" without
// surrounding spaces, at most MaxIniValueLength characters.
//
// Bytes: each line is read as UTF-8 when it is valid UTF-8 and as
// Windows-1252 otherwise, so files written by older programs still read.
// A write changes or adds exactly one line, written as UTF-8, and keeps every
// other byte of the file as it was. Nothing here reports an error.

#include <QString>

namespace tavorin {

inline constexpr qsizetype MaxIniValueLength = 254;

// The value of key in section of the file, cut to MaxIniValueLength
// characters; the default when the file, section or key is missing, the
// value is empty, or it begins with "Not Used" (in any case).
QString ReadIniValue(const QString &file, const QString &section, const QString &key,
                     const QString &defaultValue);

// Sets key=value in the section, creating the file, section or key as
// needed. Line breaks in the value become spaces (a value is one line); a
// key holding "=" or a line break, or a section holding "]" or a line
// break, cannot be written and is ignored.
void WriteIniValue(const QString &file, const QString &section, const QString &key,
                   const QString &value);

} // namespace tavorin
