#include "dialogs/frmframes.h"

#include "app/helptopics.h"
#include "controls/locationcontrol.h"
#include "controls/lookupcombo.h"
#include "controls/seltextbox.h"
#include "dialogs/dialogparts.h"
#include "html/framedialog.h"
#include "html/valuehelpers.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>

namespace tavorin {

using namespace Qt::StringLiterals;

namespace {

void setIfValue(LookupCombo *combo, const QString &value)
{
    if (!value.isEmpty())
        combo->setText(value);
}

} // namespace

FrmFrames::FrmFrames(const QString &selectedText, QWidget *parent)
    : TagDialog(u"frmFrames"_s, u"Advanced Frames"_s, HelpTopic::Frames, parent), m_selected(selectedText)
{
    const QString captions[] = {u"F&rameset"_s, u"Fra&me"_s, u"&NoFrames"_s};
    auto *choices = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        m_elements[i] = NamedOption(u"optFrameElement_%1"_s.arg(i), captions[i], this);
        choices->addWidget(m_elements[i]);
    }
    choices->addStretch();
    m_elementFrames = new QStackedWidget(this);
    m_elementFrames->addWidget(framesetFrame());
    m_elementFrames->addWidget(frameFrame());
    m_elementFrames->addWidget(new QWidget); // NOFRAMES has no controls

    auto *body = new QVBoxLayout;
    body->addLayout(choices);
    body->addWidget(m_elementFrames);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(standardButtons());

    for (int i = 0; i < 3; ++i)
        connect(m_elements[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                m_elementFrames->setCurrentIndex(i);
        });
    CoupleFileOption(m_file, m_location);
    // Frame documents keep the spelling of their paths, whatever LowerCasePaths says.
    m_location->setLowerCasePaths(false);
    m_file->setChecked(true);
    m_resizable->setChecked(true);
    readBack(ReadFrameElement(selectedText));
}

QWidget *FrmFrames::framesetFrame()
{
    QGroupBox *frame = NamedFrame(u"fmeFrameElement_0"_s, QString(), this);
    QTabWidget *tabs = tabFrame(u"sstSettingsTab"_s);
    (new QVBoxLayout(frame))->addWidget(tabs);

    auto *standard = new QWidget;
    struct Box {
        QString name;
        QString label;
        QString caption;
        int maxLength;
        BoxStyle style;
    };
    const Box boxes[] = {{u"txtColumns"_s, u"lblColumns"_s, u"Frame &Column Widths:"_s, 100, BoxStyle::Ordinary},
                         {u"txtRows"_s, u"lblRows"_s, u"Frame R&ow Heights:"_s, 100, BoxStyle::Ordinary},
                         {u"txtSetBorderSize"_s, u"lblSetBorderSize"_s, u"Border &Size:"_s, 3, BoxStyle::DigitsOnly}};
    auto *grid = new QGridLayout(standard);
    for (int i = 0; i < 3; ++i) {
        m_framesetBoxes[i] = NamedTextBox(boxes[i].name, boxes[i].maxLength, standard, boxes[i].style);
        grid->addWidget(BuddyLabel(boxes[i].label, boxes[i].caption, m_framesetBoxes[i], standard), i, 0);
        grid->addWidget(m_framesetBoxes[i], i, 1);
    }
    m_framesetBorder = NamedCombo(u"cboFrameBorder_0"_s, FrameBorderValues(), standard);
    grid->addWidget(BuddyLabel(u"lblFrameBorder_0"_s, u"Frame &Borders:"_s, m_framesetBorder, standard), 3, 0);
    grid->addWidget(m_framesetBorder, 3, 1);
    grid->setRowStretch(4, 1);

    auto *scripts = new QWidget;
    auto *scriptGrid = new QGridLayout(scripts);
    AddScriptBoxes(scriptGrid, 0, u"txtScriptEvent"_s, u"lblScriptEvent"_s,
                   {u"On&Load:"_s, u"On&Unload:"_s, u"On&Focus:"_s, u"On&Blur:"_s}, m_scripts, scripts);
    scriptGrid->setRowStretch(4, 1);

    tabs->addTab(standard, TabCaption(u"Standard Settings"_s));
    tabs->addTab(scripts, u"Event Scripts"_s);
    tabs->setCurrentIndex(0);
    return frame;
}

QWidget *FrmFrames::frameFrame()
{
    QGroupBox *frame = NamedFrame(u"fmeFrameElement_1"_s, QString(), this);

    QGroupBox *contents = NamedFrame(u"fmeContents"_s, u"Frame Contents"_s, frame);
    m_file = NamedOption(u"optFile"_s, u"Local &File"_s, contents);
    m_url = NamedOption(u"optURL"_s, u"&Internet/Intranet File"_s, contents);
    m_location = new LocationControl(contents);
    m_location->setObjectName(u"lcDocLocation"_s);
    m_location->setCaptionLocal(u"HTML Document &Location:"_s);
    m_location->setCaptionWeb(u"HTML Document Address (&URL):"_s);
    m_location->setFilter(2);
    auto *options = new QHBoxLayout;
    options->addWidget(m_file);
    options->addWidget(m_url);
    options->addStretch();
    auto *contentsLayout = new QVBoxLayout(contents);
    contentsLayout->addLayout(options);
    contentsLayout->addWidget(m_location);

    m_frameName = NamedTextBox(u"txtFrameName"_s, 25, frame);
    m_scrollbars = NamedCombo(u"cboScrollbars"_s, ScrollbarValues(), frame);
    m_frameBorder = NamedCombo(u"cboFrameBorder_1"_s, FrameBorderValues(), frame);
    m_resizable = NamedCheckBox(u"chkResizable"_s, u"Resi&zable"_s, frame);

    QGroupBox *margins = NamedFrame(u"fmeMargins"_s, u"Margins"_s, frame);
    m_margins[0] = NamedTextBox(u"txtMarginWidth"_s, 3, margins, BoxStyle::DigitsOnly);
    m_margins[1] = NamedTextBox(u"txtMarginHeight"_s, 3, margins, BoxStyle::DigitsOnly);
    auto *marginGrid = new QGridLayout(margins);
    marginGrid->addWidget(BuddyLabel(u"lblMarginWidth"_s, u"&Width:"_s, m_margins[0], margins), 0, 0);
    marginGrid->addWidget(m_margins[0], 0, 1);
    marginGrid->addWidget(BuddyLabel(u"lblMarginHeight"_s, u"&Height:"_s, m_margins[1], margins), 1, 0);
    marginGrid->addWidget(m_margins[1], 1, 1);

    auto *grid = new QGridLayout(frame);
    grid->addWidget(contents, 0, 0, 1, 3);
    grid->addWidget(BuddyLabel(u"lblFrameName"_s, u"N&ame Of Frame:"_s, m_frameName, frame), 1, 0);
    grid->addWidget(m_frameName, 1, 1);
    grid->addWidget(BuddyLabel(u"lblScrollbars"_s, u"&Scrollbars:"_s, m_scrollbars, frame), 2, 0);
    grid->addWidget(m_scrollbars, 2, 1);
    grid->addWidget(BuddyLabel(u"lblFrameBorder_1"_s, u"Frame &Borders:"_s, m_frameBorder, frame), 3, 0);
    grid->addWidget(m_frameBorder, 3, 1);
    grid->addWidget(m_resizable, 4, 0, 1, 2);
    grid->addWidget(margins, 1, 2, 4, 1);
    grid->setRowStretch(5, 1);
    return frame;
}

void FrmFrames::readBack(const FrameDialogOptions &options)
{
    m_elements[int(options.element)]->setChecked(true);
    const FramesetOptions &set = options.frameset;
    for (std::size_t i = 0; i < m_framesetBoxes.size(); ++i)
        m_framesetBoxes[i]->setText(set.attributes[i]);
    setIfValue(m_framesetBorder, set.attributes[3]);
    for (std::size_t i = 0; i < m_scripts.size(); ++i)
        m_scripts[i]->setText(set.scripts[i]);

    const FrameOptions &frame = options.frame;
    ReadBackLocation(m_location, m_url, frame.source);
    m_frameName->setText(frame.name);
    m_resizable->setChecked(frame.resizable);
    setIfValue(m_scrollbars, frame.attributes[0]);
    setIfValue(m_frameBorder, frame.attributes[1]);
    m_margins[0]->setText(frame.attributes[2]);
    m_margins[1]->setText(frame.attributes[3]);
}

std::optional<QString> FrmFrames::Form_Run(const QString &selectedText, QWidget *parent)
{
    FrmFrames dialog(selectedText, parent);
    return dialog.Run();
}

std::optional<QString> FrmFrames::buildResult()
{
    FrameDialogOptions options;
    options.element = FrameElement(m_elementFrames->currentIndex()); // follows the element options
    if (options.element == FrameElement::Frame) {
        const std::optional<QString> source = m_location->ProcessedLocation();
        if (!source)
            return std::nullopt;
        FrameOptions &frame = options.frame;
        frame.source = *source;
        frame.name = m_frameName->text();
        frame.resizable = m_resizable->isChecked();
        frame.attributes = {m_scrollbars->text(), m_frameBorder->text(), m_margins[0]->text(), m_margins[1]->text()};
    } else if (options.element == FrameElement::Frameset) {
        FramesetOptions &set = options.frameset;
        set.attributes = {m_framesetBoxes[0]->text(), m_framesetBoxes[1]->text(), m_framesetBoxes[2]->text(),
                          m_framesetBorder->text()};
        for (std::size_t i = 0; i < m_scripts.size(); ++i)
            set.scripts[i] = m_scripts[i]->text();
        if (!FramesetHasSizes(set) && !refuseEntry(m_framesetBoxes[0], FramesetSizesRequest()))
            return std::nullopt;
    }
    return BuildFrameElement(options, m_selected);
}

} // namespace tavorin
