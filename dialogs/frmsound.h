#pragma once

// The sound dialog ("frmSound", caption "Page Sound"): builds an EMBED tag
// that plays a sound file at a volume, with the player shown or hidden,
// looping and starting by itself, or reads a selected one back. A hidden
// player always starts by itself.

#include "dialogs/tagdialog.h"

class QCheckBox;
class QLabel;
class QRadioButton;
class QSlider;

namespace tavorin {

class LocationControl;
struct SoundOptions;

class FrmSound final : public TagDialog {
    Q_OBJECT
public:
    explicit FrmSound(const QString &selectedText, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(FrmSound)

    // Edits the selected EMBED tag ("" for a new sound): the finished tag,
    // or nothing when the dialog was cancelled.
    static std::optional<QString> Form_Run(const QString &selectedText, QWidget *parent = nullptr);

protected:
    std::optional<QString> buildResult() override;

private:
    void readBack(const SoundOptions &options);

    QRadioButton *m_file = nullptr;
    QRadioButton *m_url = nullptr;
    LocationControl *m_location = nullptr;
    QSlider *m_volume = nullptr;
    QLabel *m_currentVolume = nullptr;
    QCheckBox *m_controls = nullptr;
    QCheckBox *m_loop = nullptr;
    QCheckBox *m_startAuto = nullptr;
};

} // namespace tavorin
