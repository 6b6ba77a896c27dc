#pragma once
// A 32-bpp top-down DIB section filled with a sentinel colour, for exact pixel comparisons. Windows paint
// into it through WM_PRINTCLIENT; drawing functions use its DC directly. Colours are COLORREF values
// (0x00BBGGRR), as GDI takes them; the unused high byte of each pixel is ignored on reading.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "platform/Surface.h"

namespace quilnet::test {

// A colour that nothing in the program draws with.
inline constexpr COLORREF kSentinel = RGB(0x5A, 0xC3, 0xA5);

class Canvas {
 public:
  Canvas(int width, int height, COLORREF fill = kSentinel);
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC dc() const noexcept { return surface_.dc(); }
  int width() const noexcept { return width_; }
  int height() const noexcept { return height_; }
  RECT bounds() const noexcept { return {0, 0, width_, height_}; }

  void Fill(COLORREF colour);
  COLORREF At(int x, int y) const;
  void Set(int x, int y, COLORREF colour);

  // Has the window paint its client area here, with its client origin at (x, y): WM_ERASEBKGND first when
  // `erase`, then WM_PRINTCLIENT. What it leaves unpainted keeps what the canvas held.
  void Print(HWND window, int x = 0, int y = 0, bool erase = true);
  // The window, then its visible children over it (bottom of the Z order first), each at its place,
  // as the screen would compose their client areas.
  void PrintTree(HWND window, int x = 0, int y = 0);

  // How many pixels of the rectangle (clipped to the canvas) have the colour.
  int Count(const RECT& area, COLORREF colour) const;
  // The smallest rectangle holding every pixel of `area` that is not `colour`; nothing when there is none.
  std::optional<RECT> Differing(const RECT& area, COLORREF colour) const;

  // Exact comparisons; a failure names the first pixel that differs and how many do.
  ::testing::AssertionResult AllOf(const RECT& area, COLORREF colour) const;
  // The one-pixel border of `outer` (`thickness` pixels deep) is `colour`.
  ::testing::AssertionResult FrameOf(const RECT& outer, COLORREF colour, int thickness = 1) const;
  // Nothing of the area was drawn: it still holds the sentinel.
  ::testing::AssertionResult Untouched(const RECT& area) const { return AllOf(area, kSentinel); }
  // The same pixels as `other` over the whole canvas (both the same size).
  ::testing::AssertionResult SameAs(const Canvas& other) const;

 private:
  int width_;
  int height_;
  uint32_t* bits_ = nullptr;
  MemorySurface surface_;
};

// "0x00BBGGRR" for messages.
std::string ColourText(COLORREF colour);

}  // namespace quilnet::test

// Rectangles compare and print as what they are.
inline bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline void PrintTo(const RECT& r, std::ostream* out) {
  *out << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}
