#pragma once

// The frame every modal dialog that builds a tag shares, so each dialog only
// lays out its own controls and builds its result:
//   - object name, caption and help topic; Help opens the topic, F1 is
//     swallowed (help is the Help button);
//   - InsertCancelled is set each time the dialog becomes active and cleared
//     only when OK is accepted, so Cancel, Esc and the close box only close;
//   - shown modally, centred on the screen, with the normal mouse pointer;
//   - tab frames whose captions carry two blanks on each side and whose
//     hidden pages are disabled;
//   - a refused entry keeps the dialog open on the tab that holds it, with
//     the focus on it.

#include <QDialog>
#include <QString>

#include <optional>

class QBoxLayout;
class QGroupBox;
class QPushButton;
class QTabWidget;

namespace tavorin {

class TagDialog : public QDialog {
    Q_OBJECT
public:
    TagDialog(const QString &objectName, const QString &caption, int helpTopic, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(TagDialog)

    // Shows the dialog modally, centred on the screen; the accepted result,
    // or nothing when it was cancelled or closed.
    std::optional<QString> Run();

    // The accepted result once OK has closed the dialog.
    const std::optional<QString> &result() const { return m_result; }

    // "  " + text + "  ": the caption of a tab.
    static QString TabCaption(const QString &text);

protected:
    // Builds the dialog's result when OK is pressed. Nothing keeps the
    // dialog open: the dialog has said why (or a control has) and called
    // focusEntry on the entry at fault.
    virtual std::optional<QString> buildResult() = 0;

    // The OK, Cancel and Help buttons (okName, cmdCancel, cmdHelp) in a
    // column or a row, OK the default button.
    QBoxLayout *standardButtons(Qt::Orientation orientation = Qt::Vertical,
                                const QString &okName = QStringLiteral("cmdOk"));
    QPushButton *okButton() const { return m_ok; }

    // A tab frame (named name) whose pages are enabled only while shown.
    QTabWidget *tabFrame(const QString &name);
    // The usual body of a tabbed dialog: the tab frame "sstSettingsTab" with
    // the pages "  Standard Settings  " and, when given, "  Advanced
    // Settings  ", beside the column of buttons; the first page shown.
    QTabWidget *settingsTabs(QWidget *standard, QWidget *advanced = nullptr,
                             const QString &okName = QStringLiteral("cmdOk"));
    // The body of a dialog with one page of settings: settingsTabs with a
    // standard page holding the frame "fmePage", which is returned.
    QGroupBox *settingsFrame(const QString &okName);
    // Shows the tab that holds widget and gives it the focus.
    void focusEntry(QWidget *widget);
    // Reports a required entry ("Please " + what + ".") and gives the
    // entry the focus; always false.
    bool refuseEntry(QWidget *entry, const QString &what);
    // True when text holds more than spaces; otherwise refuseEntry.
    bool requireEntry(QWidget *entry, const QString &text, const QString &what);

    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

    // What OK does: builds the result and, when there is one, clears
    // InsertCancelled and closes. For dialogs with OK buttons of their own.
    void ok();

private:
    QPushButton *m_ok = nullptr;
    std::optional<QString> m_result;
};

} // namespace tavorin
