// Helpers shared by the program's own window classes (picture box, hyperlink
// label, web view): class names, registration, background, font, per-window
// state and a window-procedure guard.
#pragma once

#include <windows.h>

#include <memory>

namespace tagwright::win32 {

inline constexpr wchar_t kPictureBoxClass[] = L"TagwrightPictureBox";
inline constexpr wchar_t kHyperlinkClass[] = L"TagwrightHyperlink";
inline constexpr wchar_t kWebViewClass[] = L"TagwrightWebView";

// The module holding this code and its resources (the exe when linked statically).
HINSTANCE codeModule();

// Register one class each; called by registerCustomControls.
bool registerPictureBoxClass(HINSTANCE instance);
bool registerHyperlinkClass(HINSTANCE instance);
bool registerWebViewClass(HINSTANCE instance);

// Registers one class unless it already is; false when registration failed.
bool registerControlClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                          LPCWSTR cursor);

// Fills `rect` the way the parent colours its static controls (WM_CTLCOLORSTATIC),
// so a control blends into a tab page or dialog background.
void paintParentBackground(HWND window, HDC dc, const RECT& rect);

// The font set with WM_SETFONT, else the stock GUI font.
HFONT fontOrDefault(HFONT font);

// Per-window state owned by the window: attached in WM_NCCREATE, deleted after
// WM_NCDESTROY.
template <typename State>
State* stateOf(HWND window) {
  return reinterpret_cast<State*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

template <typename State>
void attachState(HWND window, std::unique_ptr<State> state) {
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state.release()));
}

template <typename State>
void detachState(HWND window) {
  delete reinterpret_cast<State*>(SetWindowLongPtrW(window, GWLP_USERDATA, 0));
}

// Runs a window procedure body so that no exception leaves it: on an exception
// the message gets the default handling.
template <typename Body>
LRESULT guardedWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                               Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace tagwright::win32
