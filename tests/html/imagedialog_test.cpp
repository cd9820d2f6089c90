// The image dialog's reader and builder: the dialog's examples and cases,
// and a round trip over generated images with and without links.

#include "html/imagedialog.h"
#include "html/valuehelpers.h"
#include "tests/support/optiongenerator.h"

#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(tavorin::ImageOptions)

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
    void buildsImages_data()
    {
        QTest::addColumn<ImageOptions>("options");
        QTest::addColumn<QString>("expected");
        QTest::newRow("example") << logo() << u"<IMG SRC=\"pics/logo.gif\" ALT=\"Logo\" WIDTH=\"120\" HEIGHT=\"60\">"_s;
        ImageOptions linked = logo();
        linked.link.kind = LinkKind::LocalFile;
        linked.link.location = u"index.htm"_s;
        QTest::newRow("linked example")
            << linked << u"<A HREF=\"index.htm\"><IMG SRC=\"pics/logo.gif\" ALT=\"Logo\" WIDTH=\"120\" HEIGHT=\"60\"></A>"_s;
        ImageOptions blankAlt;
        blankAlt.source = u"a.gif"_s;
        blankAlt.altText = u"   "_s;
        QTest::newRow("blank ALT still written") << blankAlt << u"<IMG SRC=\"a.gif\" ALT=\"   \">"_s;
        ImageOptions every = logo();
        every.altText.clear();
        every.alignment = u"Absmiddle"_s;
        every.sizes = {QString(), u"60"_s, u"0"_s, u"5"_s, u"7"_s};
        every.name = u"pic"_s;
        every.scripts = {u"a()"_s, {}, u"c()"_s};
        every.link.kind = LinkKind::Anchor;
        every.link.location = u"top"_s;
        every.link.displayText = u"Home"_s;
        every.link.target = u"_New"_s;
        every.link.scripts = {u"go()"_s, {}, {}};
        QTest::newRow("attribute order")
            << every
            << u"<A HREF=\"#top\" TARGET=\"_New\" onClick=\"go()\"><IMG SRC=\"pics/logo.gif\" ALIGN=\"Absmiddle\" "
               "HEIGHT=\"60\" BORDER=\"0\" VSPACE=\"5\" HSPACE=\"7\" NAME=\"pic\" onAbort=\"a()\" onError=\"c()\">Home</A>"_s;
    }
    void buildsImages()
    {
        QFETCH(ImageOptions, options);
        QFETCH(QString, expected);
        QCOMPARE(BuildImage(options), expected);
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
        QCOMPARE(ReadImage(u"<IMG SRC=\"http://server/a.gif\">"_s).sourceKind, LinkKind::Internet);
        QCOMPARE(ReadImage(u"<IMG SRC=\"a.gif\">"_s).link, NoLink());
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
