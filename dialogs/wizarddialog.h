#pragma once

// The frame the two wizards share, on top of the dialog frame: pages of
// which one shows at a time, the caption title + " - " + the page name, the
// buttons "<< &Back", "&Next >>", "&Finish", "&Save As...", "OK", "&Cancel"
// and "&Help", the route through the steps with the step remembered by
// Finish, the save step (the save dialog, the program's file writer, the
// recent-file list, the referenced files copied beside the document), the
// last step with its editor and browser options, and the question the close
// box asks. Each wizard adds its pages and says what a step is called, what
// leaving it needs and what document it saves.

#include "dialogs/tagdialog.h"
#include "html/wizardroute.h"

#include <span>

class QGridLayout;
class QHBoxLayout;
class QPlainTextEdit;
class QRadioButton;
class QStackedWidget;

namespace tavorin {

class SelTextBox;

// The file-dialog filter kinds the wizards browse with.
inline constexpr int AnyFileFilterKind = 0;
inline constexpr int HtmlFilterKind = 2;
inline constexpr int ImageFilterKind = 4;

class WizardDialog : public TagDialog {
    Q_OBJECT
public:
    Q_DISABLE_COPY_MOVE(WizardDialog)

    // The step shown.
    int step() const { return m_route.current(); }

protected:
    // The wizard named objectName with the caption title + " - " + the page
    // name; Finish leads to the route's save step.
    WizardDialog(const QString &objectName, const QString &title, int helpTopic, WizardRoute route,
                 QWidget *parent);

    // A page: its explanatory texts (the first one as a title when asked),
    // then a grid for its controls, returned in controls when asked for.
    static QWidget *TextPage(const QStringList &texts, QGridLayout **controls = nullptr, bool titled = false);
    // A box of several lines named name, and its text with the program's
    // line breaks.
    static QPlainTextEdit *TextArea(const QString &name, QWidget *parent);
    static QString LinesOf(const QPlainTextEdit *box);
    // Adds the next page, named "fmeWizPage_" + its number.
    void addPage(QWidget *page);
    // The page of the last step: the text and the options "View/Edit In
    // &Tavorin" (chosen) and "View In &Browser".
    QWidget *finishedPage(const QString &text);
    // Puts a widget in the column left of the pages.
    void addSideWidget(QWidget *widget);
    // Shows the first step; called once the pages are in place.
    void start();
    // Runs the wizard; with the editor option chosen on OK the saved
    // document opens in a document window.
    void RunAndOpen();

    // The name of a step, shown in the caption.
    virtual QString stepName(int step) const = 0;
    // The page that shows a step (by default the page of the same number).
    virtual int pageOfStep(int step) const { return step; }
    // Fills the page of a step before it shows.
    virtual void showingStep(int step);
    // Whether the user may leave step for step to; false keeps the page
    // (the check has said why and given its entry the focus).
    virtual bool mayLeave(int step, int to);
    // Whether Finish is enabled.
    virtual bool finishAllowed() const { return true; }
    // The text to save at path, or nothing (reported) when it cannot be made.
    virtual std::optional<QString> documentFor(const QString &path) = 0;
    // Copies the files the document saved at path refers to beside it;
    // false at the first failure.
    virtual bool copyReferencedFiles(const QString &path) = 0;
    // What OK stores before the page is opened.
    virtual void storeOnOk() {}

    WizardRoute &route() { return m_route; }
    // Sets the buttons for the step shown (after a change Finish depends on).
    void updateButtons();

    // A row of the grid for a text: the label caption and the box name
    // (the label "lbl" + the name after its "txt"), which takes the double
    // quote when asked.
    static SelTextBox *AddTextRow(QGridLayout *grid, int row, const QString &name, const QString &caption,
                                  bool allowQuote = false);
    // A row of the grid for a file: the label caption, the box
    // "txtFileLocation" + suffix and its button "cmdLocalFile" + suffix
    // ("Browse..."), which opens the file dialog titled title.
    static SelTextBox *AddFileRow(QGridLayout *grid, int row, const QString &caption, const QString &suffix,
                                  const QString &title, int filterKind);
    // Every box that holds more than spaces names an existing file;
    // otherwise that box takes the focus, "This file does not exist." is
    // reported and the answer is false.
    bool checkFilesExist(std::span<SelTextBox *const> boxes);

    std::optional<QString> buildResult() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void moveTo(void (WizardRoute::*move)(), int to);
    void showStep();
    void save();

    QString m_title;
    WizardRoute m_route;
    QHBoxLayout *m_body = nullptr;
    QStackedWidget *m_pages = nullptr;
    QPushButton *m_back = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_finish = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_okButton = nullptr;
    QRadioButton *m_editor = nullptr;
    QString m_target; // where the save dialog starts
    QString m_saved;  // the document saved, "" until then
};

} // namespace tavorin
