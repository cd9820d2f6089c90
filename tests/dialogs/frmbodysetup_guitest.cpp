// The page body dialog opened by its command: the page's BODY tag selected
// and read back, a colour changed, a refused background location.

#include "app/commandrunner.h"
#include "html/insertstate.h"
#include "tests/support/dialogdriver.h"

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

class FrmBodySetupTest : public QObject {
    Q_OBJECT

    DialogTestEditor m_editor;

    QString text() const { return m_editor.text(); }

private Q_SLOTS:
    void init() { m_editor.start(); }
    void cleanup() { m_editor.finish(); }

    void editsThePagesBodyTag()
    {
        const QString page = u"<HTML>\r\n<BODY BGCOLOR=\"#FFFFFF\" LINK=\"red\">\r\nText\r\n</BODY>\r\n"_s;
        OpenMarked(m_editor.doc(), u"[]"_s + page);
        OnDialog(u"frmBodySetup"_s, [](QDialog *dialog) {
            QCOMPARE(TextOf(dialog, u"colColour_0"_s), u"#FFFFFF"_s);
            QCOMPARE(TextOf(dialog, u"colColour_2"_s), u"red"_s);
            QCOMPARE(TextOf(dialog, u"colColour_1"_s), u"(default)"_s);
            Click(dialog, u"cmdOk"_s);
        });
        RunCommand(u"Page Colours & Background"_s);
        QCOMPARE(text(), page); // given back unchanged

        OnDialog(u"frmBodySetup"_s, [](QDialog *dialog) {
            SetText(dialog, u"colColour_1"_s, u"Navy"_s);
            SetText(dialog, u"colColour_2"_s, u"(none)"_s);
            Click(dialog, u"cmdOk"_s);
        });
        RunCommand(u"Page Colours & Background"_s);
        QCOMPARE(text(), u"<HTML>\r\n<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"Navy\">\r\nText\r\n</BODY>\r\n"_s);
    }

    void refusedBackgroundKeepsTheDialogOpen()
    {
        OpenMarked(m_editor.doc(), u"[]x\r\n"_s);
        m_editor.dialogs().answerMessage(MessageAnswer::Ok);
        bool stayed = false;
        OnDialog(u"frmBodySetup"_s, [&stayed](QDialog *dialog) {
            Click(dialog, u"optURL"_s);
            SetText(dialog, u"lcImageLocation"_s, u"file:///nowhere/back.gif"_s);
            Click(dialog, u"cmdOk"_s);
            stayed = dialog->isVisible();
            Click(dialog, u"cmdCancel"_s);
        });
        RunCommand(u"Page Colours & Background"_s);
        QVERIFY(stayed);
        QVERIFY(InsertCancelled);
        QCOMPARE(m_editor.dialogs().messages().size(), 1);
        QCOMPARE(text(), u"x\r\n"_s);
    }
};

QTEST_MAIN(FrmBodySetupTest)
#include "frmbodysetup_guitest.moc"
