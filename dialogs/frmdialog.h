#pragma once

// The one-field prompt ("frmDialog"): "Please enter " + label + ":" above one
// selection text box, an "&Upper Case" check box, OK, Cancel and Help. OK
// requires an entry; the value is trimmed and upper-cased when the box is
// ticked.

#include "app/facades.h"

#include "dialogs/tagdialog.h"

class QCheckBox;
class QLabel;

namespace tavorin {

class SelTextBox;

class FrmDialog final : public TagDialog {
    Q_OBJECT
public:
    explicit FrmDialog(const PromptRequest &request, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(FrmDialog)

    // Shows the prompt modally, centred on the screen; the accepted value,
    // or nothing when it was cancelled or closed.
    static std::optional<QString> Form_Run(const PromptRequest &request, QWidget *parent = nullptr);

protected:
    std::optional<QString> buildResult() override;

private:
    SelTextBox *m_text = nullptr;
    QCheckBox *m_upperCase = nullptr;
};

} // namespace tavorin
