#pragma once
// Shared by the skin's tests: the five bitmaps, and the kit's sentinel-filled 32-bpp canvases to draw on.
#include <gtest/gtest.h>
#include <windows.h>

#include "skin/SkinBitmaps.h"
#include "support/Canvas.h"

namespace quilnet::skin::test {

using Canvas = ::quilnet::test::Canvas;
inline constexpr COLORREF kSentinel = ::quilnet::test::kSentinel;

class SkinTest : public ::testing::Test {
 public:
  // A distinct colour in every pixel, so that a copy from the wrong place shows.
  static void Pattern(Canvas& canvas) {
    for (int y = 0; y < canvas.height(); ++y) {
      for (int x = 0; x < canvas.width(); ++x) canvas.Set(x, y, static_cast<COLORREF>(0x10000 + (y * canvas.width() + x) * 37));
    }
  }
  static COLORREF At(HDC dc, int x, int y) { return GetPixel(dc, x, y); }

 protected:
  SkinSurfaces skin_ = BuildSkinBitmaps();
};

}  // namespace quilnet::skin::test
