// Every place and size of the layout tables is written at 96 DPI; this is the
// one helper that turns them into pixels of the current DPI.
#pragma once

#include <windows.h>

namespace tagwright::win32 {

constexpr UINT kBaseDpi = 96;

inline int scale(int value96, UINT dpi) {
  return MulDiv(value96, static_cast<int>(dpi), static_cast<int>(kBaseDpi));
}

// The DPI of the window's monitor, or of the screen when the system cannot
// tell per window.
UINT dpiOf(HWND window);

// A system metric (SM_CXICON, ...) for `dpi`: the system's own value where it
// can tell per DPI, else the system-DPI value scaled.
int systemMetricFor(int index, UINT dpi);

}  // namespace tagwright::win32
