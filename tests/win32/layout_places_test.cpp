// Every control sits where its table row puts it, scaled by the window's DPI
// over 96, inside the container the row names, and only the first page shows
// at start.

#include "tests/win32/rendering.h"
#include "tests/win32/window_fixture.h"
#include "ui/win32/dpi_scale.h"
#include "ui/win32/text_convert.h"

namespace tagwright::win32::testing {
namespace {

RECT placeInParent(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::string describe(const ControlDef& row) {
  return row.name != nullptr ? row.name : std::string(roleName(row.role));
}

// Each control's parent is the container of its row, and its place and size
// relative to it are the row's, scaled to the window's DPI.
void expectTablePlaces(const WindowControls& controls, HWND window, const WindowDef& layout) {
  ASSERT_EQ(controls.all().size(), layout.controlCount);
  const UINT dpi = dpiOf(window);
  for (const ControlInstance& control : controls.all()) {
    const ControlDef& row = *control.row;
    SCOPED_TRACE(describe(row));
    HWND expectedParent =
        row.container != nullptr ? controls.findByName(row.container)->hwnd : window;
    EXPECT_EQ(GetParent(control.hwnd), expectedParent);
    const RECT rect = placeInParent(control.hwnd);
    EXPECT_EQ(rect.left, scale(row.x, dpi));
    EXPECT_EQ(rect.top, scale(row.y, dpi));
    EXPECT_EQ(rect.right - rect.left, scale(row.width, dpi));
    // A drop-down's height follows its font; its dropped list reaches 160 at most.
    if (row.kind == ControlKind::comboBox) {
      RECT combo;
      GetWindowRect(control.hwnd, &combo);
      COMBOBOXINFO info{};
      info.cbSize = sizeof info;
      ASSERT_TRUE(GetComboBoxInfo(control.hwnd, &info));
      SendMessageW(control.hwnd, CB_SHOWDROPDOWN, TRUE, 0);
      RECT list;
      GetWindowRect(info.hwndList, &list);
      SendMessageW(control.hwnd, CB_SHOWDROPDOWN, FALSE, 0);
      // The list is made 160 high; the system may shrink it to its items.
      EXPECT_GE(list.top, combo.bottom - 1);
      EXPECT_LE(list.bottom - combo.top, scale(160, dpi));
    } else {
      EXPECT_EQ(rect.bottom - rect.top, scale(row.height, dpi));
    }
  }
}

TEST_F(MainWindowTest, EveryControlHasTheTablePlaceInItsContainer) {
  expectTablePlaces(*desktop->controls(WindowId::MainWindow), window(), mainWindowLayout());
}

TEST_F(MainWindowTest, CopyrightWindowIsBuiltFromItsTable) {
  chooseMenuItem(L"版权声明");
  HWND copyright = desktop->windowHandle(WindowId::CopyrightWindow);
  ASSERT_NE(copyright, nullptr);
  RECT outer;
  GetWindowRect(copyright, &outer);
  EXPECT_EQ(outer.right - outer.left, scale(415, dpiOf(copyright)));
  EXPECT_EQ(outer.bottom - outer.top, scale(272, dpiOf(copyright)));
  expectTablePlaces(*desktop->controls(WindowId::CopyrightWindow), copyright,
                    copyrightWindowLayout());
  const LONG style = GetWindowLongW(copyright, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_EQ(GetMenu(copyright), nullptr);
  EXPECT_TRUE(GetWindowLongW(copyright, GWL_EXSTYLE) & WS_EX_APPWINDOW);
}

TEST_F(MainWindowTest, WindowHasItsOuterSizeCentredAndFourMenus) {
  RECT rect;
  GetWindowRect(window(), &rect);
  EXPECT_EQ(rect.right - rect.left, scale(620, dpiOf(window())));
  EXPECT_EQ(rect.bottom - rect.top, scale(599, dpiOf(window())));
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_NEAR((rect.left + rect.right) / 2, (work.left + work.right) / 2, 1);
  EXPECT_NEAR((rect.top + rect.bottom) / 2, (work.top + work.bottom) / 2, 1);
  EXPECT_TRUE(IsWindowVisible(window()));
  const LONG style = GetWindowLongW(window(), GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  const WindowDef& layout = mainWindowLayout();
  ASSERT_EQ(layout.menuCount, 5u);
  EXPECT_EQ(menuBarTexts(), (std::vector<std::wstring>{L"程序", L"仿站学习", L"帮助中心",
                                                       toWide(layout.menus[4].text)}));
}

TEST_F(MainWindowTest, ControlsUseTheGuiFontScaledOnceForTheDpi) {
  // The default GUI font is 8 points, 11 pixels at 96 DPI; a font scaled both
  // by the system and by the window would be half as big again.
  const int expected = scale(11, dpiOf(window()));
  for (Role role : {Role::arcRowEdit, Role::homeCopyButton, Role::arcFlagCombo}) {
    SCOPED_TRACE(std::string(roleName(role)));
    LOGFONTW face{};
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(control(role), WM_GETFONT, 0, 0));
    ASSERT_EQ(GetObjectW(font, sizeof face, &face), static_cast<int>(sizeof face));
    EXPECT_NEAR(face.lfHeight < 0 ? -face.lfHeight : face.lfHeight, expected, 2);
  }
}

TEST_F(MainWindowTest, OnlyTheSelectedPageIsShownAndContentsSurviveSwitching) {
  const WindowControls& controls = *desktop->controls(WindowId::MainWindow);
  HWND tab = control("选择夹1");
  for (int page : {0, 4, 6}) {
    selectPage(page);
    for (const ControlInstance& control : controls.all()) {
      if (control.container != tab) continue;
      SCOPED_TRACE(describe(*control.row));
      EXPECT_EQ(IsWindowVisible(control.hwnd) != FALSE, control.row->page == page);
    }
  }
  type(Role::customRowEdit, L"12");
  selectPage(1);
  selectPage(4);
  EXPECT_EQ(textOf(Role::customRowEdit), L"12");
}

TEST_F(MainWindowTest, KindsGetTheirSettings) {
  const LONG output = GetWindowLongW(control(Role::homeOutputEdit), GWL_STYLE);
  EXPECT_TRUE(output & ES_MULTILINE);
  EXPECT_TRUE(output & ES_WANTRETURN);
  EXPECT_TRUE(output & WS_VSCROLL);
  EXPECT_FALSE(output & WS_HSCROLL);
  EXPECT_FALSE(output & ES_AUTOHSCROLL);
  // One long line wraps at the box's edge.
  desktop->writeText(Role::homeOutputEdit, Text(400, 'x') + " " + Text(400, 'y'));
  EXPECT_GT(SendMessageW(control(Role::homeOutputEdit), EM_GETLINECOUNT, 0, 0), 2);

  const LONG field = GetWindowLongW(control(Role::arcRowEdit), GWL_STYLE);
  EXPECT_TRUE(field & ES_AUTOHSCROLL);
  EXPECT_FALSE(field & ES_MULTILINE);
  EXPECT_TRUE(GetWindowLongW(control(Role::listRowEdit), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

  HWND contact = control("编辑框15");
  EXPECT_TRUE(GetWindowLongW(contact, GWL_STYLE) & ES_READONLY);
  // Magenta text on white.
  HDC dc = GetDC(contact);
  SendMessageW(GetParent(contact), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(contact));
  EXPECT_EQ(GetTextColor(dc), RGB(0xFF, 0x00, 0xFF));
  EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_WINDOW));
  HWND warning = control("标签1");
  SendMessageW(GetParent(warning), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(warning));
  EXPECT_EQ(GetTextColor(dc), RGB(0xFF, 0x00, 0x00));
  ReleaseDC(contact, dc);

  // No default button: Enter presses none.
  for (const ControlInstance& control : desktop->controls(WindowId::MainWindow)->all()) {
    if (control.row->kind != ControlKind::pushButton) continue;
    EXPECT_FALSE(GetWindowLongW(control.hwnd, GWL_STYLE) & BS_DEFPUSHBUTTON);
  }
}

TEST_F(MainWindowTest, DropDownListsStartWithItemZeroAndTheirStartText) {
  struct Case {
    Role list;
    int items;
    const wchar_t* text;
  };
  const Case cases[] = {
      {Role::navTypeCombo, 3, L"顶级栏目"},    {Role::arcFlagCombo, 5, L"无属性"},
      {Role::arcChannelCombo, 4, L"全部"},     {Role::arcOrderCombo, 5, L"发布时间"},
      {Role::arcDateStyleCombo, 9, L"无属性"}, {Role::customOrderCombo, 3, L"日期排序"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(roleName(c.list)));
    EXPECT_EQ(SendMessageW(control(c.list), CB_GETCOUNT, 0, 0), c.items);
    EXPECT_EQ(desktop->selectedIndex(c.list), 0);
    EXPECT_EQ(textOf(c.list), c.text);
  }
}

TEST_F(MainWindowTest, RelayoutScalesEveryPlaceForANewDpi) {
  RECT suggested;
  GetWindowRect(window(), &suggested);
  suggested.right = suggested.left + 930;
  suggested.bottom = suggested.top + 899;
  SendMessageW(window(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  const ControlDef& field = row(Role::arcRowEdit);
  const RECT rect = placeInParent(control(Role::arcRowEdit));
  EXPECT_EQ(rect.left, scale(field.x, 144));
  EXPECT_EQ(rect.top, scale(field.y, 144));
  EXPECT_EQ(rect.right - rect.left, scale(field.width, 144));
  // The window's own icons follow to the sizes for the new DPI.
  const Rendering small =
      render(reinterpret_cast<HICON>(SendMessageW(window(), WM_GETICON, ICON_SMALL, 0)));
  EXPECT_EQ(small.width, systemMetricFor(SM_CXSMICON, 144));
  const Rendering big =
      render(reinterpret_cast<HICON>(SendMessageW(window(), WM_GETICON, ICON_BIG, 0)));
  EXPECT_EQ(big.width, systemMetricFor(SM_CXICON, 144));
}

}  // namespace
}  // namespace tagwright::win32::testing
