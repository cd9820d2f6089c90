#pragma once

// The frame dialog ("frmFrames", caption "Advanced Frames"): builds one
// element of a frame-set document, a FRAMESET with its sizes, borders and
// scripts, a FRAME with its document, name, scroll bars, border, margins
// and resizing, or a NOFRAMES element; a selected element of the same kind
// gets a new opening tag, other text is wrapped in the element.

#include "dialogs/tagdialog.h"

#include <array>

class QCheckBox;
class QRadioButton;
class QStackedWidget;

namespace tavorin {

class LocationControl;
class LookupCombo;
class SelTextBox;
struct FrameDialogOptions;

class FrmFrames final : public TagDialog {
    Q_OBJECT
public:
    explicit FrmFrames(const QString &selectedText, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(FrmFrames)

    // Edits the selected frame element or wraps the selected text: the
    // finished text, or nothing when the dialog was cancelled.
    static std::optional<QString> Form_Run(const QString &selectedText, QWidget *parent = nullptr);

protected:
    std::optional<QString> buildResult() override;

private:
    QWidget *framesetFrame();
    QWidget *frameFrame();
    void readBack(const FrameDialogOptions &options);

    QString m_selected;
    std::array<QRadioButton *, 3> m_elements{};
    QStackedWidget *m_elementFrames = nullptr; // the frame-set frame, the frame frame, nothing

    std::array<SelTextBox *, 3> m_framesetBoxes{}; // column widths, row heights, border size
    LookupCombo *m_framesetBorder = nullptr;
    std::array<SelTextBox *, 4> m_scripts{};

    QRadioButton *m_file = nullptr;
    QRadioButton *m_url = nullptr;
    LocationControl *m_location = nullptr;
    SelTextBox *m_frameName = nullptr;
    LookupCombo *m_scrollbars = nullptr;
    LookupCombo *m_frameBorder = nullptr;
    QCheckBox *m_resizable = nullptr;
    std::array<SelTextBox *, 2> m_margins{}; // width, height
};

} // namespace tavorin
