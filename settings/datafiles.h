#pragma once

// The small INI-format data files: the locations file that says where the
// user's data lives, the user's font collections, and the installation's
// lists of reference guides and search engines.

#include <QList>
#include <QString>

#include <array>

namespace tavorin {

// The user's data folder, with a trailing separator: the "UserData" value of
// the locations file ("Tavorin.cfg" in the application folder), with %NAME%
// environment references expanded, relative to the application folder when
// it has no drive; "UserFiles" when it is empty, unusable or a network path.
// Creates the locations file when it does not exist; the folder itself is
// made by the first save into it.
QString UserDataFolder();

// %NAME% references replaced by the environment's values; "" when a name is
// undefined or empty, or a "%" has no partner.
QString ExpandEnvironmentReferences(const QString &text);

struct FontCollection {
    QString name;  // at most 30 characters; empty means a free entry
    QString fonts; // up to three font names joined by ", "
};

// Entries 1 to 20 (entry 0 unused), kept for the whole run.
using FontCollectionTable = std::array<FontCollection, 21>;
FontCollectionTable &FontCollections();

// Reads the table from the user data folder's "WebFonts.dat".
void LoadFontCollections(const QString &userDataFolder);
// Moves used entries up over free ones, then writes all twenty (making the
// user data folder when it does not exist yet).
void SaveFontCollections(const QString &userDataFolder);

struct NamedLocation {
    int number = 0;
    QString name;
    QString location;
};

// The installation's reference guides 1 to 3 ("SystemFiles/Data/Guides.dat"),
// names cut to 30 characters; entries without both a name and a location
// are left out.
QList<NamedLocation> ReadSystemGuides();

// The installation's search engines ("SystemFiles/Data/SEngines.dat"): names
// cut to 25 characters, up to the first empty name or number 60. Locations
// are read on demand with SearchEngineLocation.
QList<NamedLocation> ReadSearchEngineNames();
QString SearchEngineLocation(int number);

} // namespace tavorin
