#include "html/smartupdate.h"

#include "html/datetimeformat.h"
#include "settings/preferences.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {

// Saturday 7 March 2026, 14:05:09, the moment every refresh below uses.
const QDateTime Moment(QDate(2026, 3, 7), QTime(14, 5, 9));
const QString DateFormat = u"dddd, d mmmm yyyy"_s;
const QString TimeFormat = u"h:nn AM/PM"_s;

QString date(const QString &value) { return "<!-- %DATE% -->" + value + "<!-- %/DATE% -->"; }
QString time(const QString &value) { return "<!-- %TIME% -->" + value + "<!-- %/TIME% -->"; }
QString year(const QString &value) { return "<!-- %YEAR% -->" + value + "<!-- %/YEAR% -->"; }

const QString FreshDate = date(u"Saturday, 7 March 2026"_s);
const QString FreshTime = time(u"2:05 PM"_s);
const QString FreshYear = year(u"2026"_s);

QString refresh(const QString &text) { return SmartUpdate(text, Moment, DateFormat, TimeFormat); }

// The refresh as first written, one kind after another, searching the rest
// of the text for each end marker and rebuilding the text for each field:
// slow, and the measure of what the refresh must give for any text.
QString ReferenceSmartUpdate(QString text, const QString &dateFormat, const QString &timeFormat)
{
    const QString kinds[][3] = {
        {u"<!-- %DATE% -->"_s, u"<!-- %/DATE% -->"_s, FormatDateTime(Moment, dateFormat)},
        {u"<!-- %TIME% -->"_s, u"<!-- %/TIME% -->"_s, FormatDateTime(Moment, timeFormat)},
        {u"<!-- %YEAR% -->"_s, u"<!-- %/YEAR% -->"_s, FormatDateTime(Moment, u"yyyy"_s)},
    };
    for (const auto &[startMarker, endMarker, value] : kinds) {
        const QString fresh = startMarker + value + endMarker;
        qsizetype from = 0;
        for (;;) {
            const qsizetype start = text.indexOf(startMarker, from);
            if (start < 0)
                break;
            const qsizetype end = text.indexOf(endMarker, start + startMarker.size());
            if (end >= 0 && end - start < 80) {
                const qsizetype oldLength = end - start + endMarker.size();
                const QString old = text.mid(start, oldLength);
                if (!old.contains(u'\r') && !old.contains(u'\n')) {
                    text.replace(start, oldLength, fresh);
                    from = start + fresh.size();
                    continue;
                }
            }
            from = start + 1;
        }
    }
    return text;
}

// Pieces that make fields, broken fields and the text around them.
QString RandomPiece(QRandomGenerator &random)
{
    static const QString pieces[] = {
        u"<!-- %DATE% -->"_s, u"<!-- %/DATE% -->"_s, u"<!-- %TIME% -->"_s, u"<!-- %/TIME% -->"_s,
        u"<!-- %YEAR% -->"_s, u"<!-- %/YEAR% -->"_s, u"<!-- %date% -->"_s, u"<!-- %/TIME%"_s,
        u"<!-- %DATE%"_s, u"\r\n"_s, u"\r"_s, u"\n"_s, u"<P>"_s, u" "_s, u"<"_s, u"-->"_s,
    };
    const int choice = random.bounded(int(std::size(pieces)) + 2);
    if (choice < int(std::size(pieces)))
        return pieces[choice];
    // Values around the longest one a field may hold.
    return QString(choice == int(std::size(pieces)) ? random.bounded(1, 4) : random.bounded(55, 70), u'x');
}

} // namespace

class SmartUpdateTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::system()); }

    void refreshes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        // The limits and the fields' shape; the comparison with the reference
        // below covers the broken and nested fields.
        const auto kept = [](const char *name, const QString &text) { QTest::newRow(name) << text << text; };
        QTest::newRow("empty value filled in") << "<P>" + date({}) + "</P>" << "<P>" + FreshDate + "</P>";
        QTest::newRow("64-character value refreshed") << date(QString(64, u'x')) << FreshDate;
        kept("65-character value kept", date(QString(65, u'x')));
        kept("date across LF kept", "<!-- %DATE% -->\n<!-- %/DATE% -->");
        QTest::newRow("fields on separate lines") << date(u"a"_s) + "\r\n" + time(u"b"_s) + "\r\n&copy; " + year(u"c"_s)
                                                  << FreshDate + "\r\n" + FreshTime + "\r\n&copy; " + FreshYear;
        kept("lower-case markers ignored", "<!-- %date% -->old<!-- %/date% -->");
        QTest::newRow("first end marker closes the field")
            << "<!-- %DATE% -->a<!-- %/DATE% -->b<!-- %/DATE% -->" << FreshDate + "b<!-- %/DATE% -->";
    }
    void refreshes()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(refresh(text), expected);
    }

    // A date pattern whose literal text writes the field's own start marker
    // must not make the refresh find its own output again and again.
    void freshValueHoldingItsOwnMarker_data()
    {
        QTest::addColumn<QString>("dateFormat");
        QTest::addColumn<QString>("timeFormat");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("date marker in date pattern")
            << "\"<!-- %DATE% -->\"dddd" << TimeFormat << " " + date(u"old"_s) + " " + date(u"older"_s) + " "
            << " " + date(u"<!-- %DATE% -->Saturday"_s) + " " + date(u"<!-- %DATE% -->Saturday"_s) + " ";
        QTest::newRow("time marker in date pattern")
            << "\"<!-- %TIME% -->\"d" << TimeFormat << date(u"old"_s) << date(FreshTime.left(15) + "7");
    }
    void freshValueHoldingItsOwnMarker()
    {
        QFETCH(QString, dateFormat);
        QFETCH(QString, timeFormat);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const QString once = SmartUpdate(text, Moment, dateFormat, timeFormat);
        QCOMPARE(once, expected);
        // Saving the refreshed text again changes nothing.
        QCOMPARE(SmartUpdate(once, Moment, dateFormat, timeFormat), once);
    }

    void refreshesAWholePage()
    {
        const QString input = ReadText(QFINDTESTDATA("data/smartupdate/page.htm"));
        const QString expected = ReadText(QFINDTESTDATA("data/smartupdate/page.expected.htm"));
        QVERIFY(!input.isEmpty() && !expected.isEmpty());
        QCOMPARE(refresh(input), expected);
    }

    // Generated texts dense with markers, pieces of markers, line breaks and
    // values near the limit, and real pages with such pieces strewn in: the
    // one-scan refresh gives exactly the reference's text, also for patterns
    // whose values hold markers.
    void matchesTheReferenceOnGeneratedTextsAndRealPages_data()
    {
        QTest::addColumn<QString>("dateFormat");
        QTest::addColumn<QString>("timeFormat");
        QTest::newRow("default patterns") << DateFormat << TimeFormat;
        QTest::newRow("markers in the values") << "\"<!-- %DATE% --><!-- %/TIME% -->\"d" << "h \"<!-- %TIME% -->\"";
        QTest::newRow("values with line breaks") << "d\"\r\n\"" << "\"<!-- %YEAR% -->\"h";
    }
    void matchesTheReferenceOnGeneratedTextsAndRealPages()
    {
        QFETCH(QString, dateFormat);
        QFETCH(QString, timeFormat);
        QRandomGenerator random(2026);
        for (int i = 0; i < 4000; ++i) {
            QString text;
            for (int pieces = random.bounded(40); pieces > 0; --pieces)
                text += RandomPiece(random);
            QCOMPARE(SmartUpdate(text, Moment, dateFormat, timeFormat),
                     ReferenceSmartUpdate(text, dateFormat, timeFormat));
        }

        QStringList pages;
        const QDir help(QFINDTESTDATA("../../data/SystemFiles/Help"));
        for (const QString &name : help.entryList({u"*.html"_s}))
            pages << ReadText(help.filePath(name));
        pages << ReadText(QFINDTESTDATA("data/smartupdate/page.htm"));
        QVERIFY(pages.size() > 5);
        for (QString page : std::as_const(pages)) {
            QCOMPARE(SmartUpdate(page, Moment, dateFormat, timeFormat),
                     ReferenceSmartUpdate(page, dateFormat, timeFormat));
            for (int i = 0; i < 300; ++i)
                page.insert(random.bounded(int(page.size()) + 1), RandomPiece(random));
            QCOMPARE(SmartUpdate(page, Moment, dateFormat, timeFormat),
                     ReferenceSmartUpdate(page, dateFormat, timeFormat));
        }
    }

    void presentUsesClockAndPreferences()
    {
        ScriptedFacades facades;
        facades.clock.set(Moment);
        const Preferences saved = Prefs();
        Prefs().DateFormat = u"dd/mm/yy"_s;
        Prefs().TimeFormat = u" "_s; // blank: the default pattern
        const QString result = SmartUpdate(date(u"a"_s) + time(u"b"_s));
        Prefs() = saved;
        QCOMPARE(result, date(u"07/03/26"_s) + FreshTime);
    }
};

QTEST_GUILESS_MAIN(SmartUpdateTest)
#include "smartupdate_test.moc"
