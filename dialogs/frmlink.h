#pragma once

// The link dialog ("frmLink", caption "Link"): builds an A element to a
// local file, an Internet/intranet address or an anchor of this document,
// with display text, target window, status-bar text and event scripts, or
// reads a selected link back and rebuilds it.

#include "dialogs/tagdialog.h"

#include <array>

class QCheckBox;
class QRadioButton;

namespace tavorin {

class LocationControl;
class LookupCombo;
class SelTextBox;
struct LinkOptions;

class FrmLink final : public TagDialog {
    Q_OBJECT
public:
    explicit FrmLink(const QString &selectedText, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(FrmLink)

    // Edits the selected link ("" for a new one): the finished link, or
    // nothing when the dialog was cancelled.
    static std::optional<QString> Form_Run(const QString &selectedText, QWidget *parent = nullptr);

protected:
    std::optional<QString> buildResult() override;

private:
    QWidget *standardPage();
    QWidget *advancedPage();
    void readBack(const LinkOptions &options);
    void linkKindChosen();
    void refreshDisplayText();
    void locationChanged();
    void refreshStatusText();

    QTabWidget *m_tabs = nullptr;
    QRadioButton *m_file = nullptr;
    QRadioButton *m_url = nullptr;
    QRadioButton *m_anchor = nullptr;
    LocationControl *m_location = nullptr;
    SelTextBox *m_displayText = nullptr;
    QCheckBox *m_displaySame = nullptr;
    SelTextBox *m_statusText = nullptr;
    QCheckBox *m_statusSame = nullptr;
    LookupCombo *m_target = nullptr;
    QCheckBox *m_newWindow = nullptr;
    std::array<SelTextBox *, 3> m_scripts{};
    bool m_anchorListBuilt = false;
};

} // namespace tavorin
