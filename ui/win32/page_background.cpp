#include "ui/win32/page_background.h"

#include <uxtheme.h>
#include <vssym32.h>

namespace tagwright::win32 {

namespace {

// A device context with a bitmap selected, released on every way out.
class BitmapCanvas {
 public:
  BitmapCanvas(HWND window, int width, int height) {
    HDC screen = GetDC(window);
    if (screen == nullptr) return;
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(window, screen);
    if (dc_ != nullptr && bitmap_ != nullptr) old_ = SelectObject(dc_, bitmap_);
  }
  ~BitmapCanvas() {
    if (old_ != nullptr) SelectObject(dc_, old_);
    if (dc_ != nullptr) DeleteDC(dc_);
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
  }
  BitmapCanvas(const BitmapCanvas&) = delete;
  BitmapCanvas& operator=(const BitmapCanvas&) = delete;

  bool valid() const { return old_ != nullptr; }
  HDC dc() const { return dc_; }
  HBITMAP bitmap() const { return bitmap_; }

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

}  // namespace

void PageBackground::release() {
  if (brush_ != nullptr) DeleteObject(brush_);
  brush_ = nullptr;
}

void PageBackground::update(HWND tab) {
  release();
  tab_ = tab;
  if (tab == nullptr || !IsAppThemed()) return;
  HTHEME theme = OpenThemeData(tab, L"TAB");
  if (theme == nullptr) return;
  RECT area;
  GetClientRect(tab, &area);
  if (area.right > 0 && area.bottom > 0) {
    BitmapCanvas canvas(tab, area.right, area.bottom);
    if (canvas.valid() &&
        SUCCEEDED(DrawThemeBackground(theme, canvas.dc(), TABP_BODY, 0, &area, nullptr))) {
      // The pattern brush copies the bitmap; the canvas may go.
      brush_ = CreatePatternBrush(canvas.bitmap());
    }
  }
  CloseThemeData(theme);
}

HBRUSH PageBackground::brushFor(HWND control, HDC dc) const {
  if (brush_ == nullptr) return nullptr;
  POINT origin{0, 0};
  MapWindowPoints(control, tab_, &origin, 1);
  SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
  return brush_;
}

}  // namespace tagwright::win32
