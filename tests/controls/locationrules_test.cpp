// The location control's rules as tables: reading an address back, the
// service split, the anchors of a page and the finished attribute text.

#include "controls/locationrules.h"
#include "settings/files.h"
#include "settings/paths.h"
#include "tests/support/scripteddialogs.h"

#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {

// A document saved as /site/docs/page.htm among a few existing files;
// relative paths are computed without copying anything.
struct FakeSite {
    QString documentPath = u"/site/docs/page.htm"_s;
    QStringList files{u"/site/images/Logo.GIF"_s, u"/site/docs/a\\b.gif"_s, u"/site/x.htm"_s};
    bool saves = true;

    LocationContext context()
    {
        LocationContext result = FileSystemContext();
        result.documentPath = [this] { return documentPath; };
        result.saveDocument = [this] {
            if (saves)
                documentPath = u"/site/new.htm"_s;
            return saves;
        };
        result.fileExists = [this](const QString &path) { return files.contains(path); };
        result.pathExists = result.fileExists;
        result.makeRelative = [](const QString &target, const QString &folder, bool) {
            return RelativePath(target, folder);
        };
        return result;
    }
};

} // namespace

class LocationRulesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void setupWeb_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("service"); // "-" when the address is refused
        QTest::addColumn<QString>("location");
        QTest::newRow("mailto") << u"mailto:someone"_s << u"mailto:"_s << u"someone"_s;
        QTest::newRow("http") << u"http://server/a.htm"_s << u"http://"_s << u"server/a.htm"_s;
        QTest::newRow("unlisted service") << u"irc://x"_s << u"irc://"_s << u"x"_s;
        QTest::newRow("drive letter") << u"C:\\web\\index.htm"_s << u"file://"_s << u"C:/web/index.htm"_s;
        QTest::newRow("no colon") << u"a.htm"_s << u"-"_s << QString();
        QTest::newRow("site root") << u"/images/a.gif"_s << u"-"_s << QString();
        QTest::newRow("linux path with colon") << u"/tmp/a:b.htm"_s << u"-"_s << QString();
    }
    void setupWeb()
    {
        QFETCH(QString, path);
        QFETCH(QString, service);
        QFETCH(QString, location);
        const std::optional<WebAddress> address = SplitWebAddress(path);
        QCOMPARE(address.has_value(), service != u"-");
        if (address)
            QCOMPARE(*address, (WebAddress{service, location}));
    }

    void addressBoxAndInputs()
    {
        const QStringList services = QStringList{u"http://"_s} + ServiceEntries();
        QCOMPARE(SplitAddressText(u"  FTP://host/file"_s, services), (AddressChange{u"host/file"_s, u"ftp://"_s}));
        QCOMPARE(SplitAddressText(u"news:  x"_s, services), (AddressChange{u"x"_s, u"news:"_s}));
        QCOMPARE(SplitAddressText(u"C:/web/a.htm"_s, services), (AddressChange{u"C:/web/a.htm"_s, u"file://"_s}));
        QCOMPARE(SplitAddressText(u"www.x.org"_s, services), (AddressChange{u"www.x.org"_s, QString()}));
        QCOMPARE(LocationInputText(u" #top "_s), u"top"_s);
        QCOMPARE(LocationInputText(u"pics\\a.gif"_s), u"pics/a.gif"_s);
        QCOMPARE(LocationInputText(u"/srv/a\\b.gif"_s), u"/srv/a\\b.gif"_s);
        QCOMPARE(BrowseTitle(LocationStyle::LocalFile, 4), u"Relative Path For Local Image File..."_s);
        QCOMPARE(BrowseTitle(LocationStyle::Web, 5), u"Absolute Path For Intranet Sound File..."_s);
        QCOMPARE(BrowseTitle(LocationStyle::Anchor, 2), u"Relative Path For Local File..."_s);
    }

    void anchorNames()
    {
        QCOMPARE(AnchorNames(u"<a name=one>1</a> <a name=\"two\">2</a> <A HREF=\"#one\">"_s),
                 (QStringList{u"one"_s, u"two"_s}));
        const QString longName = QString(40, u'n');
        QCOMPARE(AnchorNames(u"<A NAME=\""_s + longName + u"\">x</A>"_s), QStringList{QString(31, u'n')});
        QCOMPARE(AnchorNames(u"<A NAME=x>"_s).size(), 1);
        QCOMPARE(AnchorNames(u"<A NAME=>"_s).size(), 0);
    }

    void processLocation_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("location");
        QTest::addColumn<QString>("service");
        QTest::addColumn<bool>("allowBlank");
        QTest::addColumn<QString>("result"); // "~" when the host must stay open
        QTest::addColumn<QString>("message");
        const QString http = u"http://"_s, file = u"file://"_s;
        QTest::newRow("relative, lowered") << 0 << u"images/Logo.GIF"_s << http << false << u"images/logo.gif"_s << QString();
        QTest::newRow("anchor part keeps its case") << 0 << u"pics\\a.gif#X"_s << http << false << u"pics/a.gif#X"_s << QString();
        QTest::newRow("full path made relative") << 0 << u"/site/images/Logo.GIF#Top"_s << http << false << u"../images/logo.gif#Top"_s << QString();
        QTest::newRow("backslash of a linux name") << 0 << u"/site/docs/a\\b.gif"_s << http << false << u"a%5cb.gif"_s << QString();
        QTest::newRow("site-root address as typed") << 0 << u"/Images/a.gif"_s << http << false << u"/images/a.gif"_s << QString();
        QTest::newRow("anchor") << 1 << u"top"_s << http << false << u"top"_s << QString();
        QTest::newRow("address") << 2 << u"www.x.org/a\\B.htm"_s << http << false << u"http://www.x.org/a/B.htm"_s << QString();
        QTest::newRow("existing file address") << 2 << u"/site/x.htm"_s << file << false << u"file:///site/x.htm"_s << QString();
        QTest::newRow("missing file address") << 2 << u"/none.htm"_s << file << false << u"~"_s << u"(/none.htm)\r\n\r\nThis file does not exist."_s;
        QTest::newRow("network path") << 0 << u"\\\\server\\a.gif"_s << http << false << u"~"_s << u"(\\\\server\\a.gif)\r\n\r\nThis path is in UNC format. Sorry, but UNC paths are " u"not supported by this application.\r\nTavorin can only access files on a " u"network via mapped network drives."_s;
        QTest::newRow("empty file") << 0 << QString() << http << false << u"~"_s << u"Please enter the path of the local file to be used."_s;
        QTest::newRow("empty anchor") << 1 << QString() << http << false << u"~"_s << u"Please enter the name of the anchor to be used."_s;
        QTest::newRow("empty address") << 2 << QString() << http << false << u"~"_s << u"Please enter the address to be used."_s;
        QTest::newRow("blank allowed") << 2 << QString() << http << true << QString() << QString();
        QTest::newRow("no location") << 3 << u"x"_s << http << false << QString() << QString();
    }
    void processLocation()
    {
        QFETCH(int, style);
        QFETCH(QString, location);
        QFETCH(QString, service);
        QFETCH(bool, allowBlank);
        QFETCH(QString, result);
        QFETCH(QString, message);
        ScriptedFacades facades;
        if (!message.isEmpty())
            facades.dialogs.answerMessage(MessageAnswer::Ok);
        FakeSite site;
        const TypedLocation typed{LocationStyle(style), location, service, true, false};
        const std::optional<QString> processed = ProcessLocation(typed, allowBlank, site.context());
        QCOMPARE(processed.value_or(u"~"_s), result);
        QCOMPARE(facades.dialogs.messagePrompts(), message.isEmpty() ? QStringList() : QStringList{message});
        QVERIFY(facades.dialogs.problems().isEmpty());
    }

    // An untitled document must be saved before a path can be relative to it.
    void untitledDocumentIsSavedFirst()
    {
        ScriptedFacades facades;
        FakeSite site;
        site.documentPath.clear();
        const TypedLocation typed{LocationStyle::LocalFile, u"/site/x.htm"_s, {}, false, false};
        facades.dialogs.answerMessage(MessageAnswer::No);
        QVERIFY(!ProcessLocation(typed, false, site.context()));
        site.saves = false;
        facades.dialogs.answerMessage(MessageAnswer::Yes);
        QVERIFY(!ProcessLocation(typed, false, site.context()));
        site.saves = true;
        facades.dialogs.answerMessage(MessageAnswer::Yes);
        QCOMPARE(ProcessLocation(typed, false, site.context()), std::optional<QString>(u"x.htm"_s));
        QCOMPARE(facades.dialogs.messagePrompts(),
                 QStringList(3, u"The current document must be saved so that relative file locations can be "
                                u"calculated.\r\nDo you want to save it now?"_s));
        QCOMPARE(facades.dialogs.messages().first().icon, MessageIcon::Question);
        QVERIFY(facades.dialogs.problems().isEmpty());
    }
};

QTEST_GUILESS_MAIN(LocationRulesTest)
#include "locationrules_test.moc"
