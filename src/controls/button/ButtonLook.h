#pragma once
// What one redraw of the multi-style button reads, and what it leaves behind for the next one. The
// control (model, input, hover) fills a ButtonLook; the renderer draws it onto the control's surface.
// Drawing never touches the window: the window shape is the control's business (it sets a region only
// when size or style change), so a redraw can never start a repaint of its own.
#include <windows.h>

#include <cstdint>
#include <string>

namespace quilnet::button {

// 0x00BBGGRR, or a system-colour reference with the high bit set (0x8000000F is the button face).
using Colour = std::uint32_t;
inline constexpr Colour kButtonFace = 0x8000000F;
inline constexpr Colour kButtonText = 0x80000012;
inline constexpr Colour kGrayText = 0x80000011;
inline constexpr Colour kAppWorkspace = 0x8000000C;

enum ButtonStyle : int {
  Raised3D = 0, RaisedSoft, RoundedFrame, ContainerShade, RoundedBevel, SolidBlue, SplitShade,
  PaleBlueGloss, SplitGloss, FaceGradient, PaleBlueBand, FlatHotRaised, FlatHotThin, HotGradient,
  GlossyRounded, HorizontalGradient,
};
enum ButtonStateValue : int { Normal = 0, Hot = 1, Down = 2 };
enum PictureAlignValue : int {
  LeftEdge = 0, LeftOfCaption, RightEdge, RightOfCaption, Behind, TopEdge, AboveCaption, BottomEdge,
  BelowCaption,
};
enum PictureSizeValue : int { Actual = 0, Small16, Medium24, Large32 };
enum CaptionAlignValue : int { Left = 0, Center, Right };

// A picture the control holds a reference to; the handles belong to whoever made the picture.
struct ButtonPicture {
  enum class Kind { None, Bitmap, Icon };
  Kind kind = Kind::None;
  HBITMAP bitmap = nullptr;
  HICON icon = nullptr;
  int width = 0;   // its own size in pixels
  int height = 0;
  bool operator==(const ButtonPicture&) const = default;
};

struct ButtonLook {
  // Persistent properties.
  int buttonStyle = Raised3D;
  Colour backColor = kButtonFace;
  Colour foreColor = kButtonText;
  std::wstring caption;
  int captionAlign = Center;
  HFONT font = nullptr;
  bool enabled = true;
  bool checkBoxMode = false;
  bool value = false;
  bool showFocusRect = true;
  ButtonPicture picture;
  ButtonPicture pictureHover;
  int pictureAlign = LeftOfCaption;
  int pictureSize = Actual;
  bool useMaskColor = false;
  Colour maskColor = 0xE0E0E0;

  // Run-time state.
  int buttonState = Normal;
  bool hasFocus = false;
  bool mouseInside = false;
  bool mouseDown = false;
  bool parentActive = true;
  bool displayAsDefault = false;
  bool userMode = true;          // run mode, as opposed to a designer
  bool hasAccessKey = false;     // the caption marks an access key
  Colour ambientBackColor = kButtonFace;  // the container's colour
  Colour surfaceBackColor = kButtonFace;  // what clearing the surface fills with
};

// Left by one redraw for the next.
struct DrawMemory {
  RECT captionRect{};
  RECT captionFocusRect{};  // set by the caption layout, read by the next redraw of style 6
  SIZE pictureSize{};
};

// The window shape of a style: a rectangle, or a rounded rectangle with this corner ellipse.
struct WindowShape {
  bool rounded = false;
  int ellipse = 0;
  bool operator==(const WindowShape&) const = default;
};

}  // namespace quilnet::button
