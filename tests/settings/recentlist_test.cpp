#include "settings/environment.h"
#include "settings/recentlist.h"
#include "settings/settingsstore.h"
#include "tests/support/testenvironment.h"

#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {

// The stored entries of a list by position up to count, "" where absent, without the empty tail.
QStringList Stored(const QString &list, const QString &prefix, int count)
{
    QStringList entries;
    for (int i = 1; i <= count; ++i)
        entries.append(ReadSetting(u"Recent Lists\\"_s + list, prefix + u' ' + QString::number(i)));
    while (!entries.isEmpty() && entries.last().isEmpty())
        entries.removeLast();
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
        QTest::addColumn<QStringList>("after"); // one place beyond the list's size included
        const QStringList full{"f1", "f2", "f3", "f4", "f5", "f6", "f7", "f8", "f9"};
        QTest::newRow("first entry stays, spelling and all")
            << QStringList{"c:\\x.htm", "b"} << "C:\\X.HTM" << QStringList{"c:\\x.htm", "b"};
        QTest::newRow("last entry of a full list moves up without a copy")
            << full << "f9" << QStringList{"f9"} + full.mid(0, 8);
        // A gap in the stored list (a value lost or unreadable) must not leave the same file twice.
        QTest::newRow("gap: item below it moves up in the new spelling")
            << QStringList{"a", "", "c:\\x.htm"} << "C:\\X.HTM" << QStringList{"C:\\X.HTM", "a"};
        QTest::newRow("gap: entries below the gap are kept")
            << QStringList{"a", "", "b", "", "", "", "", "", "z"} << "c" << QStringList{"c", "a", "b", "z"};
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
            WriteSetting(u"Recent Lists\\Recent Files"_s, u"RecentFile "_s + QString::number(i + 1), before[i]);
        AddRecentFile(item);
        QCOMPARE(Stored(u"Recent Files"_s, u"RecentFile"_s, RecentFilesCapacity + 1), after);
        QCOMPARE(GetRecentFile(1), after.value(0));
    }

    // Other lists keep their own size and drop the oldest entry when full.
    void otherListsAndTheRecentFolder()
    {
        TestEnvironment env;
        for (const QString &item : {u"t1"_s, u"t2"_s, u"t3"_s, u"t4"_s})
            UpdateRecentList(u"Templates"_s, u"Template"_s, item, 3);
        UpdateRecentList(u"Templates"_s, u"Template"_s, u"x"_s, 1); // too small a list: nothing happens
        QCOMPARE(Stored(u"Templates"_s, u"Template"_s, 4), (QStringList{u"t4"_s, u"t3"_s, u"t2"_s}));

        SetAppPathForTesting(u"/opt/tavorin"_s);
        QCOMPARE(RecentFolder(), u"/opt/tavorin/");
        AddRecentFile(u"C:\\Web\\a.htm"_s);
        QCOMPARE(RecentFolder(), u"C:\\Web\\");
        SetAppPathForTesting(QString());
    }
};

QTEST_GUILESS_MAIN(RecentListTest)
#include "recentlist_test.moc"
