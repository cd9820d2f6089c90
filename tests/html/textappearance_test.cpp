// The text appearance steps: what each choice wraps around the text and in
// which order the wrappings nest; the page text size tag.

#include "html/textappearance.h"
#include "settings/datafiles.h"
#include "settings/preferences.h"
#include "tests/html/golden.h"

#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

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

    void steps()
    {
        Transcript t(u"textappearance/steps.txt"_s);
        const auto apply = [&t](const char *name, const TextAppearance &options, const QString &text) {
            t.add(QString::fromLatin1(name), ApplyTextAppearance(text, options));
        };
        apply("nothing chosen leaves the text", TextAppearance{}, u"Hi there"_s);
        TextAppearance o;
        o.fontSize = u"(default)"_s;
        apply("(default) size is no font", o, u"a"_s);
        apply("bold then italic, inner to outer, in list order", styles({u"Italic"_s, u"Bold"_s}), u"x"_s);
        o = styles({u"Blockquote"_s});
        apply("blockquote alone indents once", o, u"q"_s);
        o.indent = true;
        apply("blockquote and indent indent once", o, u"q"_s);
        o = styles({u"Bold"_s, u"Preformatted"_s});
        o.headingLevel = 2;
        apply("preformatted innermost, before the heading", o, u"p"_s);
        o = {};
        o.textCase = TextAppearance::Case::Upper;
        o.dropCap = true;
        o.fontFace = u"Arial"_s;
        o.fontSize = u"+1"_s;
        o.colour = u"#FF0000"_s;
        o.startTags = u"<SPAN>"_s;
        o.endTags = u"</SPAN>"_s;
        o.alignment = u"Right"_s;
        o.centre = true;
        apply("case, drop cap, font, user tags, then alignment over centre", o, u"ab"_s);
        o = {};
        o.centre = o.indent = true;
        o.textCase = TextAppearance::Case::Title;
        apply("centre without alignment, then the indent outside", o, u"big day"_s);
        o = {};
        o.headingLevel = 6;
        o.headingAlign = u"Center"_s;
        o.indentCode = true;
        o.textCase = TextAppearance::Case::Lower;
        apply("heading with alignment, indented code", o, u"END"_s);
        o = {};
        o.headingLevel = 7;
        apply("a heading level outside 1 to 6 is none", o, u"t"_s);
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
        QCOMPARE(TextSizeSamplePoints(1), 6.5);
        QCOMPARE(TextSizeSamplePoints(7), 30.5);
    }
};

QTEST_GUILESS_MAIN(TextAppearanceTest)
#include "textappearance_test.moc"
