#include "settings/environment.h"
#include "settings/filedialogs.h"
#include "settings/filefilters.h"
#include "settings/recentlist.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testenvironment.h"

#include <QDir>
#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {

FileDialogRequest requestWithKind(int kind, const QString &title)
{
    FileDialogRequest request;
    request.title = title;
    SetFilter(request, kind);
    return request;
}

} // namespace

class FileDialogsTest : public QObject {
    Q_OBJECT

private:
    TestEnvironment *m_env = nullptr;
    QString m_appFolder;  // without trailing separator
    QString m_webFolder;  // holds index.htm and images/
    QString m_lastFolder; // the folder of the most recent file

private Q_SLOTS:
    void init()
    {
        m_env = new TestEnvironment;
        m_appFolder = m_env->root() + u"/app"_s;
        QDir().mkpath(m_appFolder);
        SetAppPathForTesting(m_appFolder);
        m_env->writeFile(u"web/index.htm"_s, "<HTML>\r\nHello\r\n</HTML>\r\n");
        m_env->writeFile(u"web/images/logo.txt"_s, "logo");
        m_webFolder = m_env->root() + u"/web"_s;
        m_lastFolder = m_env->root() + u"/last"_s;
        QDir().mkpath(m_lastFolder);
        AddRecentFile(m_lastFolder + u"/recent.htm"_s);
        SetNextStartFolder(m_lastFolder + u'/');
    }
    void cleanup()
    {
        SetAppPathForTesting(QString());
        QDir::setCurrent(QDir::tempPath());
        delete m_env;
        m_env = nullptr;
    }

    void saveAsStartsWhereTheDocumentLives_data()
    {
        QTest::addColumn<QString>("currentPath");
        QTest::addColumn<QString>("folder"); // "": the folder of the most recent file
        QTest::addColumn<QString>("fileName");
        QTest::newRow("saved document") << u"/srv/web/page one.htm"_s << u"/srv/web"_s << u"page one.htm"_s;
        QTest::newRow("untitled document") << u"Untitled1"_s << QString() << QString();
    }
    void saveAsStartsWhereTheDocumentLives()
    {
        QFETCH(QString, currentPath);
        QFETCH(QString, folder);
        QFETCH(QString, fileName);
        ScriptedFacades facades;
        facades.dialogs.cancelFile();
        QCOMPARE(SaveAsDialog(currentPath, 3), QString());
        const FileDialogRequest asked = facades.dialogs.asked().constLast().file;
        QVERIFY(asked.save);
        QCOMPARE(asked.folder, folder.isEmpty() ? m_lastFolder : folder);
        QCOMPARE(asked.fileName, fileName);
        QCOMPARE(asked.selectedFilter, u"HTML Files (*.htm *.html *.shtml *.asp)"_s);
        QCOMPARE(asked.defaultSuffix, u"htm"_s);
        QVERIFY(facades.dialogs.problems().isEmpty());
    }

    void choicesComeBackAndNetworkPathsAreRefused()
    {
        ScriptedFacades facades;
        const QString chosen = m_webFolder + u"/new.htm"_s;
        facades.dialogs.answerFiles({chosen});
        QDir::setCurrent(m_webFolder);
        QCOMPARE(SaveAsDialog(u"Untitled2"_s, 2), chosen);
        QCOMPARE(QDir::current(), QDir(m_appFolder));
        const QString unc = u"\\\\server\\share\\page.htm"_s;
        for (int i = 0; i < 3; ++i) {
            facades.dialogs.answerFiles({unc});
            facades.dialogs.answerMessage(MessageAnswer::Ok);
        }
        QCOMPARE(SaveAsDialog(u"Untitled1"_s, 3), QString());
        QString field = u"old.htm"_s;
        QVERIFY(!BrowseForFile(requestWithKind(2, u"Locate"_s), field, false, QString()));
        QCOMPARE(field, u"old.htm"_s);
        QCOMPARE(InsertFileContents(m_webFolder + u'/'), QString());
        const auto messages = facades.dialogs.messages();
        QCOMPARE(messages.size(), 3);
        for (const MessageRequest &message : messages) {
            QVERIFY2(message.prompt.startsWith(u'(' + unc + u")\r\n\r\nThis path is in UNC format."_s),
                     qPrintable(message.prompt));
            QCOMPARE(message.title, u"File Error"_s);
        }
        QCOMPARE(NextStartFolder(), m_lastFolder + u'/');
        QCOMPARE(QDir::current(), QDir(m_appFolder));
        QVERIFY(facades.dialogs.problems().isEmpty());
    }

    void browseStartsInTheFolderOfTheTypedPath_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("useDocumentFolder");
        QTest::addColumn<QString>("folder"); // below the test root; "": the next starting folder
        QTest::newRow("full path") << u"<root>/web/images/logo.txt"_s << false << u"/web/images"_s;
        QTest::newRow("backslashes below the document") << u"images\\logo.txt"_s << true << u"/web/images"_s;
        QTest::newRow("missing folder below the document") << u"nothing/here.gif"_s << true << u"/web"_s;
        QTest::newRow("missing full path") << u"<root>/gone/a.htm"_s << false << QString();
    }
    void browseStartsInTheFolderOfTheTypedPath()
    {
        QFETCH(QString, field);
        QFETCH(bool, useDocumentFolder);
        QFETCH(QString, folder);
        field.replace(u"<root>"_s, m_env->root());
        ScriptedFacades facades;
        facades.dialogs.cancelFile();
        const QString before = field;
        QVERIFY(BrowseForFile(requestWithKind(4, u"Background Image..."_s), field, useDocumentFolder,
                              m_webFolder + u'/'));
        QCOMPARE(field, before);
        const FileDialogRequest asked = facades.dialogs.asked().constLast().file;
        QCOMPARE(asked.folder, folder.isEmpty() ? m_lastFolder : m_env->root() + folder);
        QCOMPARE(asked.title, u"Background Image..."_s);
        QVERIFY(!asked.save);
        QVERIFY(facades.dialogs.problems().isEmpty());
    }

    void browsePutsTheChoiceIntoTheFieldAndRemembersItsFolder()
    {
        ScriptedFacades facades;
        const QString chosen = m_webFolder + u"/images/logo.txt"_s;
        facades.dialogs.answerFiles({chosen});
        QString field;
        QVERIFY(BrowseForFile(requestWithKind(0, u"Link To Local File..."_s), field, false, QString()));
        QCOMPARE(field, chosen);
        QCOMPARE(NextStartFolder(), m_webFolder + u"/images/"_s);
        // The next dialog without a folder of its own opens there.
        facades.dialogs.cancelFile();
        QCOMPARE(OpenFileDialog(requestWithKind(2, u"HTML Document..."_s)).outcome, FileChoiceOutcome::Cancelled);
        QCOMPARE(facades.dialogs.asked().constLast().file.folder, m_webFolder + u"/images"_s);
        QVERIFY(facades.dialogs.problems().isEmpty());
    }

    void insertFileReturnsTheWholeText()
    {
        ScriptedFacades facades;
        facades.dialogs.cancelFile();
        QCOMPARE(InsertFileContents(QString()), QString());
        // Without a document folder the dialog opens in the next starting folder.
        QCOMPARE(facades.dialogs.asked().constLast().file.folder, m_lastFolder);

        facades.dialogs.answerFiles({m_webFolder + u"/index.htm"_s});
        QCOMPARE(InsertFileContents(m_webFolder + u'/'), u"<HTML>\r\nHello\r\n</HTML>\r\n"_s);
        const FileDialogRequest asked = facades.dialogs.asked().constLast().file;
        QCOMPARE(asked.title, u"Insert Contents Of File..."_s);
        QCOMPARE(asked.folder, m_webFolder);
        QCOMPARE(asked.selectedFilter, u"All Files (*)"_s);
        QCOMPARE(NextStartFolder(), m_webFolder + u'/');
        QVERIFY(facades.dialogs.problems().isEmpty());
    }

    void insertFileReportsAFileThatCannotBeRead_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file") << u"gone.htm"_s << u"This file cannot be found."_s;
        QTest::newRow("a folder") << u"images"_s << u"Cannot insert this file."_s;
    }
    void insertFileReportsAFileThatCannotBeRead()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        ScriptedFacades facades;
        const QString chosen = m_webFolder + u'/' + name;
        facades.dialogs.answerFiles({chosen});
        facades.dialogs.answerMessage(MessageAnswer::Ok);
        QDir::setCurrent(m_webFolder);
        QCOMPARE(InsertFileContents(m_webFolder + u'/'), QString());
        QCOMPARE(facades.dialogs.messagePrompts(), QStringList{u'(' + chosen + u")\r\n\r\n"_s + message});
        QCOMPARE(QDir::current(), QDir(m_appFolder));
        QVERIFY(facades.dialogs.problems().isEmpty());
    }
};

QTEST_GUILESS_MAIN(FileDialogsTest)
#include "filedialogs_test.moc"
