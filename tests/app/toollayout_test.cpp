#include "app/toollayout.h"
#include "app/toolmodel.h"
#include "tests/support/testenvironment.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {

// Every field of every tool and band, one line each, to compare layouts whole.
QStringList Fields(const BarLayout &layout)
{
    QStringList lines;
    for (const Tool &t : layout.tools) {
        lines.append(QStringList{t.key, t.name, t.commandText, t.category, t.caption, t.description, t.subBand, t.tag}
                         .join(u'|')
                     + u"|%1|%2|%3%4%5%6"_s.arg(t.documentCode).arg(t.identifier).arg(t.enabled).arg(t.checked)
                           .arg(t.visible).arg(t.beginsGroup));
    }
    for (const Band &b : layout.bands) {
        lines.append(u"%1|%2|%3|%4|%5|%6|"_s.arg(b.name, b.title).arg(int(b.kind)).arg(b.visible).arg(int(b.area))
                         .arg(b.line)
                     + b.tools.join(u','));
    }
    return lines;
}

} // namespace

class ToolLayoutTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void layoutsRoundTripThroughAFile()
    {
        // Recent files, changed states, odd characters and moved tool bars all survive.
        ToolModel model(BuiltInLayout());
        BuildRecentFileTools(model, {u"/home/me/tab\there.htm"_s, u"/home/me/back\\slash & more.htm"_s});
        SetDocumentToolsEnabled(model, false);
        model.SetChecked(u"mnuOptionsWordWrap"_s, true);
        model.SetCaption(u"mnuBrowser2"_s, u"Line\r\nbreak"_s);
        model.SetVisible(u"mnuBrowser2"_s, true);
        model.RemoveFromBand(u"tbarStandard"_s, u"mnuHelpContents"_s);
        model.SetBandPlace(u"tbarHeadings"_s, false, DockArea::Left, 3);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"WebUser.TB"_s);
        for (const BarLayout &layout : {BuiltInLayout(), model.layout()}) { // the second replaces the first
            QString error;
            QVERIFY2(SaveLayout(layout, path, &error), qPrintable(error));
            const std::optional<BarLayout> loaded = LoadLayout(path, &error);
            QVERIFY2(loaded, qPrintable(error));
            QCOMPARE(Fields(*loaded), Fields(layout));
        }
    }

    void windowItemsAreDroppedAndWindowsLineEndsRead()
    {
        ToolModel model(BuiltInLayout());
        BuildWindowList(model, {u"a.htm"_s, u"b.htm"_s}, 1);
        const std::optional<BarLayout> loaded =
            LayoutFromText(LayoutToText(model.layout()).replace(u"\n"_s, u"\r\n"_s));
        QVERIFY(loaded);
        QCOMPARE(Fields(*loaded), Fields(BuiltInLayout()));
    }

    void damagedFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("content");
        const QByteArray good = LayoutToText(BuiltInLayout()).toUtf8();
        const qsizetype middle = good.indexOf("\nband\t");
        // The first tool line with one field replaced.
        const auto withToolField = [&good](int field, const QByteArray &value) {
            QList<QByteArray> lines = good.split('\n');
            QList<QByteArray> fields = lines[1].split('\t');
            fields[field] = value;
            lines[1] = fields.join('\t');
            return lines.join('\n');
        };
        QTest::newRow("binary") << QByteArray("\x00\x01\x02\xff\xfe", 5);
        QTest::newRow("other version") << QByteArray(good).replace("Layout\t1", "Layout\t2");
        QTest::newRow("truncated") << good.left(middle);
        QTest::newRow("bad flags") << withToolField(11, "1x01");
        QTest::newRow("counts disagree") << QByteArray(good).replace("\nend\t", "\nend\t1");
        QTest::newRow("bad escape") << QByteArray(good).replace("Creates a new HTML", "Creates a \\q");
        QTest::newRow("lines after end") << good + "tool\textra\n";
        QTest::newRow("unknown record") << QByteArray(good).insert(middle + 1, "menu\tx\n");
    }
    void damagedFilesAreRefused()
    {
        QFETCH(QByteArray, content);
        TestEnvironment env;
        QString error;
        QVERIFY(!LoadLayout(env.writeFile(u"WebUser.TB"_s, content), &error));
        QVERIFY(!error.isEmpty());
    }

    // A chain of sub-menus: the built-in layout with a chain of `depth`
    // bands hung below the File menu, the last one opening `loopsTo` ("" for none).
    static BarLayout Chained(int depth, const QString &loopsTo = {})
    {
        BarLayout layout = BuiltInLayout();
        const auto link = [&layout](const QString &key, const QString &opens) {
            Tool opener;
            opener.key = opener.name = key;
            opener.caption = u"Chain"_s;
            opener.subBand = opens;
            layout.tools.append(opener);
        };
        for (int i = 0; i < depth; ++i) {
            link(u"mnuChainOpen%1"_s.arg(i), i + 1 < depth ? u"mnuChain%1"_s.arg(i + 1) : loopsTo);
            Band band;
            band.name = u"mnuChain%1"_s.arg(i);
            band.tools = {u"mnuChainOpen%1"_s.arg(i)};
            layout.bands.append(band);
        }
        link(u"mnuChainStart"_s, u"mnuChain0"_s);
        layout.bands.first().tools.append(u"mnuChainStart"_s);
        return layout;
    }

    // Sub-menus are walked without recursion: a chain of sixty thousand
    // bands (a crafted file) is refused, not a crash, as is a loop at its
    // far end; a chain as deep as menus may go is accepted.
    void deepSubMenuChains()
    {
        QCOMPARE(LayoutProblem(Chained(31)), QString()); // the menu bar, then 31 more: 32
        QVERIFY(LayoutProblem(Chained(32)).contains(u"32 deep"_s));
        QVERIFY(LayoutProblem(Chained(60000)).contains(u"deep"_s));
        QVERIFY(LayoutProblem(Chained(20, u"mnuChain0"_s)).contains(u"opens itself again"_s));
        TestEnvironment env;
        QVERIFY(!LoadLayout(env.writeFile(u"WebUser.TB"_s, LayoutToText(Chained(60000)).toUtf8())));
    }

    void missingFileAndUnwritablePathAreFailures()
    {
        QTemporaryDir dir;
        QString error;
        QVERIFY(!LoadLayout(dir.filePath(u"WebUser.TB"_s), &error));
        QVERIFY(!error.isEmpty());
        error.clear();
        QVERIFY(!SaveLayout(BuiltInLayout(), dir.filePath(u"no/such/folder/WebUser.TB"_s), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!SaveLayout(BuiltInLayout(), dir.path(), &error));
        QVERIFY(QFileInfo(dir.path()).isDir());
    }
};

QTEST_GUILESS_MAIN(ToolLayoutTest)
#include "toollayout_test.moc"
