// Group boxes and the tab control are real parent windows, so their children's
// notifications (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*) reach them instead of
// the top-level window. A subclass passes them on.
#pragma once

#include <windows.h>

namespace tagwright::win32 {

// From now on the notifications that reach `container` go to `target`.
bool forwardNotifications(HWND container, HWND target);

}  // namespace tagwright::win32
