#include "dialogs/frmpreferences.h"

#include "app/appstate.h"
#include "app/colouring.h"
#include "app/facades.h"
#include "app/helptopics.h"
#include "app/mainwindow.h"
#include "app/richtextbox.h"
#include "app/statusmessages.h"
#include "app/toolmodel.h"
#include "controls/lookupcombo.h"
#include "controls/seltextbox.h"
#include "dialogs/dialogparts.h"
#include "dialogs/frmfontcollection.h"
#include "dialogs/frmlocation.h"
#include "dialogs/frmtextformat.h"
#include "html/datetimeformat.h"
#include "html/insertstate.h"
#include "settings/datafiles.h"
#include "settings/desktopintegration.h"
#include "settings/environment.h"
#include "settings/filedialogs.h"
#include "settings/filefilters.h"
#include "settings/files.h"
#include "settings/fontcollectioncheck.h"
#include "settings/locationcheck.h"
#include "settings/paths.h"
#include "settings/recentlist.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabWidget>

namespace tavorin {

namespace {

constexpr int TemplatesTab = 7;

SelTextBox *textBox(const QString &name, BoxStyle style = BoxStyle::Ordinary)
{
    auto *box = Named(new SelTextBox(nullptr, style), name);
    box->setMinimumWidth(260);
    return box;
}

QComboBox *formatCombo(const QString &name, const QStringList &formats)
{
    // The formats stay in their own order, most used first.
    auto *combo = Named(new QComboBox, name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(formats);
    return combo;
}

// A list line rewritten in place.
void setLine(QListWidget *list, int row, const QString &text)
{
    if (QListWidgetItem *item = list->item(row))
        item->setText(text);
}

} // namespace

FrmPreferences::FrmPreferences(QWidget *parent)
    : TagDialog(QStringLiteral("frmPreferences"), QStringLiteral("Preferences"), HelpTopic::Preferences, parent)
{
    m_guides.browsers = false;
    m_browsers.browsers = true;
    m_tabs = tabFrame(QStringLiteral("tabPrefs"));
    m_tabs->setUsesScrollButtons(false); // all eight tabs in view
    const QList<std::pair<QWidget *, const char *>> pages{
        {displayTab(), "Display"},          {dateTimeTab(), "Date/Time"},
        {detailsTab(), "Your Details"},     {generalTab(), "General"},
        {locationTab(m_guides), "Reference"}, {locationTab(m_browsers), "Browsers"},
        {collectionsTab(), "Font Collections"}, {templatesTab(), "Templates"},
    };
    for (const auto &[page, caption] : pages) {
        page->setObjectName(QStringLiteral("fmePrefs"));
        page->setProperty("Index", m_tabs->count());
        m_tabs->addTab(page, TabCaption(QString::fromLatin1(caption)));
    }
    auto *layout = new QBoxLayout(QBoxLayout::TopToBottom, this);
    layout->addWidget(m_tabs);
    layout->addLayout(standardButtons(Qt::Horizontal));
    load();
}

bool FrmPreferences::Form_Run(QWidget *parent)
{
    FrmPreferences dialog(parent);
    return dialog.Run().has_value();
}

QWidget *FrmPreferences::displayTab()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    m_highlighting = NamedCheckBox(QStringLiteral("chkHighlighting"), QStringLiteral("&Use Syntax Highlighting"), nullptr);
    grid->addWidget(m_highlighting, 0, 0, 1, 2);
    const QStringList captions{QStringLiteral("Bac&kground Colour"), QStringLiteral("&Normal Text Colour"),
                               QStringLiteral("&HTML Tag Colour"), QStringLiteral("&Comment Colour"),
                               QStringLiteral("S&mart Field Colour")};
    for (int i = 0; i < 5; ++i) {
        m_colourButtons[i] = NamedButton(QStringLiteral("cmdDisColour"), captions[i], nullptr);
        m_colourButtons[i]->setProperty("Index", i);
        connect(m_colourButtons[i], &QPushButton::clicked, this, [this, i] { chooseColour(i); });
        grid->addWidget(m_colourButtons[i], i + 1, 0);
    }
    QPushButton *font = NamedButton(QStringLiteral("cmdFont"), QStringLiteral("&Font"), nullptr);
    grid->addWidget(font, 6, 0);
    m_tabStops = textBox(QStringLiteral("txtTabStops"), BoxStyle::DigitsOnly);
    m_tabStops->setMinimumWidth(40);
    m_tabStops->setMaximumWidth(60);
    m_tabStops->setMaxLength(3);
    auto *tabRow = new QHBoxLayout;
    tabRow->addWidget(BuddyLabel({}, QStringLiteral("Tab &Stop Length:"), m_tabStops, nullptr));
    tabRow->addWidget(m_tabStops);
    tabRow->addWidget(new QLabel(QStringLiteral("Characters")));
    tabRow->addStretch();
    grid->addLayout(tabRow, 7, 0, 1, 2);
    m_sample = Named(new RichTextBox, QStringLiteral("rtfDisplay"));
    m_sample->setReadOnly(true);
    m_sample->setWordWrap(false);
    m_sample->setMinimumSize(320, 110);
    grid->addWidget(new QLabel(QStringLiteral("Sample Display:")), 1, 1);
    grid->addWidget(m_sample, 2, 1, 4, 1);
    QPushButton *restore = NamedButton(QStringLiteral("cmdRestore"), QStringLiteral("&Restore Defaults"), nullptr);
    grid->addWidget(restore, 6, 1, Qt::AlignRight);

    connect(m_highlighting, &QCheckBox::clicked, this, &FrmPreferences::showHighlighting);
    connect(font, &QPushButton::clicked, this, &FrmPreferences::chooseFont);
    connect(restore, &QPushButton::clicked, this, &FrmPreferences::restoreDefaults);
    connect(m_tabStops, &SelTextBox::changed, this, &FrmPreferences::displayChanged);
    return page;
}

QWidget *FrmPreferences::dateTimeTab()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    m_dateFormat = formatCombo(QStringLiteral("cboDateFormatList"), DateFormatChoices());
    m_timeFormat = formatCombo(QStringLiteral("cboTimeFormatList"), TimeFormatChoices());
    m_dateSample = Named(new QLabel, QStringLiteral("lblDateSample"));
    m_timeSample = Named(new QLabel, QStringLiteral("lblTimeSample"));
    grid->addWidget(BuddyLabel({}, QStringLiteral("&Date Format:"), m_dateFormat, nullptr), 0, 0);
    grid->addWidget(m_dateFormat, 1, 0);
    grid->addWidget(m_dateSample, 2, 0);
    grid->addWidget(BuddyLabel({}, QStringLiteral("&Time Format:"), m_timeFormat, nullptr), 3, 0);
    grid->addWidget(m_timeFormat, 4, 0);
    grid->addWidget(m_timeSample, 5, 0);
    grid->setRowStretch(6, 1);
    const auto showSample = [](QComboBox *combo, QLabel *sample) {
        connect(combo, &QComboBox::currentTextChanged, sample,
                [sample](const QString &pattern) { sample->setText(FormatDateTime(appClock().now(), pattern)); });
    };
    showSample(m_dateFormat, m_dateSample);
    showSample(m_timeFormat, m_timeSample);
    return page;
}

QWidget *FrmPreferences::detailsTab()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    m_userName = textBox(QStringLiteral("txtUserName"));
    m_email = textBox(QStringLiteral("txtEmailAddress"));
    m_company = textBox(QStringLiteral("txtCompanyName"));
    m_homePage = textBox(QStringLiteral("txtHomePage"));
    const QList<std::pair<SelTextBox *, const char *>> rows{{m_userName, "&Name:"},
                                                            {m_email, "&E-Mail Address:"},
                                                            {m_company, "&Company Name:"},
                                                            {m_homePage, "&Home Page Address:"}};
    for (int i = 0; i < rows.size(); ++i) {
        grid->addWidget(BuddyLabel({}, QString::fromLatin1(rows[i].second), rows[i].first, nullptr), i, 0);
        grid->addWidget(rows[i].first, i, 1);
    }
    grid->setRowStretch(int(rows.size()), 1);
    return page;
}

QWidget *FrmPreferences::generalTab()
{
    auto *page = new QWidget;
    auto *column = new QVBoxLayout(page);
    m_anchorLists = NamedCheckBox(QStringLiteral("chkAnchorLists"), QStringLiteral("Create &Anchor Lists"), nullptr);
    m_lowerPaths = NamedCheckBox(QStringLiteral("chkLowerPaths"), QStringLiteral("Use &Lower Case Paths"), nullptr);
    m_safePalette = NamedCheckBox(QStringLiteral("chkSafePalette"), QStringLiteral("&Browser Safe Colour Palette"), nullptr);
    m_saveBeforeView = NamedCheckBox(QStringLiteral("chkSaveBeforeView"),
                                QStringLiteral("Always &Save Changes Before Viewing"), nullptr);
    m_integrate = NamedCheckBox(QStringLiteral("chkIntegrate"), QStringLiteral("&Integrate With The File Manager"), nullptr);
    m_neverAskRelative = NamedCheckBox(QStringLiteral("chkNeverAskRelative"),
                                  QStringLiteral("&Never Ask To Copy Relative Files"), nullptr);
    m_indentCode = NamedCheckBox(QStringLiteral("chkIndentCode"), QStringLiteral("Indent &Code"), nullptr);
    for (QCheckBox *box : {m_anchorLists, m_lowerPaths, m_safePalette, m_saveBeforeView, m_integrate,
                           m_neverAskRelative, m_indentCode})
        column->addWidget(box);
    column->addStretch();
    return page;
}

QWidget *FrmPreferences::locationTab(LocationTab &tab)
{
    const bool browsers = tab.browsers;
    const QString kind = browsers ? QStringLiteral("Browser") : QStringLiteral("Guide");
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    tab.list = Named(new QListWidget, browsers ? QStringLiteral("lstBrowser") : QStringLiteral("lstRefGuides"));
    tab.frame = new QGroupBox(browsers ? QStringLiteral("Browser Location")
                                       : QStringLiteral("Reference Guide Location"));
    tab.contents = Named(new QLabel, browsers ? QStringLiteral("lblBrowserContents")
                                              : QStringLiteral("lblRefContents"));
    tab.contents->setMinimumWidth(300);
    (new QVBoxLayout(tab.frame))->addWidget(tab.contents);
    tab.modify = NamedButton(QStringLiteral("cmdModify") + kind, QStringLiteral("&Modify..."), nullptr);
    tab.clear = NamedButton(QStringLiteral("cmdClear") + kind, QStringLiteral("&Clear"), nullptr);
    tab.test = NamedButton(QStringLiteral("cmdTest") + kind, QStringLiteral("&Test"), nullptr);
    grid->addWidget(BuddyLabel({}, browsers ? QStringLiteral("&Web Browsers:") : QStringLiteral("Reference &Guides:"),
                               tab.list, nullptr), 0, 0);
    grid->addWidget(tab.list, 1, 0, 4, 1);
    grid->addWidget(tab.frame, 1, 1, 1, 3);
    grid->addWidget(tab.modify, 2, 1);
    grid->addWidget(tab.clear, 2, 2);
    grid->addWidget(tab.test, 2, 3);
    if (browsers) {
        m_activeBrowser = Named(new QComboBox, QStringLiteral("cboActiveBrowser"));
        grid->addWidget(BuddyLabel({}, QStringLiteral("&Active Browser:"), m_activeBrowser, nullptr), 3, 1);
        grid->addWidget(m_activeBrowser, 3, 2, 1, 2);
    }
    grid->setRowStretch(4, 1);

    // The lambdas find the tab again by its flag: the struct is a member.
    LocationTab *self = &tab;
    connect(tab.list, &QListWidget::currentRowChanged, this, [this, self] { showLocation(*self); });
    connect(tab.list, &QListWidget::itemDoubleClicked, this, [this, self] { modifyLocation(*self); });
    connect(tab.modify, &QPushButton::clicked, this, [this, self] { modifyLocation(*self); });
    connect(tab.clear, &QPushButton::clicked, this, [this, self] { clearLocation(*self); });
    connect(tab.test, &QPushButton::clicked, this, [this, self] { testLocation(*self); });
    auto *del = new QShortcut(QKeySequence::Delete, tab.list, nullptr, nullptr, Qt::WidgetShortcut);
    connect(del, &QShortcut::activated, this, [this, self] { clearLocation(*self); });
    return page;
}

QWidget *FrmPreferences::collectionsTab()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    m_useCollections = NamedCheckBox(QStringLiteral("chkFontCollections"), QStringLiteral("&Use Font Collections"), nullptr);
    m_collections = Named(new QListWidget, QStringLiteral("lstFontCollection"));
    auto *frame = new QGroupBox(QStringLiteral("Font Collection Contents"));
    m_collectionContents = Named(new QLabel, QStringLiteral("lblCollContents"));
    m_collectionContents->setMinimumWidth(220);
    (new QVBoxLayout(frame))->addWidget(m_collectionContents);
    QPushButton *add = NamedButton(QStringLiteral("cmdNewFont"), QStringLiteral("&New..."), nullptr);
    m_modifyCollection = NamedButton(QStringLiteral("cmdModifyFont"), QStringLiteral("&Modify..."), nullptr);
    m_deleteCollection = NamedButton(QStringLiteral("cmdDeleteFont"), QStringLiteral("&Delete"), nullptr);
    grid->addWidget(m_useCollections, 0, 0, 1, 4);
    grid->addWidget(BuddyLabel({}, QStringLiteral("Font &Collections:"), m_collections, nullptr), 1, 0);
    grid->addWidget(m_collections, 2, 0, 3, 1);
    grid->addWidget(frame, 2, 1, 1, 3);
    grid->addWidget(add, 3, 1);
    grid->addWidget(m_modifyCollection, 3, 2);
    grid->addWidget(m_deleteCollection, 3, 3);
    grid->setRowStretch(4, 1);

    connect(m_collections, &QListWidget::currentRowChanged, this, &FrmPreferences::showCollection);
    connect(m_collections, &QListWidget::itemDoubleClicked, this, &FrmPreferences::modifyCollection);
    connect(add, &QPushButton::clicked, this, &FrmPreferences::newCollection);
    connect(m_modifyCollection, &QPushButton::clicked, this, &FrmPreferences::modifyCollection);
    connect(m_deleteCollection, &QPushButton::clicked, this, &FrmPreferences::deleteCollection);
    auto *del = new QShortcut(QKeySequence::Delete, m_collections, nullptr, nullptr, Qt::WidgetShortcut);
    connect(del, &QShortcut::activated, this, &FrmPreferences::deleteCollection);
    return page;
}

QWidget *FrmPreferences::templatesTab()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    m_templates = NamedCheckBox(QStringLiteral("chkTemplates"), QStringLiteral("Use &Templates"), nullptr);
    m_templateChoice[0] = Named(new QRadioButton(QStringLiteral("&Default Template")), QStringLiteral("optTemplate"));
    m_templateChoice[1] = Named(new QRadioButton(QStringLiteral("&User-Defined Template")),
                                QStringLiteral("optTemplate"));
    m_prompt = NamedCheckBox(QStringLiteral("chkPrompt"), QStringLiteral("&Entry Prompt"), nullptr);
    m_templateLocation = Named(new LookupCombo(nullptr, DefaultEntry::Nothing), QStringLiteral("cboTemplateLocation"));
    m_templateLocation->setMinimumWidth(320);
    m_templateLabel = BuddyLabel({}, QStringLiteral("Template &Location:"), m_templateLocation, nullptr);
    m_templateBrowse = NamedButton(QStringLiteral("cmdTemplateFile"), QStringLiteral("Browse..."), nullptr);
    grid->addWidget(m_templates, 0, 0, 1, 2);
    grid->addWidget(m_templateChoice[0], 1, 0);
    grid->addWidget(m_prompt, 1, 1);
    grid->addWidget(m_templateChoice[1], 2, 0);
    grid->addWidget(m_templateLabel, 3, 0, 1, 2);
    grid->addWidget(m_templateLocation, 4, 0, 1, 2);
    grid->addWidget(m_templateBrowse, 4, 2);
    grid->setRowStretch(5, 1);
    for (int i = 0; i < 2; ++i) {
        m_templateChoice[i]->setProperty("Index", i);
        connect(m_templateChoice[i], &QRadioButton::toggled, this, &FrmPreferences::showTemplateChoice);
    }
    connect(m_prompt, &QCheckBox::clicked, m_templateChoice[0], [this] { m_templateChoice[0]->setChecked(true); });
    connect(m_templateBrowse, &QPushButton::clicked, this, &FrmPreferences::browseTemplate);
    return page;
}

void FrmPreferences::load()
{
    const Preferences &prefs = Prefs();
    m_tabs->setCurrentIndex(qBound(0, prefs.LastPrefOption, m_tabs->count() - 1));

    m_display = DisplayOf(prefs);
    m_highlighting->setChecked(prefs.Highlighting);
    m_tabStops->setText(QString::number(prefs.TabStops));
    const QList<std::pair<QCheckBox *, bool>> flags{
        {m_prompt, prefs.Prompt},           {m_templates, prefs.TemplatesOn},
        {m_anchorLists, prefs.AnchorLists}, {m_useCollections, prefs.FontCollections},
        {m_safePalette, prefs.SafePalette}, {m_lowerPaths, prefs.LowerCasePaths},
        {m_saveBeforeView, prefs.SaveBeforeView}, {m_integrate, prefs.ExplorerIntegration},
        {m_neverAskRelative, prefs.NeverAskRelative}, {m_indentCode, prefs.IndentCode},
    };
    for (const auto &[box, on] : flags)
        box->setChecked(on);
    m_userName->setText(prefs.UserName);
    m_email->setText(prefs.UserEmailAddress);
    m_company->setText(prefs.UserCompanyName);
    m_homePage->setText(prefs.UserHomePage);
    if (prefs.ActiveTemplate == 0 || prefs.ActiveTemplate == 1)
        m_templateChoice[prefs.ActiveTemplate]->setChecked(true);

    m_dateFormat->setCurrentText(prefs.DateFormat);
    m_timeFormat->setCurrentText(prefs.TimeFormat);
    // A text equal to the first entry changes nothing; the samples are drawn anyway.
    m_dateSample->setText(FormatDateTime(appClock().now(), m_dateFormat->currentText()));
    m_timeSample->setText(FormatDateTime(appClock().now(), m_timeFormat->currentText()));

    m_collections->clear();
    m_collectionEntries.clear();
    const FontCollectionTable &table = FontCollections();
    for (int i = 1; i < int(table.size()); ++i) {
        if (!table[i].name.isEmpty()) {
            m_collections->addItem(table[i].name);
            m_collectionEntries.append(i);
        }
    }
    m_collections->setCurrentRow(m_collections->count() > 0 ? 0 : -1);
    showCollection();

    m_guides.list->clear();
    for (int i = 1; i <= 6; ++i)
        m_guides.list->addItem(NumberedLine(i, prefs.Guides[i].name));
    m_browsers.list->clear();
    for (int i = 1; i <= 7; ++i)
        m_browsers.list->addItem(NumberedLine(i, prefs.Browsers[i].name));
    fillActiveBrowsers(ActiveBrowserText(prefs.ActiveBrowser));
    m_guides.list->setCurrentRow(0);
    m_browsers.list->setCurrentRow(0);

    m_templateLocation->addItems(RecentTemplates());
    m_templateLocation->setText(prefs.TemplateLocation);
    showTemplateChoice();
    showHighlighting();
    m_displayChanged = false;
}

// Display tab.

void FrmPreferences::drawSample()
{
    QString rtf = MakeRtfTemplate(m_display.fontName, m_display.fontSize, m_display.bold, m_display.italic);
    rtf = MakeColourTable(rtf, m_display.colours[1], m_display.colours[2], m_display.colours[3],
                          m_display.colours[4]);
    m_sample->setBackColour(m_display.colours[0]);
    m_sample->setRtf(TextToRtf(DisplaySampleText(), rtf, m_display.highlighting));
}

void FrmPreferences::displayChanged()
{
    m_displayChanged = true;
    drawSample();
}

void FrmPreferences::showHighlighting()
{
    m_display.highlighting = m_highlighting->isChecked();
    for (int i = 2; i < 5; ++i)
        m_colourButtons[i]->setEnabled(m_display.highlighting);
    displayChanged();
}

void FrmPreferences::chooseColour(int index)
{
    if (const std::optional<quint32> colour = dialogs().chooseColour(m_display.colours[index])) {
        m_display.colours[index] = *colour;
        displayChanged();
    }
}

void FrmPreferences::chooseFont()
{
    FontChoice initial;
    initial.name = m_display.fontName;
    initial.pointSize = m_display.fontSize;
    initial.bold = m_display.bold;
    initial.italic = m_display.italic;
    initial.screenFontsOnly = true;
    initial.minSize = 8;
    initial.maxSize = 35;
    if (const std::optional<FontChoice> chosen = dialogs().chooseFont(initial)) {
        m_display.fontName = chosen->name;
        m_display.fontSize = chosen->pointSize;
        m_display.bold = chosen->bold;
        m_display.italic = chosen->italic;
        displayChanged();
    }
}

void FrmPreferences::restoreDefaults()
{
    m_display = RestoredDisplay(m_display);
    m_tabStops->setText(QString::fromLatin1(DefaultTabStops));
    displayChanged();
}

// Reference and Browsers tabs: they change the tables at once.

LocationEntry &FrmPreferences::entryOf(const LocationTab &tab, int number)
{
    return tab.browsers ? Prefs().Browsers[number] : Prefs().Guides[number];
}

void FrmPreferences::showLocation(const LocationTab &tab)
{
    const int row = tab.list->currentRow();
    const QString location = row >= 0 ? entryOf(tab, row + 1).location : QString();
    tab.contents->setText(ShortenPath(location));
    tab.test->setEnabled(!location.isEmpty());
}

void FrmPreferences::modifyLocation(const LocationTab &tab)
{
    const int row = tab.list->currentRow();
    if (row < 0)
        return;
    LocationEntry &entry = entryOf(tab, row + 1);
    QString name = entry.name;
    QString location = entry.location;
    const bool cancelled
        = tab.browsers
              ? FrmLocation::Form_Run(name, location, QStringLiteral("Web Browser"),
                                      QStringLiteral("&Description Of Browser"), QStringLiteral("&Browser Location"),
                                      BrowserFilterKind, this)
              : FrmLocation::Form_Run(name, location, QStringLiteral("Reference Guide"),
                                      QStringLiteral("&Description Of Guide"), QStringLiteral("&Guide Location"),
                                      GuideFilterKind, this);
    if (cancelled)
        return;
    entry = {name, location};
    setLine(tab.list, row, NumberedLine(row + 1, name));
    if (tab.browsers)
        fillActiveBrowsers(m_activeBrowser->currentText());
    showLocation(tab);
}

void FrmPreferences::clearLocation(const LocationTab &tab)
{
    const int row = tab.list->currentRow();
    if (row < 0)
        return;
    entryOf(tab, row + 1) = {};
    setLine(tab.list, row, NumberedLine(row + 1, QString()));
    if (tab.browsers)
        fillActiveBrowsers(m_activeBrowser->currentText());
    showLocation(tab);
}

void FrmPreferences::testLocation(const LocationTab &tab)
{
    const int row = tab.list->currentRow();
    if (row < 0)
        return;
    const QString location = entryOf(tab, row + 1).location;
    if (location.isEmpty())
        return;
    if (!tab.browsers)
        ViewFile(location);
    else if (!launcher().startProgram(location, {}))
        ReportMissingFile(location);
}

// "(default)" and "Browser " + i for every browser with a name; the shown
// entry stays when it is still offered, "(default)" otherwise.
void FrmPreferences::fillActiveBrowsers(const QString &shown)
{
    m_activeBrowser->clear();
    m_activeBrowser->addItem(ActiveBrowserText(0));
    for (int i = 1; i <= 7; ++i) {
        if (!Prefs().Browsers[i].name.isEmpty())
            m_activeBrowser->addItem(ActiveBrowserText(i));
    }
    m_activeBrowser->setCurrentIndex(std::max(0, m_activeBrowser->findText(shown)));
}

// Font Collections tab: changes the collection table at once.

int FrmPreferences::selectedCollection() const
{
    const int row = m_collections->currentRow();
    return row >= 0 && row < m_collectionEntries.size() ? m_collectionEntries[row] : 0;
}

void FrmPreferences::showCollection()
{
    const int entry = selectedCollection();
    QString fonts = entry ? FontCollections()[entry].fonts : QString();
    fonts.replace(QStringLiteral(", "), QStringLiteral("\n"));
    m_collectionContents->setText(fonts);
    m_modifyCollection->setEnabled(m_collections->count() > 0);
    m_deleteCollection->setEnabled(m_collections->count() > 0);
}

void FrmPreferences::newCollection()
{
    if (m_collections->count() >= MaxFontCollections) {
        MsgBox(QStringLiteral("Sorry, ") + QString::number(MaxFontCollections)
                   + QStringLiteral(" is the maximum number of font collections you can define."),
               MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    const std::optional<FontCollection> made = FrmFontCollection::Form_Run({}, {}, this);
    const int entry = FirstFreeCollection(FontCollections());
    if (!made || entry == 0)
        return;
    FontCollections()[entry] = *made;
    m_collectionsChanged = true;
    m_collections->addItem(made->name);
    m_collectionEntries.append(entry);
    m_collections->setCurrentRow(m_collections->count() - 1);
    showCollection();
}

void FrmPreferences::modifyCollection()
{
    const int entry = selectedCollection();
    if (!entry)
        return;
    FontCollection &collection = FontCollections()[entry];
    const std::optional<FontCollection> changed = FrmFontCollection::Form_Run(collection.name, collection.fonts, this);
    if (!changed)
        return;
    collection = *changed;
    m_collectionsChanged = true;
    setLine(m_collections, m_collections->currentRow(), changed->name);
    showCollection();
}

void FrmPreferences::deleteCollection()
{
    const int entry = selectedCollection();
    if (!entry)
        return;
    FontCollections()[entry] = {};
    m_collectionsChanged = true;
    const int row = m_collections->currentRow();
    m_collectionEntries.removeAt(row);
    delete m_collections->takeItem(row);
    showCollection();
}

// Templates tab.

void FrmPreferences::showTemplateChoice()
{
    const bool userDefined = m_templateChoice[1]->isChecked();
    m_templateLocation->setEnabled(userDefined);
    m_templateLabel->setEnabled(userDefined);
    m_templateBrowse->setEnabled(userDefined);
    m_prompt->setEnabled(!userDefined);
}

void FrmPreferences::browseTemplate()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Locate Template Document...");
    SetFilter(request, 2);
    QString field = m_templateLocation->text();
    BrowseForFile(request, field, true, AppPath());
    m_templateLocation->setText(field);
}

// OK, Cancel and closing.

std::optional<QString> FrmPreferences::buildResult()
{
    m_templateLocation->forceLostFocus();
    if (m_templateChoice[1]->isChecked()) {
        const QString problem = TemplateProblem(m_templateLocation->text());
        if (!problem.isEmpty()) {
            m_tabs->setCurrentIndex(TemplatesTab);
            MsgBox(problem, MessageButtons::Ok, MessageIcon::Exclamation, QStringLiteral("File Error"));
            focusEntry(m_templateLocation);
            return std::nullopt;
        }
    }
    const Hourglass busy;
    storeRecord();
    if (MainWindow *main = MainWindow::instance()) {
        UpdateTemplateTool(main->tools(), Prefs().TemplateLocation);
    }
    const bool useCollections = m_useCollections->isChecked();
    if (m_collectionsChanged || useCollections != Prefs().FontCollections)
        FrmTextFormat::RefreshOpenFontList();
    if (m_collectionsChanged)
        SaveFontCollections(App().UserDataPath);
    Prefs().FontCollections = useCollections;
    if (!m_templateLocation->text().isEmpty())
        UpdateRecentList(QStringLiteral("Templates"), QStringLiteral("Template"), m_templateLocation->text(), 9);
    SavePreferences();
    if (MainWindow *main = MainWindow::instance(); main && m_displayChanged) {
        for (DocumentWindow *doc : main->Documents())
            main->RefreshDocument(doc);
    }
    return QString();
}

void FrmPreferences::storeRecord()
{
    Preferences &prefs = Prefs();
    StoreDisplay(m_display, prefs);
    prefs.DateFormat = m_dateFormat->currentText();
    prefs.TimeFormat = m_timeFormat->currentText();
    prefs.UserName = m_userName->text();
    prefs.UserEmailAddress = m_email->text();
    prefs.UserHomePage = m_homePage->text();
    prefs.TabStops = TabStopsFromText(m_tabStops->text());
    prefs.TemplateLocation = m_templateLocation->text();
    prefs.UserCompanyName = m_company->text();
    prefs.ActiveBrowser = ActiveBrowserNumber(m_activeBrowser->currentText());

    prefs.Highlighting = m_highlighting->isChecked();
    prefs.Prompt = m_prompt->isChecked();
    prefs.LowerCasePaths = m_lowerPaths->isChecked();
    prefs.SaveBeforeView = m_saveBeforeView->isChecked();
    prefs.SafePalette = m_safePalette->isChecked();
    prefs.AnchorLists = m_anchorLists->isChecked();
    prefs.TemplatesOn = m_templates->isChecked();
    prefs.NeverAskRelative = m_neverAskRelative->isChecked();
    prefs.IndentCode = m_indentCode->isChecked();
    if (m_integrate->isChecked() != prefs.ExplorerIntegration) {
        SetExplorerIntegration(!m_integrate->isChecked());
        prefs.ExplorerIntegration = m_integrate->isChecked();
    }
    prefs.ActiveTemplate = m_templateChoice[0]->isChecked() ? 0 : m_templateChoice[1]->isChecked() ? 1 : 2;
}

void FrmPreferences::reject()
{
    // The tables and collections were changed in place; the store has them as they were.
    if (m_collectionsChanged)
        LoadFontCollections(App().UserDataPath);
    LoadPreferences();
    InsertCancelled = true;
    TagDialog::reject();
}

void FrmPreferences::done(int result)
{
    Prefs().LastPrefOption = m_tabs->currentIndex();
    TagDialog::done(result);
}

} // namespace tavorin
