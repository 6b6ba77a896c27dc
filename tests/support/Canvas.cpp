#include "support/Canvas.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace quilnet::test {
namespace {

uint32_t ToPixel(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }
COLORREF FromPixel(uint32_t p) { return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF); }

RECT Clip(const RECT& area, const RECT& bounds) {
  RECT r{};
  IntersectRect(&r, &area, &bounds);
  return r;
}

std::string Where(int x, int y) {
  char text[32];
  std::snprintf(text, sizeof text, "(%d,%d)", x, y);
  return text;
}

// Keeps a DC's origin and clipping across one drawing.
class SavedDc {
 public:
  explicit SavedDc(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~SavedDc() { RestoreDC(dc_, saved_); }
  SavedDc(const SavedDc&) = delete;
  SavedDc& operator=(const SavedDc&) = delete;

 private:
  HDC dc_;
  int saved_;
};

}  // namespace

std::string ColourText(COLORREF colour) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(colour));
  return text;
}

Canvas::Canvas(int width, int height, COLORREF fill)
    : width_(width), height_(height), surface_(MemorySurface::Create(width, height)) {
  if (!surface_) throw std::runtime_error("no DIB section for a canvas");
  bits_ = surface_.bits();
  Fill(fill);
}

void Canvas::Fill(COLORREF colour) {
  GdiFlush();
  std::fill(bits_, bits_ + static_cast<size_t>(width_) * height_, ToPixel(colour));
}

COLORREF Canvas::At(int x, int y) const {
  GdiFlush();
  return FromPixel(bits_[static_cast<size_t>(y) * width_ + x] & 0x00FFFFFF);
}

void Canvas::Set(int x, int y, COLORREF colour) {
  GdiFlush();
  bits_[static_cast<size_t>(y) * width_ + x] = ToPixel(colour);
}

void Canvas::Print(HWND window, int x, int y, bool erase) {
  RECT client{};
  GetClientRect(window, &client);
  if (x != 0 || y != 0) {
    // Wine's controls take their client rectangle as device units of the DC they are given (they clip to
    // it), so each paints at the origin of a canvas of its own, which then goes in place.
    Canvas own(client.right, client.bottom);
    BitBlt(own.dc(), 0, 0, client.right, client.bottom, dc(), x, y, SRCCOPY);
    own.Print(window, 0, 0, erase);
    BitBlt(dc(), x, y, client.right, client.bottom, own.dc(), 0, 0, SRCCOPY);
    return;
  }
  const SavedDc saved(dc());
  IntersectClipRect(dc(), 0, 0, client.right, client.bottom);
  const WPARAM target = reinterpret_cast<WPARAM>(dc());
  if (erase) SendMessageW(window, WM_ERASEBKGND, target, 0);
  SendMessageW(window, WM_PRINTCLIENT, target, PRF_CLIENT | (erase ? PRF_ERASEBKGND : 0));
  GdiFlush();
}

void Canvas::PrintTree(HWND window, int x, int y) {
  Print(window, x, y);
  for (HWND child = GetWindow(GetWindow(window, GW_CHILD), GW_HWNDLAST); child; child = GetWindow(child, GW_HWNDPREV)) {
    if (!IsWindowVisible(child)) continue;
    POINT at{0, 0};
    MapWindowPoints(child, window, &at, 1);
    PrintTree(child, x + at.x, y + at.y);
  }
}

int Canvas::Count(const RECT& area, COLORREF colour) const {
  const RECT r = Clip(area, bounds());
  int count = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) count += At(x, y) == colour;
  }
  return count;
}

std::optional<RECT> Canvas::Differing(const RECT& area, COLORREF colour) const {
  const RECT r = Clip(area, bounds());
  std::optional<RECT> found;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      if (At(x, y) == colour) continue;
      if (!found) {
        found = RECT{x, y, x + 1, y + 1};
      } else {
        found->left = std::min<LONG>(found->left, x);
        found->right = std::max<LONG>(found->right, x + 1);
        found->bottom = y + 1;
      }
    }
  }
  return found;
}

::testing::AssertionResult Canvas::AllOf(const RECT& area, COLORREF colour) const {
  const RECT r = Clip(area, bounds());
  if (r.right - r.left != area.right - area.left || r.bottom - r.top != area.bottom - area.top) {
    return ::testing::AssertionFailure() << "the area reaches past the canvas";
  }
  int wrong = 0;
  std::string first;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      if (At(x, y) == colour) continue;
      if (wrong++ == 0) first = Where(x, y) + " is " + ColourText(At(x, y));
    }
  }
  if (wrong == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << wrong << " pixels of " << Where(r.left, r.top) << "-" << Where(r.right, r.bottom)
                                       << " are not " << ColourText(colour) << "; first " << first;
}

::testing::AssertionResult Canvas::FrameOf(const RECT& outer, COLORREF colour, int thickness) const {
  const RECT sides[] = {
      {outer.left, outer.top, outer.right, outer.top + thickness},
      {outer.left, outer.bottom - thickness, outer.right, outer.bottom},
      {outer.left, outer.top + thickness, outer.left + thickness, outer.bottom - thickness},
      {outer.right - thickness, outer.top + thickness, outer.right, outer.bottom - thickness},
  };
  for (const RECT& side : sides) {
    if (auto result = AllOf(side, colour); !result) return result;
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult Canvas::SameAs(const Canvas& other) const {
  if (other.width_ != width_ || other.height_ != height_) return ::testing::AssertionFailure() << "sizes differ";
  int wrong = 0;
  std::string first;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (At(x, y) == other.At(x, y)) continue;
      if (wrong++ == 0) first = Where(x, y) + ": " + ColourText(At(x, y)) + " and " + ColourText(other.At(x, y));
    }
  }
  if (wrong == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << wrong << " pixels differ; first " << first;
}

}  // namespace quilnet::test
