#pragma once

// The font collection dialog ("frmFontCollection"): a collection's name and
// up to three font names picked from the screen fonts.

#include "settings/datafiles.h"

#include "dialogs/tagdialog.h"

#include <array>

namespace tavorin {

class LookupCombo;
class SelTextBox;

class FrmFontCollection final : public TagDialog {
    Q_OBJECT
public:
    // name and fonts are those of the collection edited, both empty for a new one.
    FrmFontCollection(const QString &name, const QString &fonts, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(FrmFontCollection)

    // The collection accepted by OK, nothing when cancelled.
    static std::optional<FontCollection> Form_Run(const QString &name, const QString &fonts,
                                                  QWidget *parent = nullptr);
    const std::optional<FontCollection> &accepted() const { return m_accepted; }

protected:
    std::optional<QString> buildResult() override;

private:
    QString m_openedName;
    SelTextBox *m_name = nullptr;
    std::array<LookupCombo *, 3> m_fonts{};
    std::optional<FontCollection> m_accepted;
};

} // namespace tavorin
