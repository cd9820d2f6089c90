#include "scripteddialogs.h"

namespace tavorin::testing {

QList<MessageRequest> ScriptedDialogs::messages() const
{
    QList<MessageRequest> result;
    for (const auto &prompt : m_asked) {
        if (prompt.kind == AskedPrompt::Kind::Message)
            result.append(prompt.message);
    }
    return result;
}

QStringList ScriptedDialogs::messagePrompts() const
{
    QStringList result;
    for (const auto &message : messages())
        result.append(message.prompt);
    return result;
}

QList<PromptRequest> ScriptedDialogs::prompts() const
{
    QList<PromptRequest> result;
    for (const auto &asked : m_asked) {
        if (asked.kind == AskedPrompt::Kind::Prompt)
            result.append(asked.prompt);
    }
    return result;
}

QStringList ScriptedDialogs::problems() const
{
    QStringList result = m_problems;
    if (!m_answers.empty())
        result.append(QStringLiteral("%1 queued answer(s) were never asked for").arg(m_answers.size()));
    return result;
}

void ScriptedDialogs::clear()
{
    m_answers.clear();
    m_asked.clear();
    m_problems.clear();
}

template<typename T>
bool ScriptedDialogs::takeAnswer(T &out, const QString &what)
{
    if (m_answers.empty()) {
        m_problems.append(QStringLiteral("unexpected %1").arg(what));
        return false;
    }
    if (!std::holds_alternative<T>(m_answers.front())) {
        m_problems.append(QStringLiteral("%1 asked while another kind of answer was queued").arg(what));
        return false;
    }
    out = std::get<T>(m_answers.front());
    m_answers.pop_front();
    return true;
}

MessageAnswer ScriptedDialogs::message(const MessageRequest &request)
{
    AskedPrompt asked;
    asked.kind = AskedPrompt::Kind::Message;
    asked.message = request;
    m_asked.append(asked);
    MessageAnswer answer{};
    if (!takeAnswer(answer, QStringLiteral("message box \"%1\"").arg(request.prompt)))
        return cancelAnswerOf(request.buttons);
    return answer;
}

FileDialogResult ScriptedDialogs::fileDialog(const FileDialogRequest &request)
{
    AskedPrompt asked;
    asked.kind = AskedPrompt::Kind::File;
    asked.file = request;
    m_asked.append(asked);
    if (onFileDialog)
        onFileDialog();
    FileDialogResult answer;
    if (!takeAnswer(answer, QStringLiteral("file dialog \"%1\"").arg(request.title)))
        return {};
    return answer;
}

std::optional<quint32> ScriptedDialogs::chooseColour(quint32)
{
    m_asked.append(AskedPrompt{AskedPrompt::Kind::Colour, {}, {}, {}, {}, {}});
    ColourAnswer answer;
    if (!takeAnswer(answer, QStringLiteral("colour dialog")))
        return std::nullopt;
    return answer.colour;
}

std::optional<FontChoice> ScriptedDialogs::chooseFont(const FontChoice &initial)
{
    m_asked.append(AskedPrompt{AskedPrompt::Kind::Font, {}, {}, {}, {}, initial});
    FontAnswer answer;
    if (!takeAnswer(answer, QStringLiteral("font dialog")))
        return std::nullopt;
    return answer.font;
}

std::optional<PrintChoice> ScriptedDialogs::choosePrinter(const PrintChoice &initial)
{
    m_asked.append(AskedPrompt{AskedPrompt::Kind::Print, {}, {}, {}, initial, {}});
    PrintAnswer answer;
    if (!takeAnswer(answer, QStringLiteral("print dialog")))
        return std::nullopt;
    return answer.choice;
}

std::optional<QString> ScriptedDialogs::prompt(const PromptRequest &request)
{
    AskedPrompt asked;
    asked.kind = AskedPrompt::Kind::Prompt;
    asked.prompt = request;
    m_asked.append(asked);
    PromptAnswer answer;
    if (!takeAnswer(answer, QStringLiteral("prompt \"%1\"").arg(request.label)))
        return std::nullopt;
    return answer.value;
}

bool ScriptedLauncher::startProgram(const QString &program, const QStringList &arguments)
{
    started.append({program, arguments});
    return succeed;
}

bool ScriptedLauncher::openWithDesktop(const QString &target)
{
    started.append({QString(), {target}});
    return succeed;
}

ScriptedFacades::ScriptedFacades()
{
    installDialogs(&dialogs);
    installLauncher(&launcher);
    installClock(&clock);
    installBeeper(&beeper);
}

ScriptedFacades::~ScriptedFacades()
{
    installDialogs(nullptr);
    installLauncher(nullptr);
    installClock(nullptr);
    installBeeper(nullptr);
}

} // namespace tavorin::testing
