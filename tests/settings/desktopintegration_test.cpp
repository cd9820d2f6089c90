// "Edit with Tavorin": the desktop entry written into and removed from the
// user's applications folder, as the desktop's validator sees it; the user
// details taken from the account and from git; the system information tool.

#include "settings/desktopintegration.h"
#include "settings/preferences.h"
#include "settings/settingsstore.h"
#include "settings/systeminformation.h"
#include "settings/userinformation.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testenvironment.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {

// PATH for one test: only the folder given.
class PathOverride {
public:
    explicit PathOverride(const QString &folder) : m_old(qgetenv("PATH")) { qputenv("PATH", folder.toLocal8Bit()); }
    ~PathOverride() { qputenv("PATH", m_old); }
    Q_DISABLE_COPY_MOVE(PathOverride)

private:
    QByteArray m_old;
};

} // namespace

class DesktopIntegrationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void execArguments_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("argument");
        QTest::newRow("plain path") << u"/usr/bin/tavorin"_s << u"/usr/bin/tavorin"_s;
        QTest::newRow("blank quoted") << u"/opt/my apps/tavorin"_s << u"\"/opt/my apps/tavorin\""_s;
        QTest::newRow("quote, dollar and backslash escaped") << u"/opt/a\"b$c\\d"_s
                                                             << u"\"/opt/a\\\\\"b\\\\$c\\\\\\\\d\""_s;
        QTest::newRow("percent doubled") << u"/opt/100%/tavorin"_s << u"/opt/100%%/tavorin"_s;
    }
    void execArguments()
    {
        QFETCH(QString, program);
        QFETCH(QString, argument);
        QCOMPARE(DesktopExecArgument(program), argument);
    }

    void registerThenRemove()
    {
        TestEnvironment env;
        const QString program = env.root() + u"/my programs/tavorin"_s;
        SetExplorerIntegration(false, program);
        const QString entry = env.root() + u"/data/applications/tavorin.desktop"_s;
        QCOMPARE(DesktopEntryPath(), entry);
        QVERIFY2(QFile::exists(entry), qPrintable(entry));

        const QString text = ReadText(entry);
        QVERIFY(text.contains(u"\nExec=\""_s + program + u"\" %F\n"_s));
        QVERIFY(text.contains(u"[Desktop Action edit]\nName=Edit with Tavorin\n"_s));
        QVERIFY(text.contains(u"\nMimeType=text/html;"_s));
        QCOMPARE(HtmlMimeTypes().first(), u"text/html");
        QCOMPARE(HtmlMimeTypes().count(u"text/html"_s), 1); // ".htm" and ".html" share it

        const QString validator = QStandardPaths::findExecutable(u"desktop-file-validate"_s);
        if (validator.isEmpty())
            QSKIP("desktop-file-validate is not installed");
        QProcess validate;
        validate.start(validator, {entry});
        QVERIFY(validate.waitForFinished(30000));
        QVERIFY2(validate.exitCode() == 0, validate.readAllStandardOutput().constData());

        SetExplorerIntegration(true, program);
        QVERIFY(!QFile::exists(entry));
        SetExplorerIntegration(true, program); // nothing to remove: silent
    }

    void userDetailsFallBackToTheAccountAndGit()
    {
        TestEnvironment env;
        const QString bin = env.root() + u"/bin"_s;
        const QString git = env.writeFile(u"bin/git"_s, "#!/bin/sh\n"
                                                         "[ \"$*\" = \"config --global user.email\" ] || exit 2\n"
                                                         "echo ada@example.org\n");
        QFile::setPermissions(git, QFile::permissions(git) | QFile::ExeOwner);
        const QString shell = QStandardPaths::findExecutable(u"sh"_s);
        QVERIFY(!shell.isEmpty());
        {
            PathOverride path(bin);
            Prefs() = Preferences{};
            LoadUserInformation();
            QCOMPARE(Prefs().UserEmailAddress, u"ada@example.org");
            const QString expectedName = AccountFullName().isEmpty() ? LoggedOnUserName() : AccountFullName();
            QCOMPARE(Prefs().UserName, expectedName);
            QVERIFY(!Prefs().UserName.isEmpty());
            QCOMPARE(Prefs().UserCompanyName, QString());

            WriteSetting(u"User Information"_s, u"UserEmailAddress"_s, u"own@example.org"_s);
            WriteSetting(u"User Information"_s, u"UserName"_s, u"Grace"_s);
            LoadUserInformation();
            QCOMPARE(Prefs().UserEmailAddress, u"own@example.org");
            QCOMPARE(Prefs().UserName, u"Grace");
        }
        {
            PathOverride path(env.root() + u"/nothing"_s);
            WriteSetting(u"User Information"_s, u"UserEmailAddress"_s, QString());
            LoadUserInformation();
            QCOMPARE(Prefs().UserEmailAddress, QString());
        }
        {
            // A git that fails says nothing.
            env.writeFile(u"bin/git"_s, "#!/bin/sh\nexit 1\n");
            PathOverride path(bin);
            QCOMPARE(GitUserEmail(), QString());
        }
        Prefs() = Preferences{};
    }

    // The system information tool the machine settings name.
    void toolFromTheMachineSettings_data()
    {
        QTest::addColumn<QString>("path");        // the MSINFO "PATH" value
        QTest::addColumn<bool>("folderHasTool");  // the shared-tools folder holds MSINFO32.EXE
        QTest::addColumn<QString>("started");     // "" when nothing may start
        QTest::newRow("path named") << "/usr/bin/hardinfo" << false << "/usr/bin/hardinfo";
        QTest::newRow("tool in the shared folder") << "" << true << "@/MSINFO32.EXE";
        QTest::newRow("nothing named") << "" << false << "";
    }
    void toolFromTheMachineSettings()
    {
        QFETCH(QString, path);
        QFETCH(bool, folderHasTool);
        QFETCH(QString, started);
        TestEnvironment env;
        ScriptedFacades facades;
        const QString root = env.root();
        if (!path.isEmpty())
            WriteRegString(RegistryRoot::LocalMachine, u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"_s, u"PATH"_s, path);
        WriteRegString(RegistryRoot::LocalMachine, u"SOFTWARE\\Microsoft\\Shared Tools Location"_s, u"MSINFO"_s,
                       root + u"/tools"_s);
        if (folderHasTool)
            env.writeFile(u"tools/MSINFO32.EXE"_s, "tool");
        started.replace(u'@', root + u"/tools"_s);
        if (started.isEmpty())
            facades.dialogs.answerMessage(MessageAnswer::Ok);
        QCOMPARE(ShowSystemInformation(), !started.isEmpty());
        if (started.isEmpty()) {
            const auto asked = facades.dialogs.messages();
            QCOMPARE(asked.size(), 1);
            QCOMPARE(asked[0].prompt, u"System Information Is Unavailable At This Time"_s);
            QCOMPARE(asked[0].icon, MessageIcon::Exclamation);
            QVERIFY(facades.launcher.started.isEmpty());
        } else {
            QCOMPARE(facades.launcher.started.size(), 1);
            QCOMPARE(facades.launcher.started[0].program, started);
        }
        QVERIFY(facades.dialogs.problems().isEmpty());
    }
};

QTEST_GUILESS_MAIN(DesktopIntegrationTest)
#include "desktopintegration_test.moc"
