#include "dialogs/frmimage.h"

#include "app/helptopics.h"
#include "controls/imagepreview.h"
#include "controls/locationcontrol.h"
#include "controls/lookupcombo.h"
#include "controls/seltextbox.h"
#include "dialogs/dialogparts.h"
#include "html/imagedialog.h"
#include "settings/preferences.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>

namespace tavorin {

using namespace Qt::StringLiterals;

FrmImage::FrmImage(const QString &tagText, QWidget *parent)
    : TagDialog(u"frmImage"_s, u"Embedded Image"_s, HelpTopic::EmbeddedImage, parent)
{
    m_tabs = settingsTabs(standardPage(), advancedPage());

    m_align->addItems(ImageAlignValues());
    CoupleTargetAndNewWindow(m_target, m_newWindow);
    CoupleStatusScripts(m_statusText, m_linkScripts[1], m_linkScripts[2]);
    CoupleFileOption(m_file, m_imageLocation);
    for (QRadioButton *option : {m_linkNothing, m_linkFile, m_linkURL, m_linkAnchor})
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                linkKindChosen();
        });
    connect(m_imageLocation, &LocationControl::LocationChange, this, &FrmImage::refreshPreview);

    m_imageLocation->setLowerCasePaths(Prefs().LowerCasePaths);
    m_linkLocation->setLowerCasePaths(Prefs().LowerCasePaths);
    m_file->setChecked(true);
    m_linkNothing->setChecked(true);
    // The preview first loads when the dialog shows, so the picture's own
    // size replaces the one read from the tag.
    m_readingBack = true;
    readBack(ReadImage(tagText));
    m_readingBack = false;
}

QWidget *FrmImage::standardPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(imageFrame(page));
    layout->addWidget(linkFrame(page));
    layout->addStretch();
    return page;
}

QWidget *FrmImage::imageFrame(QWidget *page)
{
    QGroupBox *frame = NamedFrame(u"fmeImage"_s, QString(), page);
    m_file = NamedOption(u"optFile"_s, u"Local &File"_s, frame);
    m_url = NamedOption(u"optURL"_s, u"&Internet/Intranet File"_s, frame);
    m_imageLocation = ImageLocationControl(frame);
    QGroupBox *previewFrame = NamedFrame(u"fmeImagePreview"_s, u"Image Preview"_s, frame);
    m_preview = new ImagePreview(previewFrame);
    m_preview->setObjectName(u"ipImagePreview"_s);
    m_preview->setFixedSize(120, 90);
    (new QVBoxLayout(previewFrame))->addWidget(m_preview);
    m_align = new LookupCombo(frame, DefaultEntry::Default);
    m_align->setObjectName(u"cboImageAlign"_s);
    m_altText = NamedTextBox(u"txtAltText"_s, 255, frame);

    struct SizeBox {
        QString label;
        QString caption;
        int maxLength;
    };
    const SizeBox sizes[] = {{u"lblImageSize_0"_s, u"&Width:"_s, 4},
                             {u"lblImageSize_1"_s, u"&Height:"_s, 4},
                             {u"lblBorderSize"_s, u"&Border:"_s, 3},
                             {u"lblDisplayOption_3"_s, u"&Vertical Spacing:"_s, 3},
                             {u"lblDisplayOption_4"_s, u"Hori&zontal Spacing:"_s, 3}};
    auto *sizeGrid = new QGridLayout;
    for (int i = 0; i < 5; ++i) {
        m_sizes[i] = NamedTextBox(u"txtDisplayOption_%1"_s.arg(i), sizes[i].maxLength, frame, BoxStyle::DigitsOnly);
        sizeGrid->addWidget(BuddyLabel(sizes[i].label, sizes[i].caption, m_sizes[i], frame), i, 0);
        sizeGrid->addWidget(m_sizes[i], i, 1);
    }

    auto *options = new QHBoxLayout;
    options->addWidget(m_file);
    options->addWidget(m_url);
    auto *grid = new QGridLayout(frame);
    grid->addLayout(options, 0, 0, 1, 3);
    grid->addWidget(m_imageLocation, 1, 0, 1, 3);
    grid->addWidget(previewFrame, 2, 0, 3, 1);
    grid->addLayout(sizeGrid, 2, 1, 3, 2);
    grid->addWidget(BuddyLabel(u"lblImageAlign"_s, u"&Alignment:"_s, m_align, frame), 5, 0);
    grid->addWidget(m_align, 5, 1, 1, 2);
    grid->addWidget(BuddyLabel(u"lblAltText"_s, u"Alternate Te&xt:"_s, m_altText, frame), 6, 0);
    grid->addWidget(m_altText, 6, 1, 1, 2);
    return frame;
}

QWidget *FrmImage::linkFrame(QWidget *page)
{
    QGroupBox *frame = NamedFrame(u"fmeLink"_s, u"Link Image To..."_s, page);
    m_linkNothing = NamedOption(u"optLinkNothing"_s, u"&Nothing"_s, frame);
    m_linkFile = NamedOption(u"optLinkFile"_s, u"Lo&cal File"_s, frame);
    m_linkURL = NamedOption(u"optLinkURL"_s, u"In&ternet/Intranet"_s, frame);
    m_linkAnchor = NamedOption(u"optLinkAnchor"_s, u"Ancho&r"_s, frame);
    m_linkLocation = new LocationControl(frame);
    m_linkLocation->setObjectName(u"lcLinkLocation"_s);
    m_linkLocation->setCaptionLocal(u"Fil&e Location:"_s);
    m_linkLocation->setCaptionWeb(u"A&ddress (URL):"_s);
    m_linkLocation->setCaptionAnchor(u"Na&me Of Anchor:"_s);
    m_linkLocation->setLocationStyle(LocationStyle::None);
    m_statusText = NamedTextBox(u"txtStatusBarText"_s, 100, frame);
    m_target = new LookupCombo(frame, DefaultEntry::Default);
    m_target->setObjectName(u"cboTarget"_s);
    m_newWindow = NamedCheckBox(u"chkNewWindow"_s, u"&Open In New Window"_s, frame);

    auto *options = new QHBoxLayout;
    for (QRadioButton *option : {m_linkNothing, m_linkFile, m_linkURL, m_linkAnchor})
        options->addWidget(option);
    auto *grid = new QGridLayout(frame);
    grid->addLayout(options, 0, 0, 1, 3);
    grid->addWidget(m_linkLocation, 1, 0, 1, 3);
    QLabel *statusLabel = BuddyLabel(u"lblStatusBar"_s, u"&Status Bar Text:"_s, m_statusText, frame);
    grid->addWidget(statusLabel, 2, 0);
    grid->addWidget(m_statusText, 2, 1, 1, 2);
    QLabel *targetLabel = BuddyLabel(u"lblTarget"_s, u"Open In &Window:"_s, m_target, frame);
    grid->addWidget(targetLabel, 3, 0);
    grid->addWidget(m_target, 3, 1);
    grid->addWidget(m_newWindow, 3, 2);
    m_linkControls = {m_linkLocation, statusLabel, m_statusText, targetLabel, m_target, m_newWindow};
    AddScriptBoxes(grid, 4, u"txtLinkScript"_s, u"lblLinkScript"_s,
                   {u"On&Click:"_s, u"On&MouseOver:"_s, u"&OnMouseOut:"_s}, m_linkScripts, frame, &m_linkControls);
    m_linkControls.append({m_linkScripts.begin(), m_linkScripts.end()});
    return frame;
}

QWidget *FrmImage::advancedPage()
{
    auto *page = new QWidget;
    QGroupBox *scripts = NamedFrame(u"fmeImageScripts"_s, u"Event Scripts"_s, page);
    AddScriptBoxes(new QGridLayout(scripts), 0, u"txtImageScript"_s, u"lblImageScript"_s,
                   {u"On&Abort:"_s, u"On&Load:"_s, u"On&Error:"_s}, m_imageScripts, scripts);
    QGroupBox *advanced = NamedFrame(u"fmeAdvanced"_s, QString(), page);
    m_imageName = NamedTextBox(u"txtImageName"_s, 25, advanced);
    auto *grid = new QGridLayout(advanced);
    grid->addWidget(BuddyLabel(u"lblImageName"_s, u"Image &Name:"_s, m_imageName, advanced), 0, 0);
    grid->addWidget(m_imageName, 0, 1);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(scripts);
    layout->addWidget(advanced);
    layout->addStretch();
    return page;
}

void FrmImage::readBack(const ImageOptions &options)
{
    m_extraLinkText = options.link.displayText;
    ReadBackLocation(m_imageLocation, m_url, options.source);
    for (std::size_t i = 0; i < m_sizes.size(); ++i)
        m_sizes[i]->setText(options.sizes[i]);
    m_altText->setText(options.altText);
    if (!options.alignment.isEmpty())
        m_align->setText(options.alignment);
    m_imageName->setText(options.name);
    m_statusText->setText(options.link.statusText);
    if (!options.link.target.isEmpty())
        m_target->setText(options.link.target);
    for (std::size_t i = 0; i < m_imageScripts.size(); ++i)
        m_imageScripts[i]->setText(options.scripts[i]);
    for (std::size_t i = 0; i < m_linkScripts.size(); ++i)
        m_linkScripts[i]->setText(options.link.scripts[i]);

    const QString &href = options.link.location;
    if (href.isEmpty())
        return;
    if (m_linkLocation->SetupWeb(href)) {
        m_linkURL->setChecked(true);
        return;
    }
    (options.link.kind == LinkKind::Anchor ? m_linkAnchor : m_linkFile)->setChecked(true);
    m_linkLocation->setLocation(href);
}

void FrmImage::linkKindChosen()
{
    const bool linked = !m_linkNothing->isChecked();
    m_linkLocation->setLocationStyle(m_linkFile->isChecked()     ? LocationStyle::LocalFile
                                     : m_linkURL->isChecked()    ? LocationStyle::Web
                                     : m_linkAnchor->isChecked() ? LocationStyle::Anchor
                                                                 : LocationStyle::None);
    for (QWidget *control : m_linkControls)
        control->setVisible(linked);
    // The size the layouts remember for the frame and its page must follow.
    for (QWidget *widget = m_linkLocation->parentWidget(); widget && widget != this; widget = widget->parentWidget())
        widget->updateGeometry();
    if (linked && m_compact) {
        // Grows once to its full size and stays centred.
        m_compact = false;
        const QPoint centre = geometry().center();
        adjustSize();
        if (isVisible())
            move(centre - rect().center());
    }
    if (m_linkAnchor->isChecked())
        BuildAnchorListOnce(m_linkLocation, m_anchorListBuilt);
}

void FrmImage::refreshPreview()
{
    if (m_readingBack)
        return;
    if (!m_preview->ShowPreview(m_imageLocation->Location(), ActiveDocumentFolder()))
        return;
    m_sizes[0]->setText(QString::number(m_preview->ImageWidth()));
    m_sizes[1]->setText(QString::number(m_preview->ImageHeight()));
}

bool FrmImage::event(QEvent *event)
{
    const bool handled = TagDialog::event(event);
    if ((event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) && !result()) {
        QCoreApplication::processEvents();
        refreshPreview();
    }
    return handled;
}

std::optional<QString> FrmImage::Form_Run(const QString &tagText, QWidget *parent)
{
    FrmImage dialog(tagText, parent);
    return dialog.Run();
}

std::optional<QString> FrmImage::buildResult()
{
    m_tabs->setCurrentIndex(0);
    const std::optional<QString> source = m_imageLocation->ProcessedLocation();
    if (!source)
        return std::nullopt;
    ImageOptions options;
    options.source = *source;
    options.altText = m_altText->text();
    options.alignment = m_align->text();
    for (std::size_t i = 0; i < m_sizes.size(); ++i)
        options.sizes[i] = m_sizes[i]->text();
    options.name = m_imageName->text();
    for (std::size_t i = 0; i < m_imageScripts.size(); ++i)
        options.scripts[i] = m_imageScripts[i]->text();
    if (!m_linkNothing->isChecked()) {
        const std::optional<QString> href = m_linkLocation->ProcessedLocation();
        if (!href)
            return std::nullopt;
        options.link.kind = m_linkAnchor->isChecked() ? LinkKind::Anchor
                            : m_linkURL->isChecked()  ? LinkKind::Internet
                                                      : LinkKind::LocalFile;
        options.link.location = *href;
        options.link.displayText = m_extraLinkText;
        options.link.target = m_target->text();
        for (std::size_t i = 0; i < m_linkScripts.size(); ++i)
            options.link.scripts[i] = m_linkScripts[i]->text();
    }
    return BuildImage(options);
}

} // namespace tavorin
