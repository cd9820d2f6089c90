#pragma once

// The sound dialog's tag apart from its widget: the EMBED tag that plays a
// sound with a volume, a visible or hidden player, looping and automatic
// start, its reader and its builder.

#include "html/linkdialog.h"

#include <QString>

namespace tavorin {

inline constexpr int MaximumVolume = 100;

struct SoundOptions {
    LinkKind sourceKind = LinkKind::LocalFile; // LocalFile or Internet
    QString source;                            // SRC; when building, the processed location
    int volume = MaximumVolume;                // 0 to MaximumVolume
    bool controls = false;                     // a visible player
    bool loop = false;
    bool startAuto = false;
    friend bool operator==(const SoundOptions &, const SoundOptions &) = default;
};

// A hidden player must start by itself, and a player that does not start
// by itself must be visible: without controls the sound starts
// automatically; without an automatic start the controls show.
void KeepSoundConsistent(SoundOptions &options);

// A selected EMBED tag read back (line breaks become blanks): SRC, VOLUME
// when it is a number from 0 to MaximumVolume, LOOP and AUTOSTART "True",
// CONTROLS "SmallConsole" (all any case); then made consistent.
SoundOptions ReadSound(const QString &selected);

// "<EMBED SRC=.. VOLUME=..", then CONTROLS with the console's size or
// HIDDEN, then LOOP and AUTOSTART when chosen, and ">".
QString BuildSound(const SoundOptions &options);

} // namespace tavorin
