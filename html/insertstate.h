#pragma once

namespace tavorin {

// One process-wide flag: True while the current insert was refused or its
// dialog cancelled. Every command clears it first; every modal dialog sets it
// when it becomes active and clears it only when OK accepts; the single-tag
// and frame-document guards set it to refuse; a result is inserted only while
// it is clear.
extern bool InsertCancelled;

} // namespace tavorin
