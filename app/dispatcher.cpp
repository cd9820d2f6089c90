// The main window's dispatcher: what a click on a tool does, what a menu
// refreshes as it opens, and files dropped on the window.

#include "app/aboutdialog.h"
#include "app/activebar.h"
#include "app/appstate.h"
#include "app/browserlaunch.h"
#include "app/browserpreview.h"
#include "app/commandrunner.h"
#include "app/commandtable.h"
#include "app/documentwindow.h"
#include "app/fileoperations.h"
#include "app/helpwindow.h"
#include "app/mainwindow.h"
#include "app/printing.h"
#include "app/richtextbox.h"
#include "app/statusmessages.h"
#include "app/textrules.h"
#include "app/toolmodel.h"
#include "app/inserttext.h"
#include "dialogs/frmdeftextsize.h"
#include "dialogs/frmfind.h"
#include "dialogs/frmframeswizard.h"
#include "dialogs/frmpagewizard.h"
#include "dialogs/frmpreferences.h"
#include "dialogs/frmtextformat.h"
#include "html/findreplace.h"
#include "html/structurecheck.h"
#include "settings/lowercasepaths.h"
#include "settings/preferences.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMdiArea>
#include <QMimeData>
#include <QUrl>

namespace tavorin {

namespace {

// A family of tools shares a name ending in a digit: "mnuFileRecent3".
bool IsFamilyMember(const QString &name, QLatin1StringView family)
{
    return name.size() == family.size() + 1 && name.startsWith(family) && name.back().isDigit();
}

// Commands that leave the focus where they put it: the browser after a view
// command, the find window when it opens.
bool KeepsItsFocus(const QString &commandText)
{
    const auto is = [&commandText](const char *text) {
        return commandText.compare(QLatin1String(text), Qt::CaseInsensitive) == 0;
    };
    return is("View In Browser") || is("View In Default Browser") || is("Find...") || is("Replace...")
           || (is("Find Next") && FindState().findText.isEmpty());
}

} // namespace

void MainWindow::OnToolClick(const QString &toolKey)
{
    QCoreApplication::processEvents();
    const Tool *tool = m_tools->ToolByKey(toolKey);
    if (!tool)
        return;
    const QString name = tool->name;
    const QString commandText = tool->commandText;
    const bool keepsFocus = KeepsItsFocus(commandText);

    if (IsFamilyMember(name, QLatin1StringView("mnuFileRecent"))) {
        OpenFile(tool->tag.isEmpty() ? commandText : tool->tag);
    } else if (IsFamilyMember(name, QLatin1StringView("mnuBrowser"))) {
        ViewInBrowser(activeDocument(), name.back().digitValue(), Prefs().SaveBeforeView);
    } else if (IsFamilyMember(name, QLatin1StringView("mnuRefGuideSystem"))
               || IsFamilyMember(name, QLatin1StringView("mnuRefGuideUser"))) {
        // The guide's location is kept as the tool's description.
        OpenReferenceGuide(tool->description);
    } else if (name == QLatin1String("mnuColourItem")) {
        RunCommand(QStringLiteral("Colour"), commandText);
    } else if (name == QLatin1String("WindowListItem")) {
        ActivateDocument(int(LeadingNumber(QStringView(commandText).mid(6))));
    } else if (commandText.startsWith(QLatin1String("Heading "))) {
        RunCommand(QStringLiteral("Heading"), commandText.right(1));
    } else {
        runByCommandText(*tool);
    }

    if (DocumentWindow *doc = activeDocument(); doc && !keepsFocus)
        doc->textBox()->setFocus();
    ReleaseStatusMessage();
}

void MainWindow::runByCommandText(const Tool &tool)
{
    const QString &commandText = tool.commandText;
    const auto is = [&commandText](const char *text) {
        return commandText.compare(QLatin1String(text), Qt::CaseInsensitive) == 0;
    };
    Preferences &prefs = Prefs();
    DocumentWindow *doc = activeDocument();

    if (is("Refresh Display")) {
        Hourglass busy;
        RefreshDocument(doc);
    } else if (is("Define/Modify Reference Settings")) {
        prefs.LastPrefOption = 4; // the Reference tab
        FrmPreferences::Form_Run(this);
    } else if (is("Define/Modify Browser Settings")) {
        prefs.LastPrefOption = 5; // the Browsers tab
        FrmPreferences::Form_Run(this);
    } else if (is("Preferences")) {
        FrmPreferences::Form_Run(this);
    } else if (is("Text Appearance")) {
        FrmTextFormat::Toggle(this);
    } else if (is("Page Text Size")) {
        if (doc) {
            // Like every insert, the selection's own line break stays after the tag.
            const QString lineBreak = SplitTrailingLineBreak(doc->textBox()->selText()).lineBreak;
            if (const std::optional<QString> tag = FrmDefTextSize::Form_Run(this))
                InsertText(*tag + lineBreak, false);
        }
    } else if (is("Save All")) {
        SaveAllDocuments();
    } else if (is("Close All")) {
        CloseAllDocuments();
    } else if (is("Edit Template")) {
        OpenFile(prefs.TemplateLocation);
    } else if (is("Tile Horizontally")) {
        tileDocuments(Qt::Vertical); // one above the other, full width
    } else if (is("Tile Vertically")) {
        tileDocuments(Qt::Horizontal); // side by side, full height
    } else if (is("Cascade")) {
        CascadeDocuments();
    } else if (is("Arrange Icons")) {
        // Minimised windows line up along the bottom of the area.
        const QList<QMdiSubWindow *> windows = m_area->subWindowList();
        int left = 0;
        for (QMdiSubWindow *window : windows) {
            if (!window->isMinimized())
                continue;
            const QSize size = window->size();
            window->move(left, m_area->viewport()->height() - size.height());
            left += size.width();
        }
    } else if (is("Minimize All")) {
        MinimizeAllDocuments();
    } else if (is("Smart Updates")) {
        prefs.SmartUpdates = !prefs.SmartUpdates;
    } else if (is("Templates")) {
        prefs.TemplatesOn = !prefs.TemplatesOn;
    } else if (is("Wizard At Start-Up")) {
        prefs.PageWizard = !prefs.PageWizard;
    } else if (is("Tooltips")) {
        prefs.ToolTips = !prefs.ToolTips;
        m_bar->setToolTipsShown(prefs.ToolTips);
    } else if (is("Word Wrap")) {
        prefs.WordWrap = !prefs.WordWrap;
        ApplyWordWrapToAll();
    } else if (is("Exit")) {
        close();
    } else if (is("Check For Missing Tags") || is("Page Structure")) {
        if (doc)
            CheckStructure(doc->textBox()->text());
    } else if (is("About Tavorin")) {
        AboutDialog about(this);
        about.exec();
    } else if (is("Help Contents") || is("Help")) {
        ShowHelp(this, 0);
    } else if (is("Search For Help On...")) {
        ShowHelp(this, 2);
    } else if (is("Close")) {
        if (doc)
            doc->close();
    } else if (is("Select All")) {
        if (doc) {
            doc->textBox()->select(0, doc->textBox()->textLength());
            UpdateSelectionTools();
        }
    } else if (is("Lower Case Paths")) {
        if (doc)
            RunLowerCasePaths(doc);
    } else if (is("New")) {
        NewDocument();
    } else if (is("Open")) {
        ShowOpenDialog();
    } else if (is("Save")) {
        SaveDocument(doc, false);
    } else if (is("Save As...")) {
        SaveDocument(doc, true);
    } else if (is("Find...")) {
        FindWindow::Find(*this);
    } else if (is("Find Next")) {
        FindWindow::FindNext(*this);
    } else if (is("Replace...")) {
        FindWindow::Replace(*this);
    } else if (is("Print")) {
        PrintActiveDocument(*this);
    } else if (is("View In Default Browser") || is("View In Browser")) {
        ViewInBrowser(doc, prefs.ActiveBrowser, prefs.SaveBeforeView);
    } else if (is("Web Page Wizard")) {
        FrmPageWizard::Form_Run(this);
    } else if (is("Frames Wizard")) {
        FrmFramesWizard::Form_Run(this);
    } else if (!tool.subBand.isEmpty() && !IsCommandText(commandText)) {
        // A tool-bar button that only names its menu ("Table") opens it.
        m_bar->showSubBandOf(tool.key);
    } else {
        RunCommand(commandText);
    }
}

void MainWindow::tileDocuments(Qt::Orientation stacking)
{
    const QList<QMdiSubWindow *> windows = m_area->subWindowList();
    const QSize area = m_area->viewport()->size();
    const bool vertical = stacking == Qt::Vertical;
    const int total = vertical ? area.height() : area.width();
    int offset = 0;
    for (qsizetype i = 0; i < windows.size(); ++i) {
        const int extent = int((total - offset) / (windows.size() - i));
        windows[i]->showNormal();
        windows[i]->setGeometry(vertical ? QRect(0, offset, area.width(), extent)
                                         : QRect(offset, 0, extent, area.height()));
        offset += extent;
    }
}

void MainWindow::RunLowerCasePaths(DocumentWindow *doc)
{
    Hourglass busy;
    const LowerCasePathsResult result = LowerCasePaths(doc->textBox()->text());
    if (result.changed())
        ReplaceDocumentText(doc, result.text);
    ReportLowerCasePaths(result);
}

void MainWindow::OnBandOpen(const QString &bandName)
{
    if (bandName == QLatin1String("mnuOptions")) {
        UpdateOptionChecks(*m_tools, Prefs());
    } else if (bandName == QLatin1String("mnuWindow")) {
        BuildWindowList();
    } else if (bandName == QLatin1String("mnuView")) {
        UpdateBrowserTools(*m_tools, Prefs());
    } else if (bandName == QLatin1String("mnuFile")) {
        UpdateFileMenuTools(*m_tools, int(m_documents.size()));
    } else if (bandName == QLatin1String("mnuReferenceGuide")) {
        UpdateUserGuideTools(*m_tools, Prefs());
    }
}

void MainWindow::BuildWindowList()
{
    QStringList captions;
    int active = -1;
    const DocumentWindow *current = activeDocument();
    for (int i = 0; i < m_documents.size(); ++i) {
        captions.append(m_documents[i]->caption());
        if (m_documents[i] == current)
            active = i;
    }
    tavorin::BuildWindowList(*m_tools, captions, active);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls()) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
}

void MainWindow::dropEvent(QDropEvent *event)
{
    QStringList paths;
    for (const QUrl &url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    if (paths.isEmpty())
        return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
    OpenFiles(paths);
}

} // namespace tavorin
