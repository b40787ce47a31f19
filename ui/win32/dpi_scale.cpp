#include "ui/win32/dpi_scale.h"

namespace tagwright::win32 {

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);

// Looked up at run time: older systems have no GetDpiForWindow.
GetDpiForWindowFunction getDpiForWindow() {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (user32 == nullptr) return nullptr;
  return reinterpret_cast<GetDpiForWindowFunction>(
      reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForWindow")));
}

GetSystemMetricsForDpiFunction getSystemMetricsForDpi() {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (user32 == nullptr) return nullptr;
  return reinterpret_cast<GetSystemMetricsForDpiFunction>(
      reinterpret_cast<void*>(GetProcAddress(user32, "GetSystemMetricsForDpi")));
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

int systemMetricFor(int index, UINT dpi) {
  const GetSystemMetricsForDpiFunction function = getSystemMetricsForDpi();
  if (function != nullptr) {
    const int value = function(index, dpi);
    if (value > 0) return value;
  }
  return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(screenDpi()));
}

}  // namespace tagwright::win32
