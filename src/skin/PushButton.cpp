#include "skin/PushButton.h"

#include <algorithm>

#include "platform/Gdi.h"
#include "platform/Handles.h"
#include "platform/MsImg.h"
#include "platform/Surface.h"
#include "platform/Window.h"
#include "skin/Routing.h"
#include "skin/SkinBitmaps.h"
#include "skin/SkinDraw.h"
#include "skin/SkinProps.h"

namespace quilnet::skin {
namespace {

constexpr int kStates = 4;
constexpr int kFullAlpha = 255;
// Button types whose bit 1 or 2 is set (check boxes, radio buttons, group boxes, owner-drawn ...) keep
// the system's painting.
constexpr LONG_PTR kNotPushTypes = 6;

bool Skinned(HWND button) noexcept { return (ReadProp(button, kOldStyle) & kNotPushTypes) == 0; }

// A handler may let go of the window, or destroy it, while the message is passed on: nothing of the
// skin may be written onto it after that.
bool StillAttached(HWND button) noexcept { return GetPropW(button, kProcAddr) != nullptr; }

HDC StateDc(HWND button, int state) noexcept { return static_cast<HDC>(GetPropW(button, StateDcName(state))); }

void FreeStateSurface(HWND button, int state) {
  const HDC dc = StateDc(button, state);
  const auto bitmap = static_cast<HBITMAP>(GetPropW(button, StateBitmapName(state)));
  RemovePropW(button, StateDcName(state));
  RemovePropW(button, StateBitmapName(state));
  // The DC goes first, then its bitmap.
  MemorySurface::Adopt(dc, bitmap);
}

// Four surfaces of the window's size in place of any it had.
void MakeStateSurfaces(HWND button) {
  const WindowBox box = GetWindowBox(button);
  for (int state = 0; state < kStates; ++state) {
    MemorySurface fresh = CreateMemoryDC(box.width, box.height);
    FreeStateSurface(button, state);
    if (!fresh) continue;
    const MemorySurface::Handles handles = fresh.Release();
    WriteProp(button, StateDcName(state), reinterpret_cast<INT_PTR>(handles.dc));
    WriteProp(button, StateBitmapName(state), reinterpret_cast<INT_PTR>(handles.bitmap));
  }
}

void RoundCorners(HWND button) {
  const WindowBox box = GetWindowBox(button);
  SetWindowRegion(button, MakeRoundRegion(box.width + 1, box.height + 1, kCornerEllipse), true);
}

void Blend(HWND button, HDC target, int alpha) {
  const WindowBox box = GetWindowBox(button);
  const int state = static_cast<int>(std::clamp<INT_PTR>(ReadProp(button, kOldState), 0, kStates - 1));
  const HDC source = StateDc(button, state);
  if (!source) return;
  const auto a = static_cast<BYTE>(std::clamp(alpha, 0, kFullAlpha));
  if (target) {
    AlphaCopy(target, 0, 0, box.width, box.height, source, 0, 0, box.width, box.height, a);
    return;
  }
  const ClientDc window(button, ClientDc::Area::WholeWindow);
  AlphaCopy(window.get(), 0, 0, box.width, box.height, source, 0, 0, box.width, box.height, a);
}

int Alpha(HWND button) noexcept { return static_cast<int>(ReadProp(button, kAlphaLevel)); }
void SetAlpha(HWND button, int alpha) noexcept { WriteProp(button, kAlphaLevel, alpha); }
void SetState(HWND button, int state) noexcept { WriteProp(button, kOldState, state); }

// Shown at once and at rest: pressed by the mouse or the space key.
void ShowPressed(HWND button) {
  StopFade(button);
  SetState(button, kPressed);
  SetAlpha(button, kFullAlpha);
  PaintButton(button);
  SetAlpha(button, 0);
}

void FadeTo(HWND button, int state, int fromAlpha) {
  SetState(button, state);
  SetAlpha(button, fromAlpha);
  StartFade(button);
}

void OnTimer(HWND button) {
  int alpha = Alpha(button);
  PaintButton(button);
  alpha += kFadeStep;
  if (alpha > kFullAlpha) {
    StopFade(button);
    alpha = 0;
  }
  SetAlpha(button, alpha);
}

void OnMouseMove(HWND button) {
  if (ReadProp(button, kMouseFlag) == 0) {
    WriteProp(button, kMouseFlag, 1);
    TrackLeave(button);
    FadeTo(button, kHot, 0);
    return;
  }
  // Held and dragged off the button: the present image, whole.
  POINT cursor{};
  GetCursorPos(&cursor);
  if (WindowFromPoint(cursor) != button) {
    StopFade(button);
    SetAlpha(button, kFullAlpha);
    PaintButton(button);
  }
}

void OnMouseLeave(HWND button) {
  WriteProp(button, kMouseFlag, 0);
  SetState(button, kHot);
  SetAlpha(button, kLeaveAlpha);
  PaintButton(button);
  FadeTo(button, kNormal, 0);
}

}  // namespace

void PrepareButton(HWND button) {
  MakeStateSurfaces(button);
  RenderButtonStates(button);
  const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
  if ((style & kNotPushTypes) == 0) SendMessageW(button, BM_SETSTYLE, BS_OWNERDRAW, TRUE);
  WriteProp(button, kOldStyle, style);
  WriteProp(button, kMouseFlag, 0);
  WriteProp(button, kTimerId, 0);
  WriteProp(button, kOldState, IsWindowEnabled(button) ? kNormal : kDisabled);
  WriteProp(button, kAlphaLevel, 0);
  RoundCorners(button);
}

void ReleaseButton(HWND button) {
  for (int state = 0; state < kStates; ++state) FreeStateSurface(button, state);
  StopFade(button);
  // Only the button type goes back: whatever else changed since (disabled, hidden) stays as it is now.
  const LONG_PTR now = GetWindowLongPtrW(button, GWL_STYLE);
  SetWindowLongPtrW(button, GWL_STYLE, (now & ~LONG_PTR{BS_TYPEMASK}) | (ReadProp(button, kOldStyle) & BS_TYPEMASK));
  for (const wchar_t* name : {kOldStyle, kMouseFlag, kTimerId, kOldState, kAlphaLevel}) RemovePropW(button, name);
  SetWindowRegion(button, UniqueRegion(), true);
}

void RenderButtonStates(HWND button) {
  const WindowBox box = GetWindowBox(button);
  const std::wstring caption = WindowText(button);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0));
  const bool focused = GetFocus() == button;
  const SkinSurfaces* skin = CurrentSurfaces();
  const Box inside{kTextInset, kTextInset, box.width - 2 * kTextInset, box.height - 2 * kTextInset};
  for (int state = 0; state < kStates; ++state) {
    const HDC dc = StateDc(button, state);
    if (!dc) continue;
    // Put back afterwards: a font left selected here could not be deleted by its owner.
    const Selection selectFont(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    if (skin) DrawNineGrid(dc, {0, 0, box.width, box.height}, skin->ButtonSkin(), ButtonTile(state), kButtonMargins);
    SetTextColor(dc, state == kDisabled ? kDisabledTextColour : kButtonTextColour);
    DrawLabel(dc, caption, inside, kLabelFormat);
    if (focused) FocusBox(dc, inside);
  }
}

void PaintButton(HWND button, HDC dc) {
  if (!IsWindowEnabled(button)) SetState(button, kDisabled);
  if (!Skinned(button)) return;
  Blend(button, dc, Alpha(button));
}

void StartFade(HWND button) {
  if (ReadProp(button, kTimerId) != 0) return;
  WriteProp(button, kTimerId, static_cast<INT_PTR>(SetTimer(button, kFadeTimerId, kFadeInterval, nullptr)));
}

void StopFade(HWND button) {
  const auto timer = static_cast<UINT_PTR>(ReadProp(button, kTimerId));
  if (timer == 0) return;
  KillTimer(button, timer);
  WriteProp(button, kTimerId, 0);
}

LRESULT ButtonMessage(const Routed& routed) {
  const HWND button = routed.hwnd();
  const WindowMessage& message = routed.message;
  switch (message.message) {
    case WM_PAINT: {
      if (!Skinned(button)) return routed.Default();
      // A paint ends any fade: the image is shown whole.
      StopFade(button);
      SetAlpha(button, kFullAlpha);
      const PaintDc paint(button);
      PaintButton(button, paint.get());
      return 0;
    }
    case WM_PRINTCLIENT:
      if (!Skinned(button)) return routed.Default();
      if (!IsWindowEnabled(button)) SetState(button, kDisabled);
      Blend(button, reinterpret_cast<HDC>(message.wParam), kFullAlpha);
      return 0;
    case WM_TIMER:
      // Only the fade's own timer steps the fade; every tick is passed on.
      if (ReadProp(button, kTimerId) != 0 && message.wParam == static_cast<WPARAM>(ReadProp(button, kTimerId))) {
        OnTimer(button);
      }
      return routed.Default();
    case BM_SETSTYLE: {
      if (!Skinned(button)) return routed.Default();
      // The type asked for is what the button gets back when the skin lets go of it.
      const auto type = static_cast<LONG_PTR>(message.wParam & BS_TYPEMASK);
      WriteProp(button, kOldStyle, (ReadProp(button, kOldStyle) & ~LONG_PTR{BS_TYPEMASK}) | type);
      if (type & kNotPushTypes) return routed.Default();
      return routed.next(BM_SETSTYLE, (message.wParam & ~WPARAM{BS_TYPEMASK}) | BS_OWNERDRAW, message.lParam);
    }
    case WM_KEYUP:
      if (message.wParam != VK_SPACE) return routed.Default();
      break;
    default:
      break;
  }

  const LRESULT result = routed.Default();
  if (!StillAttached(button)) return result;
  switch (message.message) {
    case WM_SIZE:
      MakeStateSurfaces(button);
      RenderButtonStates(button);
      RoundCorners(button);
      break;
    case WM_SETTEXT:
    case WM_SETFONT:
      RenderButtonStates(button);
      InvalidateRect(button, nullptr, FALSE);
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      RenderButtonStates(button);
      SetAlpha(button, 0);
      StartFade(button);
      break;
    case WM_ENABLE:
      SetState(button, message.wParam ? kNormal : kDisabled);
      PaintButton(button);
      break;
    case WM_KEYDOWN:
      if (message.wParam == VK_SPACE) ShowPressed(button);
      break;
    case WM_KEYUP:
      WriteProp(button, kMouseFlag, 0);
      FadeTo(button, kNormal, 0);
      break;
    case WM_MOUSEMOVE:
      OnMouseMove(button);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      ShowPressed(button);
      break;
    case WM_LBUTTONUP:
      WriteProp(button, kMouseFlag, 0);
      FadeTo(button, kNormal, kReleaseAlpha);
      break;
    case WM_MOUSELEAVE:
      OnMouseLeave(button);
      break;
    default:
      break;
  }
  return result;
}

}  // namespace quilnet::skin
