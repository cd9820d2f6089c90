// Clicks on tools reach the right action; menus refresh their tools as they
// open; files dropped on the main window open.

#include "app/activebar.h"
#include "app/richtextbox.h"
#include "app/toolmodel.h"
#include "tests/support/editorfixture.h"

#include <QApplication>
#include <QMdiArea>
#include <QMenu>
#include <QMimeData>
#include <QToolBar>
#include <QToolButton>
#include <QTest>
#include <QUrl>

#include <memory>

using namespace tavorin;
using namespace tavorin::testing;

class DispatcherTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EditorFixture> m_editor;
    ScriptedFacades *m_facades = nullptr;
    TestEnvironment *m_env = nullptr;
    MainWindow *m_window = nullptr;

    void click(const QString &toolName) { m_editor->click(toolName); }
    void drop(const QStringList &paths)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString &path : paths)
            urls.append(QUrl::fromLocalFile(path));
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window, &dropped);
    }

private Q_SLOTS:
    void init()
    {
        m_editor = std::make_unique<EditorFixture>();
        m_facades = &m_editor->facades;
        m_env = &m_editor->env;
        m_editor->start();
        m_window = m_editor->window.get();
    }
    void cleanup() { Finish(m_editor); }

    void newAndCloseFollowTheDocuments()
    {
        click("mnuFileNew");
        QCOMPARE(m_window->Documents().size(), 2);
        QCOMPARE(m_window->activeDocument()->caption(), QStringLiteral("Untitled2"));
        click("mnuFileClose");
        click("mnuFileClose");
        QVERIFY(m_window->Documents().isEmpty());
        QVERIFY(!m_window->tools().IsEnabled(QStringLiteral("mnuFormatBold")));
        QVERIFY(m_window->tools().IsEnabled(QStringLiteral("mnuFileNew")));
        click("mnuFileNew");
        QVERIFY(m_window->tools().IsEnabled(QStringLiteral("mnuFormatBold")));
    }

    void fileMenuNeedsTwoDocumentsForTheAllCommands()
    {
        m_window->OnBandOpen(QStringLiteral("mnuFile"));
        QVERIFY(!m_window->tools().IsEnabled(QStringLiteral("mnuFileCloseAll")));
        QVERIFY(!m_window->tools().IsEnabled(QStringLiteral("mnuFileSaveAll")));
        click("mnuFileNew");
        m_window->OnBandOpen(QStringLiteral("mnuFile"));
        QVERIFY(m_window->tools().IsEnabled(QStringLiteral("mnuFileCloseAll")));
    }

    void optionTogglesInvertAndShowTheirMarks_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<int>("which");
        QTest::newRow("smart updates") << "mnuOptionsSmartUpdates" << 0;
        QTest::newRow("templates") << "mnuOptionsTemplates" << 1;
        QTest::newRow("wizard") << "mnuOptionsWebPageWizard" << 2;
        QTest::newRow("tooltips") << "mnuOptionsTooltips" << 3;
        QTest::newRow("word wrap") << "mnuOptionsWordWrap" << 4;
    }
    void optionTogglesInvertAndShowTheirMarks()
    {
        QFETCH(QString, tool);
        QFETCH(int, which);
        const auto value = [which] {
            const Preferences &p = Prefs();
            const bool values[] = {p.SmartUpdates, p.TemplatesOn, p.PageWizard, p.ToolTips, p.WordWrap};
            return values[which];
        };
        const bool before = value();
        click(tool);
        QCOMPARE(value(), !before);
        m_window->OnBandOpen(QStringLiteral("mnuOptions"));
        QCOMPARE(m_window->tools().IsChecked(tool), !before);
    }

    void windowListActivatesDocuments()
    {
        click("mnuFileNew");
        click("mnuFileNew");
        m_window->OnBandOpen(QStringLiteral("mnuWindow"));
        const auto items = m_window->tools().ToolsNamed(QStringLiteral("WindowListItem"));
        QCOMPARE(items.size(), 3);
        m_window->OnToolClick(items[0]->key);
        QCOMPARE(m_window->activeDocument()->caption(), QStringLiteral("Untitled1"));
    }

    // Tiling vertically puts the documents side by side.
    void tilingVerticallyPutsDocumentsSideBySide()
    {
        click("mnuFileNew");
        click("mnuWindowTileVert");
        const auto windows = m_window->documentArea()->subWindowList();
        QCOMPARE(windows.size(), 2);
        QCOMPARE(windows[0]->geometry().top(), windows[1]->geometry().top());
        QVERIFY(windows[0]->geometry().left() != windows[1]->geometry().left());
    }

    // The structure check and the path rewrite each report once, in their
    // own words.
    void checksReportOnce()
    {
        m_facades->dialogs.answerMessage(MessageAnswer::Ok);
        m_facades->dialogs.answerMessage(MessageAnswer::Ok);
        click("mnuPageStructureCheck");
        m_window->activeDocument()->DocText(QStringLiteral("<IMG SRC=\"Images/Logo.GIF\">"));
        click("mnuEditLowerCasePaths");
        QCOMPARE(m_window->activeDocument()->textBox()->text(), QStringLiteral("<IMG SRC=\"images/logo.gif\">"));
        const auto asked = m_facades->dialogs.messages();
        QCOMPARE(asked.size(), 2);
        QCOMPARE(asked[0].title, QStringLiteral("HTML Page Structure Report"));
    }

    // The Table button of the Web Page tool bar only names its menu: a click
    // on its main part opens the Table menu, with no message.
    void buttonsThatNameOnlyTheirMenuOpenIt()
    {
        QToolBar *bar = m_window->activeBar().toolBar(QStringLiteral("tbarWebPage"));
        QToolButton *table = nullptr;
        for (QAction *action : m_window->activeBar().actionsOfBand(QStringLiteral("tbarWebPage"))) {
            if (action->objectName() == QLatin1String("mnuFormatTable"))
                table = qobject_cast<QToolButton *>(bar->widgetForAction(action));
        }
        QVERIFY(table && table->isVisible());
        QTest::mouseClick(table, Qt::LeftButton, Qt::NoModifier, QPoint(4, table->height() / 2));
        QMenu *menu = m_window->activeBar().menu(QStringLiteral("mnuTable"));
        QTRY_VERIFY(menu->isVisible());
        menu->close();
        QVERIFY(m_facades->dialogs.asked().isEmpty());
    }

    void exitClosesTheHelpWindowToo()
    {
        click("mnuHelpContents");
        QWidget *help = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QLatin1String("frmHelp") && window->isVisible())
                help = window;
        }
        QVERIFY(help);
        click("mnuFileExit");
        QVERIFY(!help->isVisible());
    }

    void droppedFilesOpen()
    {
        const QString a = m_env->writeFile(QStringLiteral("a.htm"), "a");
        const QString b = m_env->writeFile(QStringLiteral("b.htm"), "b");
        drop({a, b});
        QCOMPARE(m_window->Documents().size(), 2);
    }
};

QTEST_MAIN(DispatcherTest)
#include "dispatcher_guitest.moc"
