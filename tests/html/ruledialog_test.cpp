// The horizontal rule dialog's reader and builder: the dialog's examples,
// the NOSHADE rule and a round trip over generated rules.

#include "html/ruledialog.h"
#include "html/valuehelpers.h"
#include "tests/support/optiongenerator.h"

#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

class RuleDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void builds()
    {
        RuleOptions options{true, u"2"_s, u"50"_s, true, u"Center"_s, true};
        QCOMPARE(BuildRule(options), u"<HR SIZE=\"2\" WIDTH=\"50%\" ALIGN=\"Center\" NOSHADE>"_s);
        options.formatted = false; // the standard rule ignores the formatted boxes
        QCOMPARE(BuildRule(options), u"<HR>"_s);
        QCOMPARE(BuildRule(RuleOptions{true, {}, {}, true, u"(default)"_s, false}), u"<HR>"_s);
        QCOMPARE(BuildRule(RuleOptions{true, {}, u"300"_s, false, {}, false}), u"<HR WIDTH=\"300\">"_s);
    }

    // Spellings the builder never writes; the round trip covers the rest.
    void reads_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("formatted");
        QTest::addColumn<QString>("width");
        QTest::addColumn<bool>("percent");
        QTest::addColumn<bool>("noShade");
        QTest::newRow("pixel width") << u"<hr width=75>"_s << true << u"75"_s << false << false;
        QTest::newRow("noshade on a new line") << u"<HR\r\nNOSHADE>"_s << true << QString() << false << true;
        QTest::newRow("noshade at the first character") << u"NOSHADE"_s << false << QString() << false << false;
        QTest::newRow("plain") << u"<HR>"_s << false << QString() << false << false;
    }
    void reads()
    {
        QFETCH(QString, selected);
        QFETCH(bool, formatted);
        QFETCH(QString, width);
        QFETCH(bool, percent);
        QFETCH(bool, noShade);
        const RuleOptions read = ReadRule(selected);
        QCOMPARE(read.formatted, formatted);
        QCOMPARE(read.width, width);
        QCOMPARE(read.percent, percent);
        QCOMPARE(read.noShade, noShade);
    }

    void roundTrip()
    {
        OptionGenerator generate;
        for (int round = 0; round < 400; ++round) {
            RuleOptions options;
            options.formatted = generate.index(4) > 0;
            options.height = generate.digits(3);
            options.width = generate.digits(4);
            options.percent = generate.flip();
            options.alignment = generate.pick({{}, u"Left"_s, u"Center"_s, u"(default)"_s});
            options.noShade = generate.flip();
            const QString text = BuildRule(options);

            RuleOptions expected;
            if (options.formatted) {
                expected.height = options.height;
                expected.width = options.width;
                expected.percent = options.percent && !options.width.isEmpty();
                expected.alignment = HasValue(options.alignment) ? options.alignment : QString();
                expected.noShade = options.noShade;
                expected.formatted = !expected.height.isEmpty() || !expected.width.isEmpty()
                                     || !expected.alignment.isEmpty() || expected.noShade;
            }
            QVERIFY2(ReadRule(text) == expected, qPrintable(text));
        }
    }
};

QTEST_GUILESS_MAIN(RuleDialogTest)
#include "ruledialog_test.moc"
