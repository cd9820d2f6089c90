#include "app/fileoperations.h"

#include "app/appstate.h"
#include "app/documentwindow.h"
#include "app/mainwindow.h"
#include "app/richtextbox.h"
#include "app/rtfreader.h"
#include "app/statusmessages.h"
#include "app/textrules.h"
#include "app/toolmodel.h"
#include "html/pageskeleton.h"
#include "html/smartupdate.h"
#include "settings/environment.h"
#include "settings/filedialogs.h"
#include "settings/filefilters.h"
#include "settings/files.h"
#include "settings/paths.h"
#include "settings/preferences.h"
#include "settings/recentlist.h"

#include <QCoreApplication>

namespace tavorin {

namespace {

constexpr int DocumentFilterKind = 3;

} // namespace

void FillNewDocument(DocumentWindow *doc)
{
    const Preferences &prefs = Prefs();
    if (!prefs.TemplatesOn)
        return;
    if (!prefs.TemplateLocation.isEmpty() && prefs.ActiveTemplate != 0) {
        FillFromTemplate(doc, prefs.TemplateLocation);
        return;
    }
    const NewPage page = NewPageText(prefs.Prompt);
    doc->DocText(page.text);
    doc->textBox()->select(page.selection.start, page.selection.length);
}

bool FillFromTemplate(DocumentWindow *doc, const QString &templatePath)
{
    Hourglass busy;
    const TextFileContent content = ReadTextFile(templatePath);
    if (!content.ok()) {
        ReportFileErrorByNumber(templatePath, content.error, QStringLiteral("Cannot open the template."));
        return false;
    }
    doc->setEncoding(content.encoding);
    doc->DocText(DocumentTextOf(content.text));
    return true;
}

bool OpenFile(const QString &path)
{
    if (RefuseUNC(path))
        return false;
    MainWindow *main = MainWindow::instance();
    if (!main)
        return false;
    ShowStatusMessage(QStringLiteral("Opening file: ") + FileNameOf(path));
    Hourglass busy;
    const TextFileContent content = ReadTextFile(path);
    if (!content.ok()) {
        ReportFileErrorByNumber(path, content.error, QStringLiteral("Cannot open file."));
        return false;
    }

    AppState &app = App();
    DocumentWindow *doc = app.StartupDocOpen ? main->documentByNumber(1) : nullptr;
    if (!doc)
        doc = main->CreateDocumentWindow();
    if (!doc)
        return false;
    RichTextBox *box = doc->textBox();
    box->suspendDrawing();
    doc->setDirty(true);
    if (doc->documentNumber() == 1)
        doc->Doc_SetToPrefs();
    doc->setFullPath(path);
    doc->setEncoding(content.encoding);
    doc->DocText(DocumentTextOf(content.text));
    box->setSelStart(0);
    doc->setCaption(FileNameOf(path));
    doc->setDirty(false);
    app.StartupDocOpen = false;
    NoteRecentFile(path);
    box->resumeDrawing();
    doc->ShowDoc();
    return true;
}

bool OpenFiles(const QStringList &paths)
{
    for (const QString &path : paths) {
        if (!OpenFile(path))
            return false;
        QCoreApplication::processEvents();
    }
    return true;
}

void ShowOpenDialog()
{
    FileDialogRequest request;
    request.multiSelect = true;
    SetFilter(request, DocumentFilterKind);
    SetInitDir(request, RecentFolder());
    const FileDialogResult result = dialogs().fileDialog(request);
    RestoreAppFolder();
    QCoreApplication::processEvents();
    if (!result.accepted)
        return;
    OpenFiles(result.files);
}

bool SaveDocument(DocumentWindow *doc, bool saveAs)
{
    if (!doc)
        return false;
    Hourglass busy;
    QString path = doc->FullPath();
    if (!HasDrive(path) || saveAs)
        path = SaveAsDialog(path, DocumentFilterKind);
    QCoreApplication::processEvents();
    if (path.isEmpty()) {
        RestoreAppFolder();
        return false;
    }
    ShowStatusMessage(QStringLiteral("Saving file: ") + FileNameOf(path));
    QString text = doc->textBox()->text();
    if (Prefs().SmartUpdates)
        text = SmartUpdate(text); // only the file gets the fresh fields
    const TextEncoding encoding = doc->encoding().value_or(EncodingForNewText(text));
    TextEncoding written = encoding;
    if (!WriteTextFile(text, path, encoding, &written))
        return false;
    doc->setEncoding(written);
    doc->setCaption(FileNameOf(path));
    doc->setFullPath(path);
    doc->setDirty(false);
    NoteRecentFile(path);
    if (MainWindow *main = MainWindow::instance())
        main->UpdateDocPathPanel();
    return true;
}

bool SaveAllDocuments()
{
    MainWindow *main = MainWindow::instance();
    if (!main)
        return true;
    const QList<DocumentWindow *> documents = main->Documents();
    for (DocumentWindow *doc : documents) {
        if (!doc->Dirty())
            continue;
        if (!HasDrive(doc->FullPath())) {
            main->ActivateDocument(int(main->Documents().indexOf(doc)) + 1);
            QCoreApplication::processEvents();
        }
        const bool saved = SaveDocument(doc, false);
        // "Saving file: " and this name go before the next document's save
        // dialog asks about another file.
        ReleaseStatusMessage();
        if (!saved)
            return false;
    }
    return true;
}

void BuildRecentFilesMenu()
{
    MainWindow *main = MainWindow::instance();
    if (!main)
        return;
    QStringList paths;
    for (int i = 1; i <= 9; ++i) {
        const QString path = GetRecentFile(i);
        if (path.isEmpty())
            break;
        paths.append(path);
    }
    BuildRecentFileTools(main->tools(), paths);
}

void NoteRecentFile(const QString &path)
{
    AddRecentFile(path);
    BuildRecentFilesMenu();
}

} // namespace tavorin
