// Win32Desktop: the operations the handlers ask of the desktop.

// windows.h must come before the other system headers.
// clang-format off
#include <windows.h>
// clang-format on

#include <commctrl.h>
#include <shellapi.h>

#include "ui/win32/clipboard.h"
#include "ui/win32/desktop.h"
#include "ui/win32/dpi_scale.h"
#include "ui/win32/menu_bar.h"
#include "ui/win32/text_convert.h"

namespace tagwright::win32 {

namespace {

// The tip is cut like the system's ANSI call cuts it.
constexpr std::size_t kTrayTipBytes = 62;
// The popup appears this far right of and below the mouse pointer.
constexpr int kPopupOffset96 = 3;

constexpr char kMessageTitle[] = "信息：";

}  // namespace

const ControlInstance* Win32Desktop::mainControl(Role role) const {
  return main_.controls != nullptr ? main_.controls->find(role) : nullptr;
}

Text Win32Desktop::readText(Role edit) {
  const ControlInstance* control = mainControl(edit);
  return control != nullptr ? windowText(control->hwnd) : Text();
}

void Win32Desktop::writeText(Role edit, const Text& text) {
  const ControlInstance* control = mainControl(edit);
  if (control == nullptr) return;
  const ControlDef& row = *control->row;
  {
    // A one-line box reports its own EN_CHANGE during WM_SETTEXT (a
    // multi-line one does not); either way the event is raised once, below.
    struct Suppress {
      int& depth;
      explicit Suppress(int& d) : depth(d) { ++depth; }
      ~Suppress() { --depth; }
    } suppress(suppressNotifications_);
    SetWindowTextW(control->hwnd, toWide(text).c_str());
  }
  raise(row, ControlEvent::textChanged);
}

bool Win32Desktop::isChecked(Role radio) {
  const ControlInstance* control = mainControl(radio);
  return control != nullptr && SendMessageW(control->hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int Win32Desktop::selectedIndex(Role list) {
  const ControlInstance* control = mainControl(list);
  if (control == nullptr) return -1;
  const LRESULT index = SendMessageW(control->hwnd, CB_GETCURSEL, 0, 0);
  return index == CB_ERR ? -1 : static_cast<int>(index);
}

void Win32Desktop::setWindowVisible(WindowId window, bool visible) {
  TopWindow& found = top(window);
  if (found.hwnd == nullptr) return;
  if (!visible) {
    ShowWindow(found.hwnd, SW_HIDE);
    return;
  }
  // SW_SHOW keeps a minimised window minimised.
  ShowWindow(found.hwnd, SW_SHOW);
  if (!IsIconic(found.hwnd)) SetForegroundWindow(found.hwnd);
}

void Win32Desktop::setMenuVisible(MenuRole menu, bool visible) {
  if (main_.hwnd == nullptr) return;
  const int index = menuIndexOf(*main_.layout, menu);
  if (index < 0) return;
  main_.hiddenMenus[static_cast<std::size_t>(index)] = !visible;
  HMENU bar = buildMenuBar(*main_.layout, main_.hiddenMenus);
  HMENU old = GetMenu(main_.hwnd);
  SetMenu(main_.hwnd, bar);
  if (old != nullptr) DestroyMenu(old);
  DrawMenuBar(main_.hwnd);
}

void Win32Desktop::popupMenu(WindowId, MenuRole menu) {
  if (main_.layout == nullptr) return;
  const int index = menuIndexOf(*main_.layout, menu);
  if (index < 0) return;
  HMENU popup = buildPopupMenu(*main_.layout, static_cast<std::size_t>(index));
  POINT at{};
  GetCursorPos(&at);
  const int offset = scale(kPopupOffset96, dpiOf(main_.hwnd));
  // Owned by the hidden helper made foreground, so MainWindow stays where it
  // is and a click elsewhere closes the menu; WM_NULL lets it close cleanly.
  SetForegroundWindow(helper_);
  const UINT chosen = static_cast<UINT>(TrackPopupMenuEx(
      popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
      at.x + offset, at.y + offset, helper_, nullptr));
  PostMessageW(helper_, WM_NULL, 0, 0);
  DestroyMenu(popup);
  if (chosen != 0) PostMessageW(helper_, kRunMenuCommandMessage, chosen, 0);
}

void Win32Desktop::openWindow(WindowId window) {
  TopWindow& found = top(window);
  if (found.hwnd != nullptr) {
    activate(found);
    return;
  }
  found.layout = window == WindowId::MainWindow ? &mainWindowLayout() : &copyrightWindowLayout();
  createWindow(found);
  if (found.controls != nullptr) found.controls->showPage(0);
  ShowWindow(found.hwnd, SW_SHOW);
  UpdateWindow(found.hwnd);
  SetForegroundWindow(found.hwnd);
}

void Win32Desktop::showTrayIcon(WindowId window, IconId, const Text& tip) {
  HWND hwnd = top(window).hwnd;
  if (hwnd == nullptr) return;
  tray_.show(hwnd, programIcon(GetSystemMetrics(SM_CXSMICON)), toWide(cutGbk(tip, kTrayTipBytes)));
}

bool Win32Desktop::copyToClipboard(const Text& text) {
  return putTextOnClipboard(helper_, text);
}

void Win32Desktop::showMessage(const Text& text) {
  MessageBoxW(nullptr, toWide(text).c_str(), toWide(kMessageTitle).c_str(), MB_OK | MB_TASKMODAL);
}

void Win32Desktop::openAddress(const Text& url) {
  opener_(toWide(url));
}

void Win32Desktop::endProgram() {
  if (program_ != nullptr) program_->exitCleanup();
  tray_.remove();
  processExit_();
}

}  // namespace tagwright::win32
