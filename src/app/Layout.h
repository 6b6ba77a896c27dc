#pragma once
// The window's controls: name, kind, container and place in twips, in creation (and Tab) order.
#include <span>

namespace quilnet {

enum class ControlKind {
  Picture,    // the banner
  Label,      // transparent caption; width 0 means as wide as its caption
  Status,     // the status line: red, centred, large
  Combo,      // drop-down list
  Button,
  Text,       // single-line text box
  HiddenText, // data holders that are never shown
  HiddenMultiText,
  Frame,      // group box; the rows that name it as container are its children
};

struct ControlSpec {
  const wchar_t* name;
  ControlKind kind;
  const wchar_t* container;  // nullptr: the window itself
  int left, top, width, height;
  const wchar_t* caption;
};

std::span<const ControlSpec> ControlLayout();

// Outer sizes of the window, in twips.
inline constexpr int kCompactWidth = 6195;
inline constexpr int kCompactHeight = 4515;
inline constexpr int kExpandedWidth = 11595;
inline constexpr int kExpandedHeight = 5820;

inline constexpr unsigned long kFormColour = 0x00E8BF88;  // 0x00BBGGRR
inline constexpr unsigned long kStatusColour = 0x000000FF;

}  // namespace quilnet
