#include "html/quicktable.h"

#include "app/textrules.h"
#include "html/formattags.h"
#include "html/promptedinserts.h"

#include <algorithm>

namespace tavorin {

using namespace Qt::StringLiterals;

namespace {

// The part wrapped as the table element name, between banners when asked.
QString tablePart(const QString &element, const QString &text, bool comments, const QString &banner)
{
    const QString part = FormatTag(element, text);
    return comments ? SectionBanner(banner, part) : part;
}

} // namespace

int QuickTableCount(const QString &typed)
{
    return LeadingNumberWithin(typed, 1, 99);
}

QString BuildQuickTable(const QuickTableOptions &options)
{
    const QString blankLine = u"\r\n\r\n"_s;
    QString table;
    for (int r = 1; r <= options.rows; ++r) {
        QString row;
        for (int c = 1; c <= options.columns; ++c)
            row += FormatTag(u"Table Data Cell"_s, r == 1 && c == 1 ? options.selectedText : QString()) + u"\r\n"_s;
        table += tablePart(u"Table Row"_s, row, options.comments, u"Table Row "_s + QString::number(r)) + blankLine;
    }
    table.prepend(blankLine);
    if (!IsBlank(options.caption))
        table.prepend(blankLine + tablePart(u"Table Caption"_s, options.caption, options.comments, u"Table Caption"_s));
    return tablePart(u"Table Block"_s, table, options.comments, u"Table Block"_s);
}

} // namespace tavorin
