#pragma once

// The image dialog ("frmImage", caption "Embedded Image"): builds an IMG
// tag with its size, border, spacing, alignment, alternate text, name and
// event scripts, optionally inside a link, or reads a selected image or
// linked image back and rebuilds it. A preview shows the image and supplies
// its width and height. The dialog opens compact and grows once when a link
// is chosen.

#include "dialogs/tagdialog.h"

#include <array>

class QCheckBox;
class QRadioButton;

namespace tavorin {

class ImagePreview;
class LocationControl;
class LookupCombo;
class SelTextBox;
struct ImageOptions;

class FrmImage final : public TagDialog {
    Q_OBJECT
public:
    explicit FrmImage(const QString &tagText, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(FrmImage)

    // Edits the selected image tag or linked image ("" for a new image):
    // the finished text, or nothing when the dialog was cancelled.
    static std::optional<QString> Form_Run(const QString &tagText, QWidget *parent = nullptr);

protected:
    std::optional<QString> buildResult() override;
    bool event(QEvent *event) override;

private:
    QWidget *standardPage();
    QWidget *advancedPage();
    QWidget *imageFrame(QWidget *page);
    QWidget *linkFrame(QWidget *page);
    void readBack(const ImageOptions &options);
    void linkKindChosen();
    void refreshPreview();

    QTabWidget *m_tabs = nullptr;
    QRadioButton *m_file = nullptr;
    QRadioButton *m_url = nullptr;
    LocationControl *m_imageLocation = nullptr;
    ImagePreview *m_preview = nullptr;
    LookupCombo *m_align = nullptr;
    std::array<SelTextBox *, 5> m_sizes{};
    SelTextBox *m_altText = nullptr;
    SelTextBox *m_imageName = nullptr;
    std::array<SelTextBox *, 3> m_imageScripts{};

    QRadioButton *m_linkNothing = nullptr;
    QRadioButton *m_linkFile = nullptr;
    QRadioButton *m_linkURL = nullptr;
    QRadioButton *m_linkAnchor = nullptr;
    LocationControl *m_linkLocation = nullptr;
    SelTextBox *m_statusText = nullptr;
    LookupCombo *m_target = nullptr;
    QCheckBox *m_newWindow = nullptr;
    std::array<SelTextBox *, 3> m_linkScripts{};
    QList<QWidget *> m_linkControls; // hidden while no link is chosen

    QString m_extraLinkText;
    bool m_anchorListBuilt = false;
    bool m_compact = true;
    bool m_readingBack = false;
};

} // namespace tavorin
