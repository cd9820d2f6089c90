#include "settings/environment.h"
#include "settings/filedialogs.h"
#include "settings/filefilters.h"
#include "settings/recentlist.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testenvironment.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {

const QString Unc = u"\\\\server\\share\\page.htm"_s;
const QString UncMessage = u'(' + Unc + u")\r\n\r\nThis path is in UNC format. Sorry, but UNC paths are not supported by "
                                        "this application.\r\nTavorin can only access files on a network via mapped "
                                        "network drives."_s;

} // namespace

class FileDialogsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        SetAppPathForTesting({});
        QDir::setCurrent(QDir::tempPath());
    }

    // Every dialog: where it opens, what comes back, what is reported, and
    // that the application folder is current again afterwards.
    void dialogs_data()
    {
        QTest::addColumn<QString>("call");   // save as, browse, browse in document, insert, open
        QTest::addColumn<QString>("input");  // current path, field or document folder; <root> is the test folder
        QTest::addColumn<QString>("answer"); // below <root>; "": cancelled; "unc": a network path
        QTest::addColumn<QString>("folder"); // below <root>; "": the next starting folder
        QTest::addColumn<QString>("result"); // returned text, or the field afterwards
        QTest::addColumn<QString>("message");
        const QString html = u"<HTML>\r\nHello\r\n</HTML>\r\n"_s;
        auto row = [](const char *name, const QString &call, const QString &input, const QString &answer,
                      const QString &folder, const QString &result, const QString &message = {}) {
            QTest::newRow(name) << call << input << answer << folder << result << message;
        };
        row("save as, saved document", u"save as"_s, u"<root>/web/page one.htm"_s, {}, u"/web"_s, {});
        row("save as, untitled, chosen", u"save as"_s, u"Untitled2"_s, u"/web/new.htm"_s, {}, u"<root>/web/new.htm"_s);
        row("save as, network path", u"save as"_s, u"Untitled1"_s, u"unc"_s, {}, {}, UncMessage);
        row("browse, full path", u"browse"_s, u"<root>/web/images/logo.txt"_s, {}, u"/web/images"_s, u"<root>/web/images/logo.txt"_s);
        row("browse, backslashes below the document", u"browse in document"_s, u"images\\logo.txt"_s, {}, u"/web/images"_s, u"images\\logo.txt"_s);
        row("browse, missing folder below the document", u"browse in document"_s, u"nothing/here.gif"_s, {}, u"/web"_s, u"nothing/here.gif"_s);
        row("browse, missing full path", u"browse"_s, u"<root>/gone/a.htm"_s, {}, {}, u"<root>/gone/a.htm"_s);
        row("browse, chosen", u"browse"_s, {}, u"/web/images/logo.txt"_s, {}, u"<root>/web/images/logo.txt"_s);
        row("browse, network path", u"browse"_s, u"old.htm"_s, u"unc"_s, {}, u"old.htm"_s, UncMessage);
        row("insert, cancelled without a document folder", u"insert"_s, {}, {}, {}, {});
        row("insert, chosen", u"insert"_s, u"<root>/web/"_s, u"/web/index.htm"_s, u"/web"_s, html);
        row("insert, network path", u"insert"_s, u"<root>/web/"_s, u"unc"_s, u"/web"_s, {}, UncMessage);
        row("insert, missing file", u"insert"_s, u"<root>/web/"_s, u"/web/gone.htm"_s, u"/web"_s, {},
            u"(<root>/web/gone.htm)\r\n\r\nThis file cannot be found."_s);
        row("insert, a folder", u"insert"_s, u"<root>/web/"_s, u"/web/images"_s, u"/web"_s, {},
            u"(<root>/web/images)\r\n\r\nCannot insert this file."_s);
        row("open, cancelled", u"open"_s, {}, {}, {}, {});
        row("open, network path", u"open"_s, {}, u"unc"_s, {}, {}, UncMessage);
    }
    void dialogs()
    {
        QFETCH(QString, call);
        QFETCH(QString, input);
        QFETCH(QString, answer);
        QFETCH(QString, folder);
        QFETCH(QString, result);
        QFETCH(QString, message);
        TestEnvironment env;
        const auto filled = [&env](QString text) { return text.replace(u"<root>"_s, env.root()); };
        const QString appFolder = env.root() + u"/app"_s, web = env.root() + u"/web"_s, last = env.root() + u"/last"_s;
        QDir().mkpath(appFolder);
        QDir().mkpath(last);
        SetAppPathForTesting(appFolder);
        env.writeFile(u"web/index.htm"_s, "<HTML>\r\nHello\r\n</HTML>\r\n");
        env.writeFile(u"web/images/logo.txt"_s, "logo");
        AddRecentFile(last + u"/recent.htm"_s);
        SetNextStartFolder(last + u'/');

        ScriptedFacades facades;
        if (answer.isEmpty())
            facades.dialogs.cancelFile();
        else
            facades.dialogs.answerFiles({answer == u"unc" ? Unc : env.root() + answer});
        if (!message.isEmpty())
            facades.dialogs.answerMessage(MessageAnswer::Ok);
        QDir::setCurrent(web);
        FileDialogRequest request;
        request.title = u"Pick..."_s;
        SetFilter(request, 4);
        QString got = filled(input);
        if (call == u"save as") {
            got = SaveAsDialog(got, 3);
        } else if (call.startsWith(u"browse")) {
            QCOMPARE(BrowseForFile(request, got, call == u"browse in document", web + u'/'), message.isEmpty());
        } else if (call == u"insert") {
            got = InsertFileContents(got);
        } else {
            const FileChoice choice = OpenFileDialog(request);
            QCOMPARE(choice.outcome, message.isEmpty() ? FileChoiceOutcome::Cancelled : FileChoiceOutcome::Refused);
            got = choice.path;
        }
        QCOMPARE(got, filled(result));
        QCOMPARE(facades.dialogs.messagePrompts(), message.isEmpty() ? QStringList{} : QStringList{filled(message)});
        QVERIFY(facades.dialogs.problems().isEmpty());
        QCOMPARE(QDir::current(), QDir(appFolder));

        const FileDialogRequest asked = facades.dialogs.asked().constFirst().file;
        QCOMPARE(asked.folder, folder.isEmpty() ? last : env.root() + folder);
        QCOMPARE(asked.save, call == u"save as");
        if (call == u"save as") {
            QCOMPARE(asked.fileName, input.contains(u'/') ? QFileInfo(input).fileName() : QString());
            QCOMPARE(asked.selectedFilter, u"HTML Files (*.htm *.html *.shtml *.asp)"_s);
            QCOMPARE(asked.defaultSuffix, u"htm"_s);
        } else {
            QCOMPARE(asked.title, call == u"insert" ? u"Insert Contents Of File..."_s : request.title);
            if (call == u"insert")
                QCOMPARE(asked.selectedFilter, u"All Files (*)"_s);
        }
        // A file picked to browse or insert moves the next starting folder; nothing else does.
        const bool follows = (call.startsWith(u"browse") || call == u"insert") && !answer.isEmpty() && answer != u"unc";
        QCOMPARE(NextStartFolder(), follows ? QFileInfo(env.root() + answer).path() + u'/' : last + u'/');
    }

    // Every kind fills the request from its own list, all files first; any other kind says so and
    // leaves the request without filters.
    void kindsFillTheRequest()
    {
        QCOMPARE(FilterText(3), u"All Files (*.*)|*.*|HTML Files (*.htm,*.html,*.shtml,*.asp)|*.htm;*.html;"
                                "*.shtml;*.asp|Text Files (*.txt)|*.txt|JavaScript Files (*.js)|*.js"_s);
        QCOMPARE(SelectedFilterIndex(0), 1);
        QCOMPARE(SelectedFilterIndex(3), 2);
        QCOMPARE(DefaultExtension(3), u"htm"_s);
        for (int kind = -1; kind <= FilterKindCount; ++kind) {
            ScriptedFacades facades;
            const bool valid = kind >= 0 && kind < FilterKindCount;
            if (!valid)
                facades.dialogs.answerMessage(MessageAnswer::Ok);
            FileDialogRequest request;
            SetFilter(request, 3);
            SetFilter(request, kind);
            QCOMPARE(request.filters, QtNameFilters(FilterText(kind)));
            QVERIFY(valid ? request.filters.value(0) == u"All Files (*)" : request.filters.isEmpty());
            QCOMPARE(request.selectedFilter, valid ? request.filters.value(SelectedFilterIndex(kind) - 1) : QString());
            QCOMPARE(request.defaultSuffix, DefaultExtension(kind));
            QCOMPARE(facades.dialogs.messagePrompts(), valid ? QStringList{} : QStringList{u"invalid filter"_s});
            if (!valid)
                QCOMPARE(facades.dialogs.messages().value(0).icon, MessageIcon::None);
            QVERIFY(facades.dialogs.problems().isEmpty());
        }
    }

    void qtNameFilters_data()
    {
        QTest::addColumn<QString>("filterText");
        QTest::addColumn<QStringList>("qtFilters");
        QTest::newRow("all files match names without a dot") << u"All Files (*.*)|*.*"_s
                                                             << QStringList{u"All Files (*)"_s};
        QTest::newRow("description without list") << u"Pages|*.htm"_s << QStringList{u"Pages (*.htm)"_s};
        QTest::newRow("blanks around patterns") << u"Pages (*.htm)| *.htm ; *.html "_s
                                                << QStringList{u"Pages (*.htm *.html)"_s};
        QTest::newRow("empty pattern means every file") << u"Anything|"_s << QStringList{u"Anything (*)"_s};
        QTest::newRow("dangling description dropped") << u"Text (*.txt)|*.txt|Orphan"_s
                                                      << QStringList{u"Text (*.txt)"_s};
    }
    void qtNameFilters()
    {
        QFETCH(QString, filterText);
        QFETCH(QStringList, qtFilters);
        QCOMPARE(QtNameFilters(filterText), qtFilters);
    }

    void initDirDropsTheTrailingSeparatorOfLongFolders_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("start");
        QTest::newRow("four characters") << u"/ab/"_s << u"/ab"_s;
        QTest::newRow("three characters") << u"/a/"_s << u"/a/"_s;
        QTest::newRow("empty keeps the previous folder") << QString() << u"/previous"_s;
    }
    void initDirDropsTheTrailingSeparatorOfLongFolders()
    {
        QFETCH(QString, folder);
        QFETCH(QString, start);
        FileDialogRequest request;
        request.folder = u"/previous"_s;
        SetInitDir(request, folder);
        QCOMPARE(request.folder, start);
    }
};

QTEST_GUILESS_MAIN(FileDialogsTest)
#include "filedialogs_test.moc"
