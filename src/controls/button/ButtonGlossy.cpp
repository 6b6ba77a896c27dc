// The glossy rounded face: a flat middle inside a rim whose colours are fixed per state. The rim is drawn
// as lines down the sides and across the top and bottom, and as four rounded corner patches whose pixels
// take the colour of their depth below the outline.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "controls/button/ButtonFaces.h"
#include "controls/button/ButtonPrimitives.h"
#include "controls/button/ButtonRender.h"

namespace quilnet::button {
namespace {

constexpr int kSide = 18;    // columns of the side lines and corner patches
constexpr int kTop = 12;     // rows of the top lines
constexpr int kBottom = 11;  // rows of the bottom lines and bottom corner patches
constexpr int kTopPatch = 13;
constexpr double kRadius = 9.0;  // half the shape's corner ellipse

// Colours by depth below the outline: index 0 is the outline itself, 1 the dark outer ring.
struct Gloss {
  Colour fill;
  Colour side[kSide];
  Colour top[kTop];
  Colour bottom[kBottom];
};

constexpr Gloss kGloss[] = {
    // Normal: a light halo, a mid-gray ring, a white inner rim and a highlight across the top.
    {0xEAE7E8,
     {0xF2F2F2, 0x6A6A6A, 0x8C8C8C, 0xC4C4C4, 0xF6F6F6, 0xF3F1F2, 0xEFECED, 0xECE9EA, 0xEAE7E8, 0xEAE7E8, 0xEAE7E8,
      0xEAE7E8, 0xEAE7E8, 0xEAE7E8, 0xEAE7E8, 0xEAE7E8, 0xEAE7E8, 0xEAE7E8},
     {0xF6F6F6, 0x6A6A6A, 0x9A9A9A, 0xFDFDFD, 0xFBFBFB, 0xF9F9F9, 0xF7F6F6, 0xF4F3F3, 0xF2F0F1, 0xF0EDEE, 0xEEEBEC,
      0xEBE8E9},
     {0xE6E6E6, 0x5E5E5E, 0x8A8A8A, 0xB8B8B8, 0xD4D1D2, 0xDAD7D8, 0xDFDCDD, 0xE2DFE0, 0xE5E2E3, 0xE7E4E5, 0xE9E6E7}},
    // Hot: blue, with a bright gloss at the top and a glow along the bottom.
    {0xE2A66A,
     {0xFAF2EA, 0x8A5A2A, 0xBE824C, 0xEBBD8C, 0xF8E0C4, 0xF2CDA2, 0xECBC88, 0xE7B076, 0xE2A66A, 0xE2A66A, 0xE2A66A,
      0xE2A66A, 0xE2A66A, 0xE2A66A, 0xE2A66A, 0xE2A66A, 0xE2A66A, 0xE2A66A},
     {0xFCF6F0, 0x905E2E, 0xC8905A, 0xFFF3E6, 0xFEECD8, 0xFCE4CA, 0xFADCBC, 0xF6CFAA, 0xF0C498, 0xECB886, 0xE6AE78,
      0xE3A96E},
     {0xF4E8DC, 0x7A4E26, 0xA46E3C, 0xF2C89C, 0xEEBE8C, 0xEAB680, 0xE7B078, 0xE5AC72, 0xE3A96E, 0xE2A76C, 0xE2A66A}},
    // Down: a darker blue, shaded inwards from the top and the sides, the glow kept at the bottom.
    {0xCC9B6A,
     {0xF4EAE0, 0x70441E, 0x86582E, 0xA2744A, 0xB6865A, 0xC09062, 0xC69666, 0xCC9B6A, 0xCC9B6A, 0xCC9B6A, 0xCC9B6A,
      0xCC9B6A, 0xCC9B6A, 0xCC9B6A, 0xCC9B6A, 0xCC9B6A, 0xCC9B6A, 0xCC9B6A},
     {0xF6ECE4, 0x683E1A, 0x7E522A, 0x94683E, 0xA6784E, 0xB2845A, 0xBE9062, 0xC69668, 0xCA996A, 0xCC9B6A, 0xCC9B6A,
      0xCC9B6A},
     {0xF0E2D4, 0x784C24, 0xAE7A4A, 0xDEB48A, 0xD8AA7E, 0xD4A476, 0xD0A070, 0xCE9D6C, 0xCC9B6A, 0xCC9B6A, 0xCC9B6A}},
};

// Halves round up here, unlike MixColour: the corners' look was tuned with it.
Colour Blend(Colour a, Colour b, double weightOfB) {
  Colour out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
    out |= static_cast<Colour>(std::lround(ca + (cb - ca) * weightOfB)) << shift;
  }
  return out;
}

// The colour of a corner pixel, (x, y) counted from the corner's own two edges; `across` is the table of
// the top or bottom edge.
template <size_t N>
Colour CornerColour(const Gloss& gloss, const Colour (&across)[N], int x, int y) {
  const double px = x + 0.5, py = y + 0.5;
  const double dx = kRadius - px, dy = kRadius - py;
  // A pixel centred at `depth` straddles two rings on a curve: it takes both in proportion, so the rings
  // run smooth round the corner and stay exact along the straight edges.
  const auto at = [](const auto& table, double depth) {
    const int last = static_cast<int>(std::size(table)) - 1;
    const double from = std::max(depth - 0.5, 0.0);
    const int ring = std::min(static_cast<int>(from), last);
    return Blend(table[ring], table[std::min(ring + 1, last)], from - ring);
  };
  if (dx > 0 && dy > 0) {
    const double depth = kRadius - std::hypot(dx, dy);
    return Blend(at(gloss.side, depth), at(across, depth), dy * dy / (dx * dx + dy * dy));
  }
  return py <= px ? at(across, py) : at(gloss.side, px);
}

}  // namespace

void DrawGlossyRounded(Face& f) {
  const ButtonLook& look = f.look;
  const int lw = f.lw, lh = f.lh;
  int state = look.buttonState;
  if (state == Normal && look.parentActive && (look.hasFocus || look.displayAsDefault)) state = Hot;
  if (state < Normal || state > Down) return;
  const Gloss& gloss = kGloss[state];

  FillBox(f.objects, {4, 4, lw - 8, lh - 8}, gloss.fill);
  // Only the pixels the window's own shape keeps.
  const UniqueRegion outline = MakeShapeRegion(ShapeOfStyle(GlossyRounded), lw, lh);
  // A row of a corner is inside from its first inside pixel on, the shape being convex. Its pixels are
  // set in a row image, then copied a run at a time: a pixel at a time is a call per pixel.
  std::vector<std::uint32_t> row(static_cast<size_t>(std::max(lw, 0)));
  std::vector<bool> set(row.size());
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, lw, 1, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  const auto patchRow = [&](int y, const auto& across, int depthFromEdge) {
    int x = 0;
    while (x < kSide && !PtInRegion(outline.get(), x, y)) ++x;
    int right = 0;
    while (right < kSide && !PtInRegion(outline.get(), lw - 1 - right, y)) ++right;
    std::fill(set.begin(), set.end(), false);
    const auto put = [&](int at, Colour c) {
      if (at < 0 || at >= lw) return;
      row[at] = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);  // 0x00RRGGBB, as a DIB holds it
      set[at] = true;
    };
    for (int i = std::min(x, right); i < kSide; ++i) {
      const Colour colour = CornerColour(gloss, across, i, depthFromEdge);
      if (i >= x) put(i, colour);
      if (i >= right) put(lw - 1 - i, colour);
    }
    for (int from = 0; from < lw;) {
      if (!set[from]) {
        ++from;
        continue;
      }
      int to = from;
      while (to < lw && set[to]) ++to;
      StretchDIBits(f.dc, from, y, to - from, 1, from, 0, to - from, 1, row.data(), &info, DIB_RGB_COLORS, SRCCOPY);
      from = to;
    }
  };
  for (int y = 0; y < kTopPatch; ++y) patchRow(y, gloss.top, y);
  for (int y = 0; y < kBottom; ++y) patchRow(lh - 1 - y, gloss.bottom, y);
  for (int x = 0; x < kSide; ++x) {
    Line(f.objects, x, kTop - 1, x, lh - 10, gloss.side[x]);
    Line(f.objects, lw - 1 - x, kTop - 1, lw - 1 - x, lh - 10, gloss.side[x]);
  }
  for (int y = 0; y < kTop; ++y) Line(f.objects, kSide - 1, y, lw - kSide + 1, y, gloss.top[y]);
  for (int y = 0; y < kBottom; ++y) Line(f.objects, kSide - 1, lh - 1 - y, lw - kSide + 1, lh - 1 - y, gloss.bottom[y]);
}

}  // namespace quilnet::button
