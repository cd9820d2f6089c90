// The dialogs that stand alone: the tag dialogs' common frame, the one-field
// prompt, the small dialogs of the preferences and the text appearance
// window: what they show, what OK accepts or refuses, and what Cancel leaves.

#include "controls/lookupcombo.h"
#include "controls/seltextbox.h"
#include "dialogs/frmdeftextsize.h"
#include "dialogs/frmdialog.h"
#include "dialogs/frmfontcollection.h"
#include "dialogs/frmlocation.h"
#include "dialogs/frmtextformat.h"
#include "dialogs/tagdialog.h"
#include "html/insertstate.h"
#include "settings/datafiles.h"
#include "settings/locationcheck.h"
#include "settings/preferences.h"
#include "settings/screenfonts.h"
#include "settings/settingsstore.h"
#include "tests/support/dialogdriver.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testenvironment.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {

QStringList fontBoxes(const FrmFontCollection &dialog)
{
    QStringList texts;
    for (const LookupCombo *combo : dialog.findChildren<LookupCombo *>(u"cboFontsList"_s))
        texts.append(combo->text());
    return texts;
}

PromptRequest titleRequest(bool upperCaseChoice = true, bool digitsOnly = false)
{
    return PromptRequest{u"your page title"_s, u"Old"_s, u"Page Title"_s, 413, upperCaseChoice, digitsOnly};
}

void typeInto(FrmDialog &dialog, const QString &text)
{
    auto *edit = dialog.findChild<QLineEdit *>(u"txtSelBox"_s);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// A two-tab dialog whose OK refuses an empty entry on the second tab.
class SampleDialog final : public TagDialog {
public:
    SampleDialog()
        : TagDialog(u"frmSample"_s, u"Sample"_s, 0)
    {
        tabs = tabFrame(u"sstSample"_s);
        tabs->addTab(new QWidget, TabCaption(u"Standard Settings"_s));
        auto *advanced = new QWidget;
        entry = new QLineEdit(advanced);
        new QVBoxLayout(advanced);
        advanced->layout()->addWidget(entry);
        tabs->addTab(advanced, TabCaption(u"Advanced Settings"_s));
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(tabs);
        layout->addLayout(standardButtons(Qt::Horizontal));
    }
    QTabWidget *tabs = nullptr;
    QLineEdit *entry = nullptr;

protected:
    std::optional<QString> buildResult() override
    {
        if (entry->text().isEmpty()) {
            focusEntry(entry);
            return std::nullopt;
        }
        return u"<X>"_s + entry->text();
    }
};

void clickLater(SampleDialog &dialog, const QString &button, const QString &typed = {})
{
    QTimer::singleShot(0, &dialog, [&dialog, button, typed] {
        dialog.entry->setText(typed);
        dialog.findChild<QPushButton *>(button)->click();
        if (dialog.isVisible()) // refused: leave by Cancel, after looking
            QTimer::singleShot(0, &dialog, [&dialog] { dialog.reject(); });
    });
}

} // namespace

class TextDialogsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { SetScreenFonts({u"Arial"_s, u"Courier New"_s, u"Verdana"_s}); }
    void cleanup()
    {
        SetScreenFonts({});
        FontCollections() = {};
        Prefs() = Preferences{};
    }

    void locationRefusesBrowsesAndCancelLeavesTheEntry()
    {
        ScriptedFacades facades;
        FrmLocation dialog(u"Reference Guide"_s, u"&Description Of Guide"_s, u"&Guide Location"_s, GuideFilterKind);
        dialog.show();
        QCOMPARE(Child<QLabel>(dialog, u"lblName"_s)->text(), u"&Description Of Guide:");
        facades.dialogs.answerMessage(MessageAnswer::Ok);
        Click(&dialog, u"cmdOk"_s);
        QVERIFY(dialog.isVisible());
        facades.dialogs.answerFiles({u"/usr/bin/sh"_s});
        Click(&dialog, u"cmdBrowse"_s);
        QCOMPARE(facades.dialogs.asked().last().file.title, u"Locate Reference Guide");
        dialog.setEntry(u"Ref"_s, dialog.location());
        QCOMPARE(dialog.location(), u"/usr/bin/sh");
        Click(&dialog, u"cmdOk"_s);
        QVERIFY(!InsertCancelled && !dialog.isVisible());

        QString name = u"Old"_s;
        QString location = u"/old"_s;
        OnDialog(u"frmLocation"_s, [](QDialog *modal) { Click(modal, u"cmdCancel"_s); });
        QVERIFY(FrmLocation::Form_Run(name, location, u"Web Browser"_s, u"&Description Of Browser"_s,
                                      u"&Browser Location"_s, BrowserFilterKind));
        QCOMPARE((QStringList{name, location}), (QStringList{u"Old"_s, u"/old"_s}));
        QVERIFY(facades.dialogs.problems().isEmpty());
    }

    void fontCollectionSplitsAndBuilds()
    {
        ScriptedFacades facades;
        FrmFontCollection dialog(u"Sans"_s, u"Arial, Missing Font"_s);
        dialog.show();
        QCOMPARE(fontBoxes(dialog), (QStringList{u"Arial"_s, u"Missing Font"_s, u"(none)"_s}));
        auto combos = dialog.findChildren<LookupCombo *>(u"cboFontsList"_s);
        QCOMPARE(combos[0]->items(), (QStringList{u"(none)"_s, u"Arial"_s, u"Courier New"_s, u"Verdana"_s}));
        Child<SelTextBox>(dialog, u"txtCollName"_s)->setText(u"SANS"_s);
        combos[1]->setText(u"(none)"_s);
        combos[2]->setText(u"verdana"_s);
        Click(&dialog, u"cmdOk"_s);
        QVERIFY(dialog.accepted());
        QCOMPARE(dialog.accepted()->name, u"SANS");
        QCOMPARE(dialog.accepted()->fonts, u"Arial, Verdana");
    }

    void pageTextSize()
    {
        FrmDefTextSize dialog;
        dialog.show();
        auto *sizes = Child<QListWidget>(dialog, u"lstFontSize"_s);
        auto *sample = Child<QLabel>(dialog, u"lblFontExample"_s);
        QCOMPARE(sizes->currentItem()->text(), u"3");
        QCOMPARE(sample->text(), u"Text Size 3");
        sizes->setCurrentRow(6);
        QCOMPARE(sample->font().pointSizeF(), 30.5);
        Click(&dialog, u"cmdOK"_s);
        QCOMPARE(dialog.result().value_or(QString()), u"<BASEFONT SIZE=\"7\">");
    }

    void textAppearanceMapsItsControlsAndKeepsItsPlace()
    {
        TestEnvironment env;
        Prefs().FontCollections = true;
        FontCollections()[2] = {u"Sans"_s, u"Arial, Verdana"_s};
        auto *window = new FrmTextFormat;
        window->show();
        QCOMPARE(FrmTextFormat::openInstance(), window);
        QVERIFY(!window->isModal());
        QCOMPARE(Child<LookupCombo>(*window, u"cboFontsList"_s)->items(), (QStringList{u"(default)"_s, u"Sans"_s}));
        auto *styles = Child<QListWidget>(*window, u"lstStyles"_s);
        styles->item(4)->setSelected(true); // Bold
        Child<LookupCombo>(*window, u"cboFontsList"_s)->setText(u"Sans"_s);
        Child<QCheckBox>(*window, u"chkIndent"_s)->setChecked(true);
        TextAppearance options = window->options();
        QCOMPARE(options.styles, QStringList{u"Bold"_s});
        QCOMPARE(options.fontFace, u"Arial, Verdana");
        QVERIFY(options.indent);

        Prefs().FontCollections = false;
        FrmTextFormat::RefreshOpenFontList();
        QVERIFY(Child<LookupCombo>(*window, u"cboFontsList"_s)->items().contains(u"Courier New"_s));
        Click(window, u"cmdReset"_s);
        options = window->options();
        QVERIFY(options.styles.isEmpty() && !options.indent);
        QCOMPARE(options.textCase, TextAppearance::Case::None);

        Child<QTabWidget>(*window, u"tabText"_s)->setCurrentIndex(3);
        window->move(40, 30);
        Click(window, u"cmdCancel"_s);
        QTRY_VERIFY(!FrmTextFormat::openInstance());
        QCOMPARE(ReadSettingInt(u"Forms\\Text Appearance"_s, u"LastTab"_s, -1), 3);
        FrmTextFormat again;
        QCOMPARE(Child<QTabWidget>(again, u"tabText"_s)->currentIndex(), 3);
    }

    // Only an accepted OK clears InsertCancelled and gives a result.
    void onlyAcceptedOkClearsInsertCancelled_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");
        QTest::newRow("ok") << u"cmdOk"_s << u"a"_s << u"<X>a"_s;
        QTest::newRow("ok refused") << u"cmdOk"_s << QString() << QString();
        QTest::newRow("cancel") << u"cmdCancel"_s << u"a"_s << QString();
    }
    void onlyAcceptedOkClearsInsertCancelled()
    {
        QFETCH(QString, button);
        QFETCH(QString, typed);
        QFETCH(QString, result);
        SampleDialog dialog;
        InsertCancelled = false;
        clickLater(dialog, button, typed);
        const std::optional<QString> got = dialog.Run();
        QCOMPARE(got.value_or(QString()), result);
        QCOMPARE(InsertCancelled, result.isEmpty());
    }

    void hiddenTabsAreDisabledAndARefusedEntryIsShown()
    {
        SampleDialog dialog;
        dialog.show();
        QCOMPARE(dialog.tabs->tabText(1), u"  Advanced Settings  "_s);
        QVERIFY(dialog.tabs->widget(0)->isEnabled());
        QVERIFY(!dialog.tabs->widget(1)->isEnabled());
        dialog.findChild<QPushButton *>(u"cmdOk"_s)->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.tabs->currentIndex(), 1);
        QVERIFY(!dialog.tabs->widget(0)->isEnabled());
        QVERIFY(dialog.tabs->widget(1)->isEnabled());
        QTest::keyClick(&dialog, Qt::Key_F1); // swallowed: no help, still open
        QVERIFY(dialog.isVisible());
    }

    void showsTheRequest()
    {
        FrmDialog dialog(titleRequest(false, true));
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
        FrmDialog dialog(titleRequest());
        dialog.show();
        typeInto(dialog, u"  my site "_s);
        Click(&dialog, u"chkUpperCase"_s);
        Click(&dialog, u"cmdOk"_s);
        QCOMPARE(dialog.result().value_or(u"-"_s), u"MY SITE"_s);
        QVERIFY(!dialog.isVisible());
        QVERIFY(facades.dialogs.asked().isEmpty());
    }

    // "(default)" and "(none)" count as empty, like a blank entry.
    void okRequiresAnEntry()
    {
        ScriptedFacades facades;
        FrmDialog dialog(titleRequest());
        dialog.show();
        for (const QString &empty : {u"   "_s, u"(None)"_s}) {
            typeInto(dialog, empty);
            facades.dialogs.answerMessage(MessageAnswer::Ok);
            Click(&dialog, u"cmdOk"_s);
            QVERIFY(dialog.isVisible());
        }
        QCOMPARE(facades.dialogs.messagePrompts(),
                 QStringList(2, u"Please enter your text into this box."_s));
        QCOMPARE(facades.dialogs.messages().first().title, u"Information Required"_s);
        Click(&dialog, u"cmdCancel"_s);
        QVERIFY(!dialog.result());
        QVERIFY(facades.dialogs.problems().isEmpty());
    }
};

QTEST_MAIN(TextDialogsTest)
#include "textdialogs_guitest.moc"
