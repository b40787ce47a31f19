// Picture boxes, hyperlink label, web view and the resources they rely on,
// driven through real windows and real mouse input.
#include "ui/win32/custom_controls.h"

#include <gtest/gtest.h>
#include <ole2.h>
#include <windows.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "tests/win32/rendering.h"
#include "tests/win32/user_input.h"
#include "ui/win32/browser_host.h"
#include "ui/win32/custom_control_support.h"
#include "ui/win32/resource_ids.h"

namespace tagwright::win32 {
namespace {

constexpr wchar_t kSiteAddress[] = L"http://tagwright.cn/";

// Dispatches messages until `done` holds or `milliseconds` pass; the final
// value of `done`.
bool pumpUntil(const std::function<bool()>& done, int milliseconds) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(5);
  }
  return true;
}

// A visible topmost window to hold the controls, away from the screen's top-left
// corner, where Wine puts its tray window.
class HostWindow {
 public:
  HostWindow() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = codeModule();
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = L"TagwrightControlsTestHost";
    RegisterClassExW(&wc);
    window_ = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"test",
                              WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 160, 120, 700, 500, nullptr,
                              nullptr, wc.hInstance, nullptr);
    SetForegroundWindow(window_);
    registerCustomControls(codeModule());
  }
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;
  ~HostWindow() { DestroyWindow(window_); }
  HWND get() const { return window_; }

 private:
  HWND window_ = nullptr;
};

// --- resources --------------------------------------------------------------

TEST(ProgramResources, IconGroupHoldsTheThreeSizes) {
  HINSTANCE module = codeModule();
  HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(IDI_TAGWRIGHT), RT_GROUP_ICON);
  ASSERT_NE(info, nullptr);
  const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module, info)));
  ASSERT_NE(bytes, nullptr);
  // GRPICONDIR: reserved, type, count (WORDs), then 14-byte entries whose first
  // byte is the width (0 means 256).
  WORD count = 0;
  std::memcpy(&count, bytes + 4, sizeof count);
  std::vector<int> widths;
  for (WORD i = 0; i < count; ++i) widths.push_back(bytes[6 + 14 * i]);
  EXPECT_EQ(widths, (std::vector<int>{48, 32, 16}));

  for (int size : {16, 32, 48}) {
    HICON icon = static_cast<HICON>(
        LoadImageW(module, MAKEINTRESOURCEW(IDI_TAGWRIGHT), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << size;
    DestroyIcon(icon);
  }
}

TEST(ProgramResources, ManifestSelectsCommonControlsSix) {
  // The manifest makes the loader take comctl32 version 6 from the side-by-side
  // store instead of the system folder's version 5.
  HMODULE comctl = LoadLibraryW(L"comctl32.dll");
  ASSERT_NE(comctl, nullptr);
  wchar_t path[MAX_PATH] = L"";
  GetModuleFileNameW(comctl, path, MAX_PATH);
  CharLowerW(path);
  EXPECT_NE(std::wstring(path).find(L"common-controls"), std::wstring::npos) << path;
  // Kept loaded: under Wine, unloading it breaks the creation of later windows.

  HRSRC info = FindResourceW(codeModule(), MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  ASSERT_NE(info, nullptr);
  std::string manifest(static_cast<const char*>(LockResource(LoadResource(codeModule(), info))),
                       SizeofResource(codeModule(), info));
  EXPECT_NE(manifest.find("PerMonitorV2, PerMonitor"), std::string::npos);
  EXPECT_NE(manifest.find("true/pm"), std::string::npos);
}

// --- picture boxes ----------------------------------------------------------

struct StoredPicture {
  ImageId image;
  LONG width, height;
};

TEST(PictureBox, DecodesEveryStoredPictureAtItsStoredSize) {
  HostWindow host;
  const StoredPicture pictures[] = {
      {ImageId::preview1, 130, 110}, {ImageId::preview2, 130, 110}, {ImageId::preview3, 200, 146},
      {ImageId::preview4, 200, 146}, {ImageId::preview5, 83, 56},   {ImageId::banner, 246, 60},
  };
  for (bool stretched : {true, false}) {
    for (const StoredPicture& picture : pictures) {
      HWND box = createPictureBox(host.get(), 1, RECT{0, 0, 85, 55}, picture.image, stretched);
      ASSERT_NE(box, nullptr);
      SIZE size = pictureImageSize(box);
      EXPECT_EQ(size.cx, picture.width) << static_cast<int>(picture.image);
      EXPECT_EQ(size.cy, picture.height) << static_cast<int>(picture.image);
      DestroyWindow(box);
    }
  }
}

TEST(PictureBox, WithoutAnImageIsAnEmptyBox) {
  HostWindow host;
  HWND box = createPictureBox(host.get(), 1, RECT{0, 0, 40, 30}, ImageId::none, true);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(pictureImageSize(box).cx, 0);
  Rendering painted = render(box);
  COLORREF face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(painted.count([&](int r, int g, int b) { return RGB(r, g, b) != face; }), 0);
  EXPECT_EQ(pictureImageSize(host.get()).cx, 0);  // not a picture box at all
}

TEST(PictureBox, StretchedFillsTheBoxAndNaturalSizeKeepsTheTopLeft) {
  HostWindow host;
  // The banner is black to its edges.
  auto black = [](COLORREF c) {
    return GetRValue(c) < 40 && GetGValue(c) < 40 && GetBValue(c) < 40;
  };
  HWND stretched = createPictureBox(host.get(), 1, RECT{0, 0, 100, 30}, ImageId::banner, true);
  Rendering small = render(stretched);
  EXPECT_TRUE(black(small.at(0, 0)));
  EXPECT_TRUE(black(small.at(99, 29)));

  // Room for the banner scaled up to 200 %, with a margin right and below.
  HWND natural = createPictureBox(host.get(), 2, RECT{0, 40, 600, 340}, ImageId::banner, false);
  UINT dpi = GetDpiForWindow(natural);
  int shown = MulDiv(246, static_cast<int>(dpi ? dpi : 96), 96);
  Rendering large = render(natural);
  EXPECT_TRUE(black(large.at(0, 0)));
  ASSERT_LT(shown, 599);
  EXPECT_TRUE(black(large.at(shown - 1, 0)));
  EXPECT_FALSE(black(large.at(shown + 1, 0)));
  EXPECT_FALSE(black(large.at(599, 299)));
}

// --- hyperlink label --------------------------------------------------------

TEST(HyperlinkLabel, ColourFollowsHoverAndEachPressOpensOnce) {
  HostWindow host;
  std::vector<std::wstring> opened;
  HWND link =
      createHyperlink(host.get(), 7, RECT{20, 20, 348, 40}, L"点击一下 www.example", kSiteAddress,
                      [&](const std::wstring& address) { opened.push_back(address); });
  ASSERT_NE(link, nullptr);
  UpdateWindow(host.get());

  Rendering rest = render(link);
  EXPECT_GT(rest.count(isBlue), 0);
  EXPECT_EQ(rest.count(isMagenta), 0);

  RECT box{};
  GetWindowRect(link, &box);
  SetCursorPos((box.left + box.right) / 2, (box.top + box.bottom) / 2);
  ASSERT_TRUE(pumpUntil([&] { return render(link).count(isMagenta) > 0; }, 2000));
  EXPECT_EQ(render(link).count(isBlue), 0);

  clickLeftButton();
  ASSERT_TRUE(pumpUntil([&] { return !opened.empty(); }, 2000));
  pumpUntil([] { return false; }, 100);  // the release must not open again
  EXPECT_EQ(opened, std::vector<std::wstring>{kSiteAddress});

  SetCursorPos(box.right + 200, box.bottom + 200);
  ASSERT_TRUE(pumpUntil([&] { return render(link).count(isDarkRed) > 0; }, 2000));
  Rendering visited = render(link);
  EXPECT_EQ(visited.count(isMagenta), 0);
  EXPECT_EQ(visited.count(isBlue), 0);

  SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(opened.size(), 2u);
}

TEST(HyperlinkLabel, PaintsAtAnySizeWithoutLosingTheFrame) {
  HostWindow host;
  for (RECT rect : {RECT{0, 0, 2, 2}, RECT{0, 0, 30, 12}, RECT{0, 0, 640, 48}}) {
    HWND link =
        createHyperlink(host.get(), 1, rect, std::wstring(5000, L'链'), kSiteAddress, nullptr);
    Rendering painted = render(link);
    COLORREF frame = GetSysColor(COLOR_BTNSHADOW);
    EXPECT_EQ(painted.at(0, 0), frame);
    EXPECT_EQ(painted.at(painted.width - 1, painted.height - 1), frame);
    SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, 0);  // no callback: nothing happens
    DestroyWindow(link);
  }
}

// --- web view ---------------------------------------------------------------

bool htmlEngineAvailable() {
  const CLSID htmlDocument = {
      0x25336920, 0x03F9, 0x11CF, {0x8F, 0xD0, 0x00, 0xAA, 0x00, 0x68, 0x6F, 0x13}};
  if (FAILED(OleInitialize(nullptr))) return false;
  IUnknown* document = nullptr;
  bool available = SUCCEEDED(CoCreateInstance(htmlDocument, nullptr, CLSCTX_INPROC_SERVER,
                                              IID_IUnknown, reinterpret_cast<void**>(&document)));
  if (document) document->Release();
  OleUninitialize();
  return available;
}

TEST(WebView, StartsWithoutBlockingAndFallsBackToALinkWithoutTheEngine) {
  HostWindow host;
  std::vector<std::wstring> opened;
  const std::wstring address = L"http://tagwright.cn/blog/";
  auto before = std::chrono::steady_clock::now();
  HWND view = createWebView(host.get(), 9, RECT{4, 24, 608, 392}, address,
                            [&](const std::wstring& a) { opened.push_back(a); });
  auto created = std::chrono::steady_clock::now();
  ASSERT_NE(view, nullptr);
  EXPECT_LT(created - before, std::chrono::seconds(2));

  auto fallbackLink = [&] { return FindWindowExW(view, nullptr, kHyperlinkClass, nullptr); };
  ASSERT_TRUE(pumpUntil([&] { return webViewHasBrowser(view) || fallbackLink(); }, 2000));
  EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(2));

  if (htmlEngineAvailable()) {
    EXPECT_TRUE(webViewHasBrowser(view));
    EXPECT_EQ(fallbackLink(), nullptr);
  } else {
    EXPECT_FALSE(webViewHasBrowser(view));
    HWND link = fallbackLink();
    ASSERT_NE(link, nullptr);
    wchar_t caption[256] = L"";
    GetWindowTextW(link, caption, 256);
    EXPECT_EQ(caption, address);
    EXPECT_TRUE(IsWindowVisible(link));
    SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(opened, std::vector<std::wstring>{address});
  }
  DestroyWindow(view);
}

TEST(WebView, DestroyedBeforeItStartsLeavesNothingBehind) {
  HostWindow host;
  HWND view = createWebView(host.get(), 9, RECT{0, 0, 200, 100}, kSiteAddress, nullptr);
  ASSERT_NE(view, nullptr);
  DestroyWindow(view);
  pumpUntil([] { return false; }, 50);
  EXPECT_FALSE(IsWindow(view));
  MSG key{};
  key.hwnd = host.get();
  key.message = WM_KEYDOWN;
  key.wParam = VK_TAB;
  EXPECT_FALSE(translateWebViewMessage(key));
}

TEST(BrowserHost, ActivatesInPlaceFollowsTheBoxAndClosesCleanly) {
  HostWindow host;
  ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
  {
    ComPtr<BrowserHost> browser = BrowserHost::start(host.get(), L"about:blank");
    if (!browser) {
      OleUninitialize();
      GTEST_SKIP() << "no web-browser control on this system";
    }
    HWND embedding = GetWindow(host.get(), GW_CHILD);
    ASSERT_NE(embedding, nullptr);
    EXPECT_EQ(GetParent(embedding), host.get());

    SetWindowPos(host.get(), nullptr, 0, 0, 320, 200, SWP_NOMOVE | SWP_NOZORDER);
    browser->resize();
    RECT inner{};
    GetWindowRect(embedding, &inner);
    EXPECT_EQ(inner.right - inner.left, 320);
    EXPECT_EQ(inner.bottom - inner.top, 200);

    browser->close();
    pumpUntil([] { return false; }, 50);
    EXPECT_FALSE(IsWindow(embedding) && IsWindowVisible(embedding));
  }
  OleUninitialize();
}

}  // namespace
}  // namespace tagwright::win32
