#pragma once

// The search engine dialog ("frmSearchEng", caption "Search Engine
// Links"): inserts links to the Internet search engines chosen from the
// installation's search-engine file, optionally centred.

#include "dialogs/tagdialog.h"

class QCheckBox;
class QListWidget;

namespace tavorin {

class FrmSearchEng final : public TagDialog {
    Q_OBJECT
public:
    explicit FrmSearchEng(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(FrmSearchEng)

    // The links of the chosen engines ("" for none), or nothing when the
    // dialog was cancelled.
    static std::optional<QString> Form_Run(QWidget *parent = nullptr);

protected:
    std::optional<QString> buildResult() override;

private:
    void selectAll(bool selected);

    QListWidget *m_engines = nullptr;
    QCheckBox *m_centre = nullptr;
};

} // namespace tavorin
