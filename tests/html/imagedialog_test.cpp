// The image dialog's reader and builder: the dialog's examples and cases,
// and a round trip over generated images with and without links.

#include "html/imagedialog.h"
#include "html/valuehelpers.h"
#include "tests/html/golden.h"
#include "tests/support/optiongenerator.h"

#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {

ImageOptions logo()
{
    ImageOptions options;
    options.source = u"pics/logo.gif"_s;
    options.altText = u"Logo"_s;
    options.sizes = {u"120"_s, u"60"_s, {}, {}, {}};
    return options;
}

} // namespace

class ImageDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void buildsImages()
    {
        Transcript t(u"imagedialog/images.txt"_s);
        t.add(u"example"_s, BuildImage(logo()));
        ImageOptions options = logo();
        options.link.kind = LinkKind::LocalFile;
        options.link.location = u"index.htm"_s;
        t.add(u"linked example"_s, BuildImage(options));
        options = {};
        options.source = u"a.gif"_s;
        options.altText = u"   "_s;
        t.add(u"blank ALT still written"_s, BuildImage(options));
        options = logo();
        options.altText.clear();
        options.alignment = u"Absmiddle"_s;
        options.sizes = {QString(), u"60"_s, u"0"_s, u"5"_s, u"7"_s};
        options.name = u"pic"_s;
        options.scripts = {u"a()"_s, {}, u"c()"_s};
        options.link = {LinkKind::Anchor, u"top"_s, u"Home"_s, {}, u"_New"_s, {u"go()"_s, {}, {}}};
        t.add(u"attribute order"_s, BuildImage(options));
    }

    void readsLinkedImage()
    {
        const ImageOptions read = ReadImage(
            u"<A HREF=\"http://server/\"\r\nTARGET=\"_top\"><IMG SRC=\"pics/logo.gif\" WIDTH=\"120\"> Home </A>"_s);
        QCOMPARE(read.link.kind, LinkKind::Internet);
        QCOMPARE(read.link.location, u"http://server/"_s);
        QCOMPARE(read.link.target, u"_top"_s);
        QCOMPARE(read.link.displayText, u"Home"_s); // kept after the image in the rebuilt link
        QCOMPARE(read.sizes[0], u"120"_s);
        QCOMPARE(read.sourceKind, LinkKind::LocalFile);
        QVERIFY(BuildImage(read).endsWith(u"WIDTH=\"120\">Home</A>"_s));

        ImageOptions bare = read;
        bare.link.kind = LinkKind::Nothing; // choosing no link drops it
        QCOMPARE(BuildImage(bare), u"<IMG SRC=\"pics/logo.gif\" WIDTH=\"120\">"_s);
    }

    void roundTrip()
    {
        OptionGenerator generate;
        for (int round = 0; round < 400; ++round) {
            ImageOptions options;
            options.sourceKind = generate.flip() ? LinkKind::Internet : LinkKind::LocalFile;
            options.source = options.sourceKind == LinkKind::Internet
                                 ? generate.pick({u"http://server/pic.gif"_s, u"https://example.com/a b.png"_s})
                                 : generate.pick({u"pics/logo.gif"_s, u"my pics/a.jpg"_s});
            options.altText = generate.pick({{}, u"  "_s, u"Logo"_s, u"Our shop"_s});
            options.alignment = generate.pick({{}, u"Left"_s, u"Absmiddle"_s, u"(default)"_s});
            options.sizes = {generate.digits(4), generate.digits(4), generate.digits(3), generate.digits(3),
                             generate.digits(3)};
            options.name = generate.pick({{}, u"logo1"_s});
            for (QString &script : options.scripts)
                script = generate.pick({{}, u"f(this)"_s});
            options.link.kind = std::array{LinkKind::Nothing, LinkKind::LocalFile, LinkKind::Internet,
                                           LinkKind::Anchor}[generate.index(4)];
            if (options.link.kind != LinkKind::Nothing) {
                options.link.location = options.link.kind == LinkKind::Anchor     ? u"#top"_s
                                        : options.link.kind == LinkKind::Internet ? u"http://server/"_s
                                                                                  : u"index.htm"_s;
                options.link.displayText = generate.pick({{}, u"Home"_s});
                options.link.target = generate.pick({{}, u"_top"_s});
                options.link.scripts[0] = generate.pick({{}, u"go()"_s});
                if (generate.flip()) {
                    options.link.statusText = u"Go"_s;
                    options.link.scripts[1] = StatusOverScript(u"Go"_s);
                    options.link.scripts[2] = StatusOutScript();
                }
            }
            const QString text = BuildImage(options);

            ImageOptions expected = options;
            if (!HasValue(expected.alignment))
                expected.alignment.clear();
            const ImageOptions read = ReadImage(text);
            QVERIFY2(read == expected, qPrintable(text));
        }
    }
};

QTEST_GUILESS_MAIN(ImageDialogTest)
#include "imagedialog_test.moc"
