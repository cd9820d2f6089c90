#include "app/statusmessages.h"

namespace tavorin {

namespace {
StatusSinks &sinks()
{
    static StatusSinks s_sinks;
    return s_sinks;
}
} // namespace

void ShowStatusMessage(const QString &text)
{
    if (sinks().show)
        sinks().show(text);
}

void ReleaseStatusMessage()
{
    if (sinks().release)
        sinks().release();
}

Hourglass::Hourglass()
{
    if (sinks().busyOn)
        sinks().busyOn();
}

Hourglass::~Hourglass()
{
    if (sinks().busyOff)
        sinks().busyOff();
}

void installStatusSinks(StatusSinks newSinks)
{
    sinks() = std::move(newSinks);
}

} // namespace tavorin
