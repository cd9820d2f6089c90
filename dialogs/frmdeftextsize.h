#pragma once

// The page text size dialog ("frmDefTextSize"): picks the size 1 to 7 of a
// page's BASEFONT tag, with a sample in that size.

#include "dialogs/tagdialog.h"

class QLabel;
class QListWidget;

namespace tavorin {

class FrmDefTextSize final : public TagDialog {
    Q_OBJECT
public:
    explicit FrmDefTextSize(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(FrmDefTextSize)

    // The BASEFONT tag for the chosen size, nothing when cancelled.
    static std::optional<QString> Form_Run(QWidget *parent = nullptr);

protected:
    std::optional<QString> buildResult() override;

private:
    void showSample();

    QListWidget *m_sizes = nullptr;
    QLabel *m_sample = nullptr;
};

} // namespace tavorin
