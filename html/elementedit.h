#pragma once

// How the element dialogs (tables, frames) put a rebuilt opening tag back:
// applied to a selected element of the same kind only its opening tag is
// replaced; otherwise the selected text is wrapped in the new element.

#include <QString>

namespace tavorin {

// The text up to and including its first ">", when that ">" is not the first
// character; "" otherwise.
QString OpeningTagOf(const QString &text);

// newTag in place of the opening tag that text begins with (spaces before it
// stay); the rest of the text follows unchanged.
QString ReplaceOpeningTag(const QString &text, const QString &openingTag, const QString &newTag);

// newTag + "\r\n" + text (indented by one tab when indent is true) + "\r\n"
// + "</" + tagName + ">".
QString WrapInElement(const QString &newTag, const QString &tagName, const QString &text, bool indent);

} // namespace tavorin
