#pragma once

// The horizontal rule dialog ("frmHorizRule", caption "Horizontal Rule"):
// builds the plain HR tag or a formatted one with height, width (pixels or
// per cent), alignment and no shading, or reads a selected HR tag back.

#include "dialogs/tagdialog.h"

#include <QList>

class QCheckBox;
class QRadioButton;

namespace tavorin {

class LookupCombo;
class SelTextBox;
struct RuleOptions;

class FrmHorizRule final : public TagDialog {
    Q_OBJECT
public:
    explicit FrmHorizRule(const QString &selectedText, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(FrmHorizRule)

    // Edits the selected HR tag ("" for a new rule): the finished tag, or
    // nothing when the dialog was cancelled.
    static std::optional<QString> Form_Run(const QString &selectedText, QWidget *parent = nullptr);

protected:
    std::optional<QString> buildResult() override;

private:
    void readBack(const RuleOptions &options);

    QRadioButton *m_standard = nullptr;
    QRadioButton *m_formatted = nullptr;
    SelTextBox *m_height = nullptr;
    SelTextBox *m_width = nullptr;
    QCheckBox *m_percent = nullptr;
    LookupCombo *m_align = nullptr;
    QCheckBox *m_noShade = nullptr;
    QList<QWidget *> m_formatControls; // enabled only for the formatted rule
};

} // namespace tavorin
