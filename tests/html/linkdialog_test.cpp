// The link dialog's reader and builder: the selected links of the dialog's
// cases read back, the exact links built, the target and status rules, and
// a round trip over generated option sets.

#include "html/linkdialog.h"
#include "html/valuehelpers.h"
#include "settings/paths.h"
#include "tests/support/optiongenerator.h"

#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(tavorin::LinkKind)
Q_DECLARE_METATYPE(tavorin::LinkOptions)

namespace {

LinkOptions link(LinkKind kind, const QString &location, const QString &text, const QString &target = {},
                 const QString &status = {})
{
    LinkOptions options;
    options.kind = kind;
    options.location = location;
    options.displayText = text;
    options.target = target;
    options.statusText = status;
    if (!status.isEmpty()) {
        options.scripts[1] = StatusOverScript(status);
        options.scripts[2] = StatusOutScript();
    }
    return options;
}

} // namespace

class LinkDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsSelectedLinks_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<LinkKind>("kind");
        QTest::addColumn<QString>("href");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("status");
        QTest::newRow("anchor") << u"<A HREF=\"#top\">Top</A>"_s << LinkKind::Anchor << u"#top"_s << u"Top"_s
                                << QString() << QString();
        QTest::newRow("mailto is an address")
            << u"<a href=\"mailto:someone\">Write</a>"_s << LinkKind::Internet << u"mailto:someone"_s << u"Write"_s
            << QString() << QString();
        QTest::newRow("relative file") << u"<A HREF=\"pics/a.htm\" TARGET=\"_top\">A</A>"_s << LinkKind::LocalFile
                                       << u"pics/a.htm"_s << u"A"_s << u"_top"_s << QString();
        QTest::newRow("site root path is no address")
            << u"<A HREF=\"/site/a.htm\">A</A>"_s << LinkKind::LocalFile << u"/site/a.htm"_s << u"A"_s << QString()
            << QString();
        QTest::newRow("two lines become one")
            << u"<A HREF=\"a.htm\"\r\nTARGET=\"main\">Two\r\nlines </A>"_s << LinkKind::LocalFile << u"a.htm"_s
            << u"Two lines"_s << u"main"_s << QString();
        QTest::newRow("inner tags stay")
            << u"<A HREF=\"x.htm\"><B>Bold</B></A>"_s << LinkKind::LocalFile << u"x.htm"_s << u"<B>Bold</B>"_s
            << QString() << QString();
        QTest::newRow("status text")
            << u"<A HREF=\"http://server/\" onMouseOver=\"window.status='Go on';return true\">Home</A>"_s
            << LinkKind::Internet << u"http://server/"_s << u"Home"_s << QString() << u"Go on"_s;
    }
    void readsSelectedLinks()
    {
        QFETCH(QString, selected);
        QFETCH(LinkKind, kind);
        QFETCH(QString, href);
        QFETCH(QString, text);
        QFETCH(QString, target);
        QFETCH(QString, status);
        const LinkOptions read = ReadLink(selected);
        QCOMPARE(read.kind, kind);
        QCOMPARE(read.location, href);
        QCOMPARE(read.displayText, text);
        QCOMPARE(read.target, target);
        QCOMPARE(read.statusText, status);
    }

    void buildsLinks_data()
    {
        QTest::addColumn<LinkOptions>("options");
        QTest::addColumn<QString>("expected");
        QTest::newRow("local file") << link(LinkKind::LocalFile, u"index.htm"_s, u"Home"_s)
                                    << u"<A HREF=\"index.htm\">Home</A>"_s;
        QTest::newRow("anchor gets its hash") << link(LinkKind::Anchor, u"top"_s, u"Home"_s)
                                              << u"<A HREF=\"#top\">Home</A>"_s;
        QTest::newRow("address with target and status")
            << link(LinkKind::Internet, u"http://server/"_s, u"Home"_s, u"_blank"_s, u"Go"_s)
            << u"<A HREF=\"http://server/\" TARGET=\"_blank\" onMouseOver=\"window.status='Go';return true\" "
               "onMouseOut=\"window.status='';return true\">Home</A>"_s;
        QTest::newRow("blank text shows the file name")
            << link(LinkKind::LocalFile, u"pics/photo.gif#p1"_s, u"  "_s) << u"<A HREF=\"pics/photo.gif#p1\">photo.gif</A>"_s;
        QTest::newRow("default target writes none")
            << link(LinkKind::LocalFile, u"a.htm"_s, u"A"_s, u" (Default) "_s) << u"<A HREF=\"a.htm\">A</A>"_s;
        QTest::newRow("apostrophe as grave accent")
            << link(LinkKind::LocalFile, u"a.htm"_s, u"A"_s, {}, u"it's"_s)
            << u"<A HREF=\"a.htm\" onMouseOver=\"window.status='it`s';return true\" "
               "onMouseOut=\"window.status='';return true\">A</A>"_s;
        QTest::newRow("address slashes and blank text")
            << link(LinkKind::Internet, u"file://C:\\web\\a.htm"_s, {}) << u"<A HREF=\"file://C:/web/a.htm\">a.htm</A>"_s;
        QTest::newRow("address shown when no text")
            << link(LinkKind::Internet, u"http://server/x"_s, u"(none)"_s) << u"<A HREF=\"http://server/x\">http://server/x</A>"_s;
        QTest::newRow("anchor text exactly as typed")
            << link(LinkKind::Anchor, u"#a"_s, u" b "_s) << u"<A HREF=\"#a\"> b </A>"_s;
        LinkOptions scripted = link(LinkKind::LocalFile, u"a.htm"_s, u"A"_s);
        scripted.scripts = {u" go() "_s, u"(default)"_s, u"  "_s};
        QTest::newRow("blank scripts write nothing") << scripted << u"<A HREF=\"a.htm\" onClick=\"go()\">A</A>"_s;
    }
    void buildsLinks()
    {
        QFETCH(LinkOptions, options);
        QFETCH(QString, expected);
        QCOMPARE(BuildLink(options), expected);
    }

    void targetAndNewWindow()
    {
        QVERIFY(OpensNewWindow(u"_BLANK"_s) && OpensNewWindow(u"_new"_s));
        QVERIFY(!OpensNewWindow(u"_blank "_s) && !OpensNewWindow(u"_top"_s) && !OpensNewWindow({}));
        QCOMPARE(TargetForNewWindow(true, u"_New"_s), u"_blank"_s);
        QCOMPARE(TargetForNewWindow(true, u"_top"_s), u"_blank"_s);
        QCOMPARE(TargetForNewWindow(true, u"_blank"_s), u"_blank"_s);
        QCOMPARE(TargetForNewWindow(false, u"_NEW"_s), u"(default)"_s);
        QCOMPARE(TargetForNewWindow(false, u"_top"_s), u"_top"_s);
    }

    // Whatever the builder writes, the reader gives back: the values the
    // builder leaves out read back as empty, a blank text as the text the
    // link shows.
    void roundTrip()
    {
        OptionGenerator generate;
        for (int round = 0; round < 400; ++round) {
            LinkOptions options;
            options.kind = std::array{LinkKind::LocalFile, LinkKind::Internet, LinkKind::Anchor}[generate.index(3)];
            if (options.kind == LinkKind::LocalFile)
                options.location = generate.pick({u"index.htm"_s, u"pics/photo.gif#p1"_s, u"my pages/a b.htm"_s});
            else if (options.kind == LinkKind::Internet)
                options.location = generate.pick({u"http://server/"_s, u"https://www.example.com/a?b=1&c=2"_s,
                                                  u"mailto:someone@example.com"_s, u"ftp://files.example/x.zip"_s});
            else
                options.location = generate.pick({u"#top"_s, u"#Part 2"_s});
            options.displayText = generate.pick({{}, u"Home"_s, u"Two words"_s, u"<B>Bold</B>"_s, u"(none)"_s});
            options.target = generate.pick({{}, u"_blank"_s, u"_top"_s, u"main frame"_s, u"(default)"_s});
            options.scripts[0] = generate.pick({{}, u"go()"_s, u"alert(`x`);return false"_s});
            const QString status = generate.pick({{}, u"Go"_s, u"it's here"_s});
            if (status.isEmpty()) {
                options.scripts[1] = generate.pick({{}, u"light(1)"_s});
                options.scripts[2] = generate.pick({{}, u"light(0)"_s});
            } else {
                options.statusText = status;
                options.scripts[1] = StatusOverScript(status);
                options.scripts[2] = StatusOutScript();
            }
            const QString text = BuildLink(options);

            LinkOptions expected = options;
            expected.statusText = ApostropheToBacktick(status);
            if (!HasValue(expected.target))
                expected.target.clear();
            if (!HasValue(options.displayText) && options.kind != LinkKind::Anchor)
                expected.displayText = options.kind == LinkKind::LocalFile ? FileNameOf(options.location)
                                                                           : options.location;
            const LinkOptions read = ReadLink(text);
            QVERIFY2(read == expected, qPrintable(text));
        }
    }
};

QTEST_GUILESS_MAIN(LinkDialogTest)
#include "linkdialog_test.moc"
