#include "skin/SkinDraw.h"

#include <algorithm>

#include "platform/MsImg.h"

namespace quilnet::skin {
namespace {

RECT ToRect(const Box& box) noexcept { return {box.x, box.y, box.x + box.width, box.y + box.height}; }

bool Empty(const Box& box) noexcept { return box.width <= 0 || box.height <= 0; }

// A stretch of one slice; a slice without size is left out rather than drawn mirrored.
void StretchSlice(HDC target, const Box& to, HDC source, const Box& from) {
  if (Empty(to) || Empty(from)) return;
  StretchBlt(target, to.x, to.y, to.width, to.height, source, from.x, from.y, from.width, from.height, SRCCOPY);
}

}  // namespace

int CentreOffset(int outer, int inner) noexcept { return RoundHalfEven((outer - inner) / 2.0); }

POINT MousePoint(LPARAM lParam) noexcept {
  const auto word = static_cast<DWORD>(lParam);
  return {static_cast<short>(LOWORD(word)), static_cast<short>(HIWORD(word))};
}

void FocusBox(HDC dc, const Box& box) {
  if (!dc || Empty(box)) return;
  const RECT rect = ToRect(box);
  DrawFocusRect(dc, &rect);
}

void DrawLabel(HDC dc, std::wstring_view text, const Box& box, UINT format) {
  if (!dc || text.empty()) return;
  RECT rect = ToRect(box);
  // Without DT_MODIFYSTRING the text is only read, so a view needs no copy.
  DrawTextW(dc, text.data(), static_cast<int>(text.size()), &rect, format & ~static_cast<UINT>(DT_MODIFYSTRING));
}

WindowBox GetWindowBox(HWND window) {
  RECT rect{};
  if (!window || !GetWindowRect(window, &rect)) return {};
  return {rect.left, rect.top, rect.right, rect.bottom, rect.right - rect.left, rect.bottom - rect.top};
}

SIZE GetBorderSize(HWND window) {
  const WindowBox outer = GetWindowBox(window);
  RECT client{};
  if (!window || !GetClientRect(window, &client)) return {0, 0};
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  const int vertical = (style & WS_VSCROLL) ? GetSystemMetrics(SM_CXVSCROLL) : 0;
  const int horizontal = (style & WS_HSCROLL) ? GetSystemMetrics(SM_CYHSCROLL) : 0;
  return {(outer.width - client.right - vertical) / 2, (outer.height - client.bottom - horizontal) / 2};
}

void DrawNineGrid(HDC target, const Box& to, HDC source, const Box& from, const Margins& margins,
                  std::optional<COLORREF> key) {
  if (!target || !source || Empty(to) || Empty(from)) return;
  const int W = to.width, H = to.height;
  const int sx = from.x, sy = from.y, sw = from.width, sh = from.height;
  const int L = std::max(margins.left, 0), T = std::max(margins.top, 0);
  const int R = std::max(margins.right, 0), B = std::max(margins.bottom, 0);

  const MemorySurface surface = MemorySurface::Create(W, H);
  if (!surface) return;
  HDC dc = surface.dc();
  // Deleting rows or columns keeps every pixel one of the source's; the default mode would AND the
  // colours of the rows it drops when a slice shrinks.
  SetStretchBltMode(dc, COLORONCOLOR);

  if (L == 0 && T == 0 && R == 0 && B == 0) {
    StretchSlice(dc, {0, 0, W, H}, source, from);
  } else {
    if (L > 0 && T > 0) BitBlt(dc, 0, 0, L, T, source, sx, sy, SRCCOPY);
    if (R > 0 && T > 0) BitBlt(dc, W - R, 0, R, T, source, sx + sw - R, sy, SRCCOPY);
    if (L > 0 && B > 0) BitBlt(dc, 0, H - B, L, B, source, sx, sy + sh - B, SRCCOPY);
    if (R > 0 && B > 0) BitBlt(dc, W - R, H - B, R, B, source, sx + sw - R, sy + sh - B, SRCCOPY);
    if (L > 0) StretchSlice(dc, {0, T, L, H - T - B}, source, {sx, sy + T, L, sh - T - B});
    if (R > 0) StretchSlice(dc, {W - R, T, R, H - T - B}, source, {sx + sw - R, sy + T, R, sh - T - B});
    if (T > 0) StretchSlice(dc, {L, 0, W - L - R, T}, source, {sx + L, sy, sw - L - R, T});
    if (B > 0) StretchSlice(dc, {L, H - B, W - L - R, B}, source, {sx + L, sy + sh - B, sw - L - R, B});
    StretchSlice(dc, {L, T, W - L - R, H - T - B}, source, {sx + L, sy + T, sw - L - R, sh - T - B});
  }

  if (key) {
    DrawTransparent(target, to, dc, 0, 0, *key);
  } else {
    BitBlt(target, to.x, to.y, W, H, dc, 0, 0, SRCCOPY);
  }
}

void DrawTransparent(HDC target, const Box& to, HDC source, int sx, int sy, COLORREF key) {
  if (!target || !source || Empty(to)) return;
  // TransparentBlt gives what the mask method would (a monochrome mask where the source is exactly the
  // key, AND and OR into a copy of the target) in one call, with no temporary surfaces or palette.
  TransparentCopy(target, to.x, to.y, to.width, to.height, source, sx, sy, to.width, to.height,
                  TranslateColour(key));
}

}  // namespace quilnet::skin
