// Picture box: decodes a stored GIF once, at creation, into a device-independent
// bitmap and paints it stretched to the box or at its natural size (scaled by the
// window's DPI) at the top-left. Anything that fails leaves an empty box.
#include <ocidl.h>
#include <olectl.h>
#include <windows.h>

#include <cstring>
#include <memory>
#include <type_traits>

#include "ui/win32/com_ptr.h"
#include "ui/win32/custom_control_support.h"
#include "ui/win32/custom_controls.h"
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

// Copies the RCDATA bytes into a stream that OleLoadPicture can read.
ComPtr<IStream> resourceStream(HINSTANCE module, int id) {
  ComPtr<IStream> stream;
  HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10) /* RCDATA */);
  if (!info) return stream;
  DWORD size = SizeofResource(module, info);
  HGLOBAL loaded = LoadResource(module, info);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes || size == 0) return stream;
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!copy) return stream;
  void* target = GlobalLock(copy);
  if (!target) {
    GlobalFree(copy);
    return stream;
  }
  std::memcpy(target, bytes, size);
  GlobalUnlock(copy);
  // The stream frees the memory when it is released.
  if (FAILED(CreateStreamOnHGlobal(copy, TRUE, stream.put()))) GlobalFree(copy);
  return stream;
}

DecodedImage decodeImage(HINSTANCE module, ImageId image) {
  DecodedImage result;
  int id = imageResourceId(image);
  if (id == 0) return result;
  ComPtr<IStream> stream = resourceStream(module, id);
  if (!stream) return result;
  ComPtr<IPicture> picture;
  if (FAILED(OleLoadPicture(stream.get(), 0, FALSE, IID_IPicture, picture.putVoid()))) {
    return result;
  }
  SHORT type = PICTYPE_UNINITIALIZED;
  OLE_HANDLE handle = 0;
  if (FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP ||
      FAILED(picture->get_Handle(&handle))) {
    return result;
  }
  // The picture owns its bitmap: keep a copy of our own.
  HANDLE copy = CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP, 0,
                          0, LR_CREATEDIBSECTION);
  if (!copy) return result;
  result.bitmap.reset(static_cast<HBITMAP>(copy));
  BITMAP info{};
  if (!GetObjectW(result.bitmap.get(), sizeof info, &info)) {
    result.bitmap.reset();
    return result;
  }
  result.size = {info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
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
