// The typical request from typing to the clipboard, and the clipboard's edges.
#include "tests/win32/window_fixture.h"
#include "ui/win32/text_convert.h"

namespace tagwright::win32::testing {
namespace {

TEST_F(MainWindowTest, TypicalRequestEndsOnTheClipboardInBothFormats) {
  type(Role::arcRowEdit, L"8");
  HWND flags = control(Role::arcFlagCombo);
  SendMessageW(flags, WM_KEYDOWN, VK_DOWN, 0);  // 头条
  SendMessageW(flags, WM_KEYDOWN, VK_DOWN, 0);  // 推荐
  ASSERT_EQ(textOf(Role::arcFlagCombo), L"推荐");
  click(Role::arcBuildButton);

  const Text block = desktop->readText(Role::homeOutputEdit);
  ASSERT_FALSE(block.empty());
  EXPECT_NE(block.find(program->options().arcRow), Text::npos);
  EXPECT_NE(program->options().arcRow.find('8'), Text::npos);
  EXPECT_NE(block.find(program->options().arcFlag), Text::npos);
  EXPECT_FALSE(program->options().arcFlag.empty());

  MessageBoxCatcher catcher;
  click(Role::homeCopyButton);
  ASSERT_EQ(catcher.boxes().size(), 1u);
  EXPECT_EQ(catcher.boxes()[0].title, L"信息：");
  EXPECT_EQ(catcher.boxes()[0].text, L"复制成功");
  EXPECT_EQ(catcher.boxes()[0].owner, nullptr);
  EXPECT_FALSE(catcher.boxes()[0].hasIcon);
  EXPECT_EQ(clipboardAnsi(), block);
  EXPECT_EQ(clipboardUnicode(), toWide(block));
}

TEST_F(MainWindowTest, AnEmptyBoxIsCopiedToo) {
  MessageBoxCatcher catcher;
  click(Role::sqlCopyButton);
  ASSERT_EQ(catcher.boxes().size(), 1u);
  EXPECT_EQ(catcher.boxes()[0].text, L"复制成功");
  EXPECT_EQ(clipboardAnsi(), "");
}

TEST_F(MainWindowTest, ACopyButtonIsSilentWhileAnotherWindowHoldsTheClipboard) {
  ASSERT_TRUE(desktop->copyToClipboard("before"));
  HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(OpenClipboard(other));
  desktop->writeText(Role::homeOutputEdit, "after");
  {
    MessageBoxCatcher catcher;
    click(Role::homeCopyButton);
    EXPECT_TRUE(catcher.boxes().empty());
  }
  EXPECT_FALSE(desktop->copyToClipboard("after"));
  CloseClipboard();
  DestroyWindow(other);
  EXPECT_EQ(clipboardAnsi(), "before");
}

// 4 MiB of mixed Chinese and ASCII text, lines joined by CR LF.
Text bigText() {
  Text line;
  for (int i = 0; i < 20; ++i)
    line +=
        "\xB8\xB4\xD6\xC6"
        "abc ";  // 复制abc
  line += "\r\n";
  Text text;
  while (text.size() < (4u << 20)) text += line;
  return text;
}

TEST_F(MainWindowTest, FourMegabytesSurviveAnEditBoxAndTheClipboard) {
  const Text text = bigText();
  desktop->writeText(Role::homeOutputEdit, text);
  EXPECT_EQ(desktop->readText(Role::homeOutputEdit), text);
  ASSERT_TRUE(desktop->copyToClipboard(text));
  EXPECT_EQ(clipboardAnsi(), text);
  EXPECT_EQ(clipboardUnicode(), toWide(text));

  // A one-line field takes typing beyond the system's default limit.
  const Text wide(100000, 'x');
  desktop->writeText(Role::arcKeywordEdit, wide);
  HWND field = control(Role::arcKeywordEdit);
  SendMessageW(field, EM_SETSEL, wide.size(), wide.size());
  SendMessageW(field, WM_CHAR, L'y', 0);
  EXPECT_EQ(desktop->readText(Role::arcKeywordEdit), wide + "y");
  EXPECT_NE(program->options().arcKeyword.find(wide + "y"), Text::npos);
}

}  // namespace
}  // namespace tagwright::win32::testing
