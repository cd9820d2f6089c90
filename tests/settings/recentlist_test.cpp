#include "settings/environment.h"
#include "settings/recentlist.h"
#include "settings/settingsstore.h"
#include "tests/support/testenvironment.h"

#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {

const QString FilesSection = u"Recent Lists\\Recent Files"_s;

// The stored entries of the recent-files list by position, "" where absent,
// one place beyond its capacity included.
QStringList StoredFiles()
{
    QStringList entries;
    for (int i = 1; i <= RecentFilesCapacity + 1; ++i)
        entries.append(ReadSetting(FilesSection, u"RecentFile "_s + QString::number(i)));
    while (!entries.isEmpty() && entries.last().isEmpty())
        entries.removeLast();
    return entries;
}

QStringList Numbered(int from, int to)
{
    QStringList entries;
    for (int i = from; i <= to; ++i)
        entries.append(u"f"_s + QString::number(i));
    return entries;
}

} // namespace

class RecentListTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void addRecentFile_data()
    {
        QTest::addColumn<QStringList>("before"); // "" is a gap
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("new file goes on top") << QStringList{"a", "b"} << "c" << QStringList{"c", "a", "b"};
        QTest::newRow("known file moves up in the new spelling") << QStringList{"a", "c:\\x.htm", "b"}
                                                                 << "C:\\X.HTM" << QStringList{"C:\\X.HTM", "a", "b"};
        QTest::newRow("first entry stays, spelling and all") << QStringList{"c:\\x.htm", "b"} << "C:\\X.HTM"
                                                             << QStringList{"c:\\x.htm", "b"};
        QTest::newRow("tenth file drops the oldest") << Numbered(1, 9) << "new" << QStringList{"new"} + Numbered(1, 8);
        QTest::newRow("last entry moves up without a copy") << Numbered(1, 9) << "f9"
                                                            << QStringList{"f9"} + Numbered(1, 8);
        // A gap in the stored list (a value lost or unreadable) must not leave the same file twice.
        QTest::newRow("gap: item below the gap") << QStringList{"a", "", "b"} << "b" << QStringList{"b", "a"};
        QTest::newRow("gap: entries below the gap are kept") << QStringList{"a", "", "b", "", "", "", "", "", "z"}
                                                             << "c" << QStringList{"c", "a", "b", "z"};
        QTest::newRow("stored duplicate is removed") << QStringList{"a", "b", "A"} << "a" << QStringList{"a", "b"};
        QTest::newRow("empty item is not stored") << QStringList{"a"} << "" << QStringList{"a"};
        QTest::newRow("item too long to read back is not stored")
            << QStringList{"a"} << QString(MaxRegValueLength + 1, u'x') << QStringList{"a"};
    }
    void addRecentFile()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, item);
        QFETCH(QStringList, after);
        TestEnvironment env;
        for (qsizetype i = 0; i < before.size(); ++i)
            WriteSetting(FilesSection, u"RecentFile "_s + QString::number(i + 1), before[i]);
        AddRecentFile(item);
        QCOMPARE(StoredFiles(), after);
        QCOMPARE(GetRecentFile(1), after.value(0));
    }

    void otherListsAndTheRecentFolder()
    {
        TestEnvironment env;
        for (const QString &item : {u"t1"_s, u"t2"_s, u"t3"_s, u"t4"_s})
            UpdateRecentList(u"Templates"_s, u"Template"_s, item, 3);
        UpdateRecentList(u"Templates"_s, u"Template"_s, u"x"_s, 1); // too small a list: nothing happens
        QStringList templates;
        for (int i = 1; i <= 4; ++i)
            templates.append(ReadSetting(u"Recent Lists\\Templates"_s, u"Template "_s + QString::number(i)));
        QCOMPARE(templates, (QStringList{u"t4"_s, u"t3"_s, u"t2"_s, QString()}));
        QCOMPARE(StoredFiles(), QStringList{});

        SetAppPathForTesting(u"/opt/tavorin"_s);
        QCOMPARE(RecentFolder(), u"/opt/tavorin/");
        AddRecentFile(u"C:\\Web\\a.htm"_s);
        QCOMPARE(RecentFolder(), u"C:\\Web\\");
        SetAppPathForTesting(QString());
    }
};

QTEST_GUILESS_MAIN(RecentListTest)
#include "recentlist_test.moc"
