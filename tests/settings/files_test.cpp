#include "settings/environment.h"
#include "settings/files.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <numeric>
#include <unistd.h>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(tavorin::TextEncoding)

namespace {

const QString CrLf2 = u"\r\n\r\n"_s;
const QString NotFound = u"This file cannot be found."_s;
const QString DoesNotExist = u"This file does not exist."_s;

QByteArray allBytes()
{
    QByteArray bytes(256, '\0');
    std::iota(bytes.begin(), bytes.end(), char(0));
    return bytes;
}

} // namespace

class FilesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        SetAppPathForTesting({});
        SetBrowserViewer({});
        SetOpenDocumentCounter({});
    }

    // Each file is decoded as stated and saved back byte for byte.
    void encodingsRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text"); // null: not checked
        QTest::addColumn<TextEncoding>("encoding");
        using enum TextEncoding;
        QTest::newRow("ascii declaring utf-8") << QByteArray("<META charset=UTF-8>") << u"<META charset=UTF-8>"_s << Utf8;
        QTest::newRow("utf-8") << QByteArray("caf\xC3\xA9 \xE2\x86\x92") << u"café →"_s << Utf8;
        QTest::newRow("utf-8 with byte order mark") << QByteArray("\xEF\xBB\xBFx\xC3\xA9") << u"xé"_s << Utf8WithBom;
        QTest::newRow("windows-1252, undefined bytes too") << QByteArray("caf\xE9 \x80\x81\x8D \x93q\x94") << u"café €\u0081\u008D “q”"_s << Windows1252;
        QTest::newRow("overlong utf-8 is not utf-8") << QByteArray("a\xC0\xAF") << u"aÀ¯"_s << Windows1252;
        QTest::newRow("utf-8 cut off at the end is not utf-8") << QByteArray("\xC3\xA9\xE2\x86") << u"Ã©â†"_s << Windows1252;
        QTest::newRow("two byte order marks: the second is text") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx") << u"\uFEFFx"_s << Utf8WithBom;
        QTest::newRow("binary") << allBytes() + allBytes() << QString() << Windows1252;
    }
    void encodingsRoundTrip()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(TextEncoding, encoding);
        TestEnvironment env;
        const QString path = env.writeFile(u"page.htm"_s, bytes);
        ScriptedFacades facades;
        const TextFileContent content = ReadTextFile(path);
        QVERIFY(content.ok());
        if (!text.isNull())
            QCOMPARE(content.text, text);
        QCOMPARE(content.encoding, encoding);
        TextEncoding written{};
        QVERIFY(WriteTextFile(content.text, path, content.encoding, &written));
        QCOMPARE(ReadBytes(path), bytes);
        QCOMPARE(written, encoding);
        QVERIFY(facades.dialogs.problems().isEmpty());
    }

    // Text the encoding cannot hold is saved as UTF-8; new text follows its own charset
    // declaration. Saving keeps a file's permissions, and through a symbolic link
    // writes the file it points to.
    void saving()
    {
        TestEnvironment env;
        ScriptedFacades facades;
        const QString kept = env.writeFile(u"kept.htm"_s, "old");
        QVERIFY(QFile::setPermissions(kept, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        const QString link = env.root() + u"/link.htm"_s;
        QVERIFY(QFile::link(kept, link));
        TextEncoding written{};
        QVERIFY(WriteTextFile(u"café ✓"_s, link, TextEncoding::Windows1252, &written));
        QCOMPARE(ReadBytes(kept), QByteArray("caf\xC3\xA9 \xE2\x9C\x93"));
        QCOMPARE(written, TextEncoding::Utf8);
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(QFileInfo(kept).permissions() & QFileDevice::Permissions(0x7077),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QVERIFY(WriteTextFile(u"é"_s, kept));
        QCOMPARE(ReadBytes(kept), QByteArray("\xE9"));
        QVERIFY(WriteTextFile(u"<META charset=\"utf-8\">é"_s, kept));
        QCOMPARE(ReadBytes(kept), QByteArray("<META charset=\"utf-8\">\xC3\xA9"));
        QVERIFY(facades.dialogs.problems().isEmpty());
    }

    // A save that cannot be completed reports why, leaves the old file
    // exactly as it was and leaves no temporary file behind.
    void failedSaveKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("reason");
        const QString readOnly = u"Permission denied. File may be read only. "_s;
        QTest::newRow("read-only folder") << readOnly;
        QTest::newRow("read-only file") << readOnly;
        QTest::newRow("missing folder") << QString();
        QTest::newRow("folder in the file's place") << QString();
    }
    void failedSaveKeepsTheOldFile()
    {
        QFETCH(QString, reason);
        const QString setup = QString::fromLatin1(QTest::currentDataTag());
        TestEnvironment env;
        const QByteArray old("<P>Old \xE9 text</P>\r\n");
        QString path = env.writeFile(u"site/page.htm"_s, old);
        const QString folder = env.root() + u"/site"_s;
        if (setup.startsWith(u"read-only")) {
            if (::geteuid() == 0)
                QSKIP("permissions do not stop the superuser from writing");
            const QString target = setup == u"read-only folder" ? folder : path;
            QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        } else {
            path = setup == u"missing folder" ? folder + u"/gone/page.htm"_s : folder; // or a folder in its place
        }
        ScriptedFacades facades;
        facades.dialogs.answerMessage(MessageAnswer::Ok);
        QVERIFY(!WriteTextFile(u"<P>New</P>"_s, path));
        QCOMPARE(facades.dialogs.messagePrompts(), QStringList{u'(' + path + u')' + CrLf2 + reason + u"Cannot save file."_s});
        QCOMPARE(facades.dialogs.messages().constFirst().title, u"File Error"_s);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(ReadBytes(folder + u"/page.htm"_s), old);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{u"page.htm"_s});
    }

    void readErrors()
    {
        TestEnvironment env;
        QFile huge(env.root() + u"/huge.htm"_s);
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(MaxTextFileBytes + 1)); // sparse: no room on disk, yet too large to edit
        huge.close();
        const QList<std::pair<QString, int>> cases{
            {env.root() + u"/none.htm"_s, 53}, {env.root() + u"/none/a.htm"_s, 76}, {env.root(), 75},
            {u"/dev/zero"_s, 75}, {huge.fileName(), 7}};
        for (const auto &[path, error] : cases) {
            const TextFileContent content = ReadTextFile(path);
            QCOMPARE(content.error, error);
            QVERIFY(content.text.isEmpty());
        }
    }

    // Errors by number in the program's own words.
    void errorMessages_data()
    {
        QTest::addColumn<int>("error");
        QTest::addColumn<int>("documents");
        QTest::addColumn<QString>("prompt");
        const QString memory = u"Sorry, not enough free memory."_s + CrLf2;
        QTest::newRow("70") << 70 << 0 << u"(/x/a.htm)"_s + CrLf2 + u"Permission denied. Disk may be write-protected or file may be locked by another application."_s;
        QTest::newRow("other: the caller's text") << 76 << 0 << u"(/x/a.htm)"_s + CrLf2 + u"Fallback text."_s;
        QTest::newRow("7, one document") << 7 << 1 << memory + u"Close down other applications and try again."_s;
        QTest::newRow("7, two documents") << 7 << 2 << memory + u"Close down other documents and/or applications and try again."_s;
    }
    void errorMessages()
    {
        QFETCH(int, error);
        QFETCH(int, documents);
        QFETCH(QString, prompt);
        SetOpenDocumentCounter([documents] { return documents; });
        ScriptedFacades facades;
        facades.dialogs.answerMessage(MessageAnswer::Ok);
        ReportFileErrorByNumber(u"/x/a.htm"_s, error, u"Fallback text."_s);
        QCOMPARE(facades.dialogs.messagePrompts(), QStringList{prompt});
        QCOMPARE(facades.dialogs.messages().constFirst().title, error == 7 ? u"Tavorin"_s : u"File Error"_s);
        QCOMPARE(facades.dialogs.messages().constFirst().icon, MessageIcon::Exclamation);
    }

    void copying()
    {
        TestEnvironment env;
        const QString source = env.writeFile(u"pic.gif"_s, allBytes());
        const QString folder = env.root() + u"/site/"_s;
        const QString copy = env.writeFile(u"site/pic.gif"_s, "other");
        QVERIFY(FileExists(source) && !FileExists(env.root()) && FolderExists(folder) && !FolderExists(source));
        ScriptedFacades facades;
        for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes, MessageAnswer::Ok, MessageAnswer::Ok})
            facades.dialogs.answerMessage(answer);
        QVERIFY(!CopyFileTo(source, folder));
        QCOMPARE(ReadBytes(copy), QByteArray("other"));
        QVERIFY(CopyFileTo(source, folder));
        QCOMPARE(ReadBytes(copy), allBytes());
        QCOMPARE(facades.dialogs.messages().constFirst().defaultButton, 2);
        // Copying a file onto itself leaves it whole.
        QVERIFY(CopyFile(source, env.root() + u"/site/../pic.gif"_s));
        QCOMPARE(ReadBytes(source), allBytes());
        QVERIFY(!CopyFile(env.root() + u"/none.gif"_s, folder + u"none.gif"_s));
        QVERIFY(!CopyFile(source, env.root() + u"/gone/pic.gif"_s));
        const QString overwrite = copy + u"\r\nThis file already exists.\r\nDo you want to overwrite it?"_s;
        QCOMPARE(facades.dialogs.messagePrompts(),
                 (QStringList{overwrite, overwrite, u'(' + env.root() + u"/none.gif)"_s + CrLf2 + NotFound + u" Unable to copy file."_s,
                              u" Unable to copy file."_s}));
    }

    void relativeLocations_data()
    {
        QTest::addColumn<QString>("target"); // %1 is the test folder; the document is in %1/web/
        QTest::addColumn<bool>("neverAsk");
        QTest::addColumn<MessageAnswer>("answer"); // given when a prompt is expected
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("prompt");
        const QString copyQuestion
            = u"Do you want to copy this file to the same directory as the current document?\r\n\r\n(%1/img/Pic.gif)"_s;
        const QString otherDrive
            = u"The file \"a.gif\" is stored on a different drive, so a relative path can only be created if the "
              "file is copied to the same directory as the current document.\r\n\r\nDo you want to copy the file now?"_s;
        auto row = [](const char *name, const QString &target, bool neverAsk, MessageAnswer answer,
                      const QString &result, const QString &prompt) {
            QTest::newRow(name) << target << neverAsk << answer << result << prompt;
        };
        row("below the document", u"%1/web/pics/a.gif"_s, false, MessageAnswer::Ok, u"pics/a.gif"_s, {});
        row("elsewhere, copied", u"%1/img/Pic.gif"_s, false, MessageAnswer::Yes, u"Pic.gif"_s, copyQuestion);
        row("elsewhere, not copied", u"%1/img/Pic.gif"_s, false, MessageAnswer::No, u"../img/Pic.gif"_s, copyQuestion);
        row("never ask", u"%1/img/Pic.gif"_s, true, MessageAnswer::Ok, u"../img/Pic.gif"_s, {});
        row("missing file", u"%1/img/none.gif"_s, false, MessageAnswer::Ok, {}, u"(%1/img/none.gif)"_s + CrLf2 + DoesNotExist);
        row("other drive, declined", u"%1/web/pics/a.gif"_s, false, MessageAnswer::No, {}, otherDrive);
    }
    void relativeLocations()
    {
        QFETCH(QString, target);
        QFETCH(bool, neverAsk);
        QFETCH(MessageAnswer, answer);
        QFETCH(QString, result);
        QFETCH(QString, prompt);
        TestEnvironment env;
        env.writeFile(u"web/pics/a.gif"_s, "a");
        env.writeFile(u"img/Pic.gif"_s, "pic");
        ScriptedFacades facades;
        if (!prompt.isEmpty())
            facades.dialogs.answerMessage(answer);
        const auto filled = [&env](const QString &text) { return text.contains(u"%1"_s) ? text.arg(env.root()) : text; };
        const bool otherDrive = QTest::currentDataTag() == QByteArray("other drive, declined");
        const QString document = otherDrive ? u"C:\\web\\"_s : env.root() + u"/web/"_s;
        QCOMPARE(MakeRelativeLocation(filled(target), document, neverAsk), result);
        QCOMPARE(facades.dialogs.messagePrompts(), prompt.isEmpty() ? QStringList{} : QStringList{filled(prompt)});
        QVERIFY(facades.dialogs.problems().isEmpty());
        QCOMPARE(ReadBytes(env.root() + u"/web/Pic.gif"_s), QByteArray(result == u"Pic.gif" ? "pic" : "<unreadable>"));
    }

    // Pages go to the browser, anything else to its own program; a missing file is reported.
    void openingAndViewing()
    {
        TestEnvironment env;
        const QString file = env.writeFile(u"a.pdf"_s, "%PDF");
        ScriptedFacades facades;
        QVERIFY(OpenWithShell(file));
        QVERIFY(OpenWithShell(u"mailto:someone@example.org"_s));
        ViewFile(u"http://example.org/"_s); // no browser set: the desktop opens it
        facades.dialogs.answerMessage(MessageAnswer::Ok);
        QVERIFY(!OpenWithShell(env.root() + u"/none.pdf"_s));
        QCOMPARE(facades.dialogs.messagePrompts(), QStringList{u'(' + env.root() + u"/none.pdf)"_s + CrLf2 + DoesNotExist});
        QStringList shown;
        SetBrowserViewer([&shown](const QString &page) { shown.append(page); });
        for (const QString &target : {u"  http://example.org/x"_s, u"/srv/a.HTM"_s, u"/srv/a.shtml "_s,
                                      u"https://example.org/a.gif"_s})
            ViewFile(target);
        QCOMPARE(shown, (QStringList{u"  http://example.org/x"_s, u"/srv/a.HTM"_s, u"/srv/a.shtml "_s,
                                     u"https://example.org/a.gif"_s}));
        QStringList opened;
        for (const auto &start : facades.launcher.started)
            opened += start.program.isEmpty() ? start.arguments : QStringList{u"<program>"_s};
        QCOMPARE(opened, (QStringList{file, u"mailto:someone@example.org"_s, u"http://example.org/"_s}));
    }

    // The program's own folders; system files are found without regard to case.
    void programFolders()
    {
        QVERIFY(QFileInfo::exists(AppPath() + u"files_test"_s));
        TestEnvironment env;
        QCOMPARE(WindowsFolder(), env.configHome() + u"/tavorin/"_s);
        QVERIFY(QFileInfo(WindowsFolder()).isDir());
        env.writeFile(u"SystemFiles/JScript/DateTime.js"_s, "var a;\nvar b;\r\n");
        SetAppPathForTesting(env.root());
        ScriptedFacades facades;
        QCOMPARE(ReadSystemFile(u"jscript\\DATETIME"_s, u".JS"_s), u"var a;\r\nvar b;\r\n"_s);
        facades.dialogs.answerMessage(MessageAnswer::Ok);
        QCOMPARE(ReadSystemFile(u"JScript\\Missing"_s, u".js"_s), QString());
        QCOMPARE(facades.dialogs.messagePrompts(),
                 QStringList{u'(' + env.root() + u"/SystemFiles/JScript/missing.js)"_s + CrLf2 + NotFound});
        // A relative setting is ignored in favour of ~/.config.
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(env.root()));
        qputenv("XDG_CONFIG_HOME", "relative/ignored");
        const QString fallback = WindowsFolder();
        qputenv("HOME", home);
        QCOMPARE(fallback, env.root() + u"/.config/tavorin/"_s);
    }
};

QTEST_GUILESS_MAIN(FilesTest)
#include "files_test.moc"
