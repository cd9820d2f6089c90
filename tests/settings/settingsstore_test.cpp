#include "settings/settingsstore.h"
#include "tests/support/testenvironment.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <thread>

#include <unistd.h>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {

const QString GeneralKey = QStringLiteral("Software\\Kestavel Software\\Tavorin\\General");

QString KeyFolder(const TestEnvironment &env, const QString &relative)
{
    return env.configHome() + QStringLiteral("/tavorin/registry/HKEY_CURRENT_USER/") + relative;
}

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool RunningAsRoot()
{
    return geteuid() == 0;
}

} // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void valuesRoundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const QString longest(MaxRegValueLength, u'x');
        QTest::newRow("plain") << "FontName" << "Arial" << "Arial";
        QTest::newRow("unnamed value") << "" << "htmlfile" << "htmlfile";
        QTest::newRow("name with = and \\") << "a=b\\c" << "v" << "v";
        QTest::newRow("value with = and \\") << "Path" << "C:\\x=y\\" << "C:\\x=y\\";
        QTest::newRow("line breaks") << "Multi\nName" << "one\r\ntwo\n" << "one\r\ntwo\n";
        QTest::newRow("escape look-alikes") << "N" << "\\n \\x41 \\=" << "\\n \\x41 \\=";
        QTest::newRow("control characters") << "C" << QString::fromUtf16(u"a\tb\x01c\x7f" "d") << QString::fromUtf16(u"a\tb\x01c\x7f" "d");
        QTest::newRow("surrounding spaces kept") << " Name " << "  x  " << "  x  ";
        QTest::newRow("unicode") << "Ñame" << "Grüße – 日本" << "Grüße – 日本";
        QTest::newRow("254 characters read whole") << "Long" << longest << longest;
        QTest::newRow("255 characters read as absent") << "Long" << longest + u'x' << "";
        QTest::newRow("300 characters read as absent") << "Long" << QString(300, u'y') << "";
        QTest::newRow("empty stays empty") << "Empty" << "" << "";
    }
    void valuesRoundTrip()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        TestEnvironment env;
        WriteRegString(RegistryRoot::CurrentUser, GeneralKey, QStringLiteral("Before"), QStringLiteral("1"));
        WriteRegString(RegistryRoot::CurrentUser, GeneralKey, name, text);
        WriteRegString(RegistryRoot::CurrentUser, GeneralKey, QStringLiteral("After"), QStringLiteral("2"));
        QCOMPARE(ReadRegString(RegistryRoot::CurrentUser, GeneralKey, name), expected);
        QCOMPARE(ReadRegString(RegistryRoot::CurrentUser, GeneralKey, QStringLiteral("Before")), u"1");
        QCOMPARE(ReadRegString(RegistryRoot::CurrentUser, GeneralKey, QStringLiteral("After")), u"2");
    }

    void layoutOnDiskIsOneTextFilePerKey()
    {
        TestEnvironment env;
        WriteSetting(QStringLiteral("Browsers\\Name"), QStringLiteral("1"), QStringLiteral("Firefox"));
        WriteSetting(QStringLiteral("Browsers\\Name"), QStringLiteral("1"), QStringLiteral("Lynx"));
        const QString file =
            KeyFolder(env, QStringLiteral("Software/Kestavel Software/Tavorin/Browsers/Name/.values"));
        QCOMPARE(ReadBytes(file), QByteArray("1=Lynx\n"));
    }

    void namesAndKeysMatchWithoutRegardToCase()
    {
        TestEnvironment env;
        WriteRegString(RegistryRoot::CurrentUser, GeneralKey, QStringLiteral("IndentCode"), QStringLiteral("True"));
        const QString otherCase = QStringLiteral("SOFTWARE\\kestavel software\\TAVORIN\\general");
        QCOMPARE(ReadRegString(RegistryRoot::CurrentUser, otherCase, QStringLiteral("indentcode")), u"True");
        // A write in another spelling updates the same key and value.
        WriteRegString(RegistryRoot::CurrentUser, otherCase, QStringLiteral("INDENTCODE"), QStringLiteral("False"));
        QCOMPARE(ReadSetting(QStringLiteral("General"), QStringLiteral("IndentCode")), u"False");
        const QString folder = KeyFolder(env, QStringLiteral("Software/Kestavel Software/Tavorin"));
        QCOMPARE(QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{u"General"_s});
        QCOMPARE(ReadBytes(folder + QStringLiteral("/General/.values")).count('\n'), 1);
    }

    void awkwardKeyNamesStayInsideTheStore_data()
    {
        QTest::addColumn<QString>("keyPath");
        QTest::newRow("dot dot") << "Software\\..\\..\\..\\Escape";
        QTest::newRow("single dot") << "Software\\.\\Key";
        QTest::newRow("slash") << "Software\\a/b\\c";
        QTest::newRow("percent") << "Software\\100%25\\x";
        QTest::newRow("hidden-looking") << "Software\\.values";
        QTest::newRow("doubled and trailing separators") << "\\Software\\\\Key\\";
    }
    void awkwardKeyNamesStayInsideTheStore()
    {
        QFETCH(QString, keyPath);
        TestEnvironment env;
        WriteRegString(RegistryRoot::CurrentUser, keyPath, QStringLiteral("v"), QStringLiteral("kept"));
        QCOMPARE(ReadRegString(RegistryRoot::CurrentUser, keyPath, QStringLiteral("v")), u"kept");
        // Every file written lies below the root's folder.
        const QString root = RegistryRootFolder(RegistryRoot::CurrentUser) + u'/';
        QDirIterator it(env.root(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        int files = 0;
        while (it.hasNext()) {
            const QString path = it.next();
            QVERIFY2(path.startsWith(root), qPrintable(path));
            ++files;
        }
        QCOMPARE(files, 1);
    }

    void rootsAreSeparate()
    {
        TestEnvironment env;
        const QString key = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
        WriteRegString(RegistryRoot::LocalMachine, key, QStringLiteral("PATH"), QStringLiteral("/usr/bin/info"));
        QCOMPARE(ReadMachineString(key, QStringLiteral("PATH")), u"/usr/bin/info");
        QCOMPARE(ReadRegString(RegistryRoot::CurrentUser, key, QStringLiteral("PATH")), QString());
        QCOMPARE(ReadRegString(RegistryRoot::ClassesRoot, key, QStringLiteral("PATH")), QString());
    }

    void readSettingFallsBackOnEmptyOrMissing()
    {
        TestEnvironment env;
        const QString def = QStringLiteral("default");
        QCOMPARE(ReadSetting(u"General"_s, u"Missing"_s, def), def);
        WriteSetting(u"General"_s, u"Empty"_s, QString());
        QCOMPARE(ReadSetting(u"General"_s, u"Empty"_s, def), def);
        WriteSetting(u"General"_s, u"Blank"_s, u" "_s);
        QCOMPARE(ReadSetting(u"General"_s, u"Blank"_s, def), u" ");
    }

    void writeSettingConvertsToText()
    {
        TestEnvironment env;
        const QString s = QStringLiteral("Display Preferences");
        WriteSetting(s, u"Flag"_s, true);
        WriteSetting(s, u"Off"_s, false);
        WriteSetting(s, u"Number"_s, -1);
        WriteSetting(s, u"Colour"_s, quint32(16777215));
        WriteSetting(s, u"Literal"_s, "dddd, d mmmm yyyy"); // text, not a flag
        WriteSetting(s, u"Fraction"_s, 1.5);
        auto stored = [&](const char16_t *name) { return ReadRegString(RegistryRoot::CurrentUser, ProgramKey(s), QString::fromUtf16(name)); };
        QCOMPARE(stored(u"Flag"), u"True");
        QCOMPARE(stored(u"Off"), u"False");
        QCOMPARE(stored(u"Number"), u"-1");
        QCOMPARE(stored(u"Colour"), u"16777215");
        QCOMPARE(stored(u"Literal"), u"dddd, d mmmm yyyy");
        QCOMPARE(ReadSettingDouble(s, u"Fraction"_s, 0.0), 1.5);
        QCOMPARE(ReadSettingInt(s, u"Number"_s, 7), -1);
        QCOMPARE(ReadSettingInt(s, u"Literal"_s, 7), 7);
        QCOMPARE(ReadSettingBool(s, u"Flag"_s, false), true);
        QCOMPARE(ReadSettingBool(s, u"Literal"_s, true), true);
    }

    void damagedFileReadsAsAbsentAndCanBeWritten()
    {
        TestEnvironment env;
        WriteSetting(u"General"_s, u"Seed"_s, u"x"_s);
        const QString file = KeyFolder(env, QStringLiteral("Software/Kestavel Software/Tavorin/General/.values"));
        QRandomGenerator random(20240611);
        QByteArray noise(64 * 1024, Qt::Uninitialized);
        for (char &byte : noise)
            byte = char(random.bounded(256));
        // A valid value after the noise must still be found.
        noise += "\nSurvivor=yes\n\xff\xfe=bad\n";
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(noise);
        out.close();

        for (const QString &name : {u"Seed"_s, u"IndentCode"_s, QString()})
            QCOMPARE(ReadSetting(u"General"_s, name, u"default"_s), u"default");
        QCOMPARE(ReadSetting(u"General"_s, u"Survivor"_s), u"yes");

        WriteSetting(u"General"_s, u"IndentCode"_s, true);
        QCOMPARE(ReadSetting(u"General"_s, u"IndentCode"_s), u"True");
        QCOMPARE(ReadSetting(u"General"_s, u"Survivor"_s), u"yes");
        // The bytes we could not read are still there.
        QVERIFY(ReadBytes(file).startsWith(noise.left(1000)));
    }

    void unreadableFileReadsAsAbsentAndIsNotOverwritten()
    {
        if (RunningAsRoot())
            QSKIP("file permissions do not bind the root user");
        TestEnvironment env;
        WriteSetting(u"General"_s, u"Kept"_s, u"1"_s);
        const QString file = KeyFolder(env, QStringLiteral("Software/Kestavel Software/Tavorin/General/.values"));
        QVERIFY(QFile::setPermissions(file, QFileDevice::Permissions()));
        QCOMPARE(ReadSetting(u"General"_s, u"Kept"_s, u"d"_s), u"d");
        WriteSetting(u"General"_s, u"New"_s, u"2"_s);
        QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QCOMPARE(ReadSetting(u"General"_s, u"Kept"_s), u"1");
    }

    void unwritableFolderLeavesValuesAlone()
    {
        if (RunningAsRoot())
            QSKIP("folder permissions do not bind the root user");
        TestEnvironment env;
        WriteSetting(u"General"_s, u"Kept"_s, u"1"_s);
        const QString folder = KeyFolder(env, QStringLiteral("Software/Kestavel Software/Tavorin/General"));
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        WriteSetting(u"General"_s, u"Kept"_s, u"2"_s);
        WriteSetting(u"General\\Child"_s, u"x"_s, u"3"_s);
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        QCOMPARE(ReadSetting(u"General"_s, u"Kept"_s), u"1");
        QCOMPARE(ReadSetting(u"General\\Child"_s, u"x"_s), QString());
    }

    void storeBlockedByAFileFailsSilently()
    {
        // Works for every user: the store's folder cannot be made because a
        // plain file has its name.
        TestEnvironment env;
        const QString blocker = env.writeFile(QStringLiteral("config/tavorin/registry"), "not a folder");
        WriteSetting(u"General"_s, u"IndentCode"_s, true);
        QCOMPARE(ReadSetting(u"General"_s, u"IndentCode"_s, u"d"_s), u"d");
        QVERIFY(!DeleteRegKey(RegistryRoot::CurrentUser, GeneralKey));
        QCOMPARE(ReadBytes(blocker), QByteArray("not a folder"));
    }

    void deleteKey()
    {
        TestEnvironment env;
        const QString key = QStringLiteral("htmlfile\\shell\\EditTavorin");
        WriteRegString(RegistryRoot::ClassesRoot, key, QString(), QStringLiteral("&Edit with Tavorin"));
        WriteRegString(RegistryRoot::ClassesRoot, key + QStringLiteral("\\command"), QString(), QStringLiteral("x \"%1\""));

        QVERIFY2(!DeleteRegKey(RegistryRoot::ClassesRoot, key), "a key with a child key stays");
        QCOMPARE(ReadRegString(RegistryRoot::ClassesRoot, key, QString()), u"&Edit with Tavorin");
        QVERIFY(DeleteRegKey(RegistryRoot::ClassesRoot, key + QStringLiteral("\\COMMAND")));
        QVERIFY(DeleteRegKey(RegistryRoot::ClassesRoot, key));
        QCOMPARE(ReadRegString(RegistryRoot::ClassesRoot, key, QString()), QString());
        QVERIFY2(!DeleteRegKey(RegistryRoot::ClassesRoot, key), "already gone");
        QVERIFY2(!DeleteRegKey(RegistryRoot::ClassesRoot, QString()), "a root is never deleted");
        // The parent keys stay.
        QVERIFY(QFileInfo(RegistryRootFolder(RegistryRoot::ClassesRoot) + QStringLiteral("/htmlfile/shell")).isDir());
    }

    void lockLeftByACrashDoesNotBlockWrites()
    {
        TestEnvironment env;
        WriteSetting(u"General"_s, u"A"_s, u"1"_s);
        const QString lock = KeyFolder(env, QStringLiteral("Software/Kestavel Software/Tavorin/General/.values.lock"));
        QFile file(lock);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("2147480000\ntavorin\nsomewhere-else\n");
        file.flush();
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        file.close();
        WriteSetting(u"General"_s, u"B"_s, u"2"_s);
        QCOMPARE(ReadSetting(u"General"_s, u"A"_s), u"1");
        QCOMPARE(ReadSetting(u"General"_s, u"B"_s), u"2");
    }

    void twoWritersNeverLoseAValue()
    {
        // Two writers (threads here; the lock is a file, so copies of the
        // program behave alike) write distinct values into one key at once.
        TestEnvironment env;
        constexpr int PerWriter = 60;
        auto writer = [](QChar who) {
            for (int i = 0; i < PerWriter; ++i)
                WriteSetting(u"Shared"_s, who + QString::number(i), QString::number(i));
        };
        std::thread first(writer, QChar(u'a'));
        std::thread second(writer, QChar(u'b'));
        first.join();
        second.join();
        for (QChar who : {QChar(u'a'), QChar(u'b')}) {
            for (int i = 0; i < PerWriter; ++i)
                QCOMPARE(ReadSetting(u"Shared"_s, who + QString::number(i)), QString::number(i));
        }
    }
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "settingsstore_test.moc"
