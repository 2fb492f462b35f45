#pragma once

#include <QString>
#include <QtGlobal>

namespace vq {

// A desktop program started from the menu has no one reading its terminal, and one started from a
// terminal should print real problems only. Qt and the phone's browser engine print, on every start
// and in normal use, a settings dump, notes of the platform plugin about what it cannot do, the
// camera's multimedia chatter and the teaching pages' console messages; unless VELQUINLAN_DEBUG=1 asks
// for them, those (see IsKnownNoise) are dropped and every other warning still reaches the terminal.
// The engine's own log keeps its fatal errors only. Called first thing in main(), before the
// application object exists.
void KeepTerminalQuiet();

[[nodiscard]] bool DebugOutputWanted();

// True for a message known to be no problem of the program: debug and information messages, the
// engine's settings dump, multimedia (and through it GStreamer) messages, the pages' console, and
// the platform notes a normal start prints (offscreen and without a GPU among them).
[[nodiscard]] bool IsKnownNoise(QtMsgType type, const char* category, const QString& message);

} // namespace vq
