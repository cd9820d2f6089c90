#pragma once

// The process-wide preference record: every value the user can set, loaded
// from the settings store at start-up and written back at shutdown and when
// the preferences dialog is confirmed. Before LoadPreferences runs every
// value is zero, false or empty.

#include <QString>

#include <array>
#include <functional>

namespace tavorin {

struct LocationEntry {
    QString name;
    QString location;

    friend bool operator==(const LocationEntry &, const LocationEntry &) = default;
};

struct Preferences {
    // "Display Preferences"; colours are 0x00BBGGRR, red in the low byte.
    quint32 BackColour = 0;
    quint32 TextColour = 0;
    quint32 TagColour = 0;
    quint32 CommentColour = 0;
    quint32 SmartColour = 0;
    bool Highlighting = false;
    QString FontName;
    int FontSize = 0;
    bool FontBold = false;
    bool FontItalic = false;
    int TabStops = 0;
    int WindowState = 0; // 0 normal, 2 maximised

    // "DateAndTime"
    QString DateFormat;
    QString TimeFormat;

    // "General"
    bool AnchorLists = false;
    bool FontCollections = false;
    bool SafePalette = false;
    bool SaveBeforeView = false;
    bool ExplorerIntegration = false;
    bool LowerCasePaths = false;
    bool NeverAskRelative = false;
    bool IndentCode = false;

    // "Options"
    int LastPrefOption = 0;
    bool PageWizard = false;
    bool SmartUpdates = false;
    bool ToolTips = false;
    bool WordWrap = false;

    // "Templates"
    bool TemplatesOn = false;
    QString TemplateLocation; // stored as "Template Location"
    int ActiveTemplate = 0;
    bool Prompt = false;

    // "User Information"
    QString UserName;
    QString UserEmailAddress;
    QString UserHomePage;
    QString UserCompanyName;

    // "Browsers": entry 0 is the system's default browser (location "DEFAULT").
    std::array<LocationEntry, 8> Browsers;
    int ActiveBrowser = 0;

    // "Reference": entries 1 to 6 are the user's reference guides; 0 is unused.
    std::array<LocationEntry, 7> Guides;

    friend bool operator==(const Preferences &, const Preferences &) = default;
};

// The one record of the running program.
Preferences &Prefs();

// Fills the record from the settings store: user information, display,
// date and time, general, options, browsers, templates, reference guides,
// then the load-time checks. A missing or empty value takes its default; a
// value that does not convert leaves the record's value as it was.
void LoadPreferences();
// Writes every value of the record to the settings store.
void SavePreferences();
// Writes the four user details alone, so a detail the user was asked for is
// kept even when the program does not end normally.
void SaveUserInformation();

// What the main window adds to loading and saving, so the record does not
// depend on widgets. A hook left empty does nothing.
struct PreferenceHooks {
    // First step of SavePreferences: save the tool-bar layout and LastVerUsed.
    std::function<void()> saveToolBarLayout;
    // Last step of LoadPreferences: show or hide the tool-bar tool tips.
    std::function<void(bool show)> showToolTips;
};
PreferenceHooks &PrefHooks();

} // namespace tavorin
