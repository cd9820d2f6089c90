#include "app/textrules.h"

#include <algorithm>

namespace tavorin {

QString TrimLeadingSpaces(QStringView text)
{
    qsizetype start = 0;
    while (start < text.size() && text[start] == u' ')
        ++start;
    return text.mid(start).toString();
}

QString TrimTrailingSpaces(QStringView text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    return text.left(end).toString();
}

QString TrimSpaces(QStringView text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == u' ')
        ++start;
    while (end > start && text[end - 1] == u' ')
        --end;
    return text.mid(start, end - start).toString();
}

bool IsBlank(QStringView text)
{
    for (QChar c : text) {
        if (c != u' ')
            return false;
    }
    return true;
}

long long LeadingNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    long long value = 0;
    constexpr long long limit = 1'000'000'000'000'000LL;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
        if (value < limit)
            value = value * 10 + (text[i].unicode() - u'0');
        ++i;
    }
    return negative ? -value : value;
}

int LeadingNumberWithin(QStringView text, int low, int high)
{
    return int(std::clamp<long long>(LeadingNumber(text), low, high));
}

bool EqualNoCase(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool StartsWithNoCase(QStringView text, QStringView prefix)
{
    return text.startsWith(prefix, Qt::CaseInsensitive);
}

bool EndsWithNoCase(QStringView text, QStringView suffix)
{
    return text.endsWith(suffix, Qt::CaseInsensitive);
}

QString LowerSameLength(QStringView text)
{
    QString result = text.toString();
    for (QChar &c : result)
        c = c.toLower();
    return result;
}

QString UpperSameLength(QStringView text)
{
    QString result = text.toString();
    for (QChar &c : result)
        c = c.toUpper();
    return result;
}

namespace {

// The first position from which the text's line breaks are not all "\r\n".
qsizetype FirstLoneBreak(QStringView text)
{
    qsizetype i = 0;
    while (true) {
        const qsizetype hit = QStringView(text).mid(i).indexOf(u'\n');
        const qsizetype cr = QStringView(text).mid(i).indexOf(u'\r');
        if (hit < 0 && cr < 0)
            return -1;
        if (cr < 0 || (hit >= 0 && hit < cr))
            return i + hit; // a line feed without its carriage return
        const qsizetype at = i + cr;
        if (at + 1 >= text.size() || text[at + 1] != u'\n')
            return at;
        i = at + 2;
    }
}

} // namespace

QString NormaliseLineBreaks(QStringView text)
{
    const qsizetype first = FirstLoneBreak(text);
    if (first < 0)
        return text.toString();
    QString result;
    result.reserve(text.size() + text.size() / 32);
    result.append(text.left(first));
    qsizetype runStart = first;
    for (qsizetype i = first; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        result.append(text.mid(runStart, i - runStart));
        result.append(u"\r\n");
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        runStart = i + 1;
    }
    result.append(text.mid(runStart));
    return result;
}

QString NormaliseLineBreaks(const QString &text)
{
    // Text whose breaks are all "\r\n" comes back shared, without a copy.
    return FirstLoneBreak(text) < 0 ? text : NormaliseLineBreaks(QStringView(text));
}

} // namespace tavorin
