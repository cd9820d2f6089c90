#include "app/printing.h"

#include "app/documentwindow.h"
#include "app/facades.h"
#include "app/mainwindow.h"
#include "app/printjob.h"
#include "app/printprogress.h"
#include "app/richtextbox.h"
#include "app/statusmessages.h"
#include "settings/files.h"

#include <new>

namespace tavorin {

void PrintActiveDocument(MainWindow &main)
{
    DocumentWindow *doc = main.activeDocument();
    if (!doc)
        return;
    const RichTextBox *box = doc->textBox();
    try {
        PrintChoice initial;
        initial.selectionAvailable = box->selLength() > 0;
        const std::optional<PrintChoice> choice = dialogs().choosePrinter(initial);
        if (!choice)
            return;
        const bool selection = choice->range == PrintChoice::Range::Selection && initial.selectionAvailable;
        const QString text = selection ? box->selText() : box->text();
        ShowStatusMessage(QStringLiteral("Printing..."));
        // The caption names the document, " (Modified)" included.
        const QString name = doc->caption();
        PrintJob job(*choice, name);
        PrinterWindow window(&main);
        if (window.PrintText(text, name, job) == PrinterWindow::Outcome::Failed)
            MsgBox(QStringLiteral("An error has occurred. Sorry, can't print document."), MessageButtons::Ok,
                   MessageIcon::Exclamation, QStringLiteral("Printer Error"));
    } catch (const std::bad_alloc &) {
        MsgBox(OutOfMemoryMessage(int(main.Documents().size())), MessageButtons::Ok, MessageIcon::Exclamation);
    }
}

} // namespace tavorin
