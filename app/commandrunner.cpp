#include "app/commandrunner.h"

#include "app/commandtable.h"
#include "app/documentwindow.h"
#include "app/facades.h"
#include "app/inserttext.h"
#include "app/mainwindow.h"
#include "app/richtextbox.h"
#include "app/rtfreader.h"
#include "app/statusmessages.h"
#include "app/textrules.h"
#include "dialogs/frmautoload.h"
#include "dialogs/frmbodysetup.h"
#include "dialogs/frmframes.h"
#include "dialogs/frmhorizrule.h"
#include "dialogs/frmimage.h"
#include "dialogs/frmlink.h"
#include "dialogs/frmquicktable.h"
#include "dialogs/frmsearcheng.h"
#include "dialogs/frmsound.h"
#include "dialogs/frmtable.h"
#include "html/guards.h"
#include "html/insertstate.h"
#include "settings/filedialogs.h"
#include "settings/paths.h"

#include <QClipboard>
#include <QGuiApplication>

#include <functional>

namespace tavorin {

namespace {

// The clipboard speaks the desktop's line breaks; the document speaks "\r\n".
QString clipboardText()
{
    return NormaliseLineBreaks(QGuiApplication::clipboard()->text());
}

void copyToClipboard(const QString &text)
{
    QString desktopText = text;
    desktopText.replace(QString::fromLatin1(CrLf), QStringLiteral("\n"));
    QGuiApplication::clipboard()->setText(desktopText);
}

// With nothing selected, Delete takes the character after the caret (a line
// break as a whole). False when the caret is at the very end.
bool selectNextCharacter(RichTextBox *box)
{
    const qsizetype start = box->selStart();
    if (start >= box->textLength())
        return false;
    box->select(start, 1);
    return box->selLength() > 0;
}

void insertFile(DocumentWindow *doc, const QString &lineBreak)
{
    ShowStatusMessage(QStringLiteral("Inserting file..."));
    const QString path = doc->FullPath();
    const QString contents = InsertFileContents(HasDrive(path) ? FolderOf(path) : QString());
    ReleaseStatusMessage();
    // Cancelled, refused or unreadable: the selection stays as it was.
    if (contents.isEmpty()) {
        InsertCancelled = true;
        return;
    }
    InsertText(DocumentTextOf(contents) + lineBreak, false);
}

// Runs the tag dialog named form on the text it edits: its result, nothing
// when it was cancelled.
std::optional<QString> runTagDialog(const QString &form, const QString &text)
{
    using Runner = std::function<std::optional<QString>(const QString &)>;
    static const QList<std::pair<QString, Runner>> runners{
        {QStringLiteral("frmLink"), [](const QString &t) { return FrmLink::Form_Run(t); }},
        {QStringLiteral("frmImage"), [](const QString &t) { return FrmImage::Form_Run(t); }},
        {QStringLiteral("frmBodySetup"), [](const QString &t) { return FrmBodySetup::Form_Run(t); }},
        {QStringLiteral("frmHorizRule"), [](const QString &t) { return FrmHorizRule::Form_Run(t); }},
        {QStringLiteral("frmSearchEng"), [](const QString &) { return FrmSearchEng::Form_Run(); }},
        {QStringLiteral("frmTable"), [](const QString &t) { return FrmTable::Form_Run(t); }},
        {QStringLiteral("frmQuickTable"), [](const QString &t) { return FrmQuickTable::Form_Run(t); }},
        {QStringLiteral("frmAutoLoad"), [](const QString &t) { return FrmAutoLoad::Form_Run(t); }},
        {QStringLiteral("frmSound"), [](const QString &t) { return FrmSound::Form_Run(t); }},
        {QStringLiteral("frmFrames"), [](const QString &t) { return FrmFrames::Form_Run(t); }},
    };
    for (const auto &[name, run] : runners) {
        if (name == form)
            return run(text);
    }
    return std::nullopt;
}

void undo(MainWindow *main, RichTextBox *box)
{
    box->suspendDrawing();
    box->undo();
    box->resumeDrawing();
    main->UpdateUndoTool();
    main->UpdateSelectionTools();
}

} // namespace

QString UnknownCommandMessage(const QString &commandText)
{
    const QString title = QString::fromLatin1(ApplicationTitle);
    return QStringLiteral("Sorry, but you've found a bug in this software.\r\n\r\n")
           + QStringLiteral("The function call \"") + commandText + QStringLiteral("\" is not recognised, so ")
           + title + QStringLiteral(" cannot proceed.\r\n\r\n")
           + QStringLiteral("If you are using the latest version of this software, please contact the author "
                            "by E-Mail with details of this problem and it will be fixed as soon as possible. ")
           + QStringLiteral("Otherwise, please obtain the latest version of ") + title + u'.';
}

void RunCommand(const QString &commandText, const QString &argument)
{
    InsertCancelled = false;
    MainWindow *main = MainWindow::instance();
    DocumentWindow *doc = main ? main->activeDocument() : nullptr;
    if (!doc) {
        InsertCancelled = true; // nothing to insert into
        return;
    }
    RichTextBox *box = doc->textBox();

    // The dialogs of these commands edit the tag the page already has.
    if (SelectsExistingTagFirst(commandText)) {
        const Hourglass busy;
        if (const auto range = ExistingTagRange(commandText, box->text()))
            box->select(range->start, range->length);
    }
    if (IsDeleteCommand(commandText) && box->selLength() == 0 && !selectNextCharacter(box)) {
        box->setFocus();
        return;
    }

    CommandRequest request;
    request.command = commandText;
    request.argument = argument;
    request.selection = box->selText();
    if (CommandReadsDocument(commandText))
        request.documentText = box->text();
    if (EqualNoCase(commandText, u"Paste"))
        request.clipboard = clipboardText();
    const CommandOutcome outcome = DecideCommand(request);

    switch (outcome.action) {
    case CommandAction::Insert:
        InsertText(outcome.text, outcome.selectInserted);
        break;
    case CommandAction::Cut:
        copyToClipboard(request.selection);
        InsertText(outcome.text, false);
        main->UpdatePasteTool();
        break;
    case CommandAction::Copy:
        copyToClipboard(request.selection);
        main->UpdatePasteTool();
        break;
    case CommandAction::Undo:
        undo(main, box);
        break;
    case CommandAction::InsertFile:
        insertFile(doc, outcome.lineBreak);
        break;
    case CommandAction::Dialog:
        // An empty result (no search engine chosen) must not wipe out the selection.
        if (const std::optional<QString> result = runTagDialog(outcome.dialog, outcome.text);
            result && !result->isEmpty() && !InsertCancelled)
            InsertText(*result + outcome.lineBreak, outcome.selectInserted);
        else
            InsertCancelled = true;
        break;
    case CommandAction::Refused:
        // The existing tag is selected first, so it is in view while the message shows.
        if (outcome.guard.existingTag)
            box->select(outcome.guard.existingTag->start, outcome.guard.existingTag->length);
        ShowGuardRefusal(outcome.guard);
        break;
    case CommandAction::Nothing:
        InsertCancelled = true; // nothing went in
        break;
    case CommandAction::Unknown:
        MsgBox(UnknownCommandMessage(commandText), MessageButtons::Ok, MessageIcon::Critical);
        InsertCancelled = true;
        break;
    }
    box->setFocus();
}

} // namespace tavorin
