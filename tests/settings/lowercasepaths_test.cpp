#include "settings/lowercasepaths.h"
#include "tests/support/scripteddialogs.h"

#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {
const QString Finished = u"Tavorin has finished searching the document. "_s;
const QString AllLower = Finished + u"All relative file paths are already in lower case."_s;
const QString NoneFound = Finished + u"No relative file paths were found."_s;
const QString OneChanged = Finished + u"1 relative file path was changed."_s;
} // namespace

class LowerCasePathsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rewrite_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("message");
        QTest::newRow("anchor keeps its case") << u"<A HREF=\"Page.htm#Part2\">x</A>"_s
                                               << u"<A HREF=\"page.htm#Part2\">x</A>"_s << OneChanged;
        QTest::newRow("address left alone") << u"<A HREF=\"http://Example.COM/A.htm\">"_s
                                            << u"<A HREF=\"http://Example.COM/A.htm\">"_s << NoneFound;
        QTest::newRow("anchor reference left alone") << u"<A HREF=\"#Top\">"_s << u"<A HREF=\"#Top\">"_s << NoneFound;
        QTest::newRow("script call left alone") << u"<A HREF=\"Go(1)\">"_s << u"<A HREF=\"Go(1)\">"_s << NoneFound;
        QTest::newRow("already lower case") << u"<IMG SRC=a.gif>"_s << u"<IMG SRC=a.gif>"_s << AllLower;
        QTest::newRow("three kinds") << u"<BODY BACKGROUND=\"Back.JPG\"><IMG SRC=A.gif><A HREF='B.htm'>"_s
                                     << u"<BODY BACKGROUND=\"back.jpg\"><IMG SRC=a.gif><A HREF='b.htm'>"_s
                                     << Finished + u"3 relative file paths were changed."_s;
        QTest::newRow("empty value skipped") << u"<IMG SRC=\"\"> <IMG SRC=X.gif>"_s
                                             << u"<IMG SRC=\"\"> <IMG SRC=x.gif>"_s << OneChanged;
        QTest::newRow("word without = is not an attribute") << u"<P>The src of Pics</P><IMG SRC=Pics/A.gif>"_s
                                                            << u"<P>The src of Pics</P><IMG SRC=pics/a.gif>"_s
                                                            << OneChanged;
        QTest::newRow("unicode letters keep their length") << u"<IMG SRC=\"Ärger/STRASSE.gif\">"_s
                                                           << u"<IMG SRC=\"ärger/strasse.gif\">"_s << OneChanged;
        // The value is rewritten where it was read, never at an earlier or
        // later stretch of text that happens to hold the same letters.
        QTest::newRow("value equal to the start of the attribute name") << u"<a HREF=H>"_s << u"<a HREF=h>"_s
                                                                        << OneChanged;
        QTest::newRow("value equal to a letter of the attribute name") << u"<IMG SRC=S>"_s << u"<IMG SRC=s>"_s
                                                                       << OneChanged;
        QTest::newRow("value read across quotes") << u"<IMG src=A\"B\"> AB stays"_s
                                                  << u"<IMG src=a\"b\"> AB stays"_s << OneChanged;
        QTest::newRow("same text in the link caption") << u"<A HREF=Page.htm>Page.htm</A>"_s
                                                       << u"<A HREF=page.htm>Page.htm</A>"_s << OneChanged;
    }
    void rewrite()
    {
        QFETCH(QString, text);
        QFETCH(QString, result);
        QFETCH(QString, message);
        const LowerCasePathsResult done = LowerCasePaths(text);
        QCOMPARE(done.text, result);
        QCOMPARE(done.message, message);
        QCOMPARE(done.changed(), text != result);
    }

    void reportIsAnInformationBox()
    {
        ScriptedFacades facades;
        facades.dialogs.answerMessage(MessageAnswer::Ok);
        ReportLowerCasePaths(LowerCasePaths(u"<IMG SRC=A.gif>"_s));
        const auto asked = facades.dialogs.messages();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0].prompt, OneChanged);
        QCOMPARE(asked[0].icon, MessageIcon::Information);
    }
};

QTEST_GUILESS_MAIN(LowerCasePathsTest)
#include "lowercasepaths_test.moc"
