#pragma once
// What hosts a button: the drawing surface, the container's ambient properties, the parent, change
// notification and the property bag. Small on purpose: only what the button asks of its host.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "controls/button/ButtonLook.h"
#include "platform/Handles.h"
#include "platform/LeaveTracking.h"
#include "platform/Offscreen.h"

namespace quilnet::button {

// A colour's RGB value: system-colour references become the current system colour; -1 when the value
// is neither.
Colour RgbOf(Colour colour);

// A font as it is stored: face, size in points, character set, weight and the three decorations.
struct FontDesc {
  std::wstring name = L"Tahoma";
  double size = 8.25;
  BYTE charset = DEFAULT_CHARSET;
  int weight = FW_NORMAL;
  bool italic = false;
  bool underline = false;
  bool strikethrough = false;
  bool operator==(const FontDesc&) const = default;
};

// A font that several holders share and that tells them when one of its attributes changes.
class FontObject {
 public:
  explicit FontObject(FontDesc desc = {}) : desc_(std::move(desc)) {}
  const FontDesc& Desc() const noexcept { return desc_; }
  void SetName(std::wstring name) { Change([&](FontDesc& d) { d.name = std::move(name); }); }
  void SetSize(double size) { Change([&](FontDesc& d) { d.size = size; }); }
  void SetCharset(BYTE charset) { Change([&](FontDesc& d) { d.charset = charset; }); }
  void SetWeight(int weight) { Change([&](FontDesc& d) { d.weight = weight; }); }
  void SetItalic(bool on) { Change([&](FontDesc& d) { d.italic = on; }); }
  void SetUnderline(bool on) { Change([&](FontDesc& d) { d.underline = on; }); }

  // Calls `changed` after every change until the returned number is passed to Unsubscribe.
  int Subscribe(std::function<void()> changed);
  void Unsubscribe(int token);

 private:
  void Change(const std::function<void(FontDesc&)>& edit);
  FontDesc desc_;
  std::vector<std::pair<int, std::function<void()>>> listeners_;
  int nextToken_ = 1;
};
using SharedFont = std::shared_ptr<FontObject>;

// A colour as a stored value, told apart from a plain number.
struct ColourValue {
  Colour value = 0;
  bool operator==(const ColourValue&) const = default;
};

// Named stored values. Keys match without regard to case and are kept in lower case. A value equal to
// the default it is written with is not stored; a missing key reads as the default it is read with.
class PropertyBag {
 public:
  using Value = std::variant<std::int32_t, bool, ColourValue, std::wstring, FontDesc, ButtonPicture>;

  void Write(std::wstring_view key, const Value& value, const Value& defaultValue);
  std::int32_t ReadInt(std::wstring_view key, std::int32_t defaultValue) const;
  bool ReadBool(std::wstring_view key, bool defaultValue) const;
  Colour ReadColour(std::wstring_view key, Colour defaultValue) const;
  std::wstring ReadText(std::wstring_view key, const std::wstring& defaultValue) const;
  FontDesc ReadFont(std::wstring_view key, const FontDesc& defaultValue) const;
  ButtonPicture ReadPicture(std::wstring_view key) const;

  const Value* Find(std::wstring_view key) const;
  const std::map<std::wstring, Value>& Stored() const noexcept { return values_; }

 private:
  std::map<std::wstring, Value> values_;
};

// What the container tells its controls about itself.
struct Ambient {
  std::wstring displayName = L"zivududi1";
  FontDesc font;
  Colour backColor = kButtonFace;
  bool userMode = true;
  bool displayAsDefault = false;
};

// The window the button sits on.
struct ParentObject {
  HWND hWnd = nullptr;
  // Whether the parent is an MDI child window (WS_EX_MDICHILD); nothing when it is no window.
  std::optional<bool> MDIChild() const;
};

// The host's side of one button.
struct Container {
  Ambient ambient;
  // How the pointer leaving is heard of; with none the button never hovers.
  LeaveTracker leaveTracker = SystemLeaveTracker();
  // Told the name of every property the button changes.
  std::function<void(std::wstring_view)> propertyChanged;
};

// The button's drawing surface: a persistent picture of the window's client size that every redraw
// draws into and every paint copies to the screen, with the surface properties of the button's window.
class Surface {
 public:
  void Attach(HWND hwnd);
  // Follows the window's client size. False when the picture could not be made.
  bool FollowClientSize();

  HDC hDC() const noexcept { return picture_.dc(); }
  int ScaleWidth() const noexcept { return width_; }
  int ScaleHeight() const noexcept { return height_; }
  // Shows the picture: the window is invalidated without erasing and copies it when it paints.
  void Refresh() const;
  void Paint(HDC target, const RECT& area) const { picture_.CopyTo(target, area); }

  HFONT Font() const noexcept { return font_.get(); }
  const FontDesc& FontDescription() const noexcept { return fontDesc_; }
  void SetFont(const FontDesc& desc);
  Colour ForeColor = kButtonText;
  Colour BackColor = kButtonFace;
  void SetEnabled(bool enabled) const;
  std::int16_t MousePointer = 0;
  HICON MouseIcon() const noexcept { return mouseIcon_.get(); }
  // Keeps its own copy of the icon; false when the icon cannot be copied (the old one stays).
  bool SetMouseIcon(HICON icon);
  std::wstring AccessKeys;

 private:
  HWND hwnd_ = nullptr;
  UniqueFont font_;  // before the picture, whose DC holds it: the DC goes first
  Offscreen picture_;
  int width_ = 0;
  int height_ = 0;
  FontDesc fontDesc_;
  UniqueIcon mouseIcon_;
};

}  // namespace quilnet::button
