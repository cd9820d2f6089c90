// The frame dialog's reader and builder: the element kinds, the example
// frame, editing a frame set in place against wrapping, the frame-set
// message and a round trip over generated elements.

#include "html/elementedit.h"
#include "html/framedialog.h"
#include "html/valuehelpers.h"
#include "settings/preferences.h"
#include "tests/html/golden.h"
#include "tests/support/optiongenerator.h"

#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(tavorin::FrameElement)
Q_DECLARE_METATYPE(tavorin::FrameDialogOptions)

namespace {

FrameDialogOptions element(FrameElement kind)
{
    FrameDialogOptions options;
    options.element = kind;
    return options;
}

FrameDialogOptions menuFrame()
{
    FrameDialogOptions options = element(FrameElement::Frame);
    options.frame.source = u"menu.htm"_s;
    options.frame.name = u"left"_s;
    options.frame.resizable = false;
    options.frame.attributes[0] = u"No"_s;
    return options;
}

FrameDialogOptions columns(const QString &widths)
{
    FrameDialogOptions options = element(FrameElement::Frameset);
    options.frameset.attributes[0] = widths;
    return options;
}

} // namespace

class FrameDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Prefs().IndentCode = false; }

    void classifies_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<FrameElement>("kind");
        QTest::newRow("frame set") << u"  <frameset rows=\"*\">"_s << FrameElement::Frameset;
        QTest::newRow("frame") << u"<FRAME SRC=\"a.htm\">"_s << FrameElement::Frame;
        QTest::newRow("no frames") << u"<NoFrames>x</NOFRAMES>"_s << FrameElement::NoFrames;
        QTest::newRow("text") << u"Hello"_s << FrameElement::None;
        QTest::newRow("line break before the tag") << u"\r\n<FRAME>"_s << FrameElement::None;
        QTest::newRow("nothing") << QString() << FrameElement::None;
    }
    void classifies()
    {
        QFETCH(QString, selected);
        QFETCH(FrameElement, kind);
        QCOMPARE(FrameElementKind(selected), kind);
    }

    // The exact text, which the round trip leaves open: attribute order and
    // spelling, a frame set edited in place or wrapped around the selection.
    void builds()
    {
        Transcript t(u"framedialog/builds.txt"_s);
        const auto build = [&t](const char *name, const FrameDialogOptions &options, const QString &selected) {
            t.add(QString::fromLatin1(name), BuildFrameElement(options, selected));
        };
        build("example", menuFrame(), {});
        FrameDialogOptions every = menuFrame();
        every.frame.name = u"  "_s;
        every.frame.resizable = true;
        every.frame.attributes = {u"(default)"_s, u"0"_s, u"5"_s, u"6"_s};
        build("blank name, every frame attribute", every, u"old text"_s);
        FrameDialogOptions set = columns(u"20%, 80%"_s);
        set.frameset.attributes = {u"20%, 80%"_s, u" *,* "_s, u"2"_s, u"No"_s};
        set.frameset.scripts = {u"a()"_s, {}, {}, u"d()"_s};
        build("frame set attribute order", set, u"<FRAMESET>"_s);
        build("frame set edited in place", columns(u"30%, 70%"_s),
              u"<FRAMESET COLS=\"20%, 80%\">\r\n<FRAME SRC=\"a.htm\">\r\n</FRAMESET>"_s);
        build("text before the edited tag stays", columns(u"*"_s), u" <FRAMESET ROWS=\"1\">x"_s);
        build("frame set wraps frames", columns(u"*,*"_s), u"<FRAME SRC=\"a.htm\">\r\n<FRAME SRC=\"b.htm\">"_s);
        build("no frames with nothing selected", element(FrameElement::NoFrames), {});
        build("no frames edited in place", element(FrameElement::NoFrames), u"<noframes class=x>Old</noframes>"_s);
        build("frame replaces a frame set", menuFrame(), u"<FRAMESET COLS=\"*\"></FRAMESET>"_s);
        Prefs().IndentCode = true;
        build("no frames wraps indented", element(FrameElement::NoFrames), u"Line 1\r\n\r\nLine 2"_s);
    }

    void reads_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<FrameDialogOptions>("expected");
        FrameDialogOptions quoted = element(FrameElement::Frame);
        quoted.frame.source = u"noresize.htm"_s;
        quoted.frame.attributes[3] = u"4"_s;
        QTest::newRow("NORESIZE inside a value is a file name")
            << u"<frame src=\"noresize.htm\"\r\nmarginheight=4>"_s << quoted;
        FrameDialogOptions set = columns(u"20%, 80%"_s);
        set.frameset.attributes[3] = u"0"_s;
        set.frameset.scripts[1] = u"bye()"_s;
        QTest::newRow("frame set: its opening tag only")
            << u"<FRAMESET COLS=\"20%, 80%\" FRAMEBORDER=\"0\"\r\nonUnload=\"bye()\">\r\n<FRAME SRC=\"a.htm\" "
               "NAME=\"x\" ROWS=\"9\">"_s
            << set;
        QTest::newRow("text chooses the frame") << u"Hello SRC=\"a.htm\""_s << element(FrameElement::Frame);
    }
    void reads()
    {
        QFETCH(QString, selected);
        QFETCH(FrameDialogOptions, expected);
        QCOMPARE(ReadFrameElement(selected), expected);
    }

    void framesetNeedsSizes()
    {
        QVERIFY(!FramesetHasSizes(columns(u"  "_s).frameset));
        QVERIFY(FramesetHasSizes(columns(u"*"_s).frameset));
        FrameDialogOptions rows = element(FrameElement::Frameset);
        rows.frameset.attributes[1] = u"50%"_s;
        QVERIFY(FramesetHasSizes(rows.frameset));
        QCOMPARE(RequiredEntryMessage(FramesetSizesRequest()),
                 u"Please enter your frame column widths and/or frame row heights.\r\n\r\n"
                 "Examples of typical entries: \"100, *, 50\" , \"10%, 90%\"."_s);
    }

    void openingTag()
    {
        QCOMPARE(OpeningTagOf(u" <TD>a</TD>"_s), u"<TD>"_s);
        QCOMPARE(OpeningTagOf(u"<FRAMESET COLS=\"*\""_s), u"<FRAMESET COLS=\"*\""_s);
        QCOMPARE(OpeningTagOf(u"plain"_s), QString());
    }

    // Whatever the builder writes for an element, reading it back gives the
    // options again (values the builder leaves out read back empty).
    void roundTrip()
    {
        OptionGenerator generate;
        const QStringList names{{}, u"left"_s, u"main frame"_s};
        const QStringList sources{u"a.htm"_s, u"pages/menu.htm"_s, u"http://server/x.htm"_s};
        const QStringList sizes{{}, u"*"_s, u"20%, 80%"_s, u"100, *, 50"_s};
        const QStringList scripts{{}, u"go()"_s, u"alert('x')"_s};
        const QStringList combos{{}, u"(default)"_s, u"Yes"_s, u"No"_s, u"Auto"_s, u"0"_s};
        for (int round = 0; round < 300; ++round) {
            FrameDialogOptions options = element(FrameElement(generate.index(3)));
            FrameDialogOptions expected = options;
            if (options.element == FrameElement::Frame) {
                options.frame.source = generate.pick(sources);
                options.frame.name = generate.pick(names);
                options.frame.resizable = generate.flip();
                options.frame.attributes = {generate.pick(combos), generate.pick(combos), generate.digits(3),
                                            generate.digits(3)};
                expected.frame = options.frame;
            } else if (options.element == FrameElement::Frameset) {
                options.frameset.attributes = {generate.pick(sizes), generate.pick(sizes), generate.digits(3),
                                               generate.pick(combos)};
                for (QString &script : options.frameset.scripts)
                    script = generate.pick(scripts);
                expected.frameset = options.frameset;
            }
            for (auto *values : {&expected.frame.attributes, &expected.frameset.attributes}) {
                for (QString &value : *values)
                    value = HasValue(value) ? value : QString();
            }
            const QString text = BuildFrameElement(options, QString());
            QVERIFY2(ReadFrameElement(text) == expected, qPrintable(text));
        }
    }
};

QTEST_GUILESS_MAIN(FrameDialogTest)
#include "framedialog_test.moc"
