#pragma once

// The auto-load dialog ("frmAutoLoad", caption "Timer Auto-Load"): builds a
// META refresh tag that reloads the page, or loads another page or file,
// after a delay in seconds, or reads a selected one back.

#include "dialogs/tagdialog.h"

class QRadioButton;

namespace tavorin {

class LocationControl;
class SelTextBox;
struct AutoLoadOptions;

class FrmAutoLoad final : public TagDialog {
    Q_OBJECT
public:
    explicit FrmAutoLoad(const QString &selectedText, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(FrmAutoLoad)

    // Edits the selected META refresh tag ("" for a new one): the finished
    // tag, or nothing when the dialog was cancelled.
    static std::optional<QString> Form_Run(const QString &selectedText, QWidget *parent = nullptr);

protected:
    std::optional<QString> buildResult() override;

private:
    void readBack(const AutoLoadOptions &options);
    void targetChosen();

    QRadioButton *m_current = nullptr;
    QRadioButton *m_file = nullptr;
    QRadioButton *m_url = nullptr;
    LocationControl *m_location = nullptr;
    SelTextBox *m_delay = nullptr;
};

} // namespace tavorin
