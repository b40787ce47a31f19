// The platform's default GUI font at a given DPI: every window and control of
// the program uses it. The stock font already follows the system DPI.
#pragma once

#include <windows.h>

namespace tagwright::win32 {

class GuiFont {
 public:
  explicit GuiFont(UINT dpi);
  ~GuiFont();
  GuiFont(const GuiFont&) = delete;
  GuiFont& operator=(const GuiFont&) = delete;

  HFONT handle() const { return font_; }
  UINT dpi() const { return dpi_; }

 private:
  HFONT font_ = nullptr;
  bool owned_ = false;
  UINT dpi_;
};

}  // namespace tagwright::win32
