#include "html/valuehelpers.h"
#include "tests/html/golden.h"
#include "tests/support/scripteddialogs.h"

#include <QTest>

#include <functional>

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

    // Only spaces are trimmed; the title case counts letters of every script
    // and never changes the length.
    void textTransforms()
    {
        Transcript t(u"valuehelpers/transforms.txt"_s);
        using Transform = std::function<QString(const QString &)>;
        const auto each = [&t](const char *name, const QStringList &inputs, const Transform &transform) {
            for (const QString &input : inputs)
                t.add(QString::fromLatin1(name) + u' ' + input, transform(input));
        };
        each("QuoteValue", {u"  Center "_s, u"   "_s, u"\tx\t"_s}, QuoteValue);
        each("IndentLines 2", {u"\r\na\r\n\r\nb"_s, u"a\r\n"_s}, [](const QString &s) { return IndentLines(2, s); });
        each("IndentLines 0", {u"a\r\nb"_s}, [](const QString &s) { return IndentLines(0, s); });
        each("WrapInLineBreaks", {u"\r\nx\r\n"_s, QString(), u"\nx"_s}, WrapInLineBreaks);
        each("CrLfToSpace", {u"a\r\nb\r\n\r\nc\nd"_s}, CrLfToSpace);
        const QStringList titles{u"HELLO wORLD"_s, u"o'neil's shop"_s, u"one-two,three"_s, u"élan vital"_s,
                                 u"ΚΑΛΗ ΜΕΡΑ"_s, u"CAFE\u0301 NOIR"_s, u"STRAßE"_s};
        each("TitleCase", titles, TitleCase);
        for (const QString &title : titles)
            QCOMPARE(TitleCase(title).size(), title.size());
        each("DecreaseIndent", {u"<blockquote>\r\n\tA\r\n\t\tB\r\n</blockquote>"_s, u"\t\ta\r\n\tb\r\nc"_s, u"  \tx  "_s},
             DecreaseIndent);
        each("RemoveAllTags", {u"<P>\r\nHello <B>you</B>\r\n</P>"_s, u"\r\n\r\n\ta\tb"_s, u"a\r\n<BR>\r\nb"_s,
                               u"a < b\r\nc"_s, u"x<A\r\nHREF=\"y\">z</A>"_s}, RemoveAllTags);
        each("ApostropheToBacktick", {u"it's Jo's"_s}, ApostropheToBacktick);
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
