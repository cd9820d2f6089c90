#pragma once

// The Web Page Wizard's page: a complete document in which every generated
// part stands between a start and an end comment naming it.

#include <QSize>
#include <QString>

#include <array>
#include <optional>

namespace tavorin {

// A location box of the wizard: what the user typed and the file name the
// page refers to (see WizardFileName).
struct WizardLocation {
    QString text;
    QString fileName;
};

// The wizard's boxes 0 to 4: background image, heading image, three file links.
enum WizardLocationIndex { BackgroundImage = 0, HeadingImage = 1, FirstFileLink = 2 };
inline constexpr int WizardLocationCount = 5;
inline constexpr int WizardLinkCount = 3;

struct WizardPageAnswers {
    QString pageTitle;
    // Background, text, link, visited link, active link; "(none)" when unset.
    std::array<QString, 5> colours{QStringLiteral("(none)"), QStringLiteral("(none)"),
                                                 QStringLiteral("(none)"), QStringLiteral("(none)"),
                                                 QStringLiteral("(none)")};
    QString headingColour = QStringLiteral("(none)");
    std::array<WizardLocation, WizardLocationCount> locations;
    // The heading image's size in pixels when it could be loaded.
    std::optional<QSize> headingImageSize;
    QString heading;
    bool headingRule = false;
    QString introduction;
    std::array<QString, WizardLinkCount> internetAddresses; // without "http://"
    std::array<QString, WizardLinkCount> internetTexts;
    std::array<QString, WizardLinkCount> fileTexts; // for locations 2 to 4
    QString footer;
    bool useEmail = false;
    QString emailAddress;
    QString userName;
};

// The whole page text for the answers; block contents follow IndentCode,
// the copyright year and the smart fields come from the application clock.
QString BuildWizardPage(const WizardPageAnswers &answers);

// The file name a page refers to for a location box: the part after the
// last "\" or "/", cut before any "#", lower-cased when lowerCase is set;
// "" for a blank box.
QString WizardFileName(const QString &location, bool lowerCase);

// An address box's text without a leading "http://" (any case, after trimming).
QString WithoutHttpPrefix(const QString &address);

} // namespace tavorin
