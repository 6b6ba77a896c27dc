#include "skin/PushButton.h"

#include <algorithm>
#include <array>

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

struct ButtonState {
  std::array<MemorySurface, 4> faces;  // one image per skin state, the window's size
  LONG_PTR oldStyle = 0;
  int state = kNormal;
  int alpha = 0;
  UINT_PTR timer = 0;
  int mouse = 0;
  bool released = false;
};

namespace {

constexpr int kFullAlpha = 255;
// Button types whose bit 1 or 2 is set (check boxes, radio buttons, group boxes, owner-drawn ...) keep
// the system's painting.
constexpr LONG_PTR kNotPushTypes = 6;
// The button's state object, for the functions that are given only the window.
constexpr wchar_t kStateProp[] = L"Quilnet.Skin.Button";

using StateRef = std::shared_ptr<ButtonState>;

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
    s.faces[n] = CreateMemoryDC(box.width, box.height);
    WriteProp(button, StateDcName(n), reinterpret_cast<INT_PTR>(s.faces[n].dc()));
    WriteProp(button, StateBitmapName(n), reinterpret_cast<INT_PTR>(s.faces[n].bitmap()));
  }
}

void RoundCorners(HWND button) {
  const WindowBox box = GetWindowBox(button);
  SetWindowRegion(button, MakeRoundRegion(box.width + 1, box.height + 1, kCornerEllipse), true);
}

void Render(HWND button, ButtonState& s) {
  const WindowBox box = GetWindowBox(button);
  const std::wstring caption = WindowText(button);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0));
  const bool focused = GetFocus() == button;
  const SkinSurfaces* skin = CurrentSurfaces();
  const Box inside{kTextInset, kTextInset, box.width - 2 * kTextInset, box.height - 2 * kTextInset};
  for (int n = 0; n < 4; ++n) {
    const HDC dc = s.faces[n].dc();
    if (!dc) continue;
    // Put back afterwards: a font left selected here could not be deleted by its owner.
    const Selection selectFont(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
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
  if (target) {
    AlphaCopy(target, 0, 0, face.width(), face.height(), face.dc(), 0, 0, face.width(), face.height(), a);
    return;
  }
  const ClientDc window(button, ClientDc::Area::WholeWindow);
  AlphaCopy(window.get(), 0, 0, face.width(), face.height(), face.dc(), 0, 0, face.width(), face.height(), a);
}

void Paint(HWND button, ButtonState& s, HDC dc = nullptr) {
  if (!IsWindowEnabled(button)) SetState(button, s, kDisabled);
  if (Skinned(s)) Blend(button, s, dc, s.alpha);
}

void Start(HWND button, ButtonState& s) {
  if (s.timer != 0) return;
  s.timer = SetTimer(button, kFadeTimerId, kFadeInterval, nullptr);
  WriteProp(button, kTimerId, static_cast<INT_PTR>(s.timer));
}

void Stop(HWND button, ButtonState& s) {
  if (s.timer == 0) return;
  KillTimer(button, s.timer);
  s.timer = 0;
  WriteProp(button, kTimerId, 0);
}

// Shown at once and at rest: pressed by the mouse or the space key.
void ShowPressed(HWND button, ButtonState& s) {
  Stop(button, s);
  SetState(button, s, kPressed);
  SetAlpha(button, s, kFullAlpha);
  Paint(button, s);
  SetAlpha(button, s, 0);
}

void FadeTo(HWND button, ButtonState& s, int state, int fromAlpha) {
  SetState(button, s, state);
  SetAlpha(button, s, fromAlpha);
  Start(button, s);
}

void OnTimer(HWND button, ButtonState& s) {
  int alpha = s.alpha;
  Paint(button, s);
  alpha += kFadeStep;
  if (alpha > kFullAlpha) {
    Stop(button, s);
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
    Stop(button, s);
    SetAlpha(button, s, kFullAlpha);
    Paint(button, s);
  }
}

void OnMouseLeave(HWND button, ButtonState& s) {
  SetMouse(button, s, 0);
  SetState(button, s, kHot);
  SetAlpha(button, s, kLeaveAlpha);
  Paint(button, s);
  FadeTo(button, s, kNormal, 0);
}

}  // namespace

std::shared_ptr<ButtonState> ButtonStateOf(HWND button) {
  const auto* held = static_cast<const StateRef*>(GetPropW(button, kStateProp));
  return held ? *held : nullptr;
}

void PrepareButton(HWND button) {
  auto state = std::make_shared<ButtonState>();
  ButtonState& s = *state;
  MakeStateSurfaces(button, s);
  Render(button, s);
  const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
  if ((style & kNotPushTypes) == 0) SendMessageW(button, BM_SETSTYLE, BS_OWNERDRAW, TRUE);
  SetOldStyle(button, s, style);
  s.state = IsWindowEnabled(button) ? kNormal : kDisabled;
  WriteProp(button, kMouseFlag, 0);
  WriteProp(button, kTimerId, 0);
  WriteProp(button, kOldState, s.state);
  WriteProp(button, kAlphaLevel, 0);
  RoundCorners(button);
  SetPropW(button, kStateProp, new StateRef(std::move(state)));
}

void ReleaseButton(HWND button) {
  auto* held = static_cast<StateRef*>(GetPropW(button, kStateProp));
  if (!held) return;
  RemovePropW(button, kStateProp);
  const StateRef state = std::move(*held);
  delete held;
  ButtonState& s = *state;
  s.released = true;
  for (int n = 0; n < 4; ++n) {
    RemovePropW(button, StateDcName(n));
    RemovePropW(button, StateBitmapName(n));
    s.faces[n] = MemorySurface();
  }
  Stop(button, s);
  // Only the button type goes back: whatever else changed since (disabled, hidden) stays as it is now.
  const LONG_PTR now = GetWindowLongPtrW(button, GWL_STYLE);
  SetWindowLongPtrW(button, GWL_STYLE, (now & ~LONG_PTR{BS_TYPEMASK}) | (s.oldStyle & BS_TYPEMASK));
  for (const wchar_t* name : {kOldStyle, kMouseFlag, kTimerId, kOldState, kAlphaLevel}) RemovePropW(button, name);
  SetWindowRegion(button, UniqueRegion(), true);
}

void RenderButtonStates(HWND button) {
  if (const StateRef s = ButtonStateOf(button)) Render(button, *s);
}

void StartFade(HWND button) {
  if (const StateRef s = ButtonStateOf(button)) Start(button, *s);
}

void StopFade(HWND button) {
  if (const StateRef s = ButtonStateOf(button)) Stop(button, *s);
}

LRESULT ButtonMessage(const Routed& routed) {
  const StateRef s = ButtonStateOf(routed.hwnd());
  return s ? ButtonMessage(routed, *s) : routed.Default();
}

LRESULT ButtonMessage(const Routed& routed, ButtonState& s) {
  const HWND button = routed.hwnd();
  const WindowMessage& message = routed.message;
  if (s.released) return routed.Default();
  switch (message.message) {
    case WM_PAINT: {
      if (!Skinned(s)) return routed.Default();
      // A paint ends any fade: the image is shown whole.
      Stop(button, s);
      SetAlpha(button, s, kFullAlpha);
      const PaintDc paint(button);
      Paint(button, s, paint.get());
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
      Render(button, s);
      RoundCorners(button);
      break;
    case WM_SETTEXT:
    case WM_SETFONT:
      Render(button, s);
      InvalidateRect(button, nullptr, FALSE);
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Render(button, s);
      SetAlpha(button, s, 0);
      Start(button, s);
      break;
    case WM_ENABLE:
      SetState(button, s, message.wParam ? kNormal : kDisabled);
      Paint(button, s);
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
