// Document windows in the main window's area as a user handles them: the
// right-click menu, cascading, minimising and bringing a document back, and
// the program's icon on every window.

#include "app/activebar.h"
#include "app/icontheme.h"
#include "app/richtextbox.h"
#include "app/toolmodel.h"
#include "tests/support/editorfixture.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMdiArea>
#include <QMenu>
#include <QTest>

#include <memory>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {

QStringList VisibleMenus()
{
    QStringList names;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMenu *>(window) && window->isVisible())
            names.append(window->objectName());
    }
    return names;
}

} // namespace

class DocumentWindowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorFixture> m_editor;
    MainWindow *m_window = nullptr;

    QMdiArea *area() const { return m_window->documentArea(); }
    void click(const QString &toolName) { m_window->OnToolClick(m_window->tools().FindTool(toolName)->key); }
    // Three documents in a window of a known size.
    void openThree()
    {
        m_window->resize(1000, 800);
        m_window->NewDocument();
        m_window->NewDocument();
        QCOMPARE(m_window->Documents().size(), 3);
    }

private Q_SLOTS:
    void initTestCase() { InstallProgramIcons(); }
    void init()
    {
        m_editor = std::make_unique<EditorFixture>();
        m_editor->start();
        m_window = m_editor->window.get();
    }
    void cleanup()
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMenu *>(window))
                window->close();
        }
        m_editor->stop();
        QVERIFY2(m_editor->problems().isEmpty(), qPrintable(m_editor->problems()));
        m_editor.reset();
    }

    // A right-click reaches the text box's viewport as a context-menu event,
    // the menu key reaches the text box itself: either way only the
    // program's menu opens, set up for the selection, which stays.
    void onlyTheProgramsMenuOpens_data()
    {
        QTest::addColumn<bool>("fromTheKeyboard");
        QTest::newRow("right button") << false;
        QTest::newRow("menu key") << true;
    }
    void onlyTheProgramsMenuOpens()
    {
        QFETCH(bool, fromTheKeyboard);
        DocumentWindow *doc = m_window->activeDocument();
        doc->DocText(u"<IMG SRC=\"a.gif\">"_s);
        doc->textBox()->select(0, 17);
        QWidget *target = fromTheKeyboard ? static_cast<QWidget *>(doc->textBox()) : doc->textBox()->viewport();
        QContextMenuEvent event(fromTheKeyboard ? QContextMenuEvent::Keyboard : QContextMenuEvent::Mouse,
                                QPoint(5, 5), target->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(target, &event);
        QTRY_COMPARE(VisibleMenus(), QStringList{u"mnuPopUpEdit"_s});
        const Tool *edit = m_window->tools().FindTool(u"mnuContextEdit"_s);
        QCOMPARE(edit->caption + u'|' + edit->commandText, u"&Edit Selected Tags...|Embedded Image"_s);
        QCOMPARE(doc->textBox()->selLength(), 17);
    }

    // Cascaded documents are large, each reaching close to the area's
    // right and bottom edges and offset from the one before; the front one
    // stays active.
    void cascadedDocumentsFillTheArea()
    {
        openThree();
        click(u"mnuWindowCascade"_s);
        const QList<QMdiSubWindow *> windows = area()->subWindowList(QMdiArea::StackingOrder);
        const QSize inner = area()->viewport()->size();
        const QSize margin = m_window->documentMargin();
        QPoint previous(-1, -1);
        for (QMdiSubWindow *window : windows) {
            const QRect place = window->geometry();
            QVERIFY(place.left() > previous.x() && place.top() > previous.y());
            QCOMPARE(place.right() + 1, inner.width() - margin.width());
            QCOMPARE(place.bottom() + 1, inner.height() - margin.height());
            previous = place.topLeft();
        }
        QVERIFY(windows.first()->width() > inner.width() * 3 / 4);
        QCOMPARE(area()->activeSubWindow(), windows.last());
    }

    // Minimise All works while the documents are maximised; a minimised
    // document chosen from the Window list comes back (maximised when the
    // others are) and takes the typing.
    void minimisedDocumentsComeBackWhenChosen()
    {
        openThree();
        const QList<DocumentWindow *> docs = m_window->Documents();
        docs[2]->showMaximized();
        click(u"mnuWindowMinimizeAll"_s);
        for (DocumentWindow *doc : docs)
            QVERIFY2(doc->isMinimized(), qPrintable(doc->caption()));

        m_window->ActivateDocument(1);
        QVERIFY(!docs[0]->isMinimized() && !docs[0]->isMaximized());
        QCOMPARE(m_window->activeDocument(), docs[0]);

        docs[0]->showMaximized();
        m_window->ActivateDocument(2);
        QVERIFY(docs[1]->isMaximized());
        QCOMPARE(m_window->activeDocument(), docs[1]);
    }

    // The program's icon, not Qt's, stands on the main window and on every
    // document window (also in the menu bar's corner while maximised).
    void windowsShowTheProgramsIcon()
    {
        const QImage expected = ProgramIcon().pixmap(16, 16).toImage();
        QVERIFY(!expected.isNull()); // the built-in picture loads
        QCOMPARE(m_window->windowIcon().pixmap(16, 16).toImage(), expected);
        DocumentWindow *doc = m_window->activeDocument();
        doc->showMaximized();
        QCOMPARE(doc->windowIcon().pixmap(16, 16).toImage(), expected);
    }
};

QTEST_MAIN(DocumentWindowsTest)
#include "documentwindows_guitest.moc"
