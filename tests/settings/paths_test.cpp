// Paths taken apart, compared, shortened and spelt as on disk; the command
// that puts a document's relative paths in lower case.

#include "settings/lowercasepaths.h"
#include "settings/paths.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testenvironment.h"

#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {

const QString Finished = u"Tavorin has finished searching the document. "_s;
const QString AllLower = Finished + u"All relative file paths are already in lower case."_s;
const QString NoneFound = Finished + u"No relative file paths were found."_s;
const QString OneChanged = Finished + u"1 relative file path was changed."_s;

} // namespace

class PathsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pathPredicates_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("unc");
        QTest::addColumn<bool>("drive");
        QTest::addColumn<QString>("driveOf");
        QTest::newRow("drive letter") << u"C:\\web\\a.htm"_s << false << true << u"C:\\"_s;
        QTest::newRow("leading blanks before UNC") << u"  \\\\server\\share\\a.htm"_s << true << false << u"\\\\s"_s;
        QTest::newRow("relative") << u"images\\a.gif"_s << false << false << u"ima"_s;
        QTest::newRow("linux") << u"/home/me/a.htm"_s << false << true << u"/"_s;
        QTest::newRow("tab is not a blank") << u"\t\\\\server"_s << false << false << u"\t\\\\"_s;
    }
    void pathPredicates()
    {
        QFETCH(QString, path);
        QFETCH(bool, unc);
        QFETCH(bool, drive);
        QFETCH(QString, driveOf);
        QCOMPARE(IsUNC(path), unc);
        QCOMPARE(HasDrive(path), drive);
        QCOMPARE(DriveOf(path), driveOf);
    }

    void pathParts_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("extension");
        QTest::newRow("anchor") << u"C:\\web\\a.htm#top"_s << u"C:\\web\\"_s << u"a.htm"_s << u"htm"_s;
        QTest::newRow("mixed separators") << u"C:\\web/docs\\b.html"_s << u"C:\\web/docs\\"_s << u"b.html"_s << u"html"_s;
        QTest::newRow("trailing blanks") << u"C:\\web\\a.htm  "_s << u"C:\\web\\"_s << u"a.htm"_s << u"htm"_s;
        QTest::newRow("no extension") << u"README"_s << QString() << u"README"_s << u"README"_s;
        QTest::newRow("folder") << u"/srv/web/"_s << u"/srv/web/"_s << QString() << u"/srv/web/"_s;
        QTest::newRow("linux backslash is part of a name") << u"/srv/a\\b.htm"_s << u"/srv/"_s << u"a\\b.htm"_s << u"htm"_s;
        QTest::newRow("relative backslash separates") << u"img\\a.gif"_s << u"img\\"_s << u"a.gif"_s << u"gif"_s;
    }
    void pathParts()
    {
        QFETCH(QString, path);
        QFETCH(QString, folder);
        QFETCH(QString, fileName);
        QFETCH(QString, extension);
        QCOMPARE(FolderOf(path), folder);
        QCOMPARE(FileNameOf(path), fileName);
        QCOMPARE(ExtensionOf(path), extension);
        QCOMPARE(QuotedFileName(path), u'"' + fileName + u'"');
    }

    void relativePath_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("relative");
        QTest::newRow("sibling folder") << u"C:\\web\\images\\pic.gif"_s << u"C:\\web\\docs\\page.htm"_s << u"..\\images\\pic.gif"_s;
        QTest::newRow("case-blind common part, target keeps case") << u"C:\\Web\\Images\\p.gif"_s << u"c:\\web\\docs\\page.htm"_s << u"..\\Images\\p.gif"_s;
        QTest::newRow("partial folder name does not count") << u"C:\\web\\docs2\\b.gif"_s << u"C:\\web\\docs\\a.htm"_s << u"..\\docs2\\b.gif"_s;
        QTest::newRow("document folder") << u"C:\\web\\img\\a.gif"_s << u"C:\\web\\"_s << u"img\\a.gif"_s;
        QTest::newRow("slash in windows document is not counted") << u"C:\\web\\a.gif"_s << u"C:\\web\\docs/p.htm"_s << u"a.gif"_s;
        QTest::newRow("linux compares case exactly") << u"/srv/Web/a.gif"_s << u"/srv/web/p.htm"_s << u"../Web/a.gif"_s;
        QTest::newRow("linux three up") << u"/a.gif"_s << u"/x/y/z/"_s << u"../../../a.gif"_s;
        QTest::newRow("linux backslash does not cut") << u"/x\\y"_s << u"/x\\z/p.htm"_s << u"../x\\y"_s;
    }
    void relativePath()
    {
        QFETCH(QString, target);
        QFETCH(QString, document);
        QFETCH(QString, relative);
        QCOMPARE(RelativePath(target, document), relative);
    }

    void shortenPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("shortened");
        const QString p46 = u"C:\\"_s + QString(37, u'a') + u"\\b.htm"_s;
        QTest::newRow("46 characters unchanged") << p46 << p46;
        QTest::newRow("long folder chain") << u"C:\\Documents and Settings\\someone\\My Documents\\Web\\index.htm"_s << u"C:\\Documents and Settings\\someone\\...\\index.htm"_s;
        QTest::newRow("long file name") << u"C:\\web\\"_s + QString(30, u'n') + u"-"_s + QString(20, u'm') + u".htm"_s << u"C:\\...\\"_s + QString(18, u'n') + u"..."_s + QString(15, u'm') + u".htm"_s;
        QTest::newRow("no separator") << QString(50, u'x') << u"x"_s + QString(19, u'x') + u"..."_s + QString(19, u'x');
        QTest::newRow("linux backslash in the file name") << u"/home/someone/Documents/my website/pages/a\\b.htm"_s << u"/home/someone/Documents/my website/.../a\\b.htm"_s;
    }
    void shortenPath()
    {
        QFETCH(QString, path);
        QFETCH(QString, shortened);
        QCOMPARE(ShortenPath(path), shortened);
        QVERIFY(ShortenPath(path).size() <= 47);
    }

    void linkSlashes()
    {
        QCOMPARE(ToLinkSlashes(u"images\\a.gif"_s), u"images/a.gif"_s);
        QCOMPARE(ToLinkSlashes(u"C:\\web\\a.htm"_s), u"C:/web/a.htm"_s);
        QCOMPARE(ToLinkSlashes(u"/srv/a\\b.gif"_s), u"/srv/a%5Cb.gif"_s);
        QCOMPARE(ToLinkSlashes(u"../x\\y"_s, u"/x\\y"_s), u"../x%5Cy"_s);
        QCOMPARE(ToLinkSlashes(u"x\\y"_s, u"C:\\x\\y"_s), u"x/y"_s);
    }

    void splitFileList_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("paths");
        QTest::newRow("two paths") << u"C:\\a.htm C:\\b.htm"_s << QStringList{u"C:\\a.htm "_s, u"C:\\b.htm"_s};
        QTest::newRow("quoted with blanks") << u"\"C:\\my web\\a.htm\" \"D:\\b.htm\""_s << QStringList{u"C:\\my web\\a.htm "_s, u"D:\\b.htm"_s};
        QTest::newRow("one path") << u"  C:\\a b.htm  "_s << QStringList{u"C:\\a b.htm"_s};
        QTest::newRow("linux blank inside a name") << u"/home/me/My Page.htm /tmp/x.htm"_s << QStringList{u"/home/me/My Page.htm"_s, u"/tmp/x.htm"_s};
        QTest::newRow("linux colon in a name") << u"/notes:v2.htm"_s << QStringList{u"/notes:v2.htm"_s};
    }
    void splitFileList()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, paths);
        QCOMPARE(SplitFileList(text), paths);
    }

    void splitArguments()
    {
        const QStringList arguments{u"/srv/web/a.htm"_s, u"b c.htm"_s, u"../up/d:e.htm"_s, u""_s,
                                    u"C:\\x.htm"_s};
        QCOMPARE(SplitFileList(arguments, u"/home/me/web"_s),
                 (QStringList{u"/srv/web/a.htm"_s, u"/home/me/web/b c.htm"_s, u"/home/me/up/d:e.htm"_s,
                              u"C:\\x.htm"_s}));
        QCOMPARE(SplitFileList(QStringList{u"a.htm"_s}), QStringList{u"a.htm"_s});
    }

    void pathsAsSpeltOnDisk()
    {
        TestEnvironment env;
        const QString root = env.root();
        env.writeFile(u"Web/Images/Logo.GIF"_s, "");
        QCOMPARE(TrueCasePath(root + u"/web/images/logo.gif"_s), root + u"/Web/Images/Logo.GIF"_s);
        QCOMPARE(TrueCasePath(root + u"/WEB/images/"_s), root + u"/Web/Images/"_s);
        for (const QString &unchanged : {root + u"/web/nothing/logo.gif"_s, u"relative/a.htm"_s, u"Q:\\no\\such.htm"_s})
            QCOMPARE(TrueCasePath(unchanged), unchanged);
        QCOMPARE(ResolveCaseBlind(root, u"WEB\\IMAGES\\logo.gif"_s), root + u"/Web/Images/Logo.GIF"_s);
        env.writeFile(u"Web/a\\b.gif"_s, "");
        QCOMPARE(TrueCasePath(root + u"/web/A\\B.gif"_s), root + u"/Web/a\\b.gif"_s);
        QCOMPARE(ResolveCaseBlind(root, u"web/none/a.js"_s), root + u"/Web/none/a.js"_s);
        // An exact spelling wins over a case-blind match.
        env.writeFile(u"a.htm"_s, "");
        env.writeFile(u"A.htm"_s, "");
        QCOMPARE(TrueCasePath(root + u"/A.htm"_s), root + u"/A.htm"_s);
        QCOMPARE(TrueCasePath(root + u"/a.htm"_s), root + u"/a.htm"_s);
    }

    void lowerCasePaths_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("message");
        QTest::newRow("anchor keeps its case") << u"<A HREF=\"Page.htm#Part2\">x</A>"_s
                                               << u"<A HREF=\"page.htm#Part2\">x</A>"_s << OneChanged;
        QTest::newRow("address left alone") << u"<A HREF=\"http://Example.COM/A.htm\">"_s
                                            << u"<A HREF=\"http://Example.COM/A.htm\">"_s << NoneFound;
        QTest::newRow("anchor reference left alone") << u"<A HREF=\"#Top\">"_s << u"<A HREF=\"#Top\">"_s << NoneFound;
        QTest::newRow("script call left alone") << u"<A HREF=\"Go(1)\">"_s << u"<A HREF=\"Go(1)\">"_s << NoneFound;
        QTest::newRow("already lower case") << u"<IMG SRC=a.gif>"_s << u"<IMG SRC=a.gif>"_s << AllLower;
        QTest::newRow("three kinds") << u"<BODY BACKGROUND=\"Back.JPG\"><IMG SRC=A.gif><A HREF='B.htm'>"_s
                                     << u"<BODY BACKGROUND=\"back.jpg\"><IMG SRC=a.gif><A HREF='b.htm'>"_s
                                     << Finished + u"3 relative file paths were changed."_s;
        QTest::newRow("empty value skipped") << u"<IMG SRC=\"\"> <IMG SRC=X.gif>"_s
                                             << u"<IMG SRC=\"\"> <IMG SRC=x.gif>"_s << OneChanged;
        QTest::newRow("word without = is not an attribute") << u"<P>The src of Pics</P><IMG SRC=Pics/A.gif>"_s
                                                            << u"<P>The src of Pics</P><IMG SRC=pics/a.gif>"_s
                                                            << OneChanged;
        QTest::newRow("unicode letters keep their length") << u"<IMG SRC=\"Ärger/STRASSE.gif\">"_s
                                                           << u"<IMG SRC=\"ärger/strasse.gif\">"_s << OneChanged;
        // The value is rewritten where it was read, never at an earlier or
        // later stretch of text that happens to hold the same letters.
        QTest::newRow("value equal to the start of the attribute name") << u"<a HREF=H>"_s << u"<a HREF=h>"_s
                                                                        << OneChanged;
        QTest::newRow("value equal to a letter of the attribute name") << u"<IMG SRC=S>"_s << u"<IMG SRC=s>"_s
                                                                       << OneChanged;
        QTest::newRow("value read across quotes") << u"<IMG src=A\"B\"> AB stays"_s
                                                  << u"<IMG src=a\"b\"> AB stays"_s << OneChanged;
        QTest::newRow("same text in the link caption") << u"<A HREF=Page.htm>Page.htm</A>"_s
                                                       << u"<A HREF=page.htm>Page.htm</A>"_s << OneChanged;
    }
    void lowerCasePaths()
    {
        QFETCH(QString, text);
        QFETCH(QString, result);
        QFETCH(QString, message);
        const LowerCasePathsResult done = LowerCasePaths(text);
        QCOMPARE(done.text, result);
        QCOMPARE(done.message, message);
        QCOMPARE(done.changed(), text != result);
    }

    void reportIsAnInformationBox()
    {
        ScriptedFacades facades;
        facades.dialogs.answerMessage(MessageAnswer::Ok);
        ReportLowerCasePaths(LowerCasePaths(u"<IMG SRC=A.gif>"_s));
        const auto asked = facades.dialogs.messages();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0].prompt, OneChanged);
        QCOMPARE(asked[0].icon, MessageIcon::Information);
    }
};

QTEST_GUILESS_MAIN(PathsTest)
#include "paths_test.moc"
