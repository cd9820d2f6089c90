#include "app/helptopics.h"
#include "app/helpwindow.h"
#include "tests/support/testenvironment.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;

namespace {

QString pageText(HelpWindow *help)
{
    return help->findChild<QTextBrowser *>(QStringLiteral("rtfHelp"))->toPlainText();
}

QString readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The anchors a page defines with <a name="...">.
QStringList anchorsOf(const QString &html)
{
    QStringList names;
    static const QRegularExpression anchor(QStringLiteral("<a\\s+name=\"([^\"]+)\""),
                                           QRegularExpression::CaseInsensitiveOption);
    for (const auto &match : anchor.globalMatch(html))
        names.append(match.captured(1));
    return names;
}

// Checks that page ("file.html#anchor") exists in the shipped help folder.
void verifyPageExists(const QString &page, const QString &from)
{
    const QString file = HelpPageFile(page);
    const QString html = readAll(HelpFolder() + file);
    QVERIFY2(!html.isEmpty(), qPrintable(from + QStringLiteral(": missing page ") + file));
    const qsizetype hash = page.indexOf(u'#');
    if (hash >= 0) {
        QVERIFY2(anchorsOf(html).contains(page.mid(hash + 1)),
                 qPrintable(from + QStringLiteral(": missing anchor ") + page));
    }
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
        QTest::newRow("contents") << 0 << int(HelpTopic::Link) << QStringLiteral("contents.html");
        QTest::newRow("topic of the window") << 1 << int(HelpTopic::Link) << QStringLiteral("format.html#link");
        QTest::newRow("topic of a family") << 1 << int(HelpTopic::EditCommands) << QStringLiteral("edit.html");
        QTest::newRow("no topic: contents") << 1 << 0 << QStringLiteral("contents.html");
        QTest::newRow("keyword search") << 2 << int(HelpTopic::Link) << QStringLiteral("contents.html");
        QTest::newRow("unknown mode: contents") << 7 << 0 << QStringLiteral("contents.html");
    }
    void modesOpenTheirPages()
    {
        QFETCH(int, mode);
        QFETCH(int, context);
        QFETCH(QString, page);
        QWidget dialog;
        SetHelpContext(&dialog, context);
        auto *button = new QWidget(&dialog);
        ShowHelp(button, mode);
        HelpWindow *help = HelpWindow::instance(false);
        QVERIFY(help);
        QCOMPARE(help->objectName(), QStringLiteral("frmHelp"));
        QVERIFY(help->isVisible());
        QCOMPARE(help->currentPage(), page);
        QVERIFY(!pageText(help).contains(QStringLiteral("Page not found")));
        if (mode == HelpKeywordSearch) {
            auto *keyword = help->findChild<QLineEdit *>(QStringLiteral("txtKeyword"));
            QVERIFY(keyword->text().isEmpty());
            QTRY_VERIFY(keyword->hasFocus());
        }
    }

    void oneHelpWindowServesEveryCall()
    {
        QWidget window;
        ShowHelp(&window, HelpContents);
        HelpWindow *first = HelpWindow::instance(false);
        ShowHelpKey(QStringLiteral("Save"));
        QCOMPARE(HelpWindow::instance(false), first);
        int helpWindows = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            helpWindows += w->objectName() == u"frmHelp" ? 1 : 0;
        QCOMPARE(helpWindows, 1);
        QVERIFY(!first->isModal());
    }

    void keywordSearch_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("page");     // "" keeps the page shown before
        QTest::addColumn<QString>("selected"); // current keyword of the list
        QTest::newRow("exact keyword") << QStringLiteral("Link") << QStringLiteral("format.html#link")
                                       << QStringLiteral("Link");
        QTest::newRow("any case") << QStringLiteral("lower case paths")
                                  << QStringLiteral("edit.html#lowercasepaths")
                                  << QStringLiteral("Lower Case Paths");
        QTest::newRow("first letters only") << QStringLiteral("fra") << QString() << QStringLiteral("Frames");
        QTest::newRow("no such keyword") << QStringLiteral("zzz") << QString() << QString();
    }
    void keywordSearch()
    {
        QFETCH(QString, key);
        QFETCH(QString, page);
        QFETCH(QString, selected);
        ShowHelp(nullptr, HelpContents);
        ShowHelpKey(key);
        HelpWindow *help = HelpWindow::instance(false);
        QCOMPARE(help->currentPage(), page.isEmpty() ? QStringLiteral("contents.html") : page);
        QCOMPARE(help->findChild<QLineEdit *>(QStringLiteral("txtKeyword"))->text(), key);
        auto *list = help->findChild<QListWidget *>(QStringLiteral("lstKeywords"));
        if (!selected.isEmpty())
            QCOMPARE(list->currentItem()->text(), selected);

        // Enter in the keyword box shows the page of the keyword the list points at.
        if (!selected.isEmpty() && page.isEmpty()) {
            QTest::keyClick(help->findChild<QLineEdit *>(QStringLiteral("txtKeyword")), Qt::Key_Return);
            QCOMPARE(help->currentPage(), QStringLiteral("format.html#frames"));
        }
    }

    void missingPagesShowPageNotFound()
    {
        TestEnvironment environment;
        environment.writeFile(QStringLiteral("help/index.txt"),
                              "[Topics]\n5 = gone.html#here\n6 = there.html\n[Keywords]\nGone = gone.html\n");
        environment.writeFile(QStringLiteral("help/there.html"),
                              "<html><body><p>There.</p><a href=\"nowhere.html\">next</a></body></html>");
        SetHelpFolder(environment.root() + QStringLiteral("/help"));
        QWidget window;

        ShowHelp(&window, HelpContents);
        HelpWindow *help = HelpWindow::instance(false);
        QVERIFY(pageText(help).contains(QStringLiteral("Page not found")));
        QVERIFY(pageText(help).contains(QStringLiteral("\"contents.html\"")));

        SetHelpContext(&window, 5);
        ShowHelp(&window, HelpContextTopic);
        QVERIFY(pageText(help).contains(QStringLiteral("\"gone.html\" cannot be found")));

        SetHelpContext(&window, 999);
        ShowHelp(&window, HelpContextTopic);
        QVERIFY(pageText(help).contains(QStringLiteral("There is no help page for topic 999.")));

        ShowHelpKey(QStringLiteral("gone"));
        QVERIFY(pageText(help).contains(QStringLiteral("Page not found")));

        // A link from a page to a missing page.
        help->showPage(QStringLiteral("there.html"));
        QVERIFY(pageText(help).contains(QStringLiteral("There.")));
        auto *browser = help->findChild<QTextBrowser *>(QStringLiteral("rtfHelp"));
        Q_EMIT browser->anchorClicked(QUrl(QStringLiteral("nowhere.html")));
        QVERIFY(pageText(help).contains(QStringLiteral("\"nowhere.html\" cannot be found")));
        QCOMPARE(help->currentPage(), QStringLiteral("nowhere.html"));
    }

    void missingIndexLeavesAnEmptyKeywordList()
    {
        TestEnvironment environment;
        environment.writeFile(QStringLiteral("help/contents.html"), "<html><body>Start</body></html>");
        SetHelpFolder(environment.root() + QStringLiteral("/help"));
        ShowHelpKey(QStringLiteral("Link"));
        HelpWindow *help = HelpWindow::instance(false);
        QCOMPARE(help->findChild<QListWidget *>(QStringLiteral("lstKeywords"))->count(), 0);
        QCOMPARE(pageText(help), QStringLiteral("Start"));
    }

    void indexParsing()
    {
        const HelpIndex index = HelpIndex::parse(
            QStringLiteral("; comment\r\n[ topics ]\r\n 12 = a.html \r\nx = b.html\r\n12 = c.html\r\n"
                           "13 =\r\n[KEYWORDS]\r\nzebra = z.html\r\nApple = a.html#top\r\napple = other.html\r\n"
                           "no equals sign\r\n[Other]\r\n14 = d.html\r\n"));
        QCOMPARE(index.topics().size(), 1);
        QCOMPARE(index.topicPage(12), QStringLiteral("a.html"));
        QCOMPARE(index.topicPage(14), QString());
        QCOMPARE(index.keywords().size(), 2);
        QCOMPARE(index.keywords()[0].keyword, QStringLiteral("Apple"));
        QCOMPARE(index.keywordPage(QStringLiteral("APPLE")), QStringLiteral("a.html#top"));
        QCOMPARE(index.firstKeywordStartingWith(QStringLiteral("ZE")), 1);
        QCOMPARE(index.firstKeywordStartingWith(QStringLiteral("q")), -1);
    }

    void shippedIndexPointsAtExistingPages()
    {
        const HelpIndex index = HelpIndex::load(HelpFolder() + QStringLiteral("index.txt"));
        QVERIFY(!index.topics().isEmpty());
        QVERIFY(!index.keywords().isEmpty());
        for (auto it = index.topics().cbegin(); it != index.topics().cend(); ++it)
            verifyPageExists(it.value(), QStringLiteral("topic %1").arg(it.key()));
        for (const HelpKeyword &entry : index.keywords())
            verifyPageExists(entry.page, QStringLiteral("keyword ") + entry.keyword);

        // Every help context the program's windows use has a page.
        const int topics[] = {
            HelpTopic::Contents, HelpTopic::StartUp, HelpTopic::SmartFields, HelpTopic::FileCommands,
            HelpTopic::WebPageWizard, HelpTopic::FramesWizard, HelpTopic::Printing, HelpTopic::ViewInBrowser,
            HelpTopic::EditCommands, HelpTopic::FindReplace, HelpTopic::InsertCommands,
            HelpTopic::OneFieldPrompt, HelpTopic::EmbeddedImage, HelpTopic::HorizontalRule,
            HelpTopic::PageSound, HelpTopic::TimerAutoLoad, HelpTopic::SearchEngineLinks,
            HelpTopic::PageStructure, HelpTopic::PageColours, HelpTopic::PageTextSize,
            HelpTopic::FormatCommands, HelpTopic::Link, HelpTopic::Table, HelpTopic::QuickTable,
            HelpTopic::Frames, HelpTopic::TextAppearance, HelpTopic::Options, HelpTopic::Preferences,
            HelpTopic::LocationDialog, HelpTopic::WindowCommands, HelpTopic::HelpCommands,
            HelpTopic::ReferenceGuides};
        for (const int topic : topics)
            QVERIFY2(!index.topicPage(topic).isEmpty(), qPrintable(QString::number(topic)));
    }

    void shippedPagesLinkToExistingPages()
    {
        const QStringList pages = QDir(HelpFolder()).entryList({QStringLiteral("*.html")}, QDir::Files);
        QVERIFY(pages.contains(QStringLiteral("contents.html")));
        static const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""),
                                             QRegularExpression::CaseInsensitiveOption);
        for (const QString &page : pages) {
            const QString html = readAll(HelpFolder() + page);
            QVERIFY2(html.contains(QStringLiteral("<title>")), qPrintable(page));
            for (const auto &match : link.globalMatch(html)) {
                const QString target = match.captured(1);
                verifyPageExists(target.startsWith(u'#') ? page + target : target, page);
            }
        }
    }

    void helpStaysUsableBesideAModalDialog()
    {
        auto *dialog = new QDialog;
        dialog->setWindowModality(Qt::ApplicationModal);
        dialog->show();
        QTRY_COMPARE(QApplication::activeModalWidget(), dialog);
        SetHelpContext(dialog, HelpTopic::Table);
        ShowHelp(dialog, HelpContextTopic);
        HelpWindow *help = HelpWindow::instance(false);
        QCOMPARE(help->parentWidget(), dialog);
        QCOMPARE(help->currentPage(), QStringLiteral("format.html#table"));

        dialog->hide();
        QVERIFY(HelpWindow::instance(false));
        QCOMPARE(help->parentWidget(), nullptr);
        QVERIFY(help->isVisible());
        delete dialog;
        QCOMPARE(HelpWindow::instance(false), help);
        QCOMPARE(help->currentPage(), QStringLiteral("format.html#table"));
    }
};

QTEST_MAIN(HelpWindowTest)
#include "helpwindow_guitest.moc"
