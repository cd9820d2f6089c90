#include "app/qtfacades.h"

#include "app/colourvalue.h"
#include "dialogs/frmdialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QUrl>

#include <algorithm>

namespace tavorin {

namespace {

struct ButtonChoice {
    QMessageBox::StandardButton button;
    MessageAnswer answer;
};

QList<ButtonChoice> buttonsOf(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return {{QMessageBox::Ok, MessageAnswer::Ok}};
    case MessageButtons::OkCancel:
        return {{QMessageBox::Ok, MessageAnswer::Ok}, {QMessageBox::Cancel, MessageAnswer::Cancel}};
    case MessageButtons::AbortRetryIgnore:
        return {{QMessageBox::Abort, MessageAnswer::Abort},
                {QMessageBox::Retry, MessageAnswer::Retry},
                {QMessageBox::Ignore, MessageAnswer::Ignore}};
    case MessageButtons::YesNoCancel:
        return {{QMessageBox::Yes, MessageAnswer::Yes},
                {QMessageBox::No, MessageAnswer::No},
                {QMessageBox::Cancel, MessageAnswer::Cancel}};
    case MessageButtons::YesNo:
        return {{QMessageBox::Yes, MessageAnswer::Yes}, {QMessageBox::No, MessageAnswer::No}};
    case MessageButtons::RetryCancel:
        return {{QMessageBox::Retry, MessageAnswer::Retry},
                {QMessageBox::Cancel, MessageAnswer::Cancel}};
    }
    return {{QMessageBox::Ok, MessageAnswer::Ok}};
}

QMessageBox::Icon iconOf(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MessageAnswer QtDialogs::message(const MessageRequest &request)
{
    QMessageBox box(iconOf(request.icon), request.title, request.prompt, QMessageBox::NoButton,
                    QApplication::activeWindow());
    const auto choices = buttonsOf(request.buttons);
    for (const auto &choice : choices)
        box.addButton(choice.button);
    const int defaultIndex = qBound(0, request.defaultButton - 1, int(choices.size()) - 1);
    box.setDefaultButton(choices[defaultIndex].button);
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    for (const auto &choice : choices) {
        if (choice.button == clicked)
            return choice.answer;
    }
    return cancelAnswerOf(request.buttons);
}

FileDialogResult QtDialogs::fileDialog(const FileDialogRequest &request)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.folder);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save          ? QFileDialog::AnyFile
                       : request.multiSelect ? QFileDialog::ExistingFiles
                                             : QFileDialog::ExistingFile);
    dialog.setNameFilters(request.filters);
    if (!request.selectedFilter.isEmpty())
        dialog.selectNameFilter(request.selectedFilter);
    if (!request.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    FileDialogResult result;
    if (dialog.exec() != QDialog::Accepted)
        return result;
    result.accepted = true;
    result.files = dialog.selectedFiles();
    result.selectedFilter = dialog.selectedNameFilter();
    return result;
}

std::optional<quint32> QtDialogs::chooseColour(quint32 initial)
{
    const QColor chosen = QColorDialog::getColor(ToQColor(initial), QApplication::activeWindow());
    if (!chosen.isValid())
        return std::nullopt;
    return FromQColor(chosen);
}

std::optional<FontChoice> QtDialogs::chooseFont(const FontChoice &initial)
{
    QFont font(initial.name, initial.pointSize);
    font.setBold(initial.bold);
    font.setItalic(initial.italic);
    font.setUnderline(initial.underline);
    font.setStrikeOut(initial.strikeOut);
    // Scalable fonts are the ones every screen shows in every size.
    const QFontDialog::FontDialogOptions options = initial.screenFontsOnly ? QFontDialog::ScalableFonts
                                                                           : QFontDialog::FontDialogOptions();
    bool accepted = false;
    const QFont chosen = QFontDialog::getFont(&accepted, font, QApplication::activeWindow(), QString(), options);
    if (!accepted)
        return std::nullopt;
    FontChoice result = initial;
    result.name = chosen.family();
    result.pointSize = chosen.pointSize();
    if (initial.minSize > 0)
        result.pointSize = std::max(result.pointSize, initial.minSize);
    if (initial.maxSize > 0)
        result.pointSize = std::min(result.pointSize, initial.maxSize);
    result.bold = chosen.bold();
    result.italic = chosen.italic();
    result.underline = chosen.underline();
    result.strikeOut = chosen.strikeOut();
    return result;
}

std::optional<QString> QtDialogs::prompt(const PromptRequest &request)
{
    return FrmDialog::Form_Run(request, QApplication::activeWindow());
}

std::optional<PrintChoice> QtDialogs::choosePrinter(const PrintChoice &initial)
{
    QPrinter printer;
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    // No page range. On Linux the print-to-file option is what lists "Print
    // to File (PDF)" among the printers, the only one a machine without a
    // printer has, so it stays.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, initial.selectionAvailable);
    if (initial.range == PrintChoice::Range::Selection && initial.selectionAvailable)
        dialog.setPrintRange(QAbstractPrintDialog::Selection);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    PrintChoice result = initial;
    switch (dialog.printRange()) {
    case QAbstractPrintDialog::Selection:
        result.range = PrintChoice::Range::Selection;
        break;
    case QAbstractPrintDialog::PageRange:
        result.range = PrintChoice::Range::Pages;
        result.fromPage = printer.fromPage();
        result.toPage = printer.toPage();
        break;
    default:
        result.range = PrintChoice::Range::All;
        break;
    }
    result.copies = printer.copyCount();
    result.printerName = printer.printerName();
    result.outputFile = printer.outputFileName();
    result.paperSize = int(printer.pageLayout().pageSize().id());
    result.landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
    return result;
}

bool QtLauncher::startProgram(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

bool QtLauncher::openWithDesktop(const QString &target)
{
    const QFileInfo file(target);
    const QUrl url = file.exists() ? QUrl::fromLocalFile(file.absoluteFilePath())
                                   : QUrl::fromUserInput(target);
    return QDesktopServices::openUrl(url);
}

void QtBeeper::beep()
{
    QApplication::beep();
}

void installDesktopFacades()
{
    static QtDialogs dialogs;
    static QtLauncher launcher;
    static QtBeeper beeper;
    installDialogs(&dialogs);
    installLauncher(&launcher);
    installBeeper(&beeper);
}

} // namespace tavorin
