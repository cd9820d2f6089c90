#include "html/findreplace.h"

#include "app/facades.h"

#include <QStringMatcher>

namespace tavorin {

namespace {

Qt::CaseSensitivity sensitivity(bool matchCase)
{
    return matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

QString finishedPrefix()
{
    return QString::fromLatin1(ApplicationTitle) + QStringLiteral(" has finished searching the document. ");
}

} // namespace

SearchState &FindState()
{
    static SearchState state;
    return state;
}

qsizetype FindNextMatch(const QString &text, qsizetype selStart, const SearchState &state)
{
    const QString &find = state.findText;
    if (find.isEmpty() || selStart < 0 || selStart > text.size())
        return -1;
    const Qt::CaseSensitivity cs = sensitivity(state.matchCase);
    if (state.direction == SearchDirection::Down) {
        const bool repeated = !state.firstSearch && selStart == state.lastFoundPosition;
        const qsizetype from = selStart + (repeated ? 1 : 0);
        return from > text.size() ? -1 : text.indexOf(find, from, cs);
    }
    // Upwards, every match that begins before the selection counts, the one
    // just before it included; the current match begins at selStart itself,
    // so a repeated search moves on to the previous one.
    if (selStart == 0)
        return -1;
    return text.lastIndexOf(find, selStart - 1, cs);
}

qsizetype SearchOnce(const QString &text, qsizetype selStart, SearchState &state)
{
    const qsizetype match = FindNextMatch(text, selStart, state);
    state.lastFoundPosition = match >= 0 ? match : selStart;
    state.firstSearch = false;
    return match;
}

bool SelectionMatches(const QString &selection, const QString &findText, bool matchCase)
{
    return selection.compare(findText, sensitivity(matchCase)) == 0;
}

ReplaceAllResult ReplaceAllMatches(const QString &text, const QString &findText, const QString &replacement,
                                   bool matchCase)
{
    ReplaceAllResult result;
    if (findText.isEmpty())
        return {text, 0};
    const QStringMatcher matcher(findText, sensitivity(matchCase));
    qsizetype match = matcher.indexIn(text, 0);
    if (match < 0)
        return {text, 0};
    // Pieces are appended to one growing text, so the work is linear in the
    // length of the document whatever the number of matches.
    QString &out = result.text;
    out.reserve(text.size() + (replacement.size() > findText.size() ? text.size() / 8 : 0));
    qsizetype copied = 0;
    while (match >= 0) {
        out.append(QStringView(text).mid(copied, match - copied));
        out.append(replacement);
        copied = match + findText.size();
        ++result.count;
        match = matcher.indexIn(text, copied);
    }
    out.append(QStringView(text).mid(copied));
    return result;
}

QString SearchItemNotFoundMessage()
{
    return finishedPrefix() + QStringLiteral("The search item was not found.");
}

QString ChangesMadeMessage(qsizetype count)
{
    return finishedPrefix() + QString::number(count)
           + (count == 1 ? QStringLiteral(" change was made.") : QStringLiteral(" changes were made."));
}

} // namespace tavorin
