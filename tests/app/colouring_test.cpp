#include "app/colouring.h"
#include "app/rtfreader.h"

#include <QRandomGenerator>
#include <QTest>

using namespace tavorin;
using namespace Qt::StringLiterals;

namespace {

// The colouring as a chain of twelve whole-text replacements, kept here as
// the reference the one-pass TextToRtf must match character for character.
QString ChainTextToRtf(QString text, const QString &rtfTemplate, bool colouring)
{
    const struct {
        QString from;
        QString to;
        bool onlyColouring;
    } steps[] = {
        {u"\\"_s, u"\\\\"_s, false},
        {u"{"_s, u"\\{"_s, false},
        {u"}"_s, u"\\}"_s, false},
        {u"<"_s, u"\\cf1 <"_s, true},
        {u">"_s, u">\\cf0 "_s, true},
        {u"\\cf1 < "_s, u"< "_s, true},
        {u"\\cf1 <="_s, u"<="_s, true},
        {u" >\\cf0 "_s, u" >"_s, true},
        {u"=>\\cf0 "_s, u"=>"_s, true},
        {u"\\cf1 <!"_s, u"\\cf2 <!"_s, true},
        {u"\\cf2 <!-- %"_s, u"\\cf3 <!-- %"_s, true},
        {u"\r\n"_s, u"\r\n\\par "_s, false},
    };
    for (const auto &step : steps) {
        if (colouring || !step.onlyColouring)
            text.replace(step.from, step.to);
    }
    QString rtf = rtfTemplate;
    return rtf.replace(u"!"_s, u"\\cf0 "_s + text);
}

// Everything the text box takes from content, in one line to compare.
QString Described(const RtfContent &content)
{
    QString runs;
    for (const RtfColourRun &run : content.runs)
        runs += u"%1+%2:%3 "_s.arg(run.start).arg(run.length).arg(run.colour, 0, 16);
    QStringList stops;
    for (const int stop : content.tabStops)
        stops << QString::number(stop);
    return QString::number(content.isRtf) + u" ["_s + content.text + u"] "_s + runs + content.fontName
        + u" size %1 bold %2 italic %3 tabs %4/%5 base %6"_s.arg(content.halfPoints)
              .arg(content.bold)
              .arg(content.italic)
              .arg(stops.join(u','))
              .arg(content.defaultTab)
              .arg(content.baseColour, 0, 16);
}

} // namespace

class ColouringTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void bodyOfText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("colouring");
        QTest::addColumn<QString>("body");
        QTest::newRow("tag") << u"a<b>c"_s << true << u"\\cf0 a\\cf1 <b>\\cf0 c"_s;
        QTest::newRow("comparison with space") << u"if (a < b)"_s << true << u"\\cf0 if (a < b)"_s;
        QTest::newRow("comparison without space") << u"if (a <b) x>y"_s << true << u"\\cf0 if (a \\cf1 <b) x>\\cf0 y"_s;
        QTest::newRow("arrow keeps tag colour") << u"<a=>b>"_s << true << u"\\cf0 \\cf1 <a=>b>\\cf0 "_s;
        QTest::newRow("smart field") << u"<!-- %DATE% -->"_s << true << u"\\cf0 \\cf3 <!-- %DATE% -->\\cf0 "_s;
        QTest::newRow("comment, no smart field") << u"<!--%DATE%-->"_s << true << u"\\cf0 \\cf2 <!--%DATE%-->\\cf0 "_s;
        QTest::newRow("tag inside comment") << u"<!-- <b> -->"_s << true << u"\\cf0 \\cf2 <!-- \\cf1 <b>\\cf0  -->\\cf0 "_s;
        QTest::newRow("highlighting off, escapes") << u"<b>{x}\\</b>\r\ny"_s << false << u"\\cf0 <b>\\{x\\}\\\\</b>\r\n\\par y"_s;
        QTest::newRow("empty") << QString() << true << u"\\cf0 "_s;
    }
    void bodyOfText()
    {
        QFETCH(QString, text);
        QFETCH(bool, colouring);
        QFETCH(QString, body);
        QCOMPARE(TextToRtfBody(text, colouring), body);
        // Every placeholder of the template takes the body.
        QCOMPARE(TextToRtf(text, u"{\\rtf1 !}!"_s, colouring), u"{\\rtf1 "_s + body + u"}"_s + body);
        QCOMPARE(ChainTextToRtf(text, u"!"_s, colouring), body);
    }

    void matchesReplacementChainOnRandomText()
    {
        QRandomGenerator random(20240601);
        const QString rtfTemplate = AddTabStops(MakeColourTable(MakeRtfTemplate(u"Courier New"_s, 10, false, false),
                                                                0x000000, 0x800000, 0x008000, 0x0000FF), 4);
        // Markup and letters; runs of closes; text that looks like the control words written.
        for (const auto &[alphabet, maxLength] : {std::pair(u"<>!-% =\\{}\r\nab"_s, 60), std::pair(u"> =<"_s, 30),
                                                   std::pair(u"\\cf01 <>=!"_s, 40)}) {
            for (int i = 0; i < 20000; ++i) {
                QString text;
                for (int length = random.bounded(maxLength + 1); length > 0; --length)
                    text += alphabet[random.bounded(int(alphabet.size()))];
                QCOMPARE(TextToRtf(text, rtfTemplate, true), ChainTextToRtf(text, rtfTemplate, true));
                QCOMPARE(TextToRtf(text, rtfTemplate, false), ChainTextToRtf(text, rtfTemplate, false));
            }
        }
    }

    // The content made without RTF is what the RTF gives read back, for any
    // text, with and without colouring; a template that adds text of its own
    // or repeats the placeholder is read back the long way.
    void contentMatchesRtfReadBack()
    {
        QRandomGenerator random(20261207);
        const QString templates[] = {
            AddTabStops(MakeColourTable(MakeRtfTemplate(u"Courier New"_s, 10, false, false), 0x000000, 0x800000,
                                        0x008000, 0x0000FF), 4),
            // Equal colours make one run; the name has a placeholder of its own.
            MakeColourTable(MakeRtfTemplate(u"A!b"_s, 0, true, true), 0x123456, 0x123456, 0x0000FF, 0x0000FF),
            u"{\\rtf1{\\colortbl;\\red1\\green2\\blue3;}!}"_s, // entries 2 and 3 missing
            u"{\\rtf1 x!}"_s,
            u"{\\rtf1 !\\par !}"_s,
        };
        const QString alphabet = u"<>!-% =\\{}\r\n\tab\u00e9\u2029"_s + QChar(0);
        for (const QString &rtfTemplate : templates) {
            for (int i = 0; i < 2000; ++i) {
                QString text;
                for (int length = random.bounded(50); length > 0; --length)
                    text += alphabet[random.bounded(int(alphabet.size()))];
                for (const bool colouring : {true, false}) {
                    QCOMPARE(Described(ColouredContent(text, rtfTemplate, colouring)),
                             Described(ReadRtf(TextToRtf(text, rtfTemplate, colouring))));
                }
            }
        }
    }

    void colourTable_data()
    {
        QTest::addColumn<QString>("rtf");
        QTest::addColumn<QString>("expected");
        const QString table = u"{\\colortbl\\red86\\green52\\blue18;\\red255\\green0\\blue0;\\red0\\green0\\blue255;"
                              "\\red255\\green255\\blue255;"_s;
        QTest::newRow("platform table") << u"{\\rtf1{\\colortbl ;\\red0\\green0\\blue0;}x}"_s
                                        << u"{\\rtf1"_s + table + u"}x}"_s;
        QTest::newRow("only the first table") << u"{\\colortbl;}{\\colortbl;}"_s << table + u"}{\\colortbl;}"_s;
        QTest::newRow("no table") << u"{\\rtf1 x}"_s << u"{\\rtf1 x}"_s;
        QTest::newRow("table never closed") << u"{\\rtf1{\\colortbl ;"_s << u"{\\rtf1{\\colortbl ;"_s;
    }
    void colourTable()
    {
        QFETCH(QString, rtf);
        QFETCH(QString, expected);
        // Colours are 0x00BBGGRR; the bits above the low 24 are ignored.
        QCOMPARE(MakeColourTable(rtf, 0x123456, 0x0000FF, 0xFF0000, 0x80FFFFFF), expected);
    }

    void tabStops_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("count");
        QTest::newRow("3 (66.7 capped)") << 3 << 30;
        QTest::newRow("7 (28.6)") << 7 << 29;
        QTest::newRow("16 (12.5 to even)") << 16 << 12;
        QTest::newRow("400 (0.5 to even)") << 400 << 0;
        QTest::newRow("0 adds none") << 0 << 0;
    }
    void tabStops()
    {
        QFETCH(int, width);
        QFETCH(int, count);
        QCOMPARE(TabStopCount(width), count);
        QString stops;
        for (int i = 0; i < count; ++i)
            stops += u"\\tx"_s + QString::number(i * width * 120);
        QCOMPARE(AddTabStops(u"{\\rtf1\\pard a\\PARD b}"_s, width),
                 count == 0 ? u"{\\rtf1\\pard a\\PARD b}"_s : u"{\\rtf1\\pard"_s + stops + u" a\\pard"_s + stops + u" b}"_s);
    }

    void templateReadsBackAsItsFont()
    {
        // RTF specials and non-Latin letters in the name come back as they were; size 0 leaves the size to the box.
        for (const QString &fontName : {u"A!b{c}\\d;e"_s, u"Schrift \u00e4\u4e2d"_s}) {
            const QString rtfTemplate = MakeColourTable(MakeRtfTemplate(fontName, 0, false, true), 1, 2, 3, 4);
            const RtfContent content = ReadRtf(TextToRtf(u"x<b>"_s, rtfTemplate, true));
            QCOMPARE(content.text, u"x<b>"_s);
            QCOMPARE(content.fontName, fontName);
            QCOMPARE(content.halfPoints, 0);
            QVERIFY(content.italic && !content.bold);
            QCOMPARE(content.baseColour, 1u);
        }
    }

    void isHtmlDocumentPath()
    {
        // A path without a folder is an untitled document's caption, coloured whatever its name.
        QVERIFY(IsHtmlDocumentPath(u"notes.txt"_s));
        QVERIFY(IsHtmlDocumentPath(u"/home/me/web/A.HTM"_s));
        QVERIFY(IsHtmlDocumentPath(u"C:\\web\\a.shtml"_s));
        QVERIFY(IsHtmlDocumentPath(u"  /home/me/a.htm  "_s));
        QVERIFY(!IsHtmlDocumentPath(u"/home/me/a.htm.bak"_s));
    }
};

QTEST_GUILESS_MAIN(ColouringTest)
#include "colouring_test.moc"
