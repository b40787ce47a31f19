#include "ui/win32/window_controls.h"

#include <commctrl.h>

#include <stdexcept>
#include <string_view>

#include "ui/win32/container_forwarding.h"
#include "ui/win32/control_factory.h"
#include "ui/win32/dpi_scale.h"

namespace tagwright::win32 {

namespace {

bool sameName(const char* a, const char* b) {
  return a != nullptr && b != nullptr && std::string_view(a) == b;
}

std::string_view rowLabel(const ControlDef& row) {
  return row.name != nullptr ? std::string_view(row.name) : roleName(row.role);
}

}  // namespace

RECT WindowControls::placeOf(const ControlDef& row, UINT dpi) const {
  RECT rect;
  rect.left = scale(row.x, dpi);
  rect.top = scale(row.y, dpi);
  rect.right = rect.left + scale(row.width, dpi);
  rect.bottom = rect.top + scale(row.height, dpi);
  return rect;
}

void WindowControls::build(const WindowDef& layout, HWND window, HINSTANCE instance, UINT dpi,
                           HFONT font,
                           const std::function<void(const std::wstring&)>& openAddress) {
  controls_.clear();
  controls_.reserve(layout.controlCount);
  byRole_.clear();
  tab_ = nullptr;

  for (std::size_t i = 0; i < layout.controlCount; ++i) {
    const ControlDef& row = layout.controls[i];
    HWND parent = window;
    if (row.container != nullptr) {
      // Containers come before their contents in the table.
      const ControlInstance* container = findByName(row.container);
      if (container == nullptr) {
        throw std::runtime_error("container " + std::string(row.container) + " of " +
                                 std::string(rowLabel(row)) + " not found before it");
      }
      parent = container->hwnd;
    }
    ControlContext context{instance,          parent, kFirstControlId + static_cast<int>(i),
                           placeOf(row, dpi), dpi,    openAddress};
    HWND control = createControl(row, context);
    if (control == nullptr) {
      throw std::runtime_error("cannot create control " + std::string(rowLabel(row)));
    }
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    applyStartContent(row, control);
    if (isContainerKind(row.kind)) forwardNotifications(control, window);
    if (row.kind == ControlKind::tabControl) tab_ = control;
    // Page contents that are not on the first page start hidden.
    if (parent == tab_ && tab_ != nullptr && row.page > 0) ShowWindow(control, SW_HIDE);

    controls_.push_back(ControlInstance{&row, control, parent});
    if (row.role != Role::none) {
      const auto role = static_cast<std::size_t>(row.role);
      if (role >= byRole_.size()) byRole_.resize(role + 1, -1);
      byRole_[role] = static_cast<int>(i);
    }
  }
}

void WindowControls::relayout(UINT dpi, HFONT font) {
  for (const ControlInstance& control : controls_) {
    const RECT rect = placeOf(*control.row, dpi);
    int height = rect.bottom - rect.top;
    if (control.row->kind == ControlKind::comboBox) height = scale(kDroppedListHeight96, dpi);
    SetWindowPos(control.hwnd, nullptr, rect.left, rect.top, rect.right - rect.left, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
}

const ControlInstance* WindowControls::find(HWND control) const {
  if (control == nullptr) return nullptr;
  const int index = GetDlgCtrlID(control) - kFirstControlId;
  if (index < 0 || static_cast<std::size_t>(index) >= controls_.size()) return nullptr;
  const ControlInstance& instance = controls_[static_cast<std::size_t>(index)];
  // Ids are only unique among siblings: a combo's own edit box has id 1001.
  return instance.hwnd == control ? &instance : nullptr;
}

const ControlInstance* WindowControls::find(Role role) const {
  const auto index = static_cast<std::size_t>(role);
  if (role == Role::none || index >= byRole_.size() || byRole_[index] < 0) return nullptr;
  return &controls_[static_cast<std::size_t>(byRole_[index])];
}

const ControlInstance* WindowControls::findByName(const char* name) const {
  for (const ControlInstance& control : controls_) {
    if (sameName(control.row->name, name)) return &control;
  }
  return nullptr;
}

void WindowControls::showPage(int page) {
  if (tab_ == nullptr) return;
  if (TabCtrl_GetCurSel(tab_) != page) TabCtrl_SetCurSel(tab_, page);
  // Hide first, then show, so two pages are never visible at once.
  for (const ControlInstance& control : controls_) {
    if (control.container == tab_ && control.row->page != page) ShowWindow(control.hwnd, SW_HIDE);
  }
  for (const ControlInstance& control : controls_) {
    if (control.container == tab_ && control.row->page == page) ShowWindow(control.hwnd, SW_SHOW);
  }
}

int WindowControls::selectedPage() const {
  return tab_ != nullptr ? TabCtrl_GetCurSel(tab_) : -1;
}

void WindowControls::checkExclusively(const ControlInstance& radio) const {
  for (const ControlInstance& control : controls_) {
    if (control.row->kind != ControlKind::radioButton || control.container != radio.container) {
      continue;
    }
    const WPARAM state = control.hwnd == radio.hwnd ? BST_CHECKED : BST_UNCHECKED;
    if (SendMessageW(control.hwnd, BM_GETCHECK, 0, 0) != static_cast<LRESULT>(state)) {
      SendMessageW(control.hwnd, BM_SETCHECK, state, 0);
    }
  }
}

}  // namespace tagwright::win32
