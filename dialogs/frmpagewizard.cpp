#include "dialogs/frmpagewizard.h"

#include "app/helptopics.h"
#include "app/textrules.h"
#include "controls/colourselector.h"
#include "controls/imagepreview.h"
#include "controls/seltextbox.h"
#include "dialogs/dialogparts.h"
#include "html/valuehelpers.h"
#include "html/wizardpage.h"
#include "settings/files.h"
#include "settings/paths.h"
#include "settings/preferences.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>

namespace tavorin {

using namespace Qt::StringLiterals;

namespace {

enum Page { Introduction, Title, Colours, Background, Heading, PageIntro, InternetLinks, FileLinks, EndText,
            Personal, Save, Finished };

const char *const PageNames[] = {"Introduction", "Page Title", "Page Colours", "Background Image", "Main Heading",
                                 "Page Introduction", "Internet Links", "File Links", "End Text",
                                 "Personal Details", "Save Web Page", "Finished!"};

} // namespace

FrmPageWizard::FrmPageWizard(QWidget *parent)
    : WizardDialog(u"frmPageWizard"_s, u"Web Page Wizard"_s, HelpTopic::WebPageWizard, WizardRoute(Save, Finished),
                   parent),
      m_imageSize(new ImagePreview(this))
{
    m_imageSize->hide();
    QGridLayout *grid = nullptr;

    QWidget *page = TextPage({u"Welcome! "_s,
                              u"With this wizard you can quickly and easily create a simple page for the World "
                              u"Wide Web without having to know anything about HyperText Markup Language (HTML)."_s,
                              u"To start creating your Web page, click the \"Next\" button below."_s},
                             &grid, true);
    m_alwaysOnOpen = NamedCheckBox(u"chkAlwaysOnOpen"_s, u"&Wizard At Start-Up"_s, page);
    grid->addWidget(m_alwaysOnOpen, 0, 0);
    addPage(page);

    page = TextPage({u"The first thing your Web page will need is a title. This will appear in the title bar of a "
                     u"browser when your Web page is viewed, and will also appear in any browser bookmark entries "
                     u"made for your Web page."_s},
                    &grid);
    m_pageTitle = AddTextRow(grid, 0, u"txtPageTitle"_s, u"Page Title:"_s, true);
    addPage(page);

    addPage(colourPage());

    page = TextPage({u"If you would like your Web page to have a more impressive appearance, you can select a JPEG "
                     u"or GIF image to appear tiled in the background. To select an image, simply click on the "
                     u"browse button and locate the file that you would like to use."_s},
                    &grid);
    m_locations[BackgroundImage] = AddFileRow(grid, 0, u"Background Image:"_s, u"_0"_s, u"Background Image..."_s,
                                              ImageFilterKind);
    addPage(page);

    addPage(headingPage());

    page = TextPage({u"It is common for a Web page to begin with an introduction that can be used to welcome "
                     u"visitors and provide some details of what your Web site contains. If you would like to "
                     u"include an introduction, please enter the text below."_s},
                    &grid);
    m_introduction = TextArea(u"txtIntroduction"_s, page);
    grid->addWidget(BuddyLabel(u"lblIntroduction"_s, u"Introduction Text:"_s, m_introduction, page), 0, 0);
    grid->addWidget(m_introduction, 1, 0);
    addPage(page);

    addPage(internetLinksPage());
    addPage(fileLinksPage());

    page = TextPage({u"Following whatever links you may have included, you might like to finish your Web page with "
                     u"a final section of text. If you would like to include this, please enter the text below."_s},
                    &grid);
    m_footer = TextArea(u"txtFooter"_s, page);
    grid->addWidget(BuddyLabel(u"lblFooter"_s, u"End Text: "_s, m_footer, page), 0, 0);
    grid->addWidget(m_footer, 1, 0);
    addPage(page);

    addPage(personalPage());
    addPage(TextPage({u"Now that you've specified what your Web page will contain, the final step is to save it to "
                      u"disk. Once it is saved, the wizard will then copy all of the files you have specified "
                      u"(background image, etc.) into its directory (if not already there). To continue, click the "
                      u"\"Save As...\" button below."_s}));
    addPage(finishedPage(u"All done! Your new Web page is now ready to be viewed in a browser or loaded into "
                         u"Tavorin for viewing and editing. Please select one of the options below and click the "
                         u"\"OK\" button."_s));

    const Preferences &prefs = Prefs();
    m_userName->setText(prefs.UserName);
    m_emailAddress->setText(prefs.UserEmailAddress);
    m_alwaysOnOpen->setChecked(prefs.PageWizard);
    start();
}

QWidget *FrmPageWizard::colourPage()
{
    QGridLayout *grid = nullptr;
    QWidget *page = TextPage({u"If you wish, you can specify the colours to be used in your Web page for text, "
                              u"headings, links and the background. To choose a colour, either select the name of a "
                              u"colour from the pull-down list or click on the button and create your own using a "
                              u"palette.  "_s},
                             &grid);
    struct ColourRow {
        QString caption;
        QString defaultColour; // what a browser shows without the attribute
    };
    const ColourRow rows[] = {{u"Background:"_s, u"white"_s},   {u"Normal Text:"_s, u"black"_s},
                              {u"Normal Link:"_s, u"blue"_s},   {u"Visited Link:"_s, u"purple"_s},
                              {u"Active Link:"_s, u"red"_s},    {u"Headings:"_s, u"black"_s}};
    for (int i = 0; i < 6; ++i) {
        m_colours[i] = new ColourSelector(page);
        m_colours[i]->setObjectName(u"colColour_%1"_s.arg(i));
        m_colours[i]->setDefaultColour(rows[i].defaultColour);
        m_colours[i]->setText(u"(none)"_s);
        const int row = i % 3;
        const int column = i / 3 * 2;
        grid->addWidget(BuddyLabel(u"lblColour_%1"_s.arg(i), rows[i].caption, m_colours[i], page), row, column);
        grid->addWidget(m_colours[i], row, column + 1);
        connect(m_colours[i], &ColourSelector::Change, this, &FrmPageWizard::headingFollowsText);
    }
    grid->setColumnStretch(4, 1);
    headingFollowsText();
    return page;
}

// Until a heading colour is chosen, headings show in the text colour.
void FrmPageWizard::headingFollowsText()
{
    ColourSelector *headings = m_colours[5];
    if (headings && !HasValue(headings->text()))
        headings->setIndicatorColour(m_colours[1]->indicatorColour());
}

QWidget *FrmPageWizard::headingPage()
{
    QGridLayout *grid = nullptr;
    QWidget *page = TextPage({u"Just like printed documents, most Web pages have a main heading at the very start "
                              u"that identifies its purpose and contents. You can enter the text for your Web page's "
                              u"main heading below, and for a more impressive appearance you can also specify an "
                              u"image (for example, a company logo) to appear above or instead of the heading "
                              u"text."_s},
                             &grid);
    m_heading = AddTextRow(grid, 0, u"txtHeading"_s, u"Heading Text:"_s, true);
    m_locations[HeadingImage] = AddFileRow(grid, 1, u"Heading Image:"_s, u"_1"_s, u"Heading Image..."_s,
                                           ImageFilterKind);
    m_headingRule = NamedCheckBox(u"chkHeadingRule"_s, u"Horizontal &Rule After Heading"_s, page);
    grid->addWidget(m_headingRule, 2, 1);
    return page;
}

QWidget *FrmPageWizard::internetLinksPage()
{
    QGridLayout *grid = nullptr;
    QWidget *page = TextPage({u"Internet links will make it possible for visitors to your Web page to move to other "
                              u"sites on the Web by simply clicking on a piece of text. You can specify up to three "
                              u"links below, and for each link you will need to enter the Internet address and the "
                              u"text to appear in the Web page."_s},
                             &grid);
    for (int i = 0; i < WizardLinkCount; ++i) {
        const int row = i * 2;
        SelTextBox *address = NamedTextBox(u"txtInternetAddress_%1"_s.arg(i), 0, page);
        grid->addWidget(BuddyLabel(u"lblInternetAddress_%1"_s.arg(i), u"Address:"_s, address, page), row, 0);
        grid->addWidget(new QLabel(u"http://"_s, page), row, 1);
        grid->addWidget(address, row, 2);
        m_addresses[i] = address;
        m_addressTexts[i] = NamedTextBox(u"txtInternetText_%1"_s.arg(i), 0, page);
        m_addressTexts[i]->setAllowQuote(true);
        grid->addWidget(BuddyLabel(u"lblInternetText_%1"_s.arg(i), u"Text:"_s, m_addressTexts[i], page), row + 1, 0);
        grid->addWidget(m_addressTexts[i], row + 1, 2);
        // The page writes "http://" itself.
        connect(address, &SelTextBox::changed, this, [address] {
            const QString bare = WithoutHttpPrefix(address->text());
            if (bare != address->text())
                address->setText(bare);
        });
    }
    return page;
}

QWidget *FrmPageWizard::fileLinksPage()
{
    QGridLayout *grid = nullptr;
    QWidget *page = TextPage({u"File links will make it possible for visitors to your Web page to access files and "
                              u"other Web pages at your site by simply clicking on a piece of text. You can specify "
                              u"up to three links below, and for each link you will need to enter a full file path "
                              u"and the text to appear in the Web page. "_s},
                             &grid);
    for (int i = 0; i < WizardLinkCount; ++i) {
        const int box = FirstFileLink + i;
        const int row = i * 2;
        m_locations[box] = AddFileRow(grid, row, u"File Path:"_s, u"_%1"_s.arg(box), u"Link To Local File..."_s,
                                      AnyFileFilterKind);
        m_fileTexts[i] = NamedTextBox(u"txtFileText_%1"_s.arg(box), 0, page);
        m_fileTexts[i]->setAllowQuote(true);
        grid->addWidget(BuddyLabel(u"lblFileText_%1"_s.arg(box), u"Text:"_s, m_fileTexts[i], page), row + 1, 0);
        grid->addWidget(m_fileTexts[i], row + 1, 1);
    }
    return page;
}

QWidget *FrmPageWizard::personalPage()
{
    QGridLayout *grid = nullptr;
    QWidget *page = TextPage({u"Normally at the very bottom of a Web page you will find the name of the author and a "
                              u"link to their e-mail address. If you would like to include this in your Web page, "
                              u"enter your name and e-mail address below (if not already shown) and ensure that the "
                              u"box \"Include E-Mail Link\" is checked."_s},
                             &grid);
    m_userName = AddTextRow(grid, 0, u"txtUserName"_s, u"Your Name:"_s, true);
    m_emailAddress = AddTextRow(grid, 1, u"txtEmailAddress"_s, u"Your E-Mail Address:"_s);
    m_useEmail = NamedCheckBox(u"chkUseEmail"_s, u"&Include E-Mail Link"_s, page);
    m_useEmail->setChecked(true);
    grid->addWidget(m_useEmail, 2, 1);
    return page;
}

QString FrmPageWizard::stepName(int step) const
{
    return QString::fromLatin1(PageNames[step]);
}

bool FrmPageWizard::mayLeave(int step, int)
{
    switch (step) {
    case Background:
        return checkFilesExist(std::span(m_locations).subspan(BackgroundImage, 1));
    case Heading:
        return checkFilesExist(std::span(m_locations).subspan(HeadingImage, 1));
    case FileLinks:
        return checkFilesExist(std::span(m_locations).subspan(FirstFileLink));
    default:
        return true;
    }
}

QString FrmPageWizard::fileNameOf(std::size_t location) const
{
    return WizardFileName(m_locations[location]->text(), Prefs().LowerCasePaths);
}

WizardPageAnswers FrmPageWizard::answers()
{
    WizardPageAnswers answers;
    answers.pageTitle = m_pageTitle->text();
    for (std::size_t i = 0; i < answers.colours.size(); ++i)
        answers.colours[i] = m_colours[i]->text();
    answers.headingColour = m_colours[5]->text();
    for (std::size_t i = 0; i < m_locations.size(); ++i)
        answers.locations[i] = {m_locations[i]->text(), fileNameOf(i)};
    const QString headingImage = TrimSpaces(m_locations[HeadingImage]->text());
    m_imageSize->ShowPreview(headingImage);
    if (!headingImage.isEmpty() && m_imageSize->ImageWidth() > 0)
        answers.headingImageSize = QSize(m_imageSize->ImageWidth(), m_imageSize->ImageHeight());
    answers.heading = m_heading->text();
    answers.headingRule = m_headingRule->isChecked();
    answers.introduction = LinesOf(m_introduction);
    for (int i = 0; i < WizardLinkCount; ++i) {
        answers.internetAddresses[i] = m_addresses[i]->text();
        answers.internetTexts[i] = m_addressTexts[i]->text();
        answers.fileTexts[i] = m_fileTexts[i]->text();
    }
    answers.footer = LinesOf(m_footer);
    answers.useEmail = m_useEmail->isChecked();
    answers.emailAddress = m_emailAddress->text();
    answers.userName = m_userName->text();
    return answers;
}

std::optional<QString> FrmPageWizard::documentFor(const QString &)
{
    if (!checkFilesExist(m_locations))
        return std::nullopt;
    return BuildWizardPage(answers());
}

bool FrmPageWizard::copyReferencedFiles(const QString &path)
{
    const QString folder = FolderOf(path);
    for (std::size_t i = 0; i < m_locations.size(); ++i) {
        const QString source = TrimSpaces(m_locations[i]->text());
        if (!source.isEmpty() && !CopyFileUnlessPresent(source, folder + fileNameOf(i)))
            return false;
    }
    return true;
}

void FrmPageWizard::storeOnOk()
{
    Preferences &prefs = Prefs();
    if (!TrimSpaces(m_userName->text()).isEmpty())
        prefs.UserName = m_userName->text();
    if (!TrimSpaces(m_emailAddress->text()).isEmpty())
        prefs.UserEmailAddress = m_emailAddress->text();
}

void FrmPageWizard::Form_Run(QWidget *parent)
{
    FrmPageWizard wizard(parent);
    wizard.RunAndOpen();
    Prefs().PageWizard = wizard.m_alwaysOnOpen->isChecked();
}

} // namespace tavorin
