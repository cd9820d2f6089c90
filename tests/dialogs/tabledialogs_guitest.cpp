// The quick table and advanced table dialogs opened by their commands on a
// real selection: a cell edited in place and left selected, the background
// each element keeps, a refused background, Cancel, and the quick table's
// corrected counts.

#include "app/commandrunner.h"
#include "app/toolmodel.h"
#include "html/insertstate.h"
#include "tests/support/dialogdriver.h"
#include "tests/support/editorfixture.h"

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

class TableDialogsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorFixture> m_editor;

    RichTextBox *box() const { return m_editor->active()->textBox(); }
    void open(const QString &marked) { OpenMarked(m_editor->active(), marked); }

private Q_SLOTS:
    void init()
    {
        m_editor = std::make_unique<EditorFixture>();
        m_editor->start();
    }
    void cleanup() { Finish(m_editor); }

    // "Edit Selected Tags" on a cell: only its opening tag is rebuilt, and
    // the result stays selected.
    void cellEditedInPlace()
    {
        open(u"x\r\n[<TD WIDTH=\"50%\">text</TD>\r\n]y"_s);
        const ContextEditChoice choice = ContextEditFor(box()->selText());
        QCOMPARE(choice.commandText, u"Advanced Table"_s);
        OnDialog(u"frmTable"_s, [](QDialog *dialog) {
            QVERIFY(IsChecked(dialog, u"optTableElement_2"_s));
            QVERIFY(IsChecked(dialog, u"chkWidthPercent_2"_s));
            QCOMPARE(TextOf(dialog, u"txtWidth_2"_s), u"50"_s);
            SetText(dialog, u"txtWidth_2"_s, u"60"_s);
            Click(dialog, u"cmdOk"_s);
        });
        RunCommand(choice.commandText);
        QVERIFY(!InsertCancelled);
        QCOMPARE(box()->text(), u"x\r\n<TD WIDTH=\"60%\">text</TD>\r\ny"_s);
        QCOMPARE(box()->selText(), u"<TD WIDTH=\"60%\">text</TD>\r\n"_s);
    }

    // Every element keeps its own background; the caption has none. A
    // refused background keeps the dialog open; Cancel leaves the text as it was.
    void backgroundKeptPerElementThenCancel()
    {
        const QString table = u"<TABLE BACKGROUND=\"http://server/bg.gif\">\r\n</TABLE>"_s;
        open(u"["_s + table + u"]"_s);
        OnDialog(u"frmTable"_s, [](QDialog *dialog) {
            auto *background = dialog->findChild<QWidget *>(u"fmeBackground"_s);
            QVERIFY(IsChecked(dialog, u"optTableElement_0"_s) && IsChecked(dialog, u"optURL"_s));
            QCOMPARE(TextOf(dialog, u"lcImageLocation"_s), u"server/bg.gif"_s);
            Click(dialog, u"optTableElement_1"_s);
            QVERIFY(IsChecked(dialog, u"optFile"_s));
            QCOMPARE(TextOf(dialog, u"lcImageLocation"_s), QString());
            SetText(dialog, u"lcImageLocation"_s, u"row.gif"_s);
            Click(dialog, u"optTableElement_3"_s);
            QVERIFY(background->isHidden());
            QVERIFY(!dialog->findChild<QWidget *>(u"colVAlign_1"_s)->isVisible());
            Click(dialog, u"optTableElement_0"_s);
            QVERIFY(!background->isHidden() && IsChecked(dialog, u"optURL"_s));
            QCOMPARE(TextOf(dialog, u"lcImageLocation"_s), u"server/bg.gif"_s);
            Click(dialog, u"optTableElement_1"_s);
            QCOMPARE(TextOf(dialog, u"lcImageLocation"_s), u"row.gif"_s);
            Click(dialog, u"optURL"_s);
            SetText(dialog, u"lcImageLocation"_s, u"file:///nowhere/bg.gif"_s);
            Click(dialog, u"cmdOk"_s);
            QVERIFY(dialog->isVisible());
            Click(dialog, u"cmdCancel"_s);
        });
        m_editor->facades.dialogs.answerMessage(MessageAnswer::Ok);
        RunCommand(u"Advanced Table"_s);
        QVERIFY(InsertCancelled);
        QCOMPARE(m_editor->facades.dialogs.messages().size(), 1);
        QCOMPARE(box()->text(), table);
    }

    void quickTableCorrectsItsCounts()
    {
        open(u"a[Hi]b"_s);
        QString rowsShown;
        OnDialog(u"frmQuickTable"_s, [&rowsShown](QDialog *dialog) {
            QCOMPARE(TextOf(dialog, u"txtColumns"_s), u"3"_s);
            SetText(dialog, u"txtRows"_s, u"0"_s);
            SetText(dialog, u"txtColumns"_s, u"2"_s);
            Click(dialog, u"cmdOk"_s);
            rowsShown = TextOf(dialog, u"txtRows"_s);
        });
        RunCommand(u"Quick Table"_s);
        QCOMPARE(rowsShown, u"1"_s);
        const QString table = u"<TABLE>\r\n\r\n\t<TR>\r\n\t\t<TD>\r\n\t\t\tHi\r\n\t\t</TD>\r\n\t\t<TD>\r\n\t\t</TD>\r\n"
                              "\t</TR>\r\n\r\n</TABLE>"_s;
        QCOMPARE(box()->text(), u"a"_s + table + u"b"_s);
        QCOMPARE(box()->selText(), table);
    }
};

QTEST_MAIN(TableDialogsTest)
#include "tabledialogs_guitest.moc"
