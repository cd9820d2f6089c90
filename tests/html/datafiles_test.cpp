// The data and snippet files shipped in SystemFiles/ beside the programs.

#include "settings/files.h"
#include "settings/inifile.h"
#include "tests/support/scripteddialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

using namespace tavorin;
using namespace Qt::StringLiterals;

namespace {

QString systemFiles() { return QCoreApplication::applicationDirPath() + u"/SystemFiles"_s; }

// The snippet reader lower-cases the whole path and finds the file without
// regard to case; so does this.
QString findCaseBlind(const QString &relative)
{
    QString path = systemFiles();
    for (const QString &part : relative.toLower().split(u'/')) {
        const QStringList entries = QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        const auto match = std::find_if(entries.begin(), entries.end(), [&](const QString &entry) {
            return entry.compare(part, Qt::CaseInsensitive) == 0;
        });
        if (match == entries.end())
            return {};
        path += u'/' + *match;
    }
    return path;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Start and end tags of one element, in order and never nested.
bool balanced(const QString &text, const QString &tag)
{
    const QRegularExpression tags(u"<(/?)"_s + tag + u"\\b"_s, QRegularExpression::CaseInsensitiveOption);
    bool open = false;
    int pairs = 0;
    for (auto it = tags.globalMatch(text); it.hasNext();) {
        const bool closing = !it.next().captured(1).isEmpty();
        if (closing == !open)
            return false;
        open = !closing;
        pairs += closing ? 1 : 0;
    }
    return !open && pairs == 1;
}

// A value meant as a web address the link builders can take as it stands.
void verifyAddress(const QString &location)
{
    QVERIFY2(location.startsWith(u"https://"_s), qPrintable(location));
    QVERIFY2(!location.contains(u' ') && !location.contains(u'\\') && !location.contains(u'"'),
             qPrintable(location));
    for (const QChar c : location)
        QVERIFY2(c.unicode() > 32 && c.unicode() < 127, qPrintable(location));
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

        // The commands that insert a snippet and the files they read.
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

        const QString path = findCaseBlind(QString(file).replace(u'\\', u'/'));
        QVERIFY2(!path.isEmpty(), qPrintable(file + u" is missing"_s));
        const QByteArray bytes = readAll(path);
        QVERIFY(!bytes.isEmpty());
        const QString text = QString::fromUtf8(bytes);

        // The program's snippet reader finds it by the same name and inserts
        // it as it stands.
        testing::ScriptedFacades facades;
        QCOMPARE(ReadSystemFile(file, QString()), text);
        QVERIFY(facades.dialogs.messages().isEmpty());

        // Inserted into the document as it stands, so its line breaks must
        // already be the document's.
        QCOMPARE(text.count(u'\n'), text.count(u"\r\n"_s));
        QCOMPARE(text.count(u'\r'), text.count(u"\r\n"_s));

        QVERIFY2(balanced(text, element), qPrintable(element + u" tags are not one balanced pair"_s));
        QVERIFY(text.startsWith(u"<!-- Start Of "_s + banner + u" -->\r\n"_s));
        const QString end = element == u"SCRIPT"_s ? u"<!-- End of "_s : u"<!-- End Of "_s;
        QVERIFY(text.endsWith(end + banner + u" -->\r\n"_s));

        const qsizetype open = text.indexOf(u'<' + element, 0, Qt::CaseInsensitive);
        const qsizetype close = text.indexOf(u"</"_s + element + u'>', 0, Qt::CaseInsensitive);
        const qsizetype value = text.indexOf(u"\"\""_s);
        if (element == u"SCRIPT"_s) {
            // The script hides from browsers without scripting in a comment,
            // and nothing in it may end the comment or end or restart the
            // SCRIPT element.
            const QString opening = u"<SCRIPT LANGUAGE=\"JavaScript\">\r\n<!--\r\n"_s;
            const QString closing = u"\r\n// -->\r\n"_s;
            QCOMPARE(text.indexOf(opening), open);
            const qsizetype bodyStart = open + opening.size();
            const qsizetype bodyEnd = close - closing.size();
            QCOMPARE(text.mid(bodyEnd, closing.size()), closing);
            const QString body = text.mid(bodyStart, bodyEnd - bodyStart);
            QVERIFY(!body.isEmpty());
            for (const QString &forbidden : {u"<script"_s, u"</script"_s, u"<!--"_s, u"-->"_s})
                QVERIFY2(!body.contains(forbidden, Qt::CaseInsensitive), qPrintable(forbidden));
        }
        if (takesValue) {
            // The value replaces the first "": it must land in the script's
            // message or in the form's ACTION.
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
        const QString file = findCaseBlind(u"Data/Guides.dat"_s);
        QVERIFY(!file.isEmpty());
        for (int i = 1; i <= 3; ++i) {
            const QString key = QString::number(i);
            const QString name = ReadIniValue(file, u"Guide Names"_s, key, {});
            QVERIFY2(!name.isEmpty() && name.size() <= 30, qPrintable(key + u": "_s + name));
            QVERIFY(!name.contains(u'\r'));
            verifyAddress(ReadIniValue(file, u"Guide Locations"_s, key, {}));
        }
    }

    void searchEngines()
    {
        const QString file = findCaseBlind(u"Data/SEngines.dat"_s);
        QVERIFY(!file.isEmpty());
        const auto value = [&](const QString &key, int n) {
            return ReadIniValue(file, u"Search Engines"_s, key + QString::number(n), {});
        };
        int listed = 0;
        while (listed < 60 && !value(u"Name"_s, listed + 1).isEmpty())
            ++listed;
        QVERIFY(listed >= 5);
        QStringList names;
        for (int n = 1; n <= listed; ++n) {
            const QString name = value(u"Name"_s, n);
            QVERIFY2(name.size() <= 25 && !name.contains(u'\r'), qPrintable(name));
            QVERIFY2(!names.contains(name), qPrintable(name));
            names << name;
            verifyAddress(value(u"Location"_s, n));
        }
        // Every entry of the file is reachable: none lies behind a gap.
        for (int n = listed + 1; n <= 61; ++n)
            QVERIFY(value(u"Name"_s, n).isEmpty() && value(u"Location"_s, n).isEmpty());
    }
};

QTEST_GUILESS_MAIN(DataFilesTest)
#include "datafiles_test.moc"
