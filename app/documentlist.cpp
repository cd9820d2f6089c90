// The main window's document list: creating, numbering, refreshing, arranging
// and closing document windows.

#include "app/appstate.h"
#include "app/contextmenu.h"
#include "app/documentwindow.h"
#include "app/fileoperations.h"
#include "app/mainwindow.h"
#include "app/richtextbox.h"
#include "app/statusmessages.h"
#include "html/insertstate.h"
#include "settings/paths.h"
#include "settings/preferences.h"

#include <QApplication>
#include <QMdiArea>

namespace tavorin {

DocumentWindow *MainWindow::CreateDocumentWindow()
{
    AppState &app = App();
    ++app.LastDocumentNumber;
    auto *doc = new DocumentWindow(this, app.LastDocumentNumber);
    m_documents.append(doc);
    m_area->addSubWindow(doc);
    // Taking the remembered state before the text arrives lays a long text
    // out once, at its final width.
    if (Prefs().WindowState == 2)
        doc->setWindowState(doc->windowState() | Qt::WindowMaximized);
    connect(doc, &DocumentWindow::contextMenuRequested, this, [] { ShowContextMenu(); });
    return doc;
}

DocumentWindow *MainWindow::NewDocument()
{
    Hourglass busy;
    ShowStatusMessage(QStringLiteral("Creating new document..."));
    DocumentWindow *doc = CreateDocumentWindow();
    FillNewDocument(doc);
    doc->setDirty(false);
    AppState &app = App();
    const QString caption = QStringLiteral("Untitled") + QString::number(app.UntitledCount + 1);
    doc->setCaption(caption);
    doc->setFullPath(caption);
    doc->ShowDoc();
    ++app.UntitledCount;
    return doc;
}

void MainWindow::RefreshDocument(DocumentWindow *doc)
{
    if (!doc)
        return;
    ShowStatusMessage(QStringLiteral("Refreshing document: ") + FileNameOf(doc->FullPath()));
    doc->textBox()->suspendDrawing();
    doc->Doc_SetToPrefs();
    doc->textBox()->resumeDrawing();
}

void MainWindow::ReplaceDocumentText(DocumentWindow *doc, const QString &text)
{
    if (!doc)
        return;
    RichTextBox *box = doc->textBox();
    box->suspendDrawing();
    const qsizetype start = box->selStart();
    doc->replaceWholeText(text);
    box->setSelStart(start);
    box->resumeDrawing();
}

void MainWindow::ApplyWordWrapToAll()
{
    Hourglass busy;
    for (DocumentWindow *doc : std::as_const(m_documents))
        doc->textBox()->setWordWrap(Prefs().WordWrap);
}

bool MainWindow::CloseAllDocuments()
{
    const QList<DocumentWindow *> documents = m_documents;
    for (DocumentWindow *doc : documents) {
        InsertCancelled = true;
        doc->close(); // unloading clears the flag
        if (InsertCancelled)
            return false;
    }
    return true;
}

void MainWindow::MinimizeAllDocuments()
{
    for (DocumentWindow *doc : std::as_const(m_documents))
        doc->showMinimized();
}

void MainWindow::ActivateDocument(int n)
{
    if (n < 1 || n > m_documents.size())
        return;
    DocumentWindow *doc = m_documents[n - 1];
    m_area->setActiveSubWindow(doc);
    doc->textBox()->setFocus();
}

void MainWindow::documentUnloaded(DocumentWindow *doc)
{
    AppState &app = App();
    if (doc->documentNumber() == 1)
        app.StartupDocOpen = false;
    m_documents.removeAll(doc);
    if (m_documents.isEmpty()) {
        doc->hide();
        QCoreApplication::processEvents();
        if (!app.AppClosing)
            SetDocumentToolsEnabled(false, false);
        UpdateDocSizePanel();
        UpdateDocPathPanel();
        Q_EMIT lastDocumentClosed();
    }
    UpdateDocCountPanel();
    InsertCancelled = false;
}

} // namespace tavorin
