#include "html/findreplace.h"
#include "tests/html/golden.h"

#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {

constexpr auto Down = SearchDirection::Down;
constexpr auto Up = SearchDirection::Up;

} // namespace

class FindReplaceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Find Next clicked again and again from a caret position: the match
    // starts found in turn, -1 for "not found" (the selection then stays).
    void repeatedSearches()
    {
        Transcript t(u"findreplace/searches.txt"_s);
        const auto search = [&t](const QString &text, const QString &find, bool matchCase, SearchDirection direction,
                                 qsizetype caret, int clicks) {
            SearchState state{find, {}, matchCase, direction};
            QStringList found;
            for (qsizetype selStart = caret; clicks-- > 0;) {
                const qsizetype match = SearchOnce(text, selStart, state);
                found << QString::number(match);
                selStart = match >= 0 ? match : selStart;
            }
            t.add(u"%1 in %2%3%4 from %5"_s.arg(find, text, matchCase ? u", match case"_s : QString(),
                                                 direction == Up ? u", up"_s : QString()).arg(caret),
                  found.join(u' '));
        };
        search(u"abc abc"_s, u"abc"_s, false, Down, 0, 4);
        search(u"abc"_s, u"ABC"_s, false, Down, 0, 1);
        search(u"abc ABC"_s, u"ABC"_s, true, Down, 0, 2);
        search(u"aaa"_s, u"aa"_s, false, Down, 0, 3);
        search(u"ab ab ab"_s, u"ab"_s, false, Down, 4, 2);
        search(u"ab ab"_s, u"ab"_s, false, Up, 5, 3);
        search(u"xab"_s, u"b"_s, false, Up, 3, 2); // a fresh upward search finds the match just before the caret
        search(u"bbb"_s, u"b"_s, false, Up, 3, 4);
        search(u"ab"_s, u"ab"_s, false, Up, 0, 1);
        search(u"AB ab"_s, u"AB"_s, true, Up, 5, 1);
        search(u"a\r\nb\r\nb"_s, u"b"_s, false, Down, 0, 2); // a line break counts two
        search(u"ab"_s, u"abc"_s, false, Down, 0, 1);
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

    // "find > replacement in text: result (count)".
    void replaceAll()
    {
        Transcript t(u"findreplace/replacements.txt"_s);
        const auto replace = [&t](const QString &text, const QString &find, const QString &replacement, bool matchCase) {
            const ReplaceAllResult result = ReplaceAllMatches(text, find, replacement, matchCase);
            t.add(u"%1 > %2 in %3%4"_s.arg(find, replacement, text, matchCase ? u", match case"_s : QString()),
                  u"%1 (%2)"_s.arg(result.text).arg(result.count));
        };
        replace(u"aaa"_s, u"a"_s, u"aa"_s, false);
        replace(u"xyx"_s, u"x"_s, QString(), false);
        replace(u"abc"_s, u"z"_s, u"q"_s, false);
        replace(u"Tag tag TAG"_s, u"tag"_s, u"<B>"_s, false);
        replace(u"Tag tag TAG"_s, u"tag"_s, u"x"_s, true);
        replace(u"aaaa"_s, u"aa"_s, u"b"_s, false);
        replace(u"a\r\nb\r\n"_s, u"\r\n"_s, u"<BR>"_s, false);
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
