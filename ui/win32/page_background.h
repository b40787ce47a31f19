// The background of the tab control's pages. With visual styles the page body
// is drawn by the theme (white on current systems), not in the dialog colour,
// so labels, radio buttons and group boxes on a page paint with a brush made
// from that body; without a theme they keep the dialog colour.
#pragma once

#include <windows.h>

namespace tagwright::win32 {

class PageBackground {
 public:
  PageBackground() = default;
  ~PageBackground() { release(); }
  PageBackground(const PageBackground&) = delete;
  PageBackground& operator=(const PageBackground&) = delete;

  // Draws the page body of `tab` at its current size (again after a size,
  // DPI or theme change).
  void update(HWND tab);
  // The brush for `control`, a control on a page, aligned so that its pattern
  // continues the tab's; nullptr when the pages use the dialog colour.
  HBRUSH brushFor(HWND control, HDC dc) const;

 private:
  void release();

  HWND tab_ = nullptr;
  HBRUSH brush_ = nullptr;
};

}  // namespace tagwright::win32
