// The link dialog opened on a real selection: the link edited in place, the
// target and status rules, Cancel and a refused location.

#include "app/commandrunner.h"
#include "app/toolmodel.h"
#include "html/insertstate.h"
#include "tests/support/dialogdriver.h"

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

class FrmLinkTest : public QObject {
    Q_OBJECT

    DialogTestEditor m_editor;

    QString text() const { return m_editor.text(); }

private Q_SLOTS:
    void init() { m_editor.start(); }
    void cleanup() { m_editor.finish(); }

    // The context menu's entry opens the dialog on the anchor link, and OK
    // puts the rebuilt link in its place, before the selection's line break.
    void editsTheSelectedLink()
    {
        OpenMarked(m_editor.doc(), u"x\r\n[<A HREF=\"#top\">Top</A>\r\n]y\r\n"_s);
        const ContextEditChoice choice = ContextEditFor(m_editor.doc()->textBox()->selText());
        QCOMPARE(choice.commandText, u"Link"_s);
        OnDialog(u"frmLink"_s, [](QDialog *dialog) {
            QVERIFY(IsChecked(dialog, u"optLinkAnchor"_s));
            QCOMPARE(TextOf(dialog, u"lcLinkLocation"_s), u"top"_s);
            QCOMPARE(TextOf(dialog, u"txtDisplayText"_s), u"Top"_s);
            SetText(dialog, u"txtDisplayText"_s, u"Up"_s);
            Click(dialog, u"cmdOk"_s);
        });
        RunCommand(choice.commandText);
        QVERIFY(!InsertCancelled);
        QCOMPARE(text(), u"x\r\n<A HREF=\"#top\">Up</A>\r\ny\r\n"_s);
    }

    void targetAndStatusRulesThenCancel()
    {
        OpenMarked(m_editor.doc(), u"[<A HREF=\"http://server/\">Home</A>]\r\n"_s);
        OnDialog(u"frmLink"_s, [](QDialog *dialog) {
            QVERIFY(IsChecked(dialog, u"optLinkURL"_s));
            dialog->findChild<QTabWidget *>(u"sstSettingsTab"_s)->setCurrentIndex(1);
            SetText(dialog, u"cboTarget"_s, u"_New"_s);
            QVERIFY(IsChecked(dialog, u"chkNewWindow"_s));
            QCOMPARE(TextOf(dialog, u"cboTarget"_s), u"_blank"_s);
            Click(dialog, u"chkNewWindow"_s);
            QCOMPARE(TextOf(dialog, u"cboTarget"_s), u"(default)"_s);
            SetText(dialog, u"txtStatusBarText"_s, u"it's"_s);
            QCOMPARE(TextOf(dialog, u"txtScriptEvent_1"_s), u"window.status='it`s';return true"_s);
            QCOMPARE(TextOf(dialog, u"txtScriptEvent_2"_s), u"window.status='';return true"_s);
            Click(dialog, u"cmdCancel"_s);
        });
        RunCommand(u"Link"_s);
        QVERIFY(InsertCancelled);
        QCOMPARE(text(), u"<A HREF=\"http://server/\">Home</A>\r\n"_s);
    }

    // OK without a location is refused by the location control: the
    // dialog stays open on its first tab.
    void refusedLocationKeepsTheDialogOpen()
    {
        OpenMarked(m_editor.doc(), u"a[]b\r\n"_s);
        m_editor.dialogs().answerMessage(MessageAnswer::Ok);
        bool stayed = false;
        OnDialog(u"frmLink"_s, [&stayed](QDialog *dialog) {
            dialog->findChild<QTabWidget *>(u"sstSettingsTab"_s)->setCurrentIndex(1);
            Click(dialog, u"cmdOk"_s);
            stayed = dialog->isVisible() && dialog->findChild<QTabWidget *>(u"sstSettingsTab"_s)->currentIndex() == 0;
        });
        RunCommand(u"Link"_s);
        QVERIFY(stayed);
        QCOMPARE(m_editor.dialogs().messages().value(0).title, u"Information Required"_s);
        QCOMPARE(text(), u"ab\r\n"_s);
    }
};

QTEST_MAIN(FrmLinkTest)
#include "frmlink_guitest.moc"
