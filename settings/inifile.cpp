#include "settings/inifile.h"

#include "app/textrules.h"
#include "settings/checkedfile.h"

#include <QByteArray>
#include <QList>
#include <QLockFile>
#include <QStringDecoder>

#include <optional>

namespace tavorin {

namespace {

// Data files are a few kilobytes; a file beyond this is not one of ours and
// reads as missing (and is never rewritten) instead of filling memory.
constexpr qint64 MaxIniFileSize = 64 * 1024 * 1024;

// Characters of bytes 0x80 to 0x9F in Windows-1252; the five bytes it leaves
// undefined keep their own code, so every byte reads as some character.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Decodes one name or value. A U+FEFF that begins it is a character of its
// own there (the file's byte-order mark is skipped before the lines are cut).
QString Decode(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    text.clear();
    text.reserve(bytes.size());
    for (char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        text += QChar(b >= 0x80 && b < 0xA0 ? Cp1252High[b - 0x80] : char16_t(b));
    }
    return text;
}

QByteArrayView TrimBlanks(QByteArrayView bytes)
{
    while (!bytes.isEmpty() && bytes.front() == ' ')
        bytes = bytes.sliced(1);
    while (!bytes.isEmpty() && bytes.back() == ' ')
        bytes.chop(1);
    return bytes;
}

bool HasLineBreak(const QString &text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

// One line of the file: [start, contentEnd) is its text, [contentEnd, end)
// its line break ("\n", "\r\n" or nothing at the end of the file).
struct Line {
    qsizetype start = 0;
    qsizetype contentEnd = 0;
    qsizetype end = 0;
};

QList<Line> SplitLines(QByteArrayView bytes)
{
    QList<Line> lines;
    qsizetype start = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (start < bytes.size()) {
        const qsizetype newline = bytes.indexOf('\n', start);
        Line line;
        line.start = start;
        line.end = newline < 0 ? bytes.size() : newline + 1;
        line.contentEnd = newline < 0 ? bytes.size() : newline;
        if (line.contentEnd > start && bytes[line.contentEnd - 1] == '\r')
            --line.contentEnd;
        lines.append(line);
        start = line.end;
    }
    return lines;
}

enum class LineKind { Other, Section, Key };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    QByteArrayView name;   // section or key name, without surrounding spaces
    QByteArrayView value;  // key lines: the value, without surrounding spaces
    qsizetype equals = -1; // key lines: offset of the "=" in the line
};

ParsedLine Parse(QByteArrayView text)
{
    ParsedLine parsed;
    const QByteArrayView trimmed = TrimBlanks(text);
    if (trimmed.startsWith('[')) {
        // A bracket line always opens a section, so the keys under an
        // unclosed header never fall into the section before it.
        QByteArrayView name = trimmed.sliced(1);
        const qsizetype close = name.indexOf(']');
        if (close >= 0)
            name = name.first(close);
        parsed.kind = LineKind::Section;
        parsed.name = TrimBlanks(name);
        return parsed;
    }
    parsed.equals = text.indexOf('=');
    if (parsed.equals >= 0) {
        parsed.kind = LineKind::Key;
        parsed.name = TrimBlanks(text.first(parsed.equals));
        parsed.value = TrimBlanks(text.sliced(parsed.equals + 1));
    }
    return parsed;
}

// Where a key lives in a file, or where it would go.
struct KeyPlace {
    qsizetype keyLine = -1;     // the line holding the key
    qsizetype sectionLast = -1; // last non-blank line of the first matching section
};

KeyPlace FindKey(QByteArrayView bytes, const QList<Line> &lines, const QString &section,
                 const QString &key)
{
    KeyPlace place;
    bool inSection = false;
    bool inFirstSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArrayView text =
            bytes.sliced(lines[i].start, lines[i].contentEnd - lines[i].start);
        const ParsedLine parsed = Parse(text);
        if (parsed.kind == LineKind::Section) {
            const bool firstMatch = place.sectionLast < 0;
            inSection = EqualNoCase(Decode(parsed.name), section);
            inFirstSection = inSection && firstMatch;
            if (inFirstSection)
                place.sectionLast = i;
            continue;
        }
        if (inSection && parsed.kind == LineKind::Key && EqualNoCase(Decode(parsed.name), key)) {
            place.keyLine = i;
            return place;
        }
        if (inFirstSection && !TrimBlanks(text).isEmpty())
            place.sectionLast = i;
    }
    return place;
}

std::optional<QByteArray> ReadWhole(const QString &file)
{
    BoundedRead read = ReadBoundedFile(file, MaxIniFileSize);
    if (read.status != BoundedRead::Status::Read)
        return std::nullopt;
    return std::move(read.bytes);
}

} // namespace

QString ReadIniValue(const QString &file, const QString &section, const QString &key,
                     const QString &defaultValue)
{
    const std::optional<QByteArray> bytes = ReadWhole(file);
    if (!bytes)
        return defaultValue;
    const QList<Line> lines = SplitLines(*bytes);
    const KeyPlace place = FindKey(*bytes, lines, TrimSpaces(section), TrimSpaces(key));
    if (place.keyLine < 0)
        return defaultValue;
    const Line &line = lines[place.keyLine];
    const ParsedLine parsed =
        Parse(QByteArrayView(*bytes).sliced(line.start, line.contentEnd - line.start));
    QString value = Decode(parsed.value);
    // The value is handed over as a C string: it ends at a NUL character.
    const qsizetype nul = value.indexOf(QChar(0));
    if (nul >= 0)
        value.truncate(nul);
    value.truncate(MaxIniValueLength);
    if (value.isEmpty() || StartsWithNoCase(value, u"Not Used"))
        return defaultValue;
    return value;
}

void WriteIniValue(const QString &file, const QString &section, const QString &key,
                   const QString &value)
{
    const QString sectionName = TrimSpaces(section);
    const QString keyName = TrimSpaces(key);
    if (keyName.isEmpty() || keyName.contains(u'=') || keyName.startsWith(u'[') ||
        HasLineBreak(keyName) || sectionName.contains(u']') || HasLineBreak(sectionName))
        return;
    QString text = value;
    text.replace(u'\r', u' ').replace(u'\n', u' ');

    QLockFile lock(file + QStringLiteral(".lock"));
    if (!TakeWriteLock(lock))
        return;

    const BoundedRead read = ReadBoundedFile(file, MaxIniFileSize);
    if (read.status == BoundedRead::Status::Refused)
        return; // a file we cannot read whole is never overwritten
    QByteArray bytes = read.bytes;
    // New lines follow the file's own line breaks.
    const qsizetype firstBreak = bytes.indexOf('\n');
    const QByteArray eol = firstBreak > 0 && bytes[firstBreak - 1] == '\r' ? "\r\n" : "\n";

    const QList<Line> lines = SplitLines(bytes);
    const KeyPlace place = FindKey(bytes, lines, sectionName, keyName);
    if (place.keyLine >= 0) {
        // Keep the key as the file spells it; replace what follows the "=".
        const Line &line = lines[place.keyLine];
        const QByteArrayView old =
            QByteArrayView(bytes).sliced(line.start, line.contentEnd - line.start);
        QByteArrayView keyPart = old.first(Parse(old).equals);
        while (keyPart.endsWith(' '))
            keyPart.chop(1);
        const QByteArray replacement = keyPart.toByteArray() + '=' + text.toUtf8();
        bytes.replace(line.start, line.contentEnd - line.start, replacement);
    } else if (place.sectionLast >= 0) {
        const Line &after = lines[place.sectionLast];
        const QByteArray keyLine = (keyName + u'=' + text).toUtf8();
        if (bytes[after.end - 1] == '\n')
            bytes.insert(after.end, keyLine + eol);
        else // the last line, ending in nothing or in a lone carriage return
            bytes.replace(after.contentEnd, after.end - after.contentEnd, eol + keyLine);
    } else {
        // A new section starts on a line of its own, also after a last line
        // that ends in a lone carriage return.
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        if (!bytes.isEmpty() && !bytes.endsWith('\n'))
            bytes += eol;
        bytes += (u'[' + sectionName + u']').toUtf8() + eol;
        bytes += (keyName + u'=' + text).toUtf8() + eol;
    }

    // A failed write is lost silently; the old file stays as it was.
    WriteWholeFile(file, bytes, CheckedFileWriter::Leftovers::RemoveAll);
}

} // namespace tavorin
