#include "html/metatags.h"

#include "app/facades.h"
#include "app/textrules.h"
#include "html/datetimeformat.h"
#include "html/valuehelpers.h"
#include "settings/preferences.h"

namespace tavorin {

namespace {

// A blank pattern would insert nothing at all; the default keeps the
// insert meaningful until the user chooses a pattern.
QString patternOr(const QString &pattern, const char *fallback)
{
    return IsBlank(pattern) ? QString::fromLatin1(fallback) : pattern;
}

QString now(const QString &pattern)
{
    return FormatDateTime(appClock().now(), pattern);
}

} // namespace

QString MetaContentType()
{
    return QStringLiteral("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=ISO-8859-1\">");
}

QString MetaGenerator()
{
    return QStringLiteral("<META NAME=\"Generator\" CONTENT=")
        + QuoteValue(QString::fromLatin1(ApplicationTitle) + u' ' + QString::fromLatin1(ApplicationVersion))
        + u'>';
}

QString FormattedDate()
{
    return now(patternOr(Prefs().DateFormat, DefaultDateFormat));
}

QString FormattedTime()
{
    return now(patternOr(Prefs().TimeFormat, DefaultTimeFormat));
}

QString FormattedDateTime()
{
    return FormattedDate() + u' ' + FormattedTime();
}

QString SmartDateField()
{
    return QStringLiteral("<!-- %DATE% -->") + FormattedDate() + QStringLiteral("<!-- %/DATE% -->");
}

QString SmartTimeField()
{
    return QStringLiteral("<!-- %TIME% -->") + FormattedTime() + QStringLiteral("<!-- %/TIME% -->");
}

QString SmartYearField()
{
    return QStringLiteral("<!-- %YEAR% -->") + now(QStringLiteral("yyyy")) + QStringLiteral("<!-- %/YEAR% -->");
}

} // namespace tavorin
