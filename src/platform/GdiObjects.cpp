#include "platform/GdiObjects.h"

namespace quilnet {

UniquePen MakeSolidPen(COLORREF colour) { return UniquePen(CreatePen(PS_SOLID, 1, colour)); }

UniqueRegion MakeRectRegion(int left, int top, int right, int bottom) {
  return UniqueRegion(CreateRectRgn(left, top, right, bottom));
}

UniqueRegion MakeRoundRectRegion(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
  return UniqueRegion(CreateRoundRectRgn(left, top, right, bottom, ellipseWidth, ellipseHeight));
}

UniqueDc MakeMemoryDc(HDC dc) { return UniqueDc(CreateCompatibleDC(dc)); }

IconBitmaps IconBitmapsOf(HICON icon) {
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return {};
  return IconBitmaps{UniqueBitmap(info.hbmColor), UniqueBitmap(info.hbmMask)};
}

}  // namespace quilnet
