#include "settings/checkedfile.h"
#include "tests/support/testenvironment.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTest>

#include <cerrno>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

using Status = BoundedRead::Status;
using Leftovers = CheckedFileWriter::Leftovers;

Q_DECLARE_METATYPE(BoundedRead::Status)
Q_DECLARE_METATYPE(CheckedFileWriter::Leftovers)

class CheckedFileTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void boundedReads_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<Status>("status");
        QTest::newRow("exactly the limit") << u"ten.txt"_s << qint64(10) << Status::Read;
        QTest::newRow("one byte over") << u"ten.txt"_s << qint64(9) << Status::Refused;
        QTest::newRow("empty file") << u"empty.txt"_s << qint64(0) << Status::Read;
        QTest::newRow("missing") << u"none.txt"_s << qint64(10) << Status::Missing;
        QTest::newRow("missing folder") << u"none/x.txt"_s << qint64(10) << Status::Missing;
        QTest::newRow("a folder") << u"folder"_s << qint64(10) << Status::Refused;
    }
    void boundedReads()
    {
        QFETCH(QString, name);
        QFETCH(qint64, limit);
        QFETCH(Status, status);
        TestEnvironment env;
        env.writeFile(u"ten.txt"_s, "0123456789");
        env.writeFile(u"empty.txt"_s, "");
        QDir(env.root()).mkdir(u"folder"_s);
        const BoundedRead read = ReadBoundedFile(env.root() + u'/' + name, limit);
        QCOMPARE(read.status, status);
        QCOMPARE(read.bytes, status == Status::Read && name == u"ten.txt" ? QByteArray("0123456789") : QByteArray());
    }

    // Leftovers of an interrupted write go only as the caller allows: never
    // in the user's folders, where "page.htm.backup" may be the user's own.
    void leftoverTemporaries_data()
    {
        QTest::addColumn<Leftovers>("leftovers");
        QTest::addColumn<QStringList>("remaining");
        const QStringList user{u"page.htm"_s, u"page.htm.backup"_s, u"page.htm.new.Ab12Cd"_s, u"page.htm.Xy12Ab"_s,
                               u"page.htm.old1"_s};
        QTest::newRow("keep") << Leftovers::Keep << user;
        QTest::newRow("stale only") << Leftovers::RemoveStale
                                    << QStringList{u"page.htm"_s, u"page.htm.new.Ab12Cd"_s, u"page.htm.Xy12Ab"_s,
                                                   u"page.htm.old1"_s};
        QTest::newRow("all") << Leftovers::RemoveAll
                             << QStringList{u"page.htm"_s, u"page.htm.new.Ab12Cd"_s, u"page.htm.old1"_s};
    }
    void leftoverTemporaries()
    {
        QFETCH(Leftovers, leftovers);
        QFETCH(QStringList, remaining);
        TestEnvironment env;
        // "backup" is an hour old, "Xy12Ab" fresh; the others do not have the form.
        for (const QString &name : {u"page.htm.backup"_s, u"page.htm.new.Ab12Cd"_s, u"page.htm.Xy12Ab"_s,
                                    u"page.htm.old1"_s})
            env.writeFile(u"site/"_s + name, "x");
        QFile old(env.root() + u"/site/page.htm.backup"_s);
        QVERIFY(old.open(QIODevice::Append));
        QVERIFY(old.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        old.close();
        QCOMPARE(WriteWholeFile(env.root() + u"/site/page.htm"_s, "new", leftovers), 0);
        QStringList left = QDir(env.root() + u"/site"_s).entryList(QDir::Files);
        left.sort();
        remaining.sort();
        QCOMPARE(left, remaining);
    }

    void failuresGiveTheSystemsReason()
    {
        TestEnvironment env;
        QCOMPARE(WriteWholeFile(env.root() + u"/gone/page.htm"_s, "x"), ENOENT);
        const QString folder = env.root() + u"/folder"_s;
        QDir(env.root()).mkdir(u"folder"_s);
        QVERIFY(WriteWholeFile(folder, "x") != 0); // a folder stands in the file's place
        QVERIFY(QFileInfo(folder).isDir());
        // A writer that is never committed leaves nothing behind.
        {
            CheckedFileWriter writer(env.root() + u"/page.htm"_s);
            QVERIFY(writer.open());
            QVERIFY(writer.write("half"));
        }
        QCOMPARE(QDir(env.root()).entryList(QDir::Files), QStringList{});
    }

    // A lock a copy that died left behind is taken over at once.
    void writeLockOfADeadCopyIsTakenOver()
    {
        TestEnvironment env;
        const QString path = env.writeFile(u"data.ini.lock"_s, "2147480000\ntavorin\nsomewhere-else\n");
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        file.close();
        QLockFile lock(path);
        QVERIFY(TakeWriteLock(lock));
    }
};

QTEST_GUILESS_MAIN(CheckedFileTest)
#include "checkedfile_test.moc"
