#include "settings/userinformation.h"

#include "app/textrules.h"
#include "settings/preferences.h"
#include "settings/settingsstore.h"

#include <QProcess>
#include <QStandardPaths>

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

// git is asked without a shell and given little time: a hung or slow git
// must not hold up the start of the program.
constexpr int GitMilliseconds = 3000;

} // namespace

QString AccountFullName()
{
#ifdef Q_OS_UNIX
    if (const passwd *entry = getpwuid(getuid()); entry && entry->pw_gecos)
        return TrimSpaces(QString::fromLocal8Bit(entry->pw_gecos).section(u',', 0, 0));
#endif
    return QString();
}

QString GitUserEmail()
{
    const QString git = QStandardPaths::findExecutable(QStringLiteral("git"));
    if (git.isEmpty())
        return QString();
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(git, {QStringLiteral("config"), QStringLiteral("--global"), QStringLiteral("user.email")});
    if (!process.waitForStarted())
        return QString();
    if (!process.waitForFinished(GitMilliseconds)) {
        process.kill();
        process.waitForFinished(100);
        return QString();
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput()).section(u'\n', 0, 0).trimmed();
}

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
            record.UserName = AccountFullName();
        if (record.UserName.isEmpty())
            record.UserName = LoggedOnUserName();
    }
    if (record.UserEmailAddress.isEmpty()) {
        record.UserEmailAddress = FallbackValue(QStringLiteral("Reply_To"));
        if (record.UserEmailAddress.isEmpty())
            record.UserEmailAddress = GitUserEmail();
    }
    if (record.UserCompanyName.isEmpty())
        record.UserCompanyName = FallbackValue(QStringLiteral("User_Organization"));
}

} // namespace tavorin
