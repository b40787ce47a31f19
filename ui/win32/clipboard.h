// Putting text on the clipboard as CF_TEXT (the GBK bytes and a zero byte) and
// CF_UNICODETEXT, so that a paste is right in every program and locale.
#pragma once

#include <windows.h>

#include "core/text.h"

namespace tagwright::win32 {

// Empties the clipboard and puts `text` in both formats. False when the
// clipboard cannot be opened (it is left as it was) or memory runs out (it is
// left empty). `owner` becomes the clipboard owner.
bool putTextOnClipboard(HWND owner, const Text& text);

}  // namespace tagwright::win32
