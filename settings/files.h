#pragma once

// Whole-file reading and writing, copying, opening with the desktop and the
// program's own wording of file errors. Every message goes through MsgBox.

#include <QByteArray>
#include <QString>

#include <functional>

namespace tavorin {

// File error numbers, in the numbering the messages are keyed by.
namespace FileErrorNumber {
inline constexpr int OutOfMemory = 7;
inline constexpr int BadFileName = 52;
inline constexpr int FileNotFound = 53;
inline constexpr int FileAlreadyOpen = 55;
inline constexpr int DeviceIO = 57;
inline constexpr int DiskFull = 61;
inline constexpr int InputPastEnd = 62;
inline constexpr int TooManyFiles = 67;
inline constexpr int PermissionDenied = 70;
inline constexpr int DiskNotReady = 71;
inline constexpr int PathFileAccess = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int DialogOutOfMemory = 31001;
} // namespace FileErrorNumber

// The error number for an operating-system error code (errno).
int FileErrorFromErrno(int errnum);

// How a document's bytes become text and back.
enum class TextEncoding { Windows1252, Utf8, Utf8WithBom };

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::Windows1252;
};

// Valid UTF-8 with a non-ASCII character decodes as UTF-8 (a leading byte
// order mark is dropped from the text and remembered); anything else decodes
// as Windows-1252, every byte keeping a character. Plain ASCII is remembered
// as UTF-8 only when it declares a UTF-8 charset, otherwise as Windows-1252.
DecodedText DecodeText(const QByteArray &bytes);
// The bytes of text in encoding; when the text holds a character the
// encoding cannot represent, UTF-8 is used instead so nothing is lost.
// used receives the encoding written.
QByteArray EncodeText(const QString &text, TextEncoding encoding, TextEncoding *used = nullptr);
// The encoding for text that was never read from a file: UTF-8 when the text
// declares a UTF-8 charset, otherwise Windows-1252.
TextEncoding EncodingForNewText(const QString &text);

// Files larger than this are refused with the out-of-memory error.
inline constexpr qint64 MaxTextFileBytes = qint64(256) * 1024 * 1024;

struct TextFileContent {
    QString text;
    TextEncoding encoding = TextEncoding::Windows1252;
    int error = 0; // a FileErrorNumber; 0 when the file was read
    bool ok() const { return error == 0; }
};

// Reads a whole file as text without changing any character; reports nothing.
TextFileContent ReadTextFile(const QString &path);

// True when path names an existing file (not a folder).
bool FileExists(const QString &path);
// True when path names an existing folder.
bool FolderExists(const QString &path);
// Reports a network path and returns true; false for any other path.
bool RefuseUNC(const QString &path);

// The text of AppPath() + "SystemFiles/" + name + suffix ("\" accepted in
// the name), lower-cased and found on disk without regard to case, with its
// line breaks made "\r\n". Reports a failure and returns "".
QString ReadSystemFile(const QString &name, const QString &suffix);

// Writes text as the whole new content of path, in the text's own encoding
// (EncodingForNewText). The old file stays as it was unless the new content
// was written completely. Reports a failure and returns false.
bool WriteTextFile(const QString &text, const QString &path);
// The same in a given encoding (the one the document was read in); written
// receives the encoding actually used, UTF-8 when the text did not fit.
bool WriteTextFile(const QString &text, const QString &path, TextEncoding encoding,
                   TextEncoding *written = nullptr);

// Copies a file, replacing destination as a whole; reports a failure.
bool CopyFile(const QString &source, const QString &destination);
// Copies source to destination unless a file is already there (nothing is
// ever overwritten); false when the copy failed (reported).
bool CopyFileUnlessPresent(const QString &source, const QString &destination);
// Copies source into folder (ending with a separator), asking before an
// existing file is replaced; false when declined or failed.
bool CopyFileTo(const QString &source, const QString &folder);

// True when the trimmed target begins with a scheme of two or more
// characters ("http:", "mailto:"): an address rather than a file path.
bool IsAddress(const QString &target);
// True for what a browser shows: an "http://" or "https://" address, or a
// name ending in ".htm", ".html" or ".shtml" (any case, spaces trimmed).
bool OpensInBrowser(const QString &location);
// Opens a file or address with the desktop's associated program; a file
// that does not exist is reported instead. False when nothing was opened.
bool OpenWithShell(const QString &target);
// Shows a page or address in the browser, anything else with its program.
void ViewFile(const QString &target);
// The browser launcher ViewFile hands pages to; without one, pages are
// opened with the desktop's associated program.
void SetBrowserViewer(std::function<void(const QString &target)> viewer);

// "(" + path + ")", a blank line and message in a "File Error" box.
void ReportFileError(const QString &path, const QString &message);
// "This file does not exist." as the file error for path.
void ReportMissingFile(const QString &path);
// The message for an error number, or fallback for numbers without one.
QString FileErrorMessage(int error, const QString &fallback);
// Reports an error by number: out of memory in its own box, anything else
// through ReportFileError with FileErrorMessage.
void ReportFileErrorByNumber(const QString &path, int error, const QString &fallback);
// True for the two out-of-memory error numbers (7 and 31001).
bool IsOutOfMemoryError(int error);
// "Sorry, not enough free memory." with the advice that suits the number of
// open documents.
QString OutOfMemoryMessage(int openDocuments);
// How many documents are open, for the wording of the out-of-memory message.
void SetOpenDocumentCounter(std::function<int()> counter);

// A chosen file as a location relative to documentFolder, copying the file
// beside the document when the user agrees (or always, when it cannot be
// reached relatively and neverAsk is set). "" when no location was produced.
QString MakeRelativeLocation(const QString &target, const QString &documentFolder, bool neverAsk);

} // namespace tavorin
