#pragma once

// Counters and flags of the running editor, shared by start-up, the document
// list and the file commands.

#include <QString>

namespace tavorin {

struct AppState {
    int LastDocumentNumber = 0; // never reused
    int UntitledCount = 0;      // the next untitled document is this plus one
    bool StartupDocOpen = false; // the start-up document is open and untouched
    bool AppClosing = false;
    QString UserDataPath;
};

AppState &App();

} // namespace tavorin
