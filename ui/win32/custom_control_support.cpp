#include "ui/win32/custom_control_support.h"

namespace tagwright::win32 {

HINSTANCE codeModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&codeModule), &module);
  return module ? module : GetModuleHandleW(nullptr);
}

bool registerControlClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                          LPCWSTR cursor) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, name, &existing)) return true;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, cursor);
  wc.lpszClassName = name;
  return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void paintParentBackground(HWND window, HDC dc, const RECT& rect) {
  HBRUSH brush = nullptr;
  if (HWND parent = GetParent(window)) {
    brush = reinterpret_cast<HBRUSH>(SendMessageW(
        parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window)));
  }
  FillRect(dc, &rect, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
}

HFONT fontOrDefault(HFONT font) {
  return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace tagwright::win32
