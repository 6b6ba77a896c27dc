#pragma once
// The five bitmaps the skin's whole look comes from, built in memory (no image file is read), and where
// each tile and glyph lies in them. Painters take a tile's Box as the source of DrawNineGrid or
// DrawTransparent together with its margins below.
#include <windows.h>

#include "platform/Surface.h"
#include "skin/SkinDraw.h"

namespace quilnet::skin {

// Skin states of the controls: 0 normal, 1 hot (pointer over it), 2 pressed, 3 disabled.
enum SkinState : int { kNormal = 0, kHot = 1, kPressed = 2, kDisabled = 3 };

// ButtonSkin, 7 x 84: one 7 x 21 tile per state (0 to 3) stacked downwards; a rounded blue-bordered
// button face with 3-pixel corners.
inline constexpr int kButtonSkinWidth = 7, kButtonSkinHeight = 84;
constexpr Box ButtonTile(int state) { return {0, 21 * state, 7, 21}; }
inline constexpr Margins kButtonMargins{3, 3, 3, 3};

// DropButtonSkin, 15 x 18: the combo box's drop button face, hot and pressed, and its arrow; key colour
// elsewhere.
inline constexpr int kDropButtonSkinWidth = 15, kDropButtonSkinHeight = 18;
inline constexpr Box kDropHotTile{0, 0, 4, 18};
inline constexpr Box kDropPressedTile{4, 0, 4, 18};
inline constexpr Box kArrow{8, 0, 7, 4};
inline constexpr Box kArrowDisabled{8, 4, 7, 4};
inline constexpr Margins kDropMargins{2, 1, 1, 1};

// GlyphSkin, 18 x 24: check box and option marks, enabled on the left and disabled on the right;
// key colour around them.
inline constexpr int kGlyphSkinWidth = 18, kGlyphSkinHeight = 24;
inline constexpr Box kCheckMark{0, 0, 9, 8};
inline constexpr Box kCheckMarkDisabled{9, 0, 9, 8};
inline constexpr Box kIndeterminate{1, 9, 7, 7};
inline constexpr Box kIndeterminateDisabled{10, 9, 7, 7};
inline constexpr Box kOptionDot{2, 18, 5, 5};
inline constexpr Box kOptionDotDisabled{11, 18, 5, 5};

// OptionSkin, 13 x 52: one 13 x 13 disc per state (0 to 3) stacked downwards; key colour outside the
// discs. Its hot and pressed bands also fill the hot and pressed check box.
inline constexpr int kOptionSkinWidth = 13, kOptionSkinHeight = 52;
constexpr Box OptionTile(int state) { return {0, 13 * state, 13, 13}; }
inline constexpr Margins kOptionMargins{5, 5, 5, 5};
inline constexpr Box kCheckHotBand{1, 17, 11, 5};
inline constexpr Box kCheckPressedBand{1, 30, 11, 5};

// HeaderSkin, 9 x 20: one 3 x 20 tile per state (0 to 2) side by side: left edge, face, separator.
// The face column stretched over the whole header is its background.
inline constexpr int kHeaderSkinWidth = 9, kHeaderSkinHeight = 20;
constexpr Box HeaderTile(int state) { return {3 * state, 0, 3, 20}; }
inline constexpr Box kHeaderBackground{1, 0, 1, 20};
inline constexpr Margins kHeaderMargins{1, 1, 1, 1};

// The five surfaces, owned together; freed when the owner goes (the engine drops them when the last
// skinned window goes and builds them again for the next). Read-only once built.
class SkinSurfaces {
 public:
  SkinSurfaces() = default;

  // True when all five were made.
  explicit operator bool() const noexcept;
  HDC ButtonSkin() const noexcept { return button_.dc(); }
  HDC DropButtonSkin() const noexcept { return dropButton_.dc(); }
  HDC GlyphSkin() const noexcept { return glyph_.dc(); }
  HDC OptionSkin() const noexcept { return option_.dc(); }
  HDC HeaderSkin() const noexcept { return header_.dc(); }

 private:
  friend SkinSurfaces BuildSkinBitmaps();
  MemorySurface button_;
  MemorySurface dropButton_;
  MemorySurface glyph_;
  MemorySurface option_;
  MemorySurface header_;
};

// Makes the five surfaces in the order ButtonSkin, DropButtonSkin, GlyphSkin, OptionSkin, HeaderSkin and
// sets every pixel of each once. A surface the system refuses stays empty (its HDC is null, and drawing
// from it does nothing).
SkinSurfaces BuildSkinBitmaps();

}  // namespace quilnet::skin
