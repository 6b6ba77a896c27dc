#pragma once
// A 32-bpp DIB section selected into its own memory context, filled with a sentinel colour, for pixel
// checks of whatever draws onto a device context.
#include <windows.h>

#include <cstdint>

#include "platform/Handles.h"
#include "support/Capture.h"

namespace quilnet::test {

// Not a colour any drawing here uses.
inline constexpr COLORREF kSentinel = 0x123456;

class DibCanvas {
 public:
  DibCanvas(int width, int height, COLORREF fill = kSentinel);
  ~DibCanvas();
  DibCanvas(const DibCanvas&) = delete;
  DibCanvas& operator=(const DibCanvas&) = delete;

  HDC dc() const noexcept { return dc_.get(); }
  int width() const noexcept { return width_; }
  int height() const noexcept { return height_; }
  // The pixel as 0x00BBGGRR, the order colours are written in everywhere else.
  COLORREF At(int x, int y) const;
  void Clear(COLORREF colour);
  // Top-down 0x00RRGGBB rows, as the PNG writer takes them.
  Pixels ToPixels() const;

 private:
  int width_, height_;
  std::uint32_t* bits_ = nullptr;
  UniqueDc dc_;
  UniqueBitmap bitmap_;
  HGDIOBJ old_ = nullptr;
};

}  // namespace quilnet::test
