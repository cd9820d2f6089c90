#pragma once

// Editing a selected element by its opening tag: the frame dialog (and any
// dialog that builds one element at a time) either replaces only the opening
// tag of a selected element of its own kind, keeping what the element holds,
// or wraps the selected text in a new element.

#include <QString>

namespace tavorin {

// The opening tag of a selected element: from its first "<" up to and
// including the first ">" after it (to the end when there is none); "" when
// the text holds no "<".
QString OpeningTagOf(const QString &text);

// With sameKind: opening in place of the text's opening tag (the text
// without "<" is put after it).
// Otherwise opening + "\r\n" + the text (indented by one tab when IndentCode
// is on) + "\r\n" + "</" + tag + ">".
QString ReplaceOrWrapElement(const QString &opening, const QString &text, bool sameKind, const QString &tag);

} // namespace tavorin
