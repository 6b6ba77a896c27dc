#include "platform/Offscreen.h"

#include <algorithm>

namespace quilnet {

Offscreen::~Offscreen() { Release(); }

void Offscreen::Release() {
  if (dc_) {
    if (oldFont_) SelectObject(dc_.get(), oldFont_);
    if (oldBitmap_) SelectObject(dc_.get(), oldBitmap_);
  }
  oldFont_ = oldBitmap_ = nullptr;
  dc_.reset();
  bitmap_.reset();
  width_ = height_ = 0;
}

bool Offscreen::Resize(int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  if (dc_ && width == width_ && height == height_) return true;
  Release();
  UniqueDc dc(CreateCompatibleDC(nullptr));
  if (!dc) return false;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) return false;
  oldBitmap_ = SelectObject(dc.get(), bitmap.get());
  if (font_) oldFont_ = SelectObject(dc.get(), font_);
  dc_ = std::move(dc);
  bitmap_ = std::move(bitmap);
  width_ = width;
  height_ = height;
  return true;
}

void Offscreen::SelectFont(HFONT font) {
  font_ = font;
  if (!dc_) return;
  if (!font) {
    if (oldFont_) SelectObject(dc_.get(), oldFont_);
    oldFont_ = nullptr;
    return;
  }
  HGDIOBJ previous = SelectObject(dc_.get(), font);
  if (!oldFont_) oldFont_ = previous;
}

void Offscreen::CopyTo(HDC target, const RECT& area) const {
  if (!dc_) return;
  BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_.get(), area.left,
         area.top, SRCCOPY);
}

}  // namespace quilnet
