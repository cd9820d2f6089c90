// The tag dialogs opened by their commands on a real selection: tags read
// back and rebuilt in place, the couplings of their controls, Cancel, and
// the entries OK refuses.

#include "app/commandrunner.h"
#include "app/toolmodel.h"
#include "html/insertstate.h"
#include "tests/support/dialogdriver.h"
#include "tests/support/editorfixture.h"

#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

using DialogAction = std::function<void(QDialog *)>;
Q_DECLARE_METATYPE(DialogAction)

class TagDialogsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorFixture> m_editor;

    RichTextBox *box() const { return m_editor->active()->textBox(); }
    QString text() const { return box()->text(); }
    void open(const QString &marked) { OpenMarked(m_editor->active(), marked); }
    ScriptedDialogs &dialogs() const { return m_editor->dialogs(); }
    // Runs the command, with action on the dialog it opens.
    static void runOn(const QString &command, const QString &dialog, const DialogAction &action)
    {
        OnDialog(dialog, action);
        RunCommand(command);
    }
    // The command the context menu's entry runs on the selection.
    QString contextCommand() const { return ContextEditFor(box()->selText()).commandText; }

private Q_SLOTS:
    void init()
    {
        m_editor = std::make_unique<EditorFixture>();
        m_editor->env.writeFile(u"app/SystemFiles/Data/SEngines.dat"_s,
                                "[Search Engines]\r\nName1=One\r\nLocation1=https://one.example/\r\nName2=Two\r\n"
                                "Location2=https://two.example/\r\nName3=Three\r\nLocation3=https://three.example/\r\n");
        m_editor->start();
        Prefs().LowerCasePaths = true;
    }
    void cleanup() { Finish(m_editor); }

    // The context menu's entry opens the link dialog on the anchor link; OK
    // puts the rebuilt link in its place, before the selection's line break.
    // The new window box follows the target; the status text fills the
    // Cancel leaves the link as it was.
    void linkEditedInPlaceThenCancel()
    {
        open(u"x\r\n[<A HREF=\"#top\">Top</A>\r\n]y\r\n"_s);
        QCOMPARE(contextCommand(), u"Link"_s);
        runOn(u"Link"_s, u"frmLink"_s, [](QDialog *dialog) {
            QVERIFY(IsChecked(dialog, u"optLinkAnchor"_s));
            QCOMPARE(TextOf(dialog, u"lcLinkLocation"_s), u"top"_s);
            SetText(dialog, u"txtDisplayText"_s, u"Up"_s);
            Click(dialog, u"cmdOk"_s);
        });
        QVERIFY(!InsertCancelled);
        QCOMPARE(text(), u"x\r\n<A HREF=\"#top\">Up</A>\r\ny\r\n"_s);

        runOn(u"Link"_s, u"frmLink"_s, [](QDialog *dialog) {
            dialog->findChild<QTabWidget *>(u"sstSettingsTab"_s)->setCurrentIndex(1);
            SetText(dialog, u"cboTarget"_s, u"_New"_s);
            QVERIFY(IsChecked(dialog, u"chkNewWindow"_s));
            QCOMPARE(TextOf(dialog, u"cboTarget"_s), u"_blank"_s);
            Click(dialog, u"chkNewWindow"_s);
            QCOMPARE(TextOf(dialog, u"cboTarget"_s), u"(default)"_s);
            Click(dialog, u"cmdCancel"_s);
        });
        QVERIFY(InsertCancelled);
        QCOMPARE(text(), u"x\r\n<A HREF=\"#top\">Up</A>\r\ny\r\n"_s);
    }

    void imageTakesThePicturesSizeAndGrowsOnce()
    {
        QImage(7, 5, QImage::Format_RGB32).save(m_editor->path(u"pic.png"_s));
        m_editor->active()->setFullPath(m_editor->path(u"page.htm"_s));
        open(u"[<IMG SRC=\"pic.png\" WIDTH=\"1\" HEIGHT=\"2\">]\r\n"_s);
        int compact = 0;
        int grown = 0;
        runOn(u"Embedded Image"_s, u"frmImage"_s, [&](QDialog *dialog) {
            QVERIFY(dialog->findChild<QWidget *>(u"txtLinkScript_0"_s)->isHidden());
            compact = dialog->height();
            Click(dialog, u"optLinkURL"_s);
            grown = dialog->height();
            QVERIFY(!dialog->findChild<QWidget *>(u"txtLinkScript_0"_s)->isHidden());
            Click(dialog, u"optLinkNothing"_s);
            QCOMPARE(dialog->height(), grown);
            Click(dialog, u"cmdOk"_s);
        });
        QVERIFY2(grown > compact, qPrintable(u"%1 -> %2"_s.arg(compact).arg(grown)));
        QCOMPARE(text(), u"<IMG SRC=\"pic.png\" WIDTH=\"7\" HEIGHT=\"5\">\r\n"_s);
    }

    // The command selects the page's BODY tag and rebuilds it in place.
    void bodyTagEditedInPlace()
    {
        const QString page = u"<HTML>\r\n<BODY BGCOLOR=\"#FFFFFF\" LINK=\"red\">\r\nText\r\n</BODY>\r\n"_s;
        open(u"[]"_s + page);
        runOn(u"Page Colours & Background"_s, u"frmBodySetup"_s, [](QDialog *dialog) {
            SetText(dialog, u"colColour_1"_s, u"Navy"_s);
            SetText(dialog, u"colColour_2"_s, u"(none)"_s);
            Click(dialog, u"cmdOk"_s);
        });
        QCOMPARE(text(), u"<HTML>\r\n<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"Navy\">\r\nText\r\n</BODY>\r\n"_s);
    }

    // OK with a required entry missing or wrong is refused with one message:
    // the dialog stays open on its first tab and the text is left alone.
    void refusedOkKeepsTheDialogOpen_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("before");
        QTest::addColumn<DialogAction>("fill");
        const auto secondTab = [](QDialog *dialog) { dialog->findChild<QTabWidget *>(u"sstSettingsTab"_s)->setCurrentIndex(1); };
        const auto background = [](QDialog *dialog) {
            Click(dialog, u"optURL"_s);
            SetText(dialog, u"lcImageLocation"_s, u"file:///nowhere/back.gif"_s);
        };
        // Plain text chooses the frame; the frame set is chosen by hand.
        const auto frameset = [secondTab](QDialog *dialog) {
            QVERIFY(IsChecked(dialog, u"optFrameElement_1"_s));
            Click(dialog, u"optFrameElement_0"_s);
            secondTab(dialog);
            SetText(dialog, u"txtSetBorderSize"_s, u"2"_s);
        };
        QTest::newRow("link without location") << u"Link"_s << u"frmLink"_s << u"a[]b\r\n"_s << DialogAction(secondTab);
        QTest::newRow("background not found") << u"Page Colours & Background"_s << u"frmBodySetup"_s << u"[]x\r\n"_s << DialogAction(background);
        QTest::newRow("table background not found") << u"Advanced Table"_s << u"frmTable"_s << u"[]x\r\n"_s << DialogAction(background);
        QTest::newRow("frame set without sizes") << u"Advanced Frames"_s << u"frmFrames"_s << u"[Hello]\r\n"_s << DialogAction(frameset);
        QTest::newRow("sound without location") << u"Page Sound"_s << u"frmSound"_s << u"a[]\r\n"_s << DialogAction();
    }
    void refusedOkKeepsTheDialogOpen()
    {
        QFETCH(QString, command);
        QFETCH(QString, dialog);
        QFETCH(QString, before);
        QFETCH(DialogAction, fill);
        open(before);
        dialogs().answerMessage(MessageAnswer::Ok);
        bool stayed = false;
        runOn(command, dialog, [&stayed, fill](QDialog *shown) {
            if (fill)
                fill(shown);
            Click(shown, shown->findChild<QAbstractButton *>(u"cmdOk"_s) ? u"cmdOk"_s : u"cmdOK"_s);
            auto *tabs = shown->findChild<QTabWidget *>(u"sstSettingsTab"_s);
            stayed = shown->isVisible() && (!tabs || tabs->currentIndex() == 0);
        });
        QVERIFY(stayed && InsertCancelled);
        QCOMPARE(dialogs().messages().size(), 1);
        QCOMPARE(text(), before.remove(u'[').remove(u']'));
    }

    // The standard rule has no height; a formatted one read back is rebuilt.
    void ruleReadBackAndChanged()
    {
        open(u"a[]\r\n"_s);
        runOn(u"Horizontal Rule"_s, u"frmHorizRule"_s, [](QDialog *dialog) {
            QVERIFY(!dialog->findChild<QWidget *>(u"txtHeight"_s)->isEnabled());
            Click(dialog, u"optHorRuleFormatted"_s);
            QVERIFY(dialog->findChild<QWidget *>(u"txtHeight"_s)->isEnabled());
            Click(dialog, u"cmdCancel"_s);
        });
        QVERIFY(InsertCancelled);

        open(u"[<HR WIDTH=\"75%\">]\r\n"_s);
        runOn(u"Horizontal Rule"_s, u"frmHorizRule"_s, [](QDialog *dialog) {
            QCOMPARE(TextOf(dialog, u"txtWidth"_s), u"75"_s);
            SetText(dialog, u"cboAlign"_s, u"Center"_s);
            Click(dialog, u"chkNoShade"_s);
            Click(dialog, u"cmdOK"_s);
        });
        QCOMPARE(text(), u"<HR WIDTH=\"75%\" ALIGN=\"Center\" NOSHADE>\r\n"_s);
    }

    // Select All then Select None leaves nothing to link: the selection
    // stays; the chosen engines are linked in list order.
    void searchEngines()
    {
        open(u"[old]\r\n"_s);
        runOn(u"Search Engine Links"_s, u"frmSearchEng"_s, [](QDialog *dialog) {
            Click(dialog, u"cmdSelectAll_0"_s);
            Click(dialog, u"cmdSelectAll_1"_s);
            Click(dialog, u"cmdOK"_s);
        });
        QCOMPARE(text(), u"old\r\n"_s);

        runOn(u"Search Engine Links"_s, u"frmSearchEng"_s, [](QDialog *dialog) {
            auto *list = dialog->findChild<QListWidget *>(u"lstSearchEngine"_s);
            list->item(2)->setSelected(true);
            list->item(0)->setSelected(true);
            Click(dialog, u"cmdOK"_s);
        });
        QCOMPARE(text(), u"<A HREF=\"https://one.example/\">One</A>\r\n<A HREF=\"https://three.example/\">Three</A>\r\n"_s);
    }

    void framesetEditedInPlace()
    {
        open(u"[<FRAMESET COLS=\"20%, 80%\">\r\n<FRAME SRC=\"a.htm\">\r\n</FRAMESET>\r\n]x"_s);
        QCOMPARE(contextCommand(), u"Advanced Frames"_s);
        runOn(u"Advanced Frames"_s, u"frmFrames"_s, [](QDialog *dialog) {
            QVERIFY(IsChecked(dialog, u"optFrameElement_0"_s));
            QVERIFY(dialog->findChild<QWidget *>(u"fmeFrameElement_1"_s)->isHidden());
            QCOMPARE(TextOf(dialog, u"txtColumns"_s), u"20%, 80%"_s);
            SetText(dialog, u"txtColumns"_s, u"30%, 70%"_s);
            SetText(dialog, u"txtScriptEvent_0"_s, u"init()"_s);
            Click(dialog, u"cmdOk"_s);
        });
        QVERIFY(!InsertCancelled);
        QCOMPARE(text(), u"<FRAMESET COLS=\"30%, 70%\" onLoad=\"init()\">\r\n<FRAME SRC=\"a.htm\">\r\n</FRAMESET>\r\nx"_s);
    }

    // A frame's path keeps its capitals although LowerCasePaths is on.
    void frameKeepsThePathsSpelling()
    {
        open(u"a[]\r\n"_s);
        runOn(u"Advanced Frames"_s, u"frmFrames"_s, [](QDialog *dialog) {
            QVERIFY(IsChecked(dialog, u"chkResizable"_s));
            SetText(dialog, u"lcDocLocation"_s, u"Pages/Menu.htm"_s);
            SetText(dialog, u"txtFrameName"_s, u"left"_s);
            SetText(dialog, u"cboScrollbars"_s, u"No"_s);
            Click(dialog, u"chkResizable"_s);
            Click(dialog, u"cmdOk"_s);
        });
        QCOMPARE(text(), u"a<FRAME SRC=\"Pages/Menu.htm\" NAME=\"left\" NORESIZE SCROLLING=\"No\">\r\n"_s);
    }

    // Another console reads back hidden, so starting by itself; clearing
    // either box checks the other.
    void soundBoxesStayConsistent()
    {
        open(u"[<EMBED SRC=\"tune.mid\" CONTROLS=\"Console\" VOLUME=\"80\">]\r\n"_s);
        QCOMPARE(contextCommand(), u"Page Sound"_s);
        runOn(u"Page Sound"_s, u"frmSound"_s, [](QDialog *dialog) {
            QVERIFY(!IsChecked(dialog, u"chkControls"_s) && IsChecked(dialog, u"chkStartAuto"_s));
            QCOMPARE(dialog->findChild<QLabel *>(u"lblCurrentVolume"_s)->text(), u"80"_s);
            Click(dialog, u"chkStartAuto"_s);
            QVERIFY(IsChecked(dialog, u"chkControls"_s) && !IsChecked(dialog, u"chkStartAuto"_s));
            Click(dialog, u"chkControls"_s);
            QVERIFY(!IsChecked(dialog, u"chkControls"_s) && IsChecked(dialog, u"chkStartAuto"_s));
            dialog->findChild<QSlider *>(u"sdrVolume"_s)->setValue(30);
            QCOMPARE(dialog->findChild<QLabel *>(u"lblCurrentVolume"_s)->text(), u"30"_s);
            SetText(dialog, u"lcSoundLocation"_s, u"Sounds/Tune.MID"_s);
            Click(dialog, u"chkLoop"_s);
            Click(dialog, u"cmdOK"_s);
        });
        QCOMPARE(text(), u"<EMBED SRC=\"sounds/tune.mid\" VOLUME=\"30\" HIDDEN=\"True\" LOOP=\"True\" "
                         "AUTOSTART=\"True\">\r\n"_s);
    }

    // A refresh with only a number reloads the page itself: no location
    // until another page is chosen; Cancel leaves the tag as it was.
    void autoLoadReadBackChangedThenCancel()
    {
        open(u"[<META HTTP-EQUIV=\"Refresh\" CONTENT=\"5\">]\r\n"_s);
        QCOMPARE(contextCommand(), u"Timer Auto-Load"_s);
        runOn(u"Meta Refresh"_s, u"frmAutoLoad"_s, [](QDialog *dialog) {
            QVERIFY(IsChecked(dialog, u"optCurrent"_s));
            QVERIFY(dialog->findChild<QWidget *>(u"lcAutoLocation"_s)->isHidden());
            dialog->findChild<QSpinBox *>(u"udDelay"_s)->stepBy(5);
            QCOMPARE(TextOf(dialog, u"txtDelay"_s), u"10"_s);
            Click(dialog, u"optFile"_s);
            QVERIFY(!dialog->findChild<QWidget *>(u"lcAutoLocation"_s)->isHidden());
            SetText(dialog, u"lcAutoLocation"_s, u"Next.htm"_s);
            Click(dialog, u"cmdOK"_s);
        });
        QCOMPARE(text(), u"<META HTTP-EQUIV=\"Refresh\" CONTENT=\"10;URL=next.htm\">\r\n"_s);

        box()->select(0, int(text().size()) - 2);
        runOn(u"Timer Auto-Load"_s, u"frmAutoLoad"_s, [](QDialog *dialog) { Click(dialog, u"cmdCancel"_s); });
        QVERIFY(InsertCancelled);
        QCOMPARE(text(), u"<META HTTP-EQUIV=\"Refresh\" CONTENT=\"10;URL=next.htm\">\r\n"_s);
    }

    // "Edit Selected Tags" on a cell: only its opening tag is rebuilt, and
    // the result stays selected.
    void cellEditedInPlace()
    {
        open(u"x\r\n[<TD WIDTH=\"50%\">text</TD>\r\n]y"_s);
        QCOMPARE(contextCommand(), u"Advanced Table"_s);
        runOn(u"Advanced Table"_s, u"frmTable"_s, [](QDialog *dialog) {
            QVERIFY(IsChecked(dialog, u"optTableElement_2"_s));
            QVERIFY(IsChecked(dialog, u"chkWidthPercent_2"_s));
            QCOMPARE(TextOf(dialog, u"txtWidth_2"_s), u"50"_s);
            SetText(dialog, u"txtWidth_2"_s, u"60"_s);
            Click(dialog, u"cmdOk"_s);
        });
        QVERIFY(!InsertCancelled);
        QCOMPARE(box()->text(), u"x\r\n<TD WIDTH=\"60%\">text</TD>\r\ny"_s);
        QCOMPARE(box()->selText(), u"<TD WIDTH=\"60%\">text</TD>\r\n"_s);
    }

    // Every element keeps its own background; the caption has none; Cancel
    // leaves the text as it was.
    void backgroundKeptPerElementThenCancel()
    {
        const QString table = u"<TABLE BACKGROUND=\"http://server/bg.gif\">\r\n</TABLE>"_s;
        open(u"["_s + table + u"]"_s);
        runOn(u"Advanced Table"_s, u"frmTable"_s, [](QDialog *dialog) {
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
            Click(dialog, u"cmdCancel"_s);
        });
        QVERIFY(InsertCancelled);
        QCOMPARE(box()->text(), table);
    }

    void quickTableCorrectsItsCounts()
    {
        open(u"a[Hi]b"_s);
        QString rowsShown;
        runOn(u"Quick Table"_s, u"frmQuickTable"_s, [&rowsShown](QDialog *dialog) {
            QCOMPARE(TextOf(dialog, u"txtColumns"_s), u"3"_s);
            SetText(dialog, u"txtRows"_s, u"0"_s);
            SetText(dialog, u"txtColumns"_s, u"2"_s);
            Click(dialog, u"cmdOk"_s);
            rowsShown = TextOf(dialog, u"txtRows"_s);
        });
        QCOMPARE(rowsShown, u"1"_s);
        const QString table = u"<TABLE>\r\n\r\n\t<TR>\r\n\t\t<TD>\r\n\t\t\tHi\r\n\t\t</TD>\r\n\t\t<TD>\r\n\t\t</TD>\r\n"
                              "\t</TR>\r\n\r\n</TABLE>"_s;
        QCOMPARE(box()->text(), u"a"_s + table + u"b"_s);
        QCOMPARE(box()->selText(), table);
    }
};

QTEST_MAIN(TagDialogsTest)
#include "tagdialogs_guitest.moc"
