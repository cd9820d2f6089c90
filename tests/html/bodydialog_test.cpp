// The page body dialog's reader and builder: the dialog's examples and a
// round trip over generated BODY tags.

#include "html/bodydialog.h"
#include "html/valuehelpers.h"
#include "tests/support/optiongenerator.h"

#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

class BodyDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void examples()
    {
        BodyOptions options;
        options.background = u"back.gif"_s;
        options.colours = {u"White"_s, u"#000080"_s, u"(default)"_s, u"(none)"_s, {}};
        QCOMPARE(BuildBody(options), u"<BODY BACKGROUND=\"back.gif\" BGCOLOR=\"White\" TEXT=\"#000080\">"_s);
        QCOMPARE(BuildBody({}), u"<BODY>"_s);
        options = {};
        options.colours = {u"red"_s, u"blue"_s, u"lime"_s, u"navy"_s, u"aqua"_s};
        options.scripts = {u"a()"_s, {}, u"c()"_s, u"d()"_s};
        QCOMPARE(BuildBody(options), u"<BODY BGCOLOR=\"red\" TEXT=\"blue\" LINK=\"lime\" VLINK=\"navy\" ALINK=\"aqua\" "
                                     "onLoad=\"a()\" onFocus=\"c()\" onBlur=\"d()\">"_s);
    }

    // A spelling the builder never writes; the round trip covers the rest.
    void readsBodyTags()
    {
        const BodyOptions web = ReadBody(u"<body\r\nbackground=\"http://server/back.gif\" onload=\"go()\">"_s);
        QCOMPARE(web.backgroundKind, LinkKind::Internet);
        QCOMPARE(web.background, u"http://server/back.gif"_s);
        QCOMPARE(web.scripts[0], u"go()"_s);
    }

    void roundTrip()
    {
        OptionGenerator generate;
        for (int round = 0; round < 400; ++round) {
            BodyOptions options;
            options.backgroundKind = generate.flip() ? LinkKind::Internet : LinkKind::LocalFile;
            options.background = options.backgroundKind == LinkKind::Internet
                                     ? u"https://example.com/back.png"_s
                                     : generate.pick({{}, u"back.gif"_s, u"my pics/tile.jpg"_s});
            for (QString &colour : options.colours)
                colour = generate.pick({{}, u"White"_s, u"#FFFFFF"_s, u"red"_s, u"(none)"_s, u"(default)"_s});
            for (QString &script : options.scripts)
                script = generate.pick({{}, u"start()"_s, u"alert(`bye`)"_s});
            const QString text = BuildBody(options);

            BodyOptions expected = options;
            for (QString &colour : expected.colours) {
                if (!HasValue(colour))
                    colour.clear();
            }
            QVERIFY2(ReadBody(text) == expected, qPrintable(text));
        }
    }
};

QTEST_GUILESS_MAIN(BodyDialogTest)
#include "bodydialog_test.moc"
