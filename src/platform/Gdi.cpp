#include "platform/Gdi.h"

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

UniqueRegion MakeRoundRegion(int width, int height, int ellipse) {
  return UniqueRegion(CreateRoundRectRgn(0, 0, width, height, ellipse, ellipse));
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

}  // namespace quilnet
