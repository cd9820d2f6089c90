#include "app/colouring.h"
#include "app/rtfreader.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
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

QString RandomText(QRandomGenerator &random, QStringView alphabet, int maxLength)
{
    QString text;
    const int length = random.bounded(maxLength + 1);
    for (int i = 0; i < length; ++i)
        text += alphabet[random.bounded(int(alphabet.size()))];
    return text;
}

QString DocumentTemplate()
{
    return AddTabStops(MakeColourTable(MakeRtfTemplate(u"Courier New"_s, 10, false, false), 0x000000, 0x800000,
                                       0x008000, 0x0000FF),
                       4);
}

int Count(const QString &text, const QString &what)
{
    return int(text.count(what));
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
        QTest::newRow("less or equal") << u"a<=b"_s << true << u"\\cf0 a<=b"_s;
        QTest::newRow("arrow keeps tag colour") << u"<a=>b>"_s << true << u"\\cf0 \\cf1 <a=>b>\\cf0 "_s;
        QTest::newRow("space before close keeps colour") << u"<a >b>"_s << true << u"\\cf0 \\cf1 <a >b>\\cf0 "_s;
        QTest::newRow("smart field") << u"<!-- %DATE% -->"_s << true << u"\\cf0 \\cf3 <!-- %DATE% -->\\cf0 "_s;
        QTest::newRow("comment, no smart field") << u"<!--%DATE%-->"_s << true << u"\\cf0 \\cf2 <!--%DATE%-->\\cf0 "_s;
        QTest::newRow("declaration") << u"<!DOCTYPE html>"_s << true << u"\\cf0 \\cf2 <!DOCTYPE html>\\cf0 "_s;
        QTest::newRow("tag inside comment") << u"<!-- <b> -->"_s << true << u"\\cf0 \\cf2 <!-- \\cf1 <b>\\cf0  -->\\cf0 "_s;
        QTest::newRow("three closes") << u">>>"_s << true << u"\\cf0 >\\cf0 >>\\cf0 "_s;
        QTest::newRow("four closes") << u">>>>"_s << true << u"\\cf0 >\\cf0 >>\\cf0 >"_s;
        QTest::newRow("arrow then close") << u"=>>"_s << true << u"\\cf0 =>>"_s;
        QTest::newRow("escapes, coloured") << u"a{b}\\c"_s << true << u"\\cf0 a\\{b\\}\\\\c"_s;
        QTest::newRow("escapes, plain") << u"a{b}\\c"_s << false << u"\\cf0 a\\{b\\}\\\\c"_s;
        QTest::newRow("escaped control word stays text") << u"\\cf1 <"_s << true << u"\\cf0 \\\\cf1 \\cf1 <"_s;
        QTest::newRow("highlighting off") << u"<b>x</b>\r\ny"_s << false << u"\\cf0 <b>x</b>\r\n\\par y"_s;
        QTest::newRow("first empty line") << u"\r\n\r\n"_s << true << u"\\cf0 \r\n\\par \r\n\\par "_s;
        QTest::newRow("tag across lines") << u"<a\r\nb>c"_s << true << u"\\cf0 \\cf1 <a\r\n\\par b>\\cf0 c"_s;
        QTest::newRow("lone carriage return") << u"a\rb\r\r\n"_s << false << u"\\cf0 a\rb\r\r\n\\par "_s;
        QTest::newRow("less than at the end") << u"a<"_s << true << u"\\cf0 a\\cf1 <"_s;
        QTest::newRow("smart field cut short") << u"<!-- "_s << true << u"\\cf0 \\cf2 <!-- "_s;
        QTest::newRow("empty") << QString() << true << u"\\cf0 "_s;
    }
    void bodyOfText()
    {
        QFETCH(QString, text);
        QFETCH(bool, colouring);
        QFETCH(QString, body);
        QCOMPARE(TextToRtfBody(text, colouring), body);
        QCOMPARE(TextToRtf(text, u"{\\rtf1 !}"_s, colouring), u"{\\rtf1 "_s + body + u"}"_s);
        QCOMPARE(ChainTextToRtf(text, u"!"_s, colouring), body);
    }

    void everyPlaceholderTakesTheBody()
    {
        QCOMPARE(TextToRtf(u"<b>"_s, u"!x!"_s, true), u"\\cf0 \\cf1 <b>\\cf0 x\\cf0 \\cf1 <b>\\cf0 "_s);
        QCOMPARE(TextToRtf(u"a"_s, u"none"_s, true), u"none"_s);
    }

    void matchesReplacementChainOnRandomText_data()
    {
        QTest::addColumn<QString>("alphabet");
        QTest::addColumn<int>("maxLength");
        QTest::newRow("markup characters") << u"<>!-% =\\{}\r\n"_s << 24;
        QTest::newRow("markup and letters") << u"<>!-% =\\{}\r\nab"_s << 60;
        QTest::newRow("smart field pieces") << u"<!-- %>"_s << 40;
        QTest::newRow("closing runs") << u"> =<"_s << 30;
        QTest::newRow("escaped control words") << u"\\cf01 <>=!"_s << 40;
    }
    void matchesReplacementChainOnRandomText()
    {
        QFETCH(QString, alphabet);
        QFETCH(int, maxLength);
        QRandomGenerator random(20240601);
        const QString rtfTemplate = DocumentTemplate();
        for (int i = 0; i < 20000; ++i) {
            const QString text = RandomText(random, alphabet, maxLength);
            for (const bool colouring : {true, false}) {
                const QString expected = ChainTextToRtf(text, rtfTemplate, colouring);
                const QString actual = TextToRtf(text, rtfTemplate, colouring);
                if (actual != expected) {
                    QCOMPARE(TextToRtfBody(text, colouring), ChainTextToRtf(text, u"!"_s, colouring));
                    QFAIL("template handling differs");
                }
            }
        }
    }

    void matchesReplacementChainOnRealPages()
    {
        QStringList texts;
        texts << u"<html>\r\n<head>\r\n<!-- Start Of Script -->\r\n<script>\r\nif (a < b && c<=d || e => f) "
                 "{ x = \"<b>\"; }\r\nwhile (i>0 && j >1) {}\r\n</script>\r\n<!-- %DATE% -->1 June<!-- %END% -->\r\n"
                 "<!--%DATE%-->\r\n</head>\r\n<body bgcolor=\"#FFFFFF\">C:\\web\\a.htm</body>\r\n</html>\r\n"_s;
        QDirIterator files(QCoreApplication::applicationDirPath() + u"/SystemFiles"_s, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            if (file.open(QIODevice::ReadOnly))
                texts << QString::fromUtf8(file.readAll()).replace(u"\r\n"_s, u"\n"_s).replace(u"\n"_s, u"\r\n"_s);
        }
        QVERIFY2(texts.size() > 3, "the shipped SystemFiles are expected beside the test");
        const QString rtfTemplate = DocumentTemplate();
        for (const QString &text : std::as_const(texts)) {
            QCOMPARE(TextToRtf(text, rtfTemplate, true), ChainTextToRtf(text, rtfTemplate, true));
            QCOMPARE(TextToRtf(text, rtfTemplate, false), ChainTextToRtf(text, rtfTemplate, false));
        }
    }

    void rtfColour_data()
    {
        QTest::addColumn<quint32>("colour");
        QTest::addColumn<QString>("entry");
        QTest::newRow("pure red") << 0x0000FFu << u"\\red255\\green0\\blue0;"_s;
        QTest::newRow("pure blue") << 0xFF0000u << u"\\red0\\green0\\blue255;"_s;
        QTest::newRow("mixed") << 0x123456u << u"\\red86\\green52\\blue18;"_s;
        QTest::newRow("black") << 0u << u"\\red0\\green0\\blue0;"_s;
        QTest::newRow("bits above 24 ignored") << 0x80FFFFFFu << u"\\red255\\green255\\blue255;"_s;
    }
    void rtfColour()
    {
        QFETCH(quint32, colour);
        QFETCH(QString, entry);
        QCOMPARE(RtfColour(colour), entry);
    }

    void makeColourTable_data()
    {
        QTest::addColumn<QString>("rtf");
        QTest::addColumn<QString>("expected");
        const QString table = u"{\\colortbl\\red1\\green0\\blue0;\\red2\\green0\\blue0;\\red3\\green0\\blue0;"
                              "\\red4\\green0\\blue0;"_s;
        QTest::newRow("platform table") << u"{\\rtf1{\\colortbl ;\\red0\\green0\\blue0;}x}"_s
                                        << u"{\\rtf1"_s + table + u"}x}"_s;
        QTest::newRow("only the first table") << u"{\\colortbl;}{\\colortbl;}"_s << table + u"}{\\colortbl;}"_s;
        QTest::newRow("no table") << u"{\\rtf1 x}"_s << u"{\\rtf1 x}"_s;
        QTest::newRow("table never closed") << u"{\\rtf1{\\colortbl ;"_s << u"{\\rtf1{\\colortbl ;"_s;
    }
    void makeColourTable()
    {
        QFETCH(QString, rtf);
        QFETCH(QString, expected);
        QCOMPARE(MakeColourTable(rtf, 1, 2, 3, 4), expected);
    }

    void tabStops_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("count");
        QTest::newRow("3 (66.7 capped)") << 3 << 30;
        QTest::newRow("4") << 4 << 30;
        QTest::newRow("7 (28.6)") << 7 << 29;
        QTest::newRow("8") << 8 << 25;
        QTest::newRow("16 (12.5 to even)") << 16 << 12;
        QTest::newRow("80 (2.5 to even)") << 80 << 2;
        QTest::newRow("67 (2.99)") << 67 << 3;
        QTest::newRow("99") << 99 << 2;
        QTest::newRow("400 (0.5 to even)") << 400 << 0;
        QTest::newRow("0 adds none") << 0 << 0;
        QTest::newRow("negative adds none") << -4 << 0;
    }
    void tabStops()
    {
        QFETCH(int, width);
        QFETCH(int, count);
        QCOMPARE(TabStopCount(width), count);
        const QString rtf = AddTabStops(u"{\\rtf1\\pard a\\PARD b}"_s, width);
        QCOMPARE(Count(rtf, u"\\tx"_s), 2 * count);
        if (count == 0) {
            QCOMPARE(rtf, u"{\\rtf1\\pard a\\PARD b}"_s);
            return;
        }
        QString stops;
        for (int i = 0; i < count; ++i)
            stops += u"\\tx"_s + QString::number(i * width * 120);
        QCOMPARE(rtf, u"{\\rtf1\\pard"_s + stops + u" a\\pard"_s + stops + u" b}"_s);
    }

    void templateReadsBackAsItsFont_data()
    {
        QTest::addColumn<QString>("fontName");
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::newRow("plain") << u"Courier New"_s << 10 << false << false;
        QTest::newRow("bold italic") << u"Arial"_s << 12 << true << true;
        QTest::newRow("specials in the name") << u"A!b{c}\\d;e"_s << 9 << false << true;
        QTest::newRow("non-Latin name") << u"Schrift \u00e4\u4e2d"_s << 25 << true << false;
        QTest::newRow("empty name") << QString() << 8 << false << false;
        QTest::newRow("no size") << u"Arial"_s << 0 << false << false;
    }
    void templateReadsBackAsItsFont()
    {
        QFETCH(QString, fontName);
        QFETCH(int, pointSize);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        const QString rtfTemplate = MakeRtfTemplate(fontName, pointSize, bold, italic);
        QCOMPARE(Count(rtfTemplate, u"!"_s), 1);
        QCOMPARE(Count(rtfTemplate, u"{\\colortbl"_s), 1);
        QCOMPARE(Count(rtfTemplate, u"\\pard"_s), 1);

        const QString rtf = TextToRtf(u"x<b>"_s, AddTabStops(MakeColourTable(rtfTemplate, 1, 2, 3, 4), 8), true);
        const RtfContent content = ReadRtf(rtf);
        QCOMPARE(content.text, u"x<b>"_s);
        QCOMPARE(content.fontName, fontName);
        QCOMPARE(content.halfPoints, 2 * pointSize);
        QCOMPARE(content.bold, bold);
        QCOMPARE(content.italic, italic);
        QCOMPARE(content.tabStops.size(), 25);
        QCOMPARE(content.tabStops.value(1), 960);
        QCOMPARE(content.baseColour, 1u);
    }

    void isHtmlDocumentPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("html");
        QTest::newRow("untitled") << u"Untitled1"_s << true;
        QTest::newRow("untitled named like text") << u"notes.txt"_s << true;
        QTest::newRow("htm") << u"/home/me/web/a.htm"_s << true;
        QTest::newRow("HTM") << u"/home/me/web/A.HTM"_s << true;
        QTest::newRow("html") << u"/home/me/web/a.Html"_s << true;
        QTest::newRow("shtml") << u"C:\\web\\a.shtml"_s << true;
        QTest::newRow("asp") << u"C:\\web\\a.asp"_s << true;
        QTest::newRow("txt") << u"/home/me/notes.txt"_s << false;
        QTest::newRow("backup of a page") << u"/home/me/a.htm.bak"_s << false;
        QTest::newRow("no extension") << u"/home/me/readme"_s << false;
        QTest::newRow("dot in a folder") << u"/home/me/site.htm/readme"_s << false;
        QTest::newRow("spaces around") << u"  /home/me/a.htm  "_s << true;
    }
    void isHtmlDocumentPath()
    {
        QFETCH(QString, path);
        QFETCH(bool, html);
        QCOMPARE(IsHtmlDocumentPath(path), html);
    }
};

QTEST_GUILESS_MAIN(ColouringTest)
#include "colouring_test.moc"
