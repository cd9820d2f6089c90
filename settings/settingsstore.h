#pragma once

// The settings store: a small hierarchical key/value tree that plays the part
// of the desktop registry. Keys are named by paths whose parts are separated
// by "\" ("Software\Kestavel Software\Tavorin\General"); each key holds text
// values by name, the unnamed value "" included. Key and value names match
// without regard to case.
//
// On disk every root is a folder under $XDG_CONFIG_HOME/tavorin/registry/
// (HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_CLASSES_ROOT), every key a
// folder, and the values of a key one UTF-8 text file ".values" in its
// folder, one "name=value" line per value (see settingsstore.cpp).
//
// Nothing here reports an error: a value that cannot be read is absent (""),
// a write that cannot be made is dropped. Writes replace the key's file
// atomically under a lock file, so a crash or a second running copy never
// leaves a truncated file or loses another value.

#include <QList>
#include <QString>
#include <QStringView>

#include <concepts>
#include <cstddef>
#include <optional>
#include <utility>

namespace tavorin {

enum class RegistryRoot { CurrentUser, LocalMachine, ClassesRoot };

// Values longer than this many characters read as absent.
inline constexpr qsizetype MaxRegValueLength = 254;

// The folder that holds a root's keys, without a trailing separator.
QString RegistryRootFolder(RegistryRoot root);

// The value's text; "" when the key or value is missing, unreadable, empty
// or longer than MaxRegValueLength characters.
QString ReadRegString(RegistryRoot root, const QString &keyPath, const QString &valueName);

// Stores the text (also "") as the value, creating the key and its parents.
void WriteRegString(RegistryRoot root, const QString &keyPath, const QString &valueName,
                    const QString &text);

// A value name and its text.
using NamedValue = std::pair<QString, QString>;
// Several values of one key at once, in order: the same result as one
// WriteRegString per value, for the cost of one write.
void WriteRegStrings(RegistryRoot root, const QString &keyPath, const QList<NamedValue> &values);

// Deletes the key with its values. False when the key is missing, still has
// child keys, is a root, or cannot be removed.
bool DeleteRegKey(RegistryRoot root, const QString &keyPath);

// "Software\Kestavel Software\Tavorin\" + section: the program's own key.
QString ProgramKey(const QString &section);

// A value of the program key for the section (per-user root), or the default
// when the stored text is empty or missing.
QString ReadSetting(const QString &section, const QString &valueName,
                    const QString &defaultValue = QString());

// Conversions of stored text. A flag is "True" or "False" in any case or any
// number (non-zero is true); a whole number is decimal with an optional sign.
// Surrounding spaces are ignored. nullopt when the text does not convert.
std::optional<bool> SettingToBool(QStringView text);
std::optional<qint64> SettingToWholeNumber(QStringView text);
std::optional<double> SettingToDouble(QStringView text);

// ReadSetting followed by a conversion; the default also when the stored text
// does not convert (or a whole number does not fit an int).
int ReadSettingInt(const QString &section, const QString &valueName, int defaultValue);
bool ReadSettingBool(const QString &section, const QString &valueName, bool defaultValue);
double ReadSettingDouble(const QString &section, const QString &valueName, double defaultValue);

// Writes a value of the program key for the section: text unchanged, flags as
// "True"/"False", whole numbers in decimal, fractional numbers in the
// locale's decimal notation.
void WriteSetting(const QString &section, const QString &valueName, const QString &value);
void WriteSetting(const QString &section, const QString &valueName, bool value);
void WriteSetting(const QString &section, const QString &valueName, double value);

template <std::integral T>
    requires(!std::same_as<T, bool>)
void WriteSetting(const QString &section, const QString &valueName, T value)
{
    WriteSetting(section, valueName, QString::number(value));
}

// A string literal is text, not a flag (a plain const char* would pick bool).
template <std::size_t N>
void WriteSetting(const QString &section, const QString &valueName, const char (&text)[N])
{
    WriteSetting(section, valueName, QString::fromUtf8(text));
}

// Several values of the program key for the section in one write.
void WriteSettings(const QString &section, const QList<NamedValue> &values);

// The stored text of a flag ("True"/"False") and of a fractional number.
QString SettingText(bool value);
QString SettingText(double value);

// ReadRegString on the machine root.
QString ReadMachineString(const QString &keyPath, const QString &valueName);

} // namespace tavorin
