#pragma once

namespace tavorin {

// The process entry: builds the application object, starts the editor and
// runs until the main window closes. Returns the process exit code.
int Main(int argc, char *argv[]);

} // namespace tavorin
