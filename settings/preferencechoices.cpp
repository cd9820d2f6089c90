#include "settings/preferencechoices.h"

#include "app/textrules.h"
#include "settings/files.h"
#include "settings/settingsstore.h"

#include <algorithm>
#include <climits>
#include <tuple>

namespace tavorin {

QStringList DateFormatChoices()
{
    return {QStringLiteral("dddd, d mmmm yyyy"), QStringLiteral("dddd d mmmm yyyy"), QStringLiteral("d mmmm yyyy"),
            QStringLiteral("d mmm yyyy"),        QStringLiteral("ddddd"),            QStringLiteral("dddddd"),
            QStringLiteral("dd/mm/yy"),          QStringLiteral("dd-mm-yy"),         QStringLiteral("d mmmm"),
            QStringLiteral("mmmm yyyy"),         QStringLiteral("mm/dd/yy"),         QStringLiteral("mm-dd-yy")};
}

QStringList TimeFormatChoices()
{
    return {QStringLiteral("hh:nn"),          QStringLiteral("hh:nn AMPM"),      QStringLiteral("hh:nn AM/PM"),
            QStringLiteral("hh:nn am/pm"),    QStringLiteral("hh:nn:ss AMPM"),   QStringLiteral("hh:nn:ss AM/PM"),
            QStringLiteral("hh:nn:ss am/pm"), QStringLiteral("h:nn"),            QStringLiteral("h:nn AMPM"),
            QStringLiteral("h:nn AM/PM"),     QStringLiteral("h:nn am/pm"),      QStringLiteral("hh:nn:ss"),
            QStringLiteral("h:nn:ss AMPM"),   QStringLiteral("h:nn:ss AM/PM"),   QStringLiteral("h:nn:ss am/pm")};
}

DisplaySettings DisplayOf(const Preferences &prefs)
{
    return {{prefs.BackColour, prefs.TextColour, prefs.TagColour, prefs.CommentColour, prefs.SmartColour},
            prefs.FontName,
            prefs.FontSize,
            prefs.FontBold,
            prefs.FontItalic,
            prefs.Highlighting};
}

void StoreDisplay(const DisplaySettings &display, Preferences &prefs)
{
    std::tie(prefs.BackColour, prefs.TextColour, prefs.TagColour, prefs.CommentColour, prefs.SmartColour)
        = std::tuple(display.colours[0], display.colours[1], display.colours[2], display.colours[3],
                     display.colours[4]);
    prefs.FontName = display.fontName;
    prefs.FontSize = display.fontSize;
    prefs.FontBold = display.bold;
    prefs.FontItalic = display.italic;
}

DisplaySettings RestoredDisplay(const DisplaySettings &current)
{
    return {{16777215, 0, 16721960, 8421376, 33023}, QStringLiteral("MS Sans Serif"), 10, false, false,
            current.highlighting};
}

QString DisplaySampleText()
{
    return QStringLiteral("<HTML TAG>Normal text</HTML TAG>\r\n<!-- HTML Comment -->\r\n<!-- %SMART FIELD% -->");
}

QString NumberedLine(int number, const QString &name)
{
    return QString::number(number) + QStringLiteral(": ") + name;
}

QString ActiveBrowserText(int number)
{
    return number == 0 ? QStringLiteral("(default)") : QStringLiteral("Browser ") + QString::number(number);
}

int ActiveBrowserNumber(const QString &text)
{
    if (text.isEmpty() || EqualNoCase(text, u"(default)") || !text.back().isDigit())
        return 0;
    return text.back().digitValue();
}

QString TemplateProblem(const QString &location)
{
    if (FileExists(location))
        return {};
    if (location.isEmpty())
        return QStringLiteral("Please enter the path of the template to be used.");
    const QString crlf = QString::fromLatin1(CrLf);
    return u'(' + location + u')' + crlf + crlf + QStringLiteral("This template file does not exist.");
}

QStringList RecentTemplates()
{
    QStringList templates;
    for (int i = 1; i <= 9; ++i) {
        const QString entry = ReadSetting(QStringLiteral("Recent Lists\\Templates"),
                                          QStringLiteral("Template ") + QString::number(i));
        if (!entry.isEmpty())
            templates.append(entry);
    }
    return templates;
}

int TabStopsFromText(const QString &text)
{
    return LeadingNumberWithin(text, 0, INT_MAX);
}

} // namespace tavorin
