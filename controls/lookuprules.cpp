#include "controls/lookuprules.h"

#include "app/textrules.h"

#include <algorithm>

namespace tavorin {

namespace {

int compareNoCase(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive);
}

} // namespace

QString DefaultEntryText(DefaultEntry entry)
{
    switch (entry) {
    case DefaultEntry::None:
        return QStringLiteral("(none)");
    case DefaultEntry::Default:
        return QStringLiteral("(default)");
    case DefaultEntry::Http:
        return QStringLiteral("http://");
    case DefaultEntry::Nothing:
        break;
    }
    return {};
}

bool LookupRefuses(QChar c, const QString &illegalChar)
{
    return c == u'"' || c == u'<' || c == u'>' || (!illegalChar.isEmpty() && c == illegalChar.front());
}

bool LookupRefusesText(const QString &text, const QString &illegalChar)
{
    return std::any_of(text.begin(), text.end(), [&illegalChar](QChar c) { return LookupRefuses(c, illegalChar); });
}

qsizetype SortedInsertIndex(const QStringList &list, const QString &item)
{
    const auto at = std::upper_bound(list.begin(), list.end(), item,
                                     [](const QString &a, const QString &b) { return compareNoCase(a, b) < 0; });
    return at - list.begin();
}

std::optional<Completion> CompleteLookup(const QStringList &sortedList, const QString &text, qsizetype selStart,
                                         qsizetype selLength, QChar typed)
{
    if (typed.unicode() < 32 || typed.unicode() > 127 || selStart + selLength < text.size())
        return std::nullopt;
    const QString shown = text.left(selStart) + typed;
    Completion result{shown, shown.size(), 0};
    for (const QString &entry : sortedList) {
        if (StartsWithNoCase(entry, shown)) {
            result.text = entry;
            result.selLength = entry.size() - shown.size();
            break;
        }
        if (compareNoCase(entry, shown) > 0)
            break;
    }
    return result;
}

QString LostFocusText(const QStringList &sortedList, const QString &text, const QString &defaultText,
                      bool matchCase)
{
    if (!matchCase || sortedList.isEmpty())
        return text;
    if (IsBlank(text))
        return defaultText;
    for (const QString &entry : sortedList) {
        if (EqualNoCase(entry, text))
            return entry;
        if (compareNoCase(entry, text) > 0)
            break;
    }
    return text;
}

} // namespace tavorin
