#pragma once

// The head section every generated page starts with, and the whole text of
// a blank new page.

#include "html/guards.h"

#include <QString>

namespace tavorin {

// "<HTML>", the head with its META tags and the title ("An Untitled Web
// Page" for an empty title), and with comments the wizard's explanatory
// banners; ends with a blank line for the caller's body.
QString PageHeader(const QString &title, bool withComments);

// A blank page and where its cursor goes: just after "<BODY>" and its line
// break, with "Your main content starts here" selected when prompt is on.
struct NewPage {
    QString text;
    TextRange selection; // in the text's own positions ("\r\n" is two)
};

NewPage NewPageText(bool prompt);
// The same with the Prompt preference.
NewPage NewPageText();

} // namespace tavorin
