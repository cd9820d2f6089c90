#include "html/wizardpage.h"

#include "app/facades.h"
#include "html/bodydialog.h"
#include "html/formattags.h"
#include "html/linktags.h"
#include "html/metatags.h"
#include "html/pageskeleton.h"
#include "html/tagreaders.h"
#include "html/valuehelpers.h"
#include "settings/paths.h"
#include "settings/preferences.h"

namespace tavorin {

namespace {

const QString CrLf = QStringLiteral("\r\n");
const QString CrLf2 = QStringLiteral("\r\n\r\n");

// A part between its start and end comments, each on a line of its own with
// a blank line around the content.
QString section(const QString &name, const QString &content)
{
    return CrLf + CommentTag(QStringLiteral("Start Of ") + name) + CrLf2 + content + CrLf2
        + CommentTag(QStringLiteral("End Of ") + name) + CrLf2;
}

// A heading in the heading colour, when one is chosen.
QString colouredHeading(const QString &heading, const QString &colour)
{
    if (!HasValue(colour))
        return heading;
    return FontColourTag(CrLf + heading + CrLf, colour);
}

QString ruleBlock() { return section(QStringLiteral("Horizontal Rule"), QStringLiteral("<HR>")); }

QString bodyNote()
{
    return CommentTag(IndentLines(1, QStringLiteral(
                                         "\r\nStart Of Document Body Section\r\n\r\n"
                                         "This is the main section of the document that will contain the text to be\r\n"
                                         "displayed in the Web page, together with the HTML tags that control how\r\n"
                                         "the Web page will look. The BODY tag can also specify the colours and\r\n"
                                         "background image for the Web page, if required.\r\n")))
        + CrLf2;
}

QString headingImage(const WizardPageAnswers &answers)
{
    QString img = QStringLiteral("<IMG SRC=") + QuoteValue(answers.locations[HeadingImage].fileName);
    if (answers.headingImageSize) {
        img += QStringLiteral(" WIDTH=") + QuoteValue(QString::number(answers.headingImageSize->width()))
            + QStringLiteral(" HEIGHT=") + QuoteValue(QString::number(answers.headingImageSize->height()));
    }
    return section(QStringLiteral("Heading Image"), FormatTag(QStringLiteral("Centre"), img + u'>'));
}

QString headingText(const WizardPageAnswers &answers)
{
    const QString heading = HeadingTag(answers.heading, 1, Prefs().IndentCode, QStringLiteral("Center"));
    return section(QStringLiteral("Heading Text"), colouredHeading(heading, answers.headingColour));
}

QString textBlock(const QString &name, const QString &text)
{
    return section(name, QStringLiteral("<BR>") + CrLf + LinesToBreaks(text) + QStringLiteral("<P>"));
}

// A list of links under its name as a heading, one per line inside a
// BLOCKQUOTE; "" without links.
QString linkList(const QString &name, const QString &colour, const QStringList &links)
{
    if (links.isEmpty())
        return {};
    QString list;
    for (const QString &link : links)
        list += CrLf + link + QStringLiteral("<BR>");
    list += CrLf;
    return section(name, colouredHeading(HeadingTag(name, 2, Prefs().IndentCode, QString()), colour) + CrLf2
                             + FormatTag(QStringLiteral("Increase Indent"), list));
}

QStringList internetLinks(const WizardPageAnswers &answers)
{
    QStringList links;
    for (int i = 0; i < WizardLinkCount; ++i) {
        if (HasValue(answers.internetAddresses[i]))
            links << FileLink(QStringLiteral("http://") + answers.internetAddresses[i], answers.internetTexts[i],
                              QString(), QString());
    }
    return links;
}

QStringList fileLinks(const WizardPageAnswers &answers)
{
    QStringList links;
    for (int i = 0; i < WizardLinkCount; ++i) {
        const WizardLocation &location = answers.locations[FirstFileLink + i];
        if (HasValue(location.text))
            links << NamedLink(location.fileName, answers.fileTexts[i], QString(), QString());
    }
    return links;
}

QString ownerDetails(const WizardPageAnswers &answers)
{
    QString details;
    if (HasValue(answers.userName))
        details += answers.userName + QStringLiteral("<BR>") + CrLf;
    details += QStringLiteral("Send e-mail to ") + CrLf + MailtoLink(answers.emailAddress);
    return ruleBlock()
        + section(QStringLiteral("Owner Details & E-Mail Link"), FormatTag(QStringLiteral("Address"), CrLf + details + CrLf));
}

QString documentInfo(const WizardPageAnswers &answers)
{
    QString info;
    if (HasValue(answers.userName)) {
        info += QStringLiteral("Copyright &copy; ") + appClock().now().toString(QStringLiteral("yyyy")) + u' '
            + answers.userName + QStringLiteral("<BR>") + CrLf2;
    }
    info += QStringLiteral("Last updated") + CrLf2 + SmartDateField() + CrLf + QStringLiteral("at") + CrLf
        + SmartTimeField() + CrLf + QStringLiteral("<BR>") + CrLf2 + QStringLiteral("Produced with") + CrLf
        + HomePageLink();
    return section(QStringLiteral("Document Info"), FormatTag(QStringLiteral("Small"), CrLf2 + info + CrLf2));
}

} // namespace

QString BuildWizardPage(const WizardPageAnswers &answers)
{
    QString page = PageHeader(answers.pageTitle, true) + bodyNote();
    BodyOptions body;
    body.background = answers.locations[BackgroundImage].fileName;
    body.colours = answers.colours;
    page += BuildBody(body) + CrLf2;
    const bool hasImage = HasValue(answers.locations[HeadingImage].text);
    const bool hasHeading = HasValue(answers.heading);
    if (hasImage)
        page += headingImage(answers);
    if (hasHeading)
        page += headingText(answers);
    if (answers.headingRule && (hasImage || hasHeading))
        page += ruleBlock();
    if (HasValue(answers.introduction))
        page += textBlock(QStringLiteral("Introduction Text"), answers.introduction);
    page += linkList(QStringLiteral("Internet Links"), answers.headingColour, internetLinks(answers));
    page += linkList(QStringLiteral("Local Links"), answers.headingColour, fileLinks(answers));
    if (HasValue(answers.footer))
        page += textBlock(QStringLiteral("End Text"), answers.footer);
    if (answers.useEmail && !answers.emailAddress.trimmed().isEmpty())
        page += ownerDetails(answers);
    page += ruleBlock() + documentInfo(answers);
    return page + CrLf + QStringLiteral("</BODY>") + CrLf2 + CommentTag(QStringLiteral("End Of Document Body Section"))
        + CrLf2 + CrLf + QStringLiteral("</HTML>");
}

QString WizardFileName(const QString &location, bool lowerCase)
{
    if (location.trimmed().isEmpty())
        return {};
    const QString name = FileNameOf(location);
    return lowerCase ? name.toLower() : name;
}

QString WithoutHttpPrefix(const QString &address)
{
    const QString trimmed = address.trimmed();
    if (trimmed.startsWith(QStringLiteral("http://"), Qt::CaseInsensitive))
        return trimmed.mid(7);
    return address;
}

} // namespace tavorin
