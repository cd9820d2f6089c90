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

QString refreshFields(QString text, const FieldKind &kind)
{
    const QString fresh = kind.startMarker + kind.freshValue + kind.endMarker;
    qsizetype from = 0;
    for (;;) {
        const qsizetype start = text.indexOf(kind.startMarker, from, Qt::CaseSensitive);
        if (start < 0)
            break;
        const qsizetype end = text.indexOf(kind.endMarker, start + kind.startMarker.size(), Qt::CaseSensitive);
        if (end >= 0 && end - start < FieldReach) {
            const qsizetype oldLength = end - start + kind.endMarker.size();
            const QStringView old = QStringView(text).mid(start, oldLength);
            if (!old.contains(u'\r') && !old.contains(u'\n')) {
                text.replace(start, oldLength, fresh);
                // Go on behind the field just written: a fresh value that holds
                // a start marker of its own kind must not be refreshed again.
                from = start + fresh.size();
                continue;
            }
        }
        from = start + 1;
    }
    return text;
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
        result = refreshFields(std::move(result), kind);
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
