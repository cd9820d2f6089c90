#include "dialogs/frmhorizrule.h"

#include "app/helptopics.h"
#include "controls/lookupcombo.h"
#include "controls/seltextbox.h"
#include "dialogs/dialogparts.h"
#include "html/ruledialog.h"
#include "html/valuehelpers.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace tavorin {

using namespace Qt::StringLiterals;

FrmHorizRule::FrmHorizRule(const QString &selectedText, QWidget *parent)
    : TagDialog(u"frmHorizRule"_s, u"Horizontal Rule"_s, HelpTopic::HorizontalRule, parent)
{
    QGroupBox *frame = settingsFrame(u"cmdOK"_s);

    m_standard = NamedOption(u"OptHorRuleStandard"_s, u"&Standard Rule"_s, frame);
    m_formatted = NamedOption(u"optHorRuleFormatted"_s, u"&Formatted Rule..."_s, frame);
    m_height = NamedTextBox(u"txtHeight"_s, 3, frame, BoxStyle::DigitsOnly);
    m_width = NamedTextBox(u"txtWidth"_s, 4, frame, BoxStyle::DigitsOnly);
    m_percent = NamedCheckBox(u"chkPercent"_s, u"%"_s, frame);
    m_align = NamedCombo(u"cboAlign"_s, AlignValues(), frame);
    m_noShade = NamedCheckBox(u"chkNoShade"_s, u"&No Shade:"_s, frame);
    QLabel *height = BuddyLabel(u"lblHeight"_s, u"&Height:"_s, m_height, frame);
    QLabel *width = BuddyLabel(u"lblWidth"_s, u"&Width:"_s, m_width, frame);
    QLabel *align = BuddyLabel(u"lblAlign"_s, u"&Alignment:"_s, m_align, frame);
    m_formatControls = {width, m_width, m_percent, height, m_height, align, m_align, m_noShade};

    auto *grid = new QGridLayout(frame);
    grid->addWidget(m_standard, 0, 0, 1, 3);
    grid->addWidget(m_formatted, 1, 0, 1, 3);
    grid->addWidget(height, 2, 0);
    grid->addWidget(m_height, 2, 1);
    grid->addWidget(width, 3, 0);
    grid->addWidget(m_width, 3, 1);
    grid->addWidget(m_percent, 3, 2);
    grid->addWidget(align, 4, 0);
    grid->addWidget(m_align, 4, 1, 1, 2);
    grid->addWidget(m_noShade, 5, 0, 1, 3);

    connect(m_formatted, &QRadioButton::toggled, this, [this](bool on) {
        for (QWidget *control : m_formatControls)
            control->setEnabled(on);
    });
    m_standard->setChecked(true);
    for (QWidget *control : m_formatControls)
        control->setEnabled(false);
    readBack(ReadRule(selectedText));
}

void FrmHorizRule::readBack(const RuleOptions &options)
{
    if (!options.height.isEmpty())
        m_height->setText(options.height);
    if (!options.width.isEmpty() || options.percent) {
        m_width->setText(options.width);
        m_percent->setChecked(options.percent);
    }
    if (!options.alignment.isEmpty())
        m_align->setText(options.alignment);
    m_noShade->setChecked(options.noShade);
    if (options.formatted)
        m_formatted->setChecked(true);
}

std::optional<QString> FrmHorizRule::Form_Run(const QString &selectedText, QWidget *parent)
{
    FrmHorizRule dialog(selectedText, parent);
    return dialog.Run();
}

std::optional<QString> FrmHorizRule::buildResult()
{
    RuleOptions options;
    options.formatted = m_formatted->isChecked();
    options.height = m_height->text();
    options.width = m_width->text();
    options.percent = m_percent->isChecked();
    options.alignment = m_align->text();
    options.noShade = m_noShade->isChecked();
    return BuildRule(options);
}

} // namespace tavorin
