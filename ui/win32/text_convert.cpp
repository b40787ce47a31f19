#include "ui/win32/text_convert.h"

#include <climits>
#include <new>

namespace tagwright::win32 {

namespace {

constexpr UINT kGbkCodePage = 936;

// The conversion functions count in int; a text of more than 2 GB cannot be
// shown by any control, so it is refused rather than cut silently.
int checkedLength(std::size_t size) {
  if (size > static_cast<std::size_t>(INT_MAX)) throw std::bad_alloc();
  return static_cast<int>(size);
}

}  // namespace

std::wstring toWide(const Text& gbk) {
  if (gbk.empty()) return std::wstring();
  const int length = checkedLength(gbk.size());
  const int needed = MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), length, nullptr, 0);
  if (needed <= 0) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), length, wide.data(), needed);
  return wide;
}

Text toGbk(const std::wstring& wide) {
  if (wide.empty()) return Text();
  const int length = checkedLength(wide.size());
  const int needed =
      WideCharToMultiByte(kGbkCodePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return Text();
  Text gbk(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(kGbkCodePage, 0, wide.data(), length, gbk.data(), needed, nullptr, nullptr);
  return gbk;
}

std::wstring windowTextWide(HWND window) {
  const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return std::wstring();
  // WM_GETTEXTLENGTH may overstate; the buffer takes the terminating zero.
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied =
      SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

Text windowText(HWND window) {
  return toGbk(windowTextWide(window));
}

Text cutGbk(const Text& gbk, std::size_t maxBytes) {
  std::size_t end = 0;
  while (end < gbk.size()) {
    const std::size_t next = end + charLengthAt(gbk, end);
    if (next > maxBytes) break;
    end = next;
  }
  return gbk.substr(0, end);
}

}  // namespace tagwright::win32
