#include "ui/win32/tray_icon.h"

#include <shellapi.h>

#include <algorithm>
#include <cwchar>

namespace tagwright::win32 {

namespace {

constexpr UINT kTrayIconId = 1;

NOTIFYICONDATAW describe(HWND window, HICON icon, const std::wstring& tip) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = window;
  data.uID = kTrayIconId;
  data.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
  data.uCallbackMessage = kTrayCallbackMessage;
  data.hIcon = icon;
  const std::size_t room = sizeof data.szTip / sizeof data.szTip[0] - 1;
  const std::size_t length = std::min(tip.size(), room);
  std::wmemcpy(data.szTip, tip.data(), length);
  data.szTip[length] = L'\0';
  return data;
}

}  // namespace

bool TrayIcon::add() {
  NOTIFYICONDATAW data = describe(window_, icon_, tip_);
  shown_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
  return shown_;
}

bool TrayIcon::show(HWND window, HICON icon, const std::wstring& tip) {
  if (shown_ && window != window_) remove();
  const bool replace = shown_;
  window_ = window;
  icon_ = icon;
  tip_ = tip;
  if (!replace) return add();
  NOTIFYICONDATAW data = describe(window_, icon_, tip_);
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

void TrayIcon::remove() {
  if (!shown_) return;
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = window_;
  data.uID = kTrayIconId;
  Shell_NotifyIconW(NIM_DELETE, &data);
  shown_ = false;
  window_ = nullptr;
}

void TrayIcon::restore() {
  if (shown_) add();
}

int trayEventCode(LPARAM mouseMessage) {
  switch (static_cast<UINT>(mouseMessage)) {
    case WM_LBUTTONUP:
      return 1;
    case WM_LBUTTONDBLCLK:
      return 2;
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU:
      return 3;
    default:
      return 0;
  }
}

}  // namespace tagwright::win32
