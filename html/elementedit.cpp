#include "html/elementedit.h"

#include "app/textrules.h"
#include "html/valuehelpers.h"

namespace tavorin {

using namespace Qt::StringLiterals;

QString OpeningTagOf(const QString &text)
{
    const qsizetype close = text.indexOf(u'>');
    return close > 0 ? text.left(close + 1) : QString();
}

QString ReplaceOpeningTag(const QString &text, const QString &openingTag, const QString &newTag)
{
    // The spaces in front belong to the layout around the element, not to its tag.
    const qsizetype spaces = qMin(text.size() - TrimLeadingSpaces(text).size(), openingTag.size());
    return text.left(spaces) + newTag + text.mid(openingTag.size());
}

QString WrapInElement(const QString &newTag, const QString &tagName, const QString &text, bool indent)
{
    return newTag + u"\r\n"_s + (indent ? IndentLines(1, text) : text) + u"\r\n</"_s + tagName + u'>';
}

} // namespace tavorin
