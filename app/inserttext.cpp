#include "app/inserttext.h"

#include "app/documentwindow.h"
#include "app/mainwindow.h"
#include "app/richtextbox.h"

#include <QCoreApplication>

namespace tavorin {

void InsertText(const QString &text, bool selectInserted)
{
    MainWindow *main = MainWindow::instance();
    DocumentWindow *doc = main ? main->activeDocument() : nullptr;
    if (!doc)
        return;
    RichTextBox *box = doc->textBox();
    const qsizetype start = box->selStart();
    // Removing the selection (Delete, Cut) puts nothing in its place, not
    // even the line breaks an insert at the end of the text is given.
    if (text.isEmpty())
        box->setSelText(text);
    else
        doc->DocSelText(text);
    if (selectInserted)
        box->select(start, text.size());
    else
        box->setSelStart(start + text.size());
    QCoreApplication::processEvents();
    main->UpdateSelectionTools();
}

} // namespace tavorin
