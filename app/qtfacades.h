#pragma once

// The real desktop behind the facades: Qt's message boxes and standard
// dialogs, QProcess for launching, QDesktopServices for "open with", the
// system beep. main() installs them; tests never do.

#include "app/facades.h"

namespace tavorin {

class QtDialogs final : public Dialogs {
public:
    MessageAnswer message(const MessageRequest &request) override;
    FileDialogResult fileDialog(const FileDialogRequest &request) override;
    std::optional<quint32> chooseColour(quint32 initial) override;
    std::optional<FontChoice> chooseFont(const FontChoice &initial) override;
    std::optional<PrintChoice> choosePrinter(const PrintChoice &initial) override;
    std::optional<QString> prompt(const PromptRequest &request) override;
};

class QtLauncher final : public Launcher {
public:
    bool startProgram(const QString &program, const QStringList &arguments) override;
    bool openWithDesktop(const QString &target) override;
};

class QtBeeper final : public Beeper {
public:
    void beep() override;
};

// Installs the three above for the lifetime of the process.
void installDesktopFacades();

} // namespace tavorin
