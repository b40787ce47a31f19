// The program's start, run and end on the real desktop.
#pragma once

#include <windows.h>

namespace tagwright::win32 {

// Initialises the platform, builds MainWindow, runs the created handler,
// shows the window and runs the message loop until no window is left.
// Returns the process exit code: 0, or -1 after a fatal start failure.
int runApplication(HINSTANCE instance);

}  // namespace tagwright::win32
