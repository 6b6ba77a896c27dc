#include "platform/Gdi.h"

#include <ole2.h>
#include <olectl.h>

#include <cmath>
#include <cwchar>

namespace quilnet {

UniqueFont MakeFont(const wchar_t* face, double points, UINT dpi, BYTE charset, int weight) {
  LOGFONTW lf{};
  lf.lfHeight = -static_cast<LONG>(std::nearbyint(points * dpi / 72.0));
  lf.lfWeight = weight;
  lf.lfCharSet = charset;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  wcsncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
  return UniqueFont(CreateFontIndirectW(&lf));
}

UniqueFont MakeFontIndirect(const LOGFONTW& description) { return UniqueFont(CreateFontIndirectW(&description)); }

UniqueBrush MakeSolidBrush(COLORREF colour) { return UniqueBrush(CreateSolidBrush(colour)); }

UniqueBitmap LoadBitmapResource(int id) {
  return UniqueBitmap(static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

UniqueIcon LoadIconResource(int id, int size) {
  return UniqueIcon(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size,
                                                  size, LR_DEFAULTCOLOR)));
}

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

void SetWindowRegion(HWND window, UniqueRegion region, bool redraw) {
  if (SetWindowRgn(window, region.get(), redraw)) static_cast<void>(region.release());
}

void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y) {
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return;
  UniqueDc source(CreateCompatibleDC(dc));
  if (!source) return;
  Selection select(source.get(), bitmap);
  BitBlt(dc, x, y, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY);
}

UINT WindowDpi(HWND hwnd) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  // Present from Windows 10 1607 on; older systems have one DPI for everything.
  static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (getDpiForWindow && hwnd) {
    if (const UINT dpi = getDpiForWindow(hwnd)) return dpi;
  }
  ClientDc screen(nullptr);
  const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
  return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

int RoundHalfEven(double value) noexcept {
  const double floor = std::floor(value);
  const double fraction = value - floor;
  double result = floor;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0)) result += 1.0;
  return static_cast<int>(result);
}

COLORREF TranslateColour(COLORREF colour) noexcept {
  COLORREF rgb = 0;
  return SUCCEEDED(OleTranslateColor(colour, nullptr, &rgb)) ? rgb : CLR_INVALID;
}

COLORREF MixColour(COLORREF a, COLORREF b, double weightOfB) noexcept {
  COLORREF mixed = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
    mixed |= static_cast<COLORREF>(RoundHalfEven(ca + (cb - ca) * weightOfB)) << shift;
  }
  return mixed;
}

namespace {

using Paint = int(WINAPI*)(HDC, const RECT*, HBRUSH);

void PaintBox(HDC dc, const Box& box, HBRUSH brush, Paint paint) {
  const RECT rect{box.x, box.y, box.x + box.width, box.y + box.height};
  if (brush) paint(dc, &rect, brush);
}

void Brush(HDC dc, const Box& box, COLORREF colour, Paint paint) {
  if (!dc || box.width <= 0 || box.height <= 0) return;
  PaintBox(dc, box, MakeSolidBrush(TranslateColour(colour)).get(), paint);
}

}  // namespace

void FrameSides(const Box& box, RECT (&sides)[4]) noexcept {
  const int right = box.x + box.width, bottom = box.y + box.height;
  sides[0] = {box.x, box.y, box.x + 1, bottom};
  sides[1] = {right - 1, box.y, right, bottom};
  sides[2] = {box.x, box.y, right, box.y + 1};
  sides[3] = {box.x, bottom - 1, right, bottom};
}

void FillBox(HDC dc, const Box& box, COLORREF colour) { Brush(dc, box, colour, FillRect); }
void FrameBox(HDC dc, const Box& box, COLORREF colour) { Brush(dc, box, colour, FrameRect); }

void FillBox(DrawingObjects& objects, const Box& box, COLORREF colour) {
  if (box.width <= 0 || box.height <= 0) return;
  const RECT rect{box.x, box.y, box.x + box.width, box.y + box.height};
  objects.Fill(&rect, 1, TranslateColour(colour));
}

void FrameBox(DrawingObjects& objects, const Box& box, COLORREF colour) {
  if (box.width <= 0 || box.height <= 0) return;
  RECT sides[4];
  FrameSides(box, sides);
  objects.Fill(sides, 4, TranslateColour(colour));
}

DrawingObjects::~DrawingObjects() {
  if (ownPen_) SelectObject(dc_, ownPen_);
  if (ownBrush_) SelectObject(dc_, ownBrush_);
}

void DrawingObjects::Fill(const RECT* rects, int count, COLORREF colour) {
  if (!dc_) return;
  if (!IsPlainColour(colour)) {
    const UniqueBrush brush = MakeSolidBrush(colour);
    for (int i = 0; brush && i < count; ++i) FillRect(dc_, &rects[i], brush.get());
    return;
  }
  if (!ownBrush_) {
    ownBrush_ = SelectObject(dc_, GetStockObject(DC_BRUSH));
    SetDCBrushColor(dc_, brushColour_ = colour);
  } else if (brushColour_ != colour) {
    SetDCBrushColor(dc_, brushColour_ = colour);
  }
  for (int i = 0; i < count; ++i) {
    const RECT& r = rects[i];
    PatBlt(dc_, r.left, r.top, r.right - r.left, r.bottom - r.top, PATCOPY);
  }
}

void DrawingObjects::UsePen(COLORREF colour) {
  if (!dc_) return;
  if (!ownPen_) {
    ownPen_ = SelectObject(dc_, GetStockObject(DC_PEN));
    SetDCPenColor(dc_, penColour_ = colour);
  } else if (penColour_ != colour) {
    SetDCPenColor(dc_, penColour_ = colour);
  }
}

}  // namespace quilnet
