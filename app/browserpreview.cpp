#include "app/browserpreview.h"

#include "app/browserlaunch.h"
#include "app/documentwindow.h"
#include "app/facades.h"
#include "app/fileoperations.h"
#include "settings/paths.h"
#include "settings/preferences.h"

namespace tavorin {

namespace {

const QString ViewTitle = QStringLiteral("View In Browser");

} // namespace

bool ViewInBrowser(DocumentWindow *doc, int browserNumber, bool saveWithoutAsking)
{
    if (!doc)
        return false;
    if (!HasDrive(doc->FullPath())) {
        if (!saveWithoutAsking
            && MsgBox(QStringLiteral("This document must be saved before it can be viewed in a browser.\r\n\r\n"
                                     "Do you want to save it now?"),
                      MessageButtons::YesNo, MessageIcon::Question, ViewTitle)
                   != MessageAnswer::Yes)
            return false;
        if (!SaveDocument(doc, false))
            return false;
    }
    if (doc->Dirty()) {
        MessageAnswer answer = MessageAnswer::Yes;
        if (!saveWithoutAsking)
            answer = MsgBox(QStringLiteral("The document ") + QuotedFileName(doc->FullPath())
                                + QStringLiteral(" has changed.\r\n\r\n"
                                                 "Do you want to save the changes before viewing it in a browser?"),
                            MessageButtons::YesNoCancel, MessageIcon::Question, ViewTitle);
        if (answer == MessageAnswer::Cancel)
            return false;
        // No: the page is shown as it was last saved.
        if (answer == MessageAnswer::Yes && !SaveDocument(doc, false))
            return false;
    }
    const auto &browsers = Prefs().Browsers;
    const bool known = browserNumber >= 0 && browserNumber < int(browsers.size());
    return LaunchBrowser(known ? browsers[std::size_t(browserNumber)].location : QString(), doc->FullPath());
}

} // namespace tavorin
