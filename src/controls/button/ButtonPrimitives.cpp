#include "controls/button/ButtonPrimitives.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/Gdi.h"

namespace quilnet::button {
namespace {

int Red(Colour c) { return static_cast<int>(c & 0xFF); }
int Green(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
int Blue(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }
Colour Rgb(int r, int g, int b) {
  return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}

int ShiftChannel(int channel, float amount) {
  // Single precision throughout, so a shift that lands on a half rounds the way the stored amount says.
  const float moved = static_cast<float>(channel) + amount * 255.0f;
  return std::clamp(RoundHalfEven(moved), 0, 255);
}

}  // namespace

Colour ShiftColour(Colour colour, float amount) {
  const Colour c = TranslateColour(colour);
  return Rgb(ShiftChannel(Red(c), amount), ShiftChannel(Green(c), amount), ShiftChannel(Blue(c), amount));
}

std::uint32_t DibPixel(COLORREF c) noexcept { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }

namespace {

// The pixels LineTo sets, from the start up to, not including, the end, when the line runs across or
// down: a one-pixel rectangle (empty for no length). False for a slanting line.
bool StraightLine(int x1, int y1, int x2, int y2, RECT& pixels) {
  if (x1 != x2 && y1 != y2) return false;
  if (x1 == x2 && y1 == y2) {
    pixels = {};
  } else if (y1 == y2) {
    pixels = {std::min(x1, x2 + 1), y1, std::max(x1 + 1, x2), y1 + 1};
  } else {
    pixels = {x1, std::min(y1, y2 + 1), x1 + 1, std::max(y1 + 1, y2)};
  }
  return true;
}

// The colours of a ramp over w × h (both positive), 0x00RRGGBB as in a 32-bit DIB. The buffer is kept
// for the next gradient: a redraw runs on every mouse move.
const std::vector<std::uint32_t>& Ramp(int w, int h, Colour colour1, Colour colour2, int direction) {
  const Colour from = TranslateColour(colour1), to = TranslateColour(colour2);
  const int r1 = Red(from), g1 = Green(from), b1 = Blue(from);
  const int dr = Red(to) - r1, dg = Green(to) - g1, db = Blue(to) - b1;
  int steps = 0;
  switch (direction) {
    case kHorizontal: steps = w - 1; break;
    case kVertical: steps = h - 1; break;
    case kDiagonalDown:
    case kDiagonalUp: steps = w + h - 2; break;
    default: break;
  }
  thread_local std::vector<std::uint32_t> ramp;
  ramp.resize(static_cast<size_t>(steps) + 1);
  const auto pack = [](int r, int g, int b) {
    return static_cast<std::uint32_t>(b) | (static_cast<std::uint32_t>(g) << 8) | (static_cast<std::uint32_t>(r) << 16);
  };
  if (steps == 0) {
    ramp[0] = pack(r1 / 2 + Red(to) / 2, g1 / 2 + Green(to) / 2, b1 / 2 + Blue(to) / 2);
  } else {
    for (int i = 0; i <= steps; ++i) ramp[i] = pack(r1 + i * dr / steps, g1 + i * dg / steps, b1 + i * db / steps);
  }
  return ramp;
}

// Row `fromTop` of the ramp's w × h picture, into `out`.
void RampRow(const std::vector<std::uint32_t>& ramp, int direction, int w, int h, int fromTop, std::uint32_t* out) {
  switch (direction) {
    case kHorizontal: std::copy(ramp.begin(), ramp.begin() + w, out); break;
    case kVertical: std::fill(out, out + w, ramp[fromTop]); break;
    case kDiagonalDown: std::copy(ramp.begin() + fromTop, ramp.begin() + fromTop + w, out); break;
    case kDiagonalUp: std::copy(ramp.begin() + (h - 1 - fromTop), ramp.begin() + (h - 1 - fromTop) + w, out); break;
    default: std::fill(out, out + w, 0u); break;
  }
}

// w × |h| pixels at (x, y): bottom row first as in a DIB, or top row first for a negative h.
void PutPixels(HDC dc, int x, int y, int w, int h, const std::uint32_t* pixels) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, w, h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  const int rows = std::abs(h);
  StretchDIBits(dc, x, y, w, rows, 0, 0, w, rows, pixels, &info, DIB_RGB_COLORS, SRCCOPY);
}

std::vector<std::uint32_t>& ComposedImage() {
  // Kept for the next redraw, as the gradient buffers are.
  thread_local std::vector<std::uint32_t> image;
  return image;
}

}  // namespace

void Line(DrawingObjects& objects, int x1, int y1, int x2, int y2, Colour colour) {
  const COLORREF c = TranslateColour(colour);
  RECT pixels;
  if (StraightLine(x1, y1, x2, y2, pixels)) {
    // One fill instead of a pen, a move and a line.
    if (!IsRectEmpty(&pixels)) objects.Fill(&pixels, 1, c);
    return;
  }
  objects.UsePen(c);
  MoveToEx(objects.dc(), x1, y1, nullptr);
  LineTo(objects.dc(), x2, y2);
}

void CornerDots(HDC dc, int width, int height, Colour colour) {
  const Colour c = TranslateColour(colour);
  SetPixel(dc, 1, 1, c);
  SetPixel(dc, 1, height - 2, c);
  SetPixel(dc, width - 2, 1, c);
  SetPixel(dc, width - 2, height - 2, c);
}

void Gradient(HDC dc, int x, int y, int w, int h, Colour colour1, Colour colour2, int direction) {
  if (w <= 0 || h <= 0) return;
  const std::vector<std::uint32_t>& ramp = Ramp(w, h, colour1, colour2, direction);
  // Bottom row first, put on the surface in one call.
  thread_local std::vector<std::uint32_t> pixels;
  pixels.resize(static_cast<size_t>(w) * static_cast<size_t>(h));
  for (int row = 0; row < h; ++row) RampRow(ramp, direction, w, h, h - 1 - row, pixels.data() + static_cast<size_t>(row) * w);
  PutPixels(dc, x, y, w, h, pixels.data());
}

void Edge(HDC dc, RECT rect, UINT kind) { DrawEdge(dc, &rect, kind, BF_RECT); }

FaceImage::FaceImage(HDC dc, int width, int height, Colour background)
    : dc_(dc), objects_(dc), width_(width), height_(height), image_(ComposedImage()) {
  const COLORREF clear = TranslateColour(background);
  BITMAP surface{};
  const HGDIOBJ bitmap = dc ? GetCurrentObject(dc, OBJ_BITMAP) : nullptr;
  POINT viewport{}, window{};
  composing_ = width > 0 && height > 0 && IsPlainColour(clear) && bitmap && GetObjectW(bitmap, sizeof surface, &surface) &&
               surface.bmBitsPixel == 32 && surface.bmWidth == width && std::abs(surface.bmHeight) == height &&
               GetMapMode(dc) == MM_TEXT && GetGraphicsMode(dc) == GM_COMPATIBLE &&
               GetViewportOrgEx(dc, &viewport) && GetWindowOrgEx(dc, &window) && viewport.x == window.x &&
               viewport.y == window.y;
  if (composing_) {
    image_.assign(static_cast<size_t>(width) * static_cast<size_t>(height), DibPixel(clear));
  } else {
    FillBox(objects_, {0, 0, width, height}, background);
  }
}

HDC FaceImage::Direct() {
  if (composing_) {
    composing_ = false;
    PutPixels(dc_, 0, 0, width_, -height_, image_.data());
  }
  return dc_;
}

bool FaceImage::Composing(COLORREF colour) {
  if (composing_ && !IsPlainColour(colour)) Direct();
  return composing_;
}

void FaceImage::Put(RECT rect, COLORREF colour) {
  const RECT all{0, 0, width_, height_};
  if (!IntersectRect(&rect, &rect, &all)) return;
  const std::uint32_t pixel = DibPixel(colour);
  for (int y = rect.top; y < rect.bottom; ++y) {
    std::uint32_t* row = image_.data() + static_cast<size_t>(y) * static_cast<size_t>(width_);
    std::fill(row + rect.left, row + rect.right, pixel);
  }
}

void FaceImage::Fill(const Box& box, Colour colour) {
  const COLORREF c = TranslateColour(colour);
  if (!Composing(c)) return FillBox(objects_, box, colour);
  if (box.width > 0 && box.height > 0) Put({box.x, box.y, box.x + box.width, box.y + box.height}, c);
}

void FaceImage::Frame(const Box& box, Colour colour) {
  const COLORREF c = TranslateColour(colour);
  if (!Composing(c)) return FrameBox(objects_, box, colour);
  if (box.width <= 0 || box.height <= 0) return;
  RECT sides[4];
  FrameSides(box, sides);
  for (const RECT& side : sides) Put(side, c);
}

void FaceImage::Line(int x1, int y1, int x2, int y2, Colour colour) {
  const COLORREF c = TranslateColour(colour);
  RECT pixels;
  if (!StraightLine(x1, y1, x2, y2, pixels)) Direct();
  if (!Composing(c)) return button::Line(objects_, x1, y1, x2, y2, colour);
  Put(pixels, c);
}

void FaceImage::Gradient(int x, int y, int w, int h, Colour colour1, Colour colour2, int direction) {
  if (!composing_) return button::Gradient(dc_, x, y, w, h, colour1, colour2, direction);
  if (w <= 0 || h <= 0) return;
  const std::vector<std::uint32_t>& ramp = Ramp(w, h, colour1, colour2, direction);
  // Straight into the picture where the ramp lies across it whole; through a row where it sticks out.
  const bool across = x >= 0 && x + w <= width_;
  thread_local std::vector<std::uint32_t> row;
  if (!across) row.resize(static_cast<size_t>(w));
  for (int fromTop = std::max(0, -y); fromTop < h && y + fromTop < height_; ++fromTop) {
    if (across) {
      RampRow(ramp, direction, w, h, fromTop, image_.data() + static_cast<size_t>(y + fromTop) * width_ + x);
    } else {
      RampRow(ramp, direction, w, h, fromTop, row.data());
      Pixels(x, y + fromTop, row.data(), w);
    }
  }
}

void FaceImage::CornerDots(Colour colour) {
  const COLORREF c = TranslateColour(colour);
  if (!Composing(c)) return button::CornerDots(dc_, width_, height_, colour);
  for (const POINT p : {POINT{1, 1}, POINT{1, height_ - 2}, POINT{width_ - 2, 1}, POINT{width_ - 2, height_ - 2}}) {
    Put({p.x, p.y, p.x + 1, p.y + 1}, c);
  }
}

void FaceImage::Pixels(int x, int y, const std::uint32_t* pixels, int count) {
  if (!composing_) return PutPixels(dc_, x, y, count, 1, pixels);
  if (y < 0 || y >= height_) return;
  const int from = std::max(x, 0), to = std::min(x + count, width_);
  if (from < to) std::copy(pixels + (from - x), pixels + (to - x), image_.data() + static_cast<size_t>(y) * width_ + from);
}

}  // namespace quilnet::button
