#include "html/tagreaders.h"
#include "tests/html/golden.h"

#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

class TagReadersTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Attribute values in tags and quoted arguments in scripts, each as
    // "name in text: value".
    void namedValues()
    {
        Transcript t(u"tagreaders/values.txt"_s);
        const QList<std::pair<QString, QString>> attributes{
            {u"<IMG SRC=pic.gif WIDTH=10>"_s, u"WIDTH"_s}, {u"<IMG SRC=pic.gif>"_s, u"src"_s},
            {u"<A HREF=\"x.htm\">"_s, u"NAME"_s}, {u"<META NAMESPACE=x>"_s, u"NAME"_s},
            {u"<A HREF  =  \"a b.htm\" >"_s, u"HREF"_s}, {u"<A TITLE=\"  hi  \">"_s, u"TITLE"_s},
            {u"<A TITLE=\" \">"_s, u"TITLE"_s}, {u"<A TITLE=\"a>b\">"_s, u"TITLE"_s},
            {u"<IMG SRC=A\"B C\">"_s, u"SRC"_s}, {u"<HR NOSHADE WIDTH=5>"_s, u"NOSHADE"_s},
            {u"<A TITLE=\"see NAME\" NAME=x>"_s, u"NAME"_s}, {u"src=a.gif b"_s, u"src"_s},
            {u"<A HREF=\"x.htm   "_s, u"HREF"_s}, {u"<a name=\"first\">text"_s, u"<A NAME"_s},
            {u"<A HREF=>"_s, u"HREF"_s}};
        for (const auto &[tag, name] : attributes) {
            t.add(name + u" in "_s + tag, GetAttributeValue(tag, name));
            QCOMPARE(LocateAttributeValue(tag, name).value, GetAttributeValue(tag, name));
        }
        for (const QString &script : {u"WINDOW.STATUS='x';return true"_s, u"window.status=abc"_s,
                                      u"window.status=a 'b' c"_s, u"this.src='a.gif'"_s, u"window.status='say \"hi\"'"_s})
            t.add(u"window.status in "_s + script, GetQuotedArg(script, u"window.status"));
    }

    void valuePosition_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("span");
        QTest::newRow("quoted") << u"<A HREF=\"x.htm\">"_s << u"HREF"_s << u"\"x.htm"_s;
        QTest::newRow("value after blanks") << u"<A HREF =  b.htm>"_s << u"href"_s << u"b.htm"_s;
        QTest::newRow("split by a quote") << u"<IMG SRC=A\"B\">"_s << u"SRC"_s << u"A\"B"_s;
        QTest::newRow("nothing found") << u"<A HREF=x>"_s << u"NAME"_s << QString();
    }
    void valuePosition()
    {
        QFETCH(QString, tag);
        QFETCH(QString, name);
        QFETCH(QString, span);
        const AttributeValue found = LocateAttributeValue(tag, name);
        if (span.isEmpty())
            QCOMPARE(std::pair(found.start, found.end), std::pair(qsizetype(-1), qsizetype(-1)));
        else
            QCOMPARE(tag.mid(found.start, found.end - found.start), span);
    }

    void linesToBreaks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::newRow("two lines") << u"a\r\nb\r\n"_s << u"a<BR>\r\nb<BR>\r\n"_s;
        QTest::newRow("blank line") << u"a\r\n\r\nb"_s << u"a<BR>\r\n<BR>\r\nb"_s;
        QTest::newRow("lone breaks stay") << u"a\nb\rc"_s << u"a\nb\rc"_s;
    }
    void linesToBreaks()
    {
        QFETCH(QString, text);
        QFETCH(QString, result);
        QCOMPARE(LinesToBreaks(text), result);
    }

    void anchors_data()
    {
        QTest::addColumn<QString>("location");
        QTest::addColumn<bool>("isAnchor");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("anchor");
        QTest::newRow("page with anchor") << u"page.htm#Part2"_s << false << u"page.htm"_s << u"#Part2"_s;
        QTest::newRow("anchor only") << u"#top"_s << true << QString() << u"#top"_s;
        QTest::newRow("second # stays in the anchor") << u"a#b#c"_s << false << u"a"_s << u"#b#c"_s;
        QTest::newRow("empty") << QString() << false << QString() << QString();
    }
    void anchors()
    {
        QFETCH(QString, location);
        QFETCH(bool, isAnchor);
        QFETCH(QString, base);
        QFETCH(QString, anchor);
        QCOMPARE(IsAnchorRef(location), isAnchor);
        QString gotAnchor = u"stale"_s;
        QCOMPARE(SplitAnchor(location, &gotAnchor), base);
        QCOMPARE(gotAnchor, anchor);
    }
};

QTEST_GUILESS_MAIN(TagReadersTest)
#include "tagreaders_test.moc"
