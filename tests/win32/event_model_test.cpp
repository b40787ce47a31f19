// Which actions on the real controls raise which events, and how often.
#include "tests/win32/window_fixture.h"
#include "ui/win32/text_convert.h"

namespace tagwright::win32::testing {
namespace {

TEST_F(MainWindowTest, BuildingTheWindowRaisesNoEvent) {
  EXPECT_TRUE(events.empty());
}

TEST_F(MainWindowTest, EachTypedCharacterRaisesTextChangedOnce) {
  type(Role::arcRowEdit, L"12");
  EXPECT_EQ(eventCount(Role::arcRowEdit, ControlEvent::textChanged), 2);
  EXPECT_EQ(desktop->readText(Role::arcRowEdit), "12");
  EXPECT_NE(program->options().arcRow.find("12"), Text::npos);
}

TEST_F(MainWindowTest, WriteTextRaisesTextChangedExactlyOnceEvenWhenUnchanged) {
  desktop->writeText(Role::arcTitleLenEdit, "10");  // its start text
  EXPECT_EQ(eventCount(Role::arcTitleLenEdit, ControlEvent::textChanged), 1);
  desktop->writeText(Role::arcTitleLenEdit, "30");
  EXPECT_EQ(eventCount(Role::arcTitleLenEdit, ControlEvent::textChanged), 2);
  // Output boxes have no bound event.
  desktop->writeText(Role::homeOutputEdit, "x");
  EXPECT_EQ(events.size(), 2u);
}

TEST_F(MainWindowTest, OnlyAPickFromTheListRaisesItemSelected) {
  HWND list = control(Role::arcFlagCombo);
  SendMessageW(list, CB_SETCURSEL, 3, 0);  // the program's own selection
  type(Role::arcFlagCombo, L"推");         // typing into the edit part
  EXPECT_EQ(eventCount(Role::arcFlagCombo, ControlEvent::itemSelected), 0);
  EXPECT_EQ(desktop->selectedIndex(Role::arcFlagCombo), -1);

  SendMessageW(list, CB_SETCURSEL, 1, 0);
  SendMessageW(list, WM_KEYDOWN, VK_DOWN, 0);  // the user picks item 2
  EXPECT_EQ(eventCount(Role::arcFlagCombo, ControlEvent::itemSelected), 1);
  EXPECT_EQ(desktop->selectedIndex(Role::arcFlagCombo), 2);
  EXPECT_EQ(textOf(Role::arcFlagCombo), L"推荐");
}

TEST_F(MainWindowTest, ARadioClickUnchecksOnlyTheOthersOfItsGroupBox) {
  EXPECT_TRUE(desktop->isChecked(Role::arcStyleTypelinkRadio));
  SendMessageW(control("单选框1"), BM_CLICK, 0, 0);  // a snippet button of 分组框1
  EXPECT_TRUE(desktop->isChecked(Role::arcStyleTypelinkRadio));
  EXPECT_EQ(SendMessageW(control("单选框1"), BM_GETCHECK, 0, 0), BST_CHECKED);

  click(Role::arcStyleImageRadio);
  EXPECT_TRUE(desktop->isChecked(Role::arcStyleImageRadio));
  EXPECT_FALSE(desktop->isChecked(Role::arcStyleTypelinkRadio));
  EXPECT_EQ(SendMessageW(control("单选框1"), BM_GETCHECK, 0, 0), BST_CHECKED);
  click(Role::arcStyleImageRadio);  // a second click leaves it checked
  EXPECT_TRUE(desktop->isChecked(Role::arcStyleImageRadio));

  // 分组框9 and 分组框10 of page 3 are separate groups too.
  selectPage(2);
  SendMessageW(control("单选框51"), BM_CLICK, 0, 0);
  SendMessageW(control("单选框28"), BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageW(control("单选框51"), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(control("单选框28"), BM_GETCHECK, 0, 0), BST_CHECKED);
  // The snippet went into the page's output box.
  EXPECT_FALSE(textOf(Role::contentOutputEdit).empty());
}

TEST_F(MainWindowTest, ReadOnlyContactBoxIgnoresTyping) {
  HWND contact = control("编辑框15");
  const std::wstring before = windowTextWide(contact);
  SendMessageW(contact, EM_SETSEL, 0, -1);
  SendMessageW(contact, WM_CHAR, L'9', 0);
  EXPECT_EQ(windowTextWide(contact), before);
}

}  // namespace
}  // namespace tagwright::win32::testing
