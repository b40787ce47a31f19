#include "ui/win32/clipboard.h"

#include <cstring>
#include <string>

#include "ui/win32/text_convert.h"

namespace tagwright::win32 {

namespace {

// Open for the lifetime of the object; closed on every way out.
class OpenClipboardScope {
 public:
  explicit OpenClipboardScope(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
  ~OpenClipboardScope() {
    if (open_) CloseClipboard();
  }
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
  bool isOpen() const { return open_; }

 private:
  bool open_;
};

// Movable global memory, freed unless handed to the clipboard.
class GlobalBlock {
 public:
  GlobalBlock(const void* bytes, std::size_t size) {
    handle_ = GlobalAlloc(GMEM_MOVEABLE, size);
    if (handle_ == nullptr) return;
    void* target = GlobalLock(handle_);
    if (target == nullptr) {
      GlobalFree(handle_);
      handle_ = nullptr;
      return;
    }
    std::memcpy(target, bytes, size);
    GlobalUnlock(handle_);
  }
  ~GlobalBlock() {
    if (handle_ != nullptr) GlobalFree(handle_);
  }
  GlobalBlock(const GlobalBlock&) = delete;
  GlobalBlock& operator=(const GlobalBlock&) = delete;

  bool valid() const { return handle_ != nullptr; }
  // On success the clipboard owns the memory.
  bool giveToClipboard(UINT format) {
    if (SetClipboardData(format, handle_) == nullptr) return false;
    handle_ = nullptr;
    return true;
  }

 private:
  HGLOBAL handle_ = nullptr;
};

}  // namespace

bool putTextOnClipboard(HWND owner, const Text& text) {
  OpenClipboardScope clipboard(owner);
  if (!clipboard.isOpen()) return false;
  if (!EmptyClipboard()) return false;

  // The GBK bytes with their terminating zero byte (c_str provides it).
  GlobalBlock ansi(text.c_str(), text.size() + 1);
  const std::wstring wide = toWide(text);
  GlobalBlock unicode(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  if (!ansi.valid() || !unicode.valid()) return false;

  // Without an explicit locale, a program asking for another format would get
  // it converted through the thread's code page instead of GBK.
  const LCID chinese = MAKELCID(MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), SORT_DEFAULT);
  GlobalBlock locale(&chinese, sizeof chinese);

  if (!ansi.giveToClipboard(CF_TEXT)) return false;
  if (!unicode.giveToClipboard(CF_UNICODETEXT)) {
    EmptyClipboard();  // no half-written clipboard
    return false;
  }
  if (locale.valid()) locale.giveToClipboard(CF_LOCALE);
  return true;
}

}  // namespace tagwright::win32
