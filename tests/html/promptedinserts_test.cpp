// The text helpers of the prompted inserts.

#include "html/promptedinserts.h"

#include <QTest>

using namespace tavorin;
using namespace Qt::StringLiterals;

class PromptedInsertsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void anchorTag_data()
    {
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("tag");
        QTest::newRow("nothing selected") << QString() << u"<A NAME=\"top\"></A>"_s;
        QTest::newRow("old anchor and link tags go") << u" <a name=x><A HREF=\"y\">Text</a></A> "_s
                                                     << u"<A NAME=\"top\">Text</A>"_s;
        QTest::newRow("other tags stay") << u"<ABBR>x</ABBR>"_s << u"<A NAME=\"top\"><ABBR>x</ABBR></A>"_s;
        QTest::newRow("unclosed start stays") << u"<A b"_s << u"<A NAME=\"top\"><A b</A>"_s;
    }
    void anchorTag()
    {
        QFETCH(QString, selection);
        QFETCH(QString, tag);
        QCOMPARE(AnchorTag(u" top "_s, selection), tag);
    }

    void answersAndSnippets()
    {
        QCOMPARE(PromptAnswer(u"  my site "_s, true), u"MY SITE"_s);
        QCOMPARE(PromptAnswer(u"\tstraße "_s, true).size(), 7); // the length never changes
        QCOMPARE(PromptAnswer(u" Mixed "_s, false), u"Mixed"_s);
        QCOMPARE(FillSnippet(u"a=\"\"; b=\"\";"_s, u" hi "_s), u"a=\"hi\"; b=\"\";"_s);
        QCOMPARE(FillSnippet(u"no value"_s, u"hi"_s), u"no value"_s);
        QCOMPARE(ScriptBlock(u"Clock"_s, QString()),
                 u"<!-- Start Of Clock Script -->\r\n<SCRIPT LANGUAGE=\"JavaScript\">\r\n<!--\r\n\r\n// -->\r\n"
                 u"</SCRIPT>\r\n<!-- End of Clock Script -->"_s);
    }
};

QTEST_GUILESS_MAIN(PromptedInsertsTest)
#include "promptedinserts_test.moc"
