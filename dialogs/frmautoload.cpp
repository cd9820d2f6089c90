#include "dialogs/frmautoload.h"

#include "app/helptopics.h"
#include "app/textrules.h"
#include "controls/locationcontrol.h"
#include "controls/seltextbox.h"
#include "controls/updown.h"
#include "dialogs/dialogparts.h"
#include "html/autoloaddialog.h"
#include "settings/preferences.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace tavorin {

using namespace Qt::StringLiterals;

FrmAutoLoad::FrmAutoLoad(const QString &selectedText, QWidget *parent)
    : TagDialog(u"frmAutoLoad"_s, u"Timer Auto-Load"_s, HelpTopic::TimerAutoLoad, parent)
{
    QGroupBox *frame = settingsFrame(u"cmdOK"_s);

    m_current = NamedOption(u"optCurrent"_s, u"&Current (Refresh)"_s, frame);
    m_file = NamedOption(u"optFile"_s, u"Local &File"_s, frame);
    m_url = NamedOption(u"optURL"_s, u"&Internet/Intranet"_s, frame);
    m_location = new LocationControl(frame);
    m_location->setObjectName(u"lcAutoLocation"_s);
    // The dialog keeps its size while the location is hidden.
    QSizePolicy keepSpace = m_location->sizePolicy();
    keepSpace.setRetainSizeWhenHidden(true);
    m_location->setSizePolicy(keepSpace);
    m_delay = NamedTextBox(u"txtDelay"_s, 3, frame, BoxStyle::DigitsOnly);
    m_delay->setText(QString::number(AutoLoadOptions().delay));
    m_delay->setMaximumWidth(m_delay->fontMetrics().horizontalAdvance(u"00000000"_s));
    auto *spin = new UpDown(m_delay, 0, MaximumDelay, frame);
    spin->setObjectName(u"udDelay"_s);

    auto *options = new QHBoxLayout;
    for (QRadioButton *option : {m_current, m_file, m_url})
        options->addWidget(option);
    options->addStretch();
    auto *delay = new QHBoxLayout;
    delay->addWidget(BuddyLabel(u"lblSeconds_0"_s, u"&Wait for"_s, m_delay, frame));
    delay->addWidget(m_delay);
    delay->addWidget(spin);
    delay->addWidget(BuddyLabel(u"lblSeconds_1"_s, u"seconds before loading"_s, nullptr, frame));
    delay->addStretch();
    auto *layout = new QVBoxLayout(frame);
    layout->addLayout(options);
    layout->addWidget(m_location);
    layout->addLayout(delay);

    for (QRadioButton *option : {m_current, m_file, m_url})
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                targetChosen();
        });
    m_location->setLowerCasePaths(Prefs().LowerCasePaths);
    m_current->setChecked(true);
    readBack(ReadAutoLoad(selectedText));
}

void FrmAutoLoad::targetChosen()
{
    m_location->setLocationStyle(m_file->isChecked()  ? LocationStyle::LocalFile
                                 : m_url->isChecked() ? LocationStyle::Web
                                                      : LocationStyle::None);
    m_location->setVisible(!m_current->isChecked());
}

void FrmAutoLoad::readBack(const AutoLoadOptions &options)
{
    m_delay->setText(QString::number(options.delay));
    if (options.target == AutoLoadTarget::Current) {
        m_current->setChecked(true);
        return;
    }
    if (m_location->SetupWeb(options.location)) {
        m_url->setChecked(true);
        return;
    }
    m_file->setChecked(true);
    m_location->setLocation(options.location);
}

std::optional<QString> FrmAutoLoad::Form_Run(const QString &selectedText, QWidget *parent)
{
    FrmAutoLoad dialog(selectedText, parent);
    return dialog.Run();
}

std::optional<QString> FrmAutoLoad::buildResult()
{
    AutoLoadOptions options;
    options.target = m_file->isChecked()  ? AutoLoadTarget::LocalFile
                     : m_url->isChecked() ? AutoLoadTarget::Internet
                                          : AutoLoadTarget::Current;
    if (options.target != AutoLoadTarget::Current) {
        const std::optional<QString> location = m_location->ProcessedLocation();
        if (!location)
            return std::nullopt;
        options.location = *location;
    }
    options.delay = LeadingNumberWithin(m_delay->text(), 0, MaximumDelay);
    return BuildAutoLoad(options);
}

} // namespace tavorin
