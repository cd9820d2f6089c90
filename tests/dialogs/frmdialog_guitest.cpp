// The one-field prompt: what it shows, what OK accepts and returns.

#include "controls/seltextbox.h"
#include "dialogs/frmdialog.h"
#include "tests/support/scripteddialogs.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

class FrmDialogTest : public QObject {
    Q_OBJECT

    static PromptRequest request(bool upperCaseChoice = true, bool digitsOnly = false)
    {
        return PromptRequest{u"your page title"_s, u"Old"_s, u"Page Title"_s, 413, upperCaseChoice, digitsOnly};
    }
    static void type(FrmDialog &dialog, const QString &text)
    {
        auto *edit = dialog.findChild<QLineEdit *>(u"txtSelBox"_s);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    static void click(FrmDialog &dialog, const QString &name)
    {
        dialog.findChild<QAbstractButton *>(name)->click();
    }

private Q_SLOTS:
    void showsTheRequest()
    {
        FrmDialog dialog(request(false, true));
        QCOMPARE(dialog.windowTitle(), u"Page Title"_s);
        QCOMPARE(dialog.findChild<QLabel *>(u"lblDialogLabel"_s)->text(), u"Please enter your page title:"_s);
        auto *box = dialog.findChild<SelTextBox *>(u"txtDialogText"_s);
        QCOMPARE(box->text(), QString()); // "Old" is no number
        QCOMPARE(box->boxStyle(), BoxStyle::DigitsOnly);
        QVERIFY(dialog.findChild<QCheckBox *>(u"chkUpperCase"_s)->isHidden());
    }

    void okTrimsAndUpperCases()
    {
        ScriptedFacades facades;
        FrmDialog dialog(request());
        dialog.show();
        type(dialog, u"  my site "_s);
        click(dialog, u"chkUpperCase"_s);
        click(dialog, u"cmdOk"_s);
        QCOMPARE(dialog.result().value_or(u"-"_s), u"MY SITE"_s);
        QVERIFY(!dialog.isVisible());
        QVERIFY(facades.dialogs.asked().isEmpty());
    }

    // "(default)" and "(none)" count as empty, like a blank entry.
    void okRequiresAnEntry()
    {
        ScriptedFacades facades;
        FrmDialog dialog(request());
        dialog.show();
        for (const QString &empty : {u"   "_s, u"(None)"_s}) {
            type(dialog, empty);
            facades.dialogs.answerMessage(MessageAnswer::Ok);
            click(dialog, u"cmdOk"_s);
            QVERIFY(dialog.isVisible());
        }
        QCOMPARE(facades.dialogs.messagePrompts(),
                 QStringList(2, u"Please enter your text into this box."_s));
        QCOMPARE(facades.dialogs.messages().first().title, u"Information Required"_s);
        click(dialog, u"cmdCancel"_s);
        QVERIFY(!dialog.result());
        QVERIFY(facades.dialogs.problems().isEmpty());
    }
};

QTEST_MAIN(FrmDialogTest)
#include "frmdialog_guitest.moc"
