#include "controls/locationrules.h"

#include "app/facades.h"
#include "app/textrules.h"
#include "html/tagreaders.h"
#include "html/valuehelpers.h"
#include "settings/files.h"
#include "settings/paths.h"

namespace tavorin {

using namespace Qt::StringLiterals;

namespace {

const QString FileService = u"file://"_s;

QString missingPhrase(LocationStyle style)
{
    switch (style) {
    case LocationStyle::Anchor:
        return u"enter the name of the anchor to be used"_s;
    case LocationStyle::Web:
        return u"enter the address to be used"_s;
    default:
        return u"enter the path of the local file to be used"_s;
    }
}

bool isDriveLetterPath(const QString &path)
{
    const QString trimmed = TrimSpaces(path);
    return trimmed.size() >= 2 && trimmed[1] == u':';
}

// A typed local path as the file system names it: "\" is a separator of
// relative and drive-letter paths, written "/"; a Linux path keeps it.
QString typedPath(const QString &path)
{
    return IsLinuxPath(path) ? path : QString(path).replace(u'\\', u'/');
}

// Makes a local full path relative to the active document's folder; a
// relative path, and a "/" path that names nothing here (an address below the
// site's root), stay as typed. Nothing when no relative path came of it.
std::optional<QString> relativeLocation(const QString &path, bool neverAsk, const LocationContext &context)
{
    const bool localFullPath = isDriveLetterPath(path) || (IsLinuxPath(path) && context.pathExists(path));
    if (!localFullPath)
        return path;
    if (context.documentPath().isEmpty()) {
        const MessageAnswer answer = MsgBox(
            u"The current document must be saved so that relative file locations can be calculated.\r\n"
            u"Do you want to save it now?"_s,
            MessageButtons::YesNo, MessageIcon::Question);
        if (answer != MessageAnswer::Yes || !context.saveDocument() || context.documentPath().isEmpty())
            return std::nullopt;
    }
    const QString relative = context.makeRelative(path, FolderOf(context.documentPath()), neverAsk);
    if (relative.isEmpty())
        return std::nullopt;
    return ToLinkSlashes(relative, path);
}

} // namespace

QStringList ServiceEntries()
{
    return {u"gopher://"_s, u"mailto:"_s, u"telnet://"_s, u"ftp://"_s, u"news:"_s, u"newsrc:"_s,
            u"wais://"_s, u"nntp://"_s, FileService, u"javascript:"_s};
}

std::optional<WebAddress> SplitWebAddress(const QString &pathIn)
{
    const qsizetype colon = pathIn.indexOf(u':');
    if (colon < 0 || IsLinuxPath(pathIn))
        return std::nullopt;
    if (colon == 1)
        return WebAddress{FileService, LocationInputText(pathIn)};
    qsizetype end = colon + 1;
    while (end < pathIn.size() && (pathIn[end] == u':' || pathIn[end] == u'/'))
        ++end;
    return WebAddress{pathIn.left(end), LocationInputText(pathIn.mid(end))};
}

AddressChange SplitAddressText(const QString &text, const QStringList &services)
{
    AddressChange change{text, {}};
    const QString shown = TrimLeadingSpaces(text);
    for (const QString &service : services) {
        if (!service.isEmpty() && StartsWithNoCase(shown, service)) {
            change = {TrimLeadingSpaces(QStringView(shown).mid(service.size())), service};
            break;
        }
    }
    if (isDriveLetterPath(change.text))
        change.service = FileService;
    return change;
}

QString LocationInputText(const QString &value)
{
    QString text = typedPath(TrimSpaces(value));
    if (text.startsWith(u'#'))
        text.remove(0, 1);
    return text;
}

QStringList AnchorNames(const QString &text)
{
    const qsizetype length = text.size();
    const QString trimmed = TrimSpaces(text);
    const QString tag = u"<A NAME"_s;
    QStringList names;
    qsizetype position = 0;
    while (true) {
        const qsizetype found = trimmed.indexOf(tag, position, Qt::CaseInsensitive);
        if (found < 0)
            break;
        const QString name = GetAttributeValue(QStringView(trimmed).mid(found, 40), tag);
        if (!name.isEmpty())
            names.append(name);
        position = found + tag.size();
        if (position + 1 + tag.size() >= length)
            break;
    }
    return names;
}

QString BrowseTitle(LocationStyle style, int filterKind)
{
    const QString kind = filterKind == 4 ? u"Image "_s : filterKind == 5 ? u"Sound "_s : QString();
    if (style == LocationStyle::Web)
        return u"Absolute Path For Intranet "_s + kind + u"File..."_s;
    return u"Relative Path For Local "_s + kind + u"File..."_s;
}

LocationContext FileSystemContext()
{
    LocationContext context;
    context.documentPath = [] { return QString(); };
    context.saveDocument = [] { return false; };
    context.fileExists = [](const QString &path) { return FileExists(path); };
    context.pathExists = [](const QString &path) { return FileExists(path) || FolderExists(path); };
    context.makeRelative = [](const QString &target, const QString &folder, bool neverAsk) {
        return MakeRelativeLocation(target, folder, neverAsk);
    };
    context.refuseUNC = [](const QString &path) { return RefuseUNC(path); };
    context.reportFileError = [](const QString &path, const QString &message) { ReportFileError(path, message); };
    return context;
}

std::optional<QString> ProcessLocation(const TypedLocation &typed, bool allowBlank, const LocationContext &context)
{
    if (typed.style == LocationStyle::None || (typed.location.isEmpty() && allowBlank))
        return QString();
    if (typed.location.isEmpty()) {
        ReportRequiredEntry(missingPhrase(typed.style));
        return std::nullopt;
    }
    const qsizetype hash = typed.location.indexOf(u'#');
    const QString base = hash < 0 ? typed.location : typed.location.left(hash);
    const QString suffix = hash < 0 ? QString() : typed.location.mid(hash);
    if (context.refuseUNC(base))
        return std::nullopt;

    QString result;
    switch (typed.style) {
    case LocationStyle::Anchor:
        result = base;
        break;
    case LocationStyle::Web:
        if (EqualNoCase(typed.service, FileService) && !context.fileExists(base)) {
            context.reportFileError(base, u"This file does not exist."_s);
            return std::nullopt;
        }
        result = typed.service + ToLinkSlashes(base);
        break;
    default: {
        const std::optional<QString> relative = relativeLocation(typedPath(base), typed.neverAskRelative, context);
        if (!relative)
            return std::nullopt;
        result = typed.lowerCasePaths ? LowerSameLength(*relative) : *relative;
        break;
    }
    }
    return result.isEmpty() ? result : result + suffix;
}

} // namespace tavorin
