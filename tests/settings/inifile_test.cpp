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

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Bytes of a literal that holds NUL characters.
template <std::size_t N>
QByteArray Bytes(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

} // namespace

class IniFileTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void read_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("section and key without regard to case") << QByteArray("[Locations]\nUserData=/me\n")
                                                                << "LOCATIONS" << "userdata" << "/me";
        QTest::newRow("blanks around key, = and value") << QByteArray("[S]\n  Key  =   a value   \n") << "S"
                                                        << "Key" << "a value";
        QTest::newRow("value after the first =") << QByteArray("[S]\nk=a=b\n") << "S" << "k" << "a=b";
        QTest::newRow("CRLF lines") << QByteArray("[S]\r\nk=v\r\nl=w\r\n") << "S" << "k" << "v";
        QTest::newRow("key of the next section") << QByteArray("[A]\nx=1\n[B]\nk=b\n") << "A" << "k" << "default";
        QTest::newRow("key before any section is in none") << QByteArray("k=x\n[S]\no=y\n") << "S" << "k" << "default";
        QTest::newRow("unclosed header still opens a section") << QByteArray("[A]\nk=a\n[B\nk=b\n") << "B" << "k"
                                                               << "b";
        QTest::newRow("second copy of a section") << QByteArray("[S]\na=1\n[T]\n[S]\nb=2\n") << "S" << "b" << "2";
        QTest::newRow("UTF-8") << QByteArray("[S]\nk=Caf\xC3\xA9\n") << "S" << "k" << "Café";
        QTest::newRow("Windows-1252") << QByteArray("[S]\nk=Caf\xE9 \x80\n") << "S" << "k" << "Café €";
        QTest::newRow("empty value") << QByteArray("[S]\nk=\n") << "S" << "k" << "default";
        QTest::newRow("not used in any case") << QByteArray("[S]\nk=NOT USED here\n") << "S" << "k" << "default";
        QTest::newRow("Not Use is a value") << QByteArray("[S]\nk=Not Use\n") << "S" << "k" << "Not Use";
        QTest::newRow("binary junk") << Bytes("\x00\xff[\x01=\n=\n[S]\nk=v\x00w\n") << "S" << "k" << "v";
    }
    void read()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        TestEnvironment env;
        const QString file = env.writeFile(u"data.ini"_s, content);
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
        row("new key after the last line of its section", "[A]\nx=1\n\n[B]\ny=2\n", u"A"_s, u"k"_s, u"v"_s,
            "[A]\nx=1\nk=v\n\n[B]\ny=2\n");
        row("new key in a last section without line break", "[A]\nx=1\n[B]", u"B"_s, u"k"_s, u"v"_s,
            "[A]\nx=1\n[B]\nk=v");
        row("CRLF file stays CRLF", "[A]\r\nx=1\r\n", u"A"_s, u"y"_s, u"2"_s, "[A]\r\nx=1\r\ny=2\r\n");
        row("other bytes kept as they are", Bytes("\xEF\xBB\xBF[A]\nname=Caf\xE9\nk=old\n\x00\xff\n"), u"A"_s,
            u"k"_s, u"Café"_s, Bytes("\xEF\xBB\xBF[A]\nname=Caf\xE9\nk=Caf\xC3\xA9\n\x00\xff\n"));
        row("line breaks in a value become spaces", "[A]\n", u"A"_s, u"k"_s, u"one\r\ntwo\n[B]"_s,
            "[A]\nk=one  two [B]\n");
        row("key holding = is refused", "[A]\n", u"A"_s, u"a=b"_s, u"v"_s, "[A]\n");
        row("key on two lines is refused", "[A]\n", u"A"_s, u"k\n[B]"_s, u"v"_s, "[A]\n");
    }
    void write()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        TestEnvironment env;
        const QString file = env.root() + u"/data.ini"_s;
        if (!before.isEmpty())
            env.writeFile(u"data.ini"_s, before);
        WriteIniValue(file, section, key, value);
        QCOMPARE(ReadBytes(file), after);
        QVERIFY2(!QFileInfo::exists(file + u".lock"_s), "the lock is released");
    }

    void tenThousandLines()
    {
        TestEnvironment env;
        QByteArray content;
        for (int s = 0; s < 100; ++s) {
            content += "[Section " + QByteArray::number(s) + "]\n";
            for (int k = 0; k < 99; ++k)
                content += "Key" + QByteArray::number(k) + "=Value " + QByteArray::number(s * 100 + k) + "\n";
        }
        const QString file = env.writeFile(u"big.ini"_s, content);
        WriteIniValue(file, u"Section 50"_s, u"Key7"_s, u"changed"_s);
        WriteIniValue(file, u"Section 99"_s, u"NewKey"_s, u"added"_s);
        QByteArray expected = content;
        expected.replace("Key7=Value 5007\n", "Key7=changed\n");
        expected += "NewKey=added\n";
        QCOMPARE(ReadBytes(file), expected);
        QCOMPARE(ReadIniValue(file, u"section 99"_s, u"key98"_s, QString()), u"Value 9998");
        QCOMPARE(ReadIniValue(file, u"Section 50"_s, u"Key7"_s, QString()), u"changed");
    }

    void hundredThousandCharacterLines()
    {
        TestEnvironment env;
        const QByteArray content = "[A]\nlong=" + QByteArray(100000, 'v') + "\n; " + QByteArray(100000, '[')
                                   + "\nshort=1\n" + QByteArray(100000, 'k') + "=x\n[B]\nb=2\n";
        const QString file = env.writeFile(u"long.ini"_s, content);
        QCOMPARE(ReadIniValue(file, u"A"_s, u"long"_s, QString()), QString(MaxIniValueLength, u'v'));
        QCOMPARE(ReadIniValue(file, u"A"_s, u"short"_s, QString()), u"1");
        QCOMPARE(ReadIniValue(file, u"B"_s, u"b"_s, QString()), u"2");
        WriteIniValue(file, u"A"_s, u"short"_s, u"2"_s);
        WriteIniValue(file, u"B"_s, u"c"_s, QString(100000, u'c'));
        QByteArray expected = content;
        expected.replace("short=1\n", "short=2\n");
        expected += "c=" + QByteArray(100000, 'c') + "\n";
        QCOMPARE(ReadBytes(file), expected);
        QCOMPARE(ReadIniValue(file, u"B"_s, u"c"_s, QString()), QString(MaxIniValueLength, u'c'));
    }

    void unusablePlacesFailSilently()
    {
        TestEnvironment env;
        QCOMPARE(ReadIniValue(env.root() + u"/none.ini"_s, u"S"_s, u"k"_s, u"d"_s), u"d");
        QCOMPARE(ReadIniValue(env.root(), u"S"_s, u"k"_s, u"d"_s), u"d"); // a folder
        const QString blocker = env.writeFile(u"blocker"_s, "plain file");
        WriteIniValue(blocker + u"/data.ini"_s, u"S"_s, u"k"_s, u"v"_s);
        QCOMPARE(ReadBytes(blocker), QByteArray("plain file"));
        WriteIniValue(env.root() + u"/missing/folder/data.ini"_s, u"S"_s, u"k"_s, u"v"_s);
        QVERIFY(!QFileInfo::exists(env.root() + u"/missing"_s));
        if (geteuid() == 0)
            QSKIP("folder permissions do not bind the root user");
        const QString file = env.writeFile(u"ro/data.ini"_s, "[S]\nk=old\n");
        QVERIFY(QFile::setPermissions(env.root() + u"/ro"_s, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        WriteIniValue(file, u"S"_s, u"k"_s, u"new"_s);
        QVERIFY(QFile::setPermissions(env.root() + u"/ro"_s,
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        QCOMPARE(ReadBytes(file), QByteArray("[S]\nk=old\n"));
    }
};

QTEST_GUILESS_MAIN(IniFileTest)
#include "inifile_test.moc"
