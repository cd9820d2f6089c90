#include "dialogs/frmframeswizard.h"

#include "app/helptopics.h"
#include "app/textrules.h"
#include "controls/seltextbox.h"
#include "dialogs/dialogparts.h"
#include "dialogs/framestylepicture.h"
#include "html/valuehelpers.h"
#include "settings/files.h"
#include "settings/paths.h"
#include "settings/preferences.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>

#include <algorithm>

namespace tavorin {

using namespace Qt::StringLiterals;

namespace {

// Steps 3 to 6 specify frames 1 to 4 on one page.
enum Step { Introduction, Style, Title, FirstFrame, Sizes = FirstFrame + MaxFrames, NoFrames, Save, Finished };
enum Page { FramePage = FirstFrame, SizesPage, NoFramesPage, SavePage, FinishedPage };

const QSize ButtonPicture(40, 30);
const QSize ActivePicture(100, 75);

} // namespace

FrmFramesWizard::FrmFramesWizard(QWidget *parent)
    : WizardDialog(u"frmFramesWizard"_s, u"Frames Wizard"_s, HelpTopic::FramesWizard, WizardRoute(Save, Finished),
                   parent),
      m_activeStyle(new QLabel(this))
{
    m_activeStyle->setObjectName(u"imgActiveStyle"_s);
    addSideWidget(m_activeStyle);

    addPage(TextPage({u"Welcome! "_s,
                      u"With this wizard you can quickly and easily create a frame document without having to know "
                      u"anything about HyperText Markup Language (HTML)."_s,
                      u"A frame document is a HTML document that defines a set of frames, which will enable you to "
                      u"divide a browser window into two or more sections. For each frame you will need to specify "
                      u"a HTML document to be displayed within it, so you should only proceed once these other "
                      u"documents have been created."_s,
                      u"To start creating your frame document, click the \"Next\" button below."_s},
                     nullptr, true));
    addPage(stylePage());

    QGridLayout *grid = nullptr;
    QWidget *page = TextPage({u"The first thing your frame document will need is a title. This will appear in the "
                              u"title bar of a browser when your frames are displayed, and will also appear in any "
                              u"browser bookmark entries."_s},
                             &grid);
    m_pageTitle = AddTextRow(grid, 0, u"txtPageTitle"_s, u"Page Title:"_s, true);
    addPage(page);

    addPage(framePage());
    addPage(sizesPage());

    page = TextPage({u"Some visitors to your Web site may use browsers that do not support frames, and so it is "
                     u"recommended that you provide some kind of content for the benefit of these visitors. If you "
                     u"wish, you can keep the default text shown below. Otherwise, please specify your own \"no "
                     u"frames\" content. "_s},
                    &grid);
    m_noFrames = TextArea(u"txtNoFrames"_s, page);
    m_noFrames->setPlainText(m_options.noFrames);
    grid->addWidget(BuddyLabel(u"lblNoFrames"_s, u"No Frames Content: "_s, m_noFrames, page), 0, 0);
    grid->addWidget(m_noFrames, 1, 0);
    addPage(page);

    addPage(TextPage({u"Now that you've specified what your frame document will contain, the final step is to save "
                      u"it to disk. Once it is saved, the wizard will then check whether any of the HTML documents "
                      u"you have specified are stored on a different drive from your frame document and copy any "
                      u"that are into its directory. To continue, click the \"Save As...\" button below."_s}));
    addPage(finishedPage(u"All done! Your new frame document is now ready to be viewed in a browser or loaded into "
                         u"Tavorin for viewing and editing. Please select one of the options below and click the "
                         u"\"OK\" button."_s));
    chooseStyle(1);
    start();
}

QWidget *FrmFramesWizard::stylePage()
{
    QGridLayout *grid = nullptr;
    QWidget *page = TextPage({u"Before we begin, you need to select a style that will determine the number and "
                              u"positioning of your frames. To do this, simply click one of the style buttons below. "
                              u"If none of these are quite what you want, just select the closest."_s},
                             &grid);
    for (int style = 1; style <= FrameStyleCount; ++style) {
        auto *button = new QToolButton(page);
        button->setObjectName(u"optFrameStyle_%1"_s.arg(style));
        button->setCheckable(true);
        button->setAutoExclusive(true);
        button->setIcon(FrameStylePicture(style, ButtonPicture));
        button->setIconSize(ButtonPicture);
        button->setToolTip(FrameLabels(style).join(u", "_s));
        button->setChecked(style == 1);
        grid->addWidget(button, (style - 1) / 6, (style - 1) % 6);
        connect(button, &QToolButton::clicked, this, [this, style] { chooseStyle(style); });
    }
    return page;
}

QWidget *FrmFramesWizard::framePage()
{
    QGridLayout *grid = nullptr;
    QWidget *page = TextPage({QString()}, &grid);
    m_frameText = page->findChild<QLabel *>(u"lblWizText"_s);
    m_frameName = AddTextRow(grid, 0, u"txtFrameName"_s, u"Name Of Frame:"_s);
    m_location = AddFileRow(grid, 1, u"HTML Document Location:"_s, QString(), u"HTML Document..."_s, HtmlFilterKind);
    QGroupBox *properties = NamedFrame(u"fmeFrameProperties"_s, u"Frame Properties"_s, page);
    m_scrollbars = NamedCheckBox(u"chkScrollbars"_s, u"Scrollbars"_s, properties);
    m_resizable = NamedCheckBox(u"chkResizable"_s, u"Resizable"_s, properties);
    auto *row = new QHBoxLayout(properties);
    row->addWidget(m_scrollbars);
    row->addWidget(m_resizable);
    row->addStretch();
    grid->addWidget(properties, 2, 0, 1, 3);

    // Edits go into the record of the frame shown at once.
    const auto record = [this]() -> FrameRecord * {
        return m_frameShown >= 0 ? &m_options.frames[std::size_t(m_frameShown)] : nullptr;
    };
    connect(m_frameName, &SelTextBox::changed, this, [this, record] {
        if (FrameRecord *frame = record())
            frame->name = m_frameName->text();
    });
    connect(m_location, &SelTextBox::changed, this, [this, record] {
        if (FrameRecord *frame = record())
            frame->location = FrameLocationText(m_location->text());
        updateButtons();
    });
    connect(m_scrollbars, &QCheckBox::toggled, this, [record](bool on) {
        if (FrameRecord *frame = record())
            frame->scrollbars = on;
    });
    connect(m_resizable, &QCheckBox::toggled, this, [record](bool on) {
        if (FrameRecord *frame = record())
            frame->resizable = on;
    });
    return page;
}

QWidget *FrmFramesWizard::sizesPage()
{
    QGridLayout *grid = nullptr;
    QWidget *page = TextPage({u"Size values will be defined for all frames apart from the one shown in white (which "
                              u"will simply take up the space left over). To replace the default values with your "
                              u"own, please enter them below. If the \"%\" box is checked, the value will be a "
                              u"percentage of screen size, otherwise it will be in pixels."_s},
                             &grid);
    m_width = NamedTextBox(u"txtColWidth"_s, 5, page, BoxStyle::DigitsOnly);
    m_width->setText(m_options.width);
    m_widthPercent = NamedCheckBox(u"chkWidthPercent"_s, u"%"_s, page);
    m_height = NamedTextBox(u"txtRowHeight"_s, 5, page, BoxStyle::DigitsOnly);
    m_height->setText(m_options.height);
    m_heightPercent = NamedCheckBox(u"chkHeightPercent"_s, u"%"_s, page);
    grid->addWidget(BuddyLabel(u"lblColWidth"_s, u"Column Width:"_s, m_width, page), 0, 0);
    grid->addWidget(m_width, 0, 1);
    grid->addWidget(m_widthPercent, 0, 2);
    grid->addWidget(BuddyLabel(u"lblRowHeight"_s, u"Row Height:"_s, m_height, page), 1, 0);
    grid->addWidget(m_height, 1, 1);
    grid->addWidget(m_heightPercent, 1, 2);
    grid->setColumnStretch(3, 1);
    return page;
}

void FrmFramesWizard::chooseStyle(int style)
{
    m_options.style = style;
    // The records keep their entries; only the frames used change.
    route().setFrameSteps(FirstFrame, MaxFrames, FrameCount(style));
    showStylePicture();
    updateButtons();
}

void FrmFramesWizard::showStylePicture()
{
    m_activeStyle->setPixmap(FrameStylePicture(m_options.style, ActivePicture, frameOfStep(step()) + 1));
    m_activeStyle->setVisible(step() != Introduction);
}

int FrmFramesWizard::frameOfStep(int step)
{
    return step >= FirstFrame && step < Sizes ? step - FirstFrame : -1;
}

QString FrmFramesWizard::stepName(int step) const
{
    static const char *const names[] = {"Introduction", "Frames Style", "Page Title"};
    if (step < FirstFrame)
        return QString::fromLatin1(names[step]);
    if (const int frame = frameOfStep(step); frame >= 0)
        return FrameLabels(m_options.style).value(frame) + u" Frame Settings"_s;
    static const char *const later[] = {"Frame Sizes", "No Frames Content", "Save Frame Document", "Finished!"};
    return QString::fromLatin1(later[step - Sizes]);
}

int FrmFramesWizard::pageOfStep(int step) const
{
    if (step < FirstFrame)
        return step;
    return frameOfStep(step) >= 0 ? FramePage : step - Sizes + SizesPage;
}

void FrmFramesWizard::showingStep(int step)
{
    const int frame = frameOfStep(step);
    m_frameShown = -1;
    if (frame >= 0) {
        const FrameRecord &record = m_options.frames[std::size_t(frame)];
        m_frameName->setText(record.name);
        m_location->setText(record.location);
        m_scrollbars->setChecked(record.scrollbars);
        m_resizable->setChecked(record.resizable);
        m_frameText->setText(u"Each frame will contain a HTML document, so please specify the location of the HTML "
                             u"document to appear within the "_s
                             + FrameLabels(m_options.style).value(frame).toLower()
                             + u" frame in the box below. If you wish, you can also specify a name for this frame "
                               u"(to be used by links, etc.) and set other frame properties."_s);
        m_frameShown = frame;
    }
    showStylePicture();
}

bool FrmFramesWizard::mayLeave(int step, int to)
{
    if (frameOfStep(step) < 0 || to < step)
        return true;
    return requireEntry(m_location, m_location->text(), u"enter the path of the local file to be used"_s)
        && checkFilesExist(std::span(&m_location, 1));
}

std::span<FrameRecord> FrmFramesWizard::usedFrames()
{
    return std::span(m_options.frames).first(std::size_t(FrameCount(m_options.style)));
}

std::span<const FrameRecord> FrmFramesWizard::usedFrames() const
{
    return std::span(m_options.frames).first(std::size_t(FrameCount(m_options.style)));
}

bool FrmFramesWizard::finishAllowed() const
{
    const auto used = usedFrames();
    return std::none_of(used.begin(), used.end(), [](const FrameRecord &record) { return record.location.isEmpty(); });
}

std::optional<QString> FrmFramesWizard::documentFor(const QString &path)
{
    for (FrameRecord &record : usedFrames()) {
        if (!FileExists(record.location)) {
            ReportMissingFile(record.location);
            return std::nullopt;
        }
        record.source = FrameSource(record.location, path, Prefs().LowerCasePaths);
    }
    m_options.title = m_pageTitle->text();
    m_options.width = QString::number(LeadingNumber(m_width->text()));
    m_options.widthPercent = m_widthPercent->isChecked();
    m_options.height = QString::number(LeadingNumber(m_height->text()));
    m_options.heightPercent = m_heightPercent->isChecked();
    m_options.noFrames = LinesOf(m_noFrames);
    return BuildFramesDocument(m_options);
}

bool FrmFramesWizard::copyReferencedFiles(const QString &path)
{
    for (const FrameRecord &record : usedFrames()) {
        if (FrameNeedsCopy(record.location, path)
            && !CopyFileUnlessPresent(record.location, FolderOf(path) + record.source))
            return false;
    }
    return true;
}

void FrmFramesWizard::Form_Run(QWidget *parent)
{
    FrmFramesWizard wizard(parent);
    wizard.RunAndOpen();
}

} // namespace tavorin
