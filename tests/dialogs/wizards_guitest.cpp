// The two wizards walked from their tools to the saved file: the route with
// the step Finish remembers, the location checks, the files copied beside
// the page (never over a file already there), the frame steps a style
// skips, OK in the editor or the browser, and the close box's question.

#include "app/mainwindow.h"
#include "app/toolmodel.h"
#include "dialogs/wizarddialog.h"
#include "settings/files.h"
#include "tests/support/dialogdriver.h"
#include "tests/support/editorfixture.h"

#include <QFileInfo>
#include <QImage>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {

int stepOf(QDialog *dialog) { return qobject_cast<WizardDialog *>(dialog)->step(); }

// The text of a file; "" when it cannot be read.
QString contentOf(const QString &path) { return ReadTextFile(path).text; }

} // namespace

class WizardsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorFixture> m_editor;

    ScriptedDialogs &dialogs() const { return m_editor->dialogs(); }
    QString path(const QString &name) const { return m_editor->path(name); }
    void clickTool(const QString &name) { m_editor->click(name); }

private Q_SLOTS:
    void init()
    {
        m_editor = std::make_unique<EditorFixture>();
        m_editor->start();
    }
    void cleanup() { Finish(m_editor); }

    void pageWizardSavesThePageWithItsFiles()
    {
        const QString background = m_editor->env.writeFile(u"pics/bg.gif"_s, "new picture");
        m_editor->env.writeFile(u"site/bg.gif"_s, "picture already there");
        const QString notes = m_editor->env.writeFile(u"docs/notes.txt"_s, "first");
        QVERIFY(QImage(7, 5, QImage::Format_RGB32).save(path(u"pics/logo.png"_s)));
        Prefs().UserEmailAddress = u"old@example.org"_s;
        dialogs().answerMessage(MessageAnswer::Ok); // the missing file
        dialogs().answerFiles({path(u"site/index.htm"_s)});
        OnDialog(u"frmPageWizard"_s, [&](QDialog *wizard) {
            Click(wizard, u"chkAlwaysOnOpen"_s);
            Click(wizard, u"cmdNext"_s);
            SetText(wizard, u"txtPageTitle"_s, u"Mine"_s);
            Click(wizard, u"cmdNext"_s);
            QCOMPARE(wizard->windowTitle(), u"Web Page Wizard - Page Colours"_s);
            SetText(wizard, u"colColour_1"_s, u"red"_s);
            Click(wizard, u"cmdFinish"_s);
            QCOMPARE(stepOf(wizard), 10);
            Click(wizard, u"cmdBack"_s);
            QCOMPARE(stepOf(wizard), 2);
            Click(wizard, u"cmdNext"_s);

            SetText(wizard, u"txtFileLocation_0"_s, path(u"pics/none.gif"_s));
            Click(wizard, u"cmdNext"_s);
            QCOMPARE(stepOf(wizard), 3);
            QCOMPARE(dialogs().messagePrompts().value(0), u"("_s + path(u"pics/none.gif"_s) + u")\r\n\r\nThis file does not exist."_s);
            SetText(wizard, u"txtFileLocation_0"_s, background);
            Click(wizard, u"cmdNext"_s);
            SetText(wizard, u"txtHeading"_s, u"My Page"_s);
            SetText(wizard, u"txtFileLocation_1"_s, path(u"pics/logo.png"_s));
            Click(wizard, u"cmdNext"_s);
            Click(wizard, u"cmdNext"_s);
            SetText(wizard, u"txtInternetAddress_1"_s, u" HTTP://example.org/"_s);
            Click(wizard, u"cmdNext"_s);
            SetText(wizard, u"txtFileLocation_2"_s, u"   "_s);
            SetText(wizard, u"txtFileLocation_3"_s, notes);
            Click(wizard, u"cmdFinish"_s);
            Click(wizard, u"cmdSave"_s);
            SetText(wizard, u"txtUserName"_s, u"Ann"_s);
            SetText(wizard, u"txtEmailAddress"_s, u" "_s);
            Click(wizard, u"cmdOK"_s);
        });
        clickTool(u"mnuFileWebPageWizard"_s);

        const QString page = contentOf(path(u"site/index.htm"_s));
        QVERIFY(page.contains(u"<BODY BACKGROUND=\"bg.gif\" TEXT=\"red\">"_s));
        QVERIFY(page.contains(u"<A HREF=\"http://example.org/\">http://example.org/</A>"_s));
        QVERIFY(page.contains(u"<A HREF=\"notes.txt\">notes.txt</A>"_s));
        QVERIFY(page.contains(u"<IMG SRC=\"logo.png\" WIDTH=\"7\" HEIGHT=\"5\">"_s));
        QVERIFY(QFileInfo::exists(path(u"site/logo.png"_s)));
        QCOMPARE(contentOf(path(u"site/bg.gif"_s)), u"picture already there"_s);
        QCOMPARE(contentOf(path(u"site/notes.txt"_s)), u"first"_s);
        QCOMPARE(m_editor->active()->FullPath(), path(u"site/index.htm"_s));
        QCOMPARE(Prefs().UserName, u"Ann"_s);
        QCOMPARE(Prefs().UserEmailAddress, u"old@example.org"_s);
        QVERIFY(Prefs().PageWizard);
    }

    void framesWizardSkipsUnusedFramesAndChecksLocations()
    {
        m_editor->env.writeFile(u"site/top.htm"_s, "top");
        m_editor->env.writeFile(u"site/Pages/Main.htm"_s, "main");
        Prefs().LowerCasePaths = true;
        dialogs().answerMessage(MessageAnswer::Ok); // the empty location
        dialogs().answerFiles({path(u"site/frames.htm"_s)});
        dialogs().answerMessage(MessageAnswer::No);  // the close box, answered No
        dialogs().answerMessage(MessageAnswer::Yes); // and Yes
        OnDialog(u"frmFramesWizard"_s, [&](QDialog *wizard) {
            Click(wizard, u"cmdNext"_s);
            Click(wizard, u"optFrameStyle_3"_s);
            Click(wizard, u"cmdNext"_s);
            QVERIFY(!wizard->findChild<QAbstractButton *>(u"cmdFinish"_s)->isEnabled());
            Click(wizard, u"cmdNext"_s);
            Click(wizard, u"cmdNext"_s);
            QCOMPARE(stepOf(wizard), 3);
            QCOMPARE(dialogs().messages().value(0).prompt, u"Please enter the path of the local file to be used."_s);
            SetText(wizard, u"txtFrameName"_s, u"nav"_s);
            SetText(wizard, u"txtFileLocation"_s, path(u"site/top.htm"_s));
            Click(wizard, u"chkScrollbars"_s);
            Click(wizard, u"cmdNext"_s);
            QCOMPARE(wizard->windowTitle(), u"Frames Wizard - Bottom Frame Settings"_s);
            QCOMPARE(TextOf(wizard, u"txtFrameName"_s), QString());
            SetText(wizard, u"txtFileLocation"_s, path(u"site/Pages/Main.htm"_s));
            Click(wizard, u"cmdBack"_s);
            QCOMPARE(TextOf(wizard, u"txtFrameName"_s), u"nav"_s);
            while (stepOf(wizard) < 9)
                Click(wizard, u"cmdNext"_s);
            SetText(wizard, u"txtRowHeight"_s, u"25"_s); // on the sizes page, left already
            Click(wizard, u"cmdSave"_s);
            Click(wizard, u"optBrowser"_s);
            Click(wizard, u"cmdOK"_s);
            QVERIFY(wizard->isVisible());
            wizard->close();
            QVERIFY(wizard->isVisible());
            wizard->close();
            QVERIFY(!wizard->isVisible());
        });
        clickTool(u"mnuFramesWizard"_s);

        const QString frames = contentOf(path(u"site/frames.htm"_s));
        QVERIFY(frames.contains(u"<FRAMESET ROWS=\"25,*\">"_s));
        QVERIFY(frames.contains(u"\t<FRAME SRC=\"top.htm\" NAME=\"nav\" SCROLLING=\"No\">\r\n"
                                u"\t<FRAME SRC=\"pages/main.htm\">\r\n"_s));
        QCOMPARE(m_editor->facades.launcher.started.value(0).arguments.value(0), path(u"site/frames.htm"_s));
        QCOMPARE(m_editor->window->Documents().size(), 1); // the untitled one only
    }

    // With the wizard at start-up, the files named on the command line stay
    // closed, and so does the new document.
    void wizardAtStartUpTakesThePlaceOfTheFiles()
    {
        const QString file = m_editor->env.writeFile(u"a.htm"_s, "<HTML>");
        Prefs().PageWizard = true;
        SavePreferences();
        m_editor->stop();
        bool shown = false;
        OnDialog(u"frmPageWizard"_s, [&shown](QDialog *wizard) {
            shown = IsChecked(wizard, u"chkAlwaysOnOpen"_s);
            Click(wizard, u"chkAlwaysOnOpen"_s);
            Click(wizard, u"cmdCancel"_s);
        });
        m_editor->start({file});
        QVERIFY(shown);
        QVERIFY(m_editor->window->Documents().isEmpty());
        QVERIFY(!Prefs().PageWizard);
    }
};

QTEST_MAIN(WizardsTest)
#include "wizards_guitest.moc"
