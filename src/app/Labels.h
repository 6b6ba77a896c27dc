#pragma once
// The window's captions. Each is a "Static" window whose text is its caption, so that screen readers
// and UI automation read it, and owner-drawn so that it looks like a transparent label: its container's
// background (and whatever the container draws there, the banner or a group box's edge) shows under
// the text.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace quilnet {

struct Label {
  std::wstring_view name;
  HWND hwnd;
  HFONT font;
  COLORREF colour;  // CLR_INVALID: the system's button text colour
  UINT format;      // DrawText alignment
  // The width the caption is aligned in. A window that a control covers in part is cut short where the
  // control begins, while its caption keeps its place (the status line stays centred on its full width).
  int textWidth = 0;
};

class Labels {
 public:
  // Creates the label's window in `container`; nullptr when it cannot be made.
  HWND Add(const Label& look, HWND container, const RECT& bounds, const wchar_t* caption, int id);
  const Label* Find(std::wstring_view name) const;
  const Label* Find(HWND hwnd) const;
  // Changes the caption. `announce`: tell assistive technology that the text changed, as for an outcome.
  void SetText(const Label& label, const std::wstring& text, bool announce) const;
  // Paints a label for WM_DRAWITEM; false when the item is none of these labels.
  bool Draw(const DRAWITEMSTRUCT& item) const;

 private:
  std::vector<Label> labels_;
};

}  // namespace quilnet
