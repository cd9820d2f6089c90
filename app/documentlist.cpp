// The main window's document list: creating, numbering, refreshing, arranging
// and closing document windows.

#include "app/appstate.h"
#include "app/contextmenu.h"
#include "app/documentwindow.h"
#include "app/fileoperations.h"
#include "app/mainwindow.h"
#include "app/richtextbox.h"
#include "app/statusmessages.h"
#include "app/windowarrangement.h"
#include "html/insertstate.h"
#include "settings/paths.h"
#include "settings/preferences.h"

#include <QApplication>
#include <QMdiArea>
#include <QStyle>

#include <algorithm>

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
    connect(doc, &DocumentWindow::contextMenuRequested, this, [](const QPoint &at) { ShowContextMenu(at); });
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
    // While one document is maximised, the area maximises every document it
    // activates, and minimising one activates another: restored first, each
    // stays minimised.
    for (DocumentWindow *doc : std::as_const(m_documents)) {
        if (doc->isMaximized())
            doc->showNormal();
    }
    for (DocumentWindow *doc : std::as_const(m_documents))
        doc->showMinimized();
}

void MainWindow::ActivateDocument(int n)
{
    if (n < 1 || n > m_documents.size())
        return;
    DocumentWindow *doc = m_documents[n - 1];
    if (doc->isMinimized()) {
        // A minimised document would take no typing: it comes back as the
        // others are shown, maximised when they are.
        const bool othersMaximised = std::any_of(m_documents.cbegin(), m_documents.cend(), [doc](const DocumentWindow *other) {
            return other != doc && other->isMaximized();
        });
        if (othersMaximised)
            doc->showMaximized();
        else
            doc->showNormal();
    }
    m_area->setActiveSubWindow(doc);
    doc->textBox()->setFocus();
}

void MainWindow::CascadeDocuments()
{
    // Minimised documents stay where they are; the others are laid from the
    // back one to the front one, so the front one stays in front.
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *window : m_area->subWindowList(QMdiArea::StackingOrder)) {
        if (!window->isMinimized())
            windows.append(window);
    }
    if (windows.isEmpty())
        return;
    QMdiSubWindow *active = m_area->activeSubWindow();
    const QStyle *style = windows.first()->style();
    const int step = style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, windows.first())
                     + style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, windows.first());
    for (QMdiSubWindow *window : std::as_const(windows)) {
        if (window->isMaximized())
            window->showNormal();
    }
    const QList<QRect> places
        = CascadeGeometries(m_area->viewport()->size(), int(windows.size()), QSize(step, step), documentMargin());
    for (qsizetype i = 0; i < windows.size(); ++i) {
        windows[i]->setGeometry(places[i]);
        windows[i]->raise();
    }
    if (active)
        m_area->setActiveSubWindow(active);
}

QSize MainWindow::documentMargin() const
{
    return DocumentMargin(logicalDpiX(), logicalDpiY());
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
