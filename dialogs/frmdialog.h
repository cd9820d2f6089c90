#pragma once

// The one-field prompt ("frmDialog"): "Please enter " + label + ":" above one
// selection text box, an "&Upper Case" check box, OK, Cancel and Help. OK
// requires an entry; the value is trimmed and upper-cased when the box is
// ticked.

#include "app/facades.h"

#include <QDialog>

class QCheckBox;
class QLabel;

namespace tavorin {

class SelTextBox;

class FrmDialog final : public QDialog {
    Q_OBJECT
public:
    explicit FrmDialog(const PromptRequest &request, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(FrmDialog)

    // Shows the prompt modally, centred on the screen; the accepted value,
    // or nothing when it was cancelled or closed.
    static std::optional<QString> Form_Run(const PromptRequest &request, QWidget *parent = nullptr);

    // The accepted value once OK has closed the dialog.
    const std::optional<QString> &value() const { return m_value; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void ok();

    SelTextBox *m_text = nullptr;
    QCheckBox *m_upperCase = nullptr;
    std::optional<QString> m_value;
};

} // namespace tavorin
