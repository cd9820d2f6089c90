#pragma once

// The Web Page Wizard ("frmPageWizard"): twelve pages of questions (title,
// colours, background image, heading, introduction, Internet and file
// links, end text, personal details), then the page saved with the files it
// refers to copied beside it, and opened in the editor or a browser.

#include "dialogs/wizarddialog.h"
#include "html/wizardpage.h"

#include <array>

class QCheckBox;
class QPlainTextEdit;

namespace tavorin {

class ColourSelector;
class ImagePreview;

class FrmPageWizard final : public WizardDialog {
    Q_OBJECT
public:
    explicit FrmPageWizard(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(FrmPageWizard)

    // Runs the wizard, opens the page in a document window when the user
    // chose the editor, and keeps the start-up choice in PageWizard.
    static void Form_Run(QWidget *parent = nullptr);

protected:
    QString stepName(int step) const override;
    bool mayLeave(int step, int to) override;
    std::optional<QString> documentFor(const QString &path) override;
    bool copyReferencedFiles(const QString &path) override;
    void storeOnOk() override;

private:
    QWidget *colourPage();
    QWidget *headingPage();
    QWidget *internetLinksPage();
    QWidget *fileLinksPage();
    QWidget *personalPage();
    void headingFollowsText();
    // The name the page gives the file in a location box.
    QString fileNameOf(std::size_t location) const;
    WizardPageAnswers answers();

    QCheckBox *m_alwaysOnOpen = nullptr;
    SelTextBox *m_pageTitle = nullptr;
    std::array<ColourSelector *, 6> m_colours{};
    std::array<SelTextBox *, WizardLocationCount> m_locations{};
    SelTextBox *m_heading = nullptr;
    QCheckBox *m_headingRule = nullptr;
    QPlainTextEdit *m_introduction = nullptr;
    std::array<SelTextBox *, WizardLinkCount> m_addresses{};
    std::array<SelTextBox *, WizardLinkCount> m_addressTexts{};
    std::array<SelTextBox *, WizardLinkCount> m_fileTexts{};
    QPlainTextEdit *m_footer = nullptr;
    SelTextBox *m_userName = nullptr;
    SelTextBox *m_emailAddress = nullptr;
    QCheckBox *m_useEmail = nullptr;
    ImagePreview *m_imageSize = nullptr; // measures the heading image, never shown
};

} // namespace tavorin
