#include "platform/Surface.h"

#include <utility>

namespace quilnet {

MemorySurface& MemorySurface::operator=(MemorySurface&& other) noexcept {
  if (this != &other) {
    dc_.reset();
    bitmap_ = std::move(other.bitmap_);
    dc_ = std::move(other.dc_);
    bits_ = other.bits_;
    width_ = other.width_;
    height_ = other.height_;
    other.bits_ = nullptr;
    other.width_ = other.height_ = 0;
  }
  return *this;
}

MemorySurface MemorySurface::Create(int width, int height) {
  MemorySurface surface;
  if (width <= 0 || height <= 0) return surface;
  UniqueDc dc(CreateCompatibleDC(nullptr));
  if (!dc) return surface;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits || !SelectObject(dc.get(), bitmap.get())) return surface;
  surface.bitmap_ = std::move(bitmap);
  surface.dc_ = std::move(dc);
  surface.bits_ = static_cast<uint32_t*>(bits);
  surface.width_ = width;
  surface.height_ = height;
  return surface;
}

}  // namespace quilnet
