#include "html/framesdocument.h"
#include "html/wizardpage.h"

#include "settings/preferences.h"
#include "tests/html/golden.h"
#include "tests/support/scripteddialogs.h"

#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <functional>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

// Every generated page and frame document is compared with its golden file
// under data/.
namespace {

// tidy's verdict: below 2 means warnings at most.
void checkWithTidy(const QString &text)
{
    const QString tidy = QStandardPaths::findExecutable(u"tidy"_s);
    if (tidy.isEmpty())
        QSKIP("tidy is not installed: the generated HTML is not checked");
    QProcess process;
    process.start(tidy, {u"-q"_s, u"-e"_s});
    QVERIFY(process.waitForStarted());
    process.write(text.toLatin1());
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished());
    QVERIFY2(process.exitCode() < 2, process.readAllStandardError().constData());
}

using PageCase = std::function<void(WizardPageAnswers &)>;
using FramesCase = std::function<void(FramesOptions &)>;

WizardLocation location(const QString &path) { return {path, WizardFileName(path, false)}; }

// Every box filled in, as a user would.
void fullPage(WizardPageAnswers &a)
{
    a.pageTitle = u"My Home Page"_s;
    a.colours = {u"white"_s, u"black"_s, u"#0000FF"_s, u"purple"_s, u"red"_s};
    a.headingColour = u"navy"_s;
    a.locations = {location(u"/home/ann/pictures/Back.gif"_s), location(u"/home/ann/logo.png"_s),
                   location(u"/home/ann/cv.htm"_s), location(u"/home/ann/files/notes.txt#top"_s),
                   location(u"/home/ann/photo.jpg"_s)};
    a.headingImageSize = QSize(120, 48);
    a.heading = u"Welcome To My Page"_s;
    a.headingRule = true;
    a.introduction = u"Hello and welcome.\r\nHave a look around."_s;
    a.internetAddresses = {u"www.debian.org"_s, u"www.qt.io/"_s, u"example.com"_s};
    a.internetTexts = {u"Debian"_s, QString(), u"An example"_s};
    a.fileTexts = {u"My CV"_s, QString(), u"A photo"_s};
    a.footer = u"Thanks for visiting."_s;
    a.useEmail = true;
    a.emailAddress = u"ann@example.com"_s;
    a.userName = u"Ann Smith"_s;
}

} // namespace

class WizardGeneratorsTest : public QObject {
    Q_OBJECT

    ScriptedFacades m_facades;

private Q_SLOTS:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        Prefs() = Preferences{};
    }
    void cleanupTestCase() { QLocale::setDefault(QLocale::system()); }

    void pages_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("indent");
        QTest::addColumn<PageCase>("fill");
        const auto add = [](const char *name, bool indent, const PageCase &fill) {
            QTest::newRow(name) << QString::fromLatin1(name) << indent << fill;
        };
        add("empty", false, [](WizardPageAnswers &) {});
        add("full", false, fullPage);
        add("full-indented", true, fullPage);
        add("only-text-colour", false, [](WizardPageAnswers &a) { a.colours[1] = u"black"_s; });
        add("image-not-loaded", false, [](WizardPageAnswers &a) {
            a.locations[HeadingImage] = location(u"/tmp/broken.gif"_s);
        });
        add("second-address-only", false, [](WizardPageAnswers &a) {
            a.internetAddresses[1] = u"www.debian.org"_s;
            a.internetTexts[0] = u"unused text"_s;
        });
        add("rule-without-heading", false, [](WizardPageAnswers &a) { a.headingRule = true; });
        add("email-without-address", false, [](WizardPageAnswers &a) {
            a.useEmail = true;
            a.userName = u"Ann Smith"_s;
        });
        add("two-line-introduction", false, [](WizardPageAnswers &a) { a.introduction = u"a\r\nb"_s; });
        add("heading-text-only", false, [](WizardPageAnswers &a) { a.heading = u"My Page"_s; });
        add("coloured-heading-indented", true, [](WizardPageAnswers &a) {
            a.heading = u"My Page"_s;
            a.headingColour = u"#FF0000"_s;
            a.locations[FirstFileLink + 1] = location(u"/srv/www/Index.HTM"_s);
        });
    }
    void pages()
    {
        QFETCH(QString, name);
        QFETCH(bool, indent);
        QFETCH(PageCase, fill);
        Prefs().IndentCode = indent;
        WizardPageAnswers answers;
        fill(answers);
        const QString page = BuildWizardPage(answers);
        CompareWithGolden(u"wizardpage/"_s + name + u".htm"_s, page);
        checkWithTidy(page);
    }

    void framesDocuments_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<FramesCase>("fill");
        const auto named = [](FramesOptions &o) {
            const QStringList files{u"nav.htm"_s, u"main.htm"_s, u"extra.htm"_s, u"foot.htm"_s};
            for (int k = 0; k < MaxFrames; ++k) {
                o.frames[k].location = "/srv/www/" + files[k];
                o.frames[k].source = files[k];
                o.frames[k].name = files[k].chopped(4);
            }
        };
        for (int style = 1; style <= FrameStyleCount; ++style) {
            QTest::addRow("style%02d", style) << u"style%1"_s.arg(style, 2, 10, QChar(u'0'))
                                              << FramesCase([named, style](FramesOptions &o) {
                                                     o.style = style;
                                                     named(o);
                                                 });
        }
        QTest::newRow("percent") << u"percent"_s << FramesCase([named](FramesOptions &o) {
            o.style = 15;
            named(o);
            o.width = u"25"_s;
            o.widthPercent = true;
            o.height = u"10"_s;
            o.heightPercent = true;
        });
        QTest::newRow("no-noframes") << u"no-noframes"_s << FramesCase([named](FramesOptions &o) {
            o.style = 5;
            named(o);
            o.noFrames.clear();
        });
        QTest::newRow("properties") << u"properties"_s << FramesCase([](FramesOptions &o) {
            o.title = u"Frames & more"_s;
            o.noFrames = u"No frames here.\r\nSee <A HREF=\"main.htm\">the main page</A>."_s;
            o.frames[0] = {u"nav"_s, u"/srv/www/left.htm"_s, u"left.htm"_s, false, false};
            o.frames[1] = {QString(), u"/srv/www/main.htm"_s, u"main.htm"_s, true, true};
        });
    }
    void framesDocuments()
    {
        QFETCH(QString, name);
        QFETCH(FramesCase, fill);
        FramesOptions options;
        fill(options);
        const QString text = BuildFramesDocument(options);
        CompareWithGolden(u"framesdocument/"_s + name + u".htm"_s, text);
        checkWithTidy(text);
    }

    // The frame that takes the space left over is drawn white in the pictures.
    void leftOverFrame_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("frame");
        const std::array expected{2, 1, 2, 1, 3, 2, 3, 2, 2, 1, 2, 2, 3, 2, 2, 3, 2};
        for (int style = 1; style <= FrameStyleCount; ++style)
            QTest::addRow("style %d", style) << style << expected[style - 1];
        QTest::newRow("out of range as style 1") << 18 << 2;
    }
    void leftOverFrame()
    {
        QFETCH(int, style);
        QFETCH(int, frame);
        const QList<FrameArea> areas = FrameAreas(style);
        QCOMPARE(areas.size(), FrameCount(style));
        QRectF united;
        for (qsizetype k = 0; k < areas.size(); ++k) {
            QCOMPARE(areas[k].leftOver, k + 1 == frame);
            united = united.united(areas[k].rect);
        }
        QCOMPARE(united, QRectF(0, 0, 1, 1));
    }

    // "location from document: source", "(copied)" when the file must be
    // copied beside the document.
    void frameSources()
    {
        Transcript t(u"framesdocument/sources.txt"_s);
        const auto source = [&t](const QString &location, const QString &document, bool lowerCase) {
            t.add(location + u" from "_s + document + (lowerCase ? u" lower-cased"_s : QString()),
                  FrameSource(location, document, lowerCase) + (FrameNeedsCopy(location, document) ? u" (copied)"_s : QString()));
        };
        source(u"/srv/www/Left.htm"_s, u"/srv/www/index.htm"_s, false);
        source(u"/srv/www/Left.htm"_s, u"/srv/www/index.htm"_s, true);
        source(u"/srv/www/pages/a.htm"_s, u"/srv/www/index.htm"_s, false);
        source(u"/home/ann/a.htm"_s, u"/srv/www/index.htm"_s, false);
        source(u"/srv/www/a\\b.htm"_s, u"/srv/www/index.htm"_s, false);
        source(u"C:\\web\\pages\\a.htm"_s, u"C:\\web\\index.htm"_s, false);
        source(u"D:\\other\\A.htm"_s, u"C:\\web\\index.htm"_s, true);
        source(u"D:\\other\\a.htm"_s, u"/srv/www/index.htm"_s, false);
    }

    void boxTexts()
    {
        Transcript t(u"wizardpage/boxtexts.txt"_s);
        t.addEach({u"  C:/web/a.htm "_s, u" /srv/www/a.htm"_s}, FrameLocationText);
        t.addEach({u"   "_s, u"C:\\Pics\\Back.GIF#x"_s}, [](const QString &path) { return WizardFileName(path, true); });
        t.addEach({u"/pics/Back.GIF"_s}, [](const QString &path) { return WizardFileName(path, false); });
        t.addEach({u"http://www.debian.org"_s, u" HTTP://Example.com"_s, u"https://x.org"_s, u"http:/"_s},
                  WithoutHttpPrefix);
    }
};

QTEST_GUILESS_MAIN(WizardGeneratorsTest)
#include "wizardgenerators_test.moc"
