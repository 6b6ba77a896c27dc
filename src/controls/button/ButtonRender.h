#pragma once
// Drawing the multi-style button onto its surface, and the window shape of each style.
#include <windows.h>

#include "controls/button/ButtonLook.h"
#include "platform/Gdi.h"

namespace quilnet::button {

WindowShape ShapeOfStyle(int style);
// The region of that shape for a width × height window, for SetWindowRgn (which then owns it).
UniqueRegion MakeShapeRegion(const WindowShape& shape, int width, int height);

// One full redraw: clears the surface, draws the face of the look's style and state, then the picture
// and the caption. Leaves behind what the look and the memory record (the pressed state of a checked
// button, colours some styles take from their container, the caption's place).
void Redraw(HDC dc, int width, int height, ButtonLook& look, DrawMemory& memory);

}  // namespace quilnet::button
