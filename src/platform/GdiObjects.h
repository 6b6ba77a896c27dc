#pragma once
// Short-lived drawing objects: made for one drawing step and gone when it ends.
#include <windows.h>

#include "platform/Handles.h"

namespace quilnet {

using UniquePen = UniqueGdi<HPEN>;
using UniqueRegion = UniqueGdi<HRGN>;

UniquePen MakeSolidPen(COLORREF colour);
UniqueRegion MakeRectRegion(int left, int top, int right, int bottom);
UniqueRegion MakeRoundRectRegion(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
// A memory context compatible with `dc`, for selecting a bitmap into.
UniqueDc MakeMemoryDc(HDC dc);

// The two bitmaps behind an icon (GetIconInfo), owned; `colour` is empty for a monochrome icon, whose
// mask then holds both halves.
struct IconBitmaps {
  UniqueBitmap colour;
  UniqueBitmap mask;
};
IconBitmaps IconBitmapsOf(HICON icon);

}  // namespace quilnet
