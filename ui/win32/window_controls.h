// The child controls of one top-level window, created from its layout table.
// A control's id is its row index plus kFirstControlId, so an HWND or a
// WM_COMMAND id leads straight back to the row.
//
// The contents of the tab pages after the first can wait: they are hidden
// until their page is selected. build() may leave them for buildRest(), which
// the window runs from a message it posts to itself (posted messages come
// before input), and which every look-up that needs them runs first.
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

  // Creates the controls of `layout` inside `window` at the places of the
  // table scaled to `dpi`: all of them, or with `deferOtherPages` all but the
  // contents of the tab pages after the first. Throws std::runtime_error when
  // one cannot be made.
  void build(const WindowDef& layout, HWND window, HINSTANCE instance, UINT dpi, HFONT font,
             const std::function<void(const std::wstring&)>& openAddress,
             bool deferOtherPages = false);
  // True while build() has left controls for buildRest().
  bool restPending() const { return pending_; }
  // Creates the controls build() left, in table order, hidden unless their
  // page is the selected one; nothing when none are left. Throws like build().
  void buildRest() const;
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

  const std::vector<ControlInstance>& all() const {
    buildRest();
    return controls_;
  }
  // nullptr when the window has no tab control.
  HWND tabControl() const { return tab_; }

 private:
  RECT placeOf(const ControlDef& row, UINT dpi) const;
  // Creates the control of row `index` and records it.
  void create(std::size_t index, bool visible) const;

  // What building needs, kept for buildRest().
  const WindowDef* layout_ = nullptr;
  HWND window_ = nullptr;
  HINSTANCE instance_ = nullptr;
  UINT dpi_ = 96;
  HFONT font_ = nullptr;
  std::function<void(const std::wstring&)> openAddress_;

  // One entry per row; hwnd and container stay nullptr until it is created.
  // Mutable: a const look-up may have to create the controls it asks for
  // first, which changes nothing the caller can observe but the handles.
  mutable std::vector<ControlInstance> controls_;
  mutable bool pending_ = false;
  std::vector<int> byRole_;  // control index per Role value, -1 when none
  mutable HWND tab_ = nullptr;
};

}  // namespace tagwright::win32
