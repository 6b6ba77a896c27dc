#pragma once
// The window's controls: name, kind, container and place in twips, in creation (and Tab) order.
#include <array>
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

struct LayoutRow {
  const wchar_t* name;
  ControlKind kind;
  const wchar_t* container;  // nullptr: the window itself
  int left, top, width, height;
  const wchar_t* caption;
};

std::span<const LayoutRow> ControlLayout();

// Where each of the four profiles lives: its group box, its name box and five address boxes (in the
// order of the profile file's keys), and its apply button.
struct ProfileControls {
  const wchar_t* frame;
  std::array<const wchar_t*, 6> boxes;
  const wchar_t* button;
};
inline constexpr std::array<ProfileControls, 4> kProfileControls{{
    {L"Frame2", {L"Text1", L"Text6", L"Text7", L"Text8", L"Text9", L"Text10"}, L"Command10"},
    {L"Frame3", {L"Text2", L"Text11", L"Text12", L"Text13", L"Text14", L"Text15"}, L"Command11"},
    {L"Frame4", {L"Text3", L"Text16", L"Text17", L"Text18", L"Text19", L"Text20"}, L"Command12"},
    {L"Frame1", {L"Text4", L"Text24", L"Text23", L"Text22", L"Text21", L"Text5"}, L"Command13"},
}};

// Outer sizes of the window, in twips.
inline constexpr int kCompactWidth = 6195;
inline constexpr int kCompactHeight = 4515;
inline constexpr int kExpandedWidth = 11595;
inline constexpr int kExpandedHeight = 5820;

inline constexpr unsigned long kFormColour = 0x00E8BF88;  // 0x00BBGGRR
inline constexpr unsigned long kStatusColour = 0x000000FF;

}  // namespace quilnet
