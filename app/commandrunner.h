#pragma once

#include <QString>

namespace tavorin {

// Runs an editing or tag command by its command text on the active document
// and inserts its result. The argument carries a heading level or a colour name.
void RunCommand(const QString &commandText, const QString &argument = {});

// The message shown when a command text is not known.
QString UnknownCommandMessage(const QString &commandText);

} // namespace tavorin
