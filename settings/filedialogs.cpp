#include "settings/filedialogs.h"

#include "app/statusmessages.h"
#include "app/textrules.h"
#include "settings/environment.h"
#include "settings/filefilters.h"
#include "settings/files.h"
#include "settings/paths.h"
#include "settings/recentlist.h"

#include <QCoreApplication>

#include <optional>

namespace tavorin {

namespace {

std::optional<QString> &nextStartFolder()
{
    static std::optional<QString> s_folder;
    return s_folder;
}

// What every file dialog does once it has closed.
void afterDialog()
{
    RestoreAppFolder();
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

// The path written with the separators of its own notation: "/" for a
// Linux path, "\" for a drive-letter path.
QString withOwnSeparators(const QString &path)
{
    QString result = path;
    if (SeparatorOf(path) == u"/")
        result.replace(u'\\', u'/');
    else
        result.replace(u'/', u'\\');
    return result;
}

// The file name of a full path: everything after its last separator.
QString lastComponent(const QString &path)
{
    const qsizetype cut = qMax(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(cut + 1);
}

} // namespace

QString NextStartFolder()
{
    return nextStartFolder() ? *nextStartFolder() : RecentFolder();
}

void SetNextStartFolder(const QString &folder)
{
    nextStartFolder() = folder;
}

FileChoice OpenFileDialog(FileDialogRequest request)
{
    request.save = false;
    request.multiSelect = false;
    request.fileName.clear();
    if (request.folder.isEmpty())
        SetInitDir(request, NextStartFolder());
    const FileDialogResult result = dialogs().fileDialog(request);
    afterDialog();
    FileChoice choice;
    if (!result.accepted || result.files.isEmpty() || result.files.first().isEmpty())
        return choice;
    if (RefuseUNC(result.files.first())) {
        choice.outcome = FileChoiceOutcome::Refused;
        return choice;
    }
    choice.outcome = FileChoiceOutcome::Chosen;
    choice.path = result.files.first();
    return choice;
}

bool BrowseForFile(const FileDialogRequest &request, QString &field, bool useDocumentFolder,
                   const QString &documentFolder)
{
    QString start = TrimSpaces(field);
    if (useDocumentFolder && !HasDrive(start))
        start = documentFolder + start;
    start = withOwnSeparators(start);
    QString folder = FolderOf(start);
    if (useDocumentFolder && !FolderExists(folder))
        folder = documentFolder;
    // A folder that is not there would leave the dialog wherever the
    // platform chooses; the folder of the last pick is more useful.
    if (folder.isEmpty() || !FolderExists(folder))
        folder = NextStartFolder();

    FileDialogRequest shown = request;
    shown.folder.clear();
    SetInitDir(shown, folder);
    const FileChoice choice = OpenFileDialog(shown);
    switch (choice.outcome) {
    case FileChoiceOutcome::Refused:
        RestoreAppFolder();
        return false;
    case FileChoiceOutcome::Chosen:
        field = choice.path;
        SetNextStartFolder(FolderOf(choice.path));
        return true;
    case FileChoiceOutcome::Cancelled:
        break;
    }
    return true;
}

QString SaveAsDialog(const QString &currentPath, int filterKind)
{
    FileDialogRequest request;
    request.save = true;
    SetFilter(request, filterKind);
    const QString path = TrimSpaces(currentPath);
    if (HasDrive(path) && !IsUNC(path)) {
        SetInitDir(request, FolderOf(path));
        request.fileName = lastComponent(path);
    } else {
        SetInitDir(request, RecentFolder());
    }
    const FileDialogResult result = dialogs().fileDialog(request);
    afterDialog();
    if (!result.accepted || result.files.isEmpty() || result.files.first().isEmpty())
        return {};
    const QString chosen = result.files.first();
    if (RefuseUNC(chosen))
        return {};
    return chosen;
}

QString InsertFileContents(const QString &documentFolder)
{
    FileDialogRequest request;
    request.title = QStringLiteral("Insert Contents Of File...");
    SetFilter(request, 6);
    SetInitDir(request, documentFolder);
    const FileChoice choice = OpenFileDialog(request);
    if (!choice.chosen())
        return {};
    SetNextStartFolder(FolderOf(choice.path));

    TextFileContent content;
    {
        Hourglass busy;
        content = ReadTextFile(choice.path);
    }
    if (!content.ok()) {
        ReportFileErrorByNumber(choice.path, content.error, QStringLiteral("Cannot insert this file."));
        RestoreAppFolder();
        return {};
    }
    return content.text;
}

} // namespace tavorin
