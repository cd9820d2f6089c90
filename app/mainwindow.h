#pragma once

// The main window frmMDI: the document area, the menus and tool bars, the
// status bar with its four keyed panels, and the two timers that end
// transient messages and refresh tool states after typing pauses.

#include <QList>
#include <QMainWindow>

#include <functional>

class QLabel;
class QMenu;
class QMdiArea;
class QTimer;

namespace tavorin {

class ActiveBar;
class DocumentWindow;
class ToolModel;
struct Tool;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;
    Q_DISABLE_COPY_MOVE(MainWindow)

    // The one main window of the process, or nullptr.
    static MainWindow *instance();
    // The active document of that window; nullptr without a window or a document.
    static DocumentWindow *activeDocumentWindow();

    QMdiArea *documentArea() const { return m_area; }

    // Documents, in the order they were created.
    const QList<DocumentWindow *> &Documents() const { return m_documents; }
    DocumentWindow *activeDocument() const;
    DocumentWindow *documentByNumber(int number) const;

    DocumentWindow *CreateDocumentWindow();
    DocumentWindow *NewDocument();
    void RefreshDocument(DocumentWindow *doc);
    void ReplaceDocumentText(DocumentWindow *doc, const QString &text);
    void ApplyWordWrapToAll();
    // False when a document refused to close.
    bool CloseAllDocuments();
    void MinimizeAllDocuments();
    // Lays the documents one over the other, each large and offset from the one before.
    void CascadeDocuments();
    // The gap a document window leaves to the document area's right and bottom edges.
    QSize documentMargin() const;
    void ActivateDocument(int n);
    // Called by a document window as it unloads.
    void documentUnloaded(DocumentWindow *doc);

    void ShowStatusMessage(const QString &text);
    void ReleaseStatusMessage();
    void RestartAppUpdate();
    void UpdateDocPathPanel();
    void UpdateDocSizePanel();
    void UpdateDocCountPanel();
    // The texts the panels show now (for tests and the status bar).
    QString panelText(const QString &key) const;
    bool statusMessageShowing() const;

    void SetDocumentToolsEnabled(bool enabled, bool keepRedraw);
    void UpdateSelectionTools();
    void UpdateTextTools();
    void UpdateUndoTool();
    void UpdatePasteTool();
    void setToolEnabled(const QString &toolName, bool enabled);

    ToolModel &tools() const { return *m_tools; }
    ActiveBar &activeBar() const { return *m_bar; }
    // The dispatcher: what a click on a tool does.
    void OnToolClick(const QString &toolKey);
    // Refreshes a menu's tools just before it opens.
    void OnBandOpen(const QString &bandName);
    void BuildWindowList();

    // Runs once the main window may close, to store its state and preferences.
    void setShutdownHandler(std::function<void()> handler) { m_shutdown = std::move(handler); }

Q_SIGNALS:
    void lastDocumentClosed();

protected:
    // The tool-bar area's menu: each tool bar shown or hidden, and a reset.
    QMenu *createPopupMenu() override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createStatusBar();
    void createMenus();
    void runByCommandText(const Tool &tool);
    void RunLowerCasePaths(DocumentWindow *doc);
    // Lays the documents out one after another along the direction given.
    void tileDocuments(Qt::Orientation stacking);
    void createTimers();
    void statusOffTick();
    void noteClipboardChange();
    void appUpdateTick();
    void setPanelText(const QString &key, const QString &text);

    QMdiArea *m_area = nullptr;
    ToolModel *m_tools = nullptr;
    ActiveBar *m_bar = nullptr;
    QList<DocumentWindow *> m_documents;
    QTimer *m_statusOff = nullptr;
    QTimer *m_appUpdate = nullptr;
    QTimer *m_clock = nullptr;
    std::function<void()> m_shutdown;
    bool m_clipboardHasText = false;
};

} // namespace tavorin
