#include "html/pageskeleton.h"

#include "app/facades.h"
#include "html/formattags.h"
#include "html/metatags.h"
#include "html/valuehelpers.h"
#include "settings/preferences.h"

namespace tavorin {

namespace {

const QString CrLf2 = QStringLiteral("\r\n\r\n");

QString commentBlock(const QString &text)
{
    return CommentTag(IndentLines(1, text));
}

QString introduction()
{
    const QString plus(63, u'+');
    return QStringLiteral("\r\n") + plus + CrLf2 + QStringLiteral("This HTML document was created by ")
        + QString::fromLatin1(ApplicationTitle) + QStringLiteral("'s Web page wizard.") + CrLf2
        + QStringLiteral("Below you will find comments that should help you to understand\r\n"
                         "what each part of this document does.")
        + CrLf2 + plus + QStringLiteral("\r\n");
}

QString headSectionNote()
{
    return QStringLiteral("\r\nStart Of Document Head Section\r\n\r\n"
                          "This section contains information about the document such as its title\r\n"
                          "and the name of the software used to produce it.\r\n");
}

const QString MainContentPrompt = QStringLiteral("Your main content starts here");

} // namespace

QString PageHeader(const QString &title, bool withComments)
{
    QString page = QStringLiteral("<HTML>") + CrLf2;
    if (withComments) {
        page += commentBlock(introduction()) + QStringLiteral("\r\n\r\n\r\n");
        page += commentBlock(headSectionNote()) + CrLf2;
    }
    page += QStringLiteral("<HEAD>") + CrLf2;
    page += MetaContentType() + CrLf2;
    page += MetaGenerator() + CrLf2;
    page += TitleTag(title.isEmpty() ? QStringLiteral("An Untitled Web Page") : title);
    page += CrLf2 + QStringLiteral("</HEAD>") + CrLf2;
    if (withComments)
        page += CommentTag(QStringLiteral("End Of Document Head Section")) + CrLf2;
    return page + QStringLiteral("\r\n");
}

NewPage NewPageText(bool prompt)
{
    const QString head = PageHeader(QString(), false) + QStringLiteral("<BODY>\r\n");
    const QString body = prompt ? MainContentPrompt + QStringLiteral("\r\n") : CrLf2;
    NewPage page;
    page.text = head + body + CrLf2 + CrLf2 + CrLf2 + CrLf2 + QStringLiteral("</BODY>") + CrLf2
        + QStringLiteral("</HTML>");
    page.selection = TextRange{head.size(), prompt ? MainContentPrompt.size() : 0};
    return page;
}

NewPage NewPageText()
{
    return NewPageText(Prefs().Prompt);
}

} // namespace tavorin
