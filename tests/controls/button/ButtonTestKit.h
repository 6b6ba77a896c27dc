#pragma once
// The one fixture of the button drawing tests: a 93 × 55 surface (the size of the window's buttons)
// and a look that starts as a style's new instance would.
#include <gtest/gtest.h>

#include "controls/button/ButtonLook.h"
#include "controls/button/ButtonPrimitives.h"
#include "controls/button/ButtonRender.h"
#include "support/Canvas.h"

namespace quilnet::button {

inline constexpr Colour kWindowColour = 0xE8BF88;

class ButtonDrawTest : public ::testing::Test {
 protected:
  static constexpr int kW = 93, kH = 55;

  // Style, state and the look's colours; the container stands on the window colour.
  ButtonLook Look(int style, int state = Normal, Colour back = kButtonFace) {
    ButtonLook look;
    look.buttonStyle = style;
    look.buttonState = state;
    look.backColor = back;
    look.ambientBackColor = kWindowColour;
    look.surfaceBackColor = kWindowColour;
    look.showFocusRect = false;
    return look;
  }
  void Draw(ButtonLook& look) { Redraw(canvas.dc(), canvas.width(), canvas.height(), look, memory); }

  test::Canvas canvas{kW, kH};
  DrawMemory memory;
};

}  // namespace quilnet::button
