#include "html/elementedit.h"

#include "html/valuehelpers.h"
#include "settings/preferences.h"

namespace tavorin {

namespace {

// Where the opening tag starts and ends (after its ">"); both -1 without "<".
std::pair<qsizetype, qsizetype> openingTagSpan(const QString &text)
{
    const qsizetype start = text.indexOf(u'<');
    if (start < 0)
        return {-1, -1};
    const qsizetype close = text.indexOf(u'>', start);
    return {start, close < 0 ? text.size() : close + 1};
}

} // namespace

QString OpeningTagOf(const QString &text)
{
    const auto [start, end] = openingTagSpan(text);
    return start < 0 ? QString() : text.mid(start, end - start);
}

QString ReplaceOrWrapElement(const QString &opening, const QString &text, bool sameKind, const QString &tag)
{
    if (sameKind) {
        const auto [start, end] = openingTagSpan(text);
        return start < 0 ? opening + text : text.left(start) + opening + text.mid(end);
    }
    const QString content = Prefs().IndentCode ? IndentLines(1, text) : text;
    return opening + QStringLiteral("\r\n") + content + QStringLiteral("\r\n</") + tag + u'>';
}

} // namespace tavorin
