// The link dialog's reader and builder: the exact links built, what only the
// reader meets, the target and status rules, and a round trip over generated
// option sets.

#include "html/linkdialog.h"
#include "html/valuehelpers.h"
#include "settings/paths.h"
#include "tests/html/golden.h"
#include "tests/support/optiongenerator.h"

#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

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
    // What the round trip cannot reach: a path from the site's root, a link
    // over two lines.
    void readsSelectedLinks()
    {
        const LinkOptions root = ReadLink(u"<A HREF=\"/site/a.htm\">A</A>"_s);
        QCOMPARE(root.kind, LinkKind::LocalFile);
        const LinkOptions two = ReadLink(u"<A HREF=\"a.htm\"\r\nTARGET=\"main\">Two\r\nlines </A>"_s);
        QCOMPARE(two.location + u'|' + two.target + u'|' + two.displayText, u"a.htm|main|Two lines"_s);
    }

    // The exact links, which the round trip leaves open.
    void buildsLinks()
    {
        Transcript t(u"linkdialog/links.txt"_s);
        t.add(u"local file"_s, BuildLink(link(LinkKind::LocalFile, u"index.htm"_s, u"Home"_s)));
        t.add(u"anchor gets its hash"_s, BuildLink(link(LinkKind::Anchor, u"top"_s, u"Home"_s)));
        t.add(u"address with target and status"_s,
              BuildLink(link(LinkKind::Internet, u"http://server/"_s, u"Home"_s, u"_blank"_s, u"it's"_s)));
        t.add(u"blank text shows the file name"_s, BuildLink(link(LinkKind::LocalFile, u"pics/photo.gif#p1"_s, u"  "_s)));
        t.add(u"address slashes and blank text"_s, BuildLink(link(LinkKind::Internet, u"file://C:\\web\\a.htm"_s, {})));
        t.add(u"anchor text exactly as typed"_s, BuildLink(link(LinkKind::Anchor, u"#a"_s, u" b "_s)));
        LinkOptions scripted = link(LinkKind::LocalFile, u"a.htm"_s, u"A"_s);
        scripted.scripts = {u" go() "_s, u"(default)"_s, u"  "_s};
        t.add(u"blank scripts write nothing"_s, BuildLink(scripted));
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
