#pragma once
// Shared by the skin's tests: the five bitmaps, and 32-bpp targets pre-filled with a sentinel colour
// that no skin bitmap uses, so that every pixel a primitive writes (or must not write) shows.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/Surface.h"
#include "skin/SkinBitmaps.h"

namespace quilnet::skin::test {

inline constexpr COLORREF kSentinel = 0x123456;

class SkinTest : public ::testing::Test {
 public:
  // A w x h target, every pixel `fill`, or a distinct colour per pixel when `patterned`.
  static MemorySurface Target(int w, int h, COLORREF fill = kSentinel, bool patterned = false) {
    MemorySurface target = MemorySurface::Create(w, h);
    GdiFlush();
    for (int i = 0; i < w * h; ++i) target.bits()[i] = patterned ? static_cast<uint32_t>(0x10000 + i * 37) : ToDib(fill);
    return target;
  }
  // The pixel as a COLORREF (DrawFocusRect also flips the DIB's unused high byte: ignored).
  static COLORREF At(const MemorySurface& target, int x, int y) {
    GdiFlush();
    const uint32_t v = target.bits()[y * target.width() + x];
    return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
  }
  static COLORREF At(HDC dc, int x, int y) { return GetPixel(dc, x, y); }
  static uint32_t ToDib(COLORREF c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }

 protected:
  SkinSurfaces skin_ = BuildSkinBitmaps();
};

}  // namespace quilnet::skin::test
