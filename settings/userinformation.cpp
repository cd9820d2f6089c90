#include "settings/userinformation.h"

#include "settings/preferences.h"
#include "settings/settingsstore.h"

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace tavorin {

namespace {

// Details a Web browser of old kept for the same user.
const QString FallbackKey = QStringLiteral("Software\\Netscape\\Netscape Navigator\\User");

QString FallbackValue(const QString &name)
{
    return ReadRegString(RegistryRoot::CurrentUser, FallbackKey, name);
}

} // namespace

QString LoggedOnUserName()
{
#ifdef Q_OS_UNIX
    if (const passwd *entry = getpwuid(getuid()); entry && entry->pw_name && *entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
#endif
    // Without an account entry (a container, say) the environment knows.
    for (const char *variable : {"USER", "LOGNAME", "USERNAME"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return name;
    }
    return QString();
}

void LoadUserInformation()
{
    Preferences &record = Prefs();
    const QString section = QStringLiteral("User Information");
    record.UserName = ReadSetting(section, QStringLiteral("UserName"));
    record.UserEmailAddress = ReadSetting(section, QStringLiteral("UserEmailAddress"));
    record.UserHomePage = ReadSetting(section, QStringLiteral("UserHomePage"));
    record.UserCompanyName = ReadSetting(section, QStringLiteral("UserCompanyName"));

    if (record.UserName.isEmpty()) {
        record.UserName = FallbackValue(QStringLiteral("User_Name"));
        if (record.UserName.isEmpty())
            record.UserName = LoggedOnUserName();
    }
    if (record.UserEmailAddress.isEmpty())
        record.UserEmailAddress = FallbackValue(QStringLiteral("Reply_To"));
    if (record.UserCompanyName.isEmpty())
        record.UserCompanyName = FallbackValue(QStringLiteral("User_Organization"));
}

} // namespace tavorin
