#include "controls/selboxrules.h"

#include <algorithm>

namespace tavorin {

namespace {

bool refusedByStyle(QChar c, const BoxRules &rules)
{
    if (rules.style == BoxStyle::DigitsOnly)
        return c < u'0' || c > u'9';
    if (c == u'"' && !rules.allowQuote)
        return true;
    return (c == u'<' || c == u'>') && rules.style != BoxStyle::TagText;
}

QString inPathStyle(QString text, const BoxRules &rules)
{
    return rules.style == BoxStyle::Path ? text.replace(u'\\', u'/') : text;
}

} // namespace

BoxInput TypedIntoBox(QChar typed, const BoxRules &rules)
{
    if (refusedByStyle(typed, rules))
        return {true, {}};
    return {false, inPathStyle(QString(typed), rules)};
}

BoxInput PastedIntoBox(const QString &pasted, const BoxRules &rules)
{
    const bool refused = rules.style == BoxStyle::DigitsOnly
                             ? !IsDigitsText(pasted)
                             : std::any_of(pasted.begin(), pasted.end(),
                                           [&rules](QChar c) { return refusedByStyle(c, rules); });
    if (refused)
        return {true, {}};
    return {false, inPathStyle(pasted, rules)};
}

bool PasteWillBeCut(qsizetype pastedLength, int maxLength)
{
    return maxLength >= 1 && pastedLength > maxLength;
}

bool IsDigitsText(const QString &text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QString ChangedBoxText(const QString &text, BoxStyle style)
{
    if (style == BoxStyle::DigitsOnly && !text.isEmpty() && !IsDigitsText(text))
        return {};
    return text;
}

} // namespace tavorin
