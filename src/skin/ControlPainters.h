#pragma once
// The skin's painters of the standard controls other than push buttons: the drop button of combo boxes
// and drive lists, the square of check boxes, the circle of option buttons and the items of headers.
// Each draws its part over what the control's own procedure painted, from the module's skin bitmaps,
// and does nothing while the engine has none.
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "skin/SkinDraw.h"
#include "skin/SkinProps.h"

namespace quilnet::skin {

// The colours of the skinned controls, 0x00BBGGRR.
inline constexpr COLORREF kBorderColour = 0xD5A554;
inline constexpr COLORREF kDisabledBorderColour = 0xE9CFA4;
inline constexpr COLORREF kPressedCheckBorder = 0xC48639;
inline constexpr COLORREF kBarColour = 0xF6D64C;
inline constexpr COLORREF kWhite = 0xFFFFFF;

// The frame colour of an enabled or a disabled control.
COLORREF BorderColour(HWND window) noexcept;

// A request whose state equals the control's "OLDSTATE" paints nothing unless forced; otherwise the
// state becomes the new "OLDSTATE". States are 0 normal, 1 hot, 2 pressed.

// The drop button at the right of a combo box or drive list, inside its one-pixel frame; always pressed
// while the list is dropped down. Drawn on `dc` (window coordinates) or, when null, on the window's own
// context. A combo box without a drop button (CBS_SIMPLE) gets none.
void PaintDropButton(HWND window, HDC dc, int state, bool forced);
// The check box's square at the left, vertically centred, with its mark (checked or indeterminate).
void PaintCheckBox(HWND window, int state, bool forced);
// The option button's circle at the left, vertically centred, with its dot when checked; the control's
// own background stays around the circle.
void PaintOptionButton(HWND window, int state, bool forced);
// One header item with its caption, on `dc` (window coordinates) or the window's own context. A
// negative or missing index paints nothing.
void PaintHeaderItem(HWND window, HDC dc, int index, int state);

// A header item's caption; empty when it has none or there is no such item.
std::wstring HeaderItemText(HWND header, int index);
// The caption centred in the box in the header's font, over what the box holds.
void DrawHeaderCaption(HWND header, HDC dc, std::wstring_view text, const Box& box);

}  // namespace quilnet::skin
