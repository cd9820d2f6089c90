#include "html/valuehelpers.h"

#include "app/facades.h"
#include "app/textrules.h"

namespace tavorin {

namespace {

const QString LineBreak = QStringLiteral("\r\n");

// One code point of the text: its value and how many UTF-16 units it takes.
struct CodePoint {
    char32_t value;
    qsizetype units;
};

CodePoint codePointAt(const QString &text, qsizetype i)
{
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        return {QChar::surrogateToUcs4(c, text[i + 1]), 2};
    return {c.unicode(), 1};
}

// Writes the code point back only when it takes as many units as the one it
// replaces, so a case change never moves any later character.
void putCodePoint(QString &text, qsizetype i, const CodePoint &old, char32_t value)
{
    const qsizetype units = QChar::requiresSurrogates(value) ? 2 : 1;
    if (units != old.units)
        return;
    if (units == 1) {
        text[i] = QChar(value);
    } else {
        text[i] = QChar(QChar::highSurrogate(value));
        text[i + 1] = QChar(QChar::lowSurrogate(value));
    }
}

} // namespace

bool HasValue(QStringView text)
{
    const QString trimmed = TrimSpaces(text);
    return !trimmed.isEmpty() && !EqualNoCase(trimmed, u"(default)") && !EqualNoCase(trimmed, u"(none)");
}

QString QuoteValue(const QString &text)
{
    const QString trimmed = TrimSpaces(text);
    return u'"' + (trimmed.isEmpty() ? text : trimmed) + u'"';
}

QString IndentLines(int count, const QString &text)
{
    if (count <= 0)
        return text;
    const QString tabs(count, u'\t');
    QString result;
    result.reserve(text.size() + text.size() / 8 + count);
    bool lineStart = true;
    for (const QChar c : text) {
        if (lineStart && c != u'\r')
            result += tabs;
        result += c;
        lineStart = c == u'\n';
    }
    return result;
}

QString WrapInLineBreaks(const QString &text)
{
    QString result = text;
    if (!result.startsWith(LineBreak))
        result.prepend(LineBreak);
    if (!result.endsWith(LineBreak))
        result.append(LineBreak);
    return result;
}

QString CrLfToSpace(const QString &text)
{
    QString result = text;
    return result.replace(LineBreak, QStringLiteral(" "));
}

QString GetListItem(const QString &list, int n)
{
    if (n < 1)
        return {};
    const QStringList items = list.split(u',');
    if (n > items.size())
        return {};
    return TrimSpaces(items[n - 1]);
}

QString TitleCase(const QString &text)
{
    QString result = text;
    // A combining mark belongs to the letter before it, so the letter after
    // "é" written as "e" + accent still continues the word.
    bool afterWordCharacter = false;
    for (qsizetype i = 0; i < result.size();) {
        const CodePoint cp = codePointAt(result, i);
        const bool letter = QChar::isLetter(cp.value);
        if (letter && !afterWordCharacter)
            putCodePoint(result, i, cp, QChar::toTitleCase(cp.value));
        else
            putCodePoint(result, i, cp, QChar::toLower(cp.value));
        afterWordCharacter = letter || cp.value == U'\''
            || (afterWordCharacter && QChar::isMark(cp.value));
        i += cp.units;
    }
    return result;
}

QString DecreaseIndent(const QString &text)
{
    QString result = LineBreak + text;
    result.replace(QStringLiteral("\r\n\t"), LineBreak);
    result = TrimSpaces(QStringView(result).mid(2));
    const QString open = QStringLiteral("<BLOCKQUOTE>");
    const QString close = QStringLiteral("</BLOCKQUOTE>");
    if (StartsWithNoCase(result, open)) {
        result.remove(0, open.size());
        if (result.startsWith(LineBreak))
            result.remove(0, LineBreak.size());
    }
    if (EndsWithNoCase(result, close))
        result.chop(close.size());
    return result;
}

QString RemoveAllTags(const QString &text)
{
    QString source = text;
    source.remove(u'\t');
    QString result;
    result.reserve(source.size());
    bool contentSeen = false;
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source[i];
        if (c == u'<') {
            const qsizetype end = source.indexOf(u'>', i + 1);
            if (end >= 0) {
                i = end;
                contentSeen = false;
                continue;
            }
        }
        if (c == u'\r' || c == u'\n') {
            if (contentSeen)
                result += c;
        } else {
            result += c;
            contentSeen = true;
        }
    }
    return result;
}

QString ApostropheToBacktick(const QString &text)
{
    QString result = text;
    return result.replace(u'\'', u'`');
}

QString RequiredEntryMessage(const QString &what)
{
    return QStringLiteral("Please ") + what + u'.';
}

bool RequireValue(const QString &text, const QString &what)
{
    return HasValue(text) || ReportRequiredEntry(what);
}

bool ReportRequiredEntry(const QString &what)
{
    MsgBox(RequiredEntryMessage(what), MessageButtons::Ok, MessageIcon::Exclamation,
           QStringLiteral("Information Required"));
    return false;
}

QStringList AlignValues()
{
    return {QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Center")};
}

QStringList VAlignValues()
{
    return {QStringLiteral("Baseline"), QStringLiteral("Bottom"), QStringLiteral("Middle"),
            QStringLiteral("Top")};
}

QStringList TargetValues()
{
    return {QStringLiteral("_blank"), QStringLiteral("_parent"), QStringLiteral("_self"),
            QStringLiteral("_top")};
}

bool DigitsOnlyKeyAccepted(int keyCode)
{
    constexpr int Backspace = 8, Copy = 3, Paste = 22, Cut = 24, Undo = 26;
    return (keyCode >= '0' && keyCode <= '9') || keyCode == Backspace || keyCode == Copy
        || keyCode == Paste || keyCode == Cut || keyCode == Undo;
}

int DigitsOnlyKey(int keyCode)
{
    if (keyCode == 0 || DigitsOnlyKeyAccepted(keyCode))
        return keyCode;
    beeper().beep();
    return 0;
}

bool NoQuoteKeyAccepted(int keyCode)
{
    return keyCode != '"';
}

int NoQuoteKey(int keyCode)
{
    if (NoQuoteKeyAccepted(keyCode))
        return keyCode;
    beeper().beep();
    return 0;
}

} // namespace tavorin
