#pragma once

// Viewing a document in a browser: a document that was never saved, or has
// changed, is saved first (asking unless told not to), then its file is shown.

namespace tavorin {

class DocumentWindow;

// Shows the document's file in browser record browserNumber (0 to 7) of the
// preferences. False when nothing was shown: a question declined, a save
// that failed, or a browser that did not start.
bool ViewInBrowser(DocumentWindow *doc, int browserNumber, bool saveWithoutAsking);

} // namespace tavorin
