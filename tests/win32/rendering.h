// What a control or an icon looks like: its pixels drawn into a bitmap, for
// tests that check colours and images.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace tagwright::win32 {

// Pixels top-down, row by row.
struct Rendering {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;
  COLORREF at(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
  int count(const std::function<bool(int r, int g, int b)>& kind) const;
};

// The client area of a control as it paints itself through WM_PRINTCLIENT.
Rendering render(HWND control);
// An icon drawn at its own size over black.
Rendering render(HICON icon);

bool isBlue(int r, int g, int b);
bool isMagenta(int r, int g, int b);
bool isDarkRed(int r, int g, int b);

}  // namespace tagwright::win32
