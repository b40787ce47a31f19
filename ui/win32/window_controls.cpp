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
                           HFONT font, const std::function<void(const std::wstring&)>& openAddress,
                           bool deferOtherPages) {
  layout_ = &layout;
  window_ = window;
  instance_ = instance;
  dpi_ = dpi;
  font_ = font;
  openAddress_ = openAddress;
  controls_.clear();
  controls_.reserve(layout.controlCount);
  byRole_.clear();
  tab_ = nullptr;
  pending_ = false;

  for (std::size_t i = 0; i < layout.controlCount; ++i) {
    const ControlDef& row = layout.controls[i];
    controls_.push_back(ControlInstance{&row, nullptr, nullptr});
    if (row.role != Role::none) {
      const auto role = static_cast<std::size_t>(row.role);
      if (role >= byRole_.size()) byRole_.resize(role + 1, -1);
      byRole_[role] = static_cast<int>(i);
    }
  }
  for (std::size_t i = 0; i < layout.controlCount; ++i) {
    // Every control of a later page, in a group box or not, has its page set.
    if (deferOtherPages && layout.controls[i].page > 0) {
      pending_ = true;
      continue;
    }
    // Page contents that are not on the first page start hidden.
    create(i, layout.controls[i].page <= 0);
  }
}

void WindowControls::create(std::size_t index, bool visible) const {
  const ControlDef& row = layout_->controls[index];
  HWND parent = window_;
  if (row.container != nullptr) {
    // Containers come before their contents in the table (and on the same
    // page or on none).
    const ControlInstance* container = nullptr;
    for (std::size_t i = 0; i < index && container == nullptr; ++i) {
      if (sameName(controls_[i].row->name, row.container)) container = &controls_[i];
    }
    if (container == nullptr || container->hwnd == nullptr) {
      throw std::runtime_error("container " + std::string(row.container) + " of " +
                               std::string(rowLabel(row)) + " not found before it");
    }
    parent = container->hwnd;
  }
  // Only the direct contents of the tab control are shown and hidden with
  // their page; what lies in a group box follows the group box.
  const bool shown = visible || parent != tab_ || tab_ == nullptr;
  ControlContext context{instance_,          parent, kFirstControlId + static_cast<int>(index),
                         placeOf(row, dpi_), dpi_,   shown,
                         openAddress_};
  HWND control = createControl(row, context);
  if (control == nullptr) {
    throw std::runtime_error("cannot create control " + std::string(rowLabel(row)));
  }
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  applyStartContent(row, control);
  if (isContainerKind(row.kind)) forwardNotifications(control, window_);
  if (row.kind == ControlKind::tabControl) tab_ = control;
  // Recorded last: no notification can find the control while it is made.
  controls_[index] = ControlInstance{&row, control, parent};
}

void WindowControls::buildRest() const {
  if (!pending_) return;
  // Cleared first: a look-up during the building does not start it again.
  pending_ = false;
  const int selected = selectedPage();
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i].hwnd == nullptr) create(i, controls_[i].row->page == selected);
  }
}

void WindowControls::relayout(UINT dpi, HFONT font) {
  // Controls made later take the new values.
  dpi_ = dpi;
  font_ = font;
  for (const ControlInstance& control : controls_) {
    if (control.hwnd == nullptr) continue;
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
  const ControlInstance& control = controls_[static_cast<std::size_t>(byRole_[index])];
  if (control.hwnd == nullptr) buildRest();
  return control.hwnd != nullptr ? &control : nullptr;
}

const ControlInstance* WindowControls::findByName(const char* name) const {
  for (const ControlInstance& control : controls_) {
    if (!sameName(control.row->name, name)) continue;
    if (control.hwnd == nullptr) buildRest();
    return control.hwnd != nullptr ? &control : nullptr;
  }
  return nullptr;
}

void WindowControls::showPage(int page) {
  if (tab_ == nullptr) return;
  // The first page is never left for later.
  if (page > 0) buildRest();
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
