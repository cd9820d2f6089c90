#pragma once

// The quick table dialog ("frmQuickTable", caption "Quick Table"): writes a
// complete empty table of the rows and columns asked for, with an optional
// caption and banner comments; the selected text goes into the first cell.

#include "dialogs/tagdialog.h"

class QCheckBox;

namespace tavorin {

class SelTextBox;

class FrmQuickTable final : public TagDialog {
    Q_OBJECT
public:
    explicit FrmQuickTable(const QString &selectedText, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(FrmQuickTable)

    // The finished table around the selected text, or nothing when the
    // dialog was cancelled.
    static std::optional<QString> Form_Run(const QString &selectedText, QWidget *parent = nullptr);

protected:
    std::optional<QString> buildResult() override;

private:
    QString m_selectedText;
    SelTextBox *m_rows = nullptr;
    SelTextBox *m_columns = nullptr;
    SelTextBox *m_caption = nullptr;
    QCheckBox *m_comments = nullptr;
};

} // namespace tavorin
