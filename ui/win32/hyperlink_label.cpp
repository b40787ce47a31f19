// Hyperlink label: an owner-drawn window that shows its caption centred on one
// line in a thin frame, with a hand pointer. Blue at rest, magenta while the
// pointer is over it, dark red once opened; each left press calls `open`.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "ui/win32/custom_control_support.h"
#include "ui/win32/custom_controls.h"

namespace tagwright::win32 {
namespace {

constexpr COLORREF kRestColour = RGB(0x00, 0x00, 0xFF);
constexpr COLORREF kHoverColour = RGB(0xFF, 0x00, 0xFF);
constexpr COLORREF kOpenedColour = RGB(0x80, 0x00, 0x00);

struct HyperlinkState {
  std::wstring address;
  std::function<void(const std::wstring&)> open;
  HFONT font = nullptr;  // not owned
  bool hovered = false;
  bool opened = false;
};

COLORREF captionColour(const HyperlinkState& state) {
  if (state.hovered) return kHoverColour;
  return state.opened ? kOpenedColour : kRestColour;
}

void paintHyperlink(HWND window, HDC dc) {
  RECT client{};
  GetClientRect(window, &client);
  paintParentBackground(window, dc, client);
  const HyperlinkState* state = stateOf<HyperlinkState>(window);
  if (!state) return;
  FrameRect(dc, &client, GetSysColorBrush(COLOR_BTNSHADOW));

  int length = GetWindowTextLengthW(window);
  std::wstring caption(static_cast<size_t>(length) + 1, L'\0');
  length = GetWindowTextW(window, caption.data(), length + 1);
  caption.resize(static_cast<size_t>(length > 0 ? length : 0));

  HGDIOBJ oldFont = SelectObject(dc, fontOrDefault(state->font));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, captionColour(*state));
  RECT text = client;
  InflateRect(&text, -1, -1);
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, oldFont);
}

void setHovered(HWND window, HyperlinkState& state, bool hovered) {
  if (state.hovered == hovered) return;
  state.hovered = hovered;
  if (hovered) {
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = window;
    TrackMouseEvent(&track);
  }
  InvalidateRect(window, nullptr, FALSE);
}

void press(HWND window, HyperlinkState& state) {
  state.opened = true;
  InvalidateRect(window, nullptr, FALSE);
  // A copy: the callback may destroy this window and with it the state.
  auto open = state.open;
  std::wstring address = state.address;
  if (open) open(address);
}

LRESULT CALLBACK hyperlinkProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return guardedWindowProcedure(window, message, wParam, lParam, [&]() -> LRESULT {
    HyperlinkState* state = stateOf<HyperlinkState>(window);
    switch (message) {
      case WM_NCCREATE:
        attachState(window, std::make_unique<HyperlinkState>());
        break;
      case WM_NCDESTROY:
        detachState<HyperlinkState>(window);
        break;
      case WM_ERASEBKGND:
        return 1;
      case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        paintHyperlink(window, dc);
        EndPaint(window, &ps);
        return 0;
      }
      case WM_PRINTCLIENT:
        paintHyperlink(window, reinterpret_cast<HDC>(wParam));
        return 0;
      case WM_SETTEXT: {
        LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        InvalidateRect(window, nullptr, FALSE);
        return result;
      }
      case WM_SETFONT:
        if (state) state->font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) InvalidateRect(window, nullptr, FALSE);
        return 0;
      case WM_GETFONT:
        return reinterpret_cast<LRESULT>(state ? state->font : nullptr);
      case WM_MOUSEMOVE:
        if (state) setHovered(window, *state, true);
        return 0;
      case WM_MOUSELEAVE:
        if (state) setHovered(window, *state, false);
        return 0;
      case WM_LBUTTONDOWN:
        if (state) press(window, *state);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  });
}

}  // namespace

bool registerHyperlinkClass(HINSTANCE instance) {
  return registerControlClass(instance, kHyperlinkClass, hyperlinkProcedure, IDC_HAND);
}

HWND createHyperlink(HWND parent, int id, const RECT& rect, const std::wstring& caption,
                     const std::wstring& address,
                     std::function<void(const std::wstring& address)> open) {
  HINSTANCE module = codeModule();
  registerCustomControls(module);
  HWND window =
      CreateWindowExW(0, kHyperlinkClass, caption.c_str(), WS_CHILD | WS_VISIBLE, rect.left,
                      rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), module, nullptr);
  if (!window) return nullptr;
  if (HyperlinkState* state = stateOf<HyperlinkState>(window)) {
    state->address = address;
    state->open = std::move(open);
  }
  return window;
}

}  // namespace tagwright::win32
