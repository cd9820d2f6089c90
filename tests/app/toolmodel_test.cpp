#include "app/toolmodel.h"
#include "settings/paths.h"
#include "settings/preferences.h"

#include <QSet>
#include <QSignalSpy>
#include <QTest>

using namespace tavorin;
using namespace Qt::StringLiterals;

namespace {

QStringList Words(const QString &names)
{
    return names.split(u' ', Qt::SkipEmptyParts);
}

QStringList Numbered(const QString &prefix, int from, int to)
{
    QStringList names;
    for (int i = from; i <= to; ++i)
        names.append(prefix + QString::number(i));
    return names;
}

// The names of a band's tools, or the given field of each.
QStringList Field(const QList<const Tool *> &tools, QString Tool::*field = &Tool::name)
{
    QStringList values;
    for (const Tool *tool : tools)
        values.append(tool->*field);
    return values;
}

QStringList BuiltInBand(const QString &band)
{
    return Field(ToolModel(BuiltInLayout()).ToolsOfBand(band));
}

} // namespace

class ToolModelTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The built-in layout fits together: every sub-menu link leads to a menu
    // that exists, every menu can be reached, no menu uses an access key
    // twice, every tool is categorised and described, and only the recent
    // files wait outside the bands. Item families share one name and stand
    // in their band in order.
    void builtInLayoutIsSound()
    {
        const ToolModel model(BuiltInLayout());
        QCOMPARE(LayoutProblem(model.layout()), QString());
        QCOMPARE(model.FindBand(u"mnuMain"_s)->kind, BandKind::MenuBar);
        QSet<QString> reached{u"mnuPopUpEdit"_s}; // the context menu pops up by itself
        for (const Band &band : model.layout().bands) {
            QHash<QChar, QString> keys;
            for (const Tool *tool : model.ToolsOfBand(band.name)) {
                const QChar key = AccessKeyOf(tool->caption);
                QVERIFY2(band.kind == BandKind::ToolBar || key.isNull() || !keys.contains(key),
                         qPrintable(band.name + u": "_s + keys.value(key) + u" and "_s + tool->caption));
                keys.insert(key, tool->caption);
                if (tool->subBand.isEmpty())
                    continue;
                const Band *sub = model.FindBand(tool->subBand);
                QVERIFY2(sub && sub->kind == BandKind::PopUp, qPrintable(tool->key));
                reached.insert(sub->name);
            }
        }
        for (const Band &band : model.layout().bands)
            QVERIFY2(band.kind != BandKind::PopUp || reached.contains(band.name), qPrintable(band.name));
        QStringList outside;
        for (const Tool &tool : model.layout().tools) {
            QVERIFY2(!tool.category.isEmpty(), qPrintable(tool.key));
            QVERIFY2(!PlainCaption(tool.caption).isEmpty(), qPrintable(tool.key));
            // Reference guides get their location as description once defined.
            QVERIFY2(!tool.description.isEmpty() || tool.name.startsWith(u"mnuRefGuide"), qPrintable(tool.key));
            if (model.BandsHolding(tool.key).isEmpty())
                outside.append(tool.name);
        }
        QCOMPARE(outside, Numbered(u"mnuFileRecent"_s, 1, 9));
        QCOMPARE(model.ToolsNamed(u"mnuSpecialCharItem"_s), model.ToolsOfBand(u"mnuSpecialChar"_s));
        QCOMPARE(model.ToolsNamed(u"mnuColourItem"_s), model.ToolsOfBand(u"mnuColour"_s));
    }

    void captionTexts()
    {
        const QList<QStringList> cases{// caption, as shown, access key
                                       {u"P&re-Defined..."_s, u"Pre-Defined..."_s, u"r"_s},
                                       {u"Page &Colours && Background"_s, u"Page Colours & Background"_s, u"c"_s},
                                       {u"A && B"_s, u"A & B"_s, QString()},
                                       {u"Odd&"_s, u"Odd"_s, QString()}};
        for (const QStringList &c : cases) {
            QCOMPARE(PlainCaption(c[0]), c[1]);
            const QChar found = AccessKeyOf(c[0]);
            QCOMPARE(found.isNull() ? QString() : QString(found), c[2]);
            QCOMPARE(PlainCaption(EscapeAmpersands(c[1])), c[1]);
        }
    }

    // Code 0 tools follow the open documents, code 2 tools only go off and
    // code 1 tools are left alone. The selection then switches Copy, Cut and
    // the case tools, even when only the case tools differ from it.
    void documentAndSelectionTools()
    {
        ToolModel model(BuiltInLayout());
        model.SetEnabled(u"mnuFileEditTemplate"_s, false); // code 1
        const auto enabled = [&model] {
            QStringList on;
            for (const QString &name : Words(u"mnuFileSave mnuEditCopy mnuCaseUpper mnuFileNew mnuFileEditTemplate"_s)) {
                if (model.IsEnabled(name))
                    on.append(name);
            }
            return on;
        };
        SetDocumentToolsEnabled(model, false);
        QCOMPARE(enabled(), Words(u"mnuFileNew"_s));
        QVERIFY(!model.ToolsNamed(u"mnuColourItem"_s).last()->enabled);
        SetDocumentToolsEnabled(model, true);
        QCOMPARE(enabled(), Words(u"mnuFileSave mnuCaseUpper mnuFileNew"_s));
        QVERIFY(model.ToolsNamed(u"mnuColourItem"_s).last()->enabled);
        for (const bool selected : {false, true, false}) {
            UpdateSelectionTools(model, selected);
            for (const QString &name : Words(u"mnuEditCopy mnuEditCut mnuCaseLower mnuCaseUpper mnuCaseTitle"_s))
                QVERIFY2(model.IsEnabled(name) == selected, qPrintable(name));
        }
        QVERIFY(!model.IsEnabled(u"mnuEditPaste"_s));
    }

    void simpleStateRules()
    {
        const QList<std::pair<QString, std::function<void(ToolModel &, bool)>>> rules{
            {u"mnuEditDelete mnuEditFind mnuEditFindNext mnuEditReplace mnuEditSelectAll mnuEditLowerCasePaths"_s,
             UpdateTextTools},
            {u"mnuEditUndo"_s, UpdateUndoTool},
            {u"mnuEditPaste"_s, UpdatePasteTool},
            {u"mnuFileEditTemplate"_s,
             [](ToolModel &m, bool on) { UpdateTemplateTool(m, on ? u"/t.htm"_s : QString()); }},
            {u"mnuFileCloseAll mnuFileSaveAll"_s, [](ToolModel &m, bool on) { UpdateFileMenuTools(m, on ? 2 : 1); }},
        };
        for (const auto &[tools, apply] : rules) {
            ToolModel model(BuiltInLayout());
            for (const bool on : {false, true, false}) {
                apply(model, on);
                for (const QString &name : Words(tools))
                    QVERIFY2(model.IsEnabled(name) == on, qPrintable(name));
            }
            for (const QString &name : Words(u"mnuFileNew mnuEditCopy mnuFileSave"_s))
                QVERIFY2(model.IsEnabled(name), qPrintable(tools + u" switched "_s + name));
        }
    }

    void browserAndGuideTools()
    {
        ToolModel model(BuiltInLayout());
        Preferences prefs;
        prefs.Browsers[1] = {u"Firefox"_s, u"/usr/bin/firefox"_s};
        prefs.Browsers[3] = {u"Named Only"_s, QString()};
        prefs.Browsers[4] = {u"Tom & Jerry"_s, u"/usr/bin/tj"_s};
        prefs.Guides[2] = {u"HTML 4"_s, u"/docs/html4.htm"_s};
        prefs.Guides[5] = {QString(), u"/docs/none.htm"_s};
        UpdateBrowserTools(model, prefs);
        UpdateUserGuideTools(model, prefs);
        QStringList shown;
        for (const Tool &tool : model.layout().tools) {
            if (tool.visible && (tool.name.startsWith(u"mnuBrowser") || tool.name.startsWith(u"mnuRefGuideUser")))
                shown.append(tool.name);
        }
        QCOMPARE(shown, Words(u"mnuBrowserDefault mnuBrowser1 mnuBrowser4 mnuRefGuideUser2"_s));
        QCOMPARE((QStringList{model.FindTool(u"mnuBrowser1"_s)->caption, PlainCaption(model.FindTool(u"mnuBrowser4"_s)->caption),
                              model.FindTool(u"mnuRefGuideUser2"_s)->description}),
                 (QStringList{u"Firefox"_s, u"Tom & Jerry"_s, u"/docs/html4.htm"_s}));
        prefs.Browsers[1] = {};
        UpdateBrowserTools(model, prefs);
        QVERIFY(!model.FindTool(u"mnuBrowser1"_s)->visible);

        // A system guide needs a name and a location.
        SetSystemGuideTools(model, {QString(40, u'x'), QString(), u"CSS"_s}, {u"/a.htm"_s, u"/b.htm"_s, QString()});
        const Tool *first = model.FindTool(u"mnuRefGuideSystem1"_s);
        QCOMPARE((QStringList{first->caption, first->description}), (QStringList{QString(30, u'x'), u"/a.htm"_s}));
        QVERIFY(first->visible && !model.FindTool(u"mnuRefGuideSystem2"_s)->visible);
        QVERIFY(!model.FindTool(u"mnuRefGuideSystem3"_s)->visible);
    }

    void recentFiles()
    {
        const QList<std::pair<QStringList, int>> cases{
            {Numbered(u"/home/me/web/page"_s, 1, 10), 9}, // ten keep nine
            {{u"/web/tom&jerry.htm"_s, QString(), u"/c.htm"_s}, 1}, // stops at the empty one
        };
        for (const auto &[paths, listed] : cases) {
            ToolModel model(BuiltInLayout());
            // A longer list first: rebuilding must drop what is no longer there.
            BuildRecentFileTools(model, Numbered(u"/old/file"_s, 1, 9));
            BuildRecentFileTools(model, paths);
            QStringList expected = BuiltInBand(u"mnuFile"_s);
            QCOMPARE(expected.takeLast(), u"mnuFileExit"_s);
            expected += Numbered(u"mnuFileRecent"_s, 1, listed) + QStringList{u"mnuFileExit"_s};
            QCOMPARE(Field(model.ToolsOfBand(u"mnuFile"_s)), expected);
            for (int i = 1; i <= listed; ++i) {
                const Tool *tool = model.FindTool(u"mnuFileRecent%1"_s.arg(i));
                QCOMPARE(AccessKeyOf(tool->caption), QString::number(i).front());
                QCOMPARE(PlainCaption(tool->caption), u"%1 "_s.arg(i) + ShortenPath(paths[i - 1]));
                QCOMPARE(tool->tag, paths[i - 1]);
                QCOMPARE(tool->beginsGroup, i == 1);
            }
        }
    }

    void windowListForElevenDocuments()
    {
        ToolModel model(BuiltInLayout());
        const QStringList arrangements = BuiltInBand(u"mnuWindow"_s);
        BuildWindowList(model, {u"first.htm"_s, u"second.htm"_s}, 0);
        BuildWindowList(model, Numbered(u"Untitled"_s, 1, 11), 2);
        QCOMPARE(Field(model.ToolsOfBand(u"mnuWindow"_s)), arrangements + QStringList(11, u"WindowListItem"_s));
        const QList<const Tool *> items = model.ToolsNamed(u"WindowListItem"_s);
        for (int i = 0; i < items.size(); ++i) {
            const QString caption = u"Untitled%1"_s.arg(i + 1);
            QCOMPARE(items[i]->caption, i < 9 ? u"&%1 "_s.arg(i + 1) + caption : caption);
            QCOMPARE(items[i]->identifier, i == 2 ? 20002 : 20001);
            QCOMPARE(items[i]->commandText, u"Window%1"_s.arg(i + 1));
            QCOMPARE(items[i]->beginsGroup, i == 0);
        }
        BuildWindowList(model, {}, -1);
        QCOMPARE(Field(model.ToolsOfBand(u"mnuWindow"_s)), arrangements);
    }

    void contextEditTool()
    {
        const QList<std::pair<QString, QString>> cases{
            {u"  <img src=\"a.gif\">  "_s, u"Embedded Image"_s},
            {u"<A NAME=\"top\"></A>"_s, u"Anchor"_s},
            {u"<A HREF=\"a.htm\">A</A>"_s, u"Link"_s},
            {u"<A HREF=\"a.htm\"><IMG SRC=\"a.gif\"></A>"_s, u"Embedded Image"_s},
            {u"<META    http-equiv=\"refresh\" CONTENT=\"5\">"_s, u"Timer Auto-Load"_s},
            {u"<META NAME=\"Author\">"_s, QString()},
            {u"<META"_s, QString()},
            {u"news:comp.lang"_s, u"Quick Link"_s},
            {u"www.example.com"_s, QString()},
        };
        for (const auto &[selection, command] : cases) {
            ToolModel model(BuiltInLayout());
            PrepareContextEditTool(model, selection);
            const Tool *tool = model.FindTool(u"mnuContextEdit"_s);
            QVERIFY2(tool->enabled == !command.isEmpty(), qPrintable(selection));
            if (command.isEmpty())
                continue;
            const QStringList shown{tool->commandText, tool->caption, tool->description};
            QCOMPARE(shown, (command == u"Quick Link" ? QStringList{command, u"&Quick Link"_s, u"Formats the selected URL as a link to itself"_s}
                                                      : QStringList{command, u"&Edit Selected Tags..."_s, u"Opens the appropriate form for editing the selected tags"_s}));
        }
    }

    void sharedToolHasOneStateAndAnnouncesIt()
    {
        ToolModel model(BuiltInLayout());
        QCOMPARE(model.BandsHolding(u"mnuEditCut"_s), Words(u"tbarStandard mnuEdit mnuPopUpEdit"_s));
        QSignalSpy changed(&model, &ToolModel::toolChanged);
        QSignalSpy bands(&model, &ToolModel::bandChanged);
        QVERIFY(model.SetEnabled(u"mnuEditCut"_s, false));
        QCOMPARE(changed, QList<QVariantList>{{u"mnuEditCut"_s}});
        QVERIFY(!model.ToolsOfBand(u"mnuPopUpEdit"_s)[1]->enabled);
        QVERIFY(!model.SetEnabled(u"mnuNoSuchTool"_s, false));
        // A separator change rebuilds every band the tool stands in.
        model.ChangeTool(u"mnuEditCut"_s, [](Tool &tool) { tool.beginsGroup = !tool.beginsGroup; });
        QCOMPARE(bands.size(), 3);
    }

    void bandEditing()
    {
        ToolModel model(BuiltInLayout());
        const QStringList edit = BuiltInBand(u"mnuEdit"_s);
        for (const auto &[band, tool] : {std::pair{u"mnuEdit"_s, u"mnuEditCut"_s} /* already there */,
                                         std::pair{u"mnuNoBand"_s, u"mnuEditCut"_s}, std::pair{u"mnuEdit"_s, u"mnuNoTool"_s}})
            QVERIFY2(!model.InsertInBand(band, tool), qPrintable(band + u' ' + tool));
        QVERIFY(model.InsertInBand(u"mnuEdit"_s, u"mnuFileNew"_s, 0));
        QCOMPARE(Field(model.ToolsOfBand(u"mnuEdit"_s)), QStringList{u"mnuFileNew"_s} + edit);
        QVERIFY(model.RemoveFromBand(u"mnuEdit"_s, u"mnuFileNew"_s));
        QCOMPARE(Field(model.ToolsOfBand(u"mnuEdit"_s)), edit);
        Tool extra;
        extra.name = u"mnuExtra"_s;
        QVERIFY(model.AddTool(extra) && !model.AddTool(extra)); // the second has the same key
        QVERIFY(model.InsertInBand(u"mnuEdit"_s, u"mnuExtra"_s));
        QVERIFY(model.RemoveTool(u"mnuExtra"_s));
        QVERIFY(model.BandsHolding(u"mnuExtra"_s).isEmpty());
        QCOMPARE(model.ToolByKey(u"mnuExtra"_s), nullptr);
    }

    void damagedLayoutsAreNamed()
    {
        const auto subBand = [](BarLayout &layout, const QString &name, const QString &band) {
            std::find_if(layout.tools.begin(), layout.tools.end(), [&](const Tool &t) { return t.name == name; })->subBand = band;
        };
        const QList<std::pair<const char *, std::function<void(BarLayout &)>>> damages{
            {"duplicate key", [](BarLayout &l) { l.tools.append(l.tools.first()); }},
            {"unknown tool in band", [](BarLayout &l) { l.bands[3].tools.append(u"mnuGhost"_s); }},
            {"unknown sub-band", [&](BarLayout &l) { subBand(l, u"mnuFormatCase"_s, u"mnuGhost"_s); }},
            {"menus open each other", [&](BarLayout &l) { subBand(l, u"mnuCaseLower"_s, u"mnuFormat"_s); }},
            {"no menu bar", [](BarLayout &l) { l.bands.removeFirst(); }},
        };
        for (const auto &[name, damage] : damages) {
            BarLayout layout = BuiltInLayout();
            damage(layout);
            QVERIFY2(!LayoutProblem(layout).isEmpty(), name);
        }
    }

    void shortcutsLeaveTheTextBoxKeysAlone()
    {
        const ToolModel model(BuiltInLayout());
        QSet<QString> keys;
        for (const ToolShortcut &shortcut : ToolShortcuts()) {
            QVERIFY2(model.FindTool(shortcut.toolName), qPrintable(shortcut.toolName));
            QVERIFY2(!TextBoxKeys().contains(shortcut.keys, Qt::CaseInsensitive), qPrintable(shortcut.keys));
            QVERIFY2(!keys.contains(shortcut.keys), qPrintable(shortcut.keys));
            keys.insert(shortcut.keys);
        }
        QVERIFY(keys.contains(u"Ctrl+N"_s));
    }
};

QTEST_GUILESS_MAIN(ToolModelTest)
#include "toolmodel_test.moc"
