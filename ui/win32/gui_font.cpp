#include "ui/win32/gui_font.h"

#include "ui/win32/dpi_scale.h"

namespace tagwright::win32 {

// DEFAULT_GUI_FONT is made for 96 DPI; at other DPIs the same face is created
// at the scaled height.
GuiFont::GuiFont(UINT dpi) : dpi_(dpi) {
  HFONT stock = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  LOGFONTW face{};
  if (stock != nullptr && GetObjectW(stock, sizeof face, &face) == sizeof face && dpi != kBaseDpi) {
    face.lfHeight = scale(face.lfHeight, dpi);
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
