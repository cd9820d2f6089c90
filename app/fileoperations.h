#pragma once

// Moving documents between files and document windows: new documents from
// the template or the page skeleton, opening, saving, Save All, the recent
// files of the File menu.

#include <QString>
#include <QStringList>

namespace tavorin {

class DocumentWindow;

// Gives a new document its starting text: the user's template, the page
// skeleton, or (templates off) the empty line it was loaded with.
void FillNewDocument(DocumentWindow *doc);
// Fills a new document from the template file; false (reported) when it
// cannot be read, the document keeping its empty line.
bool FillFromTemplate(DocumentWindow *doc, const QString &templatePath);

// Opens one file into a document window (reusing the untouched start-up
// document). False when it was refused or could not be read.
bool OpenFile(const QString &path);
// Opens the files in order, stopping at the first that fails.
bool OpenFiles(const QStringList &paths);
void ShowOpenDialog();

// Saves a document, asking for a name when it has none or saveAs is set.
bool SaveDocument(DocumentWindow *doc, bool saveAs);
// Saves every dirty document in order; stops at the first that is not saved.
bool SaveAllDocuments();

void BuildRecentFilesMenu();
void NoteRecentFile(const QString &path);

} // namespace tavorin
