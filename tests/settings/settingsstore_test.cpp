#include "settings/settingsstore.h"
#include "tests/support/testenvironment.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

#include <cstdio>

#include <unistd.h>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {

const QString GeneralKey = u"Software\\Kestavel Software\\Tavorin\\General"_s;

QString GeneralFolder()
{
    return RegistryRootFolder(RegistryRoot::CurrentUser) + u"/Software/Kestavel Software/Tavorin/General"_s;
}

} // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Awkward keys, names and values come back unchanged, in one file below
    // the store's folder, without disturbing their neighbours; an empty value,
    // or one too long to read, reads as missing.
    void valuesRoundTrip_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const QString longest(MaxRegValueLength, u'x');
        QTest::newRow("= and \\ in name and value") << "General" << "a=b\\c" << "C:\\x=y\\" << "C:\\x=y\\";
        QTest::newRow("line breaks and unicode") << "General" << "Multi\nÑame" << "Grüße\r\n日本\n" << "Grüße\r\n日本\n";
        QTest::newRow("escape look-alikes, spaces") << "General" << " N " << " \\n \\x41 \\= " << " \\n \\x41 \\= ";
        QTest::newRow("U+FEFF begins a name") << "General" << "\uFEFFName" << "\uFEFFv" << "\uFEFFv";
        QTest::newRow("a blank is a value") << "General" << "Blank" << " " << " ";
        QTest::newRow("empty reads as missing") << "General" << "Empty" << "" << "default";
        QTest::newRow("254 characters read whole") << "General" << "Long" << longest << longest;
        QTest::newRow("255 characters read as missing") << "General" << "Long" << longest + u'x' << "default";
        QTest::newRow("key with dot dot") << "..\\..\\..\\..\\..\\..\\Escape" << "v" << "kept" << "kept";
        QTest::newRow("key with slash") << "a/b\\c" << "v" << "kept" << "kept";
        QTest::newRow("key with percent") << "100%25\\x" << "v" << "kept" << "kept";
        QTest::newRow("doubled and trailing separators") << "\\\\Key\\" << "v" << "kept" << "kept";
    }
    void valuesRoundTrip()
    {
        QFETCH(QString, section);
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        TestEnvironment env;
        WriteSetting(section, u"Before"_s, u"1"_s);
        WriteSetting(section, name, text);
        WriteSetting(section, u"After"_s, u"2"_s);
        QCOMPARE(ReadSetting(section, name, u"default"_s), expected);
        QCOMPARE(ReadSetting(section, u"Before"_s), u"1");
        QCOMPARE(ReadSetting(section, u"After"_s), u"2");
        QDirIterator it(env.root(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        QVERIFY(it.hasNext());
        QVERIFY(it.next().startsWith(RegistryRootFolder(RegistryRoot::CurrentUser) + u'/'));
        QVERIFY(!it.hasNext());
    }

    void namesKeysRootsAndTypes()
    {
        TestEnvironment env;
        WriteRegString(RegistryRoot::CurrentUser, GeneralKey, u"IndentCode"_s, u"True"_s);
        const QString otherCase = u"SOFTWARE\\kestavel software\\TAVORIN\\general"_s;
        QCOMPARE(ReadRegString(RegistryRoot::CurrentUser, otherCase, u"indentcode"_s), u"True");
        // A write in another spelling updates the same key and value.
        WriteRegString(RegistryRoot::CurrentUser, otherCase, u"INDENTCODE"_s, u"False"_s);
        QCOMPARE(ReadSetting(u"General"_s, u"IndentCode"_s), u"False");
        QCOMPARE(QDir(GeneralFolder() + u"/.."_s).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList{u"General"_s});
        QCOMPARE(ReadBytes(GeneralFolder() + u"/.values"_s).count('\n'), 1);
        // Each root is a store of its own.
        QCOMPARE(ReadRegString(RegistryRoot::LocalMachine, GeneralKey, u"IndentCode"_s), QString());
        WriteRegString(RegistryRoot::LocalMachine, GeneralKey, u"PATH"_s, u"/usr/bin/info"_s);
        QCOMPARE(ReadMachineString(GeneralKey, u"PATH"_s), u"/usr/bin/info");
        QCOMPARE(ReadRegString(RegistryRoot::ClassesRoot, GeneralKey, u"PATH"_s), QString());
        // Typed values are stored as text; a text that is no number reads as the default.
        WriteSetting(u"General"_s, u"Flag"_s, true);
        WriteSetting(u"General"_s, u"Literal"_s, "dddd, d mmmm yyyy"); // text, not a flag
        WriteSetting(u"General"_s, u"Fraction"_s, 1.5);
        QCOMPARE(ReadSetting(u"General"_s, u"Flag"_s), u"True");
        QCOMPARE(ReadSetting(u"General"_s, u"Literal"_s), u"dddd, d mmmm yyyy");
        QCOMPARE(ReadSettingDouble(u"General"_s, u"Fraction"_s, 0.0), 1.5);
        QCOMPARE(ReadSettingInt(u"General"_s, u"Literal"_s, 7), 7);
    }

    void randomBytesReadAsAbsentAndAreKeptOnWrite()
    {
        TestEnvironment env;
        WriteSetting(u"General"_s, u"Seed"_s, u"x"_s);
        const QString file = GeneralFolder() + u"/.values"_s;
        QRandomGenerator random(20240611);
        QByteArray noise(64 * 1024, Qt::Uninitialized);
        for (char &byte : noise)
            byte = char(random.bounded(256));
        // A valid value after the noise must still be found.
        noise += "\nSurvivor=yes\n\xff\xfe=bad\n";
        env.writeFile(QDir(env.root()).relativeFilePath(file), noise);
        for (const QString &name : {u"Seed"_s, u"IndentCode"_s, QString()})
            QCOMPARE(ReadSetting(u"General"_s, name, u"default"_s), u"default");
        QCOMPARE(ReadSetting(u"General"_s, u"Survivor"_s), u"yes");
        WriteSetting(u"General"_s, u"IndentCode"_s, true);
        QCOMPARE(ReadSetting(u"General"_s, u"IndentCode"_s), u"True");
        QCOMPARE(ReadSetting(u"General"_s, u"Survivor"_s), u"yes");
        QVERIFY(ReadBytes(file).startsWith(noise.left(1000)));
    }

    void unusablePlacesLeaveValuesAlone()
    {
        TestEnvironment env;
        WriteSetting(u"General"_s, u"Kept"_s, u"1"_s);
        const QString folder = GeneralFolder();
        if (geteuid() != 0) {
            // An unreadable file reads as absent and is not overwritten.
            QVERIFY(QFile::setPermissions(folder + u"/.values"_s, QFileDevice::Permissions()));
            QCOMPARE(ReadSetting(u"General"_s, u"Kept"_s, u"d"_s), u"d");
            WriteSetting(u"General"_s, u"New"_s, u"2"_s);
            QVERIFY(QFile::setPermissions(folder + u"/.values"_s, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
            // An unwritable folder takes no new value or key.
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            WriteSetting(u"General"_s, u"Kept"_s, u"2"_s);
            WriteSetting(u"General\\Child"_s, u"x"_s, u"3"_s);
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
            QCOMPARE(ReadSetting(u"General"_s, u"Kept"_s), u"1");
            QCOMPARE(ReadSetting(u"General"_s, u"New"_s), QString());
            QCOMPARE(ReadSetting(u"General\\Child"_s, u"x"_s), QString());
        }
        // Works for every user: a plain file stands where the store's folder belongs.
        TestEnvironment blocked;
        const QString blocker = blocked.writeFile(u"config/tavorin/registry"_s, "not a folder");
        WriteSetting(u"General"_s, u"IndentCode"_s, true);
        QCOMPARE(ReadSetting(u"General"_s, u"IndentCode"_s, u"d"_s), u"d");
        QVERIFY(!DeleteRegKey(RegistryRoot::CurrentUser, GeneralKey));
        QCOMPARE(ReadBytes(blocker), QByteArray("not a folder"));
    }

    void deleteKey()
    {
        TestEnvironment env;
        const QString key = u"htmlfile\\shell\\EditTavorin"_s;
        WriteRegString(RegistryRoot::ClassesRoot, key, QString(), u"&Edit with Tavorin"_s);
        WriteRegString(RegistryRoot::ClassesRoot, key + u"\\command"_s, QString(), u"x \"%1\""_s);
        QVERIFY2(!DeleteRegKey(RegistryRoot::ClassesRoot, key), "a key with a child key stays");
        QCOMPARE(ReadRegString(RegistryRoot::ClassesRoot, key, QString()), u"&Edit with Tavorin");
        QVERIFY(DeleteRegKey(RegistryRoot::ClassesRoot, key + u"\\COMMAND"_s));
        QVERIFY(DeleteRegKey(RegistryRoot::ClassesRoot, key));
        QCOMPARE(ReadRegString(RegistryRoot::ClassesRoot, key, QString()), QString());
        QVERIFY2(!DeleteRegKey(RegistryRoot::ClassesRoot, QString()), "a root is never deleted");
        QVERIFY(QFileInfo(RegistryRootFolder(RegistryRoot::ClassesRoot) + u"/htmlfile/shell"_s).isDir());
    }

    // A temporary file that an interrupted write left beside the key file is
    // never read as values and goes with the next write of that key.
    void leftoverTemporariesGoWithTheNextWrite()
    {
        TestEnvironment env;
        WriteSetting(u"General"_s, u"Kept"_s, u"1"_s);
        const QString leftover = GeneralFolder() + u"/.values.Xy12Ab"_s;
        env.writeFile(QDir(env.root()).relativeFilePath(leftover), "Ghost=1\n");
        QCOMPARE(ReadSetting(u"General"_s, u"Ghost"_s), QString());
        WriteSetting(u"General"_s, u"Other"_s, u"2"_s);
        QVERIFY(!QFileInfo::exists(leftover));
        QCOMPARE(ReadSetting(u"General"_s, u"Kept"_s), u"1");
    }

    // Two running copies of the program write into one key at once for a few
    // seconds: every write a copy made reads back at once, and a value that is
    // there never reads as missing while the other copy replaces the file.
    void twoRunningCopiesNeverLoseAValue()
    {
        TestEnvironment env;
        WriteSetting(u"Shared"_s, u"Present"_s, u"here"_s);
        // A lock left by a copy that crashed long ago does not block writes.
        QFile lock(env.writeFile(QDir(env.root()).relativeFilePath(GeneralFolder() + u"/../Shared/.values.lock"_s),
                                 "2147480000\ntavorin\nsomewhere-else\n"));
        QVERIFY(lock.open(QIODevice::Append));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        lock.close();

        QList<QProcess *> copies;
        for (const char *who : {"a", "b"}) {
            auto *copy = new QProcess(this);
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(u"TAVORIN_STORE_COPY"_s, QString::fromLatin1(who));
            copy->setProcessEnvironment(environment);
            copy->start(QCoreApplication::applicationFilePath(), {});
            copies.append(copy);
        }
        qint64 writes = 0;
        for (QProcess *copy : copies) {
            QVERIFY(copy->waitForFinished(60000));
            const QList<QByteArray> counts = copy->readAllStandardOutput().trimmed().split(' ');
            QCOMPARE(counts.size(), 3);
            QCOMPARE(counts[1], QByteArray("0")); // writes that did not read back
            QCOMPARE(counts[2], QByteArray("0")); // present values read as missing
            QVERIFY(counts[0].toLongLong() > 0);
            writes += counts[0].toLongLong();
        }
        qInfo("%lld writes acknowledged by two copies, none lost", writes);
        for (const QString &who : {u"a"_s, u"b"_s})
            QVERIFY(!ReadSetting(u"Shared"_s, who).isEmpty());
    }
};

namespace {

constexpr int CopyRunMs = 3000;

// One copy of the program in the test above: writes its own value again and
// again, reads it back at once, and reads a value it never writes; prints
// "writes lost missing".
int RunStoreCopy(const QString &who)
{
    qint64 writes = 0;
    qint64 lost = 0;
    qint64 missing = 0;
    const QDeadlineTimer deadline(CopyRunMs);
    while (!deadline.hasExpired()) {
        const QString value = QString::number(++writes);
        WriteSetting(u"Shared"_s, who, value);
        if (ReadSetting(u"Shared"_s, who) != value)
            ++lost;
        if (ReadSetting(u"Shared"_s, u"Present"_s) != u"here")
            ++missing;
    }
    std::printf("%lld %lld %lld\n", writes, lost, missing);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (const QString who = qEnvironmentVariable("TAVORIN_STORE_COPY"); !who.isEmpty())
        return RunStoreCopy(who);
    QCoreApplication app(argc, argv);
    SettingsStoreTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "settingsstore_test.moc"
