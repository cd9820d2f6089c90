// The text appearance steps: what each choice wraps around the text and in
// which order the wrappings nest; the page text size tag.

#include "html/textappearance.h"
#include "settings/datafiles.h"
#include "settings/preferences.h"

#include <QTest>

using namespace tavorin;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(tavorin::TextAppearance)

class TextAppearanceTest : public QObject {
    Q_OBJECT

    static TextAppearance styles(const QStringList &names)
    {
        TextAppearance options;
        options.styles = names;
        return options;
    }

private Q_SLOTS:
    void init() { Prefs() = Preferences{}; }

    void steps_data()
    {
        QTest::addColumn<TextAppearance>("options");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        QTest::newRow("nothing chosen leaves the text") << TextAppearance{} << u"Hi there"_s << u"Hi there"_s;
        QTest::newRow("(default) size is no font") << [] { TextAppearance o; o.fontSize = u"(default)"_s; return o; }()
                                                   << u"a"_s << u"a"_s;
        QTest::newRow("bold then italic, inner to outer, in list order")
            << styles({u"Italic"_s, u"Bold"_s}) << u"x"_s << u"<I><B>x</B></I>"_s;
        QTest::newRow("blockquote alone indents once")
            << styles({u"Blockquote"_s}) << u"q"_s << u"<BLOCKQUOTE>\r\nq\r\n</BLOCKQUOTE>"_s;
        QTest::newRow("blockquote and indent indent once")
            << [] { TextAppearance o; o.styles = {u"Blockquote"_s}; o.indent = true; return o; }() << u"q"_s
            << u"<BLOCKQUOTE>\r\nq\r\n</BLOCKQUOTE>"_s;
        QTest::newRow("preformatted innermost, before the heading")
            << [] { TextAppearance o; o.styles = {u"Bold"_s, u"Preformatted"_s}; o.headingLevel = 2; return o; }()
            << u"p"_s << u"<B><H2>\r\n<PRE>\r\np\r\n</PRE>\r\n</H2></B>"_s;
        QTest::newRow("case, drop cap, font, user tags, then alignment over centre")
            << [] {
                   TextAppearance o;
                   o.textCase = TextAppearance::Case::Upper;
                   o.dropCap = true;
                   o.fontFace = u"Arial"_s;
                   o.fontSize = u"+1"_s;
                   o.colour = u"#FF0000"_s;
                   o.startTags = u"<SPAN>"_s;
                   o.endTags = u"</SPAN>"_s;
                   o.alignment = u"Right"_s;
                   o.centre = true;
                   return o;
               }()
            << u"ab"_s
            << u"<DIV ALIGN=\"Right\">\r\n<SPAN><FONT FACE=\"Arial\" SIZE=\"+1\" COLOR=\"#FF0000\">"
               u"<FONT SIZE=\"+2\">A</FONT>B</FONT></SPAN>\r\n</DIV>"_s;
        QTest::newRow("centre without alignment, then the indent outside")
            << [] { TextAppearance o; o.centre = true; o.indent = true; o.textCase = TextAppearance::Case::Title; return o; }()
            << u"big day"_s << u"<BLOCKQUOTE>\r\n<CENTER>\r\nBig Day\r\n</CENTER>\r\n</BLOCKQUOTE>"_s;
        QTest::newRow("heading with alignment, indented code")
            << [] { TextAppearance o; o.headingLevel = 6; o.headingAlign = u"Center"_s; o.indentCode = true; o.textCase = TextAppearance::Case::Lower; return o; }()
            << u"END"_s << u"<H6 ALIGN=\"Center\">\r\n\tend\r\n</H6>"_s;
        QTest::newRow("a heading level outside 1 to 6 is none") << [] { TextAppearance o; o.headingLevel = 7; return o; }()
                                                               << u"t"_s << u"t"_s;
    }
    void steps()
    {
        QFETCH(TextAppearance, options);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(ApplyTextAppearance(text, options), expected);
    }

    void lists()
    {
        QCOMPARE(TextStyleNames().first(), u"Address");
        QCOMPARE(TextStyleNames().last(), u"Variable");
        const QStringList sizes = FontSizeChoices();
        QCOMPARE((QStringList{sizes[0], sizes[1], sizes[7], sizes[8], sizes[15], sizes[21]}),
                 (QStringList{u"(default)"_s, u"1"_s, u"7"_s, u"+1"_s, u"-1"_s, u"-7"_s}));
    }

    void fontFaceComesFromTheCollectionOnlyWhenCollectionsAreOn()
    {
        FontCollections()[3] = {u"Sans"_s, u"Arial, Helvetica"_s};
        QCOMPARE(FontFaceFor(u"sans"_s, true), u"Arial, Helvetica");
        QCOMPARE(FontFaceFor(u"Sans"_s, false), u"Sans");
        QCOMPARE(FontFaceFor(u"Serif"_s, true), u"Serif");
        FontCollections() = {};
    }

    void pageTextSize()
    {
        QCOMPARE(BaseFontTag(u"7"_s), u"<BASEFONT SIZE=\"7\">");
        QCOMPARE(BaseFontTag(u"3"_s), u"<BASEFONT SIZE=\"3\">");
        QCOMPARE(TextSizeSamplePoints(1), 6.5);
        QCOMPARE(TextSizeSamplePoints(7), 30.5);
    }
};

QTEST_GUILESS_MAIN(TextAppearanceTest)
#include "textappearance_test.moc"
