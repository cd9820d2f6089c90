#include "html/framesdocument.h"
#include "html/wizardpage.h"

#include "settings/preferences.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <functional>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

// Every generated page and frame document is compared with its golden file
// under data/. With TAVORIN_UPDATE_GOLDEN set the files are written instead
// (tests/html/update-golden.sh), so a change shows as a diff to review.
namespace {

QString goldenPath(const QString &folder, const QString &name)
{
    return QFileInfo(QString::fromUtf8(__FILE__)).absolutePath() + "/data/" + folder + u'/' + name + ".htm";
}

void compareWithGolden(const QString &folder, const QString &name, const QString &text)
{
    const QString path = goldenPath(folder, name);
    if (qEnvironmentVariableIsSet("TAVORIN_UPDATE_GOLDEN")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text.toUtf8());
        return;
    }
    QVERIFY2(QFileInfo::exists(path), qPrintable("no golden file " + path));
    const QString expected = ReadText(path);
    if (text == expected)
        return;
    const QStringList got = text.split(u'\n');
    const QStringList want = expected.split(u'\n');
    for (qsizetype i = 0; i < qMax(got.size(), want.size()); ++i) {
        if (got.value(i) != want.value(i))
            QFAIL(qPrintable(u"%1 differs at line %2:\n  got:  %3\n  want: %4"_s.arg(path).arg(i + 1).arg(
                got.value(i).trimmed(), want.value(i).trimmed())));
    }
}

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
        compareWithGolden(u"wizardpage"_s, name, page);
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
        compareWithGolden(u"framesdocument"_s, name, text);
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

    void frameSources_data()
    {
        QTest::addColumn<QString>("location");
        QTest::addColumn<QString>("document");
        QTest::addColumn<bool>("lowerCase");
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("copied");
        QTest::newRow("same folder") << u"/srv/www/Left.htm"_s << u"/srv/www/index.htm"_s << false << u"Left.htm"_s << false;
        QTest::newRow("lower-cased") << u"/srv/www/Left.htm"_s << u"/srv/www/index.htm"_s << true << u"left.htm"_s << false;
        QTest::newRow("sub-folder") << u"/srv/www/pages/a.htm"_s << u"/srv/www/index.htm"_s << false << u"pages/a.htm"_s << false;
        QTest::newRow("other folder") << u"/home/ann/a.htm"_s << u"/srv/www/index.htm"_s << false << u"../../home/ann/a.htm"_s << false;
        QTest::newRow("backslash in a Linux name") << u"/srv/www/a\\b.htm"_s << u"/srv/www/index.htm"_s << false << u"a%5Cb.htm"_s << false;
        QTest::newRow("drive letter, same drive") << u"C:\\web\\pages\\a.htm"_s << u"C:\\web\\index.htm"_s << false << u"pages/a.htm"_s << false;
        QTest::newRow("drive letter, other drive") << u"D:\\other\\A.htm"_s << u"C:\\web\\index.htm"_s << true << u"a.htm"_s << true;
        QTest::newRow("drive letter beside a Linux page") << u"D:\\other\\a.htm"_s << u"/srv/www/index.htm"_s << false << u"a.htm"_s << true;
    }
    void frameSources()
    {
        QFETCH(QString, location);
        QFETCH(QString, document);
        QFETCH(bool, lowerCase);
        QFETCH(QString, source);
        QFETCH(bool, copied);
        QCOMPARE(FrameSource(location, document, lowerCase), source);
        QCOMPARE(FrameNeedsCopy(location, document), copied);
    }

    void boxTexts()
    {
        QCOMPARE(FrameLocationText(u"  C:/web/a.htm "_s), u"C:\\web\\a.htm"_s);
        QCOMPARE(FrameLocationText(u" /srv/www/a.htm"_s), u"/srv/www/a.htm"_s);
        QCOMPARE(WizardFileName(u"   "_s, true), QString());
        QCOMPARE(WizardFileName(u"C:\\Pics\\Back.GIF#x"_s, true), u"back.gif"_s);
        QCOMPARE(WizardFileName(u"/pics/Back.GIF"_s, false), u"Back.GIF"_s);
        QCOMPARE(WithoutHttpPrefix(u"http://www.debian.org"_s), u"www.debian.org"_s);
        QCOMPARE(WithoutHttpPrefix(u" HTTP://Example.com"_s), u"Example.com"_s);
        QCOMPARE(WithoutHttpPrefix(u"https://x.org"_s), u"https://x.org"_s);
        QCOMPARE(WithoutHttpPrefix(u"http:/"_s), u"http:/"_s);
    }
};

QTEST_GUILESS_MAIN(WizardGeneratorsTest)
#include "wizardgenerators_test.moc"
