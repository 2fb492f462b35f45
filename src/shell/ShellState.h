#pragma once

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
    RepeatedErrors ShownErrors;  // errors that come back while their cause stays, shown once
};

} // namespace vq
