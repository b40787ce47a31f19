// Hostile input through the real window: a 16 MiB text through a field, the
// output box and the clipboard; malformed GBK in a field; one button pressed
// many times with the working set and the handle count kept flat.
#include <windows.h>
// psapi.h needs windows.h first.
#include <psapi.h>

#include "tests/win32/window_fixture.h"
#include "ui/win32/text_convert.h"

namespace tagwright::win32::testing {
namespace {

class HostileInput : public MainWindowTest {};

// 16 MiB of GBK: mostly Chinese (复制, two bytes each), some ASCII and
// markup, 8 Mi wide characters in a box.
Text sixteenMebibytes() {
  Text unit;
  for (int i = 0; i < 30; ++i) unit += "\xB8\xB4\xD6\xC6";  // 复制
  unit += "<a href='x'>\"&\\</a>";
  Text text;
  text.reserve(16u << 20);
  while (text.size() + unit.size() <= (16u << 20)) text += unit;
  return text;
}

// The one-line box of the home page that has its own copy button. (A 16 MiB
// text in a multi-line output box takes over a minute under Wine, in the
// system's edit control itself, so the output boxes get their megabytes in
// copy_request_test.cpp's 4 MiB case.)
TEST_F(HostileInput, SixteenMebibytesThroughAFieldAndTheClipboard) {
  const Text big = sixteenMebibytes();
  desktop->writeText(Role::headFootEdit, big);
  ASSERT_TRUE(desktop->readText(Role::headFootEdit) == big) << "the field changed the text";

  MessageBoxCatcher catcher;
  click(Role::headFootCopyButton);
  ASSERT_EQ(catcher.boxes().size(), 1u);
  EXPECT_TRUE(clipboardAnsi() == big) << "CF_TEXT differs from the field";
  EXPECT_TRUE(clipboardUnicode() == toWide(big)) << "CF_UNICODETEXT differs from the field";
}

// What the system makes of malformed GBK is its business (a lone lead byte
// becomes '?'); the program must not crash, and the field, the output and
// the clipboard must agree with each other.
TEST_F(HostileInput, MalformedGbkIsShownCopiedAndBuiltConsistently) {
  const Text malformed[] = {"\xB8",         "\xB8\x20x",    "\x80",        "\xFF",
                            "\xFF\xFF\xFE", "\x81\r\n\x81", "\xA3\xB1\xA3"};
  for (const Text& text : malformed) {
    SCOPED_TRACE(::testing::PrintToString(text));
    desktop->writeText(Role::customFieldEdit1, text);
    const Text shown = desktop->readText(Role::customFieldEdit1);
    EXPECT_EQ(shown, toGbk(toWide(text)));
    click(Role::customBuildButton);
    const Text output = desktop->readText(Role::customOutputEdit);
    EXPECT_NE(output.find(shown), Text::npos);
    MessageBoxCatcher catcher;
    click(Role::customCopyButton);
    ASSERT_EQ(catcher.boxes().size(), 1u);
    EXPECT_EQ(clipboardAnsi(), output);
  }
}

SIZE_T workingSet() {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.WorkingSetSize;
}

DWORD handleCount() {
  DWORD count = 0;
  GetProcessHandleCount(GetCurrentProcess(), &count);
  return count;
}

// A snippet radio 2,000 times, the article-list builder 300 times and the
// copy button 20 times, after a warm-up: the working set and the number of
// handles stay where they were.
TEST_F(HostileInput, ManyPressesKeepMemoryAndHandlesFlat) {
  HWND snippetRadio = control("单选框13");
  ASSERT_NE(snippetRadio, nullptr);
  auto press = [&](int snippets, int builds, int copies) {
    for (int i = 0; i < snippets; ++i) SendMessageW(snippetRadio, BM_CLICK, 0, 0);
    for (int i = 0; i < builds; ++i) click(Role::arcBuildButton);
    MessageBoxCatcher catcher;
    for (int i = 0; i < copies; ++i) click(Role::homeCopyButton);
    pump();
    EXPECT_EQ(catcher.boxes().size(), static_cast<std::size_t>(copies));
  };
  press(100, 20, 2);
  const SIZE_T memoryBefore = workingSet();
  const DWORD handlesBefore = handleCount();
  press(2000, 300, 20);
  const SIZE_T memoryAfter = workingSet();
  const DWORD handlesAfter = handleCount();

  ASSERT_GT(memoryBefore, 0u) << "no working set reported";
  EXPECT_LT(memoryAfter, memoryBefore + (2u << 20))
      << "working set " << memoryBefore / 1024 << " KiB -> " << memoryAfter / 1024 << " KiB";
  EXPECT_LE(handlesAfter, handlesBefore + 4) << handlesBefore << " -> " << handlesAfter;
  EXPECT_EQ(clipboardAnsi(), desktop->readText(Role::homeOutputEdit));
}

}  // namespace
}  // namespace tagwright::win32::testing
