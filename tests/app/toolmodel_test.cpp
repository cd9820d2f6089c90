#include "app/toolmodel.h"
#include "html/entities.h"
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
    // files wait outside the bands.
    void builtInLayoutIsSound()
    {
        const ToolModel model(BuiltInLayout());
        QCOMPARE(LayoutProblem(model.layout()), QString());
        QCOMPARE(model.FindBand(u"mnuMain"_s)->kind, BandKind::MenuBar);
        QSet<QString> reached{u"mnuPopUpEdit"_s}; // the context menu pops up by itself
        QStringList toolBars;
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
            if (band.kind == BandKind::ToolBar)
                toolBars.append(band.name);
        }
        for (const Band &band : model.layout().bands)
            QVERIFY2(band.kind != BandKind::PopUp || reached.contains(band.name), qPrintable(band.name));
        QCOMPARE(toolBars, Words(u"tbarStandard tbarWebPage tbarHeadings tbarTable tbarFrames"_s));
        const QSet<QString> categories{u"File"_s,   u"Edit"_s,    u"Insert"_s, u"Format"_s,
                                       u"Window"_s, u"Options"_s, u"Help"_s,   u"Built-In Menus"_s};
        QStringList outside;
        for (const Tool &tool : model.layout().tools) {
            QVERIFY2(categories.contains(tool.category), qPrintable(tool.key));
            QVERIFY2(!PlainCaption(tool.caption).isEmpty(), qPrintable(tool.key));
            // Reference guides get their location as description once defined.
            QVERIFY2(!tool.description.isEmpty() || tool.name.startsWith(u"mnuRefGuide"), qPrintable(tool.key));
            if (model.BandsHolding(tool.key).isEmpty())
                outside.append(tool.name);
        }
        QCOMPARE(outside, Numbered(u"mnuFileRecent"_s, 1, 9));
    }

    // A few orders, links and texts the menus are known by.
    void spotChecks()
    {
        const ToolModel model(BuiltInLayout());
        const QList<const Tool *> titles = model.ToolsOfBand(u"mnuMain"_s);
        QCOMPARE(Field(titles), Words(u"mnuMainFile mnuMainEdit mnuMainInsert mnuMainFormat mnuMainOptions "
                                      u"mnuMainWindow mnuMainHelp"_s));
        QCOMPARE(Field(titles, &Tool::subBand),
                 Words(u"mnuFile mnuEdit mnuInsert mnuFormat mnuOptions mnuWindow mnuHelp"_s));
        QCOMPARE(BuiltInBand(u"mnuPopUpEdit"_s), Words(u"mnuEditUndo mnuEditCut mnuEditCopy mnuEditPaste "
                                                       u"mnuEditDelete mnuEditSelectAll mnuFormatAppearance "
                                                       u"mnuEditFind mnuContextEdit"_s));
        const auto texts = [&model](const QString &name) {
            const Tool *tool = model.FindTool(name);
            return tool ? QStringList{tool->commandText, tool->caption, tool->description} : QStringList{};
        };
        QCOMPARE(texts(u"mnuFileNew"_s), (QStringList{u"New"_s, u"&New"_s, u"Creates a new HTML document"_s}));
        QCOMPARE(texts(u"mnuFormatLink"_s),
                 (QStringList{u"Link"_s, u"&Link..."_s,
                              u"Formats the selection as a link to a file, an anchor, an Intranet or the Internet"_s}));
        QCOMPARE(texts(u"mnuContextEdit"_s),
                 (QStringList{u"Edit Tags"_s, u"&Edit Selected Tags..."_s,
                              u"Opens the appropriate form for editing the selected tags"_s}));
        QCOMPARE(texts(u"mnuInsertPreForm"_s).first(), u"P&re-Defined..."_s);
        QCOMPARE(texts(u"mnuFileRecent4"_s), (QStringList{QString(), u"&4 "_s, u"Open this document"_s}));
        QCOMPARE(texts(u"mnuOrderedULetters"_s).first(), u"Ordered List (A,B,C...)"_s);
        QCOMPARE(texts(u"mnuOrderedLLetters"_s).first(), u"Ordered List (a,b,c...)"_s);
    }

    void itemFamilies()
    {
        const ToolModel model(BuiltInLayout());
        const QList<const Tool *> characters = model.ToolsOfBand(u"mnuSpecialChar"_s);
        QStringList entities;
        for (const CharacterEntity &entity : CharacterEntities())
            entities.append(entity.name);
        QCOMPARE(Field(characters, &Tool::commandText), entities + QStringList{u"ASCII Character"_s});
        QCOMPARE(model.ToolsNamed(u"mnuSpecialCharItem"_s), characters);
        const QList<const Tool *> colours = model.ToolsOfBand(u"mnuColour"_s);
        QCOMPARE(Field(colours, &Tool::commandText), Words(u"Aqua Black Blue Fuchsia Gray Green Lime Maroon Navy "
                                                           u"Olive Purple Red Silver Teal White Yellow"_s));
        QCOMPARE(model.ToolsNamed(u"mnuColourItem"_s), colours);
        QCOMPARE(colours.first()->description, u"Formats the selection with this colour"_s);
    }

    void captionTexts_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("key");
        QTest::newRow("leading") << u"&New"_s << u"New"_s << u"n"_s;
        QTest::newRow("inner") << u"P&re-Defined..."_s << u"Pre-Defined..."_s << u"r"_s;
        QTest::newRow("literal first") << u"Page &Colours && Background"_s << u"Page Colours & Background"_s << u"c"_s;
        QTest::newRow("literal only") << u"A && B"_s << u"A & B"_s << QString();
        QTest::newRow("trailing ampersand") << u"Odd&"_s << u"Odd"_s << QString();
    }
    void captionTexts()
    {
        QFETCH(QString, caption);
        QFETCH(QString, plain);
        QFETCH(QString, key);
        QCOMPARE(PlainCaption(caption), plain);
        const QChar found = AccessKeyOf(caption);
        QCOMPARE(found.isNull() ? QString() : QString(found), key);
        QCOMPARE(PlainCaption(EscapeAmpersands(plain)), plain);
    }

    // Code 2 and code 1 are the listed groups; every other tool is code 0.
    void documentCodes()
    {
        const QStringList code2 = Words(u"mnuEditCut mnuEditCopy mnuEditPaste mnuEditUndo mnuEditDelete "
                                        u"mnuEditSelectAll mnuEditFind mnuEditFindNext mnuEditReplace "
                                        u"mnuEditLowerCasePaths"_s);
        const QStringList code1 =
            Words(u"mnuMainFile mnuMainEdit mnuMainInsert mnuMainFormat mnuMainOptions mnuMainWindow mnuMainHelp "
                  u"mnuInsertBreak mnuInsertPageStructure mnuInsertDateTime mnuInsertJavaScript mnuInsertMeta "
                  u"mnuInsertPreForm mnuInsertSpecialChar mnuInsertUserInfo mnuFormatCase mnuFormatColour "
                  u"mnuFormatEffects mnuFormatHeading mnuFormatPosition mnuFormatStyle mnuFormatFrames "
                  u"mnuFormatTable mnuFormatList mnuListOrderedList mnuHelpRefGuide mnuFileNew "
                  u"mnuFileNewWithWizard mnuFileOpen mnuFileEditTemplate mnuFileExit mnuFileWebPageWizard "
                  u"mnuFramesWizard mnuHelpContents mnuHelpSearch mnuHelpAbout mnuOptionsSmartUpdates "
                  u"mnuOptionsTemplates mnuOptionsTooltips mnuOptionsWebPageWizard mnuOptionsWordWrap "
                  u"mnuOptionsPreferences"_s)
            + Numbered(u"mnuRefGuideSystem"_s, 1, 3) + Numbered(u"mnuRefGuideUser"_s, 1, 7)
            + Numbered(u"mnuFileRecent"_s, 1, 9);
        const ToolModel model(BuiltInLayout());
        for (const QString &name : code1 + code2)
            QVERIFY2(model.FindTool(name), qPrintable(name));
        for (const Tool &tool : model.layout().tools) {
            const int code = code2.contains(tool.name) ? 2 : code1.contains(tool.name) ? 1 : 0;
            QVERIFY2(tool.documentCode == code, qPrintable(tool.key));
        }
    }

    void documentToolsRule()
    {
        ToolModel model(BuiltInLayout());
        model.SetEnabled(u"mnuFileEditTemplate"_s, false); // code 1: never touched
        const auto enabled = [&model] {
            QStringList on;
            for (const QString &name : Words(u"mnuFileSave mnuEditCopy mnuCaseUpper mnuFileNew mnuMainEdit "
                                             u"mnuFileEditTemplate"_s)) {
                if (model.IsEnabled(name))
                    on.append(name);
            }
            return on;
        };
        SetDocumentToolsEnabled(model, false);
        QCOMPARE(enabled(), Words(u"mnuFileNew mnuMainEdit"_s));
        QVERIFY(!model.ToolsNamed(u"mnuColourItem"_s).last()->enabled);
        // Code 2 stays off until the selection says otherwise.
        SetDocumentToolsEnabled(model, true);
        QCOMPARE(enabled(), Words(u"mnuFileSave mnuCaseUpper mnuFileNew mnuMainEdit"_s));
        QVERIFY(model.ToolsNamed(u"mnuColourItem"_s).last()->enabled);
    }

    void selectionTools_data()
    {
        QTest::addColumn<bool>("documentsOpened");
        QTest::addColumn<bool>("hasSelection");
        QTest::newRow("selection after start") << false << true;
        QTest::newRow("no selection after start") << false << false;
        // With the first document the case tools come on while Copy stays off;
        // an empty selection must still switch them off.
        QTest::newRow("no selection, first document") << true << false;
        QTest::newRow("selection, first document") << true << true;
    }
    void selectionTools()
    {
        QFETCH(bool, documentsOpened);
        QFETCH(bool, hasSelection);
        ToolModel model(BuiltInLayout());
        SetDocumentToolsEnabled(model, false);
        if (documentsOpened)
            SetDocumentToolsEnabled(model, true);
        UpdateSelectionTools(model, hasSelection);
        for (const QString &name : Words(u"mnuEditCopy mnuEditCut mnuCaseLower mnuCaseUpper mnuCaseTitle"_s))
            QVERIFY2(model.IsEnabled(name) == hasSelection, qPrintable(name));
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

    void optionChecksFollowPreferences()
    {
        ToolModel model(BuiltInLayout());
        Preferences prefs;
        const QList<std::pair<QString, bool *>> options{
            {u"mnuOptionsTemplates"_s, &prefs.TemplatesOn}, {u"mnuOptionsWebPageWizard"_s, &prefs.PageWizard},
            {u"mnuOptionsSmartUpdates"_s, &prefs.SmartUpdates}, {u"mnuOptionsTooltips"_s, &prefs.ToolTips},
            {u"mnuOptionsWordWrap"_s, &prefs.WordWrap}};
        for (const auto &[tool, flag] : options) {
            *flag = true;
            UpdateOptionChecks(model, prefs);
            for (const Tool *option : model.ToolsOfBand(u"mnuOptions"_s))
                QVERIFY2(option->checked == (option->name == tool), qPrintable(option->name));
            *flag = false;
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
        QCOMPARE(model.FindTool(u"mnuBrowser1"_s)->caption, u"Firefox"_s);
        QCOMPARE(PlainCaption(model.FindTool(u"mnuBrowser4"_s)->caption), u"Tom & Jerry"_s);
        QCOMPARE(model.FindTool(u"mnuRefGuideUser2"_s)->description, u"/docs/html4.htm"_s);
        prefs.Browsers[1] = {};
        UpdateBrowserTools(model, prefs);
        QVERIFY(!model.FindTool(u"mnuBrowser1"_s)->visible);

        SetSystemGuideTools(model, {QString(40, u'x'), QString(), u"CSS"_s}, {u"/a.htm"_s, u"/b.htm"_s, u"/c.htm"_s});
        const QList<const Tool *> system{model.FindTool(u"mnuRefGuideSystem1"_s),
                                         model.FindTool(u"mnuRefGuideSystem2"_s),
                                         model.FindTool(u"mnuRefGuideSystem3"_s)};
        QCOMPARE(Field(system, &Tool::caption).first(), QString(30, u'x'));
        QCOMPARE(Field(system, &Tool::description).first(), u"/a.htm"_s);
        QCOMPARE((QList<bool>{system[0]->visible, system[1]->visible, system[2]->visible}),
                 (QList<bool>{true, false, true}));
    }

    void recentFiles_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<int>("listed");
        QTest::newRow("none") << QStringList{} << 0;
        QTest::newRow("one with an ampersand") << QStringList{u"/web/tom&jerry.htm"_s} << 1;
        QTest::newRow("ten keeps nine") << Numbered(u"/home/me/web/page"_s, 1, 10) << 9;
        QTest::newRow("stops at empty") << QStringList{u"/a.htm"_s, QString(), u"/c.htm"_s} << 1;
    }
    void recentFiles()
    {
        QFETCH(QStringList, paths);
        QFETCH(int, listed);
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
            QCOMPARE(tool->commandText, paths[i - 1]);
            QCOMPARE(tool->tag, paths[i - 1]);
            QCOMPARE(tool->beginsGroup, i == 1);
        }
    }

    void windowListForElevenDocuments()
    {
        ToolModel model(BuiltInLayout());
        const QStringList arrangements = BuiltInBand(u"mnuWindow"_s);
        BuildWindowList(model, {u"first.htm"_s, u"second.htm"_s}, 0);
        BuildWindowList(model, Numbered(u"Untitled"_s, 1, 11), 2);
        const QList<const Tool *> items = model.ToolsNamed(u"WindowListItem"_s);
        QCOMPARE(items.size(), 11);
        for (int i = 0; i < items.size(); ++i) {
            const QString caption = u"Untitled%1"_s.arg(i + 1);
            QCOMPARE(items[i]->caption, i < 9 ? u"&%1 "_s.arg(i + 1) + caption : caption);
            QCOMPARE(items[i]->identifier, i == 2 ? 20002 : 20001);
            QCOMPARE(items[i]->commandText, u"Window%1"_s.arg(i + 1));
            QCOMPARE(items[i]->tag, u"Window%1"_s.arg(i + 1));
            QCOMPARE(items[i]->beginsGroup, i == 0);
            QCOMPARE(items[i]->description, u"Switches to the window containing this document"_s);
        }
        QCOMPARE(Field(model.ToolsOfBand(u"mnuWindow"_s)), arrangements + QStringList(11, u"WindowListItem"_s));
        BuildWindowList(model, {}, -1);
        QCOMPARE(Field(model.ToolsOfBand(u"mnuWindow"_s)), arrangements);
        QVERIFY(model.ToolsNamed(u"WindowListItem"_s).isEmpty());
    }

    void contextEditTool_data()
    {
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("command");
        QTest::newRow("image lower case, spaces") << u"  <img src=\"a.gif\">  "_s << u"Embedded Image"_s;
        QTest::newRow("anchor") << u"<A NAME=\"top\"></A>"_s << u"Anchor"_s;
        QTest::newRow("link") << u"<A HREF=\"a.htm\">A</A>"_s << u"Link"_s;
        QTest::newRow("link around image") << u"<A HREF=\"a.htm\"><IMG SRC=\"a.gif\"></A>"_s << u"Embedded Image"_s;
        QTest::newRow("body") << u"<BODY BGCOLOR=\"White\">"_s << u"Page Colours & Background"_s;
        QTest::newRow("refresh, spaces") << u"<META    http-equiv=\"refresh\" CONTENT=\"5\">"_s << u"Timer Auto-Load"_s;
        QTest::newRow("other meta") << u"<META NAME=\"Author\">"_s << QString();
        QTest::newRow("bare meta") << u"<META"_s << QString();
        QTest::newRow("title") << u"<TITLE>Home</TITLE>"_s << u"Page Title"_s;
        QTest::newRow("no frames") << u"<NOFRAMES>"_s << u"Advanced Frames"_s;
        QTest::newRow("cell") << u"<td>"_s << u"Advanced Table"_s;
        QTest::newRow("news") << u"news:comp.lang"_s << u"Quick Link"_s;
        QTest::newRow("bare host") << u"www.example.com"_s << QString();
        QTest::newRow("empty") << QString() << QString();
    }
    void contextEditTool()
    {
        QFETCH(QString, selection);
        QFETCH(QString, command);
        ToolModel model(BuiltInLayout());
        PrepareContextEditTool(model, selection);
        const Tool *tool = model.FindTool(u"mnuContextEdit"_s);
        QCOMPARE(tool->enabled, !command.isEmpty());
        if (command.isEmpty())
            return;
        QCOMPARE(tool->commandText, command);
        const bool quick = command == u"Quick Link";
        QCOMPARE(tool->caption, quick ? u"&Quick Link"_s : u"&Edit Selected Tags..."_s);
        QCOMPARE(tool->description, quick ? u"Formats the selected URL as a link to itself"_s
                                          : u"Opens the appropriate form for editing the selected tags"_s);
    }

    void sharedToolHasOneStateAndAnnouncesIt()
    {
        ToolModel model(BuiltInLayout());
        QCOMPARE(model.BandsHolding(u"mnuEditCut"_s), Words(u"tbarStandard mnuEdit mnuPopUpEdit"_s));
        QSignalSpy changed(&model, &ToolModel::toolChanged);
        QSignalSpy bands(&model, &ToolModel::bandChanged);
        QVERIFY(model.SetEnabled(u"mnuEditCut"_s, false));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed[0][0].toString(), u"mnuEditCut"_s);
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
        QVERIFY(!model.InsertInBand(u"mnuEdit"_s, u"mnuEditCut"_s)); // already there
        QVERIFY(!model.InsertInBand(u"mnuNoBand"_s, u"mnuEditCut"_s));
        QVERIFY(!model.InsertInBand(u"mnuEdit"_s, u"mnuNoTool"_s));
        QVERIFY(model.InsertInBand(u"mnuEdit"_s, u"mnuFileNew"_s, 0));
        QCOMPARE(Field(model.ToolsOfBand(u"mnuEdit"_s)), QStringList{u"mnuFileNew"_s} + edit);
        QVERIFY(model.RemoveFromBand(u"mnuEdit"_s, u"mnuFileNew"_s));
        QCOMPARE(Field(model.ToolsOfBand(u"mnuEdit"_s)), edit);
        Tool extra;
        extra.name = u"mnuExtra"_s;
        QVERIFY(model.AddTool(extra));
        QVERIFY(!model.AddTool(extra));
        QVERIFY(model.InsertInBand(u"mnuEdit"_s, u"mnuExtra"_s));
        QVERIFY(model.RemoveTool(u"mnuExtra"_s));
        QVERIFY(model.BandsHolding(u"mnuExtra"_s).isEmpty());
        QCOMPARE(model.ToolByKey(u"mnuExtra"_s), nullptr);
    }

    void damagedLayoutsAreNamed()
    {
        const auto subBand = [](BarLayout &layout, const QString &name, const QString &band) {
            for (Tool &tool : layout.tools) {
                if (tool.name == name)
                    tool.subBand = band;
            }
        };
        const QList<std::pair<const char *, std::function<void(BarLayout &)>>> damages{
            {"duplicate key", [](BarLayout &l) { l.tools.append(l.tools.first()); }},
            {"unknown tool in band", [](BarLayout &l) { l.bands[3].tools.append(u"mnuGhost"_s); }},
            {"unknown sub-band", [&](BarLayout &l) { subBand(l, u"mnuFormatCase"_s, u"mnuGhost"_s); }},
            {"menu opens itself", [&](BarLayout &l) { subBand(l, u"mnuFormatCase"_s, u"mnuFormat"_s); }},
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
