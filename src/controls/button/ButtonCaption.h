#pragma once
// The picture and the caption, laid out together after the face.
#include <windows.h>

#include "controls/button/ButtonLook.h"

namespace quilnet::button {

// Where the picture (px, py, at pw × ph) and the caption (from cx, cy) go before a pressed look moves them.
struct Placement {
  int px = 0, py = 0, cx = 0, cy = 0, pw = 0, ph = 0;
};
// tw × th is the caption's size, pw × ph the picture's size as PictureSize asks.
Placement PlaceCaption(const ButtonLook& look, int lw, int lh, int tw, int th, int pw, int ph);

void DrawPictureAndCaption(HDC dc, int width, int height, ButtonLook& look, DrawMemory& memory);

}  // namespace quilnet::button
