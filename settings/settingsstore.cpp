#include "settings/settingsstore.h"

#include "app/textrules.h"
#include "settings/checkedfile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QStringDecoder>
#include <QStringList>

#include <cmath>
#include <limits>

// On-disk layout.
//
// <config>/tavorin/registry/<ROOT>/<part>/<part>/.../.values
//
// Every part of a key path is one folder. A part is written as it is spelled,
// except that "%", "/", control characters and a leading "." are written as
// "%" and two hexadecimal digits, so any part makes a valid folder name and
// no part can become ".", ".." or a hidden name. Lookups try the exact
// spelling first and otherwise compare the folder names without regard to
// case, as the desktop registry does.
//
// ".values" is UTF-8 text, one value per line: name "=" value, the unnamed
// value being a line that starts with "=". In names and values "\" is
// written "\\", line feed "\n", carriage return "\r", tab "\t", any other
// control character "\xHH"; in names "=" is written "\=". So the first bare
// "=" of a line ends the name and every text round-trips. Lines that do not
// read as a value (damaged bytes, invalid UTF-8, no "=") are ignored when
// reading and kept byte for byte when the file is rewritten.

namespace tavorin {

namespace {

const QString ValuesFileName = QStringLiteral(".values");
const QString LockFileName = QStringLiteral(".values.lock");

// A key file is a few hundred bytes; anything this large is not ours and
// reads as absent rather than filling memory.
constexpr qint64 MaxKeyFileSize = 16 * 1024 * 1024;

QString ConfigHome()
{
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    // Relative values are invalid by the XDG rules and are ignored.
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return xdg;
    return QDir::homePath() + QStringLiteral("/.config");
}

QString RootName(RegistryRoot root)
{
    switch (root) {
    case RegistryRoot::LocalMachine:
        return QStringLiteral("HKEY_LOCAL_MACHINE");
    case RegistryRoot::ClassesRoot:
        return QStringLiteral("HKEY_CLASSES_ROOT");
    case RegistryRoot::CurrentUser:
        break;
    }
    return QStringLiteral("HKEY_CURRENT_USER");
}

QStringList KeyParts(const QString &keyPath)
{
    return keyPath.split(u'\\', Qt::SkipEmptyParts);
}

QChar HexDigit(int value)
{
    return QChar(value < 10 ? u'0' + value : u'A' + value - 10);
}

QString EscapeKeyPart(QStringView part)
{
    QString result;
    result.reserve(part.size());
    for (qsizetype i = 0; i < part.size(); ++i) {
        const char16_t c = part[i].unicode();
        if (c == u'%' || c == u'/' || c < 0x20 || c == 0x7f || (i == 0 && c == u'.')) {
            result += u'%';
            result += HexDigit(c >> 4);
            result += HexDigit(c & 0xf);
        } else {
            result += QChar(c);
        }
    }
    return result;
}

int HexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

QString UnescapeKeyPart(QStringView name)
{
    QString result;
    result.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (name[i] == u'%' && i + 2 < name.size() && HexValue(name[i + 1]) >= 0
            && HexValue(name[i + 2]) >= 0) {
            result += QChar(HexValue(name[i + 1]) * 16 + HexValue(name[i + 2]));
            i += 2;
        } else {
            result += name[i];
        }
    }
    return result;
}

QString ExactKeyFolder(RegistryRoot root, const QStringList &parts)
{
    QString folder = RegistryRootFolder(root);
    for (const QString &part : parts)
        folder += u'/' + EscapeKeyPart(part);
    return folder;
}

// The child folder of `folder` that stands for the key part, matched without
// regard to case; "" when there is none.
QString FindChildFolder(const QString &folder, const QString &part)
{
    const QString exact = folder + u'/' + EscapeKeyPart(part);
    if (QFileInfo(exact).isDir())
        return exact;
    const QStringList names =
        QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString &name : names) {
        if (EqualNoCase(UnescapeKeyPart(name), part))
            return folder + u'/' + name;
    }
    return QString();
}

// The folder of an existing key, or "" when the key does not exist.
QString FindKeyFolder(RegistryRoot root, const QStringList &parts)
{
    QString folder = RegistryRootFolder(root);
    if (!QFileInfo(folder).isDir())
        return QString();
    for (const QString &part : parts) {
        folder = FindChildFolder(folder, part);
        if (folder.isEmpty())
            return QString();
    }
    return folder;
}

// The folder of the key, created with every missing parent; "" on failure.
QString MakeKeyFolder(RegistryRoot root, const QStringList &parts)
{
    QString folder = RegistryRootFolder(root);
    if (!QDir().mkpath(folder))
        return QString();
    for (const QString &part : parts) {
        QString child = FindChildFolder(folder, part);
        if (child.isEmpty()) {
            child = folder + u'/' + EscapeKeyPart(part);
            // Another copy may create it at the same moment; both are fine.
            if (!QDir().mkdir(child) && !QFileInfo(child).isDir())
                return QString();
        }
        folder = child;
    }
    return folder;
}

QString EscapeText(QStringView text, bool isName)
{
    QString result;
    result.reserve(text.size());
    for (QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c == u'\\')
            result += QStringLiteral("\\\\");
        else if (c == u'\n')
            result += QStringLiteral("\\n");
        else if (c == u'\r')
            result += QStringLiteral("\\r");
        else if (c == u'\t')
            result += QStringLiteral("\\t");
        else if (c < 0x20 || c == 0x7f)
            result += QStringLiteral("\\x") + HexDigit(c >> 4) + HexDigit(c & 0xf);
        else if (c == u'=' && isName)
            result += QStringLiteral("\\=");
        else
            result += ch;
    }
    return result;
}

QString UnescapeText(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\' || i + 1 >= text.size()) {
            result += text[i];
            continue;
        }
        const QChar next = text[i + 1];
        if (next == u'\\' || next == u'=') {
            result += next;
            ++i;
        } else if (next == u'n') {
            result += u'\n';
            ++i;
        } else if (next == u'r') {
            result += u'\r';
            ++i;
        } else if (next == u't') {
            result += u'\t';
            ++i;
        } else if (next == u'x' && i + 3 < text.size() && HexValue(text[i + 2]) >= 0
                   && HexValue(text[i + 3]) >= 0) {
            result += QChar(HexValue(text[i + 2]) * 16 + HexValue(text[i + 3]));
            i += 3;
        } else {
            result += text[i]; // an unknown escape stays as it stands
        }
    }
    return result;
}

struct StoredValue {
    QString name;
    QString value;
};

// One line of a key file as a value; nullopt for a line that is not one.
std::optional<StoredValue> ParseLine(QByteArrayView line)
{
    if (line.endsWith('\r'))
        line.chop(1);
    // Each line is decoded on its own; a U+FEFF that begins a name is a
    // character of that name, not a byte-order mark.
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    const QString text = decoder.decode(line);
    if (decoder.hasError())
        return std::nullopt;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\')
            ++i;
        else if (text[i] == u'=')
            return StoredValue{UnescapeText(QStringView(text).left(i)),
                               UnescapeText(QStringView(text).mid(i + 1))};
    }
    return std::nullopt;
}

QList<QByteArrayView> SplitLines(QByteArrayView bytes)
{
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        lines.append(bytes.sliced(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The key file's content with the value set: its line replaced where the
// name is (older duplicates dropped), appended where it is not. Every other
// line is kept byte for byte.
QByteArray WithValue(QByteArrayView old, const QString &valueName, const QString &text)
{
    const QByteArray newLine =
        (EscapeText(valueName, true) + u'=' + EscapeText(text, false)).toUtf8();
    QByteArray content;
    content.reserve(old.size() + newLine.size() + 1);
    bool written = false;
    for (QByteArrayView line : SplitLines(old)) {
        const std::optional<StoredValue> stored = ParseLine(line);
        if (stored && EqualNoCase(stored->name, valueName)) {
            if (written)
                continue;
            content += newLine;
            written = true;
        } else {
            content += line;
        }
        content += '\n';
    }
    if (!written)
        content += newLine + '\n';
    return content;
}

} // namespace

QString RegistryRootFolder(RegistryRoot root)
{
    return ConfigHome() + QStringLiteral("/tavorin/registry/") + RootName(root);
}

QString ReadRegString(RegistryRoot root, const QString &keyPath, const QString &valueName)
{
    const QStringList parts = KeyParts(keyPath);
    // Fast path: the key is spelled as it was written, one open call.
    const QString exactFolder = ExactKeyFolder(root, parts);
    BoundedRead read = ReadBoundedFile(exactFolder + u'/' + ValuesFileName, MaxKeyFileSize);
    if (read.status == BoundedRead::Status::Missing) {
        const QString folder = FindKeyFolder(root, parts);
        if (folder.isEmpty() || folder == exactFolder)
            return QString();
        read = ReadBoundedFile(folder + u'/' + ValuesFileName, MaxKeyFileSize);
    }
    if (read.status != BoundedRead::Status::Read)
        return QString();
    const QByteArray *bytes = &read.bytes;
    for (QByteArrayView line : SplitLines(*bytes)) {
        const std::optional<StoredValue> stored = ParseLine(line);
        if (stored && EqualNoCase(stored->name, valueName))
            return stored->value.size() > MaxRegValueLength ? QString() : stored->value;
    }
    return QString();
}

void WriteRegString(RegistryRoot root, const QString &keyPath, const QString &valueName,
                    const QString &text)
{
    WriteRegStrings(root, keyPath, {{valueName, text}});
}

void WriteRegStrings(RegistryRoot root, const QString &keyPath, const QList<NamedValue> &values)
{
    if (values.isEmpty())
        return;
    const QString folder = MakeKeyFolder(root, KeyParts(keyPath));
    if (folder.isEmpty())
        return;
    // A copy that is busy with the same key is waited for: giving up early
    // would lose a value the caller takes as written.
    QLockFile lock(folder + u'/' + LockFileName);
    if (!TakeWriteLock(lock))
        return;

    // Read what is there now, under the lock, so a value another copy has
    // just written is kept.
    const QString path = folder + u'/' + ValuesFileName;
    const BoundedRead read = ReadBoundedFile(path, MaxKeyFileSize);
    if (read.status == BoundedRead::Status::Refused)
        return; // rewriting a file we cannot read would lose its values
    QByteArray content = read.bytes;
    for (const NamedValue &value : values)
        content = WithValue(content, value.first, value.second);

    // A failed write is lost silently; the old values stay readable.
    WriteWholeFile(path, content, CheckedFileWriter::Leftovers::RemoveAll);
}

bool DeleteRegKey(RegistryRoot root, const QString &keyPath)
{
    const QStringList parts = KeyParts(keyPath);
    if (parts.isEmpty())
        return false;
    const QString folder = FindKeyFolder(root, parts);
    if (folder.isEmpty())
        return false;
    QDir dir(folder);
    if (!dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty())
        return false; // child keys go first
    {
        QLockFile lock(folder + u'/' + LockFileName);
        if (!TakeWriteLock(lock))
            return false;
        // The values file and any temporary file a crashed write left behind.
        const QStringList ours = dir.entryList({ValuesFileName + u'*'},
                                               QDir::Files | QDir::Hidden | QDir::System);
        for (const QString &name : ours) {
            if (name != LockFileName)
                dir.remove(name);
        }
    }
    return QDir().rmdir(folder);
}

QString ProgramKey(const QString &section)
{
    return QStringLiteral("Software\\Kestavel Software\\Tavorin\\") + section;
}

QString ReadSetting(const QString &section, const QString &valueName, const QString &defaultValue)
{
    const QString text = ReadRegString(RegistryRoot::CurrentUser, ProgramKey(section), valueName);
    return text.isEmpty() ? defaultValue : text;
}

std::optional<qint64> SettingToWholeNumber(QStringView text)
{
    const QString trimmed = TrimSpaces(text);
    qsizetype i = 0;
    bool negative = false;
    if (i < trimmed.size() && (trimmed[i] == u'-' || trimmed[i] == u'+')) {
        negative = trimmed[i] == u'-';
        ++i;
    }
    const qsizetype digits = trimmed.size() - i;
    if (digits < 1 || digits > 18)
        return std::nullopt;
    qint64 value = 0;
    for (; i < trimmed.size(); ++i) {
        const char16_t c = trimmed[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return negative ? -value : value;
}

std::optional<double> SettingToDouble(QStringView text)
{
    const QString trimmed = TrimSpaces(text);
    bool ok = false;
    double value = QLocale::system().toDouble(trimmed, &ok);
    if (!ok)
        value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<bool> SettingToBool(QStringView text)
{
    const QString trimmed = TrimSpaces(text);
    if (EqualNoCase(trimmed, u"True"))
        return true;
    if (EqualNoCase(trimmed, u"False"))
        return false;
    if (const std::optional<double> number = SettingToDouble(trimmed))
        return *number != 0.0;
    return std::nullopt;
}

int ReadSettingInt(const QString &section, const QString &valueName, int defaultValue)
{
    const std::optional<qint64> value = SettingToWholeNumber(ReadSetting(section, valueName));
    if (!value || *value < std::numeric_limits<int>::min()
        || *value > std::numeric_limits<int>::max())
        return defaultValue;
    return int(*value);
}

bool ReadSettingBool(const QString &section, const QString &valueName, bool defaultValue)
{
    return SettingToBool(ReadSetting(section, valueName)).value_or(defaultValue);
}

double ReadSettingDouble(const QString &section, const QString &valueName, double defaultValue)
{
    return SettingToDouble(ReadSetting(section, valueName)).value_or(defaultValue);
}

void WriteSetting(const QString &section, const QString &valueName, const QString &value)
{
    WriteRegString(RegistryRoot::CurrentUser, ProgramKey(section), valueName, value);
}

void WriteSetting(const QString &section, const QString &valueName, bool value)
{
    WriteSetting(section, valueName, SettingText(value));
}

void WriteSetting(const QString &section, const QString &valueName, double value)
{
    WriteSetting(section, valueName, SettingText(value));
}

void WriteSettings(const QString &section, const QList<NamedValue> &values)
{
    WriteRegStrings(RegistryRoot::CurrentUser, ProgramKey(section), values);
}

QString SettingText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString SettingText(double value)
{
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', QLocale::FloatingPointShortest);
}

QString ReadMachineString(const QString &keyPath, const QString &valueName)
{
    return ReadRegString(RegistryRoot::LocalMachine, keyPath, valueName);
}

} // namespace tavorin
