#pragma once
// Drawing of the multi-style button onto its surface, and the window shape of each style.
#include <windows.h>

#include "controls/button/ButtonLook.h"
#include "platform/Handles.h"

namespace quilnet::button {

// Draws the whole button (face, picture, caption) for its look into `dc`, width x height pixels.
void Redraw(HDC dc, int width, int height, ButtonLook& look, DrawMemory& memory);
// The window shape a style asks for.
WindowShape ShapeOfStyle(int style);
// The region of that shape for a window of this size.
UniqueGdi<HRGN> MakeShapeRegion(const WindowShape& shape, int width, int height);

}  // namespace quilnet::button
