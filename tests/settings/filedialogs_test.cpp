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

namespace {

const QString UncPath = QStringLiteral("\\\\server\\share\\page.htm");

QString uncMessage(const QString &path)
{
    return u'(' + path + QStringLiteral(")\r\n\r\nThis path is in UNC format. Sorry, but UNC paths are not "
                                        "supported by this application.\r\nTavorin can only access files "
                                        "on a network via mapped network drives.");
}

FileDialogRequest lastFileRequest(const ScriptedDialogs &dialogs)
{
    for (auto it = dialogs.asked().crbegin(); it != dialogs.asked().crend(); ++it) {
        if (it->kind == AskedPrompt::Kind::File)
            return it->file;
    }
    return {};
}

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
        m_appFolder = m_env->root() + QStringLiteral("/app");
        QDir().mkpath(m_appFolder);
        SetAppPathForTesting(m_appFolder);
        m_env->writeFile(QStringLiteral("web/index.htm"), "<HTML>\r\nHello\r\n</HTML>\r\n");
        m_env->writeFile(QStringLiteral("web/images/logo.txt"), "logo");
        m_webFolder = m_env->root() + QStringLiteral("/web");
        m_lastFolder = m_env->root() + QStringLiteral("/last");
        QDir().mkpath(m_lastFolder);
        AddRecentFile(m_lastFolder + QStringLiteral("/recent.htm"));
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
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("saved document") << QStringLiteral("/srv/web/page one.htm")
                                        << QStringLiteral("/srv/web") << QStringLiteral("page one.htm");
        QTest::newRow("drive letter path") << QStringLiteral("C:\\Web\\a.htm") << QStringLiteral("C:\\Web")
                                           << QStringLiteral("a.htm");
        QTest::newRow("file name with hash") << QStringLiteral("/srv/a#1.htm") << QStringLiteral("/srv")
                                             << QStringLiteral("a#1.htm");
        QTest::newRow("untitled document") << QStringLiteral("Untitled1") << QStringLiteral("<recent>")
                                           << QString();
        QTest::newRow("network path") << UncPath << QStringLiteral("<recent>") << QString();
    }
    void saveAsStartsWhereTheDocumentLives()
    {
        QFETCH(QString, currentPath);
        QFETCH(QString, folder);
        QFETCH(QString, fileName);
        if (folder == u"<recent>")
            folder = m_lastFolder;
        ScriptedFacades facades;
        facades.dialogs.cancelFile();
        QCOMPARE(SaveAsDialog(currentPath, 3), QString());
        const FileDialogRequest asked = lastFileRequest(facades.dialogs);
        QVERIFY(asked.save);
        QVERIFY(asked.title.isEmpty());
        QCOMPARE(asked.folder, folder);
        QCOMPARE(asked.fileName, fileName);
        QCOMPARE(asked.filters, QtNameFilters(FilterText(3)));
        QCOMPARE(asked.selectedFilter, QStringLiteral("HTML Files (*.htm *.html *.shtml *.asp)"));
        QCOMPARE(asked.defaultSuffix, QStringLiteral("htm"));
        QVERIFY(facades.dialogs.problems().isEmpty());
    }

    void saveAsReturnsTheChoiceAndRestoresTheAppFolder()
    {
        ScriptedFacades facades;
        const QString chosen = m_webFolder + QStringLiteral("/new.htm");
        facades.dialogs.answerFiles({chosen});
        QDir::setCurrent(m_webFolder);
        QCOMPARE(SaveAsDialog(QStringLiteral("Untitled2"), 2), chosen);
        QCOMPARE(QDir::current(), QDir(m_appFolder));
        QVERIFY(facades.dialogs.problems().isEmpty());
    }

    void uncChoicesAreRefused()
    {
        ScriptedFacades facades;
        facades.dialogs.answerFiles({UncPath});
        facades.dialogs.answerMessage(MessageAnswer::Ok);
        QCOMPARE(SaveAsDialog(QStringLiteral("Untitled1"), 3), QString());

        facades.dialogs.answerFiles({UncPath});
        facades.dialogs.answerMessage(MessageAnswer::Ok);
        QString field = QStringLiteral("old.htm");
        QVERIFY(!BrowseForFile(requestWithKind(2, QStringLiteral("Locate")), field, false, QString()));
        QCOMPARE(field, QStringLiteral("old.htm"));

        facades.dialogs.answerFiles({UncPath});
        facades.dialogs.answerMessage(MessageAnswer::Ok);
        QCOMPARE(InsertFileContents(m_webFolder + u'/'), QString());

        const auto messages = facades.dialogs.messages();
        QCOMPARE(messages.size(), 3);
        for (const MessageRequest &message : messages) {
            QCOMPARE(message.prompt, uncMessage(UncPath));
            QCOMPARE(message.title, QStringLiteral("File Error"));
            QCOMPARE(message.icon, MessageIcon::Exclamation);
        }
        QCOMPARE(NextStartFolder(), m_lastFolder + u'/');
        QCOMPARE(QDir::current(), QDir(m_appFolder));
        QVERIFY(facades.dialogs.problems().isEmpty());
    }

    void browseStartsInTheFolderOfTheTypedPath_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("useDocumentFolder");
        QTest::addColumn<QString>("folder"); // below the test root; "<next>": the next starting folder
        QTest::newRow("full path") << QStringLiteral("<root>/web/images/logo.txt") << false
                                   << QStringLiteral("/web/images");
        QTest::newRow("relative below the document") << QStringLiteral("images/logo.txt") << true
                                                     << QStringLiteral("/web/images");
        QTest::newRow("backslashes below the document") << QStringLiteral("images\\logo.txt") << true
                                                        << QStringLiteral("/web/images");
        QTest::newRow("missing folder below the document") << QStringLiteral("nothing/here.gif") << true
                                                           << QStringLiteral("/web");
        QTest::newRow("bare name below the document") << QStringLiteral("logo.gif") << true
                                                      << QStringLiteral("/web");
        QTest::newRow("empty field") << QString() << false << QStringLiteral("<next>");
        QTest::newRow("missing full path") << QStringLiteral("<root>/gone/a.htm") << false
                                           << QStringLiteral("<next>");
        QTest::newRow("address") << QStringLiteral("http://example.com/a.htm") << false
                                 << QStringLiteral("<next>");
    }
    void browseStartsInTheFolderOfTheTypedPath()
    {
        QFETCH(QString, field);
        QFETCH(bool, useDocumentFolder);
        QFETCH(QString, folder);
        field.replace(QStringLiteral("<root>"), m_env->root());
        const QString expected = folder == u"<next>" ? m_lastFolder : m_env->root() + folder;
        ScriptedFacades facades;
        facades.dialogs.cancelFile();
        const QString before = field;
        QVERIFY(BrowseForFile(requestWithKind(4, QStringLiteral("Background Image...")), field,
                              useDocumentFolder, m_webFolder + u'/'));
        QCOMPARE(field, before);
        const FileDialogRequest asked = lastFileRequest(facades.dialogs);
        QCOMPARE(asked.folder, expected);
        QCOMPARE(asked.title, QStringLiteral("Background Image..."));
        QCOMPARE(asked.filters, QtNameFilters(FilterText(4)));
        QVERIFY(!asked.save);
        QVERIFY(asked.fileName.isEmpty());
        QVERIFY(facades.dialogs.problems().isEmpty());
    }

    void browsePutsTheChoiceIntoTheFieldAndRemembersItsFolder()
    {
        ScriptedFacades facades;
        const QString chosen = m_webFolder + QStringLiteral("/images/logo.txt");
        facades.dialogs.answerFiles({chosen});
        QString field;
        QVERIFY(BrowseForFile(requestWithKind(0, QStringLiteral("Link To Local File...")), field, false,
                              QString()));
        QCOMPARE(field, chosen);
        QCOMPARE(NextStartFolder(), m_webFolder + QStringLiteral("/images/"));

        // The next dialog without a folder of its own opens there.
        facades.dialogs.cancelFile();
        QCOMPARE(OpenFileDialog(requestWithKind(2, QStringLiteral("HTML Document..."))).outcome,
                 FileChoiceOutcome::Cancelled);
        QCOMPARE(lastFileRequest(facades.dialogs).folder, m_webFolder + QStringLiteral("/images"));
        QVERIFY(facades.dialogs.problems().isEmpty());
    }

    void insertFileReturnsTheWholeText()
    {
        ScriptedFacades facades;
        const QString chosen = m_webFolder + QStringLiteral("/index.htm");
        facades.dialogs.answerFiles({chosen});
        QCOMPARE(InsertFileContents(m_webFolder + u'/'), QStringLiteral("<HTML>\r\nHello\r\n</HTML>\r\n"));
        const FileDialogRequest asked = lastFileRequest(facades.dialogs);
        QCOMPARE(asked.title, QStringLiteral("Insert Contents Of File..."));
        QCOMPARE(asked.folder, m_webFolder);
        QCOMPARE(asked.filters, QtNameFilters(FilterText(6)));
        QCOMPARE(asked.selectedFilter, QStringLiteral("All Files (*)"));
        QCOMPARE(asked.defaultSuffix, QStringLiteral("txt"));
        QCOMPARE(NextStartFolder(), m_webFolder + u'/');
        QVERIFY(facades.dialogs.problems().isEmpty());
    }

    void insertFileReportsAFileThatCannotBeRead_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file") << QStringLiteral("gone.htm") << QStringLiteral("This file cannot be found.");
        QTest::newRow("a folder") << QStringLiteral("images") << QString();
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
        const auto messages = facades.dialogs.messages();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].title, QStringLiteral("File Error"));
        QVERIFY2(messages[0].prompt.startsWith(u'(' + chosen + QStringLiteral(")\r\n\r\n")),
                 qPrintable(messages[0].prompt));
        if (!message.isEmpty())
            QVERIFY(messages[0].prompt.endsWith(message));
        QCOMPARE(QDir::current(), QDir(m_appFolder));
        QVERIFY(facades.dialogs.problems().isEmpty());
    }

    void insertFileCancelledReadsNothing()
    {
        ScriptedFacades facades;
        facades.dialogs.cancelFile();
        QCOMPARE(InsertFileContents(QString()), QString());
        // Without a document folder the dialog opens in the next starting folder.
        QCOMPARE(lastFileRequest(facades.dialogs).folder, m_lastFolder);
        QCOMPARE(NextStartFolder(), m_lastFolder + u'/');
        QVERIFY(facades.dialogs.messages().isEmpty());
        QVERIFY(facades.dialogs.problems().isEmpty());
    }
};

QTEST_GUILESS_MAIN(FileDialogsTest)
#include "filedialogs_test.moc"
