#include "ui/win32/custom_controls.h"

#include "ui/win32/custom_control_support.h"

namespace tagwright::win32 {

void registerCustomControls(HINSTANCE instance) {
  registerPictureBoxClass(instance);
  registerHyperlinkClass(instance);
  registerWebViewClass(instance);
}

}  // namespace tagwright::win32
