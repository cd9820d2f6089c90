// The rules of the selection text box and the lookup combo, as tables.

#include "controls/lookuprules.h"
#include "controls/selboxrules.h"

#include <QTest>

using namespace tavorin;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(tavorin::BoxStyle)

class InputRulesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // "~" in the expected text stands for "refused".
    void boxInput_data()
    {
        QTest::addColumn<BoxStyle>("style");
        QTest::addColumn<bool>("allowQuote");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pasted");
        const auto ordinary = BoxStyle::Ordinary, digits = BoxStyle::DigitsOnly, path = BoxStyle::Path,
                   tag = BoxStyle::TagText;
        QTest::newRow("ordinary letter") << ordinary << false << u"a b"_s << u"a"_s << u"a b"_s;
        QTest::newRow("ordinary quote refused") << ordinary << false << u"say \"hi\""_s << u"s"_s << u"~"_s;
        QTest::newRow("ordinary quote allowed") << ordinary << true << u"\"x\""_s << u"\""_s << u"\"x\""_s;
        QTest::newRow("ordinary angle bracket") << ordinary << true << u"<B>"_s << u"~"_s << u"~"_s;
        QTest::newRow("ordinary backslash kept") << ordinary << false << u"\\a"_s << u"\\"_s << u"\\a"_s;
        QTest::newRow("digits") << digits << false << u"169"_s << u"1"_s << u"169"_s;
        QTest::newRow("digits letter") << digits << false << u"12a"_s << u"1"_s << u"~"_s;
        QTest::newRow("digits quote even allowed") << digits << true << u"\"1"_s << u"~"_s << u"~"_s;
        QTest::newRow("digits blank") << digits << false << u" 1"_s << u"~"_s << u"~"_s;
        QTest::newRow("path backslash") << path << false << u"\\a\\b"_s << u"/"_s << u"/a/b"_s;
        QTest::newRow("path bracket") << path << false << u"a>b"_s << u"a"_s << u"~"_s;
        QTest::newRow("tag text brackets") << tag << false << u"<B>"_s << u"<"_s << u"<B>"_s;
        QTest::newRow("tag text quote") << tag << false << u"<A \"x\">"_s << u"<"_s << u"~"_s;
    }
    // The first character typed, and the whole input pasted.
    void boxInput()
    {
        QFETCH(BoxStyle, style);
        QFETCH(bool, allowQuote);
        QFETCH(QString, input);
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        const BoxRules rules{style, allowQuote};
        const auto shown = [](const BoxInput &in) { return in.refused ? u"~"_s : in.text; };
        QCOMPARE(shown(TypedIntoBox(input.front(), rules)), typed);
        QCOMPARE(shown(PastedIntoBox(input, rules)), pasted);
    }

    void boxChangesAndLimits()
    {
        QCOMPARE(ChangedBoxText(u"12a"_s, BoxStyle::DigitsOnly), QString());
        QCOMPARE(ChangedBoxText(u"12"_s, BoxStyle::DigitsOnly), u"12"_s);
        QCOMPARE(ChangedBoxText(u""_s, BoxStyle::DigitsOnly), QString());
        QCOMPARE(ChangedBoxText(u"12a"_s, BoxStyle::Ordinary), u"12a"_s);
        QVERIFY(!PasteWillBeCut(10, 10));
        QVERIFY(PasteWillBeCut(11, 10));
        QVERIFY(!PasteWillBeCut(500, 0));
    }

    void completion_data()
    {
        QTest::addColumn<QString>("text"); // "[" and "]" mark the selection, "|" the caret
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after"); // "-" when the key is not for completion
        QTest::newRow("r completes Right") << u"|"_s << u"r"_s << u"R[ight]"_s;
        QTest::newRow("e then leaves Re") << u"R[ight]"_s << u"e"_s << u"Re|"_s;
        QTest::newRow("whole entry typed") << u"Lef|"_s << u"t"_s << u"Left|"_s;
        QTest::newRow("first entry of several") << u"|"_s << u"c"_s << u"C[enter]"_s;
        QTest::newRow("no entry") << u"x|"_s << u"y"_s << u"xy|"_s;
        QTest::newRow("caret not at the end") << u"R|e"_s << u"x"_s << u"-"_s;
        QTest::newRow("character above 127") << u"|"_s << u"é"_s << u"-"_s;
        QTest::newRow("blank completes nothing") << u"|"_s << u" "_s << u" |"_s;
    }
    void completion()
    {
        QFETCH(QString, text);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        const QStringList list{u"Center"_s, u"Centre Line"_s, u"Left"_s, u"Right"_s};
        qsizetype start = text.indexOf(u'[');
        qsizetype length = 0;
        if (start >= 0) {
            length = text.indexOf(u']') - start - 1;
            text.remove(u'[').remove(u']');
        } else {
            start = text.indexOf(u'|');
            text.remove(u'|');
        }
        const std::optional<Completion> result = CompleteLookup(list, text, start, length, typed.front());
        if (!result) {
            QCOMPARE(u"-"_s, after);
            return;
        }
        QString shown = result->text;
        if (result->selLength > 0)
            shown.insert(result->selStart + result->selLength, u']').insert(result->selStart, u'[');
        else
            shown.insert(result->selStart, u'|');
        QCOMPARE(shown, after);
    }

    void lostFocusAndDefaults()
    {
        const QStringList list{u"(default)"_s, u"Center"_s, u"Left"_s, u"Right"_s};
        QCOMPARE(LostFocusText(list, u"center"_s, u"(default)"_s, true), u"Center"_s);
        QCOMPARE(LostFocusText(list, u"center"_s, u"(default)"_s, false), u"center"_s);
        QCOMPARE(LostFocusText(list, u"  "_s, u"(default)"_s, true), u"(default)"_s);
        QCOMPARE(LostFocusText(list, u"Middle"_s, u"(default)"_s, true), u"Middle"_s);
        QCOMPARE(LostFocusText({}, u""_s, u"(default)"_s, true), u""_s);
        QCOMPARE(SortedInsertIndex(list, u"bottom"_s), 1);
        QCOMPARE(SortedInsertIndex(list, u"zz"_s), 4);
        for (const QChar c : {u'"', u'<', u'>', u'|'})
            QVERIFY(LookupRefuses(c, u"|"_s));
        QVERIFY(!LookupRefuses(u'|', QString()));
        QVERIFY(LookupRefusesText(u"a\"b"_s, QString()));
        QVERIFY(!LookupRefusesText(u"http://x/a.htm"_s, u"#"_s));
    }
};

QTEST_GUILESS_MAIN(InputRulesTest)
#include "inputrules_test.moc"
