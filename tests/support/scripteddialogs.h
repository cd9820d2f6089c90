#pragma once

// Scripted stand-ins for the facades. A test queues the answers it wants,
// runs the code, then checks what was asked. A prompt with no queued answer
// is recorded as a problem and answered as if cancelled, so an unexpected box
// never blocks and never passes unnoticed; answers left unused are problems
// too. Install with ScriptedFacades, which restores the fallbacks when it
// goes out of scope.

#include "app/facades.h"

#include <QList>
#include <QStringList>

#include <deque>
#include <functional>
#include <variant>

namespace tavorin::testing {

struct AskedPrompt {
    enum class Kind { Message, File, Colour, Font, Print, Prompt };
    Kind kind = Kind::Message;
    MessageRequest message;
    FileDialogRequest file;
    PromptRequest prompt;
    PrintChoice print; // what the print dialog was opened with
    FontChoice font;   // Font: the initial choice and the limits asked for
};

class ScriptedDialogs final : public Dialogs {
public:
    void answerMessage(MessageAnswer answer) { m_answers.push_back(answer); }
    // Accepted with these paths.
    void answerFiles(const QStringList &paths) { m_answers.push_back(FileDialogResult{true, paths, {}}); }
    void cancelFile() { m_answers.push_back(FileDialogResult{}); }
    void answerColour(std::optional<quint32> colour) { m_answers.push_back(ColourAnswer{colour}); }
    void answerFont(std::optional<FontChoice> font) { m_answers.push_back(FontAnswer{font}); }
    void answerPrinter(std::optional<PrintChoice> choice) { m_answers.push_back(PrintAnswer{choice}); }
    // The value the one-field prompt returns, as its OK gives it.
    void answerPrompt(const QString &value) { m_answers.push_back(PromptAnswer{value}); }
    void cancelPrompt() { m_answers.push_back(PromptAnswer{std::nullopt}); }

    // Everything asked so far, in order.
    const QList<AskedPrompt> &asked() const { return m_asked; }
    QList<MessageRequest> messages() const;
    // The prompt texts of every message box, in order.
    QStringList messagePrompts() const;
    // Every one-field prompt, in order.
    QList<PromptRequest> prompts() const;
    // Unexpected prompts and unused answers; empty when the script matched.
    QStringList problems() const;
    void clear();
    // Runs as each file dialog opens, to look at the program's state then.
    std::function<void()> onFileDialog;

    MessageAnswer message(const MessageRequest &request) override;
    FileDialogResult fileDialog(const FileDialogRequest &request) override;
    std::optional<quint32> chooseColour(quint32 initial) override;
    std::optional<FontChoice> chooseFont(const FontChoice &initial) override;
    std::optional<PrintChoice> choosePrinter(const PrintChoice &initial) override;
    std::optional<QString> prompt(const PromptRequest &request) override;

private:
    struct ColourAnswer { std::optional<quint32> colour; };
    struct FontAnswer { std::optional<FontChoice> font; };
    struct PrintAnswer { std::optional<PrintChoice> choice; };
    struct PromptAnswer { std::optional<QString> value; };
    using Answer = std::variant<MessageAnswer, FileDialogResult, ColourAnswer, FontAnswer, PrintAnswer, PromptAnswer>;

    template<typename T>
    bool takeAnswer(T &out, const QString &what);

    std::deque<Answer> m_answers;
    QList<AskedPrompt> m_asked;
    QStringList m_problems;
};

class ScriptedLauncher final : public Launcher {
public:
    struct Started {
        QString program;
        QStringList arguments; // empty program: opened with the desktop
    };
    bool succeed = true;
    QList<Started> started;
    bool startProgram(const QString &program, const QStringList &arguments) override;
    bool openWithDesktop(const QString &target) override;
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(QDateTime moment) : m_moment(std::move(moment)) {}
    void set(const QDateTime &moment) { m_moment = moment; }
    QDateTime now() const override { return m_moment; }

private:
    QDateTime m_moment;
};

class CountingBeeper final : public Beeper {
public:
    int beeps = 0;
    void beep() override { ++beeps; }
};

// Installs one of each for the lifetime of the object.
class ScriptedFacades {
public:
    ScriptedFacades();
    ~ScriptedFacades();
    Q_DISABLE_COPY_MOVE(ScriptedFacades)

    ScriptedDialogs dialogs;
    ScriptedLauncher launcher;
    FixedClock clock{QDateTime(QDate(2026, 3, 7), QTime(14, 5, 9))};
    CountingBeeper beeper;
};

} // namespace tavorin::testing
