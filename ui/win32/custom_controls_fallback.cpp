// Stand-ins for the picture box, hyperlink label and web view, used only while
// their real implementations are not part of the build: plain static controls
// that show the caption or address.
#include "ui/win32/custom_controls.h"

namespace tagwright::win32 {

namespace {

HWND createStatic(HWND parent, int id, const RECT& rect, const std::wstring& text, DWORD style) {
  return CreateWindowExW(0, L"STATIC", text.c_str(), WS_CHILD | WS_VISIBLE | SS_NOPREFIX | style,
                         rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

void registerCustomControls(HINSTANCE) {}

HWND createPictureBox(HWND parent, int id, const RECT& rect, ImageId, bool) {
  return createStatic(parent, id, rect, L"", SS_ETCHEDFRAME);
}

HWND createHyperlink(HWND parent, int id, const RECT& rect, const std::wstring& caption,
                     const std::wstring&, std::function<void(const std::wstring&)>) {
  return createStatic(parent, id, rect, caption, SS_CENTER);
}

HWND createWebView(HWND parent, int id, const RECT& rect, const std::wstring& address,
                   std::function<void(const std::wstring&)>) {
  return createStatic(parent, id, rect, address, SS_CENTER);
}

SIZE pictureImageSize(HWND) {
  return SIZE{0, 0};
}

bool webViewHasBrowser(HWND) {
  return false;
}

bool translateWebViewMessage(MSG&) {
  return false;
}

}  // namespace tagwright::win32
