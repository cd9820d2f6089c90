#include "app/activebar.h"
#include "app/toollayout.h"
#include "app/toolmodel.h"
#include "settings/preferences.h"

#include <QAction>
#include <QHelpEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>

using namespace tavorin;
using namespace Qt::StringLiterals;

namespace {

// A main window with the built-in layout realised on it.
struct Bench {
    QMainWindow window;
    ToolModel model{BuiltInLayout()};
    ActiveBar *bar = new ActiveBar(model, &window);
    QSignalSpy clicked{bar, &ActiveBar::toolClicked};

    QList<QAction *> actions(const QString &name) const { return window.findChildren<QAction *>(name); }

    QToolButton *button(const QString &toolBar, const QString &toolKey) const
    {
        for (QAction *action : bar->actionsOf(toolKey)) {
            if (action->parent() == bar->toolBar(toolBar))
                return qobject_cast<QToolButton *>(bar->toolBar(toolBar)->widgetForAction(action));
        }
        return nullptr;
    }

    QStringList clickedKeys() const
    {
        QStringList keys;
        for (const QList<QVariant> &call : clicked)
            keys.append(call[0].toString());
        return keys;
    }
};

QStringList ObjectNames(const QList<QAction *> &actions)
{
    QStringList names;
    for (const QAction *action : actions) {
        if (!action->isSeparator())
            names.append(action->objectName());
    }
    return names;
}

QStringList NamesOf(const QList<const Tool *> &tools)
{
    QStringList names;
    for (const Tool *tool : tools)
        names.append(tool->name);
    return names;
}

} // namespace

class ActiveBarTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyPlaceHasAnActionNamedAfterItsTool_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<int>("places");
        QTest::newRow("cut: tool bar, Edit menu, context menu") << u"mnuEditCut"_s << 3;
        QTest::newRow("new: File menu, tool bar") << u"mnuFileNew"_s << 2;
        QTest::newRow("page title: Format and Page Structure menus, tool bar") << u"mnuPageStructureTitle"_s << 3;
        QTest::newRow("heading: menu and tool bar") << u"mnuHeading3"_s << 2;
        QTest::newRow("colours") << u"mnuColourItem"_s << 16;
        QTest::newRow("recent files wait outside") << u"mnuFileRecent1"_s << 0;
    }
    void everyPlaceHasAnActionNamedAfterItsTool()
    {
        QFETCH(QString, tool);
        QFETCH(int, places);
        Bench bench;
        QCOMPARE(bench.actions(tool).size(), places);
    }

    void bandsBecomeMenusAndToolBars()
    {
        Bench bench;
        for (const Band &band : bench.model.layout().bands) {
            QList<QAction *> placed = bench.bar->actionsOfBand(band.name);
            QCOMPARE(ObjectNames(placed), NamesOf(bench.model.ToolsOfBand(band.name)));
            switch (band.kind) {
            case BandKind::MenuBar:
                QCOMPARE(bench.window.menuBar()->objectName(), band.name);
                break;
            case BandKind::PopUp:
                QVERIFY(bench.bar->menu(band.name));
                QCOMPARE(bench.bar->menu(band.name)->objectName(), band.name);
                break;
            case BandKind::ToolBar:
                QVERIFY(bench.bar->toolBar(band.name));
                QCOMPARE(bench.window.findChild<QToolBar *>(band.name), bench.bar->toolBar(band.name));
                QCOMPARE(bench.bar->toolBar(band.name)->windowTitle(), band.title);
                break;
            }
        }
        QCOMPARE(bench.window.findChildren<QToolBar *>().size(), 5);
    }

    void actionsShowTheToolsTexts()
    {
        Bench bench;
        QAction *newAction = bench.actions(u"mnuFileNew"_s).first();
        QCOMPARE(newAction->text(), u"&New"_s);
        QCOMPARE(newAction->toolTip(), u"New"_s);
        QCOMPARE(newAction->statusTip(), u"Creates a new HTML document"_s);

        QSignalSpy highlighted(bench.bar, &ActiveBar::toolHighlighted);
        bench.actions(u"mnuFormatLink"_s).first()->hover();
        QCOMPARE(highlighted.size(), 1);
        QCOMPARE(highlighted[0][0].toString(),
                 u"Formats the selection as a link to a file, an anchor, an Intranet or the Internet"_s);

        bench.model.SetCaption(u"mnuFileNew"_s, u"&Fresh"_s);
        for (QAction *action : bench.actions(u"mnuFileNew"_s))
            QCOMPARE(action->text(), u"&Fresh"_s);
    }

    void subBandsOpenAsSubMenus()
    {
        Bench bench;
        const QList<QAction *> titles = bench.bar->actionsOfBand(u"mnuMain"_s);
        QCOMPARE(titles.first()->menu(), bench.bar->menu(u"mnuFile"_s));
        QCOMPARE(bench.actions(u"mnuInsertSpecialChar"_s).first()->menu(), bench.bar->menu(u"mnuSpecialChar"_s));
        QToolButton *list = bench.button(u"tbarStandard"_s, u"mnuFormatList"_s);
        QVERIFY(list);
        QCOMPARE(list->popupMode(), QToolButton::MenuButtonPopup);
        QCOMPARE(list->defaultAction()->menu(), bench.bar->menu(u"mnuList"_s));
    }

    void clicksReportTheToolKey()
    {
        Bench bench;
        bench.actions(u"mnuFileSave"_s).first()->trigger();
        for (QAction *colour : bench.actions(u"mnuColourItem"_s)) {
            if (colour->text().remove(u'&') == u"Red")
                colour->trigger();
        }
        QToolButton *bold = bench.button(u"tbarStandard"_s, u"mnuFormatBold"_s);
        QVERIFY(bold);
        QTest::mouseClick(bold, Qt::LeftButton);
        QCOMPARE(bench.clickedKeys(),
                 (QStringList{u"mnuFileSave"_s, ItemKey(u"mnuColourItem"_s, u"Red"_s), u"mnuFormatBold"_s}));
    }

    void disabledToolsDoNotClick()
    {
        Bench bench;
        SetDocumentToolsEnabled(bench.model, false);
        for (QAction *action : bench.actions(u"mnuFormatBold"_s))
            QVERIFY(!action->isEnabled());
        for (QAction *action : bench.actions(u"mnuEditCopy"_s))
            QVERIFY(!action->isEnabled());
        QVERIFY(bench.actions(u"mnuFileNew"_s).first()->isEnabled());
        QTest::mouseClick(bench.button(u"tbarStandard"_s, u"mnuFormatBold"_s), Qt::LeftButton);
        bench.actions(u"mnuEditCopy"_s).first()->trigger();
        QVERIFY(bench.clicked.isEmpty());

        SetDocumentToolsEnabled(bench.model, true);
        UpdateSelectionTools(bench.model, true);
        for (QAction *action : bench.actions(u"mnuEditCopy"_s))
            QVERIFY(action->isEnabled());
    }

    void checkMarksFollowTheModelOnly()
    {
        Bench bench;
        Preferences prefs;
        prefs.WordWrap = true;
        UpdateOptionChecks(bench.model, prefs);
        QAction *wrap = bench.actions(u"mnuOptionsWordWrap"_s).first();
        QAction *templates = bench.actions(u"mnuOptionsTemplates"_s).first();
        QVERIFY(wrap->isChecked());
        QVERIFY(!templates->isChecked());
        // A click reports the tool; the mark changes only when the model says so.
        wrap->trigger();
        templates->trigger();
        QVERIFY(wrap->isChecked());
        QVERIFY(!templates->isChecked());
        QCOMPARE(bench.clickedKeys(), (QStringList{u"mnuOptionsWordWrap"_s, u"mnuOptionsTemplates"_s}));
        prefs.WordWrap = false;
        UpdateOptionChecks(bench.model, prefs);
        QVERIFY(!wrap->isChecked());
    }

    void hiddenToolsAreHidden()
    {
        Bench bench;
        QVERIFY(!bench.actions(u"mnuBrowser1"_s).first()->isVisible());
        Preferences prefs;
        prefs.Browsers[1] = {u"Firefox"_s, u"/usr/bin/firefox"_s};
        UpdateBrowserTools(bench.model, prefs);
        QAction *browser = bench.actions(u"mnuBrowser1"_s).first();
        QVERIFY(browser->isVisible());
        QCOMPARE(browser->text(), u"Firefox"_s);
    }

    void contextMenuPopsUpAndReportsItsOpening()
    {
        Bench bench;
        QSignalSpy opened(bench.bar, &ActiveBar::bandOpened);
        QMenu *context = bench.bar->menu(u"mnuPopUpEdit"_s);
        QVERIFY(context);
        QCOMPARE(ObjectNames(context->actions()),
                 (QStringList{u"mnuEditUndo"_s, u"mnuEditCut"_s, u"mnuEditCopy"_s, u"mnuEditPaste"_s,
                              u"mnuEditDelete"_s, u"mnuEditSelectAll"_s, u"mnuFormatAppearance"_s,
                              u"mnuEditFind"_s, u"mnuContextEdit"_s}));

        PrepareContextEditTool(bench.model, u"www.example.com"_s);
        QAction *edit = bench.actions(u"mnuContextEdit"_s).first();
        QVERIFY(!edit->isEnabled());
        PrepareContextEditTool(bench.model, u"http://www.example.com"_s);
        QVERIFY(edit->isEnabled());
        QCOMPARE(edit->text(), u"&Quick Link"_s);

        bench.bar->popUp(u"mnuPopUpEdit"_s, QPoint(10, 10));
        QTRY_VERIFY(context->isVisible());
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened[0][0].toString(), u"mnuPopUpEdit"_s);
        edit->trigger();
        context->close();
        QCOMPARE(bench.clickedKeys(), QStringList{u"mnuContextEdit"_s});
        QCOMPARE(bench.model.ToolByKey(bench.clickedKeys().first())->commandText, u"Quick Link"_s);
    }

    void menusFollowBandChanges()
    {
        Bench bench;
        // The Window menu's list is built while the menu opens.
        connect(bench.bar, &ActiveBar::bandOpened, bench.bar, [&bench](const QString &band) {
            if (band == u"mnuWindow")
                BuildWindowList(bench.model, {u"a.htm"_s, u"b.htm"_s, u"c.htm"_s}, 1);
        });
        QMenu *windowMenu = bench.bar->menu(u"mnuWindow"_s);
        windowMenu->popup(QPoint(0, 0));
        QTRY_VERIFY(windowMenu->isVisible());
        QList<QAction *> items = bench.actions(u"WindowListItem"_s);
        QCOMPARE(items.size(), 3);
        QCOMPARE(items[1]->text(), u"&2 b.htm"_s);
        QVERIFY(items[1]->isChecked());
        QVERIFY(!items[0]->isChecked());
        items[2]->trigger();
        windowMenu->close();
        QCOMPARE(bench.clickedKeys(), QStringList{ItemKey(u"WindowListItem"_s, u"Window3"_s)});

        BuildRecentFileTools(bench.model, {u"/web/a.htm"_s, u"/web/b.htm"_s});
        const QStringList file = ObjectNames(bench.bar->menu(u"mnuFile"_s)->actions());
        QCOMPARE(file.mid(file.size() - 3),
                 (QStringList{u"mnuFileRecent1"_s, u"mnuFileRecent2"_s, u"mnuFileExit"_s}));
        QCOMPARE(bench.actions(u"mnuFileRecent1"_s).size(), 1);
        // Old actions go once control returns to the event loop.
        BuildRecentFileTools(bench.model, {u"/web/c.htm"_s});
        QTRY_COMPARE(bench.actions(u"mnuFileRecent2"_s).size(), 0);
    }

    void replacedLayoutIsBuiltAfresh()
    {
        Bench bench;
        BarLayout layout = BuiltInLayout();
        layout.bands.removeIf([](const Band &band) { return band.name == u"tbarFrames"; });
        bench.model.ReplaceLayout(layout);
        QTRY_COMPARE(bench.window.findChildren<QToolBar *>().size(), 4);
        QTRY_COMPARE(bench.actions(u"mnuEditCut"_s).size(), 3);
        QCOMPARE(bench.window.menuBar()->actions().size(), 7);
        bench.actions(u"mnuFileOpen"_s).first()->trigger();
        QCOMPARE(bench.clickedKeys(), QStringList{u"mnuFileOpen"_s});
    }

    void shortcutsReachTheirTools()
    {
        Bench bench;
        bench.window.resize(900, 600);
        bench.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bench.window));
        bench.window.activateWindow();
        QTest::keyClick(&bench.window, Qt::Key_N, Qt::ControlModifier);
        QTest::keyClick(&bench.window, Qt::Key_F3);
        QCOMPARE(bench.clickedKeys(), (QStringList{u"mnuFileNew"_s, u"mnuEditFindNext"_s}));

        QList<QKeySequence> claimed;
        for (const QString &keys : TextBoxKeys())
            claimed.append(QKeySequence(keys, QKeySequence::PortableText));
        int withShortcut = 0;
        for (QAction *action : bench.window.findChildren<QAction *>()) {
            if (action->shortcut().isEmpty())
                continue;
            ++withShortcut;
            QVERIFY2(!claimed.contains(action->shortcut()), qPrintable(action->shortcut().toString()));
        }
        QCOMPARE(withShortcut, int(ToolShortcuts().size()));
    }

    void toolTipsCanBeSwitchedOff()
    {
        Bench bench;
        bench.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bench.window));
        QToolButton *open = bench.button(u"tbarStandard"_s, u"mnuFileOpen"_s);
        QVERIFY(open);
        const auto askForTip = [open] {
            QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), open->mapToGlobal(QPoint(2, 2)));
            QCoreApplication::sendEvent(open, &help);
        };
        bench.bar->setToolTipsShown(false);
        askForTip();
        QVERIFY(!QToolTip::isVisible());
        bench.bar->setToolTipsShown(true);
        askForTip();
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), u"Open"_s);
        QToolTip::hideText();
    }

    void toolBarPlacesAreStored()
    {
        Bench bench;
        bench.window.resize(1000, 700);
        bench.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bench.window));
        bench.bar->storeToolBarPlaces();
        QCOMPARE(bench.model.FindBand(u"tbarStandard"_s)->line, 0);
        QCOMPARE(bench.model.FindBand(u"tbarWebPage"_s)->line, 1);
        QCOMPARE(bench.model.FindBand(u"tbarHeadings"_s)->line, 2);
        QCOMPARE(bench.model.FindBand(u"tbarFrames"_s)->line, 2);

        bench.window.addToolBar(Qt::LeftToolBarArea, bench.bar->toolBar(u"tbarTable"_s));
        bench.bar->toolBar(u"tbarFrames"_s)->hide();
        QTRY_VERIFY(bench.bar->toolBar(u"tbarTable"_s)->x() < 50);
        bench.bar->storeToolBarPlaces();
        const Band *table = bench.model.FindBand(u"tbarTable"_s);
        QCOMPARE(table->area, DockArea::Left);
        QCOMPARE(table->line, 0);
        QVERIFY(table->visible);
        QVERIFY(!bench.model.FindBand(u"tbarFrames"_s)->visible);

        // The stored places come back when the layout is realised again.
        const std::optional<BarLayout> saved = LayoutFromText(LayoutToText(bench.model.layout()));
        QVERIFY(saved);
        Bench again;
        again.model.ReplaceLayout(*saved);
        again.window.resize(1000, 700);
        again.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again.window));
        QCOMPARE(again.window.toolBarArea(again.bar->toolBar(u"tbarTable"_s)), Qt::LeftToolBarArea);
        QVERIFY(again.bar->toolBar(u"tbarFrames"_s)->isHidden());
        QVERIFY(!again.bar->toolBar(u"tbarWebPage"_s)->isHidden());
    }

    void toolBarLinesSurviveARoundTrip_data()
    {
        QTest::addColumn<int>("area");
        QTest::newRow("top") << int(DockArea::Top);
        QTest::newRow("bottom") << int(DockArea::Bottom);
        QTest::newRow("left") << int(DockArea::Left);
        QTest::newRow("right") << int(DockArea::Right);
    }
    void toolBarLinesSurviveARoundTrip()
    {
        QFETCH(int, area);
        const auto where = DockArea(area);
        BarLayout layout = BuiltInLayout();
        for (Band &band : layout.bands) {
            if (band.name == u"tbarHeadings" || band.name == u"tbarTable" || band.name == u"tbarFrames") {
                band.area = where;
                band.line = band.name == u"tbarHeadings" ? 0 : band.name == u"tbarTable" ? 1 : 2;
            }
        }
        Bench bench;
        bench.model.ReplaceLayout(layout);
        bench.window.resize(1000, 800);
        bench.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bench.window));
        QTRY_VERIFY(bench.bar->toolBar(u"tbarHeadings"_s)->isVisible());
        bench.bar->storeToolBarPlaces();
        QCOMPARE(bench.model.FindBand(u"tbarHeadings"_s)->area, where);
        QCOMPARE(bench.model.FindBand(u"tbarHeadings"_s)->line, 0);
        QCOMPARE(bench.model.FindBand(u"tbarTable"_s)->line, 1);
        QCOMPARE(bench.model.FindBand(u"tbarFrames"_s)->line, 2);
        QCOMPARE(bench.model.FindBand(u"tbarStandard"_s)->line, 0);
    }
};

QTEST_MAIN(ActiveBarTest)
#include "activebar_guitest.moc"
