// The GUI font follows the DPI of the window's monitor, starting from the stock
// font, which is made for the system DPI already.
#include "ui/win32/gui_font.h"

#include <gtest/gtest.h>

#include "ui/win32/dpi_scale.h"

namespace tagwright::win32 {
namespace {

LONG heightOf(HFONT font) {
  LOGFONTW face{};
  GetObjectW(font, sizeof face, &face);
  return face.lfHeight;
}

TEST(GuiFont, IsTheStockFontAtTheSystemDpiAndScaledFromItElsewhere) {
  const UINT system = dpiOf(nullptr);
  HFONT stock = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  const GuiFont same(system);
  EXPECT_EQ(same.handle(), stock);
  const GuiFont twice(system * 2);
  EXPECT_EQ(heightOf(twice.handle()), heightOf(stock) * 2);
  const GuiFont half(system / 2);
  EXPECT_EQ(heightOf(half.handle()), heightOf(stock) / 2);
}

}  // namespace
}  // namespace tagwright::win32
