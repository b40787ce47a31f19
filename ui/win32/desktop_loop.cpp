// Win32Desktop: the message loop and its keyboard pre-filter.
#include <cwchar>

#include "ui/win32/custom_controls.h"
#include "ui/win32/desktop.h"

namespace tagwright::win32 {

namespace {

bool hasClass(HWND hwnd, const wchar_t* name) {
  wchar_t className[32] = {};
  return hwnd != nullptr && GetClassNameW(hwnd, className, 32) > 0 &&
         _wcsicmp(className, name) == 0;
}

// The combo box a key message belongs to (the combo or its edit part).
HWND comboOf(HWND hwnd) {
  if (hasClass(hwnd, L"ComboBox")) return hwnd;
  HWND parent = GetParent(hwnd);
  return hasClass(parent, L"ComboBox") ? parent : nullptr;
}

bool isListDropped(HWND hwnd) {
  HWND combo = comboOf(hwnd);
  return combo != nullptr && SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != FALSE;
}

}  // namespace

bool Win32Desktop::preTranslateMessage(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  HWND root = GetAncestor(message.hwnd, GA_ROOT);
  if (topOf(root) == nullptr) return false;
  switch (message.wParam) {
    case VK_ESCAPE:
      // Esc closes the window from every control; an open list closes first.
      if (isListDropped(message.hwnd)) return false;
      PostMessageW(root, WM_CLOSE, 0, 0);
      return true;
    case VK_TAB: {
      if (isListDropped(message.hwnd)) return false;
      HWND from = comboOf(message.hwnd);
      if (from == nullptr) from = message.hwnd;
      const bool backwards = GetKeyState(VK_SHIFT) < 0;
      HWND next = GetNextDlgTabItem(root, from, backwards ? TRUE : FALSE);
      if (next != nullptr) SetFocus(next);
      return true;
    }
    default:
      return false;
  }
}

void Win32Desktop::runMessageLoop() {
  MSG message;
  while (anyWindowOpen()) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    if (preTranslateMessage(message) || translateWebViewMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void Win32Desktop::pumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) continue;
    if (preTranslateMessage(message) || translateWebViewMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace tagwright::win32
