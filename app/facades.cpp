#include "app/facades.h"

namespace tavorin {

namespace {

class UnattendedDialogs final : public Dialogs {
public:
    MessageAnswer message(const MessageRequest &request) override
    {
        return cancelAnswerOf(request.buttons);
    }
    FileDialogResult fileDialog(const FileDialogRequest &) override { return {}; }
    std::optional<quint32> chooseColour(quint32) override { return std::nullopt; }
    std::optional<FontChoice> chooseFont(const FontChoice &) override { return std::nullopt; }
    std::optional<PrintChoice> choosePrinter(const PrintChoice &) override { return std::nullopt; }
    std::optional<QString> prompt(const PromptRequest &) override { return std::nullopt; }
};

class NoLauncher final : public Launcher {
public:
    bool startProgram(const QString &, const QStringList &) override { return false; }
    bool openWithDesktop(const QString &) override { return false; }
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

class SilentBeeper final : public Beeper {
public:
    void beep() override {}
};

UnattendedDialogs s_unattendedDialogs;
NoLauncher s_noLauncher;
SystemClock s_systemClock;
SilentBeeper s_silentBeeper;

Dialogs *s_dialogs = &s_unattendedDialogs;
Launcher *s_launcher = &s_noLauncher;
const Clock *s_clock = &s_systemClock;
Beeper *s_beeper = &s_silentBeeper;

} // namespace

Dialogs &dialogs() { return *s_dialogs; }
Launcher &launcher() { return *s_launcher; }
const Clock &appClock() { return *s_clock; }
Beeper &beeper() { return *s_beeper; }

void installDialogs(Dialogs *implementation)
{
    s_dialogs = implementation ? implementation : &s_unattendedDialogs;
}
void installLauncher(Launcher *implementation)
{
    s_launcher = implementation ? implementation : &s_noLauncher;
}
void installClock(const Clock *implementation)
{
    s_clock = implementation ? implementation : &s_systemClock;
}
void installBeeper(Beeper *implementation)
{
    s_beeper = implementation ? implementation : &s_silentBeeper;
}

MessageAnswer MsgBox(const QString &prompt, MessageButtons buttons, MessageIcon icon,
                     const QString &title, int defaultButton)
{
    MessageRequest request;
    request.prompt = prompt;
    request.buttons = buttons;
    request.icon = icon;
    request.title = title.isEmpty() ? QString::fromLatin1(ApplicationTitle) : title;
    request.defaultButton = defaultButton;
    return dialogs().message(request);
}

MessageAnswer cancelAnswerOf(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::AbortRetryIgnore:
        return MessageAnswer::Abort;
    default:
        return MessageAnswer::Cancel;
    }
}

} // namespace tavorin
