// The tray icon's popup menu, the menu bar's commands, hiding and showing, and
// the copyright window.

// windows.h must come before the other system headers.
// clang-format off
#include <windows.h>
// clang-format on

#include <shellapi.h>

#include "tests/win32/user_input.h"
#include "tests/win32/window_fixture.h"
#include "ui/win32/dpi_scale.h"
#include "ui/win32/text_convert.h"
#include "ui/win32/tray_icon.h"

namespace tagwright::win32::testing {
namespace {

// What a test does while a popup menu is open: it reads the items and picks
// one with the keyboard (or none: Esc).
struct PopupPick {
  int downs = 0;  // 0: dismiss
  std::vector<std::wstring> items;
  bool seen = false;
  RECT place{};    // the menu window
  POINT cursor{};  // the mouse position while it was open
  HWND foreground = nullptr;
};

PopupPick* activePick = nullptr;

void CALLBACK onMenuTimer(HWND, UINT, UINT_PTR id, DWORD) {
  HWND menuWindow = FindWindowW(L"#32768", nullptr);
  if (menuWindow == nullptr || !IsWindowVisible(menuWindow) || activePick == nullptr) return;
  KillTimer(nullptr, id);
  PopupPick& pick = *activePick;
  pick.seen = true;
  GetWindowRect(menuWindow, &pick.place);
  GetCursorPos(&pick.cursor);
  pick.foreground = GetForegroundWindow();
  HMENU menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
  for (int i = 0; menu != nullptr && i < GetMenuItemCount(menu); ++i) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, i, text, 64, MF_BYPOSITION);
    pick.items.emplace_back(text);
  }
  if (pick.downs == 0) {
    sendKey(VK_ESCAPE);
    return;
  }
  for (int i = 0; i < pick.downs; ++i) sendKey(VK_DOWN);
  sendKey(VK_RETURN);
}

class TrayTest : public MainWindowTest {
 protected:
  // Raises a tray event with `mouseMessage` and picks the item at `position`
  // (1-based; 0 dismisses the menu).
  PopupPick trayPick(LPARAM mouseMessage, int position) {
    PopupPick pick;
    pick.downs = position;
    activePick = &pick;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, onMenuTimer);
    SendMessageW(window(), kTrayCallbackMessage, 1, mouseMessage);
    KillTimer(nullptr, timer);
    activePick = nullptr;
    pump();  // the chosen item runs from the queue
    return pick;
  }
};

TEST_F(TrayTest, LeftAndRightReleaseOpenTheSameMenuWithShowHideClose) {
  // The pointer where the menu fits below and right of it, wherever an
  // earlier test left it.
  SetCursorPos(100, 100);
  const std::vector<std::wstring> items{L"显示", L"隐藏", L"关闭"};
  for (LPARAM mouse : {WM_LBUTTONUP, WM_RBUTTONUP, WM_LBUTTONDBLCLK}) {
    const PopupPick pick = trayPick(mouse, 0);
    EXPECT_TRUE(pick.seen);
    EXPECT_EQ(pick.items, items);
  }
  // Below and right of the mouse (3 pixels at 96 DPI), owned by the program's
  // hidden window made foreground, so MainWindow is not brought forward.
  const PopupPick pick = trayPick(WM_RBUTTONUP, 0);
  const int offset = scale(3, dpiOf(window()));
  EXPECT_EQ(pick.place.left, pick.cursor.x + offset);
  EXPECT_EQ(pick.place.top, pick.cursor.y + offset);
  EXPECT_EQ(pick.foreground, desktop->helperWindow());
  // Moves and presses raise nothing: no menu opens, nothing blocks.
  for (LPARAM mouse : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_RBUTTONDOWN}) {
    EXPECT_FALSE(trayPick(mouse, 0).seen);
  }
}

TEST_F(TrayTest, HideAndShowFromTheTrayKeepEveryField) {
  type(Role::arcKeywordEdit, L"新闻");
  click(Role::arcStyleInfoRadio);
  desktop->writeText(Role::homeOutputEdit, "\xB8\xB4\xD6\xC6");
  selectPage(3);

  trayPick(WM_RBUTTONUP, 2);  // 隐藏
  EXPECT_FALSE(IsWindowVisible(window()));
  trayPick(WM_RBUTTONUP, 2);  // 隐藏 again changes nothing
  EXPECT_FALSE(IsWindowVisible(window()));
  trayPick(WM_LBUTTONUP, 1);  // 显示
  EXPECT_TRUE(IsWindowVisible(window()));

  EXPECT_EQ(textOf(Role::arcKeywordEdit), L"新闻");
  EXPECT_TRUE(desktop->isChecked(Role::arcStyleInfoRadio));
  EXPECT_EQ(desktop->readText(Role::homeOutputEdit), "\xB8\xB4\xD6\xC6");
  EXPECT_EQ(desktop->controls(WindowId::MainWindow)->selectedPage(), 3);

  // A minimised window comes back minimised.
  ShowWindow(window(), SW_MINIMIZE);
  trayPick(WM_RBUTTONUP, 2);
  trayPick(WM_RBUTTONUP, 1);
  EXPECT_TRUE(IsWindowVisible(window()));
  EXPECT_TRUE(IsIconic(window()));
}

TEST_F(TrayTest, HideButtonHidesAndCloseEndsTheProgram) {
  SendMessageW(control("按钮6"), BM_CLICK, 0, 0);
  EXPECT_FALSE(IsWindowVisible(window()));
  EXPECT_EQ(endCount, 0);
  trayPick(WM_RBUTTONUP, 3);  // 关闭
  EXPECT_EQ(endCount, 1);
}

TEST_F(MainWindowTest, ExitProgramEndsTheProgram) {
  chooseMenuItem(L"退出程序");
  EXPECT_EQ(endCount, 1);
}

TEST_F(MainWindowTest, CopyrightOpensOnceAndOutlivesTheMainWindow) {
  chooseMenuItem(L"版权声明");
  HWND copyright = desktop->windowHandle(WindowId::CopyrightWindow);
  ASSERT_NE(copyright, nullptr);
  EXPECT_TRUE(IsWindowVisible(copyright));
  EXPECT_EQ(windowTextWide(copyright), L"版权申明");
  RECT rect;
  GetWindowRect(copyright, &rect);
  EXPECT_EQ(rect.right - rect.left, scale(415, dpiOf(copyright)));
  EXPECT_EQ(rect.bottom - rect.top, scale(272, dpiOf(copyright)));

  ShowWindow(copyright, SW_MINIMIZE);
  chooseMenuItem(L"版权声明");
  EXPECT_EQ(desktop->windowHandle(WindowId::CopyrightWindow), copyright);
  EXPECT_FALSE(IsIconic(copyright));
  EXPECT_EQ(GetForegroundWindow(), copyright);

  // Closing MainWindow leaves the program running with CopyrightWindow.
  SendMessageW(window(), WM_CLOSE, 0, 0);
  pump();
  EXPECT_EQ(window(), nullptr);
  EXPECT_TRUE(desktop->anyWindowOpen());
  // Esc closes CopyrightWindow too; then nothing is left.
  pressKey(copyright, VK_ESCAPE);
  EXPECT_FALSE(desktop->anyWindowOpen());
}

// The shell announces its restart to every top-level window; the icon comes
// back once and stays known as shown, so closing removes it.
TEST_F(MainWindowTest, TrayIconComesBackOnceAfterTheShellRestarts) {
  chooseMenuItem(L"版权声明");
  HWND copyright = desktop->windowHandle(WindowId::CopyrightWindow);
  ASSERT_NE(copyright, nullptr);
  ASSERT_TRUE(desktop->trayIconShown());
  // A restarted shell has lost the icon.
  NOTIFYICONDATAW lost{};
  lost.cbSize = sizeof lost;
  lost.hWnd = window();
  lost.uID = 1;
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &lost));

  const UINT restarted = RegisterWindowMessageW(L"TaskbarCreated");
  for (HWND top : {window(), copyright, desktop->helperWindow()}) {
    SendMessageW(top, restarted, 0, 0);
  }
  EXPECT_TRUE(desktop->trayIconShown());

  // Closing the window took the icon out of the shell: nothing is left to delete.
  SendMessageW(window(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(desktop->trayIconShown());
  EXPECT_FALSE(Shell_NotifyIconW(NIM_DELETE, &lost));
}

}  // namespace
}  // namespace tagwright::win32::testing
