#include "ui/win32/dpi_scale.h"

namespace tagwright::win32 {

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

// Looked up at run time: older systems have no GetDpiForWindow.
GetDpiForWindowFunction getDpiForWindow() {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (user32 == nullptr) return nullptr;
  return reinterpret_cast<GetDpiForWindowFunction>(
      reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForWindow")));
}

UINT screenDpi() {
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) return kBaseDpi;
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : kBaseDpi;
}

}  // namespace

UINT dpiOf(HWND window) {
  if (window != nullptr) {
    const GetDpiForWindowFunction function = getDpiForWindow();
    if (function != nullptr) {
      const UINT dpi = function(window);
      if (dpi != 0) return dpi;
    }
  }
  return screenDpi();
}

}  // namespace tagwright::win32
