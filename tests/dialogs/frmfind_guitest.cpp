// The find window over a running editor: what it searches, the buttons'
// enabled rule, Replace and Replace All with their messages, and the search
// state that outlives the window.

#include "app/richtextbox.h"
#include "app/toolmodel.h"
#include "controls/seltextbox.h"
#include "dialogs/frmfind.h"
#include "html/findreplace.h"
#include "tests/support/editorfixture.h"

#include <QPushButton>
#include <QTest>

#include <memory>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {

const QString Finished = u"Tavorin has finished searching the document. "_s;

} // namespace

class FindWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EditorFixture> m_editor;

    ScriptedDialogs &dialogs() { return m_editor->dialogs(); }
    RichTextBox *box() { return m_editor->active()->textBox(); }
    void click(const QString &toolName) { m_editor->click(toolName); }
    FindWindow *window() { return FindWindow::current(); }
    SelTextBox *findBox() { return window()->findChild<SelTextBox *>(u"txtTextToFind"_s); }
    QPushButton *button(const QString &name) { return window()->findChild<QPushButton *>(name); }
    void setText(const QString &text)
    {
        m_editor->active()->DocText(text);
        box()->select(0, 0);
    }
    QString selection() { return u"%1+%2"_s.arg(box()->selStart()).arg(box()->selLength()); }

private Q_SLOTS:
    void init()
    {
        FindState() = SearchState{};
        m_editor = std::make_unique<EditorFixture>();
        m_editor->start();
    }
    void cleanup()
    {
        m_editor->stop();
        QVERIFY(!window());
        Finish(m_editor);
    }

    // Nothing to find disables the buttons; two matches, then not found.
    void findNextWalksThroughTheMatches()
    {
        setText(u"abc ABC"_s);
        click(u"mnuEditFind"_s);
        QVERIFY(window() && window()->isVisible() && !window()->replaceMode());
        const QStringList buttons{u"cmdFind"_s, u"cmdReplace"_s, u"cmdReplaceAll"_s};
        for (const QString &name : buttons)
            QVERIFY2(!button(name)->isEnabled(), qPrintable(name));
        findBox()->setText(u"abc"_s);
        for (const QString &name : buttons)
            QVERIFY2(button(name)->isEnabled(), qPrintable(name));
        button(u"cmdFind"_s)->click();
        QCOMPARE(selection(), u"0+3"_s);
        button(u"cmdFind"_s)->click();
        QCOMPARE(selection(), u"4+3"_s);
        dialogs().answerMessage(MessageAnswer::Ok);
        button(u"cmdFind"_s)->click();
        QCOMPARE(dialogs().messagePrompts(), QStringList{Finished + u"The search item was not found."_s});
        QCOMPARE(selection(), u"4+3"_s);
    }

    // The first click on Replace only shows the replace controls; the next
    // finds and replaces at once, leaving the replacement selected. Replace
    // All makes one pass, one undoable step, the count in the message.
    void replaceThenReplaceAll()
    {
        setText(u"one two one and one"_s);
        click(u"mnuEditFind"_s);
        findBox()->setText(u"one"_s);
        button(u"cmdReplace"_s)->click();
        QVERIFY(window()->replaceMode());
        QCOMPARE(window()->windowTitle(), u"Replace"_s);
        QCOMPARE(box()->text(), u"one two one and one"_s);
        window()->findChild<SelTextBox *>(u"txtReplacementText"_s)->setText(u"<one>"_s);
        button(u"cmdReplace"_s)->click();
        QCOMPARE(box()->text(), u"<one> two one and one"_s);
        QCOMPARE(box()->selText(), u"<one>"_s);
        dialogs().answerMessage(MessageAnswer::Ok);
        button(u"cmdReplaceAll"_s)->click();
        QCOMPARE(box()->text(), u"<<one>> two <one> and <one>"_s);
        QVERIFY(m_editor->active()->Dirty());
        QCOMPARE(dialogs().messagePrompts(), QStringList{Finished + u"3 changes were made."_s});
        box()->undo();
        QCOMPARE(box()->text(), u"<one> two one and one"_s);
    }

    // Find Next goes on with the window closed; without a find text it opens
    // the window; the window goes when the last document does.
    void searchStateOutlivesTheWindow()
    {
        setText(u"x ab ab"_s);
        click(u"mnuEditFindNext"_s);
        QVERIFY(window());
        findBox()->setText(u"ab"_s);
        QTest::keyClick(window(), Qt::Key_Escape); // as Cancel: the text is kept
        QTRY_VERIFY(!window());
        click(u"mnuEditFindNext"_s);
        QCOMPARE(selection(), u"2+2"_s);
        click(u"mnuEditFindNext"_s);
        QCOMPARE(selection(), u"5+2"_s);
        click(u"mnuEditFind"_s);
        QCOMPARE(findBox()->text(), u"ab"_s); // the selection
        m_editor->active()->setDirty(false);
        click(u"mnuFileClose"_s);
        QTRY_VERIFY(!window());
    }
};

QTEST_MAIN(FindWindowTest)
#include "frmfind_guitest.moc"
