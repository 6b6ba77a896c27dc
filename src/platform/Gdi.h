#pragma once
// Drawing objects the windows hold for their lifetime.
#include <windows.h>

#include "platform/Handles.h"

namespace quilnet {

// A font of `points` (tenths may be given, 15.75 for example) at the window's dots per inch.
UniqueFont MakeFont(const wchar_t* face, double points, UINT dpi, BYTE charset, int weight = FW_NORMAL);
UniqueFont MakeFontIndirect(const LOGFONTW& description);
UniqueBrush MakeSolidBrush(COLORREF colour);
// A bitmap resource of this module as a DIB section; empty when it is missing.
UniqueBitmap LoadBitmapResource(int id);
// An icon resource of this module at the given size; empty when it is missing.
UniqueIcon LoadIconResource(int id, int size);
// A rectangle of width x height with its corners rounded by an ellipse of `ellipse` x `ellipse`.
UniqueRegion MakeRoundRegion(int width, int height, int ellipse);
// Gives the window its region (nothing: no region), which the window then owns; a region the window
// refused is deleted here.
void SetWindowRegion(HWND window, UniqueRegion region, bool redraw);
// Copies the whole bitmap to (x, y) of the context.
void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y);
// The window's dots per inch (the system's for a window that has none of its own).
UINT WindowDpi(HWND hwnd);

}  // namespace quilnet
