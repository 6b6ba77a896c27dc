#pragma once
// The faces of the sixteen styles, drawn by one redraw after the surface is cleared and before the
// picture and caption.
#include <windows.h>

#include "controls/button/ButtonLook.h"
#include "controls/button/ButtonPrimitives.h"
#include "platform/Gdi.h"

namespace quilnet::button {

struct Face {
  FaceImage& image;  // where the face is drawn; Direct() gives the surface itself
  int lw;
  int lh;
  ButtonLook& look;
  DrawMemory& memory;
  Colour back;   // BackColor, translated
  int hh;        // half the height, rounded halves to even
  bool checked;  // check-box mode with Value set

  // The dotted focus rectangle where the look asks for one; some styles want run mode as well.
  void FocusRect(const RECT& rect, bool needsRunMode) const;
};

// Draws the look's style in the look's state; a style outside 0..15 draws nothing.
void DrawFace(Face& face);
void DrawGlossyRounded(Face& face);

}  // namespace quilnet::button
