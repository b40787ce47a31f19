// Both windows and the tray carry the program's icon, in the sizes for their
// DPI: a rounded square in four quarters, white top-left, blue top-right, black
// bottom-left, light grey bottom-right.
#include <algorithm>
#include <vector>

#include "tests/win32/rendering.h"
#include "tests/win32/window_fixture.h"
#include "ui/win32/dpi_scale.h"

namespace tagwright::win32::testing {
namespace {

// The icon is `size` pixels square and shows the four quarters.
void expectProgramIcon(HICON icon, int size) {
  ASSERT_NE(icon, nullptr);
  const Rendering drawn = render(icon);
  EXPECT_EQ(drawn.width, size);
  EXPECT_EQ(drawn.height, size);
  if (drawn.width < 8 || drawn.height < 8) return;
  auto at = [&](int quarterX, int quarterY) {
    const COLORREF c =
        drawn.at(drawn.width * (2 * quarterX + 1) / 4, drawn.height * (2 * quarterY + 1) / 4);
    return std::vector<int>{GetRValue(c), GetGValue(c), GetBValue(c)};
  };
  const std::vector<int> white = at(0, 0), blue = at(1, 0), black = at(0, 1), grey = at(1, 1);
  EXPECT_GT(*std::min_element(white.begin(), white.end()), 235);
  EXPECT_TRUE(isBlue(blue[0], blue[1], blue[2])) << blue[0] << "," << blue[1] << "," << blue[2];
  EXPECT_LT(*std::max_element(black.begin(), black.end()), 30);
  for (int channel : grey) {
    EXPECT_GT(channel, 160);
    EXPECT_LT(channel, 235);
  }
}

void expectWindowIcons(HWND window) {
  const UINT dpi = dpiOf(window);
  {
    SCOPED_TRACE("big");
    expectProgramIcon(reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0)),
                      systemMetricFor(SM_CXICON, dpi));
  }
  {
    SCOPED_TRACE("small");
    expectProgramIcon(reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0)),
                      systemMetricFor(SM_CXSMICON, dpi));
  }
}

TEST_F(MainWindowTest, BothWindowsAndTheTrayShowTheProgramIcon) {
  {
    SCOPED_TRACE("MainWindow");
    expectWindowIcons(window());
  }
  chooseMenuItem(L"版权声明");
  HWND copyright = desktop->windowHandle(WindowId::CopyrightWindow);
  ASSERT_NE(copyright, nullptr);
  {
    SCOPED_TRACE("CopyrightWindow");
    expectWindowIcons(copyright);
  }
  ASSERT_TRUE(desktop->trayIconShown());
  SCOPED_TRACE("tray");
  expectProgramIcon(desktop->trayIcon(), GetSystemMetrics(SM_CXSMICON));
}

}  // namespace
}  // namespace tagwright::win32::testing
