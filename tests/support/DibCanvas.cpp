#include "support/DibCanvas.h"

namespace quilnet::test {

DibCanvas::DibCanvas(int width, int height, COLORREF fill)
    : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};  // top-down
  void* bits = nullptr;
  bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  bits_ = static_cast<std::uint32_t*>(bits);
  old_ = SelectObject(dc_.get(), bitmap_.get());
  Clear(fill);
}

DibCanvas::~DibCanvas() {
  if (old_) SelectObject(dc_.get(), old_);
}

COLORREF DibCanvas::At(int x, int y) const {
  GdiFlush();
  // The high byte is left alone by most drawing but not by a focus rectangle's XOR.
  const std::uint32_t p = bits_[static_cast<size_t>(y) * static_cast<size_t>(width_) + x] & 0xFFFFFF;
  return ((p & 0xFF) << 16) | (p & 0xFF00) | (p >> 16);
}

void DibCanvas::Clear(COLORREF colour) {
  GdiFlush();
  const std::uint32_t p = ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
  for (size_t i = 0; i < static_cast<size_t>(width_) * static_cast<size_t>(height_); ++i) bits_[i] = p;
}

Pixels DibCanvas::ToPixels() const {
  GdiFlush();
  Pixels out;
  out.width = width_;
  out.height = height_;
  out.data.assign(bits_, bits_ + static_cast<size_t>(width_) * static_cast<size_t>(height_));
  for (auto& p : out.data) p &= 0xFFFFFF;
  return out;
}

}  // namespace quilnet::test
