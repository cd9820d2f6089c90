#include "html/valuehelpers.h"
#include "tests/support/scripteddialogs.h"

#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {

using Transform = QString (*)(const QString &);

Transform TransformNamed(const QString &name)
{
    static const QHash<QString, Transform> transforms = {
        {u"QuoteValue"_s, QuoteValue},
        {u"IndentLines 1"_s, [](const QString &text) { return IndentLines(1, text); }},
        {u"IndentLines 2"_s, [](const QString &text) { return IndentLines(2, text); }},
        {u"IndentLines 0"_s, [](const QString &text) { return IndentLines(0, text); }},
        {u"WrapInLineBreaks"_s, WrapInLineBreaks},
        {u"CrLfToSpace"_s, CrLfToSpace},
        {u"TitleCase"_s, TitleCase},
        {u"DecreaseIndent"_s, DecreaseIndent},
        {u"RemoveAllTags"_s, RemoveAllTags},
        {u"ApostropheToBacktick"_s, ApostropheToBacktick},
    };
    return transforms.value(name);
}

void AddRow(const char *function, const char *name, const QString &text, const QString &expected)
{
    QTest::addRow("%s: %s", function, name) << QString::fromLatin1(function) << text << expected;
}

} // namespace

class ValueHelpersTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void hasValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");
        QTest::newRow("empty") << QString() << false;
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
        QTest::addColumn<QString>("function");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        AddRow("QuoteValue", "padded", u"  Center "_s, u"\"Center\""_s);
        AddRow("QuoteValue", "blank kept", u"   "_s, u"\"   \""_s);
        AddRow("QuoteValue", "inner quote not escaped", u"a\"b"_s, u"\"a\"b\""_s);
        AddRow("QuoteValue", "tabs stay", u"\tx\t"_s, u"\"\tx\t\""_s);
        AddRow("IndentLines 1", "empty line gets no tab", u"\r\na\r\n\r\nb"_s, u"\r\n\ta\r\n\r\n\tb"_s);
        AddRow("IndentLines 1", "trailing break adds nothing", u"a\r\n"_s, u"\ta\r\n"_s);
        AddRow("IndentLines 2", "two tabs", u"a\r\nb"_s, u"\t\ta\r\n\t\tb"_s);
        AddRow("IndentLines 0", "zero count", u"a\r\nb"_s, u"a\r\nb"_s);
        AddRow("WrapInLineBreaks", "already wrapped", u"\r\nx\r\n"_s, u"\r\nx\r\n"_s);
        AddRow("WrapInLineBreaks", "leading only", u"\r\nx"_s, u"\r\nx\r\n"_s);
        AddRow("WrapInLineBreaks", "empty is one break", QString(), u"\r\n"_s);
        AddRow("WrapInLineBreaks", "lone line feed is not a break", u"\nx"_s, u"\r\n\nx\r\n"_s);
        AddRow("CrLfToSpace", "pairs only", u"a\r\nb\r\n\r\nc\nd"_s, u"a b  c\nd"_s);
        AddRow("TitleCase", "shouting", u"HELLO wORLD"_s, u"Hello World"_s);
        AddRow("TitleCase", "apostrophe", u"o'neil's shop"_s, u"O'neil's Shop"_s);
        AddRow("TitleCase", "punctuation starts a word", u"one-two,three"_s, u"One-Two,Three"_s);
        // Letters of every script count, and the length never changes.
        AddRow("TitleCase", "accented first letter", u"élan vital"_s, u"Élan Vital"_s);
        AddRow("TitleCase", "umlaut inside a word", u"MÜLLER"_s, u"Müller"_s);
        AddRow("TitleCase", "greek", u"ΚΑΛΗ ΜΕΡΑ"_s, u"Καλη Μερα"_s);
        AddRow("TitleCase", "combining accent continues the word", u"CAFE\u0301 NOIR"_s, u"Cafe\u0301 Noir"_s);
        AddRow("TitleCase", "sharp s keeps its length", u"STRAßE"_s, u"Straße"_s);
        AddRow("DecreaseIndent", "blockquote", u"<BLOCKQUOTE>\r\n\tText\r\n</BLOCKQUOTE>"_s, u"Text\r\n"_s);
        AddRow("DecreaseIndent", "lower-case blockquote", u"<blockquote>\r\n\tA\r\n\t\tB\r\n</blockquote>"_s,
               u"A\r\n\tB\r\n"_s);
        AddRow("DecreaseIndent", "one tab per line", u"\t\ta\r\n\tb\r\nc"_s, u"\ta\r\nb\r\nc"_s);
        AddRow("DecreaseIndent", "spaces trimmed", u"  \tx  "_s, u"\tx"_s);
        AddRow("RemoveAllTags", "paragraph", u"<P>\r\nHello <B>you</B>\r\n</P>"_s, u"Hello you"_s);
        AddRow("RemoveAllTags", "tabs go", u"\ta\tb"_s, u"ab"_s);
        AddRow("RemoveAllTags", "leading breaks go", u"\r\n\r\nx"_s, u"x"_s);
        AddRow("RemoveAllTags", "tag-only line vanishes", u"a\r\n<BR>\r\nb"_s, u"a\r\nb"_s);
        AddRow("RemoveAllTags", "unclosed bracket is text", u"a < b\r\nc"_s, u"a < b\r\nc"_s);
        AddRow("RemoveAllTags", "tag spanning lines", u"x<A\r\nHREF=\"y\">z</A>"_s, u"xz"_s);
        AddRow("ApostropheToBacktick", "every one", u"it's Jo's"_s, u"it`s Jo`s"_s);
    }
    void textTransforms()
    {
        QFETCH(QString, function);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const Transform transform = TransformNamed(function);
        QVERIFY(transform);
        QCOMPARE(transform(text), expected);
        if (function == u"TitleCase")
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
        QTest::newRow("empty list") << QString() << 1 << QString();
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
        QTest::newRow("copy") << 3 << true << true;
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
