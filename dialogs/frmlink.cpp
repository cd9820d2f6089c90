#include "dialogs/frmlink.h"

#include "app/helptopics.h"
#include "app/textrules.h"
#include "controls/locationcontrol.h"
#include "controls/lookupcombo.h"
#include "controls/seltextbox.h"
#include "dialogs/dialogparts.h"
#include "html/linkdialog.h"
#include "html/valuehelpers.h"
#include "settings/paths.h"
#include "settings/preferences.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>

namespace tavorin {

using namespace Qt::StringLiterals;

FrmLink::FrmLink(const QString &selectedText, QWidget *parent)
    : TagDialog(u"frmLink"_s, u"Link"_s, HelpTopic::Link, parent)
{
    m_tabs = settingsTabs(standardPage(), advancedPage());

    CoupleTargetAndNewWindow(m_target, m_newWindow);
    CoupleStatusScripts(m_statusText, m_scripts[1], m_scripts[2]);
    for (QRadioButton *option : {m_file, m_url, m_anchor})
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                linkKindChosen();
        });
    connect(m_displaySame, &QCheckBox::toggled, this, &FrmLink::refreshDisplayText);
    connect(m_location, &LocationControl::LocationChange, this, &FrmLink::locationChanged);
    connect(m_statusSame, &QCheckBox::toggled, this, &FrmLink::refreshStatusText);
    connect(m_displayText, &SelTextBox::changed, this, [this] {
        if (m_statusSame->isChecked())
            refreshStatusText();
    });

    m_file->setChecked(true);
    readBack(ReadLink(selectedText));
    m_location->setLowerCasePaths(Prefs().LowerCasePaths);
}

QWidget *FrmLink::standardPage()
{
    auto *page = new QWidget;
    QGroupBox *frame = NamedFrame(u"fmeLink"_s, QString(), page);
    m_file = NamedOption(u"optLinkFile"_s, u"Local &File"_s, frame);
    m_url = NamedOption(u"optLinkURL"_s, u"&Internet/Intranet"_s, frame);
    m_anchor = NamedOption(u"optLinkAnchor"_s, u"&Anchor"_s, frame);
    m_location = new LocationControl(frame);
    m_location->setObjectName(u"lcLinkLocation"_s);
    m_displayText = NamedTextBox(u"txtDisplayText"_s, 255, frame);
    m_displaySame = NamedCheckBox(u"chkDisplaySame"_s, u"As A&bove"_s, frame);

    auto *options = new QHBoxLayout;
    options->addWidget(m_file);
    options->addWidget(m_url);
    options->addWidget(m_anchor);
    auto *grid = new QGridLayout(frame);
    grid->addLayout(options, 0, 0, 1, 2);
    grid->addWidget(m_location, 1, 0, 1, 2);
    grid->addWidget(BuddyLabel(u"lblDisplayText"_s, u"&Display Text:"_s, m_displayText, frame), 2, 0, 1, 2);
    grid->addWidget(m_displayText, 3, 0);
    grid->addWidget(m_displaySame, 3, 1);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(frame);
    layout->addStretch();
    return page;
}

QWidget *FrmLink::advancedPage()
{
    auto *page = new QWidget;
    QGroupBox *advanced = NamedFrame(u"fmeAdvanced"_s, QString(), page);
    m_statusText = NamedTextBox(u"txtStatusBarText"_s, 100, advanced);
    m_statusSame = NamedCheckBox(u"chkStatusSame"_s, u"As Abo&ve"_s, advanced);
    m_target = new LookupCombo(advanced, DefaultEntry::Default);
    m_target->setObjectName(u"cboTarget"_s);
    m_newWindow = NamedCheckBox(u"chkNewWindow"_s, u"&Open In New Window"_s, advanced);
    auto *grid = new QGridLayout(advanced);
    grid->addWidget(BuddyLabel(u"lblStatusbar"_s, u"&Status Bar Text:"_s, m_statusText, advanced), 0, 0);
    grid->addWidget(m_statusText, 0, 1);
    grid->addWidget(m_statusSame, 0, 2);
    grid->addWidget(BuddyLabel(u"lblTarget"_s, u"Open In &Window:"_s, m_target, advanced), 1, 0);
    grid->addWidget(m_target, 1, 1);
    grid->addWidget(m_newWindow, 1, 2);

    QGroupBox *scripts = NamedFrame(u"fmeScripts"_s, u"Event Scripts"_s, page);
    AddScriptBoxes(new QGridLayout(scripts), 0, u"txtScriptEvent"_s, u"lblScriptEvent"_s,
                   {u"On&Click:"_s, u"On&MouseOver:"_s, u"&OnMouseOut:"_s}, m_scripts, scripts);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(advanced);
    layout->addWidget(scripts);
    return page;
}

void FrmLink::readBack(const LinkOptions &options)
{
    m_displayText->setText(options.displayText);
    m_statusText->setText(options.statusText);
    if (!options.target.isEmpty())
        m_target->setText(options.target);
    for (std::size_t i = 0; i < m_scripts.size(); ++i)
        m_scripts[i]->setText(options.scripts[i]);
    if (options.location.isEmpty())
        return;
    if (options.kind == LinkKind::Internet && m_location->SetupWeb(options.location)) {
        m_url->setChecked(true);
        return;
    }
    if (options.kind == LinkKind::Anchor)
        m_anchor->setChecked(true);
    m_location->setLocation(options.location);
}

void FrmLink::linkKindChosen()
{
    if (m_anchor->isChecked()) {
        m_location->setLocationStyle(LocationStyle::Anchor);
        m_displaySame->hide();
        m_displayText->setEnabled(true);
        BuildAnchorListOnce(m_location, m_anchorListBuilt);
        return;
    }
    m_location->setLocationStyle(m_url->isChecked() ? LocationStyle::Web : LocationStyle::LocalFile);
    m_displaySame->show();
    refreshDisplayText();
}

void FrmLink::refreshDisplayText()
{
    const bool same = m_displaySame->isChecked();
    m_displayText->setEnabled(!same);
    if (same)
        m_displayText->setText(m_url->isChecked() ? m_location->Location() : FileNameOf(m_location->Location()));
}

void FrmLink::locationChanged()
{
    if (!m_displaySame->isHidden() && m_displaySame->isChecked())
        m_displayText->setText(FileNameOf(m_location->Location()));
}

void FrmLink::refreshStatusText()
{
    const bool same = m_statusSame->isChecked();
    m_statusText->setEnabled(!same);
    if (same)
        m_statusText->setText(TrimSpaces(CrLfToSpace(m_displayText->text())));
}

std::optional<QString> FrmLink::Form_Run(const QString &selectedText, QWidget *parent)
{
    FrmLink dialog(selectedText, parent);
    return dialog.Run();
}

std::optional<QString> FrmLink::buildResult()
{
    m_tabs->setCurrentIndex(0);
    const std::optional<QString> location = m_location->ProcessedLocation();
    if (!location)
        return std::nullopt;
    LinkOptions options;
    options.kind = m_anchor->isChecked() ? LinkKind::Anchor : m_url->isChecked() ? LinkKind::Internet : LinkKind::LocalFile;
    options.location = *location;
    options.displayText = m_displayText->text();
    options.target = m_target->text();
    for (std::size_t i = 0; i < m_scripts.size(); ++i)
        options.scripts[i] = m_scripts[i]->text();
    return BuildLink(options);
}

} // namespace tavorin
