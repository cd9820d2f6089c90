// Document windows as a user handles them: the right-click menu, cascading,
// minimising and bringing a document back, the program's icon.

#include "app/icontheme.h"
#include "app/richtextbox.h"
#include "app/toolmodel.h"
#include "tests/support/editorfixture.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMdiArea>
#include <QMenu>
#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

class DocumentWindowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorFixture> m_editor;
    MainWindow *m_window = nullptr;

    QMdiArea *area() const { return m_window->documentArea(); }
    void click(const QString &toolName) { m_editor->click(toolName); }

private Q_SLOTS:
    void initTestCase() { InstallProgramIcons(); }
    void init()
    {
        m_editor = std::make_unique<EditorFixture>();
        m_editor->start();
        m_window = m_editor->window.get();
        m_window->resize(1000, 800);
        m_window->NewDocument();
        m_window->NewDocument();
    }
    void cleanup() { Finish(m_editor); }

    // A right-click reaches the viewport as a context-menu event, the menu
    // key reaches the text box: either way only the program's menu opens,
    // set up for the selection, which stays.
    void onlyTheProgramsMenuOpens_data()
    {
        QTest::addColumn<bool>("fromTheKeyboard");
        QTest::newRow("right button") << false;
        QTest::newRow("menu key") << true;
    }
    void onlyTheProgramsMenuOpens()
    {
        QFETCH(bool, fromTheKeyboard);
        RichTextBox *box = m_window->activeDocument()->textBox();
        m_window->activeDocument()->DocText(u"<IMG SRC=\"a.gif\">"_s);
        box->select(0, 17);
        QWidget *target = fromTheKeyboard ? static_cast<QWidget *>(box) : box->viewport();
        QContextMenuEvent event(fromTheKeyboard ? QContextMenuEvent::Keyboard : QContextMenuEvent::Mouse,
                                QPoint(5, 5), target->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(target, &event);
        QStringList menus;
        for (QMenu *menu : m_window->findChildren<QMenu *>() + box->findChildren<QMenu *>()) {
            if (menu->isVisible())
                menus.append(menu->objectName());
        }
        QCOMPARE(menus, QStringList{u"mnuPopUpEdit"_s});
        QCOMPARE(m_window->tools().FindTool(u"mnuContextEdit"_s)->commandText, u"Embedded Image"_s);
        QCOMPARE(box->selLength(), 17);
    }

    // Cascaded documents reach close to the area's right and bottom edges,
    // each offset from the one before; the front one stays active.
    void cascadedDocumentsFillTheArea()
    {
        click(u"mnuWindowCascade"_s);
        const QList<QMdiSubWindow *> windows = area()->subWindowList(QMdiArea::StackingOrder);
        const QSize reach = area()->viewport()->size() - m_window->documentMargin();
        QPoint previous(-1, -1);
        for (QMdiSubWindow *window : windows) {
            QVERIFY(window->x() > previous.x() && window->y() > previous.y());
            QCOMPARE(window->geometry().bottomRight() + QPoint(1, 1), QPoint(reach.width(), reach.height()));
            previous = window->pos();
        }
        QCOMPARE(area()->activeSubWindow(), windows.last());
    }

    // Minimise All works on maximised documents; a minimised document chosen
    // from the Window list comes back, maximised when the others are.
    void minimisedDocumentsComeBackWhenChosen()
    {
        const QList<DocumentWindow *> docs = m_window->Documents();
        docs[2]->showMaximized();
        click(u"mnuWindowMinimizeAll"_s);
        QVERIFY(docs[0]->isMinimized() && docs[1]->isMinimized() && docs[2]->isMinimized());
        m_window->ActivateDocument(1);
        QVERIFY(!docs[0]->isMinimized() && !docs[0]->isMaximized());
        docs[0]->showMaximized();
        m_window->ActivateDocument(2);
        QVERIFY(docs[1]->isMaximized());
        QCOMPARE(m_window->activeDocument(), docs[1]);
    }

    // The program's icon, not Qt's, stands on the main window and on a
    // maximised document (in the menu bar's corner).
    void windowsShowTheProgramsIcon()
    {
        const QImage expected = ProgramIcon().pixmap(16, 16).toImage();
        QVERIFY(!expected.isNull());
        m_window->activeDocument()->showMaximized();
        QCOMPARE(m_window->windowIcon().pixmap(16, 16).toImage(), expected);
        QCOMPARE(m_window->activeDocument()->windowIcon().pixmap(16, 16).toImage(), expected);
    }
};

QTEST_MAIN(DocumentWindowsTest)
#include "documentwindows_guitest.moc"
