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

// The corner colours of each state, 0x00RRGGBB as a DIB holds them, by depth below the top or bottom
// edge and column from the side edge: worked out once, as the tables they come from never change.
struct CornerPixels {
  std::uint32_t top[std::size(kGloss)][kTopPatch][kSide];
  std::uint32_t bottom[std::size(kGloss)][kBottom][kSide];
};
const CornerPixels& Corners() {
  static const CornerPixels corners = [] {
    CornerPixels c{};
    for (size_t state = 0; state < std::size(kGloss); ++state) {
      for (int i = 0; i < kSide; ++i) {
        for (int y = 0; y < kTopPatch; ++y) c.top[state][y][i] = DibPixel(CornerColour(kGloss[state], kGloss[state].top, i, y));
        for (int y = 0; y < kBottom; ++y) c.bottom[state][y][i] = DibPixel(CornerColour(kGloss[state], kGloss[state].bottom, i, y));
      }
    }
    return c;
  }();
  return corners;
}

// The runs of a region (GetRegionData's rectangles), read once instead of a point test per pixel.
std::vector<RECT> RegionRuns(HRGN region) {
  const DWORD size = region ? GetRegionData(region, 0, nullptr) : 0;
  if (size < sizeof(RGNDATAHEADER)) return {};
  std::vector<std::uint8_t> data(size);
  auto* header = reinterpret_cast<RGNDATA*>(data.data());
  if (GetRegionData(region, size, header) != size) return {};
  const auto* rects = reinterpret_cast<const RECT*>(header->Buffer);
  return std::vector<RECT>(rects, rects + header->rdh.nCount);
}

// How far in from the left and from the right edge the first pixel of row y inside the runs lies,
// looking no further than the corner's columns (kSide when none is inside).
POINT InsideFrom(const std::vector<RECT>& runs, int y, int width) {
  POINT in{kSide, kSide};
  for (const RECT& r : runs) {
    if (y < r.top || y >= r.bottom) continue;
    const long left = std::max(r.left, 0L), right = std::max(static_cast<long>(width) - r.right, 0L);
    if (left < r.right) in.x = std::min(in.x, left);
    if (right <= width - 1 - r.left) in.y = std::min(in.y, right);
  }
  return in;
}

}  // namespace

void DrawGlossyRounded(Face& f) {
  const ButtonLook& look = f.look;
  const int lw = f.lw, lh = f.lh;
  int state = look.buttonState;
  if (state == Normal && look.parentActive && (look.hasFocus || look.displayAsDefault)) state = Hot;
  if (state < Normal || state > Down) return;
  const Gloss& gloss = kGloss[state];
  const CornerPixels& corners = Corners();

  f.image.Fill({4, 4, lw - 8, lh - 8}, gloss.fill);
  // Only the pixels the window's own shape keeps. A row of a corner is inside from its first inside
  // pixel on, the shape being convex.
  const std::vector<RECT> runs = RegionRuns(MakeShapeRegion(ShapeOfStyle(GlossyRounded), lw, lh).get());
  std::vector<std::uint32_t> row(static_cast<size_t>(std::max(lw, 0)));
  std::vector<bool> set(row.size());
  const auto patchRow = [&](int y, const std::uint32_t (&colours)[kSide]) {
    const POINT in = InsideFrom(runs, y, lw);
    std::fill(set.begin(), set.end(), false);
    const auto put = [&](int at, std::uint32_t c) {
      if (at < 0 || at >= lw) return;
      row[at] = c;
      set[at] = true;
    };
    for (int i = std::min(in.x, in.y); i < kSide; ++i) {
      if (i >= in.x) put(i, colours[i]);
      if (i >= in.y) put(lw - 1 - i, colours[i]);
    }
    for (int from = 0; from < lw;) {
      if (!set[from]) {
        ++from;
        continue;
      }
      int to = from;
      while (to < lw && set[to]) ++to;
      f.image.Pixels(from, y, row.data() + from, to - from);
      from = to;
    }
  };
  for (int y = 0; y < kTopPatch; ++y) patchRow(y, corners.top[state][y]);
  for (int y = 0; y < kBottom; ++y) patchRow(lh - 1 - y, corners.bottom[state][y]);
  for (int x = 0; x < kSide; ++x) {
    f.image.Line(x, kTop - 1, x, lh - 10, gloss.side[x]);
    f.image.Line(lw - 1 - x, kTop - 1, lw - 1 - x, lh - 10, gloss.side[x]);
  }
  for (int y = 0; y < kTop; ++y) f.image.Line(kSide - 1, y, lw - kSide + 1, y, gloss.top[y]);
  for (int y = 0; y < kBottom; ++y) f.image.Line(kSide - 1, lh - 1 - y, lw - kSide + 1, lh - 1 - y, gloss.bottom[y]);
}

}  // namespace quilnet::button
