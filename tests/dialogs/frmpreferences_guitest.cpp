// The preferences dialog: the tab it opens on and leaves, what OK stores
// (read back from the store), what Cancel undoes, the template check, the
// active browser, the collection limit and Restore Defaults.

#include "app/appstate.h"
#include "controls/lookupcombo.h"
#include "controls/seltextbox.h"
#include "dialogs/frmpreferences.h"
#include "html/insertstate.h"
#include "settings/datafiles.h"
#include "settings/desktopintegration.h"
#include "settings/preferences.h"
#include "settings/settingsstore.h"
#include "tests/support/dialogdriver.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testenvironment.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {

void showTab(const QObject &dialog, int tab)
{
    Child<QTabWidget>(dialog, u"tabPrefs"_s)->setCurrentIndex(tab);
}

QAbstractButton *indexed(const QObject &parent, const QString &name, int index)
{
    for (QAbstractButton *button : parent.findChildren<QAbstractButton *>(name)) {
        if (button->property("Index").toInt() == index)
            return button;
    }
    return nullptr;
}

} // namespace

class FrmPreferencesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<ScriptedFacades> m_facades;

private Q_SLOTS:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        m_facades = std::make_unique<ScriptedFacades>();
        App().UserDataPath = m_env->root() + u"/user/"_s;
        FontCollections() = {};
        Prefs() = Preferences{};
        LoadPreferences();
    }
    void cleanup()
    {
        QVERIFY2(m_facades->dialogs.problems().isEmpty(), qPrintable(m_facades->dialogs.problems().join(u'\n')));
        m_facades.reset();
        m_env.reset();
        Prefs() = Preferences{};
        FontCollections() = {};
    }

    void okStoresEveryTab()
    {
        const QString templ = m_env->writeFile(u"my template.htm"_s, "<HTML></HTML>");
        const Preferences before = Prefs();
        FrmPreferences dialog;
        dialog.show();
        m_facades->dialogs.answerColour(0x123456);
        indexed(dialog, u"cmdDisColour"_s, 3)->click();
        FontChoice font{u"DejaVu Serif"_s, 30, true, false};
        m_facades->dialogs.answerFont(font);
        Click(&dialog, u"cmdFont"_s);
        const FontChoice asked = m_facades->dialogs.asked().last().font;
        QVERIFY(asked.screenFontsOnly);
        QCOMPARE((std::pair(asked.minSize, asked.maxSize)), (std::pair(8, 35)));
        Child<SelTextBox>(dialog, u"txtTabStops"_s)->setText(u"6"_s);
        Click(&dialog, u"chkHighlighting"_s);
        showTab(dialog, 1);
        Child<QComboBox>(dialog, u"cboDateFormatList"_s)->setCurrentText(u"d mmm yyyy"_s);
        QCOMPARE(Child<QLabel>(dialog, u"lblDateSample"_s)->text(), u"7 Mar 2026");
        Child<QComboBox>(dialog, u"cboTimeFormatList"_s)->setCurrentText(u"h:nn am/pm"_s);
        QCOMPARE(Child<QLabel>(dialog, u"lblTimeSample"_s)->text(), u"2:05 pm");
        showTab(dialog, 2);
        Child<SelTextBox>(dialog, u"txtUserName"_s)->setText(u"Ada"_s);
        Child<SelTextBox>(dialog, u"txtEmailAddress"_s)->setText(u"ada@example.org"_s);
        showTab(dialog, 3);
        for (const QString &box : {u"chkAnchorLists"_s, u"chkIntegrate"_s, u"chkIndentCode"_s})
            Click(&dialog, box);
        showTab(dialog, 6);
        Click(&dialog, u"chkFontCollections"_s);
        showTab(dialog, 7);
        Click(&dialog, u"chkTemplates"_s);
        indexed(dialog, u"optTemplate"_s, 1)->click();
        Child<LookupCombo>(dialog, u"cboTemplateLocation"_s)->setText(templ);
        Click(&dialog, u"cmdOk"_s);
        QVERIFY(!InsertCancelled);

        Prefs() = Preferences{};
        LoadPreferences();
        const Preferences &p = Prefs();
        QCOMPARE(p.CommentColour, 0x123456u);
        QCOMPARE((std::tuple(p.FontName, p.FontSize, p.FontBold)), (std::tuple(u"DejaVu Serif"_s, 8, true)));
        QCOMPARE(ReadSetting(u"Display Preferences"_s, u"FontSize"_s), u"30"); // start-up makes it 8
        QCOMPARE(p.TabStops, 6);
        QCOMPARE((QStringList{p.DateFormat, p.TimeFormat}), (QStringList{u"d mmm yyyy"_s, u"h:nn am/pm"_s}));
        QCOMPARE((QStringList{p.UserName, p.UserEmailAddress}), (QStringList{u"Ada"_s, u"ada@example.org"_s}));
        // Every ticked box stores the other value.
        QCOMPARE((QList<bool>{p.Highlighting, p.AnchorLists, p.ExplorerIntegration, p.IndentCode, p.FontCollections,
                              p.TemplatesOn}),
                 (QList<bool>{!before.Highlighting, !before.AnchorLists, !before.ExplorerIntegration, !before.IndentCode,
                              !before.FontCollections, !before.TemplatesOn}));
        QCOMPARE(QFile::exists(DesktopEntryPath()), p.ExplorerIntegration);
        QCOMPARE((std::pair(p.ActiveTemplate, p.TemplateLocation)), (std::pair(1, templ)));
        QCOMPARE(ReadSetting(u"Recent Lists\\Templates"_s, u"Template 1"_s), templ);
    }

    // The dialog opens on the tab last left, the others disabled; a refused
    // template brings its tab forward with the message; the tab left is
    // stored on Cancel too.
    void templateRefusedOnItsTabAndTheTabLeftKept()
    {
        Prefs().LastPrefOption = 5;
        FrmPreferences dialog;
        dialog.show();
        auto *tabs = Child<QTabWidget>(dialog, u"tabPrefs"_s);
        QCOMPARE(tabs->currentIndex(), 5);
        QVERIFY(tabs->widget(5)->isEnabled() && !tabs->widget(7)->isEnabled());
        showTab(dialog, 7);
        indexed(dialog, u"optTemplate"_s, 1)->click();
        showTab(dialog, 0);
        auto *location = Child<LookupCombo>(dialog, u"cboTemplateLocation"_s);
        location->setText(QString());
        m_facades->dialogs.answerMessage(MessageAnswer::Ok);
        Click(&dialog, u"cmdOk"_s);
        location->setText(u"/no/such.htm"_s);
        m_facades->dialogs.answerMessage(MessageAnswer::Ok);
        Click(&dialog, u"cmdOk"_s);
        QCOMPARE(m_facades->dialogs.messagePrompts(),
                 (QStringList{u"Please enter the path of the template to be used."_s,
                              u"(/no/such.htm)\r\n\r\nThis template file does not exist."_s}));
        QVERIFY(dialog.isVisible());
        QCOMPARE(tabs->currentIndex(), 7);
        Click(&dialog, u"cmdCancel"_s);
        QCOMPARE(Prefs().LastPrefOption, 7);
        QVERIFY(InsertCancelled);
    }

    // Cancel undoes a modified browser; clearing the active one leaves the
    // default, disables Test and stores none on OK.
    void browsers()
    {
        Prefs().Browsers[2] = {u"Lynx"_s, QCoreApplication::applicationFilePath()};
        Prefs().Browsers[3] = Prefs().Browsers[2];
        Prefs().ActiveBrowser = 3;
        Prefs().LastPrefOption = 5;
        SavePreferences();
        LoadPreferences();
        {
            FrmPreferences dialog;
            dialog.show();
            auto *list = Child<QListWidget>(dialog, u"lstBrowser"_s);
            list->setCurrentRow(1);
            OnDialog(u"frmLocation"_s, [](QDialog *location) {
                SetText(location, u"txtName"_s, u"Shell"_s);
                SetText(location, u"txtLocation"_s, u"sh"_s);
                Click(location, u"cmdOk"_s);
            });
            Click(&dialog, u"cmdModifyBrowser"_s);
            QCOMPARE(list->item(1)->text(), u"2: Shell");
            QCOMPARE(Prefs().Browsers[2], (LocationEntry{u"Shell"_s, u"sh"_s}));
            Click(&dialog, u"cmdCancel"_s);
            QCOMPARE(Prefs().Browsers[2], (LocationEntry{u"Lynx"_s, QCoreApplication::applicationFilePath()}));
        }
        FrmPreferences dialog;
        dialog.show();
        auto *active = Child<QComboBox>(dialog, u"cboActiveBrowser"_s);
        QCOMPARE(active->currentText(), u"Browser 3");
        Child<QListWidget>(dialog, u"lstBrowser"_s)->setCurrentRow(2);
        QVERIFY(Child<QPushButton>(dialog, u"cmdTestBrowser"_s)->isEnabled());
        Click(&dialog, u"cmdClearBrowser"_s);
        QCOMPARE(active->currentText(), u"(default)");
        QCOMPARE(active->count(), 2); // browser 2 is still there
        QVERIFY(!Child<QPushButton>(dialog, u"cmdTestBrowser"_s)->isEnabled());
        Click(&dialog, u"cmdOk"_s);
        QCOMPARE(ReadSettingInt(u"Browsers"_s, u"ActiveBrowser"_s, -1), 0);
    }


    void aTwentyFirstCollectionIsRefused()
    {
        for (int i = 1; i <= 20; ++i)
            FontCollections()[i] = {u"C"_s + QString::number(i), u"Arial"_s};
        Prefs().LastPrefOption = 6;
        FrmPreferences dialog;
        dialog.show();
        m_facades->dialogs.answerMessage(MessageAnswer::Ok);
        Click(&dialog, u"cmdNewFont"_s);
        QCOMPARE(m_facades->dialogs.messagePrompts(),
                 QStringList{u"Sorry, 20 is the maximum number of font collections you can define."_s});
        dialog.reject();
    }

    void restoreDefaults()
    {
        FrmPreferences dialog;
        dialog.show();
        auto *highlighting = Child<QCheckBox>(dialog, u"chkHighlighting"_s);
        const bool highlighted = highlighting->isChecked();
        highlighting->click();
        QCOMPARE(indexed(dialog, u"cmdDisColour"_s, 2)->isEnabled(), !highlighted);
        QVERIFY(indexed(dialog, u"cmdDisColour"_s, 1)->isEnabled());
        m_facades->dialogs.answerColour(0x00FF00);
        indexed(dialog, u"cmdDisColour"_s, 0)->click();
        Child<SelTextBox>(dialog, u"txtTabStops"_s)->setText(u"9"_s);
        Click(&dialog, u"cmdRestore"_s);
        QCOMPARE(Child<SelTextBox>(dialog, u"txtTabStops"_s)->text(), u"4");
        QCOMPARE(highlighting->isChecked(), !highlighted);
        Prefs().FontName = u"Other"_s;
        Click(&dialog, u"cmdOk"_s);
        const Preferences &p = Prefs();
        QCOMPARE((QList<quint32>{p.BackColour, p.TextColour, p.TagColour, p.CommentColour, p.SmartColour}),
                 (QList<quint32>{16777215, 0, 16721960, 8421376, 33023}));
        QCOMPARE((std::tuple(p.FontName, p.FontSize, p.FontBold, p.FontItalic)),
                 (std::tuple(u"MS Sans Serif"_s, 10, false, false)));
        QCOMPARE(p.Highlighting, !highlighted);
    }
};

QTEST_MAIN(FrmPreferencesTest)
#include "frmpreferences_guitest.moc"
