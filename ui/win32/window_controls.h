// The child controls of one top-level window, created from its layout table.
// A control's id is its row index plus kFirstControlId, so an HWND or a
// WM_COMMAND id leads straight back to the row.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/layout.h"

namespace tagwright::win32 {

struct ControlInstance {
  const ControlDef* row;
  HWND hwnd;
  HWND container;  // the parent window: a group box, the tab control or the window
};

class WindowControls {
 public:
  static constexpr int kFirstControlId = 2000;

  // Creates every control of `layout` inside `window` at the places of the
  // table scaled to `dpi`. Throws std::runtime_error when one cannot be made.
  void build(const WindowDef& layout, HWND window, HINSTANCE instance, UINT dpi, HFONT font,
             const std::function<void(const std::wstring&)>& openAddress);
  // Places and font again, for a new DPI.
  void relayout(UINT dpi, HFONT font);

  // nullptr when `control` is none of this window's controls.
  const ControlInstance* find(HWND control) const;
  const ControlInstance* find(Role role) const;
  const ControlInstance* findByName(const char* name) const;

  // Shows the controls of tab page `page` and hides those of the others.
  void showPage(int page);
  int selectedPage() const;
  // Checks `radio` and unchecks every other radio button of its container.
  void checkExclusively(const ControlInstance& radio) const;

  const std::vector<ControlInstance>& all() const { return controls_; }
  // nullptr when the window has no tab control.
  HWND tabControl() const { return tab_; }

 private:
  RECT placeOf(const ControlDef& row, UINT dpi) const;

  std::vector<ControlInstance> controls_;
  std::vector<int> byRole_;  // control index per Role value, -1 when none
  HWND tab_ = nullptr;
};

}  // namespace tagwright::win32
