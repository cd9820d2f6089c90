#include "app/colouring.h"
#include "app/rtfreader.h"

#include <QRandomGenerator>
#include <QTest>

using namespace tavorin;
using namespace Qt::StringLiterals;

namespace {

constexpr quint32 Text = 0x000001, Tag = 0x000002, Comment = 0x000003, Smart = 0x000004;

QString ColouredTemplate()
{
    return AddTabStops(MakeColourTable(MakeRtfTemplate(u"Courier New"_s, 10, false, false), Text, Tag, Comment, Smart), 4);
}

// Runs follow each other from the text's start to its end, neighbours differing in colour.
bool RunsCoverText(const RtfContent &content)
{
    qsizetype next = 0;
    for (qsizetype i = 0; i < content.runs.size(); next += content.runs[i++].length) {
        const RtfColourRun &run = content.runs[i];
        if (run.start != next || run.length <= 0 || (i > 0 && content.runs[i - 1].colour == run.colour))
            return false;
    }
    return next == content.text.size();
}

} // namespace

class RtfReaderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsText_data()
    {
        QTest::addColumn<QString>("rtf");
        QTest::addColumn<QString>("text");

        // The space after a control word ends it; line breaks in the source are no text.
        QTest::newRow("escapes, delimiter, source breaks") << u"{\\rtf1\\b  \\\\\\{\\}a\r\nb\nc}"_s << u" \\{}abc"_s;
        QTest::newRow("tab, line, character words") << u"{\\rtf1 a\\tab b\\line c\\~d\\emdash\\bullet}"_s << u"a\tb\nc\u00a0d\u2014\u2022"_s;
        QTest::newRow("hex: Windows-1252") << u"{\\rtf1 \\'e9\\'80\\'9f\\'81\\'41}"_s << u"\u00e9\u20ac\u0178\u0081A"_s;
        QTest::newRow("hex cut short") << u"{\\rtf1 a\\'4}"_s << u"a"_s;
        QTest::newRow("unicode with fallback, surrogates") << u"{\\rtf1 \\u233?x\\u-10179?\\u-8704?}"_s << u"\u00e9x\U0001F600"_s;
        QTest::newRow("fallback count, ends with its group") << u"{\\rtf1\\uc2\\u233xy {\\uc3\\u233}x}"_s << u"\u00e9 \u00e9x"_s;
        QTest::newRow("unicode hex fallback") << u"{\\rtf1 \\u8364\\'80x}"_s << u"\u20acx"_s;
        QTest::newRow("known and optional destinations skipped")
            << u"{\\rtf1{\\info{\\title T}}{\\header H}a{\\pict 0a0b}{\\*\\foo hidden {nested}}b}"_s << u"ab"_s;
        // An optional mark in the document's own group skips nothing.
        QTest::newRow("unknown words ignored") << u"{\\rtf1\\*\\viewkind4\\lang1033 a\\zzz5 b}"_s << u"ab"_s;
        QTest::newRow("field result kept") << u"{\\rtf1{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}}"_s << u"link"_s;
        QTest::newRow("destination word mid-group is ignored") << u"{\\rtf1 a {b \\pict c}}"_s << u"a b c"_s;
        QTest::newRow("binary data skipped") << u"{\\rtf1 a{\\bin3 }}}b}"_s << u"ab"_s;
        QTest::newRow("binary count too large") << u"{\\rtf1 a\\bin999999999 zzz}"_s << u"a"_s;
        QTest::newRow("truncated") << u"{\\rtf1 abc"_s << u"abc"_s;
        QTest::newRow("unclosed groups") << u"{\\rtf1 {\\b a {\\i b"_s << u"a b"_s;
        QTest::newRow("extra closing braces") << u"{\\rtf1 a}}b"_s << u"ab"_s;
        QTest::newRow("padding after the end") << u"{\\rtf1 a}\r\n\0"_s << u"a"_s;
        QTest::newRow("huge numbers") << u"{\\rtf1 \\fs99999999999999999999 a\\cf123456789012 b\\u99999999999?}"_s
                                      << u"ab"_s + QChar(char16_t(1000000000 & 0xFFFF));
        QTest::newRow("deep nesting") << u"{\\rtf1 "_s + QString(100000, u'{') + u"x"_s + QString(100000, u'}') + u"y}"_s
                                      << u"xy"_s;
        QTest::newRow("only the final mark dropped") << u"{\\rtf1 a\\par\\par }"_s << u"a\n"_s;
        QTest::newRow("only a mark") << u"{\\rtf1 \\par }"_s << QString();
    }
    void readsText()
    {
        QFETCH(QString, rtf);
        QFETCH(QString, text);
        const RtfContent content = ReadRtf(rtf);
        QVERIFY(content.isRtf);
        QCOMPARE(content.text, text);
        QVERIFY(RunsCoverText(content));
    }

    void plainText()
    {
        // Only text starting "{\\rtf" is RTF; any other keeps its text, every line break made "\n", and has no runs.
        const std::pair<QString, QString> cases[] = {{u"a\r\nb\rc\nd\r\n"_s, u"a\nb\nc\nd\n"_s},
                                                     {u"x{\\rtf1 y}"_s, u"x{\\rtf1 y}"_s}, {u"{\\rt"_s, u"{\\rt"_s}};
        for (const auto &[input, text] : cases) {
            const RtfContent content = ReadRtf(input);
            QVERIFY(!content.isRtf);
            QCOMPARE(content.text, text);
            QVERIFY(content.runs.isEmpty());
        }
        QCOMPARE(PlainTextContent(u"{\\rtf1 x}"_s).text, u"{\\rtf1 x}"_s);
    }

    void colourTables_data()
    {
        QTest::addColumn<QString>("rtf");
        QTest::addColumn<QList<quint32>>("colours");
        QTest::addColumn<quint32>("base");
        QTest::newRow("automatic first entry")
            << u"{\\rtf1{\\colortbl ;\\red255\\green0\\blue0;}\\cf0 a\\cf1 b\\cf0 c}"_s
            << QList<quint32>{RtfAutoColour, 0x0000FF, RtfAutoColour} << RtfAutoColour;
        QTest::newRow("index outside the table") << u"{\\rtf1{\\colortbl\\red255;}\\cf7 a\\cf0 b}"_s
                                                 << QList<quint32>{RtfAutoColour, 0x0000FF} << 0x0000FFu;
        QTest::newRow("no table") << u"{\\rtf1\\cf1 a}"_s << QList<quint32>{RtfAutoColour} << RtfAutoColour;
        QTest::newRow("colour ends with its group")
            << u"{\\rtf1{\\colortbl\\red255;\\blue255;}\\cf0 a{\\cf1 b}c}"_s
            << QList<quint32>{0x0000FF, 0xFF0000, 0x0000FF} << 0x0000FFu;
    }
    void colourTables()
    {
        QFETCH(QString, rtf);
        QFETCH(QList<quint32>, colours);
        QFETCH(quint32, base);
        const RtfContent content = ReadRtf(rtf);
        QList<quint32> actual;
        for (const RtfColourRun &run : content.runs)
            actual << run.colour;
        QCOMPARE(actual, colours);
        QCOMPARE(content.baseColour, base);
    }

    void formatOfTheFirstCharacterOrTheEnd()
    {
        const RtfContent content = ReadRtf(
            u"{\\rtf1\\deff1\\deftab360{\\fonttbl{\\f0 Arial;}{\\f1\\fnil Times;}\\f2 Courier;}"
            "\\pard\\tx100\\tx300\\f2\\fs21\\i x\\pard\\tx5\\f0\\b y}"_s);
        QCOMPARE(content.fontName, u"Courier"_s);
        QCOMPARE(content.halfPoints, 21);
        QCOMPARE(std::pair(content.bold, content.italic), std::pair(false, true));
        QCOMPARE(content.tabStops, (QList<int>{100, 300}));
        QCOMPARE(content.defaultTab, 360);

        const RtfContent defaults = ReadRtf(u"{\\rtf1\\deff1{\\fonttbl{\\f0 Arial;}{\\f1 Times;}}x}"_s);
        QCOMPARE(defaults.fontName, u"Times"_s);
        QCOMPARE(defaults.halfPoints, 0);
        QCOMPARE(defaults.defaultTab, 720);

        // A document without text still tells its format at its end.
        const RtfContent empty = ReadRtf(TextToRtf(QString(), ColouredTemplate(), true));
        QCOMPARE(empty.text, QString());
        QCOMPARE(empty.fontName, u"Courier New"_s);
    }

    void roundTripKeepsText()
    {
        const QString alphabet = u"<>!-% =\\{};\t\x1f\u00e9\u20ac\u4e2d"_s;
        QRandomGenerator random(7);
        const QString rtfTemplate = ColouredTemplate();
        for (int i = 0; i < 10000; ++i) {
            QString text;
            for (int length = random.bounded(50); length > 0; --length)
                text += random.bounded(8) == 0 ? u"\r\n"_s : QString(alphabet[random.bounded(int(alphabet.size()))]);
            // What the document window hands over: one more break after a final one.
            const QString handed = text.endsWith(u"\r\n"_s) ? text + u"\r\n"_s : text;
            for (const bool colouring : {true, false}) {
                const RtfContent content = ReadRtf(TextToRtf(handed, rtfTemplate, colouring));
                QCOMPARE(content.text, QString(text).replace(u"\r\n"_s, u"\n"_s));
                QVERIFY(RunsCoverText(content));
            }
        }
    }
};

QTEST_GUILESS_MAIN(RtfReaderTest)
#include "rtfreader_test.moc"
