#include "app/helptopics.h"
#include "app/helpwindow.h"
#include "tests/support/testenvironment.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {

QString pageText(HelpWindow *help) { return help->findChild<QTextBrowser *>(u"rtfHelp"_s)->toPlainText(); }

QString ReadHelpFile(const QString &file)
{
    QFile in(HelpFolder() + file);
    return in.open(QIODevice::ReadOnly) ? QString::fromUtf8(in.readAll()) : QString();
}

// Checks that page ("file.html#anchor") exists in the shipped help folder.
void verifyPageExists(const QString &page, const QString &from)
{
    const QString html = ReadHelpFile(HelpPageFile(page));
    const qsizetype hash = page.indexOf(u'#');
    QVERIFY2(html.contains(hash < 0 ? u"<title>"_s : u"<a name=\""_s + page.mid(hash + 1) + u'"', Qt::CaseInsensitive),
             qPrintable(from + u": missing "_s + page));
}

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        SetHelpFolder(QString());
        delete HelpWindow::instance(false);
    }

    void modesOpenTheirPages_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("context"); // set on the parent of the asking widget; 0 for none
        QTest::addColumn<QString>("page");
        QTest::newRow("topic of the window") << 1 << int(HelpTopic::Link) << u"link.html"_s;
        QTest::newRow("no topic: contents") << 1 << 0 << u"contents.html"_s;
        QTest::newRow("keyword search") << 2 << int(HelpTopic::Link) << u"contents.html"_s;
        QTest::newRow("unknown mode: contents") << 7 << 0 << u"contents.html"_s;
    }
    void modesOpenTheirPages()
    {
        QFETCH(int, mode);
        QFETCH(int, context);
        QFETCH(QString, page);
        QWidget dialog;
        SetHelpContext(&dialog, context);
        ShowHelp(new QWidget(&dialog), mode);
        HelpWindow *help = HelpWindow::instance(false);
        QVERIFY(help && help->isVisible() && !help->isModal());
        QCOMPARE(help->currentPage(), page);
        auto *keyword = help->findChild<QLineEdit *>(u"txtKeyword"_s);
        if (mode == HelpKeywordSearch)
            QTRY_VERIFY(keyword->hasFocus() && keyword->text().isEmpty());
        ShowHelpKey(u"Save"_s); // every further call goes to the same one window
        QCOMPARE(HelpWindow::instance(false), help);
    }

    void keywordSearch_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("page");     // "" keeps the contents shown before
        QTest::addColumn<QString>("selected"); // current keyword of the list
        QTest::newRow("any case") << u"lower case paths"_s << u"edit.html#lowercasepaths"_s << u"Lower Case Paths"_s;
        QTest::newRow("first letters only") << u"fra"_s << QString() << u"Frames"_s;
        QTest::newRow("no such keyword") << u"zzz"_s << QString() << QString();
    }
    void keywordSearch()
    {
        QFETCH(QString, key);
        QFETCH(QString, page);
        QFETCH(QString, selected);
        ShowHelp(nullptr, HelpContents);
        ShowHelpKey(key);
        HelpWindow *help = HelpWindow::instance(false);
        QCOMPARE(help->currentPage(), page.isEmpty() ? u"contents.html"_s : page);
        auto *keyword = help->findChild<QLineEdit *>(u"txtKeyword"_s);
        QCOMPARE(keyword->text(), key);
        if (selected.isEmpty())
            return;
        QCOMPARE(help->findChild<QListWidget *>(u"lstKeywords"_s)->currentItem()->text(), selected);
        // Enter in the keyword box shows the page of the keyword the list points at.
        QTest::keyClick(keyword, Qt::Key_Return);
        QCOMPARE(help->currentPage(), page.isEmpty() ? u"format.html#frames"_s : page);
    }

    void missingPagesShowPageNotFound()
    {
        TestEnvironment environment;
        environment.writeFile(u"help/index.txt"_s,
                              "[Topics]\n5 = gone.html#here\n6 = there.html\n[Keywords]\nGone = gone.html\n");
        environment.writeFile(u"help/there.html"_s,
                              "<html><body><p>There.</p><a href=\"nowhere.html\">next</a></body></html>");
        SetHelpFolder(environment.root() + u"/help"_s);
        QWidget window;
        ShowHelp(&window, HelpContents);
        HelpWindow *help = HelpWindow::instance(false);
        QVERIFY(pageText(help).contains(u"Page not found"_s) && pageText(help).contains(u"\"contents.html\""_s));
        for (const auto &[topic, shown] : {std::pair{5, u"\"gone.html\" cannot be found"_s},
                                           std::pair{999, u"There is no help page for topic 999."_s}}) {
            SetHelpContext(&window, topic);
            ShowHelp(&window, HelpContextTopic);
            QVERIFY2(pageText(help).contains(shown), qPrintable(shown));
        }

        // A link from a page to a missing page.
        help->showPage(u"there.html"_s);
        Q_EMIT help->findChild<QTextBrowser *>(u"rtfHelp"_s)->anchorClicked(QUrl(u"nowhere.html"_s));
        QVERIFY(pageText(help).contains(u"\"nowhere.html\" cannot be found"_s));
        QCOMPARE(help->currentPage(), u"nowhere.html"_s);
    }

    void missingIndexLeavesAnEmptyKeywordList()
    {
        TestEnvironment environment;
        environment.writeFile(u"help/contents.html"_s, "<html><body>Start</body></html>");
        SetHelpFolder(environment.root() + u"/help"_s);
        ShowHelpKey(u"Link"_s);
        QCOMPARE(HelpWindow::instance(false)->findChild<QListWidget *>(u"lstKeywords"_s)->count(), 0);
        QCOMPARE(pageText(HelpWindow::instance(false)), u"Start"_s);
    }

    void indexParsing()
    {
        const HelpIndex index = HelpIndex::parse(
            u"; comment\r\n[ topics ]\r\n 12 = a.html \r\nx = b.html\r\n12 = c.html\r\n13 =\r\n[KEYWORDS]\r\n"
            "zebra = z.html\r\nApple = a.html#top\r\napple = other.html\r\nno equals sign\r\n[Other]\r\n14 = d.html\r\n"_s);
        QCOMPARE(index.topics().size(), 1); // the first "12"; not "x", "13 =" or the other section's
        QCOMPARE(index.topicPage(12), u"a.html"_s);
        QCOMPARE(index.keywords().size(), 2); // the first "Apple", sorted before "zebra"
        QCOMPARE(index.keywordPage(u"APPLE"_s), u"a.html#top"_s);
        QCOMPARE(index.firstKeywordStartingWith(u"ZE"_s), 1);
        QCOMPARE(index.firstKeywordStartingWith(u"q"_s), -1);
    }

    void shippedHelpLinksToExistingPages()
    {
        const HelpIndex index = HelpIndex::load(HelpFolder() + u"index.txt"_s);
        QVERIFY(!index.topics().isEmpty() && !index.keywords().isEmpty());
        for (auto it = index.topics().cbegin(); it != index.topics().cend(); ++it)
            verifyPageExists(it.value(), u"topic %1"_s.arg(it.key()));
        for (const HelpKeyword &entry : index.keywords())
            verifyPageExists(entry.page, u"keyword "_s + entry.keyword);

        // Every help context the program's windows use has a page.
        using namespace HelpTopic;
        for (const int topic : {Contents, StartUp, SmartFields, FileCommands, WebPageWizard, FramesWizard, Printing,
                                ViewInBrowser, EditCommands, FindReplace, InsertCommands, OneFieldPrompt, EmbeddedImage,
                                HorizontalRule, PageSound, TimerAutoLoad, SearchEngineLinks, PageStructure, PageColours,
                                PageTextSize, FormatCommands, Link, Table, QuickTable, Frames, TextAppearance, Options,
                                Preferences, LocationDialog, FontCollection, WindowCommands, HelpCommands,
                                ReferenceGuides})
            QVERIFY2(!index.topicPage(topic).isEmpty(), qPrintable(QString::number(topic)));

        // Every link of every page leads somewhere.
        const QStringList pages = QDir(HelpFolder()).entryList({u"*.html"_s}, QDir::Files);
        QVERIFY(pages.contains(u"contents.html"_s));
        static const QRegularExpression link(u"href=\"([^\"]+)\""_s, QRegularExpression::CaseInsensitiveOption);
        for (const QString &page : pages) {
            verifyPageExists(page, page);
            for (const auto &match : link.globalMatch(ReadHelpFile(page)))
                verifyPageExists(match.captured(1).startsWith(u'#') ? page + match.captured(1) : match.captured(1), page);
        }
    }

    void helpStaysUsableBesideAModalDialog()
    {
        auto *dialog = new QDialog;
        dialog->setWindowModality(Qt::ApplicationModal);
        dialog->show();
        SetHelpContext(dialog, HelpTopic::Table);
        ShowHelp(dialog, HelpContextTopic);
        HelpWindow *help = HelpWindow::instance(false);
        QCOMPARE(help->parentWidget(), dialog);
        QCOMPARE(help->currentPage(), u"format.html#advancedtable"_s);
        dialog->hide();
        QCOMPARE(help->parentWidget(), nullptr);
        QVERIFY(help->isVisible());
        delete dialog;
        QCOMPARE(HelpWindow::instance(false), help);
    }
};

QTEST_MAIN(HelpWindowTest)
#include "helpwindow_guitest.moc"
