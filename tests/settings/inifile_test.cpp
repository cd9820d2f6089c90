// Files of sections and keys: what reads back, what a write changes and
// keeps, and the data files the program keeps in this form.

#include "settings/datafiles.h"
#include "settings/environment.h"
#include "settings/inifile.h"
#include "tests/support/testenvironment.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <unistd.h>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {

// Bytes of a literal that holds NUL characters.
template <std::size_t N>
QByteArray Bytes(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

} // namespace

class IniFileTest : public QObject {
    Q_OBJECT

    QString appFolder() const { return m_env->root() + u"/app/"_s; }
    QString locationsFile() const { return appFolder() + u"Tavorin.cfg"_s; }

    std::unique_ptr<TestEnvironment> m_env;

private Q_SLOTS:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        m_env->writeFile(u"app/.keep"_s, {});
        m_env->writeFile(u"user/.keep"_s, {});
        SetAppPathForTesting(appFolder());
    }
    void cleanup()
    {
        SetAppPathForTesting({});
        m_env.reset();
    }

    void read_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *name, const QByteArray &content, const QString &section, const QString &key,
                      const QString &expected) { QTest::newRow(name) << content << section << key << expected; };
        row("CRLF lines, names without regard to case", "[Locations]\r\nUserData=/me\r\n", u"LOCATIONS"_s,
            u"userdata"_s, u"/me"_s);
        row("value after the first =, blanks around", "[S]\n  Key  =   a = b   \n", u"S"_s, u"Key"_s, u"a = b"_s);
        row("keys before and after the section are not in it", "k=x\n[A]\nx=1\n[B]\nk=b\n", u"A"_s, u"k"_s,
            u"default"_s);
        row("unclosed header still opens a section", "[A]\nk=a\n[B\nk=b\n", u"B"_s, u"k"_s, u"b"_s);
        row("UTF-8", "[S]\nk=Caf\xC3\xA9\n", u"S"_s, u"k"_s, u"Café"_s);
        row("Windows-1252", "[S]\nk=Caf\xE9 \x80\n", u"S"_s, u"k"_s, u"Café €"_s);
        row("not used in any case", "[S]\nk=NOT USED here\n", u"S"_s, u"k"_s, u"default"_s);
        row("Not Use is a value", "[S]\nk=Not Use\n", u"S"_s, u"k"_s, u"Not Use"_s);
        row("a U+FEFF that begins a value is kept", "[S]\nk=\xEF\xBB\xBFv\n", u"S"_s, u"k"_s, u"\uFEFFv"_s);
        row("a U+FEFF that begins a name is part of it", "[S]\n\xEF\xBB\xBFk=v\n", u"S"_s, u"k"_s, u"default"_s);
        row("binary junk", Bytes("\x00\xff[\x01=\n=\n[S]\nk=v\x00w\n"), u"S"_s, u"k"_s, u"v"_s);
    }
    void read()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        const QString file = m_env->writeFile(u"data.ini"_s, content);
        QCOMPARE(ReadIniValue(file, section, key, u"default"_s), expected);
    }

    void write_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        auto row = [](const char *name, const QByteArray &before, const QString &section, const QString &key,
                      const QString &value, const QByteArray &after) {
            QTest::newRow(name) << before << section << key << value << after;
        };
        row("new file", "", u"Locations"_s, u"UserData"_s, u"/me/"_s, "[Locations]\nUserData=/me/\n");
        row("replace keeps everything else", "; c\n[A]\n  Key = old ; no comment\nz=1\n\n[B]\nKey=b\n", u"a"_s,
            u"key"_s, u"new"_s, "; c\n[A]\n  Key=new\nz=1\n\n[B]\nKey=b\n");
        row("new key after the last line of its section, CRLF kept", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n", u"A"_s,
            u"k"_s, u"v"_s, "[A]\r\nx=1\r\nk=v\r\n\r\n[B]\r\ny=2\r\n");
        row("new key in a last section without line break", "[A]\nx=1\n[B]", u"B"_s, u"k"_s, u"v"_s,
            "[A]\nx=1\n[B]\nk=v");
        row("new key after a last line ending in a lone CR", "[s]\r\nk=v\r", u"s"_s, u"new"_s, u"x"_s,
            "[s]\r\nk=v\r\nnew=x");
        row("new section after a last line ending in a lone CR", "[s]\r\nk=v\r", u"t"_s, u"new"_s, u"x"_s,
            "[s]\r\nk=v\r\n[t]\r\nnew=x\r\n");
        row("other bytes kept as they are", Bytes("\xEF\xBB\xBF[A]\nname=Caf\xE9\nk=old\n\x00\xff\n"), u"A"_s,
            u"k"_s, u"Café"_s, Bytes("\xEF\xBB\xBF[A]\nname=Caf\xE9\nk=Caf\xC3\xA9\n\x00\xff\n"));
        row("line breaks in a value become spaces", "[A]\n", u"A"_s, u"k"_s, u"one\r\ntwo\n[B]"_s,
            "[A]\nk=one  two [B]\n");
        row("key on two lines is refused", "[A]\n", u"A"_s, u"k\n[B]"_s, u"v"_s, "[A]\n");
    }
    void write()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        const QString file = m_env->root() + u"/data.ini"_s;
        if (!before.isEmpty())
            m_env->writeFile(u"data.ini"_s, before);
        // A temporary file an interrupted write left behind goes with the next write.
        const QString leftover = m_env->writeFile(u"data.ini.Ab12Cd"_s, "k=leftover\n");
        WriteIniValue(file, section, key, value);
        QCOMPARE(ReadBytes(file), after);
        QVERIFY2(!QFileInfo::exists(file + u".lock"_s), "the lock is released");
        QCOMPARE(QFileInfo::exists(leftover), after == before);
    }

    // Ten thousand lines and lines of a hundred thousand characters: one line changes, every other
    // byte stays, and long values read cut to length.
    void largeFiles()
    {
        QByteArray content = "[A]\nlong=" + QByteArray(100000, 'v') + "\n; " + QByteArray(100000, '[')
                             + "\nshort=1\n" + QByteArray(100000, 'k') + "=x\n";
        for (int s = 0; s < 100; ++s) {
            content += "[Section " + QByteArray::number(s) + "]\n";
            for (int k = 0; k < 99; ++k)
                content += "Key" + QByteArray::number(k) + "=Value " + QByteArray::number(s * 100 + k) + "\n";
        }
        const QString file = m_env->writeFile(u"big.ini"_s, content);
        QCOMPARE(ReadIniValue(file, u"A"_s, u"long"_s, QString()), QString(MaxIniValueLength, u'v'));
        QCOMPARE(ReadIniValue(file, u"A"_s, u"short"_s, QString()), u"1");
        QCOMPARE(ReadIniValue(file, u"section 99"_s, u"key98"_s, QString()), u"Value 9998");
        WriteIniValue(file, u"A"_s, u"short"_s, u"2"_s);
        WriteIniValue(file, u"Section 50"_s, u"Key7"_s, u"changed"_s);
        WriteIniValue(file, u"Section 99"_s, u"c"_s, QString(100000, u'c'));
        QByteArray expected = content;
        expected.replace("short=1\n", "short=2\n");
        expected.replace("Key7=Value 5007\n", "Key7=changed\n");
        expected += "c=" + QByteArray(100000, 'c') + "\n";
        QCOMPARE(ReadBytes(file), expected);
        QCOMPARE(ReadIniValue(file, u"Section 99"_s, u"c"_s, QString()), QString(MaxIniValueLength, u'c'));
    }

    void unusablePlacesFailSilently()
    {
        QCOMPARE(ReadIniValue(m_env->root() + u"/none.ini"_s, u"S"_s, u"k"_s, u"d"_s), u"d");
        WriteIniValue(m_env->root() + u"/missing/folder/data.ini"_s, u"S"_s, u"k"_s, u"v"_s);
        QVERIFY(!QFileInfo::exists(m_env->root() + u"/missing"_s));
        if (geteuid() == 0)
            QSKIP("folder permissions do not bind the root user");
        const QString file = m_env->writeFile(u"ro/data.ini"_s, "[S]\nk=old\n");
        QVERIFY(QFile::setPermissions(m_env->root() + u"/ro"_s, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        WriteIniValue(file, u"S"_s, u"k"_s, u"new"_s);
        QVERIFY(QFile::setPermissions(m_env->root() + u"/ro"_s,
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        QCOMPARE(ReadBytes(file), QByteArray("[S]\nk=old\n"));
    }

    // The data files kept in this form: where the user's files are, the
    // font collections, the search engines and the guides.
    void withoutLocationsFileTheDefaultIsWrittenAndUsed()
    {
        QCOMPARE(UserDataFolder(), appFolder() + u"UserFiles/"_s);
        QVERIFY(QFile::exists(locationsFile()));
        QCOMPARE(ReadIniValue(locationsFile(), u"Locations"_s, u"UserData"_s, {}),
                 u"UserFiles"_s);
    }

    void userDataValues_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("expected"); // "@" stands for the application folder
        qputenv("TAVORIN_TEST_DATA", "/srv/web");
        QTest::newRow("drive letter") << "D:\\Data" << "D:\\Data\\";
        QTest::newRow("linux absolute") << "/home/me/data" << "/home/me/data/";
        QTest::newRow("trailing separator kept") << "/home/me/data/" << "/home/me/data/";
        QTest::newRow("relative") << "MyData" << "@MyData/";
        QTest::newRow("environment reference") << "%TAVORIN_TEST_DATA%/mine" << "/srv/web/mine/";
        QTest::newRow("undefined reference") << "%TAVORIN_NOT_SET_ANYWHERE%\\x" << "@UserFiles/";
        QTest::newRow("unpaired percent") << "50%data" << "@UserFiles/";
        QTest::newRow("network path") << "\\\\server\\share" << "@UserFiles/";
    }
    void userDataValues()
    {
        QFETCH(QString, stored);
        QFETCH(QString, expected);
        WriteIniValue(locationsFile(), u"Locations"_s, u"UserData"_s, stored);
        expected.replace(u'@', appFolder());
        QCOMPARE(UserDataFolder(), expected);
    }

    void savingCompactsCollections()
    {
        const QString folder = m_env->root() + u"/not-yet-made/"_s;
        FontCollectionTable &table = FontCollections();
        table = {};
        table[1] = {u"Sans"_s, u"Arial, Helvetica"_s};
        table[3] = {u"Serif"_s, u"Times New Roman"_s};
        SaveFontCollections(folder);
        table = {};
        LoadFontCollections(folder);
        QCOMPARE(table[1].name, u"Sans"_s);
        QCOMPARE(table[2].name, u"Serif"_s);
        QCOMPARE(table[2].fonts, u"Times New Roman"_s);
        QVERIFY(table[3].name.isEmpty());
        QVERIFY(table[20].name.isEmpty());
    }

    void longCollectionNamesAreCut()
    {
        const QString folder = m_env->root() + u"/user/"_s;
        WriteIniValue(folder + u"WebFonts.dat"_s, u"Collection Names"_s,
                      u"1"_s, QString(40, u'n'));
        LoadFontCollections(folder);
        QCOMPARE(FontCollections()[1].name, QString(30, u'n'));
    }

    void searchEngineListEndsAtTheFirstGap()
    {
        m_env->writeFile(u"app/SystemFiles/Data/SEngines.dat"_s,
                         "[Search Engines]\nName1=One\nLocation1=https://one.example/\nName2=Two\nName4=Four\n");
        const auto engines = ReadSearchEngineNames();
        QCOMPARE(engines.size(), 2);
        QCOMPARE(engines[1].name, u"Two"_s);
        QCOMPARE(SearchEngineLocation(1), u"https://one.example/"_s);
    }

    void guidesNeedNameAndLocation()
    {
        m_env->writeFile(u"app/SystemFiles/Data/Guides.dat"_s,
                         "[Guide Names]\n1=First\n2=Second\n[Guide Locations]\n2=https://two.example/\n");
        const auto guides = ReadSystemGuides();
        QCOMPARE(guides.size(), 1);
        QCOMPARE(guides[0].number, 2);
    }
};

QTEST_GUILESS_MAIN(IniFileTest)
#include "inifile_test.moc"
