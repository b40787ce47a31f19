// Picture box: decodes a stored GIF once, at creation, into a device-independent
// bitmap and paints it stretched to the box or at its natural size (scaled by the
// window's DPI) at the top-left. Anything that fails leaves an empty box.
#include <windows.h>

#include <cstring>
#include <memory>
#include <type_traits>

#include "ui/win32/custom_control_support.h"
#include "ui/win32/custom_controls.h"
#include "ui/win32/gif_decoder.h"
#include "ui/win32/resource_ids.h"

namespace tagwright::win32 {
namespace {

struct BitmapDeleter {
  void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
using BitmapHandle = std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter>;

struct PictureState {
  BitmapHandle bitmap;
  SIZE size{0, 0};
  bool stretched = false;
};

struct DecodedImage {
  BitmapHandle bitmap;
  SIZE size{0, 0};
};

DecodedImage decodeImage(HINSTANCE module, ImageId image) {
  DecodedImage result;
  const int id = imageResourceId(image);
  if (id == 0) return result;
  HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10) /* RCDATA */);
  if (!info) return result;
  const DWORD size = SizeofResource(module, info);
  HGLOBAL loaded = LoadResource(module, info);
  const auto* bytes = static_cast<const unsigned char*>(loaded ? LockResource(loaded) : nullptr);
  GifImage gif;
  if (!bytes || !decodeGif(bytes, size, gif)) return result;

  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = gif.width;
  format.bmiHeader.biHeight = -gif.height;  // top-down, as the decoder writes
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  result.bitmap.reset(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &pixels, nullptr, 0));
  if (!result.bitmap || !pixels) {
    result.bitmap.reset();
    return result;
  }
  std::memcpy(pixels, gif.pixels.data(), gif.pixels.size() * sizeof gif.pixels[0]);
  result.size = {gif.width, gif.height};
  return result;
}

// The window's DPI; looked up at run time, since GetDpiForWindow is missing before
// Windows 10.
UINT windowDpi(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  const auto getDpi = reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32"), "GetDpiForWindow")));
  UINT dpi = getDpi ? getDpi(window) : 0;
  if (dpi == 0) {
    HDC screen = GetDC(nullptr);
    dpi = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSX));
    ReleaseDC(nullptr, screen);
  }
  return dpi ? dpi : 96;
}

void paintPicture(HWND window, HDC dc) {
  RECT client{};
  GetClientRect(window, &client);
  paintParentBackground(window, dc, client);
  const PictureState* state = stateOf<PictureState>(window);
  if (!state || !state->bitmap) return;
  HDC source = CreateCompatibleDC(dc);
  if (!source) return;
  HGDIOBJ old = SelectObject(source, state->bitmap.get());
  int width = state->size.cx;
  int height = state->size.cy;
  if (state->stretched) {
    width = client.right;
    height = client.bottom;
  } else {
    UINT dpi = windowDpi(window);
    width = MulDiv(width, static_cast<int>(dpi), 96);
    height = MulDiv(height, static_cast<int>(dpi), 96);
  }
  if (width == state->size.cx && height == state->size.cy) {
    BitBlt(dc, 0, 0, width, height, source, 0, 0, SRCCOPY);
  } else {
    int oldMode = SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, 0, 0, width, height, source, 0, 0, state->size.cx, state->size.cy, SRCCOPY);
    SetStretchBltMode(dc, oldMode);
  }
  SelectObject(source, old);
  DeleteDC(source);
}

LRESULT CALLBACK pictureProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return guardedWindowProcedure(window, message, wParam, lParam, [&]() -> LRESULT {
    switch (message) {
      case WM_NCCREATE:
        attachState(window, std::make_unique<PictureState>());
        break;
      case WM_NCDESTROY:
        detachState<PictureState>(window);
        break;
      case WM_ERASEBKGND:
        return 1;  // WM_PAINT covers every pixel
      case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        paintPicture(window, dc);
        EndPaint(window, &ps);
        return 0;
      }
      case WM_PRINTCLIENT:
        paintPicture(window, reinterpret_cast<HDC>(wParam));
        return 0;
      case WM_NCHITTEST:
        return HTTRANSPARENT;  // a picture takes no mouse input, as a static does
    }
    return DefWindowProcW(window, message, wParam, lParam);
  });
}

}  // namespace

bool registerPictureBoxClass(HINSTANCE instance) {
  return registerControlClass(instance, kPictureBoxClass, pictureProcedure, IDC_ARROW);
}

HWND createPictureBox(HWND parent, int id, const RECT& rect, ImageId image, bool stretched) {
  HINSTANCE module = codeModule();
  registerCustomControls(module);
  HWND window = CreateWindowExW(0, kPictureBoxClass, L"", WS_CHILD | WS_VISIBLE, rect.left,
                                rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), module, nullptr);
  if (!window) return nullptr;
  if (PictureState* state = stateOf<PictureState>(window)) {
    DecodedImage decoded = decodeImage(module, image);
    state->bitmap = std::move(decoded.bitmap);
    state->size = decoded.size;
    state->stretched = stretched;
  }
  return window;
}

SIZE pictureImageSize(HWND pictureBox) {
  wchar_t name[64] = L"";
  GetClassNameW(pictureBox, name, 64);
  const PictureState* state =
      lstrcmpiW(name, kPictureBoxClass) == 0 ? stateOf<PictureState>(pictureBox) : nullptr;
  return state && state->bitmap ? state->size : SIZE{0, 0};
}

}  // namespace tagwright::win32
