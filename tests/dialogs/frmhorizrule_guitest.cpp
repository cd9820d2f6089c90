// The horizontal rule dialog on a real selection: a formatted rule read back
// and changed, the standard rule with its formatted boxes disabled.

#include "app/commandrunner.h"
#include "html/insertstate.h"
#include "tests/support/dialogdriver.h"

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

class FrmHorizRuleTest : public QObject {
    Q_OBJECT

    DialogTestEditor m_editor;

    QString text() const { return m_editor.text(); }

private Q_SLOTS:
    void init() { m_editor.start(); }
    void cleanup() { m_editor.finish(); }

    void editsAFormattedRule()
    {
        OpenMarked(m_editor.doc(), u"[<HR WIDTH=\"75%\">]\r\n"_s);
        OnDialog(u"frmHorizRule"_s, [](QDialog *dialog) {
            QVERIFY(IsChecked(dialog, u"optHorRuleFormatted"_s) && IsChecked(dialog, u"chkPercent"_s));
            QCOMPARE(TextOf(dialog, u"txtWidth"_s), u"75"_s);
            SetText(dialog, u"cboAlign"_s, u"Center"_s);
            Click(dialog, u"chkNoShade"_s);
            Click(dialog, u"cmdOk"_s);
        });
        RunCommand(u"Horizontal Rule"_s);
        QCOMPARE(text(), u"<HR WIDTH=\"75%\" ALIGN=\"Center\" NOSHADE>\r\n"_s);
    }

    void standardRuleAndCancel()
    {
        OpenMarked(m_editor.doc(), u"a[]\r\n"_s);
        OnDialog(u"frmHorizRule"_s, [](QDialog *dialog) {
            QVERIFY(IsChecked(dialog, u"OptHorRuleStandard"_s));
            QVERIFY(!dialog->findChild<QWidget *>(u"txtHeight"_s)->isEnabled());
            Click(dialog, u"optHorRuleFormatted"_s);
            QVERIFY(dialog->findChild<QWidget *>(u"txtHeight"_s)->isEnabled());
            SetText(dialog, u"txtHeight"_s, u"4"_s);
            Click(dialog, u"cmdCancel"_s);
        });
        RunCommand(u"Horizontal Rule"_s);
        QVERIFY(InsertCancelled);
        QCOMPARE(text(), u"a\r\n"_s);

        OnDialog(u"frmHorizRule"_s, [](QDialog *dialog) { Click(dialog, u"cmdOk"_s); });
        RunCommand(u"Horizontal Rule"_s);
        QCOMPARE(text(), u"a<HR>\r\n"_s);
    }
};

QTEST_MAIN(FrmHorizRuleTest)
#include "frmhorizrule_guitest.moc"
