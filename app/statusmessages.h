#pragma once

// Transient status-bar messages and the hourglass pointer, reachable from the
// core library. The main window installs the real sinks; without them both
// do nothing, so pure code can announce long operations unconditionally.

#include <QString>

#include <functional>

namespace tavorin {

// Shows text (plus one space) as the status bar's transient message.
void ShowStatusMessage(const QString &text);
// Lets the transient message go one second from now.
void ReleaseStatusMessage();

// Shows the hourglass pointer while it lives; nests.
class Hourglass {
public:
    Hourglass();
    ~Hourglass();
    Q_DISABLE_COPY_MOVE(Hourglass)
};

struct StatusSinks {
    std::function<void(const QString &)> show;
    std::function<void()> release;
    std::function<void()> busyOn;
    std::function<void()> busyOff;
};
void installStatusSinks(StatusSinks sinks);

} // namespace tavorin
