// CopyrightWindow: two black labels directly on the window, no menu.
#include "ui/layout.h"
#include "ui/layout_rows.h"
#include "ui/maker.h"

namespace tagwright {
namespace {

using namespace rows;

constexpr ControlDef kControls[] = {
    label(kOnWindow, "标签1", 120, 48, 176, 64, maker::kCopyrightStatement),
    label(kOnWindow, "标签2", 160, 152, 88, 32, maker::kSiteHost),
};

constexpr WindowDef kCopyrightWindow{
    WindowId::CopyrightWindow,
    "CopyrightWindow",
    "版权申明",
    415,
    272,
    windowTaskbarButton,
    kControls,
    sizeof(kControls) / sizeof(kControls[0]),
    nullptr,
    0,
};

}  // namespace

const WindowDef& copyrightWindowLayout() {
  return kCopyrightWindow;
}

}  // namespace tagwright
