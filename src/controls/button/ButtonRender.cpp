#include "controls/button/ButtonRender.h"

#include "controls/button/ButtonCaption.h"
#include "controls/button/ButtonFaces.h"
#include "controls/button/ButtonPrimitives.h"

namespace quilnet::button {

WindowShape ShapeOfStyle(int style) {
  switch (style) {
    case RoundedFrame:
    case RoundedBevel:
    case SplitShade:
    case SplitGloss: return {true, 3};
    case ContainerShade:
    case PaleBlueBand: return {true, 4};
    case GlossyRounded: return {true, 18};
    default: return {false, 0};
  }
}

UniqueRegion MakeShapeRegion(const WindowShape& shape, int width, int height) {
  if (shape.rounded) return MakeRoundRectRegion(0, 0, width + 1, height + 1, shape.ellipse, shape.ellipse);
  return MakeRectRegion(0, 0, width, height);
}

void Redraw(HDC dc, int width, int height, ButtonLook& look, DrawMemory& memory) {
  const int style = look.buttonStyle;
  // These styles stand on their container's colour; taken before clearing so the first redraw shows it.
  if (style == ContainerShade || style == SolidBlue || style == GlossyRounded) {
    look.surfaceBackColor = look.ambientBackColor;
  }
  const bool checked = look.checkBoxMode && look.value;
  if (checked && style != Raised3D && style != ContainerShade && style != FaceGradient) look.buttonState = Down;
  {
    FaceImage image(dc, width, height, look.surfaceBackColor);
    Face face{image, width, height, look, memory, TranslateColour(look.backColor), RoundHalfEven(height / 2.0), checked};
    DrawFace(face);
  }
  DrawPictureAndCaption(dc, width, height, look, memory);
}

}  // namespace quilnet::button
