#pragma once
// The program's own multi-style command button: sixteen looks, caption with access key, picture,
// check-box mode, hover. One object per window. Click reaches the parent as WM_COMMAND/BN_CLICKED with
// the control's id; the other events go to `events`. The window text is the caption.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "controls/button/AccessKeys.h"
#include "controls/button/AfterHook.h"
#include "controls/button/ButtonLook.h"
#include "controls/button/Host.h"
#include "platform/PrivateMessages.h"
#include "platform/Window.h"

namespace quilnet::button {

// Not a class name the skin knows, so the skin leaves its painting alone.
inline constexpr wchar_t kButtonClass[] = L"QuilnetButton";

// Mouse buttons are 1 left, 2 right, 4 middle; shift is 1 Shift, 2 Ctrl, 4 Alt; positions in pixels.
struct ButtonEvents {
  std::function<void()> DblClick;
  std::function<void()> MouseEnter;
  std::function<void()> MouseLeave;
  std::function<void(short button, short shift, float x, float y)> MouseMove;
  std::function<void(short button, short shift, float x, float y)> MouseUp;
  std::function<void(short button, short shift, float x, float y)> MouseDown;
  std::function<void(short keyCode, short shift)> KeyDown;
  std::function<void(short keyCode, short shift)> KeyUp;
  std::function<void(short keyAscii)> KeyPress;  // never raised: the button takes no typed text
};

class Zivududi final : public Window {
 public:
  // A new button with the initial properties, at `bounds` (pixels, parent's client) with this id.
  static std::unique_ptr<Zivududi> CreateNew(HWND parent, const RECT& bounds, int id, Container container);
  // A stored button, its properties read from `bag`.
  static std::unique_ptr<Zivududi> CreateFromBag(HWND parent, const RECT& bounds, int id, const PropertyBag& bag,
                                                 Container container);
  ~Zivududi() override;

  Colour BackColor() const noexcept { return look_.backColor; }
  void SetBackColor(Colour colour);
  int ButtonStyle() const noexcept { return look_.buttonStyle; }
  void SetButtonStyle(int style);
  const std::wstring& Caption() const noexcept { return look_.caption; }
  void SetCaption(const std::wstring& caption);
  int CaptionAlign() const noexcept { return look_.captionAlign; }
  void SetCaptionAlign(int align);
  bool CheckBoxMode() const noexcept { return look_.checkBoxMode; }
  void SetCheckBoxMode(bool on);
  bool Enabled() const noexcept { return look_.enabled; }
  void SetEnabled(bool on);
  // The kept font object, or nothing when the button draws with its own surface font.
  const SharedFont& Font() const noexcept { return font_; }
  void SetFont(SharedFont font);
  Colour ForeColor() const noexcept { return look_.foreColor; }
  void SetForeColor(Colour colour);
  bool HandPointer() const noexcept { return handPointer_; }
  void SetHandPointer(bool on) { handPointer_ = on; }
  HWND hWnd() const noexcept { return hwnd(); }
  Colour MaskColor() const noexcept { return look_.maskColor; }
  void SetMaskColor(Colour colour);
  HICON MouseIcon() const noexcept { return surface_.MouseIcon(); }
  void SetMouseIcon(HICON icon);
  std::int16_t MousePointer() const noexcept { return surface_.MousePointer; }
  void SetMousePointer(int pointer);
  const ButtonPicture& Picture() const noexcept { return look_.picture; }
  void SetPicture(const ButtonPicture& picture);
  int PictureAlign() const noexcept { return look_.pictureAlign; }
  void SetPictureAlign(int align);
  int PictureSize() const noexcept { return look_.pictureSize; }
  void SetPictureSize(int size);
  const ButtonPicture& PictureHover() const noexcept { return look_.pictureHover; }
  void SetPictureHover(const ButtonPicture& picture);
  bool ShowFocusRect() const noexcept { return look_.showFocusRect; }
  void SetShowFocusRect(bool on) { look_.showFocusRect = on; }
  bool UseMaskColor() const noexcept { return look_.useMaskColor; }
  void SetUseMaskColor(bool on);
  bool Value() const noexcept { return look_.value; }
  void SetValue(bool on);

  // The information box about the control, modal to the button's window.
  void About() const;
  // Persistence: the initial properties of a new button, and reading and writing a stored one.
  void InitProperties();
  void ReadProperties(const PropertyBag& bag);
  void WriteProperties(PropertyBag& bag) const;
  // The container's access-key notification with the key's character code.
  void AccessKeyPress(int keyAscii);

  const std::wstring& AccessKeys() const noexcept { return surface_.AccessKeys; }
  // What the next redraw draws (state and flags included).
  const ButtonLook& Look() const noexcept { return look_; }
  const Surface& HostSurface() const noexcept { return surface_; }

  ButtonEvents events;

 private:
  explicit Zivududi(Container container);
  bool CreateWindowAt(HWND parent, const RECT& bounds, int id);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnPaint();
  void OnPrintClient(HDC dc) const;
  LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
  void OnEnable(bool enabled);
  static LRESULT DialogCode(const MSG* msg);
  bool OnSetCursor(HWND over, UINT hitTest);
  void OnButtonDown(UINT message, LPARAM at);
  void OnButtonUp(UINT message, WPARAM held, LPARAM at);
  void OnBmClick();

  void Notify(std::wstring_view property) const;
  void Redraw();
  void OnResize();
  void ApplyShape();
  void ApplyStyleDefaults(int style);
  void OnCaptionStored();
  void OnFontChanged();
  void KeepFont(SharedFont font);
  // Both tell whether the button outlived the call: a host may destroy it from its own handler.
  bool RaiseClick();
  template <class Event, class... Args>
  bool Raise(const Event& event, Args... args) {
    if (!event) return true;
    const std::weak_ptr<const bool> alive = alive_;
    const Event call = event;  // the button's copy goes with the button
    call(args...);
    return !alive.expired();
  }
  void ShowHand();
  void StartHover();
  void StopHover();
  void MoveFocus(bool previous) const;

  void OnMouseMove(short button, short shift, float x, float y);
  bool OnMouseDown(short button, short shift, float x, float y);
  void OnMouseUp(short button, short shift, float x, float y);
  void OnDblClick();
  bool OnKeyDown(short key, short shift, bool repeat);
  bool OnKeyUp(short key, short shift);
  void OnFocus(bool gained);
  void OnParentActivation(bool active);
  void OnHoverStart(LPARAM at);
  void OnHoverEnd();

  Container container_;
  Surface surface_;
  ButtonLook look_;
  DrawMemory memory_;
  SharedFont font_;
  int fontToken_ = 0;
  bool handPointer_ = false;
  HCURSOR hand_ = nullptr;
  bool spaceDown_ = false;
  HWND parent_ = nullptr;
  struct MouseArgs {
    short button = 0, shift = 0;
    float x = 0, y = 0;
  } lastDown_;
  bool ready_ = false;    // properties set: redraws may run
  bool loading_ = false;  // setting the caption from stored or initial properties
  bool drawing_ = false;
  struct AppliedShape {
    WindowShape shape;
    int width = -1, height = -1;
  } applied_;
  AfterHook ownHook_;
  AfterHook parentHook_;
  const std::shared_ptr<const bool> alive_ = std::make_shared<const bool>(true);
};

}  // namespace quilnet::button
