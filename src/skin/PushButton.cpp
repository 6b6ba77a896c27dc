#include "skin/PushButton.h"

#include <algorithm>
#include <array>
#include <optional>

#include "platform/Gdi.h"
#include "platform/Handles.h"
#include "platform/LeaveTracking.h"
#include "platform/MsImg.h"
#include "platform/Surface.h"
#include "platform/Window.h"
#include "skin/MSkinner.h"
#include "skin/SkinBitmaps.h"
#include "skin/SkinDraw.h"
#include "skin/SkinProps.h"

namespace quilnet::skin {

struct ButtonState {
  std::array<MemorySurface, 4> faces;  // one image per skin state, the window's size
  LONG_PTR oldStyle = 0;
  int state = kNormal;
  int alpha = 0;
  UINT_PTR timer = 0;
  // The window's DC, held while a fade runs: getting it again on every tick costs more than the blend.
  std::optional<ClientDc> fadeDc;
  int mouse = 0;
  bool released = false;
};

namespace {

constexpr int kFullAlpha = 255;
// Button types whose bit 1 or 2 is set (check boxes, radio buttons, group boxes, owner-drawn ...) keep
// the system's painting.
constexpr LONG_PTR kNotPushTypes = 6;
// Where ReleaseButton finds the state that the button's handler holds, to free its surfaces at once.
constexpr wchar_t kStateProp[] = L"Quilnet.Skin.Button";
bool Skinned(const ButtonState& s) noexcept { return (s.oldStyle & kNotPushTypes) == 0; }

// Each value is kept in memory and written through to its property.
void SetState(HWND button, ButtonState& s, int state) {
  if (s.state != state) WriteProp(button, kOldState, state);
  s.state = state;
}
void SetAlpha(HWND button, ButtonState& s, int alpha) {
  if (s.alpha != alpha) WriteProp(button, kAlphaLevel, alpha);
  s.alpha = alpha;
}
void SetMouse(HWND button, ButtonState& s, int mouse) {
  if (s.mouse != mouse) WriteProp(button, kMouseFlag, mouse);
  s.mouse = mouse;
}
void SetOldStyle(HWND button, ButtonState& s, LONG_PTR style) {
  s.oldStyle = style;
  WriteProp(button, kOldStyle, style);
}

// Four surfaces of the window's size in place of any it had; the properties name their DCs and bitmaps.
void MakeStateSurfaces(HWND button, ButtonState& s) {
  const WindowBox box = GetWindowBox(button);
  for (int n = 0; n < 4; ++n) {
    s.faces[n] = MemorySurface::Create(box.width, box.height);
    WriteProp(button, StateDcName(n), reinterpret_cast<INT_PTR>(s.faces[n].dc()));
    WriteProp(button, StateBitmapName(n), reinterpret_cast<INT_PTR>(s.faces[n].bitmap()));
  }
}

void RoundCorners(HWND button) {
  const WindowBox box = GetWindowBox(button);
  SetWindowRegion(button, MakeRoundRectRegion(0, 0, box.width + 1, box.height + 1, kCornerEllipse, kCornerEllipse), true);
}

void RenderButtonStates(HWND button, ButtonState& s) {
  const WindowBox box = GetWindowBox(button);
  const std::wstring caption = WindowText(button);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0));
  const bool focused = GetFocus() == button;
  const SkinSurfaces* skin = CurrentSurfaces();
  const Box inside{kTextInset, kTextInset, box.width - 2 * kTextInset, box.height - 2 * kTextInset};
  for (int n = 0; n < 4; ++n) {
    const HDC dc = s.faces[n].dc();
    if (!dc) continue;
    // Put back afterwards: a font left selected here could not be deleted by its owner. Without a font
    // of its own the button's caption is drawn in the surface's.
    const Selection selectFont(dc, font ? static_cast<HGDIOBJ>(font) : GetCurrentObject(dc, OBJ_FONT));
    SetBkMode(dc, TRANSPARENT);
    if (skin) DrawNineGrid(dc, {0, 0, box.width, box.height}, skin->ButtonSkin(), ButtonTile(n), kButtonMargins);
    SetTextColor(dc, n == kDisabled ? kDisabledTextColour : kButtonTextColour);
    DrawLabel(dc, caption, inside, kLabelFormat);
    if (focused) FocusBox(dc, inside);
  }
}

// One blend of the present state's image at `alpha`, onto `target` or the window.
void Blend(HWND button, const ButtonState& s, HDC target, int alpha) {
  const MemorySurface& face = s.faces[std::clamp(s.state, 0, 3)];
  if (!face) return;
  const auto a = static_cast<BYTE>(std::clamp(alpha, 0, kFullAlpha));
  std::optional<ClientDc> window;
  if (!target) target = s.fadeDc ? s.fadeDc->get() : window.emplace(button, ClientDc::Area::WholeWindow).get();
  AlphaCopy(target, 0, 0, face.width(), face.height(), face.dc(), 0, 0, face.width(), face.height(), a);
}

void PaintButton(HWND button, ButtonState& s, HDC dc = nullptr) {
  if (!IsWindowEnabled(button)) SetState(button, s, kDisabled);
  if (Skinned(s)) Blend(button, s, dc, s.alpha);
}

void StartFade(HWND button, ButtonState& s) {
  if (s.timer != 0) return;
  s.timer = SetTimer(button, kFadeTimerId, kFadeInterval, nullptr);
  if (s.timer != 0) s.fadeDc.emplace(button, ClientDc::Area::WholeWindow);
  WriteProp(button, kTimerId, static_cast<INT_PTR>(s.timer));
}

void StopFade(HWND button, ButtonState& s) {
  if (s.timer == 0) return;
  KillTimer(button, s.timer);
  s.timer = 0;
  s.fadeDc.reset();
  WriteProp(button, kTimerId, 0);
}

// Shown at once and at rest: pressed by the mouse or the space key.
void ShowPressed(HWND button, ButtonState& s) {
  StopFade(button, s);
  SetState(button, s, kPressed);
  SetAlpha(button, s, kFullAlpha);
  PaintButton(button, s);
  SetAlpha(button, s, 0);
}

void FadeTo(HWND button, ButtonState& s, int state, int fromAlpha) {
  SetState(button, s, state);
  SetAlpha(button, s, fromAlpha);
  StartFade(button, s);
}

void OnTimer(HWND button, ButtonState& s) {
  int alpha = s.alpha;
  PaintButton(button, s);
  alpha += kFadeStep;
  if (alpha > kFullAlpha) {
    StopFade(button, s);
    alpha = 0;
  }
  SetAlpha(button, s, alpha);
}

void OnMouseMove(HWND button, ButtonState& s) {
  if (s.mouse == 0) {
    SetMouse(button, s, 1);
    TrackLeave(button);
    FadeTo(button, s, kHot, 0);
    return;
  }
  // Held and dragged off the button: the present image, whole.
  POINT cursor{};
  GetCursorPos(&cursor);
  if (WindowFromPoint(cursor) != button) {
    StopFade(button, s);
    SetAlpha(button, s, kFullAlpha);
    PaintButton(button, s);
  }
}

void OnMouseLeave(HWND button, ButtonState& s) {
  SetMouse(button, s, 0);
  SetState(button, s, kHot);
  SetAlpha(button, s, kLeaveAlpha);
  PaintButton(button, s);
  FadeTo(button, s, kNormal, 0);
}

}  // namespace

std::shared_ptr<ButtonState> PrepareButton(HWND button) {
  auto state = std::make_shared<ButtonState>();
  ButtonState& s = *state;
  MakeStateSurfaces(button, s);
  RenderButtonStates(button, s);
  const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
  if ((style & kNotPushTypes) == 0) SendMessageW(button, BM_SETSTYLE, BS_OWNERDRAW, TRUE);
  SetOldStyle(button, s, style);
  s.state = IsWindowEnabled(button) ? kNormal : kDisabled;
  WriteProp(button, kMouseFlag, 0);
  WriteProp(button, kTimerId, 0);
  WriteProp(button, kOldState, s.state);
  WriteProp(button, kAlphaLevel, 0);
  RoundCorners(button);
  SetPropW(button, kStateProp, state.get());
  return state;
}

void ReleaseButton(HWND button) {
  auto* s = static_cast<ButtonState*>(GetPropW(button, kStateProp));
  if (!s) return;
  RemovePropW(button, kStateProp);
  s->released = true;
  for (int n = 0; n < 4; ++n) {
    RemovePropW(button, StateDcName(n));
    RemovePropW(button, StateBitmapName(n));
    s->faces[n] = MemorySurface();
  }
  StopFade(button, *s);
  // Only the button type goes back: whatever else changed since (disabled, hidden) stays as it is now.
  const LONG_PTR now = GetWindowLongPtrW(button, GWL_STYLE);
  SetWindowLongPtrW(button, GWL_STYLE, (now & ~LONG_PTR{BS_TYPEMASK}) | (s->oldStyle & BS_TYPEMASK));
  for (const wchar_t* name : {kOldStyle, kMouseFlag, kTimerId, kOldState, kAlphaLevel}) RemovePropW(button, name);
  SetWindowRegion(button, UniqueRegion(), true);
}

LRESULT ButtonMessage(const Routed& routed, ButtonState& s) {
  const HWND button = routed.hwnd();
  const WindowMessage& message = routed.message;
  switch (message.message) {
    case WM_PAINT: {
      if (!Skinned(s)) return routed.Default();
      // A paint ends any fade: the image is shown whole.
      StopFade(button, s);
      SetAlpha(button, s, kFullAlpha);
      const PaintDc paint(button);
      PaintButton(button, s, paint.get());
      return 0;
    }
    case WM_PRINTCLIENT:
      if (!Skinned(s)) return routed.Default();
      if (!IsWindowEnabled(button)) SetState(button, s, kDisabled);
      Blend(button, s, reinterpret_cast<HDC>(message.wParam), kFullAlpha);
      return 0;
    case WM_TIMER:
      // Only the fade's own timer steps the fade; every tick is passed on.
      if (s.timer != 0 && message.wParam == s.timer) OnTimer(button, s);
      return routed.Default();
    case BM_SETSTYLE: {
      if (!Skinned(s)) return routed.Default();
      // The type asked for is what the button gets back when the skin lets go of it.
      const auto type = static_cast<LONG_PTR>(message.wParam & BS_TYPEMASK);
      SetOldStyle(button, s, (s.oldStyle & ~LONG_PTR{BS_TYPEMASK}) | type);
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
  // Passing it on may have let go of the button, or destroyed it.
  if (s.released) return result;
  switch (message.message) {
    case WM_SIZE:
      MakeStateSurfaces(button, s);
      RenderButtonStates(button, s);
      RoundCorners(button);
      break;
    case WM_SETTEXT:
    case WM_SETFONT:
      RenderButtonStates(button, s);
      InvalidateRect(button, nullptr, FALSE);
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      RenderButtonStates(button, s);
      SetAlpha(button, s, 0);
      StartFade(button, s);
      break;
    case WM_ENABLE:
      SetState(button, s, message.wParam ? kNormal : kDisabled);
      PaintButton(button, s);
      break;
    case WM_KEYDOWN:
      if (message.wParam == VK_SPACE) ShowPressed(button, s);
      break;
    case WM_KEYUP:
      SetMouse(button, s, 0);
      FadeTo(button, s, kNormal, 0);
      break;
    case WM_MOUSEMOVE:
      OnMouseMove(button, s);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      ShowPressed(button, s);
      break;
    case WM_LBUTTONUP:
      SetMouse(button, s, 0);
      FadeTo(button, s, kNormal, kReleaseAlpha);
      break;
    case WM_MOUSELEAVE:
      OnMouseLeave(button, s);
      break;
    default:
      break;
  }
  return result;
}

}  // namespace quilnet::skin
