#pragma once

namespace tavorin {

// Starts the system information tool named in the machine part of the
// settings store; when none is named (or its file is missing) says that
// system information is unavailable. Returns true when a tool was started.
bool ShowSystemInformation();

} // namespace tavorin
