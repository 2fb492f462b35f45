#pragma once

#include "platform/StationLock.h"
#include "shell/Heartbeat.h"
#include "shell/RepeatedErrors.h"

namespace vq {

// The designed three-key geometry, taken once at start-up.
struct KeyLayout {
    int backLeft = 0;
    int menuLeft = 0;
    int homeLeft = 0;
    int homeTop = 0;
    int homeWidth = 0;
    int homeHeight = 0;
};

struct WindowPos {
    int Top = 0;
    int Left = 0;
};

struct ShellState {
    KeyLayout SavedKeyLayout;
    WindowPos SavedWindowPos;
    bool CloseRequested = false; // the power key was pressed
    // Held from start-up to the end: no second phone starts under this station's name.
    StationLock NameHeld;
    // Declared after the lock, so that the phone's end removes its heartbeat before it lets the lock go.
    Heartbeat Alive;
    // Start-up refused the name (no station can have it, or a running one has it): the phone then
    // acts as no station at all until it is closed.
    bool StationRefused = false;
    RepeatedErrors ShownErrors;  // errors that come back while their cause stays, shown once
};

} // namespace vq
