// The frame, sound and auto-load dialogs opened by their commands on a real
// selection: tags read back and rebuilt in place, the coupled player boxes,
// the hidden location of a reload, the spelling of paths and Cancel (the
// entries OK refuses are in tagdialogs_guitest).

#include "app/commandrunner.h"
#include "app/toolmodel.h"
#include "html/insertstate.h"
#include "tests/support/dialogdriver.h"
#include "tests/support/editorfixture.h"

#include <QLabel>
#include <QSlider>
#include <QSpinBox>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

class FrameDialogsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorFixture> m_editor;

    QString text() const { return m_editor->active()->textBox()->text(); }
    void open(const QString &marked) { OpenMarked(m_editor->active(), marked); }
    // The command the context menu's entry runs on the selection.
    QString contextCommand() const { return ContextEditFor(m_editor->active()->textBox()->selText()).commandText; }

private Q_SLOTS:
    void init()
    {
        m_editor = std::make_unique<EditorFixture>();
        m_editor->start();
        Prefs().LowerCasePaths = true;
    }
    void cleanup() { Finish(m_editor); }

    void framesetEditedInPlace()
    {
        open(u"[<FRAMESET COLS=\"20%, 80%\">\r\n<FRAME SRC=\"a.htm\">\r\n</FRAMESET>\r\n]x"_s);
        QCOMPARE(contextCommand(), u"Advanced Frames"_s);
        OnDialog(u"frmFrames"_s, [](QDialog *dialog) {
            QVERIFY(IsChecked(dialog, u"optFrameElement_0"_s));
            QVERIFY(dialog->findChild<QWidget *>(u"fmeFrameElement_1"_s)->isHidden());
            QCOMPARE(TextOf(dialog, u"txtColumns"_s), u"20%, 80%"_s);
            SetText(dialog, u"txtColumns"_s, u"30%, 70%"_s);
            SetText(dialog, u"txtScriptEvent_0"_s, u"init()"_s);
            Click(dialog, u"cmdOk"_s);
        });
        RunCommand(u"Advanced Frames"_s);
        QVERIFY(!InsertCancelled);
        QCOMPARE(text(), u"<FRAMESET COLS=\"30%, 70%\" onLoad=\"init()\">\r\n<FRAME SRC=\"a.htm\">\r\n</FRAMESET>\r\nx"_s);
    }

    // A frame's path keeps its capitals although LowerCasePaths is on.
    void frameKeepsThePathsSpelling()
    {
        open(u"a[]\r\n"_s);
        OnDialog(u"frmFrames"_s, [](QDialog *dialog) {
            QVERIFY(IsChecked(dialog, u"chkResizable"_s));
            SetText(dialog, u"lcDocLocation"_s, u"Pages/Menu.htm"_s);
            SetText(dialog, u"txtFrameName"_s, u"left"_s);
            SetText(dialog, u"cboScrollbars"_s, u"No"_s);
            Click(dialog, u"chkResizable"_s);
            Click(dialog, u"cmdOk"_s);
        });
        RunCommand(u"Advanced Frames"_s);
        QCOMPARE(text(), u"a<FRAME SRC=\"Pages/Menu.htm\" NAME=\"left\" NORESIZE SCROLLING=\"No\">\r\n"_s);
    }

    // Another console reads back hidden, so starting by itself; clearing
    // either box checks the other.
    void soundBoxesStayConsistent()
    {
        open(u"[<EMBED SRC=\"tune.mid\" CONTROLS=\"Console\" VOLUME=\"80\">]\r\n"_s);
        QCOMPARE(contextCommand(), u"Page Sound"_s);
        OnDialog(u"frmSound"_s, [](QDialog *dialog) {
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
        RunCommand(u"Page Sound"_s);
        QCOMPARE(text(), u"<EMBED SRC=\"sounds/tune.mid\" VOLUME=\"30\" HIDDEN=\"True\" LOOP=\"True\" "
                         "AUTOSTART=\"True\">\r\n"_s);
    }

    // A refresh with only a number reloads the page itself: no location
    // until another page is chosen; Cancel leaves the tag as it was.
    void autoLoadReadBackChangedThenCancel()
    {
        open(u"[<META HTTP-EQUIV=\"Refresh\" CONTENT=\"5\">]\r\n"_s);
        QCOMPARE(contextCommand(), u"Timer Auto-Load"_s);
        OnDialog(u"frmAutoLoad"_s, [](QDialog *dialog) {
            QVERIFY(IsChecked(dialog, u"optCurrent"_s));
            QVERIFY(dialog->findChild<QWidget *>(u"lcAutoLocation"_s)->isHidden());
            dialog->findChild<QSpinBox *>(u"udDelay"_s)->stepBy(5);
            QCOMPARE(TextOf(dialog, u"txtDelay"_s), u"10"_s);
            Click(dialog, u"optFile"_s);
            QVERIFY(!dialog->findChild<QWidget *>(u"lcAutoLocation"_s)->isHidden());
            SetText(dialog, u"lcAutoLocation"_s, u"Next.htm"_s);
            Click(dialog, u"cmdOK"_s);
        });
        RunCommand(u"Meta Refresh"_s);
        QCOMPARE(text(), u"<META HTTP-EQUIV=\"Refresh\" CONTENT=\"10;URL=next.htm\">\r\n"_s);

        m_editor->active()->textBox()->select(0, int(text().size()) - 2);
        OnDialog(u"frmAutoLoad"_s, [](QDialog *dialog) { Click(dialog, u"cmdCancel"_s); });
        RunCommand(u"Timer Auto-Load"_s);
        QVERIFY(InsertCancelled);
        QCOMPARE(text(), u"<META HTTP-EQUIV=\"Refresh\" CONTENT=\"10;URL=next.htm\">\r\n"_s);
    }
};

QTEST_MAIN(FrameDialogsTest)
#include "framedialogs_guitest.moc"
