#pragma once

// The page body dialog ("frmBodySetup", caption "Page Colours &
// Background"): builds the opening BODY tag from a background image, the
// five page colours and the body's event scripts, or reads the selected
// BODY tag back and rebuilds it, with a live sample of the page.

#include "dialogs/tagdialog.h"

#include <array>

class QRadioButton;

namespace tavorin {

class BodySample;
class ColourSelector;
class LocationControl;
class SelTextBox;
struct BodyOptions;

class FrmBodySetup final : public TagDialog {
    Q_OBJECT
public:
    explicit FrmBodySetup(const QString &tagText, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(FrmBodySetup)

    // Edits the selected BODY tag ("" for a new one): the finished tag, or
    // nothing when the dialog was cancelled.
    static std::optional<QString> Form_Run(const QString &tagText, QWidget *parent = nullptr);

protected:
    std::optional<QString> buildResult() override;

private:
    QWidget *standardPage();
    QWidget *advancedPage();
    void readBack(const BodyOptions &options);
    void paintSample(int index);
    void showBackgroundImage();

    QTabWidget *m_tabs = nullptr;
    std::array<ColourSelector *, 5> m_colours{};
    QRadioButton *m_file = nullptr;
    QRadioButton *m_url = nullptr;
    LocationControl *m_imageLocation = nullptr;
    BodySample *m_sample = nullptr;
    std::array<SelTextBox *, 4> m_scripts{};
    QString m_shownImage; // the location whose image the sample shows
};

} // namespace tavorin
