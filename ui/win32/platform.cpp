#include "ui/win32/platform.h"

// windows.h must come before the other system headers.
// clang-format off
#include <windows.h>
// clang-format on

#include <commctrl.h>
#include <ole2.h>

namespace tagwright::win32 {

namespace {

// The manifest declares per-monitor awareness; this covers a run without it.
// Looked up at run time: older systems lack the newer calls.
void becomeDpiAware() {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (user32 == nullptr) return;
  using SetContextFunction = BOOL(WINAPI*)(HANDLE);
  auto setContext = reinterpret_cast<SetContextFunction>(
      reinterpret_cast<void*>(GetProcAddress(user32, "SetProcessDpiAwarenessContext")));
  // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2 and _PER_MONITOR_AWARE.
  if (setContext != nullptr &&
      (setContext(reinterpret_cast<HANDLE>(-4)) || setContext(reinterpret_cast<HANDLE>(-3)))) {
    return;
  }
  using SetAwareFunction = BOOL(WINAPI*)();
  auto setAware = reinterpret_cast<SetAwareFunction>(
      reinterpret_cast<void*>(GetProcAddress(user32, "SetProcessDPIAware")));
  if (setAware != nullptr) setAware();
}

}  // namespace

PlatformScope::PlatformScope() {
  becomeDpiAware();
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_WIN95_CLASSES;
  InitCommonControlsEx(&controls);
  oleStarted_ = SUCCEEDED(OleInitialize(nullptr));
}

PlatformScope::~PlatformScope() {
  if (oleStarted_) OleUninitialize();
}

}  // namespace tagwright::win32
