#include "dialogs/frmsound.h"

#include "app/helptopics.h"
#include "controls/locationcontrol.h"
#include "dialogs/dialogparts.h"
#include "html/sounddialog.h"
#include "settings/preferences.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace tavorin {

using namespace Qt::StringLiterals;

FrmSound::FrmSound(const QString &selectedText, QWidget *parent)
    : TagDialog(u"frmSound"_s, u"Page Sound"_s, HelpTopic::PageSound, parent)
{
    QGroupBox *frame = settingsFrame(u"cmdOK"_s);

    m_file = NamedOption(u"optFile"_s, u"Local &File"_s, frame);
    m_url = NamedOption(u"optURL"_s, u"&Internet/Intranet File"_s, frame);
    m_location = new LocationControl(frame);
    m_location->setObjectName(u"lcSoundLocation"_s);
    m_location->setCaptionLocal(u"Sound &Location:"_s);
    m_location->setCaptionWeb(u"Sound Address (&URL):"_s);
    m_location->setFilter(5);
    m_volume = new QSlider(Qt::Horizontal, frame);
    m_volume->setObjectName(u"sdrVolume"_s);
    m_volume->setRange(0, MaximumVolume);
    m_volume->setSingleStep(1);
    m_volume->setPageStep(10);
    m_volume->setTickInterval(10);
    m_volume->setTickPosition(QSlider::TicksBelow);
    m_volume->setValue(MaximumVolume);
    m_currentVolume = new QLabel(QString::number(MaximumVolume), frame);
    m_currentVolume->setObjectName(u"lblCurrentVolume"_s);
    // Wide enough for the highest value, so the slider keeps its length.
    m_currentVolume->setMinimumWidth(m_currentVolume->fontMetrics().horizontalAdvance(u"000"_s));
    m_controls = NamedCheckBox(u"chkControls"_s, u"&Show Controls"_s, frame);
    m_loop = NamedCheckBox(u"chkLoop"_s, u"&Play In Loop"_s, frame);
    m_startAuto = NamedCheckBox(u"chkStartAuto"_s, u"Start &Automatically"_s, frame);

    auto *options = new QHBoxLayout;
    options->addWidget(m_file);
    options->addWidget(m_url);
    options->addStretch();
    auto *grid = new QGridLayout(frame);
    grid->addLayout(options, 0, 0, 1, 3);
    grid->addWidget(m_location, 1, 0, 1, 3);
    grid->addWidget(BuddyLabel(u"lblVolume"_s, u"&Volume:"_s, m_volume, frame), 2, 0);
    grid->addWidget(m_volume, 2, 1);
    grid->addWidget(m_currentVolume, 2, 2);
    grid->addWidget(m_controls, 3, 0, 1, 3);
    grid->addWidget(m_loop, 4, 0, 1, 3);
    grid->addWidget(m_startAuto, 5, 0, 1, 3);

    connect(m_volume, &QSlider::valueChanged, m_currentVolume,
            [this](int volume) { m_currentVolume->setText(QString::number(volume)); });
    CoupleFileOption(m_file, m_location);
    // A hidden player must start by itself; one that does not start by
    // itself must be shown.
    connect(m_controls, &QCheckBox::toggled, m_startAuto, [this](bool on) {
        if (!on)
            m_startAuto->setChecked(true);
    });
    connect(m_startAuto, &QCheckBox::toggled, m_controls, [this](bool on) {
        if (!on)
            m_controls->setChecked(true);
    });

    m_location->setLowerCasePaths(Prefs().LowerCasePaths);
    m_file->setChecked(true);
    readBack(ReadSound(selectedText));
}

void FrmSound::readBack(const SoundOptions &options)
{
    ReadBackLocation(m_location, m_url, options.source);
    m_volume->setValue(options.volume);
    // The options are consistent, so setting the controls first never
    // changes the other box against them.
    m_controls->setChecked(options.controls);
    m_startAuto->setChecked(options.startAuto);
    m_loop->setChecked(options.loop);
}

std::optional<QString> FrmSound::Form_Run(const QString &selectedText, QWidget *parent)
{
    FrmSound dialog(selectedText, parent);
    return dialog.Run();
}

std::optional<QString> FrmSound::buildResult()
{
    const std::optional<QString> source = m_location->ProcessedLocation();
    if (!source)
        return std::nullopt;
    SoundOptions options;
    options.source = *source;
    options.volume = m_volume->value();
    options.controls = m_controls->isChecked();
    options.loop = m_loop->isChecked();
    options.startAuto = m_startAuto->isChecked();
    return BuildSound(options);
}

} // namespace tavorin
