#pragma once

// The preferences dialog ("frmPreferences"): eight tabs over the preference
// record, the browser and reference-guide tables and the font collections.
// The tables and collections are edited in place; OK stores the rest and
// saves, Cancel reloads everything from the store.

#include "settings/preferencechoices.h"

#include "dialogs/tagdialog.h"

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace tavorin {

class LookupCombo;
class RichTextBox;
class SelTextBox;

class FrmPreferences final : public TagDialog {
    Q_OBJECT
public:
    explicit FrmPreferences(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(FrmPreferences)

    // Shows the dialog on tab LastPrefOption; true when OK stored the changes.
    static bool Form_Run(QWidget *parent = nullptr);

    void reject() override;
    void done(int result) override;

protected:
    std::optional<QString> buildResult() override;

private:
    // The controls of one location table (browsers or guides).
    struct LocationTab {
        QListWidget *list = nullptr;
        QGroupBox *frame = nullptr;
        QLabel *contents = nullptr;
        QPushButton *modify = nullptr;
        QPushButton *clear = nullptr;
        QPushButton *test = nullptr;
        bool browsers = false;
    };

    QWidget *displayTab();
    QWidget *dateTimeTab();
    QWidget *detailsTab();
    QWidget *generalTab();
    QWidget *locationTab(LocationTab &tab);
    QWidget *collectionsTab();
    QWidget *templatesTab();
    void load();

    void drawSample();
    void displayChanged();
    void chooseColour(int index);
    void chooseFont();
    void restoreDefaults();
    void showHighlighting();

    LocationEntry &entryOf(const LocationTab &tab, int number);
    void showLocation(const LocationTab &tab);
    void modifyLocation(const LocationTab &tab);
    void clearLocation(const LocationTab &tab);
    void testLocation(const LocationTab &tab);
    void fillActiveBrowsers(const QString &shown);

    void showCollection();
    void newCollection();
    void modifyCollection();
    void deleteCollection();
    int selectedCollection() const;

    void showTemplateChoice();
    void browseTemplate();
    void storeRecord();

    QTabWidget *m_tabs = nullptr;
    DisplaySettings m_display;
    bool m_displayChanged = false;
    bool m_collectionsChanged = false;

    QCheckBox *m_highlighting = nullptr;
    std::array<QPushButton *, 5> m_colourButtons{};
    SelTextBox *m_tabStops = nullptr;
    RichTextBox *m_sample = nullptr;

    QComboBox *m_dateFormat = nullptr;
    QComboBox *m_timeFormat = nullptr;
    QLabel *m_dateSample = nullptr;
    QLabel *m_timeSample = nullptr;

    SelTextBox *m_userName = nullptr;
    SelTextBox *m_email = nullptr;
    SelTextBox *m_company = nullptr;
    SelTextBox *m_homePage = nullptr;

    QCheckBox *m_anchorLists = nullptr;
    QCheckBox *m_lowerPaths = nullptr;
    QCheckBox *m_safePalette = nullptr;
    QCheckBox *m_saveBeforeView = nullptr;
    QCheckBox *m_integrate = nullptr;
    QCheckBox *m_neverAskRelative = nullptr;
    QCheckBox *m_indentCode = nullptr;

    LocationTab m_guides;
    LocationTab m_browsers;
    QComboBox *m_activeBrowser = nullptr;

    QCheckBox *m_useCollections = nullptr;
    QListWidget *m_collections = nullptr;
    QLabel *m_collectionContents = nullptr;
    QPushButton *m_modifyCollection = nullptr;
    QPushButton *m_deleteCollection = nullptr;
    QList<int> m_collectionEntries; // the table entry of each list line

    QCheckBox *m_templates = nullptr;
    std::array<QRadioButton *, 2> m_templateChoice{};
    QCheckBox *m_prompt = nullptr;
    LookupCombo *m_templateLocation = nullptr;
    QLabel *m_templateLabel = nullptr;
    QPushButton *m_templateBrowse = nullptr;
};

} // namespace tavorin
