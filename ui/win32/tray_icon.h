// The program's icon in the notification area.
#pragma once

#include <windows.h>

#include <string>

namespace tagwright::win32 {

// The callback message the icon sends to its window; lParam is the mouse
// message (WM_LBUTTONUP, ...).
constexpr UINT kTrayCallbackMessage = WM_APP + 1;

class TrayIcon {
 public:
  TrayIcon() = default;
  ~TrayIcon() { remove(); }
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // Adds the icon, or replaces icon and tip when it is shown already.
  bool show(HWND window, HICON icon, const std::wstring& tip);
  void remove();
  // After the desktop shell restarted ("TaskbarCreated"): add it again.
  void restore();
  bool shown() const { return shown_; }
  HWND window() const { return window_; }
  HICON icon() const { return icon_; }

 private:
  bool add();

  HWND window_ = nullptr;
  HICON icon_ = nullptr;
  std::wstring tip_;
  bool shown_ = false;
};

// The tray event a mouse message over the icon raises: 1 left release, 2 left
// double-click, 3 right release or context-menu key, 0 nothing.
int trayEventCode(LPARAM mouseMessage);

}  // namespace tagwright::win32
