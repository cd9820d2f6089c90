#include "html/promptedinserts.h"

#include "app/facades.h"
#include "app/helptopics.h"
#include "app/textrules.h"
#include "html/formattags.h"
#include "html/insertstate.h"
#include "html/linktags.h"
#include "html/tagreaders.h"
#include "html/valuehelpers.h"
#include "settings/files.h"
#include "settings/preferences.h"

#include <array>

namespace tavorin {

using namespace Qt::StringLiterals;

namespace {

QString s_lastComment;

using Initial = QString (*)(const QString &sel);
using Result = QString (*)(const QString &value, const QString &sel);

struct PromptRow {
    QStringView command;
    QStringView label;
    QStringView caption;
    int helpTopic;
    bool upperCaseChoice;
    bool digitsOnly;
    // A user detail: asked only while it is empty, the answer kept in it,
    // and the detail is what the result is built from.
    QString Preferences::*detail;
    Initial initial;
    Result result;
    bool readsFile = false; // an empty result: the snippet could not be read (and was reported)
};

QString nothing(const QString &)
{
    return {};
}

QString detailValue(const QString &value, const QString &)
{
    return value;
}

QString metaTag(const QString &name, const QString &content)
{
    return "<META NAME=\""_L1 + name + "\" CONTENT="_L1 + QuoteValue(content) + u'>';
}

QString snippetWith(const QString &file, const QString &value)
{
    const QString snippet = ReadSystemFile(file, {});
    return snippet.isEmpty() ? QString() : FillSnippet(snippet, value);
}

constexpr bool Shown = true, Hidden = false, Digits = true, Text = false;

const std::array PromptRows{
    PromptRow{u"Comment", u"your comment", u"Comment", HelpTopic::Comment, Shown, Text, nullptr,
              [](const QString &) { return LastComment(); },
              [](const QString &answer, const QString &) {
                  SetLastComment(answer);
                  return CommentTag(answer);
              }},
    PromptRow{u"ASCII Character", u"the ASCII code for your character", u"ASCII Character",
              HelpTopic::SpecialCharacter, Hidden, Digits, nullptr, nothing,
              [](const QString &answer, const QString &) { return "&#"_L1 + answer + u';'; }},
    PromptRow{u"Page Title", u"your page title", u"Page Title", HelpTopic::PageTitle, Shown, Text, nullptr,
              [](const QString &sel) { return RemoveAllTags(sel); },
              [](const QString &answer, const QString &) { return TitleTag(answer.left(64)); }},
    PromptRow{u"Anchor", u"anchor name", u"Anchor", HelpTopic::Anchor, Shown, Text, nullptr,
              [](const QString &sel) { return GetAttributeValue(CrLfToSpace(sel), u"NAME"); },
              [](const QString &answer, const QString &sel) { return AnchorTag(answer, sel); }},
    PromptRow{u"E-Mail Link", u"the e-mail address", u"E-Mail Link", HelpTopic::EMailLink, Hidden, Text, nullptr,
              [](const QString &) { return Prefs().UserEmailAddress; },
              [](const QString &answer, const QString &) { return MailtoLink(answer); }},
    PromptRow{u"E-Mail Form", u"your e-mail address", u"E-Mail Form", HelpTopic::PreDefined, Hidden, Text,
              &Preferences::UserEmailAddress, nothing,
              [](const QString &address, const QString &) {
                  return snippetWith(u"Forms\\EMailForm.txt"_s, "mailto:"_L1 + address);
              },
              true},
    PromptRow{u"JavaScript Function Outline", u"function name", u"JavaScript Function Outline",
              HelpTopic::JavaScript, Shown, Text, nullptr, nothing,
              [](const QString &name, const QString &) {
                  return ScriptBlock(name, "function "_L1 + name + "()\r\n{\r\n\r\n}"_L1);
              }},
    PromptRow{u"JavaScript Outline", u"JavaScript name", u"JavaScript Outline", HelpTopic::JavaScript, Shown, Text,
              nullptr, nothing, [](const QString &name, const QString &) { return ScriptBlock(name, {}); }},
    PromptRow{u"Scrolling Message JavaScript", u"your message", u"Scrolling Message", HelpTopic::JavaScript, Shown,
              Text, nullptr, nothing,
              [](const QString &message, const QString &) {
                  return snippetWith(u"JScript\\ScrollMessage.js"_s, message);
              },
              true},
    PromptRow{u"Dialog Message JavaScript", u"your message", u"Dialog Message", HelpTopic::JavaScript, Shown, Text,
              nullptr, nothing,
              [](const QString &message, const QString &) {
                  return snippetWith(u"JScript\\DialogMessage.js"_s, message);
              },
              true},
    PromptRow{u"Meta Description", u"document description", u"Meta Description", HelpTopic::MetaTags, Hidden, Text,
              nullptr, nothing, [](const QString &answer, const QString &) { return metaTag(u"Description"_s, answer); }},
    PromptRow{u"Meta Author", u"author name", u"Meta Author", HelpTopic::MetaTags, Hidden, Text, nullptr,
              [](const QString &) { return Prefs().UserName; },
              [](const QString &answer, const QString &) { return metaTag(u"Author"_s, answer); }},
    PromptRow{u"Meta Keywords", u"document keywords (separated with commas)", u"Meta Keywords", HelpTopic::MetaTags,
              Hidden, Text, nullptr, nothing,
              [](const QString &answer, const QString &) { return metaTag(u"Keywords"_s, answer); }},
    PromptRow{u"User Name", u"your name", u"User Name", HelpTopic::UserInfo, Shown, Text, &Preferences::UserName,
              nothing, detailValue},
    PromptRow{u"Company Name", u"your company's name", u"User Company Name", HelpTopic::UserInfo, Shown, Text,
              &Preferences::UserCompanyName, nothing, detailValue},
    PromptRow{u"User E-Mail Address", u"your e-mail address", u"User E-Mail Address", HelpTopic::UserInfo, Hidden,
              Text, &Preferences::UserEmailAddress, nothing, detailValue},
    PromptRow{u"User E-Mail Link", u"your e-mail address", u"User E-Mail Link", HelpTopic::UserInfo, Hidden, Text,
              &Preferences::UserEmailAddress, nothing,
              [](const QString &address, const QString &) { return MailtoLink(address); }},
    PromptRow{u"Home Page Address", u"your home page address", u"User Home Page Address", HelpTopic::UserInfo,
              Hidden, Text, &Preferences::UserHomePage, nothing, detailValue},
    PromptRow{u"Home Page Link", u"your home page address", u"User Home Page Link", HelpTopic::UserInfo, Hidden,
              Text, &Preferences::UserHomePage, nothing,
              [](const QString &address, const QString &) {
                  return FileLink(address, u"Home Page"_s, QString(), QString());
              }},
};

const PromptRow *findRow(const QString &command)
{
    for (const PromptRow &row : PromptRows) {
        if (EqualNoCase(command, row.command))
            return &row;
    }
    return nullptr;
}

PromptRequest requestOf(const PromptRow &row, const QString &sel)
{
    PromptRequest request;
    request.label = row.label.toString();
    request.text = row.initial(sel);
    request.caption = row.caption.toString();
    request.helpTopic = row.helpTopic;
    request.upperCaseChoice = row.upperCaseChoice;
    request.digitsOnly = row.digitsOnly;
    return request;
}

// The value the row's result is built from: the stored detail, or the answer
// to the prompt (kept as the detail when the row has one).
std::optional<QString> valueFor(const PromptRow &row, const QString &sel)
{
    if (row.detail && !(Prefs().*row.detail).isEmpty())
        return Prefs().*row.detail;
    std::optional<QString> answer = dialogs().prompt(requestOf(row, sel));
    // As the prompt's own OK and Cancel leave it.
    InsertCancelled = !answer;
    if (!answer)
        return std::nullopt;
    if (row.detail) {
        Prefs().*row.detail = *answer;
        SaveUserInformation();
    }
    return answer;
}

} // namespace

QString PromptAnswer(const QString &text, bool upperCase)
{
    const QString trimmed = TrimSpaces(text);
    return upperCase ? UpperSameLength(trimmed) : trimmed;
}

QString SectionBanner(const QString &name, const QString &text)
{
    return CommentTag("Start Of "_L1 + name) + "\r\n"_L1 + text + "\r\n"_L1 + CommentTag("End of "_L1 + name);
}

QString ScriptBlock(const QString &label, const QString &body)
{
    return SectionBanner(label + " Script"_L1,
                         "<SCRIPT LANGUAGE=\"JavaScript\">\r\n<!--\r\n"_L1 + body + "\r\n// -->\r\n</SCRIPT>"_L1);
}

QString FillSnippet(const QString &snippet, const QString &value)
{
    const qsizetype at = snippet.indexOf("\"\""_L1);
    if (at < 0)
        return snippet;
    return QString(snippet).replace(at, 2, QuoteValue(value));
}

QString AnchorTag(const QString &name, const QString &selection)
{
    QString text = selection;
    for (qsizetype at = text.indexOf("<A "_L1, 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf("<A "_L1, at, Qt::CaseInsensitive)) {
        const qsizetype end = text.indexOf(u'>', at);
        if (end < 0)
            break; // not a tag: it stays
        text.remove(at, end - at + 1);
    }
    text.remove("</A>"_L1, Qt::CaseInsensitive);
    return "<A NAME="_L1 + QuoteValue(TrimSpaces(name)) + u'>' + TrimSpaces(text) + "</A>"_L1;
}

std::optional<PromptedResult> PromptedInsert(const QString &command, const QString &selection)
{
    const PromptRow *row = findRow(command);
    if (!row || (EqualNoCase(command, u"Comment") && !IsBlank(selection)))
        return std::nullopt;
    const std::optional<QString> value = valueFor(*row, selection);
    if (!value)
        return PromptedResult{true, {}};
    const QString text = row->result(*value, selection);
    if (text.isEmpty() && row->readsFile)
        return PromptedResult{true, {}};
    return PromptedResult{false, text};
}

bool IsPromptedInsert(const QString &command)
{
    return findRow(command) != nullptr;
}

QString TableCaptionText(const QString &text)
{
    if (!IsBlank(text))
        return text;
    PromptRequest request;
    request.label = u"your table caption"_s;
    request.caption = u"Table Caption"_s;
    request.helpTopic = HelpTopic::TableCaption;
    const std::optional<QString> answer = dialogs().prompt(request);
    InsertCancelled = !answer;
    return answer.value_or(QString());
}

QString LastComment()
{
    return s_lastComment;
}

void SetLastComment(const QString &comment)
{
    s_lastComment = comment;
}

} // namespace tavorin
