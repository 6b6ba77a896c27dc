#pragma once
// The skin's drawing primitives beside the shared toolkit of platform/Gdi.h: focus boxes, captions,
// nine-slice stretching of the skin bitmaps and copies with a transparent key colour.
//
// Conventions:
// - Colours are COLORREF values 0x00BBGGRR. A value with the high bit set names a system colour
//   (0x80000000 | COLOR_xxx) and is translated before use.
// - Boxes are (x, y, width, height) in the pixels of the context they are drawn on.
// - Nothing here reports an error: a null context, an empty box or a refused GDI call draws nothing.
//   Every object a primitive makes is gone again when it returns.
#include <windows.h>

#include <optional>
#include <string_view>

#include "platform/Gdi.h"
#include "platform/Surface.h"

namespace quilnet::skin {

// Nine-slice margins: how many pixels of each side of the source are copied unscaled.
struct Margins {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// Outer rectangle of a window in screen coordinates, with its size.
struct WindowBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int width = 0;
  int height = 0;
};

// Magenta: pixels of this colour in the drop button, glyph and option bitmaps are never drawn.
inline constexpr COLORREF kKeyColour = 0xFF00FF;
// DrawLabel's format for every caption of the skin: DT_CENTER | DT_VCENTER | DT_SINGLELINE |
// DT_END_ELLIPSIS; "&" marks the access key.
inline constexpr UINT kLabelFormat = 0x8025;

// Every halving of the skin: the offset that centres `inner` in `outer`, RoundHalfEven((outer - inner) / 2).
int CentreOffset(int outer, int inner) noexcept;

// The pointer position of a mouse message: the low and high words of lParam as signed 16-bit numbers
// (negative left of or above the window, and on a second monitor).
POINT MousePoint(LPARAM lParam) noexcept;

// DrawFocusRect of the box (an XOR: drawing it twice removes it).
void FocusBox(HDC dc, const Box& box);
// DrawTextW of the whole text in the box with the given format (usually kLabelFormat), in the
// context's current font, text colour and background mode.
void DrawLabel(HDC dc, std::wstring_view text, const Box& box, UINT format);

// GetWindowRect with width and height; all zero for a window that is gone.
WindowBox GetWindowBox(HWND window);
// Border thickness per side: cx = (window width - client width - vertical scroll bar) / 2 and
// cy = (window height - client height - horizontal scroll bar) / 2, the bars counted when the style
// shows them; integer division.
SIZE GetBorderSize(HWND window);

// Nine-slice drawing of the `from` rectangle of `source` onto the `to` box of `target`: corners copied
// unscaled, edges stretched along their length, the centre stretched both ways. With all margins 0 it is
// one stretch of the whole source. The picture is composed off screen and reaches the target in one
// copy, or, with a key colour, in one DrawTransparent (pixels of the key colour leave the target as it
// was). Negative margins count as 0; a slice that would have no size is left out.
void DrawNineGrid(HDC target, const Box& to, HDC source, const Box& from, const Margins& margins,
                  std::optional<COLORREF> key = std::nullopt);

// Copies to.width x to.height pixels from (sx, sy) of `source` to `to` of `target`, leaving the target
// unchanged exactly where the source pixel equals `key`; every other pixel is copied as it is.
void DrawTransparent(HDC target, const Box& to, HDC source, int sx, int sy, COLORREF key);

}  // namespace quilnet::skin
