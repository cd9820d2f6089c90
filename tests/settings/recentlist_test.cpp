#include "settings/environment.h"
#include "settings/recentlist.h"
#include "settings/settingsstore.h"
#include "tests/support/testenvironment.h"

#include <QMap>
#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

// Stored list positions and their texts; positions not named are absent.
using Stored = QMap<int, QString>;

namespace {

const QString FilesSection = u"Recent Lists\\Recent Files"_s;

void Store(const QString &section, const QString &prefix, const Stored &entries)
{
    for (auto it = entries.begin(); it != entries.end(); ++it)
        WriteSetting(section, prefix + u' ' + QString::number(it.key()), it.value());
}

// Every non-empty stored entry up to one beyond the capacity.
Stored ReadBack(const QString &section, const QString &prefix, int capacity)
{
    Stored entries;
    for (int i = 1; i <= capacity + 1; ++i) {
        const QString text = ReadSetting(section, prefix + u' ' + QString::number(i));
        if (!text.isEmpty())
            entries.insert(i, text);
    }
    return entries;
}

Stored Numbered(const QString &stem, int from, int to)
{
    Stored entries;
    for (int i = from; i <= to; ++i)
        entries.insert(i, stem + QString::number(i));
    return entries;
}

} // namespace

class RecentListTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void addRecentFile_data()
    {
        QTest::addColumn<Stored>("before");
        QTest::addColumn<QString>("item");
        QTest::addColumn<Stored>("after");

        QTest::newRow("first file") << Stored{} << u"/web/a.htm"_s << Stored{{1, u"/web/a.htm"_s}};
        QTest::newRow("new file goes on top")
            << Stored{{1, u"a"_s}, {2, u"b"_s}} << u"c"_s << Stored{{1, u"c"_s}, {2, u"a"_s}, {3, u"b"_s}};

        Stored full = Numbered(u"f"_s, 1, 9);
        full[4] = u"c:\\a.htm"_s;
        Stored moved = full;
        moved[1] = u"C:\\A.HTM"_s;
        moved[2] = full[1];
        moved[3] = full[2];
        moved[4] = full[3];
        QTest::newRow("known file moves up in the new spelling") << full << u"C:\\A.HTM"_s << moved;

        QTest::newRow("first entry stays, spelling and all")
            << Stored{{1, u"c:\\a.htm"_s}, {2, u"b"_s}} << u"C:\\A.HTM"_s
            << Stored{{1, u"c:\\a.htm"_s}, {2, u"b"_s}};

        Stored dropped;
        for (int i = 1; i <= 8; ++i)
            dropped.insert(i + 1, u"f"_s + QString::number(i));
        dropped.insert(1, u"new"_s);
        QTest::newRow("tenth file drops the oldest") << Numbered(u"f"_s, 1, 9) << u"new"_s << dropped;

        Stored lastIsItem = Numbered(u"f"_s, 1, 9);
        Stored lastMoved = dropped;
        lastMoved[1] = u"f9"_s;
        QTest::newRow("last entry moves up without a copy") << lastIsItem << u"f9"_s << lastMoved;

        // A gap in the stored list (a value that was lost or is unreadable)
        // must not leave the same file twice.
        QTest::newRow("gap: item below the gap")
            << Stored{{1, u"a"_s}, {3, u"b"_s}} << u"b"_s << Stored{{1, u"b"_s}, {2, u"a"_s}};
        QTest::newRow("gap: entries below the gap are kept")
            << Stored{{1, u"a"_s}, {3, u"b"_s}, {9, u"z"_s}} << u"c"_s
            << Stored{{1, u"c"_s}, {2, u"a"_s}, {3, u"b"_s}, {4, u"z"_s}};
        QTest::newRow("stored duplicate is removed")
            << Stored{{1, u"a"_s}, {2, u"b"_s}, {3, u"A"_s}} << u"a"_s
            << Stored{{1, u"a"_s}, {2, u"b"_s}};

        QTest::newRow("empty item is not stored") << Stored{{1, u"a"_s}} << QString() << Stored{{1, u"a"_s}};
        QTest::newRow("item too long to read back is not stored")
            << Stored{{1, u"a"_s}} << QString(MaxRegValueLength + 1, u'x') << Stored{{1, u"a"_s}};
    }
    void addRecentFile()
    {
        QFETCH(Stored, before);
        QFETCH(QString, item);
        QFETCH(Stored, after);
        TestEnvironment env;
        Store(FilesSection, u"RecentFile"_s, before);
        AddRecentFile(item);
        QCOMPARE(ReadBack(FilesSection, u"RecentFile"_s, RecentFilesCapacity), after);
        for (int i = 1; i <= RecentFilesCapacity; ++i)
            QCOMPARE(GetRecentFile(i), after.value(i));
    }

    void otherListsUseTheirOwnNameAndCapacity()
    {
        TestEnvironment env;
        const QString section = u"Recent Lists\\Templates"_s;
        for (const QString &item : {u"t1"_s, u"t2"_s, u"t3"_s, u"t4"_s})
            UpdateRecentList(u"Templates"_s, u"Template"_s, item, 3);
        QCOMPARE(ReadBack(section, u"Template"_s, 3), (Stored{{1, u"t4"_s}, {2, u"t3"_s}, {3, u"t2"_s}}));
        QCOMPARE(ReadBack(FilesSection, u"RecentFile"_s, 9), Stored{});

        UpdateRecentList(u"Templates"_s, u"Template"_s, u"x"_s, 1);
        QCOMPARE(ReadSetting(section, u"Template 1"_s), u"t4");
    }

    void recentFolder()
    {
        TestEnvironment env;
        SetAppPathForTesting(u"/opt/tavorin"_s);
        QCOMPARE(RecentFolder(), u"/opt/tavorin/");
        AddRecentFile(u"/home/me/web/index.htm"_s);
        QCOMPARE(RecentFolder(), u"/home/me/web/");
        AddRecentFile(u"C:\\Web\\a.htm"_s);
        QCOMPARE(RecentFolder(), u"C:\\Web\\");
        SetAppPathForTesting(QString());
    }
};

QTEST_GUILESS_MAIN(RecentListTest)
#include "recentlist_test.moc"
