#pragma once

#include <QString>

namespace tavorin {

// The process entry: builds the application object, starts the editor and
// runs until the main window closes. Returns the process exit code.
int Main(int argc, char *argv[]);

// Reports an unexpected failure during start-up; the caller then ends the
// process. Error 7 (or 31001) is running out of memory.
void AppError(int errorNumber, int openDocuments);

// The text AppError shows for an error number.
QString AppErrorMessage(int errorNumber, int openDocuments);

} // namespace tavorin
