// The one place where the program's GBK texts meet the wide-character API:
// code page 936 both ways.
#pragma once

#include <windows.h>

#include <string>

#include "core/text.h"

namespace tagwright::win32 {

// Bytes that are no valid GBK (a lone lead byte, a bad trail byte) become
// U+003F, as the system converts them; nothing is read past the end.
std::wstring toWide(const Text& gbk);
// Characters that GBK lacks become '?'.
Text toGbk(const std::wstring& wide);

// The whole text of a window (an edit box of megabytes included).
std::wstring windowTextWide(HWND window);
Text windowText(HWND window);

// `gbk` cut to at most `maxBytes` bytes without splitting a two-byte character.
Text cutGbk(const Text& gbk, std::size_t maxBytes);

}  // namespace tagwright::win32
