#include "html/datetimeformat.h"

#include <QLocale>
#include <QTest>

using namespace tavorin;

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

    void formats_data()
    {
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");

        const QDateTime afternoon = at(14, 5, 9);
        // The date patterns the preferences dialog offers.
        QTest::newRow("default date") << afternoon << "dddd, d mmmm yyyy" << "Monday, 1 March 1999";
        QTest::newRow("short date form") << afternoon << "ddddd" << "01/03/1999";
        QTest::newRow("long date form") << afternoon << "dddddd" << "Monday, 1 March 1999";
        QTest::newRow("mm/dd/yy") << afternoon << "mm/dd/yy" << "03/01/99";

        // The time patterns the preferences dialog offers (a selection).
        QTest::newRow("default time") << afternoon << "h:nn AM/PM" << "2:05 PM";
        QTest::newRow("locale designator") << afternoon << "hh:nn AMPM" << "02:05 pm";
        QTest::newRow("lower designator") << afternoon << "h:nn:ss am/pm" << "2:05:09 pm";
        QTest::newRow("designator first") << afternoon << "AM/PM h" << "PM 2";

        // Around midnight and noon.
        QTest::newRow("midnight 12-hour") << at(0, 7) << "h:nn AM/PM" << "12:07 AM";
        QTest::newRow("noon 12-hour") << at(12, 0) << "h:nn am/pm" << "12:00 pm";

        // Codes beyond the offered patterns.
        QTest::newRow("abbreviated weekday") << afternoon << "ddd d" << "Mon 1";
        QTest::newRow("month without zero") << afternoon << "d/m" << "1/3";
        QTest::newRow("minutes after hours") << afternoon << "hh:mm" << "14:05";
        QTest::newRow("minutes before seconds") << afternoon << "mm:ss" << "05:09";
        QTest::newRow("single letters") << afternoon << "h:n:s" << "14:5:9";
        QTest::newRow("single-letter designator") << afternoon << "h A/P" << "2 P";
        QTest::newRow("day of the year") << afternoon << "y" << "60";
        QTest::newRow("codes in capitals") << afternoon << "DD/MM/YYYY" << "01/03/1999";

        // Literal text.
        QTest::newRow("punctuation stands") << afternoon << "d, -mmm- (yyyy)!" << "1, -Mar- (1999)!";
        QTest::newRow("quoted text") << afternoon << "\"Updated\" dddd" << "Updated Monday";
        QTest::newRow("unterminated quote") << afternoon << "d \"mmmm" << "1 mmmm";
        QTest::newRow("backslash escapes") << afternoon << "\\d d\\\\" << "d 1\\";
        QTest::newRow("apostrophe is plain") << afternoon << "h o'clock" << "14 o'clock";
        QTest::newRow("empty pattern") << afternoon << "" << "";

        QTest::newRow("two-digit year") << QDateTime(QDate(2005, 11, 20), QTime(23, 59)) << "yy" << "05";
    }
    void formats()
    {
        QFETCH(QDateTime, moment);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(FormatDateTime(moment, pattern), expected);
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
