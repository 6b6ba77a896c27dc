// The five skin bitmaps: the colours drawn by hand, and where the tiles, glyphs and key colour lie.
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "skin/SkinFixture.h"

namespace quilnet::skin::test {
namespace {

using Surface = HDC (SkinSurfaces::*)() const noexcept;
constexpr Surface kButton = &SkinSurfaces::ButtonSkin;
constexpr Surface kDrop = &SkinSurfaces::DropButtonSkin;
constexpr Surface kGlyph = &SkinSurfaces::GlyphSkin;
constexpr Surface kOption = &SkinSurfaces::OptionSkin;
constexpr Surface kHeader = &SkinSurfaces::HeaderSkin;

// A run of pixels from (x, y) rightwards.
struct PixelRun {
  Surface surface;
  const char* name;
  int x, y;
  std::vector<COLORREF> colours;
};

const std::vector<PixelRun> kRuns = {
    // Button, normal tile: the corner rows, the first and last gradient rows.
    {kButton, "button", 0, 0, {0xF9E1BF, 0xE3B36B, 0xD8972C, 0xD58F1B, 0xD8972C, 0xE3B36B, 0xF9E1BF}},
    {kButton, "button", 0, 1, {0xE2B269, 0xE7C07E, 0xFBF3E7, 0xFFFFFF, 0xFBF3E7, 0xE7C07E, 0xE2B269}},
    {kButton, "button", 0, 2, {0xD79529, 0xFCF6EC, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFCF6EC, 0xD79529}},
    {kButton, "button", 0, 3, {0xD58F1B, 0xFDFAF5, 0xFCF8F1, 0xFCF8F1, 0xFCF8F1, 0xFDFAF5, 0xD58F1B}},
    {kButton, "button", 0, 17, {0xD58F1B, 0xF0DEC9, 0xEAD0B1, 0xEAD0B1, 0xEAD0B1, 0xF0DEC9, 0xD58F1B}},
    {kButton, "button", 0, 20, {0xFBE7CA, 0xE1AE60, 0xD8962A, 0xD58F1B, 0xD8962A, 0xE1AE60, 0xFBE7CA}},
    // Hot, pressed, disabled tiles: border, rim and centre at rows 3 and 17 of each.
    {kButton, "button", 0, 24, {0xD58F1B, 0xFBC146, 0xFCEED2, 0xFCEED2}},
    {kButton, "button", 0, 38, {0xD58F1B, 0xF8BA39, 0xF2D4A7, 0xF2D4A7}},
    {kButton, "button", 0, 45, {0xD58F1B, 0xF9B731, 0xF3D49F, 0xF3D49F}},
    {kButton, "button", 0, 59, {0xD58F1B, 0xFCBF3E, 0xFDEAC3, 0xFDEAC3}},
    {kButton, "button", 2, 66, {0xFBF7F2, 0xFBF7F2, 0xFBF7F2}},
    {kButton, "button", 2, 80, {0xF3E3D2, 0xF3E3D2, 0xF3E3D2}},
    {kButton, "button", 6, 66, {0xE8C387}},
    {kButton, "button", 0, 73, {0xE8C387}},
    // Drop button: border line, hot centre running down, pressed the other way, the two arrows.
    {kDrop, "drop", 0, 0, {0xD1A04E}},
    {kDrop, "drop", 2, 0, {0xFFF9E8}},
    {kDrop, "drop", 0, 1, {0xD1A04E}},
    {kDrop, "drop", 2, 1, {0xFDEEC1}},
    {kDrop, "drop", 2, 16, {0xE3B865}},
    {kDrop, "drop", 0, 17, {0xD1A04E}},
    {kDrop, "drop", 2, 17, {0xF3E1C0}},
    {kDrop, "drop", 4, 1, {0xD1A04E}},
    {kDrop, "drop", 6, 1, {0xE2B561}},
    {kDrop, "drop", 4, 16, {0xD1A04E}},
    {kDrop, "drop", 6, 16, {0xFCEBBC}},
    {kDrop, "drop", 8, 0, std::vector<COLORREF>(7, 0x5F5519)},
    {kDrop, "drop", 11, 3, {0x5F5519}},
    {kDrop, "drop", 8, 4, std::vector<COLORREF>(7, 0xACA584)},
    {kDrop, "drop", 11, 7, {0xACA584}},
    // Check marks: the first drawn pixel of each row, enabled and disabled.
    {kGlyph, "glyph", 8, 0, {0x1DB754}},
    {kGlyph, "glyph", 7, 1, {0x1BB451, 0x1BB451}},
    {kGlyph, "glyph", 6, 2, {0x17AF4D}},
    {kGlyph, "glyph", 0, 3, {0x13A948, 0x13A948}},
    {kGlyph, "glyph", 0, 4, {0x0FA243}},
    {kGlyph, "glyph", 1, 5, {0x0A9C3E}},
    {kGlyph, "glyph", 2, 6, {0x069639}},
    {kGlyph, "glyph", 3, 7, {0x029135}},
    {kGlyph, "glyph", 17, 0, {0x8CDAA8}},
    {kGlyph, "glyph", 16, 1, {0x8BD9A6}},
    {kGlyph, "glyph", 15, 2, {0x89D6A4}},
    {kGlyph, "glyph", 9, 3, {0x87D3A2}},
    {kGlyph, "glyph", 9, 4, {0x85D09F}},
    {kGlyph, "glyph", 10, 5, {0x82CD9D}},
    {kGlyph, "glyph", 11, 6, {0x80C99A}},
    {kGlyph, "glyph", 12, 7, {0x7EC798}},
    // Indeterminate squares, one colour per row.
    {kGlyph, "glyph", 1, 9, std::vector<COLORREF>(7, 0x1BB451)},
    {kGlyph, "glyph", 1, 10, {0x18B04E}},
    {kGlyph, "glyph", 1, 11, {0x14AB49}},
    {kGlyph, "glyph", 1, 12, {0x10A445}},
    {kGlyph, "glyph", 1, 13, {0x0C9E40}},
    {kGlyph, "glyph", 1, 14, {0x07983B}},
    {kGlyph, "glyph", 1, 15, std::vector<COLORREF>(7, 0x069639)},
    {kGlyph, "glyph", 10, 9, std::vector<COLORREF>(7, 0x8BD9A6)},
    {kGlyph, "glyph", 10, 10, {0x89D6A4}},
    {kGlyph, "glyph", 10, 11, {0x87D4A3}},
    {kGlyph, "glyph", 10, 12, {0x86D1A0}},
    {kGlyph, "glyph", 10, 13, {0x83CE9E}},
    {kGlyph, "glyph", 10, 14, {0x81CA9B}},
    {kGlyph, "glyph", 10, 15, std::vector<COLORREF>(7, 0x80C99A)},
    // Option dot: soft ends on the top and bottom rows around the core.
    {kGlyph, "glyph", 3, 18, {0x60CC87, 0x19B14F, 0x60CC87}},
    {kGlyph, "glyph", 3, 22, {0x4FB473, 0x0B9D3F, 0x4FB473}},
    // Option discs: the ring along the top side, and on a diagonal.
    {kOption, "option", 3, 0, {0xE7CFBC, 0xD9B395, 0xD3A886, 0xD2A683, 0xD3A886, 0xD9B395, 0xE7CFBC}},
    {kOption, "option", 0, 6, {0xD2A683}},
    {kOption, "option", 2, 1, {0xDBB89D}},
    {kOption, "option", 6, 6, {0xFFFFFF}},
    {kOption, "option", 3, 13, {0xE7CFBC, 0xD9B395, 0xD3A886, 0xD2A683, 0xD3A886, 0xD9B395, 0xE7CFBC}},
    {kOption, "option", 3, 26, {0xDDBCA4, 0xCA9976, 0xC28B67, 0xC18964, 0xC28B67, 0xCA9976, 0xDDBCA4}},
    {kOption, "option", 10, 27, {0xCD9F7F}},
    {kOption, "option", 3, 51, {0xF3E7DD, 0xECD9CA, 0xE9D3C2, 0xE8D2C1, 0xE9D3C2, 0xECD9CA, 0xF3E7DD}},
    {kOption, "option", 12, 45, {0xE8D2C1}},
    {kOption, "option", 1, 41, {0xEDDBCE}},
    {kOption, "option", 6, 45, {0xFFFFFF}},
    // Header: the bottom row of all three tiles, faces, the separator's darkest point, the blue edges.
    {kHeader, "header", 0, 19, std::vector<COLORREF>(9, 0xF2DAC0)},
    {kHeader, "header", 1, 0, {0xFEF4E9}},
    {kHeader, "header", 1, 18, {0xF6E5D3}},
    {kHeader, "header", 2, 9, {0xD9B07A}},
    {kHeader, "header", 3, 5, {0xFAC25E}},
    {kHeader, "header", 4, 0, {0xFFEFD6}},
    {kHeader, "header", 3, 17, {0xFAC25E}},
    {kHeader, "header", 4, 18, {0xFDE0AC}},
    {kHeader, "header", 6, 3, {0xFAC25E}},
    {kHeader, "header", 7, 0, {0xFFDC9F}},
    {kHeader, "header", 6, 12, {0xFAC25E}},
    {kHeader, "header", 7, 18, {0xFFF2C8}},
};

TEST_F(SkinTest, EveryPixelDrawnByHandHasItsColour) {
  ASSERT_TRUE(skin_);
  for (const PixelRun& run : kRuns) {
    for (size_t i = 0; i < run.colours.size(); ++i) {
      const int x = run.x + static_cast<int>(i);
      EXPECT_EQ(At((skin_.*run.surface)(), x, run.y), run.colours[i]) << run.name << " (" << x << ", " << run.y << ")";
    }
  }
}

// '#' drawn, '.' key colour.
struct KeyMap {
  Surface surface;
  const char* name;
  int x, y;
  std::vector<std::string> rows;
};

const std::vector<std::string> kDisc = {
    "...#######...", "..#########..", ".###########.", "#############", "#############",
    "#############", "#############", "#############", "#############", "#############",
    ".###########.", "..#########..", "...#######...",
};

const std::vector<KeyMap> kKeyMaps = {
    {kGlyph, "glyph", 0, 0,
     {
         "........#........#", ".......##.......##", "......###......###", "##...###.##...###.",
         "###.###..###.###..", ".#####....#####...", "..###......###....", "...#........#.....",
         "..................", ".#######..#######.", ".#######..#######.", ".#######..#######.",
         ".#######..#######.", ".#######..#######.", ".#######..#######.", ".#######..#######.",
         "..................", "..................", "...###......###...", "..#####....#####..",
         "..#####....#####..", "..#####....#####..", "...###......###...", "..................",
     }},
    {kDrop, "drop", 0, 0,
     {
         "###############", "########.#####.", "########..###..", "########...#...",
         "###############", "########.#####.", "########..###..", "########...#...",
         "########.......", "########.......", "########.......", "########.......",
         "########.......", "########.......", "########.......", "########.......",
         "########.......", "########.......",
     }},
    {kOption, "option", 0, 0, kDisc},
    {kOption, "option", 0, 13, kDisc},
    {kOption, "option", 0, 26, kDisc},
    {kOption, "option", 0, 39, kDisc},
};

TEST_F(SkinTest, GlyphsArrowsAndDiscsSitInTheKeyColourWhereTheirShapesSay) {
  ASSERT_TRUE(skin_);
  for (const KeyMap& map : kKeyMaps) {
    for (size_t r = 0; r < map.rows.size(); ++r) {
      for (size_t c = 0; c < map.rows[r].size(); ++c) {
        const int x = map.x + static_cast<int>(c), y = map.y + static_cast<int>(r);
        const bool key = At((skin_.*map.surface)(), x, y) == kKeyColour;
        EXPECT_EQ(key, map.rows[r][c] == '.') << map.name << " (" << x << ", " << y << ")";
      }
    }
  }
}

int Brightness(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); }

TEST_F(SkinTest, ButtonTilesAreMirroredBorderedAndShadedTheWayEachStateLeans) {
  ASSERT_TRUE(skin_);
  HDC button = skin_.ButtonSkin();
  // Normal and hot darken downwards, pressed lightens, disabled darkens: the centre column, rows 3 to 17.
  constexpr std::array<int, 4> kLean{-1, -1, +1, -1};
  for (int state = 0; state < 4; ++state) {
    const int top = ButtonTile(state).y;
    const COLORREF border = state == kDisabled ? 0xE8C387 : 0xD58F1B;
    for (int y = top; y < top + 21; ++y) {
      for (int x = 0; x < 3; ++x) {
        const COLORREF left = At(button, x, y), right = At(button, 6 - x, y);
        for (int shift : {0, 8, 16}) {
          EXPECT_LE(std::abs(int((left >> shift) & 0xFF) - int((right >> shift) & 0xFF)), 2) << state << " " << x << "," << y;
        }
      }
      if (y >= top + 3 && y <= top + 17) {
        EXPECT_EQ(At(button, 0, y), border) << state << " row " << y - top;
      }
      if (y > top + 3 && y <= top + 17) {
        EXPECT_GE(kLean[state] * (Brightness(At(button, 3, y)) - Brightness(At(button, 3, y - 1))), 0) << state << " row " << y - top;
      }
    }
  }
}

}  // namespace
}  // namespace quilnet::skin::test
