#include "SkinPictures.h"

#include <cstdio>

#include "platform/CodePage.h"
#include "skin/SkinBitmaps.h"
#include "skin/SkinDraw.h"
#include "support/Capture.h"

namespace quilnet {
namespace {

using namespace skin;

// Enlarges the surface `scale` times, nearest neighbour, and writes it as a PNG.
bool SaveEnlarged(const MemorySurface& surface, int scale, const std::wstring& folder, const wchar_t* name) {
  const MemorySurface big = MemorySurface::Create(surface.width() * scale, surface.height() * scale);
  if (!big) return false;
  SetStretchBltMode(big.dc(), COLORONCOLOR);
  StretchBlt(big.dc(), 0, 0, big.width(), big.height(), surface.dc(), 0, 0, surface.width(), surface.height(), SRCCOPY);
  GdiFlush();
  test::Pixels pixels;
  pixels.width = big.width();
  pixels.height = big.height();
  pixels.data.assign(big.bits(), big.bits() + static_cast<size_t>(big.width()) * static_cast<size_t>(big.height()));
  const std::wstring path = folder + L"\\" + name;
  if (!test::SavePng(pixels, path)) {
    std::fprintf(stderr, "cannot write %s\n", ToCodePage(path, CP_UTF8).c_str());
    return false;
  }
  std::printf("%s %dx%d\n", ToCodePage(name, CP_UTF8).c_str(), pixels.width, pixels.height);
  return true;
}

constexpr COLORREF kBackdrop = 0xC8C8C8;
constexpr COLORREF kWhite = 0xFFFFFF;

}  // namespace

bool ShootSkinBitmaps(const std::wstring& folder) {
  const SkinSurfaces skin = BuildSkinBitmaps();
  if (!skin) return false;

  // The five bitmaps as they are, side by side on grey (magenta is the key colour).
  struct Sheet {
    HDC dc;
    int width, height;
  };
  const Sheet sheets[] = {
      {skin.ButtonSkin(), kButtonSkinWidth, kButtonSkinHeight},
      {skin.DropButtonSkin(), kDropButtonSkinWidth, kDropButtonSkinHeight},
      {skin.GlyphSkin(), kGlyphSkinWidth, kGlyphSkinHeight},
      {skin.OptionSkin(), kOptionSkinWidth, kOptionSkinHeight},
      {skin.HeaderSkin(), kHeaderSkinWidth, kHeaderSkinHeight},
  };
  MemorySurface raw = MemorySurface::Create(2 + 7 + 3 + 15 + 3 + 18 + 3 + 13 + 3 + 9 + 2, 2 + 84 + 2);
  if (!raw) return false;
  FillBox(raw.dc(), {0, 0, raw.width(), raw.height()}, kBackdrop);
  int x = 2;
  for (const Sheet& sheet : sheets) {
    BitBlt(raw.dc(), x, 2, sheet.width, sheet.height, sheet.dc, 0, 0, SRCCOPY);
    x += sheet.width + 3;
  }
  if (!SaveEnlarged(raw, 8, folder, L"skin-bitmaps.png")) return false;

  // What the painters make of them on a white window: buttons in the four states at 75 x 23, drop
  // buttons, option discs with and without the dot, check boxes, header items.
  MemorySurface used = MemorySurface::Create(4 + 4 * 79, 4 + 23 + 6 + 19 + 6 + 13 + 6 + 20 + 4);
  if (!used) return false;
  FillBox(used.dc(), {0, 0, used.width(), used.height()}, kWhite);
  for (int state = kNormal; state <= kDisabled; ++state) {
    const int left = 4 + 79 * state;
    DrawNineGrid(used.dc(), {left, 4, 75, 23}, skin.ButtonSkin(), ButtonTile(state), kButtonMargins);
    // A drop button of a 21-pixel combo box: white, hot, pressed, disabled arrow.
    const Box drop{left, 33, 18, 19};
    if (state == kHot || state == kPressed) {
      DrawNineGrid(used.dc(), drop, skin.DropButtonSkin(), state == kHot ? kDropHotTile : kDropPressedTile, kDropMargins);
    }
    const Box arrow = state == kDisabled ? kArrowDisabled : kArrow;
    DrawTransparent(used.dc(), {drop.x + CentreOffset(18, 7), drop.y + CentreOffset(19, 4), 7, 4}, skin.DropButtonSkin(),
                    arrow.x, arrow.y, kKeyColour);
    // Option discs, the dot in each; a check box beside it.
    const Box disc{left + 24, 58, 13, 13};
    DrawNineGrid(used.dc(), disc, skin.OptionSkin(), OptionTile(state), kOptionMargins, kKeyColour);
    const Box dot = state == kDisabled ? kOptionDotDisabled : kOptionDot;
    DrawTransparent(used.dc(), {disc.x + CentreOffset(13, 5), disc.y + CentreOffset(13, 5), 5, 5}, skin.GlyphSkin(), dot.x,
                    dot.y, kKeyColour);
    const Box check{left + 42, 58, 13, 13};
    FrameBox(used.dc(), check, state == kDisabled ? 0xE9CFA4 : state == kPressed ? 0xC48639 : 0xD5A554);
    if (state == kHot || state == kPressed) {
      const Box band = state == kHot ? kCheckHotBand : kCheckPressedBand;
      StretchBlt(used.dc(), check.x + 1, check.y + 1, 11, 11, skin.OptionSkin(), band.x, band.y, band.width, band.height, SRCCOPY);
    }
    const Box mark = state == kDisabled ? kCheckMarkDisabled : kCheckMark;
    DrawTransparent(used.dc(), {check.x + CentreOffset(13, 9), check.y + CentreOffset(13, 8), 9, 8}, skin.GlyphSkin(), mark.x,
                    mark.y, kKeyColour);
    const Box square = state == kDisabled ? kIndeterminateDisabled : kIndeterminate;
    DrawTransparent(used.dc(), {left + 60, 61, 7, 7}, skin.GlyphSkin(), square.x, square.y, kKeyColour);
    // Header items 75 x 20 (three states).
    if (state != kDisabled) {
      DrawNineGrid(used.dc(), {left, 77, 75, 20}, skin.HeaderSkin(), HeaderTile(state), kHeaderMargins);
    }
  }
  return SaveEnlarged(used, 3, folder, L"skin-samples.png");
}

}  // namespace quilnet
