// The data and snippet files shipped in SystemFiles/ beside the programs.

#include "settings/files.h"
#include "settings/inifile.h"
#include "tests/support/scripteddialogs.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTest>

using namespace tavorin;
using namespace Qt::StringLiterals;

namespace {

QString dataFile(const QString &name)
{
    return QCoreApplication::applicationDirPath() + u"/SystemFiles/Data/"_s + name;
}

// A web address the link builders can take as it stands: printable ASCII
// without spaces, double quotes or backslashes.
void verifyAddress(const QString &location)
{
    static const QRegularExpression plain(u"^https://[!#-\\[\\]-~]+$"_s);
    QVERIFY2(plain.match(location).hasMatch(), qPrintable(location));
}

} // namespace

class DataFilesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void snippets_data()
    {
        QTest::addColumn<QString>("file"); // as the insert commands name it
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("banner");
        QTest::addColumn<bool>("takesValue"); // its first "" is where the value goes
        QTest::newRow("Screen Fade JavaScript") << "JScript\\screenfade.js" << "SCRIPT" << "Screen Fade Script" << false;
        QTest::newRow("Status Bar Clock JavaScript") << "JScript\\statusbarclock.js" << "SCRIPT" << "Status Bar Clock Script" << false;
        QTest::newRow("System Info JavaScript") << "JScript\\systeminfo.js" << "SCRIPT" << "System Info Script" << false;
        QTest::newRow("Date & Time JavaScript") << "JScript\\timeanddate.js" << "SCRIPT" << "Date & Time Script" << false;
        QTest::newRow("Scrolling Message JavaScript") << "JScript\\ScrollMessage.js" << "SCRIPT" << "Scrolling Message Script" << true;
        QTest::newRow("Dialog Message JavaScript") << "JScript\\DialogMessage.js" << "SCRIPT" << "Dialog Message Script" << true;
        QTest::newRow("E-Mail Form") << "Forms\\EMailForm.txt" << "FORM" << "E-Mail Form" << true;
    }
    void snippets()
    {
        QFETCH(QString, file);
        QFETCH(QString, element);
        QFETCH(QString, banner);
        QFETCH(bool, takesValue);
        // The program's snippet reader finds it by the name the command uses.
        testing::ScriptedFacades facades;
        const QString text = ReadSystemFile(file, QString());
        QVERIFY2(!text.isEmpty() && facades.dialogs.messages().isEmpty(), qPrintable(file));

        QVERIFY(text.startsWith(u"<!-- Start Of "_s + banner + u" -->\r\n"_s));
        const QString end = element == u"SCRIPT"_s ? u"<!-- End of "_s : u"<!-- End Of "_s;
        QVERIFY(text.endsWith(end + banner + u" -->\r\n"_s));
        const qsizetype open = text.indexOf(u'<' + element, 0, Qt::CaseInsensitive);
        const qsizetype close = text.indexOf(u"</"_s + element + u'>', 0, Qt::CaseInsensitive);
        // One start tag and one end tag, in order.
        QCOMPARE(text.count(u'<' + element, Qt::CaseInsensitive), 1);
        QCOMPARE(text.count(u"</"_s + element, Qt::CaseInsensitive), 1);
        QVERIFY(open >= 0 && open < close);
        if (element == u"SCRIPT"_s) {
            // The script hides from browsers without scripting in a comment, and
            // nothing in it may end the comment or end or restart the element.
            const QString opening = u"<SCRIPT LANGUAGE=\"JavaScript\">\r\n<!--\r\n"_s;
            const QString closing = u"\r\n// -->\r\n"_s;
            QCOMPARE(text.indexOf(opening), open);
            QCOMPARE(text.mid(close - closing.size(), closing.size()), closing);
            const QString body = text.mid(open + opening.size(), close - closing.size() - open - opening.size());
            QVERIFY(!body.isEmpty());
            for (const QString &forbidden : {u"<script"_s, u"</script"_s, u"<!--"_s, u"-->"_s})
                QVERIFY2(!body.contains(forbidden, Qt::CaseInsensitive), qPrintable(forbidden));
        }
        if (takesValue) {
            // The value replaces the first "": in the script's message or the form's ACTION.
            const qsizetype value = text.indexOf(u"\"\""_s);
            QVERIFY2(value > open && value < close, "the empty value lies outside the element");
            if (element == u"FORM"_s)
                QCOMPARE(text.mid(value - 7, 9), u"ACTION=\"\""_s);
            else
                QCOMPARE(text.mid(value - 10, 12), u"message = \"\""_s);
        }
    }

    // Both lists are read the way the program reads them.
    void referenceGuides()
    {
        for (const QString &key : {u"1"_s, u"2"_s, u"3"_s}) {
            const QString name = ReadIniValue(dataFile(u"Guides.dat"_s), u"Guide Names"_s, key, {});
            QVERIFY2(!name.isEmpty() && name.size() <= 30 && !name.contains(u'\r'), qPrintable(key + u": "_s + name));
            verifyAddress(ReadIniValue(dataFile(u"Guides.dat"_s), u"Guide Locations"_s, key, {}));
        }
    }

    void searchEngines()
    {
        const auto value = [](const QString &key, int n) {
            return ReadIniValue(dataFile(u"SEngines.dat"_s), u"Search Engines"_s, key + QString::number(n), {});
        };
        QStringList names;
        for (int n = 1; !value(u"Name"_s, n).isEmpty() && n <= 60; ++n) {
            const QString name = value(u"Name"_s, n);
            QVERIFY2(name.size() <= 25 && !name.contains(u'\r') && !names.contains(name), qPrintable(name));
            names << name;
            verifyAddress(value(u"Location"_s, n));
        }
        QVERIFY(names.size() >= 5);
        // Every entry of the file is reachable: none lies behind a gap.
        for (int n = int(names.size()) + 1; n <= 61; ++n)
            QVERIFY(value(u"Name"_s, n).isEmpty() && value(u"Location"_s, n).isEmpty());
    }
};

QTEST_GUILESS_MAIN(DataFilesTest)
#include "datafiles_test.moc"
