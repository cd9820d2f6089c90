#include "app/toollayout.h"
#include "app/toolmodel.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace tavorin;
using namespace Qt::StringLiterals;

namespace {

void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Compares every field of every tool and band.
void CompareLayouts(const BarLayout &actual, const BarLayout &expected)
{
    QCOMPARE(actual.tools.size(), expected.tools.size());
    for (qsizetype i = 0; i < expected.tools.size(); ++i) {
        const Tool &a = actual.tools[i];
        const Tool &e = expected.tools[i];
        QCOMPARE(a.key, e.key);
        QCOMPARE(a.name, e.name);
        QCOMPARE(a.commandText, e.commandText);
        QCOMPARE(a.category, e.category);
        QCOMPARE(a.caption, e.caption);
        QCOMPARE(a.description, e.description);
        QCOMPARE(a.enabled, e.enabled);
        QCOMPARE(a.checked, e.checked);
        QCOMPARE(a.visible, e.visible);
        QCOMPARE(a.beginsGroup, e.beginsGroup);
        QCOMPARE(a.documentCode, e.documentCode);
        QCOMPARE(a.subBand, e.subBand);
        QCOMPARE(a.tag, e.tag);
        QCOMPARE(a.identifier, e.identifier);
    }
    QCOMPARE(actual.bands.size(), expected.bands.size());
    for (qsizetype i = 0; i < expected.bands.size(); ++i) {
        const Band &a = actual.bands[i];
        const Band &e = expected.bands[i];
        QCOMPARE(a.name, e.name);
        QCOMPARE(a.title, e.title);
        QCOMPARE(a.kind, e.kind);
        QCOMPARE(a.tools, e.tools);
        QCOMPARE(a.visible, e.visible);
        QCOMPARE(a.area, e.area);
        QCOMPARE(a.line, e.line);
    }
}

} // namespace

class ToolLayoutTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void builtInLayoutRoundTrips()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Tavorin.TB"_s);
        QString error;
        QVERIFY(SaveLayout(BuiltInLayout(), path, &error));
        const std::optional<BarLayout> loaded = LoadLayout(path, &error);
        QVERIFY2(loaded, qPrintable(error));
        CompareLayouts(*loaded, BuiltInLayout());
    }

    void changedLayoutRoundTrips()
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
        QVERIFY(SaveLayout(model.layout(), path));
        const std::optional<BarLayout> loaded = LoadLayout(path);
        QVERIFY(loaded);
        CompareLayouts(*loaded, model.layout());
    }

    void windowListItemsAreNotKept()
    {
        ToolModel model(BuiltInLayout());
        BuildWindowList(model, {u"a.htm"_s, u"b.htm"_s}, 1);
        const std::optional<BarLayout> loaded = LayoutFromText(LayoutToText(model.layout()));
        QVERIFY(loaded);
        CompareLayouts(*loaded, BuiltInLayout());
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
        QByteArray unknownTool = good;
        unknownTool.replace("\tmnuFileExit\n", "\tmnuFileGhost\n");
        QByteArray wrongCount = good;
        wrongCount.replace("\nend\t", "\nend\t1");
        QByteArray badEscape = good;
        badEscape.replace("Creates a new HTML document", "Creates a \\q document");
        QByteArray afterEnd = good + "tool\textra\n";

        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a layout") << QByteArray("[Locations]\nUserData=UserFiles\n");
        QTest::newRow("other version") << QByteArray(good).replace("Layout\t1", "Layout\t2");
        QTest::newRow("truncated") << good.left(middle);
        QTest::newRow("no end line") << good.left(good.lastIndexOf("end\t"));
        QTest::newRow("bad flags") << withToolField(11, "1x01");
        QTest::newRow("short flags") << withToolField(11, "101");
        QTest::newRow("document code out of range") << withToolField(9, "5");
        QTest::newRow("identifier not a number") << withToolField(10, "x");
        QTest::newRow("empty key") << withToolField(1, "");
        QTest::newRow("unknown tool in band") << unknownTool;
        QTest::newRow("counts disagree") << wrongCount;
        QTest::newRow("bad escape") << badEscape;
        QTest::newRow("lines after end") << afterEnd;
        QTest::newRow("binary") << QByteArray("\x00\x01\x02\xff\xfe", 5);
        QTest::newRow("unknown record") << QByteArray(good).insert(middle + 1, "menu\tx\n");
    }
    void damagedFilesAreRefused()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"WebUser.TB"_s);
        WriteBytes(path, content);
        QString error;
        QVERIFY(!LoadLayout(path, &error));
        QVERIFY(!error.isEmpty());
    }

    void windowsLineEndsAreRead()
    {
        QByteArray text = LayoutToText(BuiltInLayout()).toUtf8();
        text.replace("\n", "\r\n");
        const std::optional<BarLayout> loaded = LayoutFromText(QString::fromUtf8(text));
        QVERIFY(loaded);
        CompareLayouts(*loaded, BuiltInLayout());
    }

    void missingFileIsAFailure()
    {
        QTemporaryDir dir;
        QString error;
        QVERIFY(!LoadLayout(dir.filePath(u"WebUser.TB"_s), &error));
        QVERIFY(!error.isEmpty());
    }

    void unwritablePathIsAFailure()
    {
        QTemporaryDir dir;
        QString error;
        QVERIFY(!SaveLayout(BuiltInLayout(), dir.filePath(u"no/such/folder/WebUser.TB"_s), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!SaveLayout(BuiltInLayout(), dir.path(), &error));
        QVERIFY(QFileInfo(dir.path()).isDir());
    }
};

QTEST_GUILESS_MAIN(ToolLayoutTest)
#include "toollayout_test.moc"
