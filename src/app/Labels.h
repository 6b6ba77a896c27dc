#pragma once
// Labels have no window of their own: their container draws them, transparently, over its background.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace quilnet {

struct Label {
  std::wstring_view name;
  RECT bounds;        // in the container's client area
  std::wstring text;
  HFONT font;
  COLORREF colour;    // CLR_INVALID: the system's button text colour
  UINT format;        // DrawText alignment
};

class Labels {
 public:
  void Add(Label label) { labels_.push_back(std::move(label)); }
  Label* Find(std::wstring_view name);
  const Label* Find(std::wstring_view name) const;
  // Changes the caption and has the container redraw the label's place.
  void SetText(HWND container, Label& label, const std::wstring& text);
  void Paint(HDC dc) const;

 private:
  std::vector<Label> labels_;
};

}  // namespace quilnet
