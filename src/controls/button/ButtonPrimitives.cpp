#include "controls/button/ButtonPrimitives.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
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

void Line(DrawingObjects& objects, int x1, int y1, int x2, int y2, Colour colour) {
  objects.UsePen(TranslateColour(colour));
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
  // Entries are 0x00RRGGBB, the order of a 32-bit DIB. Both buffers are kept for the next gradient: a
  // redraw runs on every mouse move.
  thread_local std::vector<std::uint32_t> ramp, pixels;
  ramp.resize(static_cast<size_t>(steps) + 1);
  const auto pack = [](int r, int g, int b) {
    return static_cast<std::uint32_t>(b) | (static_cast<std::uint32_t>(g) << 8) | (static_cast<std::uint32_t>(r) << 16);
  };
  if (steps == 0) {
    ramp[0] = pack(r1 / 2 + Red(to) / 2, g1 / 2 + Green(to) / 2, b1 / 2 + Blue(to) / 2);
  } else {
    for (int i = 0; i <= steps; ++i) ramp[i] = pack(r1 + i * dr / steps, g1 + i * dg / steps, b1 + i * db / steps);
  }

  // Bottom row first.
  pixels.resize(static_cast<size_t>(w) * static_cast<size_t>(h));
  for (int row = 0; row < h; ++row) {
    const int fromTop = h - 1 - row;
    std::uint32_t* line = pixels.data() + static_cast<size_t>(row) * static_cast<size_t>(w);
    switch (direction) {
      case kHorizontal: std::copy(ramp.begin(), ramp.begin() + w, line); break;
      case kVertical: std::fill(line, line + w, ramp[fromTop]); break;
      case kDiagonalDown: std::copy(ramp.begin() + fromTop, ramp.begin() + fromTop + w, line); break;
      case kDiagonalUp: std::copy(ramp.begin() + row, ramp.begin() + row + w, line); break;
      default: std::fill(line, line + w, 0u); break;
    }
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  StretchDIBits(dc, x, y, w, h, 0, 0, w, h, pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

void Edge(HDC dc, RECT rect, UINT kind) { DrawEdge(dc, &rect, kind, BF_RECT); }

}  // namespace quilnet::button
