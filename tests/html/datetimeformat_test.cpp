#include "html/datetimeformat.h"
#include "tests/html/golden.h"

#include <QLocale>
#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {

// Monday 1 March 1999, the 60th day of its year.
QDateTime at(int hour, int minute, int second = 0)
{
    return QDateTime(QDate(1999, 3, 1), QTime(hour, minute, second));
}

} // namespace

class DateTimeFormatTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::system()); }

    // The patterns the preferences dialog offers, codes beyond them, literal
    // text, and the hours around midnight and noon.
    void formats()
    {
        Transcript t(u"datetimeformat/formats.txt"_s);
        t.addEach({u"dddd, d mmmm yyyy"_s, u"ddddd"_s, u"dddddd"_s, u"mm/dd/yy"_s, u"h:nn AM/PM"_s, u"hh:nn AMPM"_s,
                   u"h:nn:ss am/pm"_s, u"AM/PM h"_s, u"ddd d"_s, u"d/m"_s, u"hh:mm"_s, u"mm:ss"_s, u"h:n:s"_s,
                   u"h A/P"_s, u"y"_s, u"DD/MM/YYYY"_s, u"d, -mmm- (yyyy)!"_s, u"\"Updated\" dddd"_s, u"d \"mmmm"_s,
                   u"\\d d\\\\"_s, u"h o'clock"_s, QString()},
                  [](const QString &pattern) { return FormatDateTime(at(14, 5, 9), pattern); });
        t.add(u"midnight"_s, FormatDateTime(at(0, 7), u"h:nn AM/PM"_s));
        t.add(u"noon"_s, FormatDateTime(at(12, 0), u"h:nn am/pm"_s));
        t.add(u"two-digit year"_s, FormatDateTime(QDateTime(QDate(2005, 11, 20), QTime(23, 59)), u"yy"_s));
    }

    // Names, designators and separators follow the locale.
    void followsLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        const QLocale german(QLocale::German, QLocale::Germany);
        const QLocale finnish(QLocale::Finnish, QLocale::Finland);
        const QLocale american(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("German names") << german << "dddd, d. mmmm yyyy" << "Montag, 1. März 1999";
        QTest::newRow("German date separator") << german << "dd/mm/yy" << "01.03.99";
        QTest::newRow("Finnish time separator") << finnish << "h:nn" << "14.05";
        QTest::newRow("American short date") << american << "ddddd" << "3/1/99";
        QTest::newRow("fixed AM/PM ignores locale") << finnish << "h AM/PM" << "2 PM";
    }
    void followsLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QLocale::setDefault(locale);
        QCOMPARE(FormatDateTime(at(14, 5, 9), pattern), expected);
    }
};

QTEST_GUILESS_MAIN(DateTimeFormatTest)
#include "datetimeformat_test.moc"
