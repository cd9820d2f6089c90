#pragma once

// The program's open and save dialogs: every file dialog is shown through
// dialogs().fileDialog, the application folder is made current again after
// it (the dialog may change it), and a network (UNC) path chosen in it is
// refused with the program's message.
//
// The dialogs share one "next starting folder": where a dialog opens when
// its caller names no folder. It is the folder of the most recent file until
// start-up sets it, and follows the files picked by BrowseForFile and
// InsertFileContents.

#include "app/facades.h"

#include <QString>

namespace tavorin {

// The folder a dialog opens in when its caller names none.
QString NextStartFolder();
void SetNextStartFolder(const QString &folder);

enum class FileChoiceOutcome { Cancelled, Chosen, Refused };

struct FileChoice {
    FileChoiceOutcome outcome = FileChoiceOutcome::Cancelled;
    QString path; // the chosen file when outcome is Chosen
    bool chosen() const { return outcome == FileChoiceOutcome::Chosen; }
};

// Shows the open dialog for one existing file. The caller has set the title,
// the filter (SetFilter) and the starting folder (SetInitDir; the next
// starting folder when none). Afterwards the application folder is current
// again and pending events have run; a UNC choice is reported and Refused.
FileChoice OpenFileDialog(FileDialogRequest request);

// Lets the user pick a file for a text field. The caller has set the title
// and filter. The dialog starts in the folder of the path in field (below
// documentFolder when the path has no drive and useDocumentFolder is set;
// documentFolder itself when that folder does not exist). A chosen file goes
// into field and its folder becomes the next starting folder. Returns false
// only when a UNC path was chosen (and reported); a cancel leaves the field
// unchanged and returns true.
bool BrowseForFile(const FileDialogRequest &request, QString &field, bool useDocumentFolder,
                   const QString &documentFolder);

// Asks where to save a document with the save dialog and the filter kind.
// With a full current path the dialog starts in its folder with its name
// filled in; otherwise in the folder of the most recent file with no name.
// Returns the chosen path, or "" when cancelled or a UNC path was chosen.
QString SaveAsDialog(const QString &currentPath, int filterKind);

// Asks for a file ("Insert Contents Of File...", starting in documentFolder)
// and returns its whole text for insertion. Returns "" when cancelled, when
// a UNC path was chosen, or when the file cannot be read (reported with
// "Cannot insert this file.").
QString InsertFileContents(const QString &documentFolder);

} // namespace tavorin
