#include "html/smartupdate.h"

#include "app/facades.h"
#include "app/textrules.h"
#include "html/datetimeformat.h"
#include "html/metatags.h"
#include "settings/preferences.h"

using namespace Qt::StringLiterals;

namespace tavorin {

namespace {

// From the start of the start marker to the start of the end marker: 15
// characters of marker and at most 64 of old value.
constexpr qsizetype FieldReach = 80;

struct FieldKind {
    QString startMarker;
    QString endMarker;
    QString freshValue;
};

// Refreshes every field of one kind in a single scan. The result is built
// piece by piece (text up to a field, the fresh field) and the search for an
// end marker looks only as far as a field may reach, so the cost grows with
// the length of the text, not with its square. The scan goes on behind each
// field it writes: a fresh value that holds a start marker of its own kind
// is not refreshed again.
QString RefreshFields(const QString &text, const FieldKind &kind)
{
    const QStringView view(text);
    const qsizetype startLength = kind.startMarker.size();
    const qsizetype endLength = kind.endMarker.size();
    // An end marker may begin from just behind the start marker up to the
    // last position within the reach.
    const qsizetype endWindow = FieldReach - startLength + endLength - 1;
    const QString fresh = kind.startMarker + kind.freshValue + kind.endMarker;
    QString result;
    qsizetype copied = 0; // text before this position is in result
    qsizetype from = 0;
    for (;;) {
        const qsizetype start = view.indexOf(kind.startMarker, from, Qt::CaseSensitive);
        if (start < 0)
            break;
        const qsizetype valueStart = start + startLength;
        const qsizetype inWindow = view.mid(valueStart, endWindow).indexOf(kind.endMarker, 0, Qt::CaseSensitive);
        if (inWindow >= 0) {
            const qsizetype fieldEnd = valueStart + inWindow + endLength;
            const QStringView old = view.sliced(start, fieldEnd - start);
            if (!old.contains(u'\r') && !old.contains(u'\n')) {
                if (result.isNull())
                    result.reserve(text.size() + text.size() / 8 + fresh.size());
                result.append(view.sliced(copied, start - copied));
                result.append(fresh);
                copied = from = fieldEnd;
                continue;
            }
        }
        from = start + 1;
    }
    if (result.isNull())
        return text;
    result.append(view.sliced(copied));
    return result;
}
} // namespace

QString SmartUpdate(const QString &text, const QDateTime &moment, const QString &dateFormat,
                    const QString &timeFormat)
{
    const FieldKind kinds[] = {
        {u"<!-- %DATE% -->"_s, u"<!-- %/DATE% -->"_s, FormatDateTime(moment, dateFormat)},
        {u"<!-- %TIME% -->"_s, u"<!-- %/TIME% -->"_s, FormatDateTime(moment, timeFormat)},
        {u"<!-- %YEAR% -->"_s, u"<!-- %/YEAR% -->"_s, FormatDateTime(moment, u"yyyy"_s)},
    };
    QString result = text;
    for (const FieldKind &kind : kinds)
        result = RefreshFields(result, kind);
    return result;
}

QString SmartUpdate(const QString &text)
{
    // The same patterns as the smart-field inserts, so a refreshed field
    // reads like a freshly inserted one.
    const auto patternOr = [](const QString &pattern, const char *fallback) {
        return IsBlank(pattern) ? QString::fromLatin1(fallback) : pattern;
    };
    return SmartUpdate(text, appClock().now(), patternOr(Prefs().DateFormat, DefaultDateFormat),
                       patternOr(Prefs().TimeFormat, DefaultTimeFormat));
}

} // namespace tavorin
