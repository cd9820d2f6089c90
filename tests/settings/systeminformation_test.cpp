#include "settings/settingsstore.h"
#include "settings/systeminformation.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testenvironment.h"

#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;

class SystemInformationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
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
            WriteRegString(RegistryRoot::LocalMachine, u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"_qs, u"PATH"_qs, path);
        WriteRegString(RegistryRoot::LocalMachine, u"SOFTWARE\\Microsoft\\Shared Tools Location"_qs, u"MSINFO"_qs,
                       root + u"/tools"_qs);
        if (folderHasTool)
            env.writeFile(QStringLiteral("tools/MSINFO32.EXE"), "tool");
        started.replace(u'@', root + u"/tools"_qs);
        if (started.isEmpty())
            facades.dialogs.answerMessage(MessageAnswer::Ok);
        QCOMPARE(ShowSystemInformation(), !started.isEmpty());
        if (started.isEmpty()) {
            const auto asked = facades.dialogs.messages();
            QCOMPARE(asked.size(), 1);
            QCOMPARE(asked[0].prompt, QStringLiteral("System Information Is Unavailable At This Time"));
            QCOMPARE(asked[0].icon, MessageIcon::Exclamation);
            QVERIFY(facades.launcher.started.isEmpty());
        } else {
            QCOMPARE(facades.launcher.started.size(), 1);
            QCOMPARE(facades.launcher.started[0].program, started);
        }
        QVERIFY(facades.dialogs.problems().isEmpty());
    }
};

QTEST_GUILESS_MAIN(SystemInformationTest)
#include "systeminformation_test.moc"
