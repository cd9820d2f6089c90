#include "app/mainwindow.h"

#include "app/activebar.h"
#include "app/appstate.h"
#include "app/documentwindow.h"
#include "app/facades.h"
#include "app/richtextbox.h"
#include "app/startup.h"
#include "app/statusmessages.h"
#include "app/toolmodel.h"
#include "settings/paths.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMenu>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTime>
#include <QTimer>

namespace tavorin {

namespace {

MainWindow *s_instance = nullptr;

const char *const PanelKeys[] = {"DocSize", "DocCount", "Time", "DocPath"};

QString sizePanelText(qsizetype characters)
{
    return QStringLiteral(" Size: ") + QString::number(double(characters) / 1024.0, 'f', 2)
           + QStringLiteral("K");
}

QLabel *panelOf(const QStatusBar *bar, const QString &key)
{
    return bar->findChild<QLabel *>(key, Qt::FindDirectChildrenOnly);
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    s_instance = this;
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(QString::fromLatin1(ApplicationTitle));
    m_area = new QMdiArea(this);
    m_area->setObjectName(QStringLiteral("mdiDocuments"));
    setCentralWidget(m_area);
    connect(m_area, &QMdiArea::subWindowActivated, this, [this] {
        UpdateDocPathPanel();
        UpdateDocCountPanel();
        UpdateDocSizePanel();
    });
    createMenus();
    createStatusBar();
    noteClipboardChange();
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &MainWindow::noteClipboardChange);
    createTimers();
    setAcceptDrops(true);

    StatusSinks sinks;
    sinks.show = [this](const QString &text) { ShowStatusMessage(text); };
    sinks.release = [this] { ReleaseStatusMessage(); };
    sinks.busyOn = [] { QApplication::setOverrideCursor(Qt::WaitCursor); };
    sinks.busyOff = [] { QApplication::restoreOverrideCursor(); };
    installStatusSinks(std::move(sinks));
}

MainWindow::~MainWindow()
{
    // Document windows still open go with the area; their going must not
    // reach this half-destroyed window.
    disconnect(m_area, nullptr, this, nullptr);
    delete m_area;
    m_documents.clear();
    installStatusSinks({});
    if (s_instance == this)
        s_instance = nullptr;
}

MainWindow *MainWindow::instance()
{
    return s_instance;
}

DocumentWindow *MainWindow::activeDocumentWindow()
{
    return s_instance ? s_instance->activeDocument() : nullptr;
}

void MainWindow::createMenus()
{
    m_tools = new ToolModel(BuiltInLayout(), this);
    m_bar = new ActiveBar(*m_tools, this);
    connect(m_bar, &ActiveBar::toolClicked, this, &MainWindow::OnToolClick);
    connect(m_bar, &ActiveBar::bandOpened, this, &MainWindow::OnBandOpen);
    connect(m_bar, &ActiveBar::toolHighlighted, this, [this](const QString &description) {
        if (!description.isEmpty())
            ShowStatusMessage(description);
    });
}

void MainWindow::createStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    for (const char *key : PanelKeys) {
        auto *panel = new QLabel(bar);
        panel->setObjectName(QString::fromLatin1(key));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->installEventFilter(this);
        const bool stretch = qstrcmp(key, "DocPath") == 0;
        bar->addWidget(panel, stretch ? 1 : 0);
    }
    UpdateDocCountPanel();
}

void MainWindow::createTimers()
{
    m_statusOff = new QTimer(this);
    m_statusOff->setObjectName(QStringLiteral("tmrStatusOff"));
    m_statusOff->setInterval(1000);
    connect(m_statusOff, &QTimer::timeout, this, &MainWindow::statusOffTick);

    m_appUpdate = new QTimer(this);
    m_appUpdate->setObjectName(QStringLiteral("tmrAppUpdate"));
    m_appUpdate->setInterval(175);
    connect(m_appUpdate, &QTimer::timeout, this, &MainWindow::appUpdateTick);

    // The Time panel shows the clock; refreshing it every second is cheap.
    m_clock = new QTimer(this);
    m_clock->setInterval(1000);
    const auto showTime = [this] {
        setPanelText(QStringLiteral("Time"),
                     QLocale().toString(appClock().now().time(), QLocale::ShortFormat));
    };
    connect(m_clock, &QTimer::timeout, this, showTime);
    showTime();
    m_clock->start();
}

void MainWindow::setPanelText(const QString &key, const QString &text)
{
    if (QLabel *panel = panelOf(statusBar(), key); panel && panel->text() != text)
        panel->setText(text);
}

QString MainWindow::panelText(const QString &key) const
{
    const QLabel *panel = panelOf(statusBar(), key);
    return panel ? panel->text() : QString();
}

bool MainWindow::statusMessageShowing() const
{
    return !statusBar()->currentMessage().isEmpty();
}

void MainWindow::ShowStatusMessage(const QString &text)
{
    const QString message = text + u' ';
    if (statusBar()->currentMessage() == message)
        return;
    m_statusOff->stop();
    statusBar()->showMessage(message);
    statusBar()->repaint();
}

void MainWindow::ReleaseStatusMessage()
{
    // Releasing again (every mouse move over the text does) must not put
    // off the removal: a running countdown is left alone.
    if (!m_statusOff->isActive())
        m_statusOff->start();
}

void MainWindow::statusOffTick()
{
    statusBar()->clearMessage();
    m_statusOff->stop();
    if (!m_documents.isEmpty()) {
        UpdateDocSizePanel();
        UpdateDocPathPanel();
    }
}

void MainWindow::RestartAppUpdate()
{
    m_appUpdate->start(); // start() restarts a running timer
}

void MainWindow::appUpdateTick()
{
    m_appUpdate->stop();
    UpdatePasteTool();
    UpdateSelectionTools();
    const DocumentWindow *doc = activeDocument();
    if (!m_tools->IsEnabled(QStringLiteral("mnuEditDelete")) || (doc && doc->textBox()->textLength() == 0))
        UpdateTextTools();
    UpdateDocSizePanel();
}

void MainWindow::UpdateDocPathPanel()
{
    const DocumentWindow *doc = activeDocument();
    QString text;
    if (doc) {
        const QString path = doc->FullPath();
        text = QStringLiteral("    ") + (HasDrive(path) ? path : QStringLiteral("new document"));
    }
    setPanelText(QStringLiteral("DocPath"), text);
}

void MainWindow::UpdateDocSizePanel()
{
    const DocumentWindow *doc = activeDocument();
    setPanelText(QStringLiteral("DocSize"), doc ? sizePanelText(doc->textBox()->textLength()) : QString());
}

void MainWindow::UpdateDocCountPanel()
{
    setPanelText(QStringLiteral("DocCount"), QStringLiteral("Open: ") + QString::number(m_documents.size()));
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && watched->parent() == statusBar()) {
        if (watched->objectName() == QLatin1String("Time")) {
            if (!launcher().startProgram(QStringLiteral("gnome-control-center"), {QStringLiteral("datetime")}))
                beeper().beep();
        } else {
            beeper().beep();
        }
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

DocumentWindow *MainWindow::activeDocument() const
{
    auto *doc = qobject_cast<DocumentWindow *>(m_area->activeSubWindow());
    if (!doc && !m_documents.isEmpty()) {
        // The area has no active window while the main window is inactive;
        // the current one is still the document the user works in.
        doc = qobject_cast<DocumentWindow *>(m_area->currentSubWindow());
    }
    return doc;
}

DocumentWindow *MainWindow::documentByNumber(int number) const
{
    for (DocumentWindow *doc : m_documents) {
        if (doc->documentNumber() == number)
            return doc;
    }
    return nullptr;
}

QMenu *MainWindow::createPopupMenu()
{
    QMenu *menu = QMainWindow::createPopupMenu();
    if (!menu)
        menu = new QMenu(this);
    menu->addSeparator();
    QAction *reset = menu->addAction(QStringLiteral("&Reset Tool Bars"));
    reset->setObjectName(QStringLiteral("actResetToolBars"));
    connect(reset, &QAction::triggered, this, [this] { ResetToolBarLayout(*this); });
    return menu;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    AppState &app = App();
    app.AppClosing = true;
    const QList<DocumentWindow *> documents = m_documents;
    for (DocumentWindow *doc : documents) {
        if (!doc->close()) {
            app.AppClosing = false;
            event->ignore();
            return;
        }
    }
    if (m_shutdown)
        m_shutdown();
    // Every other window (help) goes with the main window, so the editor ends.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->close();
    }
    event->accept();
}

void MainWindow::setToolEnabled(const QString &toolName, bool enabled)
{
    m_tools->SetEnabled(toolName, enabled);
}

void MainWindow::SetDocumentToolsEnabled(bool enabled, bool keepRedraw)
{
    if (!keepRedraw)
        setUpdatesEnabled(false);
    tavorin::SetDocumentToolsEnabled(*m_tools, enabled);
    if (!keepRedraw)
        setUpdatesEnabled(true);
}

void MainWindow::UpdateSelectionTools()
{
    const DocumentWindow *doc = activeDocument();
    tavorin::UpdateSelectionTools(*m_tools, doc && doc->textBox()->selLength() > 0);
}

void MainWindow::UpdateTextTools()
{
    const DocumentWindow *doc = activeDocument();
    tavorin::UpdateTextTools(*m_tools, doc && doc->textBox()->textLength() > 0);
}

void MainWindow::UpdateUndoTool()
{
    const DocumentWindow *doc = activeDocument();
    tavorin::UpdateUndoTool(*m_tools, doc && doc->textBox()->canUndo());
}

void MainWindow::UpdatePasteTool()
{
    tavorin::UpdatePasteTool(*m_tools, m_clipboardHasText);
}

void MainWindow::noteClipboardChange()
{
    // Asking the clipboard on every mouse move would be a round trip to the
    // program that owns it; its answer only changes when the clipboard does.
    m_clipboardHasText = !QGuiApplication::clipboard()->text().isEmpty();
}

} // namespace tavorin
