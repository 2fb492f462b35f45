#pragma once

namespace vq {

// A desktop program started from the menu has no one reading its terminal, and one started from a
// terminal should print real problems only. Qt (and the phone's browser engine) print settings dumps,
// warnings meant for their own developers and the teaching pages' console messages; unless
// VELQUINLAN_DEBUG=1 asks for them, only Qt's critical and fatal messages and the engine's fatal ones
// are let through. Called first thing in main(), before the application object exists.
void KeepTerminalQuiet();

[[nodiscard]] bool DebugOutputWanted();

} // namespace vq
