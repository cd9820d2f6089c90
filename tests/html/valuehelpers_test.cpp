#include "html/valuehelpers.h"
#include "tests/support/scripteddialogs.h"

#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {

using Transform = QString (*)(const QString &);

QString IndentTwice(const QString &text)
{
    return IndentLines(2, text);
}

QString IndentNone(const QString &text)
{
    return IndentLines(0, text);
}

} // namespace

Q_DECLARE_METATYPE(Transform)

class ValueHelpersTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void hasValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");
        QTest::newRow("spaces") << u"   "_s << false;
        QTest::newRow("tab is a value") << u"\t"_s << true;
        QTest::newRow("(default)") << u"(default)"_s << false;
        QTest::newRow("(NONE) padded, any case") << u" (NONE) "_s << false;
        QTest::newRow("(none) inside a text") << u"x (none)"_s << true;
    }
    void hasValue()
    {
        QFETCH(QString, text);
        QFETCH(bool, expected);
        QCOMPARE(HasValue(text), expected);
    }

    void textTransforms_data()
    {
        QTest::addColumn<Transform>("transform");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        // Only spaces are trimmed.
        QTest::newRow("QuoteValue: padded") << Transform(QuoteValue) << u"  Center "_s << u"\"Center\""_s;
        QTest::newRow("QuoteValue: blank kept") << Transform(QuoteValue) << u"   "_s << u"\"   \""_s;
        QTest::newRow("QuoteValue: tabs stay") << Transform(QuoteValue) << u"\tx\t"_s << u"\"\tx\t\""_s;
        QTest::newRow("IndentLines: empty line gets no tab") << Transform(IndentTwice) << u"\r\na\r\n\r\nb"_s << u"\r\n\t\ta\r\n\r\n\t\tb"_s;
        QTest::newRow("IndentLines: trailing break adds nothing") << Transform(IndentTwice) << u"a\r\n"_s << u"\t\ta\r\n"_s;
        QTest::newRow("IndentLines: zero count") << Transform(IndentNone) << u"a\r\nb"_s << u"a\r\nb"_s;
        QTest::newRow("WrapInLineBreaks: already wrapped") << Transform(WrapInLineBreaks) << u"\r\nx\r\n"_s << u"\r\nx\r\n"_s;
        QTest::newRow("WrapInLineBreaks: empty is one break") << Transform(WrapInLineBreaks) << QString() << u"\r\n"_s;
        QTest::newRow("WrapInLineBreaks: lone line feed is not a break") << Transform(WrapInLineBreaks) << u"\nx"_s << u"\r\n\nx\r\n"_s;
        QTest::newRow("CrLfToSpace: pairs only") << Transform(CrLfToSpace) << u"a\r\nb\r\n\r\nc\nd"_s << u"a b  c\nd"_s;
        QTest::newRow("TitleCase: shouting") << Transform(TitleCase) << u"HELLO wORLD"_s << u"Hello World"_s;
        QTest::newRow("TitleCase: apostrophe") << Transform(TitleCase) << u"o'neil's shop"_s << u"O'neil's Shop"_s;
        QTest::newRow("TitleCase: punctuation starts a word") << Transform(TitleCase) << u"one-two,three"_s << u"One-Two,Three"_s;
        // Letters of every script count, and the length never changes.
        QTest::newRow("TitleCase: accented first letter") << Transform(TitleCase) << u"élan vital"_s << u"Élan Vital"_s;
        QTest::newRow("TitleCase: greek") << Transform(TitleCase) << u"ΚΑΛΗ ΜΕΡΑ"_s << u"Καλη Μερα"_s;
        QTest::newRow("TitleCase: combining accent continues the word") << Transform(TitleCase) << u"CAFE\u0301 NOIR"_s << u"Cafe\u0301 Noir"_s;
        QTest::newRow("TitleCase: sharp s keeps its length") << Transform(TitleCase) << u"STRAßE"_s << u"Straße"_s;
        QTest::newRow("DecreaseIndent: blockquote") << Transform(DecreaseIndent) << u"<blockquote>\r\n\tA\r\n\t\tB\r\n</blockquote>"_s << u"A\r\n\tB\r\n"_s;
        QTest::newRow("DecreaseIndent: one tab per line") << Transform(DecreaseIndent) << u"\t\ta\r\n\tb\r\nc"_s << u"\ta\r\nb\r\nc"_s;
        QTest::newRow("DecreaseIndent: spaces trimmed") << Transform(DecreaseIndent) << u"  \tx  "_s << u"\tx"_s;
        QTest::newRow("RemoveAllTags: paragraph") << Transform(RemoveAllTags) << u"<P>\r\nHello <B>you</B>\r\n</P>"_s << u"Hello you"_s;
        QTest::newRow("RemoveAllTags: leading breaks and tabs go") << Transform(RemoveAllTags) << u"\r\n\r\n\ta\tb"_s << u"ab"_s;
        QTest::newRow("RemoveAllTags: tag-only line vanishes") << Transform(RemoveAllTags) << u"a\r\n<BR>\r\nb"_s << u"a\r\nb"_s;
        QTest::newRow("RemoveAllTags: unclosed bracket is text") << Transform(RemoveAllTags) << u"a < b\r\nc"_s << u"a < b\r\nc"_s;
        QTest::newRow("RemoveAllTags: tag spanning lines") << Transform(RemoveAllTags) << u"x<A\r\nHREF=\"y\">z</A>"_s << u"xz"_s;
        QTest::newRow("ApostropheToBacktick: every one") << Transform(ApostropheToBacktick) << u"it's Jo's"_s << u"it`s Jo`s"_s;
    }
    void textTransforms()
    {
        QFETCH(Transform, transform);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(transform(text), expected);
        if (transform == Transform(TitleCase))
            QCOMPARE(transform(text).size(), text.size());
    }

    void getListItem_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("expected");
        QTest::newRow("second trimmed") << u"Arial, Helvetica ,Verdana"_s << 2 << u"Helvetica"_s;
        QTest::newRow("past the end") << u"Arial, Helvetica ,Verdana"_s << 4 << QString();
        QTest::newRow("zero") << u"Arial"_s << 0 << QString();
        QTest::newRow("empty item") << u"a,,c"_s << 2 << QString();
    }
    void getListItem()
    {
        QFETCH(QString, list);
        QFETCH(int, n);
        QFETCH(QString, expected);
        QCOMPARE(GetListItem(list, n), expected);
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
        QTest::newRow("a") << int('a') << false << true;
        QTest::newRow("backspace") << 8 << true << true;
        QTest::newRow("paste") << 22 << true << true;
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
