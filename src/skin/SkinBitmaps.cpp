#include "skin/SkinBitmaps.h"

#include <array>
#include <cstdint>
#include <cstdlib>

namespace quilnet::skin {
namespace {

constexpr COLORREF kWhite = 0xFFFFFF;

// Writes straight into a surface's DIB section: exact colours, and one pass per surface instead of a
// SetPixel call per pixel.
class Pixels {
 public:
  explicit Pixels(const MemorySurface& surface) noexcept : surface_(surface) {}

  void Set(int x, int y, COLORREF colour) const noexcept {
    if (!surface_.bits() || x < 0 || y < 0 || x >= surface_.width() || y >= surface_.height()) return;
    // The DIB holds 0x00RRGGBB; a COLORREF is 0x00BBGGRR.
    const uint32_t rgb = ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
    surface_.bits()[static_cast<size_t>(y) * static_cast<size_t>(surface_.width()) + static_cast<size_t>(x)] = rgb;
  }
  void Fill(COLORREF colour) const noexcept {
    for (int y = 0; y < surface_.height(); ++y) {
      for (int x = 0; x < surface_.width(); ++x) Set(x, y, colour);
    }
  }

 private:
  const MemorySurface& surface_;
};

// Step i of n from a to b, both ends included.
COLORREF Ramp(COLORREF a, COLORREF b, int i, int n) noexcept { return MixColour(a, b, n == 0 ? 0.0 : double(i) / n); }

// --- ButtonSkin --------------------------------------------------------------------------------------

struct ButtonColours {
  COLORREF border;
  COLORREF rimTop, rimBottom;    // columns 1 and 5, rows 3 to 17
  COLORREF faceTop, faceBottom;  // columns 2 to 4, rows 3 to 17
};

constexpr std::array<ButtonColours, 4> kButtonColours{{
    {0xD58F1B, 0xFDFAF5, 0xF0DEC9, 0xFCF8F1, 0xEAD0B1},  // normal: light, darkening downwards
    {0xD58F1B, 0xFBC146, 0xF8BA39, 0xFCEED2, 0xF2D4A7},  // hot: warm face in a strong blue rim
    {0xD58F1B, 0xF9B731, 0xFCBF3E, 0xF3D49F, 0xFDEAC3},  // pressed: darker at the top
    {0xE8C387, 0xFDFBF8, 0xF8EFE6, 0xFBF7F2, 0xF3E3D2},  // disabled: pale border
}};

// A corner pixel: the share of the border colour, mixed with the window behind (white) for the pixels
// outside the curve, or with the column's own colour inside it.
struct CornerPixel {
  bool outside;
  double border;
};
// Columns 0 to 3 of rows 0, 1 and 2; rows 20, 19 and 18 mirror them downwards (columns 4 to 6 mirror
// columns 2 to 0).
constexpr std::array<std::array<CornerPixel, 4>, 3> kTopCorner{{
    {{{true, 0.27}, {true, 0.66}, {true, 0.93}, {false, 1.0}}},
    {{{true, 0.66}, {false, 0.57}, {false, 0.10}, {false, 0.0}}},
    {{{true, 0.94}, {false, 0.08}, {false, 0.0}, {false, 0.0}}},
}};
constexpr std::array<std::array<CornerPixel, 4>, 3> kBottomCorner{{
    {{{true, 0.23}, {true, 0.70}, {true, 0.93}, {false, 1.0}}},
    {{{true, 0.66}, {false, 0.57}, {false, 0.10}, {false, 0.0}}},
    {{{true, 0.94}, {false, 0.08}, {false, 0.0}, {false, 0.0}}},
}};

// The normal tile's corner rows as drawn by hand; they replace the generated ones.
constexpr std::array<std::array<COLORREF, 7>, 4> kNormalCornerRows{{
    {0xF9E1BF, 0xE3B36B, 0xD8972C, 0xD58F1B, 0xD8972C, 0xE3B36B, 0xF9E1BF},  // row 0
    {0xE2B269, 0xE7C07E, 0xFBF3E7, 0xFFFFFF, 0xFBF3E7, 0xE7C07E, 0xE2B269},  // row 1
    {0xD79529, 0xFCF6EC, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFCF6EC, 0xD79529},  // row 2
    {0xFBE7CA, 0xE1AE60, 0xD8962A, 0xD58F1B, 0xD8962A, 0xE1AE60, 0xFBE7CA},  // row 20
}};
constexpr std::array<int, 4> kNormalCornerRowIndex{0, 1, 2, 20};

// Column c (0 to 3, mirrored for 4 to 6) of the tile at gradient step `step` (0 = row 3, 14 = row 17).
COLORREF ButtonColumn(const ButtonColours& c, int column, int step) noexcept {
  if (column == 0) return c.border;
  if (column == 1) return Ramp(c.rimTop, c.rimBottom, step, 14);
  return Ramp(c.faceTop, c.faceBottom, step, 14);
}

void DrawButtonTile(const Pixels& canvas, int state) {
  const ButtonColours& c = kButtonColours[static_cast<size_t>(state)];
  const int top = ButtonTile(state).y;
  for (int x = 0; x < 7; ++x) {
    const int column = x <= 3 ? x : 6 - x;
    for (int step = 0; step <= 14; ++step) canvas.Set(x, top + 3 + step, ButtonColumn(c, column, step));
    for (int r = 0; r < 3; ++r) {
      const CornerPixel up = kTopCorner[static_cast<size_t>(r)][static_cast<size_t>(column)];
      const CornerPixel down = kBottomCorner[static_cast<size_t>(r)][static_cast<size_t>(column)];
      canvas.Set(x, top + r, MixColour(up.outside ? kWhite : ButtonColumn(c, column, 0), c.border, up.border));
      canvas.Set(x, top + 20 - r, MixColour(down.outside ? kWhite : ButtonColumn(c, column, 14), c.border, down.border));
    }
  }
  if (state != kNormal) return;
  for (size_t i = 0; i < kNormalCornerRows.size(); ++i) {
    for (int x = 0; x < 7; ++x) canvas.Set(x, top + kNormalCornerRowIndex[i], kNormalCornerRows[i][static_cast<size_t>(x)]);
  }
}

// --- DropButtonSkin ----------------------------------------------------------------------------------

struct DropColours {
  COLORREF firstRow, centreFrom, centreTo, lastRow;  // centre column: row 0, rows 1 to 16, row 17
};
constexpr COLORREF kDropBorder = 0xD1A04E;
constexpr DropColours kDropHot{0xFFF9E8, 0xFDEEC1, 0xE3B865, 0xF3E1C0};
constexpr DropColours kDropPressed{0xF3E1C0, 0xE2B561, 0xFCEBBC, 0xFFF9E8};
constexpr COLORREF kArrowColour = 0x5F5519, kArrowDisabledColour = 0xACA584;

void DrawDropTile(const Pixels& canvas, int left, const DropColours& c) {
  for (int y = 0; y < 18; ++y) {
    const COLORREF centre = y == 0 ? c.firstRow : y == 17 ? c.lastRow : Ramp(c.centreFrom, c.centreTo, y - 1, 15);
    // The columns either side of the centre are the same colour, paler.
    const COLORREF side = MixColour(centre, kWhite, 0.45);
    canvas.Set(left, y, kDropBorder);
    canvas.Set(left + 1, y, side);
    canvas.Set(left + 2, y, centre);
    canvas.Set(left + 3, y, side);
  }
}

// A downward triangle: row r covers columns r to 6 - r.
void DrawArrow(const Pixels& canvas, const Box& at, COLORREF colour) {
  for (int r = 0; r < at.height; ++r) {
    for (int x = r; x <= 6 - r; ++x) canvas.Set(at.x + x, at.y + r, colour);
  }
}

// --- GlyphSkin ---------------------------------------------------------------------------------------

// Glyph rows as bit masks (bit c set = column c drawn), one colour per row.
constexpr std::array<uint16_t, 8> kCheckShape{0x100, 0x180, 0x1C0, 0x0E3, 0x077, 0x03E, 0x01C, 0x008};
constexpr std::array<COLORREF, 8> kCheckColours{0x1DB754, 0x1BB451, 0x17AF4D, 0x13A948,
                                                0x0FA243, 0x0A9C3E, 0x069639, 0x029135};
constexpr std::array<COLORREF, 8> kCheckDisabledColours{0x8CDAA8, 0x8BD9A6, 0x89D6A4, 0x87D3A2,
                                                        0x85D09F, 0x82CD9D, 0x80C99A, 0x7EC798};
constexpr std::array<COLORREF, 7> kSquareColours{0x1BB451, 0x18B04E, 0x14AB49, 0x10A445,
                                                 0x0C9E40, 0x07983B, 0x069639};
constexpr std::array<COLORREF, 7> kSquareDisabledColours{0x8BD9A6, 0x89D6A4, 0x87D4A3, 0x86D1A0,
                                                         0x83CE9E, 0x81CA9B, 0x80C99A};

struct DotColours {
  COLORREF coreTop, coreBottom, endTop, endBottom;  // core ramps downwards; the row ends are softer
};
constexpr DotColours kDot{0x19B14F, 0x0B9D3F, 0x60CC87, 0x4FB473};
constexpr DotColours kDotDisabled{0x8DDBA9, 0x85CE9F, 0xAFE5C3, 0xA3D9B8};

template <size_t N>
void DrawRows(const Pixels& canvas, const Box& at, const std::array<uint16_t, N>& shape,
              const std::array<COLORREF, N>& colours) {
  for (size_t r = 0; r < N; ++r) {
    for (int x = 0; x < at.width; ++x) {
      if (shape[r] & (1u << x)) canvas.Set(at.x + x, at.y + static_cast<int>(r), colours[r]);
    }
  }
}

void DrawDot(const Pixels& canvas, const Box& at, const DotColours& c) {
  // Rows 0 and 4 cover columns 1 to 3, the rows between all five.
  for (int r = 0; r < 5; ++r) {
    const auto first = r == 0 || r == 4 ? 1 : 0;
    const auto last = 4 - first;
    for (int x = first; x <= last; ++x) {
      const bool end = x == first || x == last;
      canvas.Set(at.x + x, at.y + r, end ? Ramp(c.endTop, c.endBottom, r, 4) : Ramp(c.coreTop, c.coreBottom, r, 4));
    }
  }
}

// --- OptionSkin --------------------------------------------------------------------------------------

// Columns covered by each row of the 13 x 13 disc.
constexpr std::array<int, 13> kDiscFirst{3, 2, 1, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3};

bool InDisc(int x, int y) noexcept {
  if (y < 0 || y > 12) return false;
  const int first = kDiscFirst[static_cast<size_t>(y)];
  return x >= first && x <= 12 - first;
}

bool OnRing(int x, int y) noexcept {
  return InDisc(x, y) && !(InDisc(x - 1, y) && InDisc(x + 1, y) && InDisc(x, y - 1) && InDisc(x, y + 1));
}

enum class Inside { White, FromUpperLeft, FromLowerLeft };

struct OptionColours {
  std::array<COLORREF, 4> side;  // along a straight side, from its ends to its middle
  COLORREF diagonal;
  Inside inside;
  COLORREF from, to;  // the inside gradient, for the two gradient kinds
};
constexpr std::array<OptionColours, 4> kOptionColours{{
    {{0xE7CFBC, 0xD9B395, 0xD3A886, 0xD2A683}, 0xDBB89D, Inside::White, kWhite, kWhite},
    {{0xE7CFBC, 0xD9B395, 0xD3A886, 0xD2A683}, 0xDBB89D, Inside::FromUpperLeft, 0xF8EAC3, 0xFDF5E0},
    {{0xDDBCA4, 0xCA9976, 0xC28B67, 0xC18964}, 0xCD9F7F, Inside::FromLowerLeft, 0xF5E1AD, 0xFDF1D4},
    {{0xF3E7DD, 0xECD9CA, 0xE9D3C2, 0xE8D2C1}, 0xEDDBCE, Inside::White, kWhite, kWhite},
}};

COLORREF RingColour(const OptionColours& c, int x, int y) noexcept {
  // Distance from the middle of a straight side: 0 in the middle, 3 at its ends.
  if (y == 0 || y == 12) return c.side[static_cast<size_t>(3 - std::abs(x - 6))];
  if (x == 0 || x == 12) return c.side[static_cast<size_t>(3 - std::abs(y - 6))];
  return c.diagonal;
}

COLORREF InsideColour(const OptionColours& c, int x, int y) noexcept {
  switch (c.inside) {
    case Inside::FromUpperLeft: return MixColour(c.from, c.to, (x + y) / 24.0);
    case Inside::FromLowerLeft: return MixColour(c.from, c.to, (x + 12 - y) / 24.0);
    case Inside::White: break;
  }
  // White, lightly shaded with the ring's own colour where it touches the ring.
  const bool nextToRing = OnRing(x - 1, y) || OnRing(x + 1, y) || OnRing(x, y - 1) || OnRing(x, y + 1);
  return nextToRing ? MixColour(kWhite, c.side[3], 0.15) : kWhite;
}

void DrawOptionTile(const Pixels& canvas, int state) {
  const OptionColours& c = kOptionColours[static_cast<size_t>(state)];
  const int top = OptionTile(state).y;
  for (int y = 0; y < 13; ++y) {
    for (int x = 0; x < 13; ++x) {
      if (!InDisc(x, y)) continue;
      canvas.Set(x, top + y, OnRing(x, y) ? RingColour(c, x, y) : InsideColour(c, x, y));
    }
  }
}

// --- HeaderSkin --------------------------------------------------------------------------------------

constexpr COLORREF kHeaderBottom = 0xF2DAC0;      // row 19 of every tile
constexpr COLORREF kHeaderSeparator = 0xD9B07A;   // the separator at its darkest, mid height
constexpr COLORREF kHeaderHotEdge = 0xFAC25E;

struct HeaderColours {
  COLORREF faceTop, faceBottom;  // rows 0 to 18
  int edgeFrom, edgeTo;          // rows of the blue left edge; none when edgeFrom > edgeTo
};
constexpr std::array<HeaderColours, 3> kHeaderColours{{
    {0xFEF4E9, 0xF6E5D3, 1, 0},
    {0xFFEFD6, 0xFDE0AC, 5, 17},
    {0xFFDC9F, 0xFFF2C8, 3, 12},
}};

COLORREF HeaderEdge(const HeaderColours& c, COLORREF face, int y) noexcept {
  // Normal: a highlight. Hot and pressed: the blue edge, fading into the face above and below it.
  if (c.edgeFrom > c.edgeTo) return MixColour(face, kWhite, 0.6);
  if (y < c.edgeFrom) return MixColour(face, kHeaderHotEdge, double(y + 1) / (c.edgeFrom + 1));
  if (y > c.edgeTo) return MixColour(kHeaderHotEdge, face, double(y - c.edgeTo) / (19 - c.edgeTo));
  return kHeaderHotEdge;
}

void DrawHeaderTile(const Pixels& canvas, int state) {
  const HeaderColours& c = kHeaderColours[static_cast<size_t>(state)];
  const int left = HeaderTile(state).x;
  for (int y = 0; y < 19; ++y) {
    const COLORREF face = Ramp(c.faceTop, c.faceBottom, y, 18);
    canvas.Set(left, y, HeaderEdge(c, face, y));
    canvas.Set(left + 1, y, face);
    canvas.Set(left + 2, y, MixColour(face, kHeaderSeparator, 1.0 - std::abs(y - 9) / 9.5));
  }
  for (int x = 0; x < 3; ++x) canvas.Set(left + x, 19, kHeaderBottom);
}

}  // namespace

SkinSurfaces::operator bool() const noexcept {
  return button_ && dropButton_ && glyph_ && option_ && header_;
}

SkinSurfaces BuildSkinBitmaps() {
  SkinSurfaces s;
  s.button_ = MemorySurface::Create(kButtonSkinWidth, kButtonSkinHeight);
  s.dropButton_ = MemorySurface::Create(kDropButtonSkinWidth, kDropButtonSkinHeight);
  s.glyph_ = MemorySurface::Create(kGlyphSkinWidth, kGlyphSkinHeight);
  s.option_ = MemorySurface::Create(kOptionSkinWidth, kOptionSkinHeight);
  s.header_ = MemorySurface::Create(kHeaderSkinWidth, kHeaderSkinHeight);
  GdiFlush();

  const Pixels button(s.button_);
  for (int state = kNormal; state <= kDisabled; ++state) DrawButtonTile(button, state);

  const Pixels drop(s.dropButton_);
  drop.Fill(kKeyColour);
  DrawDropTile(drop, kDropHotTile.x, kDropHot);
  DrawDropTile(drop, kDropPressedTile.x, kDropPressed);
  DrawArrow(drop, kArrow, kArrowColour);
  DrawArrow(drop, kArrowDisabled, kArrowDisabledColour);

  const Pixels glyph(s.glyph_);
  glyph.Fill(kKeyColour);
  DrawRows(glyph, kCheckMark, kCheckShape, kCheckColours);
  DrawRows(glyph, kCheckMarkDisabled, kCheckShape, kCheckDisabledColours);
  constexpr std::array<uint16_t, 7> kSquareShape{0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F};
  DrawRows(glyph, kIndeterminate, kSquareShape, kSquareColours);
  DrawRows(glyph, kIndeterminateDisabled, kSquareShape, kSquareDisabledColours);
  DrawDot(glyph, kOptionDot, kDot);
  DrawDot(glyph, kOptionDotDisabled, kDotDisabled);

  const Pixels option(s.option_);
  option.Fill(kKeyColour);
  for (int state = kNormal; state <= kDisabled; ++state) DrawOptionTile(option, state);

  const Pixels header(s.header_);
  for (int state = kNormal; state <= kPressed; ++state) DrawHeaderTile(header, state);
  return s;
}

}  // namespace quilnet::skin
