#include "ui/win32/gui_font.h"

#include "ui/win32/dpi_scale.h"

namespace tagwright::win32 {

// DEFAULT_GUI_FONT is made for the system DPI; for a window on a monitor of
// another DPI the same face is created at the height scaled between the two.
GuiFont::GuiFont(UINT dpi) : dpi_(dpi) {
  HFONT stock = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  const UINT systemDpi = dpiOf(nullptr);
  LOGFONTW face{};
  if (stock != nullptr && dpi != systemDpi &&
      GetObjectW(stock, sizeof face, &face) == sizeof face) {
    face.lfHeight = MulDiv(face.lfHeight, static_cast<int>(dpi), static_cast<int>(systemDpi));
    face.lfWidth = 0;
    font_ = CreateFontIndirectW(&face);
    owned_ = font_ != nullptr;
  }
  if (font_ == nullptr) font_ = stock;
}

GuiFont::~GuiFont() {
  if (owned_) DeleteObject(font_);
}

}  // namespace tagwright::win32
