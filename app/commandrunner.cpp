#include "app/commandrunner.h"

#include "app/facades.h"
#include "html/insertstate.h"

namespace tavorin {

QString UnknownCommandMessage(const QString &commandText)
{
    const QString title = QString::fromLatin1(ApplicationTitle);
    return QStringLiteral("Sorry, but you've found a bug in this software.\r\n\r\n")
           + QStringLiteral("The function call \"") + commandText + QStringLiteral("\" is not recognised, so ")
           + title + QStringLiteral(" cannot proceed.\r\n\r\n")
           + QStringLiteral("If you are using the latest version of this software, please contact the author "
                            "by E-Mail with details of this problem and it will be fixed as soon as possible. ")
           + QStringLiteral("Otherwise, please obtain the latest version of ") + title + u'.';
}

void RunCommand(const QString &commandText, const QString &argument)
{
    Q_UNUSED(argument);
    InsertCancelled = false;
    MsgBox(UnknownCommandMessage(commandText), MessageButtons::Ok, MessageIcon::Critical);
    InsertCancelled = true;
}

} // namespace tavorin
