// Esc and Enter as the loop's pre-filter and the controls handle them.
#include "tests/win32/window_fixture.h"

namespace tagwright::win32::testing {
namespace {

TEST_F(MainWindowTest, EscInsideAnOutputBoxClosesTheWindowAndRemovesTheTray) {
  HWND output = control(Role::homeOutputEdit);
  SetFocus(output);
  ASSERT_TRUE(desktop->trayIconShown());
  pressKey(output, VK_ESCAPE);
  EXPECT_EQ(window(), nullptr);
  EXPECT_FALSE(desktop->trayIconShown());
  EXPECT_FALSE(desktop->anyWindowOpen());
  EXPECT_EQ(endCount, 0);  // closing is no endProgram
}

TEST_F(MainWindowTest, EscWithAListDroppedClosesTheListNotTheWindow) {
  HWND list = control(Role::arcOrderCombo);
  SendMessageW(list, CB_SHOWDROPDOWN, TRUE, 0);
  HWND edit = FindWindowExW(list, nullptr, L"Edit", nullptr);
  pressKey(edit, VK_ESCAPE);
  EXPECT_NE(window(), nullptr);
  SendMessageW(list, CB_SHOWDROPDOWN, FALSE, 0);
}

TEST_F(MainWindowTest, EnterBreaksALineInAnOutputBoxAndDoesNothingElsewhere) {
  MessageBoxCatcher catcher;
  HWND output = control(Role::homeOutputEdit);
  SetFocus(output);
  SendMessageW(output, WM_CHAR, L'a', 0);
  pressKey(output, VK_RETURN);
  SendMessageW(output, WM_CHAR, L'b', 0);
  EXPECT_EQ(desktop->readText(Role::homeOutputEdit), "a\r\nb");

  HWND field = control(Role::arcRowEdit);
  SetFocus(field);
  pressKey(field, VK_RETURN);
  EXPECT_EQ(desktop->readText(Role::arcRowEdit), "5");
  EXPECT_TRUE(catcher.boxes().empty());
  EXPECT_NE(window(), nullptr);
}

TEST_F(MainWindowTest, TabMovesTheFocusToAnotherControlOfTheWindow) {
  HWND field = control(Role::arcRowEdit);
  SetFocus(field);
  pressKey(field, VK_TAB);
  HWND focus = GetFocus();
  EXPECT_NE(focus, field);
  EXPECT_EQ(GetAncestor(focus, GA_ROOT), window());
}

}  // namespace
}  // namespace tagwright::win32::testing
