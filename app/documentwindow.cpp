#include "app/documentwindow.h"

#include "app/appstate.h"
#include "app/colouring.h"
#include "app/commandrunner.h"
#include "app/facades.h"
#include "app/fileoperations.h"
#include "app/mainwindow.h"
#include "app/richtextbox.h"
#include "app/rtfreader.h"
#include "app/textrules.h"
#include "app/windowarrangement.h"
#include "settings/paths.h"
#include "settings/preferences.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMdiArea>

namespace tavorin {

DocumentWindow::DocumentWindow(MainWindow *mainWindow, int documentNumber)
    : QMdiSubWindow(nullptr)
    , m_main(mainWindow)
    , m_text(new RichTextBox(this))
    , m_number(documentNumber)
{
    setObjectName(QStringLiteral("frmNotePad"));
    setAttribute(Qt::WA_DeleteOnClose);
    setProperty("Tag", QString::number(documentNumber));
    m_text->setObjectName(QStringLiteral("rtfPageText"));
    setWidget(m_text);
    setFocusProxy(m_text);

    m_text->installEventFilter(this);
    m_text->viewport()->installEventFilter(this);
    m_text->viewport()->setMouseTracking(true);
    connect(m_text, &QPlainTextEdit::textChanged, this, &DocumentWindow::onTextChanged);
    connect(m_text, &QPlainTextEdit::cursorPositionChanged, m_main, &MainWindow::RestartAppUpdate);

    // Loading: one empty line and the display preferences; the remembered
    // window state is applied when the window is shown.
    m_text->setText(QString::fromLatin1(CrLf));
    Doc_SetToPrefs();
    if (m_main->documentArea())
        resize(DocumentWindowSize(m_main->documentArea()->viewport()->size(), pos(), m_main->documentMargin()));
}

DocumentWindow::~DocumentWindow() = default;

void DocumentWindow::ShowDoc()
{
    // New windows take the state the preferences remember (2 maximised).
    if (Prefs().WindowState == 2)
        showMaximized();
    else
        show();
    m_main->documentArea()->setActiveSubWindow(this);
    m_text->setFocus();
    if (m_main->Documents().size() == 1)
        m_main->SetDocumentToolsEnabled(true, false);
    m_main->UpdateDocPathPanel();
    m_main->UpdateDocSizePanel();
    m_main->UpdateDocCountPanel();
}

bool DocumentWindow::colouringOn() const
{
    return IsHtmlDocumentPath(m_fullPath) && Prefs().Highlighting;
}

void DocumentWindow::Doc_SetToPrefs()
{
    const bool wasDirty = m_dirty;
    m_dirty = true; // the re-colouring below is not a change of the document
    const qsizetype start = m_text->selStart();
    const qsizetype length = m_text->selLength();
    const QString text = m_text->text();

    const Preferences &prefs = Prefs();
    m_text->setBackColour(prefs.BackColour);
    QString rtf = MakeRtfTemplate(prefs.FontName, prefs.FontSize, prefs.FontBold, prefs.FontItalic);
    rtf = MakeColourTable(rtf, prefs.TextColour, prefs.TagColour, prefs.CommentColour, prefs.SmartColour);
    m_rtfTemplate = AddTabStops(rtf, prefs.TabStops);
    m_text->setWordWrap(prefs.WordWrap);

    DocText(text);
    m_text->select(start, length);
    m_dirty = wasDirty;
}

void DocumentWindow::DocText(const QString &text)
{
    // The RTF ignores bare line feeds; every break reaches it as "\r\n".
    RtfContent content;
    {
        // The normalised copy goes before the text box fills up.
        const QString normal = NormaliseLineBreaks(text);
        content = ColouredContent(normal, m_rtfTemplate, colouringOn(), normal.endsWith(QLatin1StringView(CrLf)));
    }
    m_text->setContent(content);
}

void DocumentWindow::DocSelText(const QString &text)
{
    replaceSelection(text, true);
}

void DocumentWindow::replaceWholeText(const QString &text)
{
    m_text->select(0, m_text->textLength());
    replaceSelection(text, false);
}

void DocumentWindow::replaceSelection(const QString &given, bool endOfDocumentRule)
{
    const QString text = NormaliseLineBreaks(given);
    const QString crlf = QString::fromLatin1(CrLf);
    QString piece = text;
    const qsizetype selectionEnd = m_text->selStart() + m_text->selLength();
    // An insert that reaches the end of the document ends its own line. Only
    // there: one character left after the selection is a character of the
    // text, and breaking the line before it would change the document.
    if (endOfDocumentRule && selectionEnd >= m_text->textLength() && !piece.endsWith(crlf))
        piece += crlf + crlf;
    if (IsBlank(piece) || piece == crlf + crlf) {
        m_text->setSelText(piece);
        return;
    }
    // The text box drops the final paragraph mark of RTF it receives; a piece
    // that ends with its own line break hands one more, so that break stays
    // (a formatted line keeps its line break after the closing tag).
    if (text.endsWith(crlf))
        piece += crlf;
    m_text->setSelRtf(TextToRtf(piece, m_rtfTemplate, colouringOn()));
}

void DocumentWindow::onTextChanged()
{
    m_main->RestartAppUpdate();
    if (m_dirty || caption().isEmpty())
        return;
    m_main->setToolEnabled(QStringLiteral("mnuEditUndo"), true);
    m_dirty = true;
    setCaption(caption() + QStringLiteral(" (Modified)"));
    m_main->UpdateDocSizePanel();
    if (m_number == 1)
        App().StartupDocOpen = false;
}

bool DocumentWindow::queryClose()
{
    if (!m_dirty)
        return true;
    const QString prompt = QStringLiteral("Do you want to save changes to ") + QuotedFileName(m_fullPath)
                           + u'?';
    switch (MsgBox(prompt, MessageButtons::YesNoCancel, MessageIcon::Exclamation)) {
    case MessageAnswer::Yes:
        return SaveDocument(this, false);
    case MessageAnswer::No:
        return true;
    default:
        return false;
    }
}

void DocumentWindow::closeEvent(QCloseEvent *event)
{
    if (!queryClose()) {
        App().AppClosing = false;
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted())
        m_main->documentUnloaded(this);
}

bool DocumentWindow::handleKeyPress(QKeyEvent *event)
{
    const auto mods = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const int key = event->key();
    const auto run = [](const char *command) {
        RunCommand(QString::fromLatin1(command));
        return true;
    };
    if (mods == Qt::ControlModifier) {
        switch (key) {
        case Qt::Key_A:
            return run("Anchor");
        case Qt::Key_V:
            return run("Paste");
        case Qt::Key_C:
            return run("Copy");
        case Qt::Key_Z:
            return run("Undo");
        case Qt::Key_X:
            return run("Cut");
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return run("Paragraph");
        default:
            break;
        }
    }
    switch (key) {
    case Qt::Key_Escape:
        return true;
    case Qt::Key_Delete:
        if (mods == Qt::NoModifier)
            return run("Delete");
        break;
    case Qt::Key_Backspace:
        if (m_text->selStart() == 0 && m_text->selLength() == 0) {
            beeper().beep();
            return true;
        }
        break;
    case Qt::Key_Tab:
        if (m_text->selLength() > 0)
            return run("Tab Indent");
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (mods & (Qt::ShiftModifier | Qt::AltModifier))
            return run("Line Break");
        break;
    default:
        break;
    }
    if (!event->text().isEmpty())
        m_text->setSelColour(Prefs().TextColour); // typed text takes the text colour
    return false;
}

bool DocumentWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (watched == m_text && handleKeyPress(static_cast<QKeyEvent *>(event)))
            return true;
        break;
    case QEvent::ShortcutOverride:
        // The text box's own Ctrl+A/C/V/X/Z must not win over the commands above.
        if (watched == m_text) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (key->modifiers() == Qt::ControlModifier
                && QList<int>{Qt::Key_A, Qt::Key_C, Qt::Key_V, Qt::Key_X, Qt::Key_Z}.contains(key->key())) {
                event->accept();
                return true;
            }
        }
        break;
    case QEvent::KeyRelease:
        if (watched == m_text)
            m_main->RestartAppUpdate();
        break;
    case QEvent::MouseButtonPress:
        // The right button leaves the selection alone: the context menu works on it.
        if (watched == m_text->viewport() && static_cast<QMouseEvent *>(event)->button() == Qt::RightButton)
            return true;
        break;
    case QEvent::ContextMenu:
        // The right button (on the viewport) and the menu key (on the text box)
        // open the program's menu; the text box never shows a menu of its own.
        if (watched == m_text || watched == m_text->viewport()) {
            Q_EMIT contextMenuRequested(static_cast<QContextMenuEvent *>(event)->globalPos());
            return true;
        }
        break;
    case QEvent::MouseMove:
        if (watched == m_text->viewport()) {
            m_main->ReleaseStatusMessage();
            m_main->UpdatePasteTool();
        }
        break;
    case QEvent::MouseButtonRelease:
        if (watched == m_text->viewport())
            m_main->UpdateSelectionTools();
        break;
    case QEvent::FocusIn:
        if (watched == m_text) {
            m_main->UpdateSelectionTools();
            m_main->UpdateTextTools();
            m_main->UpdateUndoTool();
            m_main->UpdatePasteTool();
        }
        break;
    default:
        break;
    }
    return QMdiSubWindow::eventFilter(watched, event);
}

void DocumentWindow::changeEvent(QEvent *event)
{
    QMdiSubWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        storeWindowState();
}

void DocumentWindow::resizeEvent(QResizeEvent *event)
{
    QMdiSubWindow::resizeEvent(event);
    storeWindowState();
}

void DocumentWindow::storeWindowState()
{
    if (!isVisible())
        return;
    // A minimised window is remembered as normal.
    Prefs().WindowState = isMaximized() ? 2 : 0;
}

} // namespace tavorin
