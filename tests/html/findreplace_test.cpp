#include "html/findreplace.h"

#include <QTest>

using namespace tavorin;
using namespace Qt::StringLiterals;

namespace {

constexpr auto Down = SearchDirection::Down;
constexpr auto Up = SearchDirection::Up;

} // namespace

Q_DECLARE_METATYPE(tavorin::SearchDirection)

class FindReplaceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Find Next clicked again and again from a caret position: the match
    // starts found in turn, -1 for "not found" (the selection then stays).
    void repeatedSearches_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("find");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<SearchDirection>("direction");
        QTest::addColumn<qsizetype>("caret");
        QTest::addColumn<QList<qsizetype>>("expected");
        QTest::newRow("down twice, then not found") << u"abc abc"_s << u"abc"_s << false << Down << qsizetype(0) << QList<qsizetype>{0, 4, -1, -1};
        QTest::newRow("down: case blind") << u"abc"_s << u"ABC"_s << false << Down << qsizetype(0) << QList<qsizetype>{0};
        QTest::newRow("down: match case") << u"abc ABC"_s << u"ABC"_s << true << Down << qsizetype(0) << QList<qsizetype>{4, -1};
        QTest::newRow("down: overlapping matches") << u"aaa"_s << u"aa"_s << false << Down << qsizetype(0) << QList<qsizetype>{0, 1, -1};
        QTest::newRow("down: from the middle, no wrap") << u"ab ab ab"_s << u"ab"_s << false << Down << qsizetype(4) << QList<qsizetype>{6, -1};
        QTest::newRow("up from the end of ab ab") << u"ab ab"_s << u"ab"_s << false << Up << qsizetype(5) << QList<qsizetype>{3, 0, -1};
        // A fresh upward search finds the match just before the caret.
        QTest::newRow("up: match just before the caret") << u"xab"_s << u"b"_s << false << Up << qsizetype(3) << QList<qsizetype>{2, -1};
        QTest::newRow("up: adjacent single characters") << u"bbb"_s << u"b"_s << false << Up << qsizetype(3) << QList<qsizetype>{2, 1, 0, -1};
        QTest::newRow("up: from the start") << u"ab"_s << u"ab"_s << false << Up << qsizetype(0) << QList<qsizetype>{-1};
        QTest::newRow("up: match case") << u"AB ab"_s << u"AB"_s << true << Up << qsizetype(5) << QList<qsizetype>{0};
        QTest::newRow("line break counts two") << u"a\r\nb\r\nb"_s << u"b"_s << false << Down << qsizetype(0) << QList<qsizetype>{3, 6};
        QTest::newRow("longer than the text") << u"ab"_s << u"abc"_s << false << Down << qsizetype(0) << QList<qsizetype>{-1};
    }
    void repeatedSearches()
    {
        QFETCH(QString, text);
        QFETCH(QString, find);
        QFETCH(bool, matchCase);
        QFETCH(SearchDirection, direction);
        QFETCH(qsizetype, caret);
        QFETCH(QList<qsizetype>, expected);
        SearchState state;
        state.findText = find;
        state.matchCase = matchCase;
        state.direction = direction;
        qsizetype selStart = caret;
        QList<qsizetype> found;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const qsizetype match = SearchOnce(text, selStart, state);
            found.append(match);
            if (match >= 0)
                selStart = match;
        }
        QCOMPARE(found, expected);
    }

    // A fresh search (first search, or the caret moved away from the last
    // match) stops on a match at the caret; a repeated one moves past it.
    void freshSearchStopsOnTheCurrentMatch()
    {
        SearchState state;
        state.findText = u"ab"_s;
        const QString text = u"ab  ab  ab"_s;
        QCOMPARE(FindNextMatch(text, 4, state), 4);
        state.firstSearch = false;
        state.lastFoundPosition = 0;
        QCOMPARE(FindNextMatch(text, 4, state), 4);
        state.lastFoundPosition = 4;
        QCOMPARE(FindNextMatch(text, 4, state), 8);
    }

    void replaceAll_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<qsizetype>("count");
        QTest::newRow("replacement holds the find text") << u"aaa"_s << u"a"_s << u"aa"_s << false << u"aaaaaa"_s << qsizetype(3);
        QTest::newRow("to nothing") << u"xyx"_s << u"x"_s << QString() << false << u"y"_s << qsizetype(2);
        QTest::newRow("not found leaves the text") << u"abc"_s << u"z"_s << u"q"_s << false << u"abc"_s << qsizetype(0);
        QTest::newRow("case blind") << u"Tag tag TAG"_s << u"tag"_s << u"<B>"_s << false << u"<B> <B> <B>"_s << qsizetype(3);
        QTest::newRow("match case") << u"Tag tag TAG"_s << u"tag"_s << u"x"_s << true << u"Tag x TAG"_s << qsizetype(1);
        QTest::newRow("no overlapping matches") << u"aaaa"_s << u"aa"_s << u"b"_s << false << u"bb"_s << qsizetype(2);
        QTest::newRow("line breaks") << u"a\r\nb\r\n"_s << u"\r\n"_s << u"<BR>"_s << false << u"a<BR>b<BR>"_s << qsizetype(2);
    }
    void replaceAll()
    {
        QFETCH(QString, text);
        QFETCH(QString, find);
        QFETCH(QString, replacement);
        QFETCH(bool, matchCase);
        QFETCH(QString, expected);
        QFETCH(qsizetype, count);
        const ReplaceAllResult result = ReplaceAllMatches(text, find, replacement, matchCase);
        QCOMPARE(result.text, expected);
        QCOMPARE(result.count, count);
    }

    void messages()
    {
        const QString prefix = u"Tavorin has finished searching the document. "_s;
        QCOMPARE(SearchItemNotFoundMessage(), prefix + u"The search item was not found."_s);
        QCOMPARE(ChangesMadeMessage(1), prefix + u"1 change was made."_s);
        QCOMPARE(ChangesMadeMessage(2), prefix + u"2 changes were made."_s);
        QVERIFY(SelectionMatches(u"ABC"_s, u"abc"_s, false));
        QVERIFY(!SelectionMatches(u"ABC"_s, u"abc"_s, true));
        QVERIFY(!SelectionMatches(u"abcd"_s, u"abc"_s, false));
    }
};

QTEST_GUILESS_MAIN(FindReplaceTest)
#include "findreplace_test.moc"
