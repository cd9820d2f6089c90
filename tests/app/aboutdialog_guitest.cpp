#include "app/aboutdialog.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testenvironment.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;

class AboutDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsVersionAndReachesTheMaker()
    {
        TestEnvironment env;
        ScriptedFacades facades;
        AboutDialog about;
        QCOMPARE(about.findChild<QLabel *>(QStringLiteral("lblVersion"))->text(), QStringLiteral("Version 3.01"));
        about.findChild<QPushButton *>(QStringLiteral("cmdHomePage"))->click();
        about.findChild<QPushButton *>(QStringLiteral("cmdEMail"))->click();
        QCOMPARE(facades.launcher.started.size(), 2);
        QVERIFY(facades.launcher.started[0].arguments.first().startsWith(QStringLiteral("https://")));
        QVERIFY(facades.launcher.started[1].arguments.first().startsWith(QStringLiteral("mailto:")));
        facades.dialogs.answerMessage(MessageAnswer::Ok); // no system information tool is named
        about.findChild<QPushButton *>(QStringLiteral("cmdSysInfo"))->click();
        QVERIFY(facades.dialogs.problems().isEmpty());
    }
};

QTEST_MAIN(AboutDialogTest)
#include "aboutdialog_guitest.moc"
