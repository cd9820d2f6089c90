// The link, image, page body, rule and search engine dialogs opened by their
// commands on a real selection: tags read back and rebuilt in place, the
// couplings of their controls, Cancel, and refused locations.

#include "app/commandrunner.h"
#include "app/toolmodel.h"
#include "html/insertstate.h"
#include "tests/support/dialogdriver.h"
#include "tests/support/editorfixture.h"

#include <QImage>
#include <QListWidget>
#include <QTabWidget>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

class TagDialogsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorFixture> m_editor;

    QString text() const { return m_editor->active()->textBox()->text(); }
    void open(const QString &marked) { OpenMarked(m_editor->active(), marked); }
    ScriptedDialogs &dialogs() const { return m_editor->facades.dialogs; }

private Q_SLOTS:
    void init()
    {
        m_editor = std::make_unique<EditorFixture>();
        m_editor->env.writeFile(u"app/SystemFiles/Data/SEngines.dat"_s,
                                "[Search Engines]\r\nName1=One\r\nLocation1=https://one.example/\r\nName2=Two\r\n"
                                "Location2=https://two.example/\r\nName3=Three\r\nLocation3=https://three.example/\r\n"
                                "Name5=Five\r\nLocation5=https://five.example/\r\n");
        m_editor->start();
    }
    void cleanup()
    {
        const QString problems = m_editor->problems();
        m_editor.reset();
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
    }

    // The context menu's entry opens the link dialog on the anchor link; OK
    // puts the rebuilt link in its place, before the selection's line break.
    void linkEditedInPlace()
    {
        open(u"x\r\n[<A HREF=\"#top\">Top</A>\r\n]y\r\n"_s);
        const ContextEditChoice choice = ContextEditFor(m_editor->active()->textBox()->selText());
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

    void linkTargetAndStatusRulesThenCancel()
    {
        open(u"[<A HREF=\"http://server/\">Home</A>]\r\n"_s);
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

    // OK without a location is refused by the location control: the dialog
    // stays open on its first tab.
    void linkWithoutLocationStaysOpen()
    {
        open(u"a[]b\r\n"_s);
        dialogs().answerMessage(MessageAnswer::Ok);
        bool stayed = false;
        OnDialog(u"frmLink"_s, [&stayed](QDialog *dialog) {
            auto *tabs = dialog->findChild<QTabWidget *>(u"sstSettingsTab"_s);
            tabs->setCurrentIndex(1);
            Click(dialog, u"cmdOk"_s);
            stayed = dialog->isVisible() && tabs->currentIndex() == 0;
        });
        RunCommand(u"Link"_s);
        QVERIFY(stayed);
        QCOMPARE(dialogs().messages().value(0).title, u"Information Required"_s);
        QCOMPARE(text(), u"ab\r\n"_s);
    }

    void linkedImageKeepsItsText()
    {
        open(u"[<A HREF=\"index.htm\"><IMG SRC=\"a.gif\"> Home</A>]\r\n"_s);
        OnDialog(u"frmImage"_s, [](QDialog *dialog) {
            QVERIFY(IsChecked(dialog, u"optLinkFile"_s));
            QCOMPARE(TextOf(dialog, u"lcLinkLocation"_s), u"index.htm"_s);
            SetText(dialog, u"txtAltText"_s, u"  "_s);
            Click(dialog, u"cmdOk"_s);
        });
        RunCommand(u"Embedded Image"_s);
        QCOMPARE(text(), u"<A HREF=\"index.htm\"><IMG SRC=\"a.gif\" ALT=\"  \">Home</A>\r\n"_s);
    }

    void imageTakesThePicturesSizeAndGrowsOnce()
    {
        QImage(7, 5, QImage::Format_RGB32).save(m_editor->path(u"pic.png"_s));
        m_editor->active()->setFullPath(m_editor->path(u"page.htm"_s));
        open(u"[<IMG SRC=\"pic.png\" WIDTH=\"1\" HEIGHT=\"2\">]\r\n"_s);
        int compact = 0;
        int grown = 0;
        OnDialog(u"frmImage"_s, [&](QDialog *dialog) {
            QVERIFY(dialog->findChild<QWidget *>(u"txtLinkScript_0"_s)->isHidden());
            compact = dialog->height();
            Click(dialog, u"optLinkURL"_s);
            grown = dialog->height();
            QVERIFY(!dialog->findChild<QWidget *>(u"txtLinkScript_0"_s)->isHidden());
            Click(dialog, u"optLinkNothing"_s);
            QCOMPARE(dialog->height(), grown);
            Click(dialog, u"cmdOk"_s);
        });
        RunCommand(u"Embedded Image"_s);
        QVERIFY2(grown > compact, qPrintable(u"%1 -> %2"_s.arg(compact).arg(grown)));
        QCOMPARE(text(), u"<IMG SRC=\"pic.png\" WIDTH=\"7\" HEIGHT=\"5\">\r\n"_s);
    }

    // The command selects the page's BODY tag; unchanged it is given back
    // as it was.
    void bodyTagEditedInPlace()
    {
        const QString page = u"<HTML>\r\n<BODY BGCOLOR=\"#FFFFFF\" LINK=\"red\">\r\nText\r\n</BODY>\r\n"_s;
        open(u"[]"_s + page);
        OnDialog(u"frmBodySetup"_s, [](QDialog *dialog) {
            QCOMPARE(TextOf(dialog, u"colColour_0"_s), u"#FFFFFF"_s);
            QCOMPARE(TextOf(dialog, u"colColour_2"_s), u"red"_s);
            QCOMPARE(TextOf(dialog, u"colColour_1"_s), u"(default)"_s);
            Click(dialog, u"cmdOk"_s);
        });
        RunCommand(u"Page Colours & Background"_s);
        QCOMPARE(text(), page);

        OnDialog(u"frmBodySetup"_s, [](QDialog *dialog) {
            SetText(dialog, u"colColour_1"_s, u"Navy"_s);
            SetText(dialog, u"colColour_2"_s, u"(none)"_s);
            Click(dialog, u"cmdOk"_s);
        });
        RunCommand(u"Page Colours & Background"_s);
        QCOMPARE(text(), u"<HTML>\r\n<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"Navy\">\r\nText\r\n</BODY>\r\n"_s);
    }

    void bodyWithMissingBackgroundStaysOpen()
    {
        open(u"[]x\r\n"_s);
        dialogs().answerMessage(MessageAnswer::Ok);
        bool stayed = false;
        OnDialog(u"frmBodySetup"_s, [&stayed](QDialog *dialog) {
            Click(dialog, u"optURL"_s);
            SetText(dialog, u"lcImageLocation"_s, u"file:///nowhere/back.gif"_s);
            Click(dialog, u"cmdOk"_s);
            stayed = dialog->isVisible();
        });
        RunCommand(u"Page Colours & Background"_s);
        QVERIFY(stayed && InsertCancelled);
        QCOMPARE(dialogs().messages().size(), 1);
        QCOMPARE(text(), u"x\r\n"_s);
    }

    void ruleReadBackAndChanged()
    {
        open(u"[<HR WIDTH=\"75%\">]\r\n"_s);
        OnDialog(u"frmHorizRule"_s, [](QDialog *dialog) {
            QVERIFY(IsChecked(dialog, u"optHorRuleFormatted"_s) && IsChecked(dialog, u"chkPercent"_s));
            QCOMPARE(TextOf(dialog, u"txtWidth"_s), u"75"_s);
            SetText(dialog, u"cboAlign"_s, u"Center"_s);
            Click(dialog, u"chkNoShade"_s);
            Click(dialog, u"cmdOK"_s);
        });
        RunCommand(u"Horizontal Rule"_s);
        QCOMPARE(text(), u"<HR WIDTH=\"75%\" ALIGN=\"Center\" NOSHADE>\r\n"_s);
    }

    void standardRuleAndCancel()
    {
        open(u"a[]\r\n"_s);
        OnDialog(u"frmHorizRule"_s, [](QDialog *dialog) {
            QVERIFY(IsChecked(dialog, u"OptHorRuleStandard"_s));
            QVERIFY(!dialog->findChild<QWidget *>(u"txtHeight"_s)->isEnabled());
            Click(dialog, u"optHorRuleFormatted"_s);
            QVERIFY(dialog->findChild<QWidget *>(u"txtHeight"_s)->isEnabled());
            Click(dialog, u"cmdCancel"_s);
        });
        RunCommand(u"Horizontal Rule"_s);
        QVERIFY(InsertCancelled);
        QCOMPARE(text(), u"a\r\n"_s);

        OnDialog(u"frmHorizRule"_s, [](QDialog *dialog) { Click(dialog, u"cmdOK"_s); });
        RunCommand(u"Horizontal Rule"_s);
        QCOMPARE(text(), u"a<HR>\r\n"_s);
    }

    // The list ends at the first gap; the chosen engines are linked in list
    // order; choosing none leaves the selection as it was.
    void searchEngines()
    {
        open(u"[old]\r\n"_s);
        OnDialog(u"frmSearchEng"_s, [](QDialog *dialog) {
            auto *list = dialog->findChild<QListWidget *>(u"lstSearchEngine"_s);
            QCOMPARE(list->count(), 3);
            Click(dialog, u"cmdSelectAll_0"_s);
            QCOMPARE(list->selectedItems().size(), 3);
            Click(dialog, u"cmdSelectAll_1"_s);
            Click(dialog, u"chkCentre"_s);
            Click(dialog, u"cmdOK"_s);
        });
        RunCommand(u"Search Engine Links"_s);
        QCOMPARE(text(), u"old\r\n"_s);

        OnDialog(u"frmSearchEng"_s, [](QDialog *dialog) {
            auto *list = dialog->findChild<QListWidget *>(u"lstSearchEngine"_s);
            list->item(2)->setSelected(true);
            list->item(0)->setSelected(true);
            Click(dialog, u"cmdOK"_s);
        });
        RunCommand(u"Search Engine Links"_s);
        QCOMPARE(text(), u"<A HREF=\"https://one.example/\">One</A>\r\n<A HREF=\"https://three.example/\">Three</A>\r\n"_s);
    }
};

QTEST_MAIN(TagDialogsTest)
#include "tagdialogs_guitest.moc"
