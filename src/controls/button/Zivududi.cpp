#include "controls/button/Zivududi.h"

#include <windowsx.h>

#include <algorithm>
#include <cwctype>

#include "controls/button/ButtonRender.h"
#include "platform/Gdi.h"
#include "platform/Handles.h"

namespace quilnet::button {
namespace {

struct StyleDefaults {
  Colour back;
  Colour fore;
  bool showFocusRect;
};

// Choosing a style resets these three.
constexpr StyleDefaults kStyleDefaults[] = {
    {kButtonFace, kButtonText, true},   // Raised3D
    {kButtonFace, kButtonText, true},   // RaisedSoft
    {0xE7EBEC, kButtonText, false},     // RoundedFrame
    {kButtonFace, kButtonText, false},  // ContainerShade
    {0xE3E3E3, kButtonText, false},     // RoundedBevel: 0xD4D4D4 lightened by 0.06
    {0xAA6D00, 0xFFFFFF, true},         // SolidBlue
    {0xE1D6D5, kButtonText, true},      // SplitShade
    {0xFFD1AD, 0x8B4215, false},        // PaleBlueGloss
    {kButtonFace, kButtonText, false},  // SplitGloss
    {kButtonFace, kButtonText, false},  // FaceGradient
    {0xFFD1AD, 0x8B4215, false},        // PaleBlueBand
    {kButtonFace, kButtonText, false},  // FlatHotRaised
    {kButtonFace, kButtonText, false},  // FlatHotThin
    {0xFCE1CA, kButtonText, false},     // HotGradient
    {0xD0D0D0, kButtonText, false},     // GlossyRounded
    {0xE6CAA7, kButtonText, true},      // HorizontalGradient
};

// The stored default of the caption differs between reading and writing.
constexpr wchar_t kReadCaptionDefault[] = L"zivududi";
constexpr wchar_t kWriteCaptionDefault[] = L"zivududi1";
constexpr wchar_t kNewFontFace[] = L"Tahoma";
constexpr Colour kDefaultMaskColor = 0xE0E0E0;
// The smallest outer width and height, in twips.
constexpr int kMinimumTwips = 220;
constexpr short kLeftButton = 1;
constexpr short kAlt = 4;

// The standard cursors of the surface's pointer codes 1 to 15.
const wchar_t* const kPointerCursors[] = {
    IDC_ARROW, IDC_CROSS, IDC_IBEAM, IDC_ICON, IDC_SIZE, IDC_SIZENESW, IDC_SIZENS, IDC_SIZENWSE,
    IDC_SIZEWE, IDC_UPARROW, IDC_WAIT, IDC_NO, IDC_APPSTARTING, IDC_HELP, IDC_SIZEALL,
};

// `altInMessage`: a system key message says itself whether Alt is held (bit 29).
short ShiftState(bool altInMessage = false) {
  short shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= 1;
  if (GetKeyState(VK_CONTROL) < 0) shift |= 2;
  if (altInMessage || GetKeyState(VK_MENU) < 0) shift |= 4;
  return shift;
}

float X(LPARAM at) { return static_cast<float>(GET_X_LPARAM(at)); }
float Y(LPARAM at) { return static_cast<float>(GET_Y_LPARAM(at)); }

short HeldButtons(WPARAM keys) {
  return static_cast<short>(((keys & MK_LBUTTON) ? 1 : 0) | ((keys & MK_RBUTTON) ? 2 : 0) |
                            ((keys & MK_MBUTTON) ? 4 : 0));
}

PropertyBag::Value Text(const std::wstring& text) { return text; }
PropertyBag::Value Int(std::int32_t n) { return n; }
PropertyBag::Value Bool(bool b) { return b; }
PropertyBag::Value Rgb(Colour c) { return ColourValue{c}; }

}  // namespace

Zivududi::Zivududi(Container container) : container_(std::move(container)) {}

Zivududi::~Zivududi() {
  StopHover();
  if (font_) font_->Unsubscribe(fontToken_);
  if (hwnd() && IsWindow(hwnd())) DestroyWindow(hwnd());
}

std::unique_ptr<Zivududi> Zivududi::CreateNew(HWND parent, const RECT& bounds, int id, Container container) {
  std::unique_ptr<Zivududi> button(new Zivududi(std::move(container)));
  if (!button->CreateWindowAt(parent, bounds, id)) return nullptr;
  button->InitProperties();
  button->ready_ = true;
  button->OnResize();
  if (button->container_.ambient.userMode) button->StartHover();
  return button;
}

std::unique_ptr<Zivududi> Zivududi::CreateFromBag(HWND parent, const RECT& bounds, int id, const PropertyBag& bag,
                                                  Container container) {
  std::unique_ptr<Zivududi> button(new Zivududi(std::move(container)));
  if (!button->CreateWindowAt(parent, bounds, id)) return nullptr;
  button->ReadProperties(bag);
  return button;
}

bool Zivududi::CreateWindowAt(HWND parent, const RECT& bounds, int id) {
  if (!Register(kButtonClass)) return false;
  if (!CreateChildWindow(kButtonClass, parent, bounds, id, WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, 0)) {
    return false;
  }
  // Double clicks arrive as such only for a class that asks for them.
  const ULONG_PTR classStyle = GetClassLongPtrW(hwnd(), GCL_STYLE);
  if (!(classStyle & CS_DBLCLKS)) SetClassLongPtrW(hwnd(), GCL_STYLE, classStyle | CS_DBLCLKS);
  parent_ = parent;
  surface_.Attach(hwnd());
  // The button starts in the state its parent is in; activation changes arrive through the hover hooks.
  look_.parentActive = GetActiveWindow() == GetAncestor(parent, GA_ROOT);
  look_.userMode = container_.ambient.userMode;
  look_.displayAsDefault = container_.ambient.displayAsDefault;
  look_.ambientBackColor = container_.ambient.backColor;
  return true;
}

void Zivududi::Notify(std::wstring_view property) const {
  if (container_.propertyChanged) container_.propertyChanged(property);
}

// --- drawing and shape ---

void Zivududi::Redraw() {
  if (!ready_ || drawing_ || !hwnd()) return;
  drawing_ = true;
  surface_.FollowClientSize();
  look_.font = surface_.Font();
  look_.hasAccessKey = !surface_.AccessKeys.empty();
  look_.surfaceBackColor = surface_.BackColor;
  look_.ambientBackColor = container_.ambient.backColor;
  look_.userMode = container_.ambient.userMode;
  button::Redraw(surface_.hDC(), surface_.ScaleWidth(), surface_.ScaleHeight(), look_, memory_);
  surface_.BackColor = look_.surfaceBackColor;
  surface_.Refresh();
  drawing_ = false;
}

void Zivududi::ApplyShape() {
  if (!hwnd()) return;
  const WindowShape shape = ShapeOfStyle(look_.buttonStyle);
  const int width = surface_.ScaleWidth();
  const int height = surface_.ScaleHeight();
  RECT box{};
  const bool hasRegion = GetWindowRgnBox(hwnd(), &box) != ERROR;
  // A region set with redraw invalidates the window: set one only when it would differ.
  if (hasRegion && applied_.shape == shape && applied_.width == width && applied_.height == height &&
      box.left == 0 && box.top == 0 && box.right == width && box.bottom == height) {
    return;
  }
  auto region = MakeShapeRegion(shape, width, height);
  if (!region) return;
  if (SetWindowRgn(hwnd(), region.get(), TRUE)) {
    region.release();  // the window owns it now
    applied_ = {shape, width, height};
  }
}

void Zivududi::OnResize() {
  if (!ready_ || !hwnd()) return;
  RECT outer{};
  GetWindowRect(hwnd(), &outer);
  const int minimum = MulDiv(kMinimumTwips, static_cast<int>(WindowDpi(hwnd())), 1440);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  if (width < minimum || height < minimum) {
    // The resize that follows does the rest.
    SetWindowPos(hwnd(), nullptr, 0, 0, std::max(width, minimum), std::max(height, minimum),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  surface_.FollowClientSize();
  ApplyShape();
  Redraw();
}

// --- properties ---

void Zivududi::ApplyStyleDefaults(int style) {
  if (style < 0 || style >= static_cast<int>(std::size(kStyleDefaults))) return;
  const StyleDefaults& d = kStyleDefaults[style];
  look_.backColor = RgbOf(d.back);
  look_.foreColor = RgbOf(d.fore);
  look_.showFocusRect = d.showFocusRect;
}

void Zivududi::SetBackColor(Colour colour) {
  look_.backColor = colour;
  Redraw();
  Notify(L"BackColor");
}

void Zivududi::SetButtonStyle(int style) {
  look_.buttonStyle = style;
  ApplyStyleDefaults(style);
  ApplyShape();
  Redraw();
  Notify(L"ButtonStyle");
}

void Zivududi::SetCaption(const std::wstring& caption) {
  // The window text is the caption: WM_SETTEXT stores it and does the rest.
  SetWindowTextW(hwnd(), caption.c_str());
}

void Zivududi::OnCaptionStored() {
  look_.caption = WindowText(hwnd());
  surface_.AccessKeys = AccessKeyOf(look_.caption);
  if (loading_) return;
  Redraw();
  Notify(L"Caption");
}

void Zivududi::SetCaptionAlign(int align) {
  look_.captionAlign = align;
  Redraw();
  Notify(L"CaptionAlign");
}

void Zivududi::SetCheckBoxMode(bool on) {
  look_.checkBoxMode = on;
  if (!on) look_.buttonState = Normal;
  Redraw();
  Notify(L"Value");
  Notify(L"CheckBoxMode");
}

void Zivududi::SetEnabled(bool on) {
  look_.enabled = on;
  surface_.SetEnabled(on);
  Redraw();
  Notify(L"Enabled");
}

void Zivududi::KeepFont(SharedFont font) {
  if (font_) font_->Unsubscribe(fontToken_);
  font_ = std::move(font);
  fontToken_ = font_ ? font_->Subscribe([this] { OnFontChanged(); }) : 0;
}

void Zivududi::SetFont(SharedFont font) {
  KeepFont(std::move(font));
  surface_.Refresh();
  Redraw();
  Notify(L"Font");
  OnFontChanged();
}

void Zivududi::OnFontChanged() {
  if (font_) surface_.SetFont(font_->Desc());
  surface_.Refresh();
  Redraw();
  Notify(L"Font");
}

void Zivududi::SetForeColor(Colour colour) {
  look_.foreColor = colour;
  surface_.ForeColor = colour;
  OnResize();
  Notify(L"ForeColor");
}

void Zivududi::SetMaskColor(Colour colour) {
  look_.maskColor = colour;
  Redraw();
  Notify(L"MaskColor");
}

void Zivududi::SetMousePointer(int pointer) {
  surface_.MousePointer = static_cast<std::int16_t>(pointer);
  Notify(L"MousePointer");
}

void Zivududi::SetMouseIcon(HICON icon) {
  surface_.SetMouseIcon(icon);  // an icon the surface cannot take is ignored
  surface_.MousePointer = surface_.MouseIcon() ? 99 : 0;
  Notify(L"MouseIcon");
}

void Zivududi::SetPicture(const ButtonPicture& picture) {
  look_.picture = picture;
  if (picture.kind == ButtonPicture::Kind::None) {
    OnResize();
    return;
  }
  Redraw();
  Notify(L"Picture");
}

void Zivududi::SetPictureAlign(int align) {
  look_.pictureAlign = align;
  if (look_.picture.kind != ButtonPicture::Kind::None) Redraw();
  Notify(L"PictureAlign");
}

void Zivududi::SetPictureSize(int size) {
  look_.pictureSize = size;
  Redraw();
  Notify(L"PictureSize");
}

void Zivududi::SetPictureHover(const ButtonPicture& picture) {
  if (look_.picture.kind == ButtonPicture::Kind::None) {
    look_.picture = picture;
    Notify(L"Picture");
  }
  look_.pictureHover = picture;
  if (picture.kind == ButtonPicture::Kind::None) {
    OnResize();
    return;
  }
  Redraw();
  Notify(L"PictureHover");
}

void Zivududi::SetUseMaskColor(bool on) {
  look_.useMaskColor = on;
  if (look_.picture.kind != ButtonPicture::Kind::None) Redraw();
  Notify(L"UseMaskColor");
}

void Zivududi::SetValue(bool on) {
  if (!look_.checkBoxMode) {
    look_.buttonState = Normal;
    Redraw();
    return;
  }
  look_.value = on;
  if (!on) look_.buttonState = Normal;
  Redraw();
  Notify(L"Value");
}

void Zivududi::About() const {
  MessageBoxW(hwnd(), L"ZIVududi\r\nA Multistyle Button Control", L"About", MB_OK | MB_ICONINFORMATION);
}

// --- persistence ---

void Zivududi::InitProperties() {
  look_.showFocusRect = true;
  look_.enabled = true;
  surface_.SetEnabled(true);
  look_.buttonStyle = Raised3D;
  loading_ = true;
  SetWindowTextW(hwnd(), container_.ambient.displayName.c_str());
  loading_ = false;
  FontDesc face = container_.ambient.font;
  face.name = kNewFontFace;
  surface_.SetFont(face);
  look_.pictureAlign = LeftOfCaption;
  look_.captionAlign = Center;
  look_.useMaskColor = false;
  look_.maskColor = kDefaultMaskColor;
  surface_.FollowClientSize();
  ApplyStyleDefaults(Raised3D);
}

void Zivududi::ReadProperties(const PropertyBag& bag) {
  const Ambient& ambient = container_.ambient;
  look_.buttonStyle = bag.ReadInt(L"ButtonStyle", RaisedSoft);
  look_.showFocusRect = bag.ReadBool(L"ShowFocusRect", false);
  KeepFont(std::make_shared<FontObject>(bag.ReadFont(L"Font", ambient.font)));
  surface_.SetFont(font_->Desc());
  look_.backColor = bag.ReadColour(L"BackColor", RgbOf(kButtonFace));
  look_.enabled = bag.ReadBool(L"Enabled", true);
  loading_ = true;
  SetWindowTextW(hwnd(), bag.ReadText(L"Caption", kReadCaptionDefault).c_str());
  loading_ = false;
  look_.value = bag.ReadBool(L"Value", false);
  surface_.MousePointer = static_cast<std::int16_t>(bag.ReadInt(L"MousePointer", 0));
  handPointer_ = bag.ReadBool(L"HandPointer", false);
  surface_.SetMouseIcon(bag.ReadPicture(L"MouseIcon").icon);
  look_.picture = bag.ReadPicture(L"Picture");
  look_.pictureHover = bag.ReadPicture(L"PictureHover");
  look_.pictureSize = bag.ReadInt(L"PictureSize", Actual);
  look_.maskColor = bag.ReadColour(L"MaskColor", kDefaultMaskColor);
  look_.useMaskColor = bag.ReadBool(L"UseMaskCOlor", false);
  look_.checkBoxMode = bag.ReadBool(L"CheckBoxMode", false);
  look_.pictureAlign = bag.ReadInt(L"PictureAlign", LeftOfCaption);
  look_.captionAlign = bag.ReadInt(L"CaptionAlign", Center);
  look_.foreColor = bag.ReadColour(L"ForeColor", RgbOf(kButtonText));

  surface_.ForeColor = look_.foreColor;
  surface_.SetEnabled(look_.enabled);
  surface_.AccessKeys = AccessKeyOf(look_.caption);
  surface_.FollowClientSize();
  parent_ = GetParent(hwnd());
  ready_ = true;
  OnResize();
  if (!ambient.userMode) return;
  if (handPointer_) {
    hand_ = LoadCursorW(nullptr, IDC_HAND);
    if (!hand_) handPointer_ = false;
  }
  StartHover();
}

void Zivududi::WriteProperties(PropertyBag& bag) const {
  const Ambient& ambient = container_.ambient;
  const FontDesc font = font_ ? font_->Desc() : surface_.FontDescription();
  const ButtonPicture none;
  ButtonPicture mouseIcon;
  if (surface_.MouseIcon()) {
    mouseIcon.kind = ButtonPicture::Kind::Icon;
    mouseIcon.icon = surface_.MouseIcon();
  }
  bag.Write(L"ButtonStyle", Int(look_.buttonStyle), Int(RaisedSoft));
  bag.Write(L"ShowFocusRect", Bool(look_.showFocusRect), Bool(false));
  bag.Write(L"Enabled", Bool(look_.enabled), Bool(true));
  bag.Write(L"Font", font, ambient.font);
  bag.Write(L"BackColor", Rgb(look_.backColor), Rgb(RgbOf(kButtonFace)));
  bag.Write(L"Caption", Text(look_.caption), Text(kWriteCaptionDefault));
  bag.Write(L"ForeColor", Rgb(look_.foreColor), Rgb(RgbOf(kButtonText)));
  bag.Write(L"CheckBoxMode", Bool(look_.checkBoxMode), Bool(false));
  bag.Write(L"Value", Bool(look_.value), Bool(false));
  bag.Write(L"MousePointer", Int(surface_.MousePointer), Int(0));
  bag.Write(L"HandPointer", Bool(handPointer_), Bool(false));
  bag.Write(L"MouseIcon", mouseIcon, none);
  bag.Write(L"Picture", look_.picture, none);
  bag.Write(L"PictureHover", look_.pictureHover, none);
  bag.Write(L"PictureAlign", Int(look_.pictureAlign), Int(LeftOfCaption));
  bag.Write(L"pictureSize", Int(look_.pictureSize), Int(Actual));
  bag.Write(L"UseMaskCOlor", Bool(look_.useMaskColor), Bool(false));
  bag.Write(L"MaskColor", Rgb(look_.maskColor), Rgb(kDefaultMaskColor));
  bag.Write(L"CaptionAlign", Int(look_.captionAlign), Int(Center));
}

// --- input ---

bool Zivududi::RaiseClick() {
  const HWND parent = GetParent(hwnd());
  if (!parent) return true;
  const std::weak_ptr<const bool> alive = alive_;
  SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd()), BN_CLICKED), reinterpret_cast<LPARAM>(hwnd()));
  return !alive.expired();
}

void Zivududi::ShowHand() {
  if (!handPointer_) return;
  // A hand turned on after loading is loaded when first needed.
  if (!hand_) hand_ = LoadCursorW(nullptr, IDC_HAND);
  if (hand_) SetCursor(hand_);
}

void Zivududi::MoveFocus(bool previous) const {
  const HWND next = GetNextDlgTabItem(GetParent(hwnd()), hwnd(), previous);
  if (next && next != hwnd()) SetFocus(next);
}

void Zivududi::OnMouseMove(short button, short shift, float x, float y) {
  POINT at{};
  GetCursorPos(&at);
  if (WindowFromPoint(at) != hwnd() && look_.mouseInside) {
    // Moved off while the window has the capture: a leave as hover would report it, raised once.
    look_.mouseInside = false;
    if (!spaceDown_) {
      look_.buttonState = Normal;
      Redraw();
      if (!Raise(events.MouseLeave)) return;
    }
  }
  TrackLeave(hwnd(), container_.leaveTracker);
  if (look_.mouseInside) {
    ShowHand();
    if (look_.mouseDown) {
      look_.buttonState = Down;
    } else if (!spaceDown_) {
      look_.buttonState = Hot;
    }
    Redraw();
  }
  Raise(events.MouseMove, button, shift, x, y);
}

bool Zivududi::OnMouseDown(short button, short shift, float x, float y) {
  lastDown_ = {button, shift, x, y};
  ShowHand();
  if (button != kLeftButton) return true;
  look_.hasFocus = true;
  look_.mouseDown = true;
  if (look_.mouseInside) look_.buttonState = Down;
  Redraw();
  return Raise(events.MouseDown, button, shift, x, y);
}

void Zivududi::OnMouseUp(short button, short shift, float x, float y) {
  ShowHand();
  if (button == kLeftButton) {
    look_.mouseDown = false;
    if (x > 0 && x < surface_.ScaleWidth() && y > 0 && y < surface_.ScaleHeight()) {
      if (look_.checkBoxMode) SetValue(!look_.value);
      Redraw();
      if (!RaiseClick()) return;
    }
  }
  Raise(events.MouseUp, button, shift, x, y);
}

void Zivududi::OnDblClick() {
  ShowHand();
  if (lastDown_.button != kLeftButton) return;
  SetCapture(hwnd());
  look_.buttonState = Down;
  Redraw();
  if (OnMouseDown(lastDown_.button, lastDown_.shift, lastDown_.x, lastDown_.y)) Raise(events.DblClick);
}

bool Zivududi::OnKeyDown(short key, short shift, bool repeat) {
  switch (key) {
    case VK_RETURN:
      if (!RaiseClick()) return false;
      break;
    case VK_SPACE:
      if (!look_.mouseDown) {
        if (shift & kAlt) return true;
        // A held key repeats: only its first press presses (or toggles) the button.
        if (!repeat) {
          spaceDown_ = true;
          if (look_.checkBoxMode) {
            SetValue(!look_.value);
          } else {
            look_.buttonState = Down;
            Redraw();
          }
        }
      }
      if (GetCapture() != hwnd()) {
        ReleaseCapture();
        SetCapture(hwnd());
      }
      break;
    case VK_LEFT:
    case VK_UP:
      MoveFocus(true);
      break;
    case VK_RIGHT:
    case VK_DOWN:
      MoveFocus(false);
      break;
  }
  return Raise(events.KeyDown, key, shift);
}

bool Zivududi::OnKeyUp(short key, short shift) {
  // A space pressed somewhere else and released here is no press of this button.
  if (key != VK_SPACE || !spaceDown_) return true;
  bool click = true;
  if (!look_.mouseInside) {
    look_.buttonState = Normal;
  } else if (look_.mouseDown) {
    look_.buttonState = Down;
    click = false;
  } else {
    look_.buttonState = Hot;
  }
  spaceDown_ = false;
  look_.mouseDown = false;
  // The capture taken for the key goes with it, before a click handler opens a window of its own.
  if (GetCapture() == hwnd() && !(GetKeyState(VK_LBUTTON) < 0)) ReleaseCapture();
  Redraw();
  if (click && !RaiseClick()) return false;
  return Raise(events.KeyUp, key, shift);
}

void Zivududi::AccessKeyPress(int keyAscii) {
  if (!look_.enabled) return;
  if (spaceDown_) {
    spaceDown_ = false;
    look_.mouseDown = false;
  }
  if (look_.checkBoxMode) {
    if (keyAscii == VK_ESCAPE || keyAscii == VK_RETURN) return;
    SetValue(!look_.value);
  }
  // Messages already queued run first; a button gone by then raises nothing.
  PostMessageW(hwnd(), kClickLater, 0, 0);
}

void Zivududi::OnFocus(bool gained) {
  if (gained) {
    look_.hasFocus = true;
    if (look_.mouseInside) {
      look_.buttonState = Hot;
    } else if (!look_.mouseDown) {
      look_.buttonState = Normal;
    }
    Redraw();  // the focus shows at once
    return;
  }
  look_.hasFocus = false;
  look_.mouseDown = false;
  spaceDown_ = false;
  if (GetCapture() == hwnd()) ReleaseCapture();
  look_.buttonState = look_.parentActive && look_.mouseInside ? Hot : Normal;
  Redraw();
}

void Zivududi::OnParentActivation(bool active) {
  if (!active) {
    look_.mouseDown = false;
    spaceDown_ = false;
    look_.hasFocus = false;
  }
  look_.parentActive = active;
  look_.buttonState = Normal;
  Redraw();
}

void Zivududi::OnHoverStart(LPARAM at) {
  // With the capture, moves arrive from outside too: those are no entering.
  RECT client{};
  GetClientRect(hwnd(), &client);
  if (look_.mouseInside || !PtInRect(&client, POINT{GET_X_LPARAM(at), GET_Y_LPARAM(at)})) return;
  look_.mouseInside = true;
  TrackLeave(hwnd(), container_.leaveTracker);
  if (!spaceDown_) look_.buttonState = Hot;
  Redraw();
  Raise(events.MouseEnter);
}

void Zivududi::OnHoverEnd() {
  // Each leave answers one enter.
  if (!look_.mouseInside) return;
  look_.mouseInside = false;
  if (spaceDown_) return;
  if (look_.enabled) look_.buttonState = Normal;
  Redraw();
  Raise(events.MouseLeave);
}

void Zivududi::StartHover() {
  // Without a way to hear of the pointer leaving, no hover at all: the button never looks hot.
  if (!container_.leaveTracker) return;
  ownHook_.Attach(hwnd(), {WM_MOUSEMOVE, WM_MOUSELEAVE}, [this](UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_MOUSEMOVE) {
      OnHoverStart(lParam);
    } else {
      OnHoverEnd();
    }
  });
  const ParentObject parent{parent_};
  const std::optional<bool> mdiChild = parent.MDIChild();
  const UINT activation = !mdiChild || *mdiChild ? WM_NCACTIVATE : WM_ACTIVATE;
  parentHook_.Attach(parent_, {activation}, [this](UINT message, WPARAM wParam, LPARAM) {
    OnParentActivation(message == WM_ACTIVATE ? LOWORD(wParam) != WA_INACTIVE : wParam != 0);
  });
}

void Zivududi::StopHover() {
  parentHook_.Detach();
  ownHook_.Detach();
}

// --- the window ---

LRESULT Zivududi::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: return 1;  // the paint covers every pixel
    case WM_PAINT: OnPaint(); return 0;
    case WM_PRINTCLIENT: OnPrintClient(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_SIZE: OnResize(); return 0;
    case WM_SETTEXT: return OnSetText(wParam, lParam);
    case WM_ENABLE: OnEnable(wParam != 0); return 0;
    case WM_GETDLGCODE: return DialogCode(reinterpret_cast<const MSG*>(lParam));
    case WM_SETCURSOR:
      if (OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) return TRUE;
      break;
    case WM_MOUSEMOVE: OnMouseMove(HeldButtons(wParam), ShiftState(), X(lParam), Y(lParam)); return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: OnButtonDown(message, lParam); return 0;
    case WM_LBUTTONDBLCLK:
      if (GetFocus() != hwnd()) SetFocus(hwnd());
      OnDblClick();
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: OnButtonUp(message, wParam, lParam); return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      // A system key goes on to the default handling too (Alt+F4 and the menu keys), if the button is still there.
      if (OnKeyDown(static_cast<short>(wParam), ShiftState(message == WM_SYSKEYDOWN && (lParam & (1 << 29))),
                    (lParam & (1 << 30)) != 0) &&
          message == WM_SYSKEYDOWN) {
        break;
      }
      return 0;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      if (OnKeyUp(static_cast<short>(wParam), ShiftState(message == WM_SYSKEYUP && (lParam & (1 << 29)))) &&
          message == WM_SYSKEYUP) {
        break;
      }
      return 0;
    case WM_SYSCHAR:
      if (!surface_.AccessKeys.empty() &&
          surface_.AccessKeys == std::wstring(1, static_cast<wchar_t>(std::towlower(static_cast<wchar_t>(wParam))))) {
        AccessKeyPress(static_cast<int>(wParam));
        return 0;
      }
      break;
    case BM_CLICK: OnBmClick(); return 0;
    case BM_GETCHECK: return look_.checkBoxMode && look_.value ? BST_CHECKED : BST_UNCHECKED;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(surface_.Font());  // as a standard control answers
    case kClickLater:
      if (look_.enabled) RaiseClick();
      return 0;
    case WM_SETFOCUS: OnFocus(true); return 0;
    case WM_KILLFOCUS: OnFocus(false); return 0;
    case WM_DESTROY:
    case WM_NCDESTROY: StopHover(); break;  // gone before its parent: the parent keeps no hook of it
  }
  return Window::HandleMessage(message, wParam, lParam);
}

void Zivududi::OnPaint() {
  const PaintDc dc(hwnd());
  if (dc.get()) surface_.Paint(dc.get(), dc.paint().rcPaint);
}

void Zivududi::OnPrintClient(HDC dc) const {
  RECT client{};
  GetClientRect(hwnd(), &client);
  surface_.Paint(dc, client);
}

LRESULT Zivududi::OnSetText(WPARAM wParam, LPARAM lParam) {
  const LRESULT stored = Window::HandleMessage(WM_SETTEXT, wParam, lParam);
  if (stored) OnCaptionStored();
  return stored;
}

void Zivududi::OnEnable(bool enabled) {
  look_.enabled = enabled;
  Redraw();
}

// A push button that also takes the arrows (they move the focus) and Enter (it clicks).
LRESULT Zivududi::DialogCode(const MSG* msg) {
  LRESULT code = DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON | DLGC_WANTARROWS;
  if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
  return code;
}

bool Zivududi::OnSetCursor(HWND over, UINT hitTest) {
  if (hitTest != HTCLIENT || over != hwnd()) return false;
  if (handPointer_) {
    ShowHand();
    if (hand_) return true;
  }
  if (surface_.MousePointer == 99 && surface_.MouseIcon()) {
    SetCursor(surface_.MouseIcon());
    return true;
  }
  if (surface_.MousePointer < 1 || surface_.MousePointer > 15) return false;
  SetCursor(LoadCursorW(nullptr, kPointerCursors[surface_.MousePointer - 1]));
  return true;
}

void Zivududi::OnButtonDown(UINT message, LPARAM at) {
  if (GetFocus() != hwnd()) SetFocus(hwnd());
  SetCapture(hwnd());
  const short button = message == WM_LBUTTONDOWN                                   ? kLeftButton
                       : message == WM_MBUTTONDOWN || message == WM_MBUTTONDBLCLK ? 4
                                                                                    : 2;
  OnMouseDown(button, ShiftState(), X(at), Y(at));
}

void Zivududi::OnButtonUp(UINT message, WPARAM held, LPARAM at) {
  const short button = message == WM_LBUTTONUP ? kLeftButton : message == WM_MBUTTONUP ? 4 : 2;
  // Before any handler runs: a click may open a window that needs the mouse.
  if (!(held & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) && !spaceDown_ && GetCapture() == hwnd()) ReleaseCapture();
  OnMouseUp(button, ShiftState(), X(at), Y(at));
}

void Zivududi::OnBmClick() {
  if (!IsWindowEnabled(hwnd())) return;
  const LPARAM middle = MAKELPARAM(surface_.ScaleWidth() / 2, surface_.ScaleHeight() / 2);
  const std::weak_ptr<const bool> alive = alive_;
  SendMessageW(hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, middle);
  if (!alive.expired()) SendMessageW(hwnd(), WM_LBUTTONUP, 0, middle);
}

}  // namespace quilnet::button
