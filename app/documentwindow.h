#pragma once

// One document window (frmNotePad): a child of the main window's document
// area holding the text box rtfPageText. Text enters it coloured through
// DocText (whole text) and DocSelText (the selection).

#include "settings/files.h"

#include <QMdiSubWindow>

#include <optional>

namespace tavorin {

class RichTextBox;
class MainWindow;

class DocumentWindow : public QMdiSubWindow {
    Q_OBJECT

public:
    // Loads the window: state from the preferences, one empty line, display
    // preferences applied. The number is its key in the document list.
    DocumentWindow(MainWindow *mainWindow, int documentNumber);
    ~DocumentWindow() override;
    Q_DISABLE_COPY_MOVE(DocumentWindow)

    int documentNumber() const { return m_number; }
    RichTextBox *textBox() const { return m_text; }

    void ShowDoc();
    void Doc_SetToPrefs();
    void DocSelText(const QString &text);
    void DocText(const QString &text);
    // Replaces the whole text as one undoable, coloured change, adding nothing.
    void replaceWholeText(const QString &text);

    QString FullPath() const { return m_fullPath; }
    void setFullPath(const QString &path) { m_fullPath = path; }
    bool Dirty() const { return m_dirty; }
    void setDirty(bool dirty) { m_dirty = dirty; }
    // The caption without the window decoration (" (Modified)" included).
    QString caption() const { return windowTitle(); }
    void setCaption(const QString &caption) { setWindowTitle(caption); }

    QString RtfTemplate() const { return m_rtfTemplate; }
    // Colouring applies when the path names an HTML document and Highlighting is on.
    bool colouringOn() const;
    // The encoding the file was read in, which saving keeps; none for a
    // document that never came from a file.
    std::optional<TextEncoding> encoding() const { return m_encoding; }
    void setEncoding(TextEncoding encoding) { m_encoding = encoding; }

    // Asks to save a dirty document. False when the closing must stop.
    bool queryClose();

Q_SIGNALS:
    void contextMenuRequested(const QPoint &globalPosition);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void onTextChanged();
    bool handleKeyPress(class QKeyEvent *event);
    void storeWindowState();
    void replaceSelection(const QString &text, bool endOfDocumentRule);

    MainWindow *m_main;
    RichTextBox *m_text;
    int m_number;
    QString m_fullPath;
    bool m_dirty = false;
    QString m_rtfTemplate;
    std::optional<TextEncoding> m_encoding;
    bool m_closeConfirmed = false;
};

} // namespace tavorin
