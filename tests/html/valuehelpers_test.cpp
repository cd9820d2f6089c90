#include "html/valuehelpers.h"
#include "tests/support/scripteddialogs.h"

#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

class ValueHelpersTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void hasValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");
        QTest::newRow("word") << u"Center"_s << true;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("spaces") << u"   "_s << false;
        QTest::newRow("tab is a value") << u"\t"_s << true;
        QTest::newRow("(default)") << u"(default)"_s << false;
        QTest::newRow("(NONE) any case") << u"(NONE)"_s << false;
        QTest::newRow("(none) padded") << u" (none) "_s << false;
        QTest::newRow("(none) inside a text") << u"x (none)"_s << true;
    }
    void hasValue()
    {
        QFETCH(QString, text);
        QFETCH(bool, expected);
        QCOMPARE(HasValue(text), expected);
    }

    void quoteValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("padded") << u"  Center "_s << u"\"Center\""_s;
        QTest::newRow("blank kept") << u"   "_s << u"\"   \""_s;
        QTest::newRow("empty") << QString() << u"\"\""_s;
        QTest::newRow("inner quote not escaped") << u"a\"b"_s << u"\"a\"b\""_s;
        QTest::newRow("tabs stay") << u"\tx\t"_s << u"\"\tx\t\""_s;
    }
    void quoteValue()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(QuoteValue(text), expected);
    }

    void indentLines_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty line gets no tab") << 1 << u"\r\na\r\n\r\nb"_s << u"\r\n\ta\r\n\r\n\tb"_s;
        QTest::newRow("first character") << 1 << u"a\r\nb"_s << u"\ta\r\n\tb"_s;
        QTest::newRow("two tabs") << 2 << u"a"_s << u"\t\ta"_s;
        QTest::newRow("trailing break adds nothing") << 1 << u"a\r\n"_s << u"\ta\r\n"_s;
        QTest::newRow("empty text") << 1 << QString() << QString();
        QTest::newRow("zero count") << 0 << u"a\r\nb"_s << u"a\r\nb"_s;
    }
    void indentLines()
    {
        QFETCH(int, count);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(IndentLines(count, text), expected);
    }

    void wrapInLineBreaks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << u"x"_s << u"\r\nx\r\n"_s;
        QTest::newRow("already wrapped") << u"\r\nx\r\n"_s << u"\r\nx\r\n"_s;
        QTest::newRow("leading only") << u"\r\nx"_s << u"\r\nx\r\n"_s;
        QTest::newRow("empty is one break") << QString() << u"\r\n"_s;
        QTest::newRow("lone line feed is not a break") << u"\nx"_s << u"\r\n\nx\r\n"_s;
    }
    void wrapInLineBreaks()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(WrapInLineBreaks(text), expected);
    }

    void crLfToSpace()
    {
        QCOMPARE(CrLfToSpace(u"a\r\nb\r\n\r\nc"_s), u"a b  c"_s);
        QCOMPARE(CrLfToSpace(u"a\nb"_s), u"a\nb"_s);
    }

    void getListItem_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first") << u"Arial, Helvetica ,Verdana"_s << 1 << u"Arial"_s;
        QTest::newRow("second trimmed") << u"Arial, Helvetica ,Verdana"_s << 2 << u"Helvetica"_s;
        QTest::newRow("last") << u"Arial, Helvetica ,Verdana"_s << 3 << u"Verdana"_s;
        QTest::newRow("past the end") << u"Arial, Helvetica ,Verdana"_s << 4 << QString();
        QTest::newRow("zero") << u"Arial"_s << 0 << QString();
        QTest::newRow("empty item") << u"a,,c"_s << 2 << QString();
        QTest::newRow("empty list") << QString() << 1 << QString();
    }
    void getListItem()
    {
        QFETCH(QString, list);
        QFETCH(int, n);
        QFETCH(QString, expected);
        QCOMPARE(GetListItem(list, n), expected);
    }

    void titleCase_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("shouting") << u"HELLO wORLD"_s << u"Hello World"_s;
        QTest::newRow("apostrophe") << u"o'neil's shop"_s << u"O'neil's Shop"_s;
        QTest::newRow("punctuation starts a word") << u"one-two,three"_s << u"One-Two,Three"_s;
        QTest::newRow("accented first letter") << u"élan vital"_s << u"Élan Vital"_s;
        QTest::newRow("umlaut inside a word") << u"MÜLLER"_s << u"Müller"_s;
        QTest::newRow("greek") << u"ΚΑΛΗ ΜΕΡΑ"_s << u"Καλη Μερα"_s;
        QTest::newRow("combining accent continues the word") << u"CAFE\u0301 NOIR"_s
                                                             << u"Cafe\u0301 Noir"_s;
        QTest::newRow("sharp s keeps its length") << u"STRAßE"_s << u"Straße"_s;
        QTest::newRow("line breaks start words") << u"a\r\nb"_s << u"A\r\nB"_s;
        QTest::newRow("empty") << QString() << QString();
    }
    void titleCase()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const QString result = TitleCase(text);
        QCOMPARE(result, expected);
        QCOMPARE(result.size(), text.size());
    }

    void decreaseIndent_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("blockquote") << u"<BLOCKQUOTE>\r\n\tText\r\n</BLOCKQUOTE>"_s << u"Text\r\n"_s;
        QTest::newRow("lower-case blockquote") << u"<blockquote>\r\n\tA\r\n\t\tB\r\n</blockquote>"_s
                                               << u"A\r\n\tB\r\n"_s;
        QTest::newRow("one tab per line") << u"\t\ta\r\n\tb\r\nc"_s << u"\ta\r\nb\r\nc"_s;
        QTest::newRow("spaces trimmed") << u"  \tx  "_s << u"\tx"_s;
        QTest::newRow("no blockquote") << u"plain"_s << u"plain"_s;
        QTest::newRow("empty") << QString() << QString();
    }
    void decreaseIndent()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(DecreaseIndent(text), expected);
    }

    void removeAllTags_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("paragraph") << u"<P>\r\nHello <B>you</B>\r\n</P>"_s << u"Hello you"_s;
        QTest::newRow("no tags") << u"a\r\nb"_s << u"a\r\nb"_s;
        QTest::newRow("tabs go") << u"\ta\tb"_s << u"ab"_s;
        QTest::newRow("leading breaks go") << u"\r\n\r\nx"_s << u"x"_s;
        QTest::newRow("tag-only line vanishes") << u"a\r\n<BR>\r\nb"_s << u"a\r\nb"_s;
        QTest::newRow("unclosed bracket is text") << u"a < b\r\nc"_s << u"a < b\r\nc"_s;
        QTest::newRow("tag spanning lines") << u"x<A\r\nHREF=\"y\">z</A>"_s << u"xz"_s;
        QTest::newRow("empty") << QString() << QString();
    }
    void removeAllTags()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(RemoveAllTags(text), expected);
    }

    void apostropheToBacktick()
    {
        QCOMPARE(ApostropheToBacktick(u"it's Jo's"_s), u"it`s Jo`s"_s);
    }

    void valueLists()
    {
        QCOMPARE(AlignValues(), (QStringList{u"Left"_s, u"Right"_s, u"Center"_s}));
        QCOMPARE(VAlignValues(), (QStringList{u"Baseline"_s, u"Bottom"_s, u"Middle"_s, u"Top"_s}));
        QCOMPARE(TargetValues(), (QStringList{u"_blank"_s, u"_parent"_s, u"_self"_s, u"_top"_s}));
    }

    void keyFilters_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("digit");
        QTest::addColumn<bool>("noQuote");
        QTest::newRow("0") << int('0') << true << true;
        QTest::newRow("9") << int('9') << true << true;
        QTest::newRow("a") << int('a') << false << true;
        QTest::newRow("minus") << int('-') << false << true;
        QTest::newRow("backspace") << 8 << true << true;
        QTest::newRow("copy") << 3 << true << true;
        QTest::newRow("paste") << 22 << true << true;
        QTest::newRow("cut") << 24 << true << true;
        QTest::newRow("undo") << 26 << true << true;
        QTest::newRow("select all") << 1 << false << true;
        QTest::newRow("double quote") << 34 << false << false;
        QTest::newRow("single quote") << 39 << false << true;
    }
    void keyFilters()
    {
        QFETCH(int, key);
        QFETCH(bool, digit);
        QFETCH(bool, noQuote);
        ScriptedFacades facades;
        QCOMPARE(DigitsOnlyKeyAccepted(key), digit);
        QCOMPARE(NoQuoteKeyAccepted(key), noQuote);
        QCOMPARE(DigitsOnlyKey(key), digit ? key : 0);
        QCOMPARE(NoQuoteKey(key), noQuote ? key : 0);
        QCOMPARE(facades.beeper.beeps, int(!digit) + int(!noQuote));
    }

    void requireValue()
    {
        ScriptedFacades facades;
        QVERIFY(RequireValue(u"x"_s, u"enter a name"_s));
        QVERIFY(facades.dialogs.asked().isEmpty());

        facades.dialogs.answerMessage(MessageAnswer::Ok);
        QVERIFY(!RequireValue(u"(none)"_s, u"enter a name"_s));
        const auto asked = facades.dialogs.messages();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0].prompt, u"Please enter a name."_s);
        QCOMPARE(asked[0].title, u"Information Required"_s);
        QCOMPARE(asked[0].icon, MessageIcon::Exclamation);
        QCOMPARE(asked[0].buttons, MessageButtons::Ok);
        QVERIFY(facades.dialogs.problems().isEmpty());
    }
};

QTEST_GUILESS_MAIN(ValueHelpersTest)
#include "valuehelpers_test.moc"
