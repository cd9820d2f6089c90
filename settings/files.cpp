#include "settings/files.h"

#include "app/facades.h"
#include "app/statusmessages.h"
#include "app/textrules.h"
#include "settings/checkedfile.h"
#include "settings/environment.h"
#include "settings/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

#include <array>
#include <cerrno>
#include <new>

namespace tavorin {

namespace {

using namespace FileErrorNumber;

const QString CrLfCrLf = QStringLiteral("\r\n\r\n");
const QString FileErrorTitle = QStringLiteral("File Error");

// Characters of the bytes 0x80 to 0x9F in Windows-1252. The five bytes the
// code page leaves undefined keep the control character of the same value,
// so every byte reads as a character and writes back as the same byte.
constexpr std::array<char16_t, 32> Windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decodeWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        *out++ = (value >= 0x80 && value <= 0x9F) ? QChar(Windows1252High[value - 0x80]) : QChar(value);
    }
    return text;
}

// The Windows-1252 byte of a character; false when the code page lacks it.
bool windows1252Byte(QChar c, char &byte)
{
    const char16_t code = c.unicode();
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        byte = static_cast<char>(code);
        return true;
    }
    for (std::size_t i = 0; i < Windows1252High.size(); ++i) {
        if (Windows1252High[i] == code) {
            byte = static_cast<char>(0x80 + i);
            return true;
        }
    }
    return false;
}

bool encodeWindows1252(const QString &text, QByteArray &bytes)
{
    bytes.resize(text.size());
    char *out = bytes.data();
    for (const QChar c : text) {
        if (!windows1252Byte(c, *out++))
            return false;
    }
    return true;
}

bool isAscii(const QByteArray &bytes)
{
    for (const char byte : bytes) {
        if (static_cast<unsigned char>(byte) >= 0x80)
            return false;
    }
    return true;
}

// Decodes strict UTF-8, text that encodes back to exactly the same bytes:
// overlong forms, surrogates and broken sequences are refused before
// anything is decoded.
bool decodeUtf8Exactly(const QByteArray &bytes, QString &text)
{
    if (!bytes.isValidUtf8())
        return false;
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    text = decoder.decode(bytes);
    return !decoder.hasError();
}

bool declaresUtf8(const QString &text)
{
    static const QRegularExpression charset(QStringLiteral("charset\\s*=\\s*[\"']?\\s*utf-?8"),
                                            QRegularExpression::CaseInsensitiveOption);
    return charset.match(text).hasMatch();
}

// The error of a failed file operation: what the operating system said right
// after the failure, otherwise what Qt knows.
int errorOf(const QFileDevice &file, int savedErrno)
{
    if (savedErrno != 0)
        return FileErrorFromErrno(savedErrno);
    // Qt marks a write that ran out of space as a resource error.
    if (file.error() == QFileDevice::ResourceError)
        return DiskFull;
    return PathFileAccess;
}

// Problems visible before anything is written: a missing or unusable folder,
// a folder in the file's place, a read-only file. 0 when none.
int writeObstacle(const QString &path)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.exists() || !folder.isDir())
        return PathNotFound;
    if (file.exists() && !file.isFile())
        return PathFileAccess;
    // A read-only file is refused, as the desktop would: replacing it through
    // a new file would go round its protection.
    if (file.exists() && !file.isWritable())
        return PermissionDenied;
    return 0;
}

// Writes the bytes as the whole new content of path through the checked
// writer, which replaces the old file only when every byte reached the disk.
int writeWhole(const QString &path, const QByteArray &bytes)
{
    if (const int obstacle = writeObstacle(path))
        return obstacle;
    if (const int error = WriteWholeFile(path, bytes))
        return FileErrorFromErrno(error);
    return 0;
}

int readObstacle(const QFileInfo &file)
{
    if (!file.exists())
        return file.dir().exists() ? FileNotFound : PathNotFound;
    // Folders, devices and pipes are not read: a pipe or /dev/zero would
    // never end.
    if (!file.isFile())
        return PathFileAccess;
    if (file.size() > MaxTextFileBytes)
        return OutOfMemory;
    return 0;
}

int readWhole(const QString &path, QByteArray &bytes)
{
    const QFileInfo info(path);
    if (path.isEmpty())
        return FileNotFound;
    if (const int obstacle = readObstacle(info))
        return obstacle;
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return errorOf(file, errno);
    try {
        bytes = file.readAll();
    } catch (const std::bad_alloc &) {
        return OutOfMemory;
    }
    if (file.error() != QFileDevice::NoError)
        return errorOf(file, errno);
    return 0;
}

QString writeFailureReason(int error)
{
    switch (error) {
    case BadFileName:
    case PermissionDenied:
        return QStringLiteral("Permission denied. File may be read only. ");
    case DiskFull:
        return QStringLiteral("Disk full. ");
    default:
        return {};
    }
}

QString copyFailureReason(int error, const QString &source)
{
    const QString named = u'(' + source + u')' + CrLfCrLf;
    switch (error) {
    case FileNotFound:
        return named + QStringLiteral("This file cannot be found.");
    case FileAlreadyOpen:
        return named + QStringLiteral("This file is open. Close it and try again.");
    case DiskFull:
        return QStringLiteral("Disk Full.");
    case BadFileName:
    case PermissionDenied:
        return QStringLiteral("Permission denied. Disk may be write-protected or file may be locked by another application.");
    case DiskNotReady:
        return QStringLiteral("Disk not ready.");
    default:
        return {};
    }
}

int copyWhole(const QString &source, const QString &destination)
{
    const QFileInfo from(source);
    if (const int obstacle = readObstacle(from); obstacle != 0 && obstacle != OutOfMemory)
        return obstacle;
    if (const int obstacle = writeObstacle(destination))
        return obstacle;
    // Copying a file onto itself would empty it.
    if (from.canonicalFilePath() == QFileInfo(destination).canonicalFilePath())
        return 0;

    QFile in(source);
    errno = 0;
    if (!in.open(QIODevice::ReadOnly))
        return errorOf(in, errno);
    const bool existed = QFileInfo::exists(destination);
    CheckedFileWriter out(destination);
    if (!out.open())
        return FileErrorFromErrno(out.error());
    QByteArray chunk(64 * 1024, Qt::Uninitialized);
    for (;;) {
        errno = 0;
        const qint64 got = in.read(chunk.data(), chunk.size());
        if (got < 0)
            return errorOf(in, errno); // the writer abandons the copy
        if (got == 0)
            break;
        if (!out.write(QByteArrayView(chunk.constData(), got)))
            return FileErrorFromErrno(out.error());
    }
    if (const int error = out.commit())
        return FileErrorFromErrno(error);
    if (!existed)
        QFile::setPermissions(destination, in.permissions());
    return 0;
}

std::function<void(const QString &)> s_browserViewer;
std::function<int()> s_documentCounter;

QString withSeparator(const QString &folder)
{
    const QString separator = SeparatorOf(folder);
    return folder.isEmpty() || folder.endsWith(u'\\') || folder.endsWith(u'/') ? folder : folder + separator;
}

// Copies the target beside the document; its file name, or "" when the copy failed.
QString copiedLocation(const QString &target, const QString &folder)
{
    return CopyFileTo(target, folder) ? FileNameOf(target) : QString();
}

} // namespace

// Operating-system errors and the numbers they are reported as:
//
//   errno                                   number  reported as
//   ENOENT (reading)                          53    file not found
//   ENOENT (writing), ENOTDIR                 76    path not found (caller's text)
//   EACCES, EPERM, EROFS                      70    permission denied
//   EINVAL, ENAMETOOLONG, EILSEQ              52    bad file name
//   EBUSY, ETXTBSY, EWOULDBLOCK               55    file already open
//   ENOSPC, EDQUOT, EFBIG                     61    disk full
//   ENOMEDIUM, ENXIO, ENODEV, EAGAIN, ESTALE  71    disk not ready
//   EIO                                       57    device I/O error (caller's text)
//   ENOMEM                                     7    out of memory
//   EMFILE, ENFILE                            67    too many files (caller's text)
//   EISDIR, ELOOP, anything else              75    path/file access error (caller's text)
//
// Before writing, a missing folder or a regular file in the folder's place
// gives 76, a folder in the file's place 75 and a read-only file 70. A file
// larger than MaxTextFileBytes is read as out of memory (7).
int FileErrorFromErrno(int errnum)
{
    switch (errnum) {
    case ENOENT:
        return FileNotFound;
    case ENOTDIR:
        return PathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return PermissionDenied;
    case EINVAL:
    case ENAMETOOLONG:
    case EILSEQ:
        return BadFileName;
    case EBUSY:
    case ETXTBSY:
#if EWOULDBLOCK != EAGAIN
    case EWOULDBLOCK:
#endif
        return FileAlreadyOpen;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG:
        return DiskFull;
#ifdef ENOMEDIUM
    case ENOMEDIUM:
#endif
    case ENXIO:
    case ENODEV:
    case EAGAIN:
    case ESTALE:
        return DiskNotReady;
    case EIO:
        return DeviceIO;
    case ENOMEM:
        return OutOfMemory;
    case EMFILE:
    case ENFILE:
        return TooManyFiles;
    default:
        return PathFileAccess;
    }
}

DecodedText DecodeText(const QByteArray &bytes)
{
    DecodedText result;
    if (isAscii(bytes)) {
        result.text = QString::fromLatin1(bytes);
        result.encoding = declaresUtf8(result.text) ? TextEncoding::Utf8 : TextEncoding::Windows1252;
        return result;
    }
    if (decodeUtf8Exactly(bytes, result.text)) {
        result.encoding = TextEncoding::Utf8;
        if (result.text.startsWith(QChar(0xFEFF))) {
            result.text.remove(0, 1);
            result.encoding = TextEncoding::Utf8WithBom;
        }
        return result;
    }
    result.text = decodeWindows1252(bytes);
    result.encoding = TextEncoding::Windows1252;
    return result;
}

QByteArray EncodeText(const QString &text, TextEncoding encoding, TextEncoding *used)
{
    QByteArray bytes;
    if (encoding == TextEncoding::Windows1252 && encodeWindows1252(text, bytes)) {
        if (used)
            *used = TextEncoding::Windows1252;
        return bytes;
    }
    // UTF-8 holds every character (a lone surrogate, which no file read can
    // produce, becomes the replacement character).
    const TextEncoding written = encoding == TextEncoding::Utf8WithBom ? encoding : TextEncoding::Utf8;
    if (used)
        *used = written;
    bytes = text.toUtf8();
    if (written == TextEncoding::Utf8WithBom)
        bytes.prepend("\xEF\xBB\xBF");
    return bytes;
}

TextEncoding EncodingForNewText(const QString &text)
{
    return declaresUtf8(text) ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

TextFileContent ReadTextFile(const QString &path)
{
    TextFileContent result;
    QByteArray bytes;
    result.error = readWhole(path, bytes);
    if (result.error != 0)
        return result;
    try {
        DecodedText decoded = DecodeText(bytes);
        result.text = std::move(decoded.text);
        result.encoding = decoded.encoding;
    } catch (const std::bad_alloc &) {
        result.error = OutOfMemory;
    }
    return result;
}

bool FileExists(const QString &path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.exists() && !info.isDir();
}

bool FolderExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool RefuseUNC(const QString &path)
{
    if (!IsUNC(path))
        return false;
    ReportFileError(path, QStringLiteral("This path is in UNC format. Sorry, but UNC paths are not supported by this application.")
                              + QString::fromLatin1(CrLf)
                              + QStringLiteral("Tavorin can only access files on a network via mapped network drives."));
    return true;
}

QString ReadSystemFile(const QString &name, const QString &suffix)
{
    const Hourglass busy;
    const QString relative = LowerSameLength(QString(QStringLiteral("SystemFiles/") + name + suffix));
    const QString path = ResolveCaseBlind(AppPath(), relative);
    const TextFileContent content = ReadTextFile(path);
    if (!content.ok()) {
        ReportFileErrorByNumber(path, content.error, QStringLiteral("Cannot insert Pre-Defined file."));
        return {};
    }
    // Snippets go into the document, whose line breaks are "\r\n".
    return NormaliseLineBreaks(content.text);
}

bool WriteTextFile(const QString &text, const QString &path)
{
    return WriteTextFile(text, path, EncodingForNewText(text));
}

bool WriteTextFile(const QString &text, const QString &path, TextEncoding encoding, TextEncoding *written)
{
    TextEncoding used = encoding;
    const QByteArray bytes = EncodeText(text, encoding, &used);
    if (const int error = writeWhole(path, bytes)) {
        ReportFileError(path, writeFailureReason(error) + QStringLiteral("Cannot save file."));
        return false;
    }
    if (written)
        *written = used;
    return true;
}

bool CopyFile(const QString &source, const QString &destination)
{
    const int error = copyWhole(source, destination);
    if (error == 0)
        return true;
    MsgBox(copyFailureReason(error, source) + QStringLiteral(" Unable to copy file."), MessageButtons::Ok,
           MessageIcon::Exclamation, FileErrorTitle);
    return false;
}

bool CopyFileUnlessPresent(const QString &source, const QString &destination)
{
    return FileExists(destination) || CopyFile(source, destination);
}

bool CopyFileTo(const QString &source, const QString &folder)
{
    const QString destination = folder + FileNameOf(source);
    if (QFileInfo::exists(destination)) {
        const MessageAnswer answer
            = MsgBox(destination + QString::fromLatin1(CrLf) + QStringLiteral("This file already exists.")
                         + QString::fromLatin1(CrLf) + QStringLiteral("Do you want to overwrite it?"),
                     MessageButtons::YesNo, MessageIcon::Exclamation, QStringLiteral("File Copy"), 2);
        if (answer != MessageAnswer::Yes)
            return false;
    }
    return CopyFile(source, destination);
}

bool IsAddress(const QString &target)
{
    // A scheme of two or more characters ("http:", "mailto:", "ftp:"); a
    // drive letter ("C:") has one.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(TrimSpaces(target)).hasMatch();
}

bool OpensInBrowser(const QString &location)
{
    const QString trimmed = TrimSpaces(location);
    return StartsWithNoCase(trimmed, u"http://") || StartsWithNoCase(trimmed, u"https://")
           || EndsWithNoCase(trimmed, u".htm") || EndsWithNoCase(trimmed, u".html")
           || EndsWithNoCase(trimmed, u".shtml");
}

bool OpenWithShell(const QString &target)
{
    if (!IsAddress(target) && !FileExists(target)) {
        ReportMissingFile(target);
        return false;
    }
    launcher().openWithDesktop(target);
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
    return true;
}

void ViewFile(const QString &target)
{
    if (OpensInBrowser(target) && s_browserViewer)
        s_browserViewer(target);
    else
        OpenWithShell(target);
}

void SetBrowserViewer(std::function<void(const QString &)> viewer)
{
    s_browserViewer = std::move(viewer);
}

void ReportFileError(const QString &path, const QString &message)
{
    MsgBox(u'(' + path + u')' + CrLfCrLf + message, MessageButtons::Ok, MessageIcon::Exclamation, FileErrorTitle);
}

void ReportMissingFile(const QString &path)
{
    ReportFileError(path, QStringLiteral("This file does not exist."));
}

QString FileErrorMessage(int error, const QString &fallback)
{
    switch (error) {
    case BadFileName:
    case PermissionDenied:
        return QStringLiteral("Permission denied. Disk may be write-protected or file may be locked by another application.");
    case FileNotFound:
        return QStringLiteral("This file cannot be found.");
    case FileAlreadyOpen:
        return QStringLiteral("This file is open. Close it and try again.");
    case DiskFull:
        return QStringLiteral("Disk Full.");
    case InputPastEnd:
        return QStringLiteral("This file is of a type not supported by this application.");
    case DiskNotReady:
        return QStringLiteral("Disk not ready. Insert Disk and try again.");
    default:
        return fallback;
    }
}

bool IsOutOfMemoryError(int error)
{
    return error == OutOfMemory || error == DialogOutOfMemory;
}

QString OutOfMemoryMessage(int openDocuments)
{
    return QStringLiteral("Sorry, not enough free memory.") + CrLfCrLf
           + (openDocuments < 2 ? QStringLiteral("Close down other applications and try again.")
                                : QStringLiteral("Close down other documents and/or applications and try again."));
}

void ReportFileErrorByNumber(const QString &path, int error, const QString &fallback)
{
    if (IsOutOfMemoryError(error)) {
        MsgBox(OutOfMemoryMessage(s_documentCounter ? s_documentCounter() : 0), MessageButtons::Ok,
               MessageIcon::Exclamation);
        return;
    }
    ReportFileError(path, FileErrorMessage(error, fallback));
}

void SetOpenDocumentCounter(std::function<int()> counter)
{
    s_documentCounter = std::move(counter);
}

QString MakeRelativeLocation(const QString &target, const QString &documentFolder, bool neverAsk)
{
    if (!HasDrive(target))
        return target;
    // Drive-letter paths are handed to the file system with "\"; Linux paths
    // already use their own separator.
    const QString path = TrimSpaces(IsLinuxPath(target) ? target : ToPathBackslashes(target));
    const QString folder = withSeparator(TrimSpaces(documentFolder));
    if (!FileExists(path)) {
        ReportMissingFile(path);
        return {};
    }
    // Without a document folder there is nothing to be relative to.
    if (folder.isEmpty())
        return path;

    if (!EqualNoCase(DriveOf(path), DriveOf(folder))) {
        if (!neverAsk) {
            const MessageAnswer answer = MsgBox(
                QStringLiteral("The file ") + QuotedFileName(path)
                    + QStringLiteral(" is stored on a different drive, so a relative path can only be created if the file is copied to the same directory as the current document.")
                    + CrLfCrLf + QStringLiteral("Do you want to copy the file now?"),
                MessageButtons::YesNo, MessageIcon::Question);
            if (answer != MessageAnswer::Yes)
                return {};
        }
        return copiedLocation(path, folder);
    }

    const Qt::CaseSensitivity cs = IsLinuxPath(folder) ? Qt::CaseSensitive : Qt::CaseInsensitive;
    if (path.startsWith(folder, cs))
        return path.mid(folder.size());

    if (!neverAsk) {
        const MessageAnswer answer
            = MsgBox(QStringLiteral("Do you want to copy this file to the same directory as the current document?")
                         + CrLfCrLf + u'(' + path + u')',
                     MessageButtons::YesNo, MessageIcon::Question, {}, 2);
        if (answer == MessageAnswer::Yes)
            return copiedLocation(path, folder);
    }
    return RelativePath(path, folder);
}

} // namespace tavorin
