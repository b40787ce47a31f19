// Web view: a child window that hosts the system's web-browser control. The
// browser is created from a message posted at creation, so building a window
// never waits for it. Where the browser or its HTML engine is missing, the box
// shows a short note and the address as a hyperlink instead.
#include <ole2.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "ui/win32/browser_host.h"
#include "ui/win32/custom_control_support.h"
#include "ui/win32/custom_controls.h"

namespace tagwright::win32 {
namespace {

constexpr UINT kStartMessage = WM_APP + 0x5A1;
constexpr int kFallbackLinkId = 1;
constexpr wchar_t kFallbackNote[] = L"无法在此显示网页，请点击下面的地址在浏览器中打开：";

// The HTML engine behind the browser (mshtml). Without it the browser control
// still creates but never shows a page, as under Wine without its Gecko package.
const CLSID kHtmlDocumentClass = {
    0x25336920, 0x03F9, 0x11CF, {0x8F, 0xD0, 0x00, 0xAA, 0x00, 0x68, 0x6F, 0x13}};

struct WebViewState {
  std::wstring address;
  std::function<void(const std::wstring&)> open;
  HFONT font = nullptr;  // not owned
  ComPtr<BrowserHost> host;
  HWND fallbackLink = nullptr;
  bool started = false;
  bool oleInitialized = false;

  ~WebViewState() {
    if (host) host->close();
    host.reset();
    if (oleInitialized) OleUninitialize();
  }
};

bool htmlEngineAvailable() {
  ComPtr<IUnknown> document;
  return SUCCEEDED(CoCreateInstance(kHtmlDocumentClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                    document.putVoid()));
}

int lineHeight(HWND window, HFONT font) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, fontOrDefault(font));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return metrics.tmHeight > 0 ? metrics.tmHeight : 16;
}

// The note sits just above the middle of the box, the link just below it.
RECT noteRect(HWND window, const WebViewState& state) {
  RECT client{};
  GetClientRect(window, &client);
  int middle = client.bottom / 2;
  return {client.left + 4, middle - lineHeight(window, state.font) - 6, client.right - 4,
          middle - 4};
}

void layoutFallback(HWND window, const WebViewState& state) {
  if (!state.fallbackLink) return;
  RECT client{};
  GetClientRect(window, &client);
  int height = lineHeight(window, state.font) + 6;
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, fontOrDefault(state.font));
  SIZE extent{};
  GetTextExtentPoint32W(dc, state.address.c_str(), static_cast<int>(state.address.size()), &extent);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  int width = extent.cx + 16;
  if (width > client.right - 8) width = client.right - 8;
  if (width < 0) width = 0;
  MoveWindow(state.fallbackLink, (client.right - width) / 2, client.bottom / 2 + 4, width, height,
             TRUE);
}

void showFallback(HWND window, WebViewState& state) {
  if (state.fallbackLink) return;
  state.fallbackLink = createHyperlink(window, kFallbackLinkId, RECT{0, 0, 0, 0}, state.address,
                                       state.address, state.open);
  if (state.fallbackLink && state.font) {
    SendMessageW(state.fallbackLink, WM_SETFONT, reinterpret_cast<WPARAM>(state.font), FALSE);
  }
  layoutFallback(window, state);
  InvalidateRect(window, nullptr, TRUE);
}

void startBrowser(HWND window, WebViewState& state) {
  if (state.started) return;
  state.started = true;
  HRESULT initialized = OleInitialize(nullptr);
  state.oleInitialized = SUCCEEDED(initialized);
  if (state.oleInitialized && htmlEngineAvailable()) {
    state.host = BrowserHost::start(window, state.address);
  }
  if (!state.host) showFallback(window, state);
}

void paintWebView(HWND window, HDC dc) {
  RECT client{};
  GetClientRect(window, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
  const WebViewState* state = stateOf<WebViewState>(window);
  if (!state || !state->fallbackLink) return;
  HGDIOBJ old = SelectObject(dc, fontOrDefault(state->font));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  RECT note = noteRect(window, *state);
  DrawTextW(dc, kFallbackNote, -1, &note,
            DT_CENTER | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  SelectObject(dc, old);
}

LRESULT CALLBACK webViewProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return guardedWindowProcedure(window, message, wParam, lParam, [&]() -> LRESULT {
    WebViewState* state = stateOf<WebViewState>(window);
    switch (message) {
      case WM_NCCREATE:
        attachState(window, std::make_unique<WebViewState>());
        break;
      case WM_NCDESTROY:
        detachState<WebViewState>(window);
        break;
      case WM_DESTROY:
        if (state && state->host) {
          state->host->close();
          state->host.reset();
        }
        return 0;
      case kStartMessage:
        if (state) startBrowser(window, *state);
        return 0;
      case WM_SIZE:
        if (state && state->host) state->host->resize();
        if (state) layoutFallback(window, *state);
        return 0;
      case WM_SETFOCUS:
        if (state && state->host) state->host->focus();
        return 0;
      case WM_SETFONT:
        if (state) {
          state->font = reinterpret_cast<HFONT>(wParam);
          if (state->fallbackLink) {
            SendMessageW(state->fallbackLink, WM_SETFONT, wParam, lParam);
            layoutFallback(window, *state);
          }
        }
        if (LOWORD(lParam)) InvalidateRect(window, nullptr, TRUE);
        return 0;
      case WM_GETFONT:
        return reinterpret_cast<LRESULT>(state ? state->font : nullptr);
      case WM_ERASEBKGND:
        return 1;
      case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        paintWebView(window, dc);
        EndPaint(window, &ps);
        return 0;
      }
      case WM_PRINTCLIENT:
        paintWebView(window, reinterpret_cast<HDC>(wParam));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  });
}

WebViewState* webViewState(HWND window) {
  wchar_t name[64] = L"";
  if (!window || !GetClassNameW(window, name, 64) || lstrcmpiW(name, kWebViewClass) != 0) {
    return nullptr;
  }
  return stateOf<WebViewState>(window);
}

}  // namespace

bool registerWebViewClass(HINSTANCE instance) {
  return registerControlClass(instance, kWebViewClass, webViewProcedure, IDC_ARROW);
}

HWND createWebView(HWND parent, int id, const RECT& rect, const std::wstring& address,
                   std::function<void(const std::wstring& address)> open) {
  HINSTANCE module = codeModule();
  registerCustomControls(module);
  HWND window =
      CreateWindowExW(0, kWebViewClass, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN,
                      rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), module, nullptr);
  if (!window) return nullptr;
  if (WebViewState* state = stateOf<WebViewState>(window)) {
    state->address = address;
    state->open = std::move(open);
    PostMessageW(window, kStartMessage, 0, 0);
  }
  return window;
}

bool webViewHasBrowser(HWND webView) {
  const WebViewState* state = webViewState(webView);
  return state && state->host;
}

bool translateWebViewMessage(MSG& message) {
  if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
  for (HWND window = message.hwnd; window; window = GetParent(window)) {
    if (WebViewState* state = webViewState(window)) {
      return state->host && state->host->translateKey(message);
    }
  }
  return false;
}

}  // namespace tagwright::win32
