#pragma once

// The Frames Wizard ("frmFramesWizard"): one of seventeen frame styles, the
// title, each frame's name, document and properties, the sizes and the
// text for browsers without frames, then the frame document saved and
// opened in the editor or a browser.

#include "dialogs/wizarddialog.h"
#include "html/framesdocument.h"

#include <span>

class QCheckBox;
class QLabel;
class QPlainTextEdit;

namespace tavorin {

class FrmFramesWizard final : public WizardDialog {
    Q_OBJECT
public:
    explicit FrmFramesWizard(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(FrmFramesWizard)

    // Runs the wizard and opens the frame document in a document window
    // when the user chose the editor.
    static void Form_Run(QWidget *parent = nullptr);

protected:
    QString stepName(int step) const override;
    int pageOfStep(int step) const override;
    void showingStep(int step) override;
    bool mayLeave(int step, int to) override;
    bool finishAllowed() const override;
    // The records of the frames the chosen style uses.
    std::span<FrameRecord> usedFrames();
    std::span<const FrameRecord> usedFrames() const;
    std::optional<QString> documentFor(const QString &path) override;
    bool copyReferencedFiles(const QString &path) override;

private:
    QWidget *stylePage();
    QWidget *framePage();
    QWidget *sizesPage();
    void chooseStyle(int style);
    void showStylePicture();
    // The frame (0 to 3) a step specifies, -1 for the other steps.
    static int frameOfStep(int step);

    FramesOptions m_options;
    int m_frameShown = -1; // the frame whose record the frame page shows
    QLabel *m_activeStyle = nullptr;
    SelTextBox *m_pageTitle = nullptr;
    QLabel *m_frameText = nullptr;
    SelTextBox *m_frameName = nullptr;
    SelTextBox *m_location = nullptr;
    QCheckBox *m_scrollbars = nullptr;
    QCheckBox *m_resizable = nullptr;
    SelTextBox *m_width = nullptr;
    QCheckBox *m_widthPercent = nullptr;
    SelTextBox *m_height = nullptr;
    QCheckBox *m_heightPercent = nullptr;
    QPlainTextEdit *m_noFrames = nullptr;
};

} // namespace tavorin
