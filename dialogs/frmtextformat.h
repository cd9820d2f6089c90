#pragma once

// The text appearance window ("frmTextFormat"): a modeless window that wraps
// the active document's selection in style, heading, font, alignment and
// the user's own tags. It stays open after Apply; its position and last tab
// are kept between runs.

#include "html/textappearance.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QTabWidget;

namespace tavorin {

class ColourSelector;
class LookupCombo;

class FrmTextFormat final : public QDialog {
    Q_OBJECT
public:
    explicit FrmTextFormat(QWidget *parent = nullptr);
    ~FrmTextFormat() override;
    Q_DISABLE_COPY_MOVE(FrmTextFormat)

    // The open window, nullptr when none is showing.
    static FrmTextFormat *openInstance();
    // Closes the window when it is showing, otherwise opens it.
    static void Toggle(QWidget *parent);
    // Rebuilds the open window's font list (after the collections or their
    // use changed); nothing when no window is open.
    static void RefreshOpenFontList();

    // The options the controls give, the font box resolved to font names.
    TextAppearance options() const;

    void Apply();
    void Reset();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *styleTab();
    QWidget *headingTab();
    QWidget *miscTab();
    QWidget *userTagsTab();
    void fillFontList();
    void restorePlace();
    void storePlace() const;

    QTabWidget *m_tabs = nullptr;
    QListWidget *m_styles = nullptr;
    LookupCombo *m_fonts = nullptr;
    QComboBox *m_fontSize = nullptr;
    ColourSelector *m_colour = nullptr;
    QComboBox *m_headSize = nullptr;
    LookupCombo *m_headAlign = nullptr;
    LookupCombo *m_textAlign = nullptr;
    QCheckBox *m_dropCap = nullptr;
    QCheckBox *m_centre = nullptr;
    QCheckBox *m_indent = nullptr;
    std::array<QRadioButton *, 4> m_case{}; // Title, lower, UPPER, None
    QLineEdit *m_startTags = nullptr;
    QLineEdit *m_endTags = nullptr;
};

} // namespace tavorin
