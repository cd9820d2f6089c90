// Colour texts, the named-colour table and the colour dialog's text.

#include "html/colours.h"

#include <QTest>

using namespace tavorin;
using namespace Qt::StringLiterals;

class ColoursTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void colourValues_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("defaultColour");
        QTest::addColumn<int>("value");     // 0x00BBGGRR; -1 for no value of its own
        QTest::addColumn<int>("indicator"); // what the indicator shows
        QTest::newRow("gray") << u"gray"_s << QString() << 0x7F7F7F << 0x7F7F7F;
        QTest::newRow("red in the low byte") << u"Red"_s << QString() << 0x0000FF << 0x0000FF;
        QTest::newRow("orange, lower case") << u"#ff8000"_s << QString() << 0x0080FF << 0x0080FF;
        QTest::newRow("short hex") << u"#12"_s << QString() << 0x000012 << 0x000012;
        QTest::newRow("bad pair") << u"#zz00ff"_s << QString() << 0xFF0000 << 0xFF0000;
        QTest::newRow("default shows the host's") << u"(default)"_s << u"blue"_s << -1 << 0xFF0000;
        QTest::newRow("default without one: silver") << u"(default)"_s << QString() << -1 << 0xBFBFBF;
        QTest::newRow("unknown default: silver") << u"orange"_s << u"mauve"_s << -1 << 0xBFBFBF;
    }
    void colourValues()
    {
        QFETCH(QString, text);
        QFETCH(QString, defaultColour);
        QFETCH(int, value);
        QFETCH(int, indicator);
        QCOMPARE(int(ColourValue(text).value_or(quint32(-1))), value);
        QCOMPARE(int(IndicatorColourOf(text, defaultColour)), indicator);
    }

    void namesAndDialogText()
    {
        QCOMPARE(ColourName(1), u"Aqua"_s);
        QCOMPARE(ColourName(16), u"Yellow"_s);
        QCOMPARE(ColourName(0), QString());
        QCOMPARE(ColourName(17), QString());
        const quint32 chosen = 0x80 | 0x40 << 8; // red 80, green 40, blue 00
        QCOMPARE(ChosenColourText(chosen, false), u"#804000"_s);
        QCOMPARE(ChosenColourText(chosen, true), u"#993300"_s);
        QCOMPARE(ChosenColourText(0xABCDEF, false), u"#EFCDAB"_s);
        const QList<std::pair<int, int>> levels{{0x19, 0x00}, {0x1A, 0x33}, {0x4C, 0x33}, {0x4D, 0x66}, {0x7F, 0x66},
                                                {0x80, 0x99}, {0xB2, 0x99}, {0xB3, 0xCC}, {0xE5, 0xCC}, {0xE6, 0xFF}};
        for (const auto &[pair, level] : levels)
            QCOMPARE(BrowserSafeLevel(pair), level);
    }
};

QTEST_GUILESS_MAIN(ColoursTest)
#include "colours_test.moc"
