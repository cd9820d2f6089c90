#pragma once

// The find window frmFind: modeless beside the documents, owned by the main
// window, in find mode ("Find") or replace mode ("Replace"). The search
// state lives on without it (html/findreplace.h), so Find Next works with
// the window closed. The window closes when the last document does.

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tavorin {

class DocumentWindow;
class MainWindow;
class SelTextBox;

class FindWindow final : public QDialog {
    Q_OBJECT

public:
    explicit FindWindow(MainWindow *main);
    Q_DISABLE_COPY_MOVE(FindWindow)

    // Opens the window (or gives it the focus) with the selected text or the
    // last find text to look for; the search goes down and starts afresh.
    static void Find(MainWindow &main);
    // Searches once when there is something to look for, otherwise Find.
    static void FindNext(MainWindow &main);
    // Find in replace mode.
    static void Replace(MainWindow &main);
    // The open find window, or nullptr.
    static FindWindow *current();

    bool replaceMode() const { return m_replaceMode; }

protected:
    void reject() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setReplaceMode(bool on);
    void fillFromState(const DocumentWindow *doc);
    void storeBoxes();
    void updateButtons();
    void findClicked();
    void replaceClicked();
    void replaceAllClicked();

    MainWindow *m_main = nullptr;
    SelTextBox *m_find = nullptr;
    SelTextBox *m_replacement = nullptr;
    QLabel *m_replaceLabel = nullptr;
    QCheckBox *m_case = nullptr;
    QRadioButton *m_up = nullptr;
    QRadioButton *m_down = nullptr;
    QPushButton *m_findNext = nullptr;
    QPushButton *m_replace = nullptr;
    QPushButton *m_replaceAll = nullptr;
    bool m_replaceMode = false;
};

// Searches the document once from its selection with the search state and
// selects the match; says so when there is none. False when nothing was found.
bool FindNextInDoc(DocumentWindow *doc);
// Replaces every match in the document's text in one undoable step and
// reports the number of changes (or that there was no match).
void ReplaceAll(MainWindow &main, DocumentWindow *doc);

} // namespace tavorin
