#include "app/activebar.h"
#include "app/icontheme.h"
#include "app/toolicons.h"
#include "app/toollayout.h"
#include "app/toolmodel.h"
#include "settings/preferences.h"

#include <QAction>
#include <QStandardPaths>
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
    QAction *action(const QString &name) const { return actions(name).value(0); }
    QToolButton *button(const QString &toolBar, const QString &toolKey) const
    {
        QToolBar *tools = bar->toolBar(toolBar);
        for (QAction *placed : bar->actionsOf(toolKey)) {
            if (placed->parent() == tools)
                return qobject_cast<QToolButton *>(tools->widgetForAction(placed));
        }
        return nullptr;
    }
    QAction *menuAction(const QString &band, const QString &toolName) const
    {
        for (QAction *placed : bar->actionsOfBand(band)) {
            if (placed->objectName() == toolName)
                return placed;
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
    void show()
    {
        window.resize(1000, 800);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
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

} // namespace

class ActiveBarTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every band becomes a menu or tool bar holding one action per tool,
    // named after the tool and opening its sub-menu; a tool standing in
    // three places has three actions.
    void bandsBecomeMenusAndToolBars()
    {
        Bench bench;
        for (const Band &band : bench.model.layout().bands) {
            QStringList tools;
            for (const Tool *tool : bench.model.ToolsOfBand(band.name))
                tools.append(tool->name);
            QCOMPARE(ObjectNames(bench.bar->actionsOfBand(band.name)), tools);
            for (const Tool *tool : bench.model.ToolsOfBand(band.name)) {
                for (QAction *action : bench.bar->actionsOf(tool->key))
                    QCOMPARE(action->menu(), bench.bar->menu(tool->subBand));
            }
        }
        QCOMPARE(bench.actions(u"mnuEditCut"_s).size(), 3);
        QToolButton *list = bench.button(u"tbarStandard"_s, u"mnuFormatList"_s);
        QCOMPARE(list->popupMode(), QToolButton::MenuButtonPopup);
        QCOMPARE(list->defaultAction()->menu(), bench.bar->menu(u"mnuList"_s));
    }

    // Menus show the key of every tool that has one. The keys the text box
    // handles itself are shown only: an action taking them would take them
    // away from the text box. Ctrl+A is Anchor, not Select All.
    void actionsFollowTheToolsTexts()
    {
        Bench bench;
        QAction *newAction = bench.menuAction(u"mnuFile"_s, u"mnuFileNew"_s);
        QCOMPARE((QStringList{newAction->text(), newAction->toolTip(), newAction->statusTip()}),
                 (QStringList{u"&New\tCtrl+N"_s, u"New"_s, u"Creates a new HTML document"_s}));
        for (const auto &[band, tool, text, takesTheKey] :
             {std::tuple{u"mnuEdit"_s, u"mnuEditUndo"_s, u"&Undo\tCtrl+Z"_s, false},
              std::tuple{u"mnuFormat"_s, u"mnuInsertAnchor"_s, u"&Anchor...\tCtrl+A"_s, false},
              std::tuple{u"mnuFile"_s, u"mnuFileSave"_s, u"&Save\tCtrl+S"_s, true}}) {
            QCOMPARE(bench.menuAction(band, tool)->text(), text);
            QCOMPARE(!bench.menuAction(band, tool)->shortcut().isEmpty(), takesTheKey);
        }
        QSignalSpy highlighted(bench.bar, &ActiveBar::toolHighlighted);
        newAction->hover();
        QCOMPARE(highlighted.value(0).value(0).toString(), newAction->statusTip());

        bench.model.SetCaption(u"mnuFileNew"_s, u"&Fresh"_s);
        QCOMPARE(newAction->text(), u"&Fresh\tCtrl+N"_s);
        QCOMPARE(bench.button(u"tbarStandard"_s, u"mnuFileNew"_s)->defaultAction()->text(), u"&Fresh"_s);
        QVERIFY(!bench.action(u"mnuBrowser1"_s)->isVisible());
        bench.model.SetVisible(u"mnuBrowser1"_s, true);
        QVERIFY(bench.action(u"mnuBrowser1"_s)->isVisible());
    }

    void clicksReportTheToolKeyWhenEnabled()
    {
        Bench bench;
        bench.action(u"mnuFileSave"_s)->trigger();
        QTest::mouseClick(bench.button(u"tbarStandard"_s, u"mnuFormatBold"_s), Qt::LeftButton);
        QCOMPARE(bench.clickedKeys(), (QStringList{u"mnuFileSave"_s, u"mnuFormatBold"_s}));

        bench.clicked.clear();
        SetDocumentToolsEnabled(bench.model, false);
        for (QAction *action : bench.actions(u"mnuFormatBold"_s) + bench.actions(u"mnuEditCopy"_s))
            QVERIFY(!action->isEnabled());
        QVERIFY(bench.action(u"mnuFileNew"_s)->isEnabled());
        QTest::mouseClick(bench.button(u"tbarStandard"_s, u"mnuFormatBold"_s), Qt::LeftButton);
        bench.action(u"mnuEditCopy"_s)->trigger();
        QVERIFY(bench.clicked.isEmpty());

        // A click on a checkable tool reports it; the mark changes only when
        // the model says so.
        Preferences prefs;
        prefs.WordWrap = true;
        UpdateOptionChecks(bench.model, prefs);
        QAction *wrap = bench.action(u"mnuOptionsWordWrap"_s);
        QAction *templates = bench.action(u"mnuOptionsTemplates"_s);
        wrap->trigger();
        templates->trigger();
        QCOMPARE((QList<bool>{wrap->isChecked(), templates->isChecked()}), (QList<bool>{true, false}));
        QCOMPARE(bench.clickedKeys(), (QStringList{u"mnuOptionsWordWrap"_s, u"mnuOptionsTemplates"_s}));
        prefs.WordWrap = false;
        UpdateOptionChecks(bench.model, prefs);
        QVERIFY(!wrap->isChecked());
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
        QCOMPARE((QList<bool>{items[0]->isChecked(), items[1]->isChecked()}), (QList<bool>{false, true}));
        items[2]->trigger();
        windowMenu->close();
        QCOMPARE(bench.clickedKeys(), QStringList{ItemKey(u"WindowListItem"_s, u"Window3"_s)});

        // Replaced actions leave the window at once, not only when the event loop runs.
        BuildRecentFileTools(bench.model, {u"/web/a.htm"_s, u"/web/b.htm"_s});
        const QStringList file = ObjectNames(bench.bar->menu(u"mnuFile"_s)->actions());
        QCOMPARE(file.mid(file.size() - 3), (QStringList{u"mnuFileRecent1"_s, u"mnuFileRecent2"_s, u"mnuFileExit"_s}));
        QCOMPARE(bench.actions(u"mnuFileRecent1"_s).size(), 1);
        BuildRecentFileTools(bench.model, {u"/web/c.htm"_s});
        QCOMPARE(bench.actions(u"mnuFileRecent2"_s).size(), 0);
    }

    void shortcutsReachTheirTools()
    {
        Bench bench;
        bench.show();
        bench.window.activateWindow();
        QTest::keyClick(&bench.window, Qt::Key_N, Qt::ControlModifier);
        QTest::keyClick(&bench.window, Qt::Key_F3);
        QCOMPARE(bench.clickedKeys(), (QStringList{u"mnuFileNew"_s, u"mnuEditFindNext"_s}));
    }

    // Tools with a common meaning show their picture from the icon theme, in
    // tool bars and menus alike; the others show their caption.
    void toolsShowTheirPictures()
    {
        InstallProgramIcons(); // names the packaged theme as the fallback
        if (QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                   u"icons/%1/index.theme"_s.arg(QString::fromLatin1(FallbackIconTheme)))
                .isEmpty())
            QSKIP("the packaged icon theme is not installed");
        Bench bench;
        for (const ToolIcon &icon : ToolIcons())
            QVERIFY2(bench.model.FindTool(icon.toolName) && QIcon::hasThemeIcon(icon.iconName), qPrintable(icon.iconName));
        QVERIFY(!bench.button(u"tbarStandard"_s, u"mnuFileNew"_s)->icon().isNull());
        QVERIFY(!bench.menuAction(u"mnuEdit"_s, u"mnuEditCut"_s)->icon().isNull());
        QToolButton *lineBreak = bench.button(u"tbarStandard"_s, u"mnuBreakLineBreak"_s);
        QCOMPARE(lineBreak->icon().isNull() ? lineBreak->text() : QString(), u"Line Break"_s);
    }

    void toolTipsCanBeSwitchedOff()
    {
        Bench bench;
        bench.show();
        QToolButton *open = bench.button(u"tbarStandard"_s, u"mnuFileOpen"_s);
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

    // Where tool bars are docked (lines counted from the window's edge) and
    // whether they are shown is read back from the window, and a saved
    // layout puts them back.
    void toolBarPlacesSurviveARoundTrip_data()
    {
        QTest::addColumn<int>("area");
        QTest::addColumn<int>("qtArea");
        QTest::newRow("top") << int(DockArea::Top) << int(Qt::TopToolBarArea);
        QTest::newRow("bottom") << int(DockArea::Bottom) << int(Qt::BottomToolBarArea);
        QTest::newRow("left") << int(DockArea::Left) << int(Qt::LeftToolBarArea);
        QTest::newRow("right") << int(DockArea::Right) << int(Qt::RightToolBarArea);
    }
    void toolBarPlacesSurviveARoundTrip()
    {
        QFETCH(int, area);
        QFETCH(int, qtArea);
        const QStringList moved{u"tbarHeadings"_s, u"tbarTable"_s, u"tbarFrames"_s};
        BarLayout layout = BuiltInLayout();
        for (Band &band : layout.bands) {
            if (moved.contains(band.name)) {
                band.area = DockArea(area);
                band.line = int(moved.indexOf(band.name));
            }
        }
        Bench bench;
        bench.model.ReplaceLayout(layout); // the old menus, tool bars and actions go
        QCOMPARE(bench.actions(u"mnuEditCut"_s).size(), 3);
        QTRY_COMPARE(bench.window.findChildren<QToolBar *>().size(), 5);
        bench.show();
        QTRY_VERIFY(bench.bar->toolBar(moved[0])->isVisible());
        bench.bar->toolBar(u"tbarWebPage"_s)->hide();
        bench.bar->storeToolBarPlaces();
        for (int line = 0; line < 3; ++line) {
            QCOMPARE(bench.model.FindBand(moved[line])->area, DockArea(area));
            QCOMPARE(bench.model.FindBand(moved[line])->line, line);
        }
        QCOMPARE(bench.model.FindBand(u"tbarStandard"_s)->line, 0);
        QVERIFY(!bench.model.FindBand(u"tbarWebPage"_s)->visible);

        const std::optional<BarLayout> saved = LayoutFromText(LayoutToText(bench.model.layout()));
        Bench again;
        again.model.ReplaceLayout(saved.value());
        again.show();
        QCOMPARE(int(again.window.toolBarArea(again.bar->toolBar(moved[2]))), qtArea);
        QVERIFY(again.bar->toolBar(u"tbarWebPage"_s)->isHidden());
        QVERIFY(!again.bar->toolBar(u"tbarStandard"_s)->isHidden());
    }
};

QTEST_MAIN(ActiveBarTest)
#include "activebar_guitest.moc"
