#include "tests/win32/rendering.h"

namespace tagwright::win32 {

namespace {

// Runs `paint` on a 32-bit top-down bitmap of `width` x `height` and returns
// the pixels.
Rendering paintInto(int width, int height, const std::function<void(HDC)>& paint) {
  Rendering result;
  if (width <= 0 || height <= 0) return result;
  result.width = width;
  result.height = height;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  paint(dc);
  GdiFlush();
  const auto* bgra = static_cast<const unsigned char*>(bits);
  for (int i = 0; i < width * height; ++i) {
    result.pixels.push_back(RGB(bgra[4 * i + 2], bgra[4 * i + 1], bgra[4 * i]));
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return result;
}

}  // namespace

int Rendering::count(const std::function<bool(int r, int g, int b)>& kind) const {
  int n = 0;
  for (COLORREF c : pixels) n += kind(GetRValue(c), GetGValue(c), GetBValue(c)) ? 1 : 0;
  return n;
}

Rendering render(HWND control) {
  RECT client{};
  GetClientRect(control, &client);
  return paintInto(client.right, client.bottom, [control](HDC dc) {
    SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  });
}

Rendering render(HICON icon) {
  ICONINFO info{};
  if (icon == nullptr || !GetIconInfo(icon, &info)) return Rendering{};
  BITMAP mask{};
  GetObjectW(info.hbmMask, sizeof mask, &mask);
  const int width = mask.bmWidth;
  // A monochrome icon keeps its AND and XOR masks stacked in one bitmap.
  const int height = info.hbmColor != nullptr ? mask.bmHeight : mask.bmHeight / 2;
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return paintInto(width, height, [&](HDC dc) {
    DrawIconEx(dc, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
  });
}

bool isBlue(int r, int g, int b) {
  return b > 160 && r < 90 && g < 90;
}
bool isMagenta(int r, int g, int b) {
  return r > 160 && b > 160 && g < 90;
}
bool isDarkRed(int r, int g, int b) {
  return r > 80 && r < 170 && g < 40 && b < 40;
}

}  // namespace tagwright::win32
