#pragma once

// The rules of the location control apart from its widget: the service
// list, reading an address back into the web layout, the address box's
// service split, the text a location is set to, the anchors of a document,
// the Browse titles, and ProcessedLocation, which turns what was typed into
// the exact text of an HTML attribute. Questions and messages go through
// the facades; the file system and the document are reached through hooks.

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace tavorin {

// The four location styles.
enum class LocationStyle {
    LocalFile = 0, // a file, made relative to the document's folder
    Anchor = 1,    // an anchor in the current document
    Web = 2,       // an Internet or intranet address with its service
    None = 3,      // no location
};

// The services the address's service combo lists besides its default entry
// "http://", in the order they are added.
QStringList ServiceEntries();

// An address put into the web layout: its service and the rest.
struct WebAddress {
    QString service;
    QString location;
    friend bool operator==(const WebAddress &, const WebAddress &) = default;
};
// The web layout of an existing address: nothing for a text without ":" and
// for a Linux path ("/..."); a drive-letter path whole with "file://";
// otherwise the service up to the last ":" or "/" after the first ":".
std::optional<WebAddress> SplitWebAddress(const QString &pathIn);

// What a change of the address box does: the first service of services (in
// list order, any case) that the text begins with (leading blanks ignored)
// is taken off into the service; a text whose second character (trimmed)
// is ":" is a drive-letter path with the service "file://". service is ""
// when the service stays as it was.
struct AddressChange {
    QString text;
    QString service;
    friend bool operator==(const AddressChange &, const AddressChange &) = default;
};
AddressChange SplitAddressText(const QString &text, const QStringList &services);

// The text an input shows when the location is set to value: trimmed,
// "\" made "/" (not in a Linux path, whose "\" belongs to its names), and
// a leading "#" dropped.
QString LocationInputText(const QString &value);

// The anchor names of the "<A NAME" tags in text, in order, each read from
// the 40 characters that start at its tag (a longer name is cut there).
QStringList AnchorNames(const QString &text);

// The title of the Browse dialog for a style and a file filter kind.
QString BrowseTitle(LocationStyle style, int filterKind);

// What ProcessedLocation needs besides the typed texts.
struct LocationContext {
    // The active document's full path; "" when it is untitled or missing.
    std::function<QString()> documentPath;
    // Saves the active document (asking for a name); true when saved.
    std::function<bool()> saveDocument;
    // True when a file (fileExists) or a file or folder (pathExists) is there.
    std::function<bool(const QString &)> fileExists;
    std::function<bool(const QString &)> pathExists;
    // MakeRelativeLocation: the file relative to the folder, maybe copied there.
    std::function<QString(const QString &target, const QString &folder, bool neverAsk)> makeRelative;
    // Reports a network path and returns true (RefuseUNC).
    std::function<bool(const QString &)> refuseUNC;
    // Reports a file problem (ReportFileError).
    std::function<void(const QString &path, const QString &message)> reportFileError;
};

// The context with the program's own file tests, relative paths and file
// messages; documentPath and saveDocument are left for the caller.
LocationContext FileSystemContext();

struct TypedLocation {
    LocationStyle style = LocationStyle::LocalFile;
    QString location; // the trimmed text of the style's input, no service
    QString service;  // the service combo's text, already completed
    bool lowerCasePaths = false;
    bool neverAskRelative = false;
};

// The finished attribute text; "" for style None and for an empty location
// that allowBlank permits; nothing when the problem has been told to the
// user and the host must stay open with the focus on the input.
std::optional<QString> ProcessLocation(const TypedLocation &typed, bool allowBlank,
                                       const LocationContext &context);

} // namespace tavorin
