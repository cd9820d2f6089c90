#include "dialogs/frmbodysetup.h"

#include "app/helptopics.h"
#include "app/statusmessages.h"
#include "app/textrules.h"
#include "controls/colourselector.h"
#include "controls/locationcontrol.h"
#include "controls/previewpath.h"
#include "controls/seltextbox.h"
#include "dialogs/bodysample.h"
#include "dialogs/dialogparts.h"
#include "html/bodydialog.h"
#include "settings/paths.h"
#include "settings/preferences.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>

namespace tavorin {

using namespace Qt::StringLiterals;

FrmBodySetup::FrmBodySetup(const QString &tagText, QWidget *parent)
    : TagDialog(u"frmBodySetup"_s, u"Page Colours & Background"_s, HelpTopic::PageColours, parent)
{
    m_tabs = settingsTabs(standardPage(), advancedPage());

    for (int i = 0; i < 5; ++i)
        connect(m_colours[i], &ColourSelector::Change, this, [this, i] { paintSample(i); });
    connect(m_url, &QRadioButton::toggled, this, [this](bool on) {
        m_imageLocation->setLocationStyle(on ? LocationStyle::Web : LocationStyle::LocalFile);
    });
    connect(m_imageLocation, &LocationControl::LocationChange, this, &FrmBodySetup::showBackgroundImage);

    m_file->setChecked(true);
    readBack(ReadBody(tagText));
    m_imageLocation->setLowerCasePaths(Prefs().LowerCasePaths);
}

QWidget *FrmBodySetup::standardPage()
{
    auto *page = new QWidget;
    QGroupBox *colours = NamedFrame(u"fmeColours"_s, u"Colours"_s, page);
    struct ColourRow {
        QString label;
        QString caption;
        QString defaultColour;
    };
    const ColourRow rows[] = {{u"lblBackColour"_s, u"&Background:"_s, QString()},
                              {u"lblColour_1"_s, u"Normal &Text:"_s, u"black"_s},
                              {u"lblColour_2"_s, u"Nor&mal Link:"_s, u"blue"_s},
                              {u"lblColour_3"_s, u"&Visited Link:"_s, u"purple"_s},
                              {u"lblColour_4"_s, u"&Active Link:"_s, u"red"_s}};
    auto *colourGrid = new QGridLayout(colours);
    for (int i = 0; i < 5; ++i) {
        m_colours[i] = new ColourSelector(colours);
        m_colours[i]->setObjectName(u"colColour_%1"_s.arg(i));
        if (!rows[i].defaultColour.isEmpty())
            m_colours[i]->setDefaultColour(rows[i].defaultColour);
        colourGrid->addWidget(BuddyLabel(rows[i].label, rows[i].caption, m_colours[i], colours), i, 0);
        colourGrid->addWidget(m_colours[i], i, 1);
    }

    QGroupBox *background = NamedFrame(u"fmeBackground"_s, u"Background Image"_s, page);
    m_file = NamedOption(u"optFile"_s, u"Local &File"_s, background);
    m_file->setToolTip(u"Make a link to a local file."_s);
    m_url = NamedOption(u"optURL"_s, u"&Internet/Intranet File"_s, background);
    m_url->setToolTip(u"Make a link to the Internet."_s);
    m_imageLocation = ImageLocationControl(background);
    auto *backgroundGrid = new QGridLayout(background);
    backgroundGrid->addWidget(m_file, 0, 0);
    backgroundGrid->addWidget(m_url, 0, 1);
    backgroundGrid->addWidget(m_imageLocation, 1, 0, 1, 2);

    m_sample = new BodySample(page);
    auto *top = new QHBoxLayout;
    top->addWidget(colours);
    top->addWidget(m_sample, 1);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(background);
    return page;
}

QWidget *FrmBodySetup::advancedPage()
{
    auto *page = new QWidget;
    QGroupBox *scripts = NamedFrame(u"fmeScripts"_s, u"Event Scripts"_s, page);
    AddScriptBoxes(new QGridLayout(scripts), 0, u"txtScriptEvent"_s, u"lblScriptEvent"_s,
                   {u"On&Load:"_s, u"On&Unload:"_s, u"On&Focus:"_s, u"On&Blur:"_s}, m_scripts, scripts);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(scripts);
    layout->addStretch();
    return page;
}

void FrmBodySetup::readBack(const BodyOptions &options)
{
    for (int i = 0; i < 5; ++i) {
        if (!options.colours[i].isEmpty())
            m_colours[i]->setText(options.colours[i]);
        else
            paintSample(i);
    }
    ReadBackLocation(m_imageLocation, m_url, options.background);
    for (std::size_t i = 0; i < m_scripts.size(); ++i)
        m_scripts[i]->setText(options.scripts[i]);
}

void FrmBodySetup::paintSample(int index)
{
    const quint32 colour = m_colours[index]->indicatorColour();
    if (index == 0)
        m_sample->setBackgroundColour(colour);
    else
        m_sample->setTextColour(index, colour);
}

void FrmBodySetup::showBackgroundImage()
{
    const QString location = TrimSpaces(m_imageLocation->Location());
    if (location == m_shownImage)
        return;
    m_shownImage = location;
    const Hourglass busy;
    const QString file = PreviewPath(location, ActiveDocumentFolder());
    // A relative path of an unsaved document names no file here.
    m_sample->setImageFile(HasDrive(file) ? file : QString());
}

std::optional<QString> FrmBodySetup::Form_Run(const QString &tagText, QWidget *parent)
{
    FrmBodySetup dialog(tagText, parent);
    return dialog.Run();
}

std::optional<QString> FrmBodySetup::buildResult()
{
    m_tabs->setCurrentIndex(0);
    const std::optional<QString> image = m_imageLocation->ProcessedLocation(true);
    if (!image)
        return std::nullopt;
    BodyOptions options;
    options.background = *image;
    for (std::size_t i = 0; i < m_colours.size(); ++i)
        options.colours[i] = m_colours[i]->text();
    for (std::size_t i = 0; i < m_scripts.size(); ++i)
        options.scripts[i] = m_scripts[i]->text();
    return BuildBody(options);
}

} // namespace tavorin
