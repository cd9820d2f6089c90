// The file dialogs: where each opens, what comes back and what is
// reported; the filters they offer; the recent lists they start from.

#include "settings/environment.h"
#include "settings/filedialogs.h"
#include "settings/filefilters.h"
#include "settings/recentlist.h"
#include "settings/settingsstore.h"
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

// The stored entries of a list by position up to count, "" where absent, without the empty tail.
QStringList Stored(const QString &list, const QString &prefix, int count)
{
    QStringList entries;
    for (int i = 1; i <= count; ++i)
        entries.append(ReadSetting(u"Recent Lists\\"_s + list, prefix + u' ' + QString::number(i)));
    while (!entries.isEmpty() && entries.last().isEmpty())
        entries.removeLast();
    return entries;
}

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

    void addRecentFile_data()
    {
        QTest::addColumn<QStringList>("before"); // "" is a gap
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("after"); // one place beyond the list's size included
        const QStringList full{"f1", "f2", "f3", "f4", "f5", "f6", "f7", "f8", "f9"};
        QTest::newRow("first entry stays, spelling and all")
            << QStringList{"c:\\x.htm", "b"} << "C:\\X.HTM" << QStringList{"c:\\x.htm", "b"};
        QTest::newRow("last entry of a full list moves up without a copy")
            << full << "f9" << QStringList{"f9"} + full.mid(0, 8);
        // A gap in the stored list (a value lost or unreadable) must not leave the same file twice.
        QTest::newRow("gap: item below it moves up in the new spelling")
            << QStringList{"a", "", "c:\\x.htm"} << "C:\\X.HTM" << QStringList{"C:\\X.HTM", "a"};
        QTest::newRow("gap: entries below the gap are kept")
            << QStringList{"a", "", "b", "", "", "", "", "", "z"} << "c" << QStringList{"c", "a", "b", "z"};
        QTest::newRow("item too long to read back is not stored")
            << QStringList{"a"} << QString(MaxRegValueLength + 1, u'x') << QStringList{"a"};
    }
    void addRecentFile()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, item);
        QFETCH(QStringList, after);
        TestEnvironment env;
        for (qsizetype i = 0; i < before.size(); ++i)
            WriteSetting(u"Recent Lists\\Recent Files"_s, u"RecentFile "_s + QString::number(i + 1), before[i]);
        AddRecentFile(item);
        QCOMPARE(Stored(u"Recent Files"_s, u"RecentFile"_s, RecentFilesCapacity + 1), after);
        QCOMPARE(GetRecentFile(1), after.value(0));
    }

    // Other lists keep their own size and drop the oldest entry when full.
    void otherListsAndTheRecentFolder()
    {
        TestEnvironment env;
        for (const QString &item : {u"t1"_s, u"t2"_s, u"t3"_s, u"t4"_s})
            UpdateRecentList(u"Templates"_s, u"Template"_s, item, 3);
        UpdateRecentList(u"Templates"_s, u"Template"_s, u"x"_s, 1); // too small a list: nothing happens
        QCOMPARE(Stored(u"Templates"_s, u"Template"_s, 4), (QStringList{u"t4"_s, u"t3"_s, u"t2"_s}));

        SetAppPathForTesting(u"/opt/tavorin"_s);
        QCOMPARE(RecentFolder(), u"/opt/tavorin/");
        AddRecentFile(u"C:\\Web\\a.htm"_s);
        QCOMPARE(RecentFolder(), u"C:\\Web\\");
    }
};

QTEST_GUILESS_MAIN(FileDialogsTest)
#include "filedialogs_test.moc"
