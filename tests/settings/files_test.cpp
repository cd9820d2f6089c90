#include "settings/environment.h"
#include "settings/files.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(tavorin::TextEncoding)

namespace {

const QString CrLf2 = u"\r\n\r\n"_s;

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray allBytes()
{
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes.append(char(i));
    return bytes;
}

bool runningAsRoot()
{
    return ::geteuid() == 0;
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

    void decoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<TextEncoding>("encoding");
        QTest::newRow("ascii") << QByteArray("<P>a</P>\r\n") << u"<P>a</P>\r\n"_s << TextEncoding::Windows1252;
        QTest::newRow("ascii declaring utf-8") << QByteArray("<META CONTENT=\"text/html; charset=UTF-8\">")
                                               << u"<META CONTENT=\"text/html; charset=UTF-8\">"_s
                                               << TextEncoding::Utf8;
        QTest::newRow("utf-8") << QByteArray("caf\xC3\xA9 \xE2\x86\x92") << u"café →"_s << TextEncoding::Utf8;
        QTest::newRow("utf-8 with byte order mark") << QByteArray("\xEF\xBB\xBFx\xC3\xA9") << u"xé"_s
                                                    << TextEncoding::Utf8WithBom;
        QTest::newRow("windows-1252") << QByteArray("caf\xE9 \x80 \x93q\x94") << u"café € “q”"_s
                                      << TextEncoding::Windows1252;
        QTest::newRow("undefined 1252 bytes keep a character")
            << QByteArray("\x81\x8D\x8F\x90\x9D") << u"\u0081\u008D\u008F\u0090\u009D"_s
            << TextEncoding::Windows1252;
        QTest::newRow("overlong utf-8 is not utf-8") << QByteArray("a\xC0\xAF") << u"aÀ¯"_s
                                                     << TextEncoding::Windows1252;
        QTest::newRow("encoded surrogate is not utf-8") << QByteArray("\xED\xA0\x80") << u"í\u00A0€"_s
                                                        << TextEncoding::Windows1252;
        QTest::newRow("cut sequence is not utf-8") << QByteArray("ab\xC3") << u"abÃ"_s
                                                   << TextEncoding::Windows1252;
        QTest::newRow("empty") << QByteArray() << QString() << TextEncoding::Windows1252;
    }
    void decoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(TextEncoding, encoding);
        const DecodedText decoded = DecodeText(bytes);
        QCOMPARE(decoded.text, text);
        QCOMPARE(decoded.encoding, encoding);
        TextEncoding used{};
        QCOMPARE(EncodeText(decoded.text, decoded.encoding, &used), bytes);
        QCOMPARE(used, encoding);
    }

    void everyByteSurvivesWindows1252()
    {
        const DecodedText decoded = DecodeText(allBytes());
        QCOMPARE(decoded.encoding, TextEncoding::Windows1252);
        QCOMPARE(decoded.text.size(), 256);
        QCOMPARE(EncodeText(decoded.text, TextEncoding::Windows1252), allBytes());
    }

    void unrepresentableTextIsWrittenAsUtf8()
    {
        TextEncoding used = TextEncoding::Windows1252;
        QCOMPARE(EncodeText(u"é"_s, TextEncoding::Windows1252, &used), QByteArray("\xE9"));
        QCOMPARE(used, TextEncoding::Windows1252);
        QCOMPARE(EncodeText(u"é →"_s, TextEncoding::Windows1252, &used), QByteArray("\xC3\xA9 \xE2\x86\x92"));
        QCOMPARE(used, TextEncoding::Utf8);
        QCOMPARE(EncodingForNewText(u"<META charset=\"utf-8\">"_s), TextEncoding::Utf8);
        QCOMPARE(EncodingForNewText(u"<META charset=ISO-8859-1>"_s), TextEncoding::Windows1252);
    }

    void filesRoundTripByteForByte_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("windows-1252 page") << QByteArray("<P>Stra\xDF\x65 \x80\x81</P>\r\n");
        QTest::newRow("utf-8 page") << QByteArray("<P>\xE6\x97\xA5\xE6\x9C\xAC</P>\r\n");
        QTest::newRow("utf-8 with byte order mark") << QByteArray("\xEF\xBB\xBF<P>\xC3\xA9</P>");
        QTest::newRow("binary") << allBytes() + allBytes();
        QTest::newRow("no final line break") << QByteArray("a\r\nb");
        QTest::newRow("empty") << QByteArray();
    }
    void filesRoundTripByteForByte()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"page.htm"_s);
        writeBytes(path, bytes);
        ScriptedFacades facades;
        const TextFileContent content = ReadTextFile(path);
        QVERIFY(content.ok());
        QVERIFY(WriteTextFile(content.text, path, content.encoding));
        QCOMPARE(readBytes(path), bytes);
        QVERIFY(facades.dialogs.problems().isEmpty());
    }

    void writingKeepsTheDocumentsEncodingAndNotesAFallback()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"a.htm"_s);
        ScriptedFacades facades;
        TextEncoding written{};
        QVERIFY(WriteTextFile(u"café"_s, path, TextEncoding::Windows1252, &written));
        QCOMPARE(readBytes(path), QByteArray("caf\xE9"));
        QCOMPARE(written, TextEncoding::Windows1252);
        QVERIFY(WriteTextFile(u"café ✓"_s, path, TextEncoding::Windows1252, &written));
        QCOMPARE(readBytes(path), QByteArray("caf\xC3\xA9 \xE2\x9C\x93"));
        QCOMPARE(written, TextEncoding::Utf8);
        QVERIFY(WriteTextFile(u"no break"_s, path));
        QCOMPARE(readBytes(path), QByteArray("no break"));
    }

    void newFilesFollowTheUmaskAndOldFilesKeepTheirPermissions()
    {
        QTemporaryDir dir;
        ScriptedFacades facades;
        const QString fresh = dir.filePath(u"new.htm"_s);
        QVERIFY(WriteTextFile(u"x"_s, fresh));
        QVERIFY(QFileInfo(fresh).permissions() & QFileDevice::ReadOther);

        const QString kept = dir.filePath(u"kept.htm"_s);
        writeBytes(kept, "old");
        QVERIFY(QFile::setPermissions(kept, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QVERIFY(WriteTextFile(u"new"_s, kept));
        const QFileDevice::Permissions ownerGroupOther(0x7077);
        QCOMPARE(QFileInfo(kept).permissions() & ownerGroupOther,
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    void savingThroughALinkKeepsTheLink()
    {
        QTemporaryDir dir;
        const QString real = dir.filePath(u"real.htm"_s);
        const QString link = dir.filePath(u"link.htm"_s);
        writeBytes(real, "old");
        QVERIFY(QFile::link(real, link));
        ScriptedFacades facades;
        QVERIFY(WriteTextFile(u"new"_s, link));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readBytes(real), QByteArray("new"));
    }

    // A save that cannot be completed reports why and leaves the file that
    // was there exactly as it was, and leaves no temporary file behind.
    void failedSaveKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("reason");
        QTest::newRow("read-only folder") << u"read-only folder"_s << u"Permission denied. File may be read only. "_s;
        QTest::newRow("read-only file") << u"read-only file"_s << u"Permission denied. File may be read only. "_s;
        QTest::newRow("missing folder") << u"missing folder"_s << QString();
        QTest::newRow("parent is a file") << u"parent is a file"_s << QString();
        QTest::newRow("folder in the file's place") << u"folder"_s << QString();
    }
    void failedSaveKeepsTheOldFile()
    {
        QFETCH(QString, setup);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"site"_s);
        QVERIFY(QDir().mkpath(folder));
        QString path = folder + u"/page.htm"_s;
        const QByteArray old("<P>Old \xE9 text</P>\r\n");
        writeBytes(path, old);

        if (setup == u"read-only folder" || setup == u"read-only file") {
            if (runningAsRoot())
                QSKIP("permissions do not stop the superuser from writing");
            const QString target = setup == u"read-only folder" ? folder : path;
            QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        } else if (setup == u"missing folder") {
            path = folder + u"/gone/page.htm"_s;
        } else if (setup == u"parent is a file") {
            path = folder + u"/page.htm/inner.htm"_s;
        } else if (setup == u"folder") {
            path = folder;
        }

        ScriptedFacades facades;
        facades.dialogs.answerMessage(MessageAnswer::Ok);
        QVERIFY(!WriteTextFile(u"<P>New</P>"_s, path));
        const auto asked = facades.dialogs.messages();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0].title, u"File Error"_s);
        QCOMPARE(asked[0].icon, MessageIcon::Exclamation);
        QCOMPARE(asked[0].prompt, u'(' + path + u')' + CrLf2 + reason + u"Cannot save file."_s);
        QVERIFY(facades.dialogs.problems().isEmpty());

        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(readBytes(folder + u"/page.htm"_s), old);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{u"page.htm"_s});
    }

    void readErrors_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<int>("error");
        QTest::newRow("missing file") << u"none.htm"_s << 53;
        QTest::newRow("missing folder") << u"none/a.htm"_s << 76;
        QTest::newRow("folder") << u"."_s << 75;
        QTest::newRow("huge file") << u"huge.htm"_s << 7;
    }
    void readErrors()
    {
        QFETCH(QString, relative);
        QFETCH(int, error);
        QTemporaryDir dir;
        {
            // Sparse: takes no room on disk, yet is too large to edit.
            QFile huge(dir.filePath(u"huge.htm"_s));
            QVERIFY(huge.open(QIODevice::WriteOnly));
            QVERIFY(huge.resize(MaxTextFileBytes + 1));
        }
        const TextFileContent content = ReadTextFile(dir.filePath(relative));
        QCOMPARE(content.error, error);
        QVERIFY(content.text.isEmpty());
    }

    void devicesAreNotRead()
    {
        QCOMPARE(ReadTextFile(u"/dev/zero"_s).error, 75);
    }

    void errorMessages_data()
    {
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("message");
        const QString permission
            = u"Permission denied. Disk may be write-protected or file may be locked by another application."_s;
        QTest::newRow("52") << 52 << permission;
        QTest::newRow("70") << 70 << permission;
        QTest::newRow("53") << 53 << u"This file cannot be found."_s;
        QTest::newRow("55") << 55 << u"This file is open. Close it and try again."_s;
        QTest::newRow("61") << 61 << u"Disk Full."_s;
        QTest::newRow("62") << 62 << u"This file is of a type not supported by this application."_s;
        QTest::newRow("71") << 71 << u"Disk not ready. Insert Disk and try again."_s;
        QTest::newRow("other") << 76 << u"Fallback text."_s;
    }
    void errorMessages()
    {
        QFETCH(int, error);
        QFETCH(QString, message);
        ScriptedFacades facades;
        facades.dialogs.answerMessage(MessageAnswer::Ok);
        ReportFileErrorByNumber(u"/x/a.htm"_s, error, u"Fallback text."_s);
        const auto asked = facades.dialogs.messages();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0].prompt, u"(/x/a.htm)"_s + CrLf2 + message);
        QCOMPARE(asked[0].title, u"File Error"_s);
    }

    void outOfMemoryAdviceDependsOnOpenDocuments_data()
    {
        QTest::addColumn<int>("error");
        QTest::addColumn<int>("documents");
        QTest::addColumn<QString>("advice");
        QTest::newRow("one document") << 7 << 1 << u"Close down other applications and try again."_s;
        QTest::newRow("two documents") << 7 << 2
                                       << u"Close down other documents and/or applications and try again."_s;
        QTest::newRow("dialog error") << 31001 << 0 << u"Close down other applications and try again."_s;
    }
    void outOfMemoryAdviceDependsOnOpenDocuments()
    {
        QFETCH(int, error);
        QFETCH(int, documents);
        QFETCH(QString, advice);
        SetOpenDocumentCounter([documents] { return documents; });
        ScriptedFacades facades;
        facades.dialogs.answerMessage(MessageAnswer::Ok);
        ReportFileErrorByNumber(u"/x"_s, error, u"unused"_s);
        const auto asked = facades.dialogs.messages();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0].prompt, u"Sorry, not enough free memory."_s + CrLf2 + advice);
        QCOMPARE(asked[0].title, u"Tavorin"_s);
        QCOMPARE(asked[0].icon, MessageIcon::Exclamation);
    }

    void uncPathsAreRefused()
    {
        ScriptedFacades facades;
        QVERIFY(!RefuseUNC(u"/home/a.htm"_s));
        QVERIFY(facades.dialogs.messages().isEmpty());
        facades.dialogs.answerMessage(MessageAnswer::Ok);
        QVERIFY(RefuseUNC(u" \\\\server\\a.htm"_s));
        QCOMPARE(facades.dialogs.messagePrompts(),
                 QStringList{u"( \\\\server\\a.htm)"_s + CrLf2
                             + u"This path is in UNC format. Sorry, but UNC paths are not supported by this application.\r\n"
                               "Tavorin can only access files on a network via mapped network drives."_s});
    }

    void existence()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"a.htm"_s);
        writeBytes(file, "x");
        QVERIFY(FileExists(file));
        QVERIFY(!FileExists(dir.path()));
        QVERIFY(!FileExists(dir.filePath(u"b.htm"_s)));
        QVERIFY(!FileExists(QString()));
        QVERIFY(FolderExists(dir.path()));
        QVERIFY(FolderExists(dir.path() + u'/'));
        QVERIFY(!FolderExists(file));
    }

    void copying()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath(u"pic.gif"_s);
        writeBytes(source, allBytes());
        QVERIFY(QDir(dir.path()).mkdir(u"site"_s));
        const QString folder = dir.filePath(u"site/"_s);
        ScriptedFacades facades;

        QVERIFY(CopyFileTo(source, folder));
        QCOMPARE(readBytes(folder + u"pic.gif"_s), allBytes());

        const QString overwrite = folder + u"pic.gif"_s + u"\r\nThis file already exists.\r\nDo you want to overwrite it?"_s;
        writeBytes(folder + u"pic.gif"_s, "other");
        facades.dialogs.answerMessage(MessageAnswer::No);
        QVERIFY(!CopyFileTo(source, folder));
        QCOMPARE(readBytes(folder + u"pic.gif"_s), QByteArray("other"));
        facades.dialogs.answerMessage(MessageAnswer::Yes);
        QVERIFY(CopyFileTo(source, folder));
        QCOMPARE(readBytes(folder + u"pic.gif"_s), allBytes());

        const auto asked = facades.dialogs.messages();
        QCOMPARE(asked.size(), 2);
        QCOMPARE(asked[0].prompt, overwrite);
        QCOMPARE(asked[0].title, u"File Copy"_s);
        QCOMPARE(asked[0].buttons, MessageButtons::YesNo);
        QCOMPARE(asked[0].icon, MessageIcon::Exclamation);
        QCOMPARE(asked[0].defaultButton, 2);
        QVERIFY(facades.dialogs.problems().isEmpty());
    }

    void failedCopiesSayWhy_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("missing source") << u"none.gif"_s << u"site/none.gif"_s
                                        << u"(%1/none.gif)\r\n\r\nThis file cannot be found. Unable to copy file."_s;
        QTest::newRow("missing folder") << u"pic.gif"_s << u"gone/pic.gif"_s << u" Unable to copy file."_s;
    }
    void failedCopiesSayWhy()
    {
        QFETCH(QString, source);
        QFETCH(QString, destination);
        QFETCH(QString, prompt);
        QTemporaryDir dir;
        writeBytes(dir.filePath(u"pic.gif"_s), "GIF89a");
        QVERIFY(QDir(dir.path()).mkdir(u"site"_s));
        ScriptedFacades facades;
        facades.dialogs.answerMessage(MessageAnswer::Ok);
        QVERIFY(!CopyFile(dir.filePath(source), dir.filePath(destination)));
        const auto asked = facades.dialogs.messages();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0].prompt, prompt.contains(u"%1"_s) ? prompt.arg(dir.path()) : prompt);
        QCOMPARE(asked[0].title, u"File Error"_s);
    }

    void copyOntoItselfKeepsTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"a.gif"_s);
        writeBytes(path, "GIF89a");
        ScriptedFacades facades;
        QVERIFY(CopyFile(path, path));
        QCOMPARE(readBytes(path), QByteArray("GIF89a"));
    }

    void relativeLocations_data()
    {
        QTest::addColumn<QString>("target");  // %1 is the temporary folder
        QTest::addColumn<bool>("neverAsk");
        QTest::addColumn<QList<MessageAnswer>>("answers");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QStringList>("prompts");
        const QString copyQuestion
            = u"Do you want to copy this file to the same directory as the current document?\r\n\r\n(%1/img/Pic.gif)"_s;
        QTest::newRow("already relative") << u"img/Pic.gif"_s << false << QList<MessageAnswer>{}
                                          << u"img/Pic.gif"_s << QStringList{};
        QTest::newRow("address") << u"http://x.org/a.gif"_s << false << QList<MessageAnswer>{}
                                 << u"http://x.org/a.gif"_s << QStringList{};
        QTest::newRow("below the document") << u"%1/web/pics/a.gif"_s << false << QList<MessageAnswer>{}
                                            << u"pics/a.gif"_s << QStringList{};
        QTest::newRow("elsewhere, not copied") << u"%1/img/Pic.gif"_s << false
                                               << QList<MessageAnswer>{MessageAnswer::No} << u"../img/Pic.gif"_s
                                               << QStringList{copyQuestion};
        QTest::newRow("elsewhere, copied") << u"%1/img/Pic.gif"_s << false
                                           << QList<MessageAnswer>{MessageAnswer::Yes} << u"Pic.gif"_s
                                           << QStringList{copyQuestion};
        QTest::newRow("never ask") << u"%1/img/Pic.gif"_s << true << QList<MessageAnswer>{} << u"../img/Pic.gif"_s
                                   << QStringList{};
        QTest::newRow("missing file") << u"%1/img/none.gif"_s << false << QList<MessageAnswer>{MessageAnswer::Ok}
                                      << QString()
                                      << QStringList{u"(%1/img/none.gif)\r\n\r\nThis file cannot be found."_s};
    }
    void relativeLocations()
    {
        QFETCH(QString, target);
        QFETCH(bool, neverAsk);
        QFETCH(QList<MessageAnswer>, answers);
        QFETCH(QString, result);
        QFETCH(QStringList, prompts);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(u"web/pics"_s));
        QVERIFY(QDir(dir.path()).mkpath(u"img"_s));
        writeBytes(dir.filePath(u"web/pics/a.gif"_s), "a");
        writeBytes(dir.filePath(u"img/Pic.gif"_s), "pic");

        ScriptedFacades facades;
        for (MessageAnswer answer : answers)
            facades.dialogs.answerMessage(answer);
        const auto filled = [&dir](const QString &text) {
            return text.contains(u"%1"_s) ? text.arg(dir.path()) : text;
        };
        const QString got = MakeRelativeLocation(filled(target), dir.filePath(u"web/"_s), neverAsk);
        QCOMPARE(got, result);
        QStringList expected;
        for (const QString &prompt : prompts)
            expected.append(filled(prompt));
        QCOMPARE(facades.dialogs.messagePrompts(), expected);
        QVERIFY(facades.dialogs.problems().isEmpty());
        if (result == u"Pic.gif")
            QCOMPARE(readBytes(dir.filePath(u"web/Pic.gif"_s)), QByteArray("pic"));
        else
            QVERIFY(!QFileInfo::exists(dir.filePath(u"web/Pic.gif"_s)));
    }

    void fileOnAnotherDriveIsOfferedForCopying()
    {
        QTemporaryDir dir;
        writeBytes(dir.filePath(u"a.gif"_s), "a");
        ScriptedFacades facades;
        facades.dialogs.answerMessage(MessageAnswer::No);
        QCOMPARE(MakeRelativeLocation(dir.filePath(u"a.gif"_s), u"C:\\web\\"_s, false), QString());
        const auto asked = facades.dialogs.messages();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0].prompt,
                 u"The file \"a.gif\" is stored on a different drive, so a relative path can only be created if the "
                 "file is copied to the same directory as the current document.\r\n\r\nDo you want to copy the file now?"_s);
        QCOMPARE(asked[0].buttons, MessageButtons::YesNo);
        QCOMPARE(asked[0].icon, MessageIcon::Question);
    }

    void openingWithTheDesktop()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"a.pdf"_s);
        writeBytes(file, "%PDF");
        ScriptedFacades facades;
        QVERIFY(OpenWithShell(file));
        QVERIFY(OpenWithShell(u"HTTPS://example.org/"_s));
        QVERIFY(OpenWithShell(u"mailto:someone@example.org"_s));
        facades.dialogs.answerMessage(MessageAnswer::Ok);
        QVERIFY(!OpenWithShell(dir.filePath(u"none.pdf"_s)));

        QStringList opened;
        for (const auto &start : facades.launcher.started) {
            QVERIFY(start.program.isEmpty());
            opened += start.arguments;
        }
        QCOMPARE(opened, (QStringList{file, u"HTTPS://example.org/"_s, u"mailto:someone@example.org"_s}));
        QCOMPARE(facades.dialogs.messagePrompts(),
                 QStringList{u'(' + dir.filePath(u"none.pdf"_s) + u')' + CrLf2 + u"This file cannot be found."_s});
    }

    void viewingPagesGoesToTheBrowser_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("toBrowser");
        QTest::newRow("address") << u"  http://example.org/x"_s << true;
        QTest::newRow("htm") << u"/srv/a.HTM"_s << true;
        QTest::newRow("html") << u"/srv/a.html"_s << true;
        QTest::newRow("shtml") << u"/srv/a.shtml "_s << true;
        QTest::newRow("picture") << u"https://example.org/a.gif"_s << false;
    }
    void viewingPagesGoesToTheBrowser()
    {
        QFETCH(QString, target);
        QFETCH(bool, toBrowser);
        QStringList shown;
        SetBrowserViewer([&shown](const QString &page) { shown.append(page); });
        ScriptedFacades facades;
        ViewFile(target);
        QCOMPARE(shown, toBrowser ? QStringList{target} : QStringList{});
        QCOMPARE(facades.launcher.started.size(), toBrowser ? 0 : 1);
    }

    void viewingWithoutABrowserOpensWithTheDesktop()
    {
        ScriptedFacades facades;
        ViewFile(u"http://example.org/"_s);
        QCOMPARE(facades.launcher.started.size(), 1);
    }

    void systemFilesAreFoundWithoutRegardToCase()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(u"SystemFiles/JScript"_s));
        writeBytes(dir.filePath(u"SystemFiles/JScript/DateTime.js"_s), "var a;\nvar b;\r\n");
        SetAppPathForTesting(dir.path());
        QCOMPARE(AppPath(), dir.path() + u'/');

        ScriptedFacades facades;
        QCOMPARE(ReadSystemFile(u"JScript\\DateTime"_s, u".js"_s), u"var a;\r\nvar b;\r\n"_s);
        QCOMPARE(ReadSystemFile(u"jscript/datetime"_s, u".JS"_s), u"var a;\r\nvar b;\r\n"_s);
        QVERIFY(facades.dialogs.messages().isEmpty());

        facades.dialogs.answerMessage(MessageAnswer::Ok);
        QCOMPARE(ReadSystemFile(u"JScript\\Missing"_s, u".js"_s), QString());
        QCOMPARE(facades.dialogs.messagePrompts(),
                 QStringList{u'(' + dir.path() + u"/SystemFiles/JScript/missing.js)"_s + CrLf2
                             + u"This file cannot be found."_s});
    }

    void shippedSnippetsAreBesideTheProgram()
    {
        QVERIFY(AppPath().endsWith(u'/'));
        QVERIFY(QFileInfo::exists(AppPath() + u"files_test"_s));
        QVERIFY(!ExeStamp().isEmpty());
        QCOMPARE(ExeStamp(), ExeStamp());
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(QDir::tempPath()));
        QVERIFY(RestoreAppFolder());
        QCOMPARE(QDir::currentPath() + u'/', AppPath());
        QDir::setCurrent(before);
    }

    void windowsFolderIsThePerUserConfigFolder()
    {
        TestEnvironment environment;
        const QString folder = WindowsFolder();
        QCOMPARE(folder, environment.configHome() + u"/tavorin/"_s);
        QVERIFY(QFileInfo(folder).isDir());

        // A relative setting is ignored in favour of ~/.config.
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(environment.root()));
        qputenv("XDG_CONFIG_HOME", "relative/ignored");
        const QString fallback = WindowsFolder();
        qputenv("HOME", home);
        QCOMPARE(fallback, environment.root() + u"/.config/tavorin/"_s);
    }
};

QTEST_GUILESS_MAIN(FilesTest)
#include "files_test.moc"
